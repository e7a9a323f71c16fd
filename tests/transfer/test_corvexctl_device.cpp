#include "BackupFile.h"
#include "LocalStore.h"
#include "PortTable.h"
#include "ProgramFile.h"
#include "support/CtlRun.h"
#include "support/FileFixtures.h"
#include "support/InstrumentImage.h"
#include "support/PseudoTerminal.h"
#include "support/SimulatorProcess.h"
#include "support/TestFolder.h"
#include "TransferLogReader.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <csignal>

using namespace corvex;

// A command line ("<backup>" and "<store>" stand for the files), the address the instrument is silent from, what the tool says.
struct SilentRun { QStringList arguments; QString silentFrom, message; };
// What is done to a good backup (a key of Program01 given `value`, a section removed, ...), and what the restore says.
struct Damage { QString damage; QByteArray value; QString reason; };
// The device commands of corvexctl, backup, restore, compare and the transfer
// log, against corvex-sim on a pseudo-terminal.
class TestCorvexctlDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<SimulatorProcess> m_sim;

    QString path(const QString &name) const { return m_folder->path(name); }
    QStringList store() const { return {"--store", m_folder->store}; }
    // Where the instrument is silent on purpose; a busy machine may then make the link repeat a command now and then.
    static inline const QStringList shortTick{"--tick-ms", "10"};

    // The simulator with `options`, on its demonstration data or on the memory `image`.
    void start(const QStringList &options = {}, const QByteArray &image = {})
    {
        const QString memory = path(QStringLiteral("memory-%1.bin").arg(QDateTime::currentMSecsSinceEpoch()));
        QVERIFY(image.isEmpty() || writeBytes(memory, image));
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start(options + (image.isEmpty() ? QStringList{"--demo"} : QStringList{"--memory", memory})),
                 qPrintable(m_sim->errorString()));
    }

    // A command on the simulator's line, with further `options`.
    CtlRun onSim(const QStringList &arguments, const QStringList &options = {}) const
    {
        return runCtl(arguments + options << QStringLiteral("--port") << m_sim->devicePath());
    }

    // Runs the tool as its own process and sends it Ctrl+C (or `signal`) once `underWay` is on its standard error.
    static CtlRun interrupted(const QStringList &arguments, const QByteArray &underWay, int signal = SIGINT)
    {
        QProcess ctl;
        ctl.start(ctlProgram(), arguments);
        ctl.setReadChannel(QProcess::StandardError);
        QByteArray err;
        while (!err.contains(underWay) && ctl.waitForReadyRead(30'000))
            err += ctl.readAll();
        if (ctl.processId() > 0) // never 0: that would signal this test's own process group
            ::kill(static_cast<pid_t>(ctl.processId()), signal);
        const bool ended = ctl.waitForFinished(60'000) && ctl.exitStatus() == QProcess::NormalExit;
        return {ended ? ctl.exitCode() : -1, QString::fromUtf8(ctl.readAllStandardOutput()),
                QString::fromUtf8(err + ctl.readAllStandardError())};
    }

    static InstrumentData loaded(const QString &file)
    {
        InstrumentData data;
        loadStore(file, data);
        return data;
    }

    // True when the store or backup `file` holds exactly `data`.
    static bool holds(const QString &file, const InstrumentData &data)
    {
        return loaded(file).programs == data.programs && loaded(file).reagents == data.reagents;
    }

private Q_SLOTS:
    void init() { m_folder = std::make_unique<TestFolder>(); }
    void cleanup() { m_sim.reset(); }

    // One run of each device command: what it prints, and its exit code.
    void commandsPrintWhatTheyDid()
    {
        start();
        QCOMPARE(onSim({"identify"}, store()).out, QStringLiteral("A Corvex (4178-305) answers on %1.\n").arg(m_sim->devicePath()));

        CtlRun run = onSim({"read-program", "2"}, store());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Program02 (\"BIOPSY\") has been read from the Corvex and saved to \"%1\".\n").arg(m_folder->store));
        QVERIFY(run.err.endsWith(QStringLiteral("Reading Program02: 100%\n")));
        QCOMPARE(loaded(m_folder->store).programs[2].name, QByteArray("BIOPSY       "));

        run = onSim({"send-reagent", "30", "Paraffin extra hot"}, store());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("The name is cut to its first 13 characters.\n"));
        QCOMPARE(loaded(m_folder->store).reagents[30], QByteArray("Paraffin extr"));

    }

    void portsByNumberAndStoredPort()
    {
        start();
        setPortDeviceOverride(4, m_sim->devicePath());
        QCOMPARE(runCtl({"identify", "--port", "4"}).exitCode, 0);
        QVERIFY(!storedCommPort());

        storeCommPort(4);
        QCOMPARE(runCtl({"read-reagent", "2"}).out, QStringLiteral("Reagent 002: \"Formalin 10% \"\n"));
        QCOMPARE(storedCommPort(), std::optional<int>(4));
    }

    void deviceThatIsNoCorvexIsNamed()
    {
        PseudoTerminal other("?1F1,4178-306\r\n");
        const CtlRun run = runCtl({"identify", "--port", other.path(), "--tick-ms", "50"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("A device on %1 answered \"?1F1,4178-306\", which is not a Corvex 4178-305.\n").arg(other.path()));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<ToolRun>("row");
        QTest::newRow("port 0") << ToolRun{{"identify", "--port", "0"}, 2, "The port must be a number from 1 to 16"};
        QTest::newRow("no such device") << ToolRun{{"identify", "--port", "/nonexistent/tty"}, 1, "Cannot open /nonexistent/tty"};
        QTest::newRow("send without a store") << ToolRun{{"send-program", "1", "--port", "/nonexistent/tty", "--store", "MISSING"}, 1, "There is no store"};
        QTest::newRow("reagent 201") << ToolRun{{"read-reagent", "201", "--port", "1"}, 2, "from 1 to 200"};
        QTest::newRow("name the Corvex cannot hold") << ToolRun{{"send-reagent", "3", QString::fromUtf8("snow \u2603"), "--port", "1"}, 2, "cannot store"};
        QTest::newRow("a line break in a name") << ToolRun{{"send-reagent", "3", "Eth\nanol", "--port", "1"}, 2, "cannot store"};
    }

    void wrongCommandLines()
    {
        QFETCH(ToolRun, row);
        auto [arguments, exitCode, message] = row;
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^MISSING$")), m_folder->store); // a store that is not there
        const CtlRun run = runCtl(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty() && !QFile::exists(m_folder->store));
    }

    void backupReadsWhatIsUsedAndRestoresEqual()
    {
        const InstrumentData truth = twelveProgramData();
        start({}, instrumentImage(truth));
        const QString backup = path(QStringLiteral("backup.ini")), again = path(QStringLiteral("again.ini"));
        CtlRun run = onSim({"backup", backup});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.endsWith(QStringLiteral("Backup: 5,147 of 5,147 bytes\n")), qPrintable(run.err));
        const QStringList reads = m_sim->stop().filter(QRegularExpression(QStringLiteral("^25,")));
        QCOMPARE(QSet<QString>(reads.begin(), reads.end()).size(), 5147);
        QVERIFY(holds(backup, truth));
        const std::optional<BackupInfo> info = readBackupInfo(backup);
        QVERIFY(info && info->identification == QStringLiteral("4178-305") && info->port == m_sim->devicePath());

        // Onto a blank instrument, and back again.
        start({}, QByteArray(0x10000, '\0'));
        QCOMPARE(onSim({"restore", backup}, store() + shortTick).exitCode, 0);
        QVERIFY(holds(m_folder->store, truth));
        QCOMPARE(onSim({"backup", again}, shortTick).exitCode, 0);
        QVERIFY(holds(again, truth));
        QCOMPARE(onSim({"diff", "instrument", m_folder->store}, shortTick).exitCode, 0);

        QStringList results;
        for (const TransferLogLine &line : readTransferLog(transferLogPath()).lines)
            results << line.entry.operation + QLatin1Char(' ') + line.entry.result + QLatin1Char(' ') + line.entry.fingerprint;
        // The comparison reads the instrument as a backup does; the content is the same throughout.
        const QString backedUp = results.value(0);
        QVERIFY(backedUp.startsWith(QStringLiteral("backup done ")));
        QCOMPARE(results, (QStringList{backedUp, QStringLiteral("restore done ") + backedUp.section(QLatin1Char(' '), 2), backedUp, backedUp}));
    }

    void diffSaysWhatDiffers_data()
    {
        QTest::addColumn<ToolRun>("row");
        QTest::newRow("different") << ToolRun{{"a.ini", "b.ini"}, 1, "Program05 V02Min: 25 -> 26\nReagent 200: \"Reagent 200\" -> \"Formalin\"\n"};
        QTest::newRow("program file, no number") << ToolRun{{"p.txt", "a.ini"}, 2, ""};
    }

    void diffSaysWhatDiffers()
    {
        QFETCH(ToolRun, row);
        auto [arguments, exitCode, out] = row;
        const InstrumentData data = twelveProgramData();
        InstrumentData changed = data;
        changed.programs[5].vial(2).min += 1;
        changed.reagents[200] = "Formalin     ";
        QVERIFY(writeBackupFile(path(QStringLiteral("a.ini")), data, {}) && writeBackupFile(path(QStringLiteral("b.ini")), changed, {})
                && exportProgram(8, path(QStringLiteral("p.txt")), data));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^(.+\\..+)$")), path(QStringLiteral("\\1")));
        const CtlRun run = runCtl(QStringList{QStringLiteral("diff")} + arguments);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
    }

    // A damaged backup, or a store that cannot be written: refused with the
    // reason, nothing written to the instrument, the store as it was.
    void restoreSendsOnlyAWholeBackup_data()
    {
        QTest::addColumn<Damage>("row");
        QTest::newRow("fragment") << Damage{"fragment", "", "[Reagents] is missing\n[Program01] is missing\n[Program02] is "
                                                            "missing\n[Program03] is missing\n[Program04] is missing\n... and 95 more."};
        QTest::newRow("cut short") << Damage{"cut", "", "[Program33] V24Reagent is missing, and 5 more keys of the section\n"
                                                        "[Program34] is missing"};
        QTest::newRow("cut in the last line") << Damage{"last line", "", "[Program99] V24Temp=0: is the last line and has no line break"};
        QTest::newRow("no reagents") << Damage{"[Reagents]", "", "[Reagents] is missing\n"};
        QTest::newRow("no program") << Damage{"[Program05]", "", "[Program05] is missing\n"};
        QTest::newRow("letter O") << Damage{"V01Hrs", "1O", "[Program01] V01Hrs=1O: is not a number"};
        QTest::newRow("empty") << Damage{"V01Min", "", "V01Min=: is not a number"};
        QTest::newRow("hexadecimal") << Damage{"V02Agit", "0x10", "V02Agit=0x10: is not a number"};
        QTest::newRow("beyond 32 bits") << Damage{"Duration", "99999999999999999999", "is not a number"};
        QTest::newRow("type XX") << Damage{"Type", "XX", "Type=XX: must be LM or EM"};
        QTest::newRow("reagent 250") << Damage{"V01Reagent", "250", "V01Reagent=250: must be 1 to 200"};
        QTest::newRow("minutes 99") << Damage{"V01Min", "99", "V01Min=99: must be 0 to 59"};
        QTest::newRow("duration -5") << Damage{"Duration", "-5", "Duration=-5: must be 0 or more"};
        QTest::newRow("read-only store") << Damage{"read-only", "", "is read-only"};
    }

    void restoreSendsOnlyAWholeBackup()
    {
        QFETCH(Damage, row);
        const auto &[damage, value, reason] = row;
        const QString backup = path(QStringLiteral("backup.ini"));
        QVERIFY(writeBackupFile(backup, twelveProgramData(), {}));
        QByteArray text = readBytes(backup);
        if (damage == QLatin1String("fragment")) {
            text = "[Program07]\r\nName=Only\r\nType=LM\r\nDuration=5\r\n";
        } else if (damage == QLatin1String("cut")) {
            text.truncate(60'000);
        } else if (damage == QLatin1String("last line")) {
            text.chop(2);
        } else if (damage.startsWith(QLatin1Char('['))) {
            const qsizetype start = text.indexOf(damage.toLatin1());
            text.remove(start, text.indexOf("\r\n[", start) + 2 - start);
        } else if (damage != QLatin1String("read-only")) {
            const QByteArray key = "\n" + damage.toLatin1() + '=';
            const qsizetype start = text.indexOf(key, text.indexOf("[Program01]")) + key.size();
            text.replace(start, text.indexOf('\r', start) - start, value);
        }
        QVERIFY(writeBytes(backup, text));
        QVERIFY(writeBackupFile(m_folder->store, fullSampleData(), {}));
        const QByteArray storeBefore = readBytes(m_folder->store);
        if (damage == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(m_folder->store, QFile::ReadOwner));

        start();
        const CtlRun run = onSim({"restore", backup}, store() + shortTick);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(reason) && run.out.isEmpty(), qPrintable(run.err));
        QCOMPARE(m_sim->stop().filter(QRegularExpression(QStringLiteral("^26,"))), QStringList());
        QCOMPARE(readBytes(m_folder->store), storeBefore);
    }

    // A silent instrument: the command says where it stopped and leaves no file.
    void failuresSayWhereAndLeaveNothing_data()
    {
        QTest::addColumn<SilentRun>("row");
        QTest::newRow("backup") << SilentRun{{"backup", "<backup>"}, "2278", "The backup stopped at Program05: at address 2278 hex the Corvex did not answer in 5 "
                                   "attempts.\nNo backup file was written.\n"};
        QTest::newRow("restore") << SilentRun{{"restore", "<backup>", "--store", "<store>"}, "2143", "Restoring stopped at Program03: at address 2143 hex the Corvex did not answer in 5 attempts.\n"
                                    "Program03 on the Corvex may now be incomplete (24 of 138 bytes confirmed); restore it again "
                                    "when the Corvex answers. Program01 to Program02 were sent. Program04 to Program99 and Reagent "
                                    "001 to Reagent 200 were not sent.\nThe local store was not changed.\n"};
    }

    void failuresSayWhereAndLeaveNothing()
    {
        QFETCH(SilentRun, row);
        auto [arguments, silentFrom, message] = row;
        const InstrumentData truth = twelveProgramData();
        const QString backup = path(QStringLiteral("backup.ini"));
        const bool restoring = arguments[0] == QLatin1String("restore");
        QVERIFY(!restoring || writeBackupFile(backup, truth, {}));
        start({QStringLiteral("--silent-from"), silentFrom}, instrumentImage(truth));
        arguments.replaceInStrings(QStringLiteral("<backup>"), backup).replaceInStrings(QStringLiteral("<store>"), m_folder->store);
        const CtlRun run = onSim(arguments, shortTick);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(m_folder->store) && QFile::exists(backup) == restoring);
        QCOMPARE(readTransferLog(transferLogPath()).lines.constLast().entry.result, QStringLiteral("failed"));
    }

    // Ctrl+C ends Read ALL keeping the reagents read (here 20, the instrument
    // silent from reagent 21 on), and a backup without a file.
    void ctrlCStopsWhereNothingIsLost()
    {
        start({QStringLiteral("--silent-from"), QString::number(reagentAddress(21), 16)}, instrumentImage(twelveProgramData()));
        // Options before the command, as a new user might give them; at this tick the five attempts at
        // reagent 21 take 6 s, far longer than the signal's way.
        CtlRun run = interrupted({"--port", m_sim->devicePath(), "--tick-ms", "200", "--store", m_folder->store, "read-reagents"},
                                 "Reading all reagents: 10%");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.count(QLatin1Char('\n')), 20);
        QVERIFY2(run.err.contains(QStringLiteral("Stopped after Reagent 020; the reagents read have been saved")), qPrintable(run.err));
        const InstrumentData stored = loaded(m_folder->store);
        QVERIFY(stored.reagents[20] == nameForStorage("Reagent 20") && stored.reagents[21] == QByteArray(nameLength, ' '));
        const TransferLogEntry logged = readTransferLog(transferLogPath()).lines.constLast().entry;
        QVERIFY(logged.covered == QStringLiteral("Reagent 001-020") && !logged.message.isEmpty());

        start({QStringLiteral("--wire-timing")}); // minutes for a backup
        const QString backup = path(QStringLiteral("backup.ini"));
        run = interrupted({"backup", backup, "--port", m_sim->devicePath()}, "Backup: ");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("The backup was stopped at ")), qPrintable(run.err));
        QVERIFY(!QFile::exists(backup));
    }

    // SIGTERM and SIGHUP end a restore after the program under way and a
    // backup without a file, said and logged as Ctrl+C.
    void endSignalsStopLikeCtrlC_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("signal");
        for (const QString &command : {QStringLiteral("backup"), QStringLiteral("restore")}) {
            QTest::addRow("%s, TERM", qPrintable(command)) << command << SIGTERM;
            QTest::addRow("%s, HUP", qPrintable(command)) << command << SIGHUP;
        }
    }

    void endSignalsStopLikeCtrlC()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        const QString backup = path(QStringLiteral("backup.ini"));
        const bool restoring = command == QLatin1String("restore");
        QVERIFY(!restoring || writeBackupFile(backup, twelveProgramData(), {}));
        start({QStringLiteral("--wire-timing")});
        const QStringList store = restoring ? QStringList{"--store", m_folder->store} : QStringList{};
        const CtlRun run = interrupted(QStringList{command, backup, "--port", m_sim->devicePath()} + store,
                                       restoring ? "Restore: " : "Backup: ", signal);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral(" received: stopping.\n")) && run.err.contains(QStringLiteral("stopped")),
                 qPrintable(run.err));
        QCOMPARE(QFile::exists(backup), restoring);
        const TransferLogEntry logged = readTransferLog(transferLogPath()).lines.constLast().entry;
        QCOMPARE(logged.operation + QLatin1Char(' ') + logged.result, command + QStringLiteral(" stopped"));
    }

    // With every k-th reply altered, a verified backup is exact or fails
    // with a message and no file; never a wrong value. Only consecutive
    // readings agreeing count, so every 2nd fails and every 3rd succeeds.
    void verifiedBackupOverACorruptingLine_data()
    {
        QTest::addColumn<int>("every");
        for (const int every : {2, 3, 7})
            QTest::addRow("every %d", every) << every;
    }

    void verifiedBackupOverACorruptingLine()
    {
        QFETCH(int, every);
        const InstrumentData truth = twelveProgramData();
        start({QStringLiteral("--corrupt-every"), QString::number(every)}, instrumentImage(truth));
        const QString backup = path(QStringLiteral("backup.ini"));
        const CtlRun run = onSim({"backup", backup, "--verify"}, shortTick);
        QVERIFY2(every == 2 ? run.exitCode == 1 && run.err.contains(QStringLiteral("No backup file was written.")) && !QFile::exists(backup)
                            : run.exitCode == 0 && holds(backup, truth),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCorvexctlDevice)
#include "test_corvexctl_device.moc"
