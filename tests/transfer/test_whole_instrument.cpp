// Backup, restore, compare and the transfer log through corvexctl, against
// corvex-sim on a pseudo-terminal.
#include "model/BackupFile.h"
#include "model/LocalStore.h"
#include "model/ProgramFile.h"
#include "model/TransferLogReader.h"
#include "support/CtlRun.h"
#include "support/FileFixtures.h"
#include "support/InstrumentImage.h"
#include "support/SimulatorProcess.h"
#include "support/TestEnvironment.h"
#include "transfer/VerifiedMemory.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace {

// A memory whose reads give `read(n)` for the n-th reading (from 0) and
// whose writes are all confirmed.
class ScriptedMemory : public MemoryAccess
{
public:
    explicit ScriptedMemory(std::function<int(int)> read)
        : m_read(std::move(read))
    {
    }
    MemoryReply *readByte(int) override { return answered(m_read(readings++)); }
    MemoryReply *writeByte(int, quint8 value) override
    {
        ++writes;
        return answered(value);
    }
    int readings = 0;
    int writes = 0;

private:
    static MemoryReply *answered(int value)
    {
        auto *reply = new MemoryReply;
        reply->finish(MemoryFault::None, value, 1);
        return reply;
    }
    std::function<int(int)> m_read;
};

} // namespace

class TestWholeInstrument : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<SimulatorProcess> m_sim;

    QString path(const QString &name) const { return m_folders->path() + QLatin1Char('/') + name; }

    // The simulator on a memory image holding `data` (all zero when null).
    void startSimulator(const InstrumentData *data, const QStringList &options = {})
    {
        const QString memory = path(QStringLiteral("memory-%1.bin").arg(QDateTime::currentMSecsSinceEpoch()));
        QVERIFY(WriteBytes(memory, data ? InstrumentImage(*data) : QByteArray(0x10000, '\0')));
        m_sim = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_sim->start(QStringList{QStringLiteral("--memory"), memory} + options), qPrintable(m_sim->errorString()));
    }

    // With a short tick where the instrument is silent on purpose; a busy
    // machine may then make the link repeat a command now and then.
    CtlRun onSimulator(QStringList arguments, bool shortTick = true) const
    {
        arguments << QStringLiteral("--port") << m_sim->devicePath();
        if (shortTick)
            arguments << QStringLiteral("--tick-ms") << QStringLiteral("10");
        return RunCtl(arguments);
    }

    // True when the store or backup `file` holds exactly `data`.
    static bool holds(const QString &file, const InstrumentData &data)
    {
        InstrumentData loaded;
        return LoadStore(file, loaded) && loaded.programs == data.programs && loaded.reagents == data.reagents;
    }

