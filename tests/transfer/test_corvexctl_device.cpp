#include "CtlMain.h"
#include "link/PortTable.h"
#include "model/LocalStore.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CtlRun runCtl(const QStringList &arguments)
{
    CtlRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCorvexCtl(arguments, out, err);
    return run;
}

// The name between the quotes of a reagent list line.
QByteArray ReagentNameFromLine(const QByteArray &line)
{
    const qsizetype open = line.indexOf('"');
    return line.mid(open + 1, NameLength);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

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

    QStringList onSimulator(QStringList arguments) const
    {
        return arguments << QStringLiteral("--port") << m_sim->devicePath() << QStringLiteral("--store") << m_store;
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

    void identify()
    {
        const CtlRun run = runCtl(onSimulator({QStringLiteral("identify")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("A Corvex (4178-305) answers on %1.\n").arg(m_sim->devicePath()));
    }

    void readProgramSavesIt()
    {
        const CtlRun run = runCtl(onSimulator({QStringLiteral("read-program"), QStringLiteral("2")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Program02 (\"BIOPSY\") has been read from the Corvex and saved to \"%1\".\n").arg(m_store));
        QVERIFY(run.err.endsWith(QStringLiteral("Reading Program02: 100%\n")));
        InstrumentData data;
        QVERIFY(LoadStore(m_store, data));
        QCOMPARE(data.programs[2].Name, QByteArray("BIOPSY       "));
        QCOMPARE(data.programs[2].Type, TypeLM);
    }

    void readingOneReagentWritesNoStore()
    {
        const CtlRun run = runCtl(onSimulator({QStringLiteral("read-reagent"), QStringLiteral("11")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Reagent 011: \"Xylene       \"\n"));
        QVERIFY(!QFile::exists(m_store));
    }

    void readAllThenSendOne()
    {
        CtlRun run = runCtl(onSimulator({QStringLiteral("read-reagents")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(QLatin1Char('\n')), 200);
        QVERIFY(run.out.startsWith(QStringLiteral("Reagent 001: \"(empty)      \"\n")));

        run = runCtl(onSimulator({QStringLiteral("send-reagent"), QStringLiteral("30"), QStringLiteral("Paraffin extra hot")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("The name is cut to its first 13 characters.\n"));
        InstrumentData data;
        QVERIFY(LoadStore(m_store, data));
        QCOMPARE(data.reagents[30], QByteArray("Paraffin extr"));
        QCOMPARE(data.reagents[2], QByteArray("Formalin 10% "));

        run = runCtl(onSimulator({QStringLiteral("read-reagent"), QStringLiteral("30")}));
        QCOMPARE(run.out, QStringLiteral("Reagent 030: \"Paraffin extr\"\n"));
    }

    void sendProgramNeedsAStore()
    {
        const CtlRun run = runCtl(onSimulator({QStringLiteral("send-program"), QStringLiteral("1")}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(QStringLiteral("There is no store")));
        QCOMPARE(m_sim->stop(), QStringList());
    }

    void silentInstrumentLeavesTheStoreAlone()
    {
        QVERIFY(runCtl(onSimulator({QStringLiteral("read-program"), QStringLiteral("1")})).exitCode == 0);
        const QByteArray before = fileBytes(m_store);
        QVERIFY2(startSimulator({QStringLiteral("--silent-after"), QStringLiteral("3")}), qPrintable(m_sim->errorString()));

        const CtlRun run = runCtl(onSimulator({QStringLiteral("read-program"), QStringLiteral("1"), QStringLiteral("--tick-ms"), QStringLiteral("5")}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Program01 could not be read from the Corvex: at address 2002 hex the Corvex did "
                                                 "not answer in 5 attempts.\nProgram01 keeps its previous content.\n")),
                 qPrintable(run.err));
        QCOMPARE(fileBytes(m_store), before);
    }

    void portsByNumberAndStoredPort()
    {
        SetPortDeviceOverride(4, m_sim->devicePath());
        CtlRun run = runCtl({QStringLiteral("identify"), QStringLiteral("--port"), QStringLiteral("4")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!StoredCommPort());

        StoreCommPort(4);
        run = runCtl({QStringLiteral("read-reagent"), QStringLiteral("2")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Reagent 002: \"Formalin 10% \"\n"));
        QCOMPARE(StoredCommPort(), std::optional<int>(4));

        SetPortDeviceOverride(4, QStringLiteral("/nonexistent/tty"));
        run = runCtl({QStringLiteral("identify")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("No Corvex answered on COM4 (/nonexistent/tty), the port the utility uses. Give another with --port.\n"));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QTest::newRow("port 0") << QStringList{"identify", "--port", "0"} << 2 << "The port must be a number from 1 to 16";
        QTest::newRow("port 17") << QStringList{"identify", "--port", "17"} << 2 << "The port must be a number from 1 to 16";
        QTest::newRow("no such device") << QStringList{"identify", "--port", "/nonexistent/tty"} << 1 << "Cannot open /nonexistent/tty";
        QTest::newRow("tick not a number") << QStringList{"identify", "--port", "1", "--tick-ms", "soon"} << 2 << "--tick-ms needs";
        QTest::newRow("reagent 201") << QStringList{"read-reagent", "201", "--port", "1"} << 2 << "from 1 to 200";
        QTest::newRow("program 0") << QStringList{"read-program", "0", "--port", "1"} << 2 << "from 1 to 99";
        QTest::newRow("name the Corvex cannot hold")
            << QStringList{"send-reagent", "3", QString::fromUtf8("snow \u2603"), "--port", "1"} << 2 << "cannot store";
        QTest::newRow("send-reagent without name") << QStringList{"send-reagent", "3", "--port", "1"} << 2 << "Too few arguments.";
    }

    void wrongCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CtlRun run = runCtl(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(m_store));
    }

    void tickOptionIsNotAdvertised()
    {
        const CtlRun run = runCtl({QStringLiteral("read-program"), QStringLiteral("--help")});
        QVERIFY(run.out.contains(QStringLiteral("--port PORT")));
        QVERIFY(!run.out.contains(QStringLiteral("tick")));
    }

    void interruptStopsReadAllAfterTheCurrentReagent()
    {
        // Slow replies, so that Read ALL is still running when Ctrl+C comes.
        QVERIFY2(startSimulator({QStringLiteral("--split"), QStringLiteral("7"), QStringLiteral("--split-delay"), QStringLiteral("3")}),
                 qPrintable(m_sim->errorString()));
        QProcess ctl;
        ctl.start(qEnvironmentVariable("CORVEX_CTL"), onSimulator({QStringLiteral("read-reagents")}));
        ctl.setReadChannel(QProcess::StandardError);
        QByteArray progress;
        while (!progress.contains("Reading all reagents: 10%") && ctl.waitForReadyRead(30'000))
            progress += ctl.readAll();
        ::kill(static_cast<pid_t>(ctl.processId()), SIGINT);
        QVERIFY(ctl.waitForFinished(60'000));
        QCOMPARE(ctl.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ctl.exitCode(), 1);
        progress += ctl.readAllStandardError();
        const QList<QByteArray> lines = ctl.readAllStandardOutput().split('\n');
        const int read = int(lines.size()) - 1;
        QVERIFY2(read >= 20 && read < 200, qPrintable(QString::number(read)));
        QVERIFY2(progress.contains(QStringLiteral("Stopped after Reagent %1; the reagents read have been saved")
                                       .arg(read, 3, 10, QLatin1Char('0')).toLatin1()),
                 progress.constData());
        InstrumentData data;
        QVERIFY(LoadStore(m_store, data));
        QCOMPARE(data.reagents[read], ReagentNameFromLine(lines[read - 1]));
        QCOMPARE(data.reagents[read + 1], QByteArray(NameLength, ' '));
    }

    void asANewUserRunsIt()
    {
        QProcess ctl;
        ctl.start(qEnvironmentVariable("CORVEX_CTL"),
                  {QStringLiteral("--port"), m_sim->devicePath(), QStringLiteral("read-program"), QStringLiteral("1"),
                   QStringLiteral("--store"), m_store});
        QVERIFY(ctl.waitForFinished(60'000));
        QCOMPARE(ctl.exitCode(), 0);
        QVERIFY(ctl.readAllStandardOutput().startsWith("Program01 (\"ROUTINE\") has been read from the Corvex"));
        QVERIFY(ctl.readAllStandardError().endsWith("Reading Program01: 100%\n"));
    }
};

QTEST_GUILESS_MAIN(TestCorvexctlDevice)
#include "test_corvexctl_device.moc"
