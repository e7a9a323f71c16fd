#include "link/PortTable.h"
#include "model/LocalStore.h"
#include "support/BuiltPrograms.h"
#include "support/CtlRun.h"
#include "support/FileFixtures.h"
#include "support/PseudoTerminal.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QTest>

#include <csignal>

// The device commands of corvexctl against the simulator's demonstration data.
class TestCorvexctlDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<SimulatorProcess> m_sim;
    QString m_store;

    bool startSimulator(const QStringList &options = {})
    {
        m_sim = std::make_unique<SimulatorProcess>();
        return m_sim->start(QStringList{QStringLiteral("--demo")} + options);
    }

    // The command on the simulator's line and the test's store.
    CtlRun onSimulator(QStringList arguments) const
    {
        return RunCtl(arguments << QStringLiteral("--port") << m_sim->devicePath() << QStringLiteral("--store") << m_store);
    }

    InstrumentData stored() const
    {
        InstrumentData data;
        LoadStore(m_store, data);
        return data;
    }

private Q_SLOTS:
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        m_store = m_folders->path() + QStringLiteral("/CORVEX.ini");
        QVERIFY2(startSimulator(), qPrintable(m_sim->errorString()));
    }

    void cleanup()
    {
        m_sim.reset();
        m_folders.reset();
    }

    // One run of each device command: what it prints, and its exit code.
    void commandsPrintWhatTheyDid()
    {
        CtlRun run = onSimulator({QStringLiteral("identify")});
        QCOMPARE(run.out, QStringLiteral("A Corvex (4178-305) answers on %1.\n").arg(m_sim->devicePath()));
        run = onSimulator({QStringLiteral("read-reagent"), QStringLiteral("11")});
        QCOMPARE(run.out, QStringLiteral("Reagent 011: \"Xylene       \"\n"));

        run = onSimulator({QStringLiteral("read-program"), QStringLiteral("2")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Program02 (\"BIOPSY\") has been read from the Corvex and saved to \"%1\".\n").arg(m_store));
        QVERIFY(run.err.endsWith(QStringLiteral("Reading Program02: 100%\n")));
        QCOMPARE(stored().programs[2].Name, QByteArray("BIOPSY       "));

        run = onSimulator({QStringLiteral("read-reagents")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(QLatin1Char('\n')), 200);
        QVERIFY(run.out.startsWith(QStringLiteral("Reagent 001: \"(empty)      \"\n")));

        run = onSimulator({QStringLiteral("send-reagent"), QStringLiteral("30"), QStringLiteral("Paraffin extra hot")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("The name is cut to its first 13 characters.\n"));
        QCOMPARE(stored().reagents[30], QByteArray("Paraffin extr"));
    }

    void failuresEndWithOne()
    {
        CtlRun run = onSimulator({QStringLiteral("send-program"), QStringLiteral("1")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(QStringLiteral("There is no store")));
        QCOMPARE(m_sim->stop(), QStringList());

        QVERIFY2(startSimulator({QStringLiteral("--silent-from"), QStringLiteral("2002")}), qPrintable(m_sim->errorString()));
        run = onSimulator({QStringLiteral("read-program"), QStringLiteral("1"), QStringLiteral("--tick-ms"), QStringLiteral("5")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Program01 could not be read from the Corvex: at address 2002 hex")), qPrintable(run.err));
        QVERIFY(!QFile::exists(m_store));
    }

    void portsByNumberAndStoredPort()
    {
        SetPortDeviceOverride(4, m_sim->devicePath());
        QCOMPARE(RunCtl({QStringLiteral("identify"), QStringLiteral("--port"), QStringLiteral("4")}).exitCode, 0);
        QVERIFY(!StoredCommPort());

        StoreCommPort(4);
        const CtlRun run = RunCtl({QStringLiteral("read-reagent"), QStringLiteral("2")});
        QCOMPARE(run.out, QStringLiteral("Reagent 002: \"Formalin 10% \"\n"));
        QCOMPARE(StoredCommPort(), std::optional<int>(4));

        SetPortDeviceOverride(4, QStringLiteral("/nonexistent/tty"));
        const CtlRun gone = RunCtl({QStringLiteral("identify")});
        QCOMPARE(gone.exitCode, 1);
        QCOMPARE(gone.err, QStringLiteral("No Corvex answered on COM4 (/nonexistent/tty), the port the utility uses. Give another with --port.\n"));
    }

    void deviceThatIsNoCorvexIsNamed()
    {
        PseudoTerminal other("?1F1,4178-306\r\n");
        const CtlRun run = RunCtl({QStringLiteral("identify"), QStringLiteral("--port"), other.path(), QStringLiteral("--tick-ms"), QStringLiteral("50")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("A device on %1 answered \"?1F1,4178-306\", which is not a Corvex 4178-305.\n").arg(other.path()));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QTest::newRow("port 0") << QStringList{"identify", "--port", "0"} << 2 << "The port must be a number from 1 to 16";
        QTest::newRow("no such device") << QStringList{"identify", "--port", "/nonexistent/tty"} << 1 << "Cannot open /nonexistent/tty";
        QTest::newRow("tick not a number") << QStringList{"identify", "--port", "1", "--tick-ms", "soon"} << 2 << "--tick-ms needs";
        QTest::newRow("reagent 201") << QStringList{"read-reagent", "201", "--port", "1"} << 2 << "from 1 to 200";
        QTest::newRow("name the Corvex cannot hold")
            << QStringList{"send-reagent", "3", QString::fromUtf8("snow \u2603"), "--port", "1"} << 2 << "cannot store";
        QTest::newRow("a line break in a name")
            << QStringList{"send-reagent", "3", QStringLiteral("Eth\nanol"), "--port", "1"} << 2 << "cannot store";
        QTest::newRow("send-reagent without name") << QStringList{"send-reagent", "3", "--port", "1"} << 2 << "Too few arguments.";
    }

    void wrongCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CtlRun run = RunCtl(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(m_store));
    }

    void tickOptionIsNotAdvertised()
    {
        const CtlRun help = RunCtl({QStringLiteral("read-program"), QStringLiteral("--help")});
        QVERIFY(help.out.contains(QStringLiteral("--port PORT")));
        QVERIFY(!help.out.contains(QStringLiteral("tick")));
    }

    void interruptStopsReadAllAfterTheCurrentReagent()
    {
        // Slow replies, so that Read ALL is still running when Ctrl+C comes.
        QVERIFY2(startSimulator({QStringLiteral("--split"), QStringLiteral("7"), QStringLiteral("--split-delay"), QStringLiteral("3")}),
                 qPrintable(m_sim->errorString()));
        QProcess ctl;
        // Options before the command, as a new user might give them.
        ctl.start(CtlProgram(), {QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("--store"), m_store,
                                 QStringLiteral("read-reagents")});
        ctl.setReadChannel(QProcess::StandardError);
        QByteArray progress;
        while (!progress.contains("Reading all reagents: 10%") && ctl.waitForReadyRead(30'000))
            progress += ctl.readAll();
        ::kill(static_cast<pid_t>(ctl.processId()), SIGINT);
        QVERIFY(ctl.waitForFinished(60'000));
        QCOMPARE(ctl.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ctl.exitCode(), 1);
        progress += ctl.readAllStandardError();
        const int read = int(ctl.readAllStandardOutput().count('\n'));
        QVERIFY2(read >= 20 && read < 200, qPrintable(QString::number(read)));
        QVERIFY2(progress.contains(QStringLiteral("Stopped after Reagent %1; the reagents read have been saved")
                                       .arg(read, 3, 10, QLatin1Char('0')).toLatin1()),
                 progress.constData());
        QCOMPARE(stored().reagents[read + 1], QByteArray(NameLength, ' '));
    }
};

QTEST_GUILESS_MAIN(TestCorvexctlDevice)
#include "test_corvexctl_device.moc"