private Q_SLOTS:
    void init() { m_folders = std::make_unique<IsolatedUserFolders>(); }
    void cleanup()
    {
        m_sim.reset();
        m_folders.reset();
    }

    void backupReadsWhatIsUsedAndRestoresEqual()
    {
        const InstrumentData truth = TwelveProgramData();
        startSimulator(&truth);
        const QString backup = path(QStringLiteral("backup.ini"));
        CtlRun run = onSimulator({QStringLiteral("backup"), backup}, false);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.endsWith(QStringLiteral("Backup: 5,147 of 5,147 bytes\n")), qPrintable(run.err));
        const QStringList reads = m_sim->stop().filter(QRegularExpression(QStringLiteral("^25,")));
        QCOMPARE(QSet<QString>(reads.begin(), reads.end()).size(), 5147);
        QVERIFY(holds(backup, truth));
        const std::optional<BackupInfo> info = ReadBackupInfo(backup);
        QVERIFY(info && info->identification == QStringLiteral("4178-305") && info->port == m_sim->devicePath());

        // Onto a blank instrument, and back again.
        startSimulator(nullptr);
        const QString store = path(QStringLiteral("CORVEX.ini"));
        run = onSimulator({QStringLiteral("restore"), backup, QStringLiteral("--store"), store});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(holds(store, truth));
        const QString again = path(QStringLiteral("again.ini"));
        QCOMPARE(onSimulator({QStringLiteral("backup"), again}).exitCode, 0);
        run = RunCtl({QStringLiteral("diff"), backup, again});
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(onSimulator({QStringLiteral("diff"), QStringLiteral("instrument"), store}).exitCode, 0);

        QStringList results;
        for (const TransferLogLine &line : ReadTransferLog(TransferLogPath()).lines)
            results << line.entry.operation + QLatin1Char(' ') + line.entry.result + QLatin1Char(' ') + line.entry.fingerprint;
        QCOMPARE(results.size(), 4); // the comparison reads the instrument as a backup does
        QCOMPARE(results[0], results[2]); // the same content backed up twice
        QCOMPARE(results[3], results[0]);
        QVERIFY(results[0].startsWith(QStringLiteral("backup done ")));
        QCOMPARE(results[1], QStringLiteral("restore done ") + results[0].section(QLatin1Char(' '), 2));
    }

    void diffSaysWhatDiffers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        const QString a = QStringLiteral("a.ini"), b = QStringLiteral("b.ini"), p = QStringLiteral("p.txt");
        QTest::newRow("equal") << QStringList{a, a} << 0 << QString();
        QTest::newRow("different") << QStringList{a, b} << 1
                                   << QStringLiteral("Program05 V02Min: 25 -> 26\nProgram70: \"Program 70\" -> (empty)\n"
                                                     "Reagent 200: \"Reagent 200\" -> \"Formalin\"\n");
        QTest::newRow("one program") << QStringList{a, b, QStringLiteral("--program"), QStringLiteral("5")} << 1
                                     << QStringLiteral("Program05 V02Min: 25 -> 26\n");
        QTest::newRow("program file") << QStringList{p, a, QStringLiteral("--program"), QStringLiteral("8")} << 0 << QString();
        QTest::newRow("program file, no number") << QStringList{p, a} << 2 << QString();
        QTest::newRow("missing file") << QStringList{a, QStringLiteral("missing.ini")} << 2 << QString();
        QTest::newRow("one side") << QStringList{a} << 2 << QString();
        QTest::newRow("bad number") << QStringList{a, b, QStringLiteral("--program"), QStringLiteral("100")} << 2 << QString();
    }

    void diffSaysWhatDiffers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const InstrumentData data = TwelveProgramData();
        InstrumentData changed = data;
        changed.programs[5].vial(2).Min += 1;
        changed.programs[70] = ProgramRecord::Empty();
        changed.reagents[200] = "Formalin     ";
        QVERIFY(WriteBackupFile(path(QStringLiteral("a.ini")), data, {}));
        QVERIFY(WriteBackupFile(path(QStringLiteral("b.ini")), changed, {}));
        QVERIFY(ExportProgram(8, path(QStringLiteral("p.txt")), data));
        for (QString &argument : arguments) {
            if (argument.contains(QLatin1Char('.')))
                argument = path(argument);
        }
        const CtlRun run = RunCtl(QStringList{QStringLiteral("diff")} + arguments);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
    }

    void failuresSayWhereAndLeaveNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("silentFrom");
        QTest::addColumn<QString>("message");
        QTest::newRow("backup") << QStringLiteral("backup") << QStringLiteral("2278")
                                << QStringLiteral("The backup stopped at Program05: at address 2278 hex the Corvex did "
                                                  "not answer in 5 attempts.\nNo backup file was written.\n");
        QTest::newRow("restore") << QStringLiteral("restore") << QStringLiteral("2143")
                                 << QStringLiteral("Restoring stopped at Program03: at address 2143 hex the Corvex did not "
                                                   "answer in 5 attempts.\nProgram03 on the Corvex may now be incomplete (24 "
                                                   "of 138 bytes confirmed); restore it again when the Corvex answers. "
                                                   "Program01 to Program02 were sent. Program04 to Program99 and Reagent 001 "
                                                   "to Reagent 200 were not sent.\nThe local store was not changed.\n");
    }

    void failuresSayWhereAndLeaveNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, silentFrom);
        QFETCH(QString, message);
        const InstrumentData truth = TwelveProgramData();
        const QString backup = path(QStringLiteral("backup.ini"));
        const QString store = path(QStringLiteral("CORVEX.ini"));
        if (command == QLatin1String("restore"))
            QVERIFY(WriteBackupFile(backup, truth, {}));
        startSimulator(&truth, {QStringLiteral("--silent-from"), silentFrom});
        QStringList arguments{command, backup};
        if (command == QLatin1String("restore"))
            arguments << QStringLiteral("--store") << store;
        const CtlRun run = onSimulator(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(message), qPrintable(run.err));
        QCOMPARE(QFile::exists(command == QLatin1String("backup") ? backup : store), false);
        QCOMPARE(ReadTransferLog(TransferLogPath()).lines.constLast().entry.result, LogResult::Failed);
    }

    void verificationGivesUpAfterFive_data()
    {
        QTest::addColumn<bool>("writing");
        QTest::addColumn<std::function<int(int)>>("read");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("writes");
        using Read = std::function<int(int)>;
        QTest::newRow("read, agreeing at once") << false << Read([](int) { return 7; }) << int(MemoryFault::None) << 2 << 0;
        QTest::newRow("read, agreeing at the fifth") << false << Read([](int n) { return n == 4 ? 1 : n; })
                                                     << int(MemoryFault::None) << 5 << 0;
        QTest::newRow("read, never agreeing") << false << Read([](int n) { return n; }) << int(MemoryFault::WrongAnswer) << 5 << 0;
        QTest::newRow("write, read back right") << true << Read([](int) { return 7; }) << int(MemoryFault::None) << 1 << 1;
        QTest::newRow("write, right the third time") << true << Read([](int n) { return n < 2 ? 0 : 7; })
                                                     << int(MemoryFault::None) << 3 << 3;
        QTest::newRow("write, never read back right") << true << Read([](int) { return 8; })
                                                      << int(MemoryFault::WrongAnswer) << 5 << 5;
    }

    void verificationGivesUpAfterFive()
    {
        QFETCH(bool, writing);
        QFETCH(std::function<int(int)>, read);
        QFETCH(int, fault);
        QFETCH(int, readings);
        QFETCH(int, writes);
        ScriptedMemory memory(read);
        VerifiedMemory verified(memory);
        std::unique_ptr<MemoryReply> reply(writing ? verified.writeByte(0x1000, 7) : verified.readByte(0x1000));
        QSignalSpy finished(reply.get(), &MemoryReply::finished);
        QVERIFY(finished.wait(5000));
        QCOMPARE(int(reply->fault()), fault);
        QCOMPARE(memory.readings, readings);
        QCOMPARE(memory.writes, writes);
    }

    void ctrlCEndsABackupWithoutAFile()
    {
        const InstrumentData truth = TwelveProgramData();
        startSimulator(&truth, {QStringLiteral("--wire-timing")});
        const QString backup = path(QStringLiteral("backup.ini"));
        QProcess tool;
        tool.start(qEnvironmentVariable("CORVEX_CTL"), {QStringLiteral("backup"), backup, QStringLiteral("--port"), m_sim->devicePath()});
        QVERIFY(tool.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += tool.readAllStandardError()).contains("Backup: "), 30000);
        ::kill(pid_t(tool.processId()), SIGINT);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY2(tool.readAllStandardError().contains("The backup was stopped at Program"), err.constData());
        QVERIFY(!QFile::exists(backup));
    }

    void verifiedBackupOverACorruptingLine()
    {
        const InstrumentData truth = TwelveProgramData();
        startSimulator(&truth, {QStringLiteral("--corrupt-every"), QStringLiteral("7")});
        const QString backup = path(QStringLiteral("backup.ini"));
        QCOMPARE(onSimulator({QStringLiteral("backup"), backup, QStringLiteral("--verify")}).exitCode, 0);
        QVERIFY(holds(backup, truth));
    }
};

QTEST_GUILESS_MAIN(TestWholeInstrument)
#include "test_whole_instrument.moc"
