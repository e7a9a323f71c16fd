#include "DeviceTransfers.h"
#include "LocalStore.h"
#include "MemoryCommands.h"
#include "support/FakeMemory.h"
#include "support/FileFixtures.h"
#include "VerifiedMemory.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace corvex;

using Status = TransferOutcome::Status;

namespace {

// The transfer; the failing address, or the one whose command Stop follows; how that byte fails (None: Stop
// during its command); the status, the memory commands made in all and the reagents read; the message.
struct JobEnd { QString transfer; int at; MemoryFault end; QList<int> ends; QString message; };
// The type of program 1, the addresses read in order and the progress reported.
struct ProgramRead { int type; QList<int> addresses; QStringList progress; };
// A program's type and one vial of it, and the problem found: the field and the vial (empty: none).
struct VialCheck { int type, vial; VialStep step; QString problem; };

constexpr MemoryFault stopWhileRetried = MemoryFault(-1); // no fault: Stop while the byte is being retried

ProgramRecord instrumentProgram(qint32 type)
{
    ProgramRecord program = ProgramRecord::empty();
    program.name = "DEVICE PROG  ";
    program.duration = 321;
    program.type = type;
    for (int v = 1; v <= vialCount; ++v)
        program.vial(v) = VialStep{v + 10, v % 6, v % 2, v % 4, v * 2, v % 5 == 0 ? 0 : 30 + v};
    return program;
}

QByteArray reagentName(const char *prefix, int r)
{
    return (prefix + QByteArray::number(r).rightJustified(3, '0')).leftJustified(nameLength, ' ');
}

// The instrument's memory: reagents "Dev 001".., program 1 of the given type.
QByteArray instrumentMemory(qint32 programOneType)
{
    QByteArray memory(0x10000, '\0');
    for (int r = 1; r <= reagentCount; ++r)
        memory.replace(reagentAddress(r), nameLength, reagentName("Dev ", r));
    memory.replace(programAddress(1), MemoryMap::programBlockSize, programBlock(instrumentProgram(programOneType)));
    return memory;
}

// Program 1 is read, program 99 sent, reagent `reagent` read or sent.
TransferJob *makeJob(DeviceTransfers &transfers, const QString &transfer, int reagent, QObject *parent = nullptr)
{
    return transfer == QLatin1String("read program") ? transfers.readProgram(1, parent)
        : transfer == QLatin1String("send program")  ? transfers.sendProgram(99, parent)
        : transfer == QLatin1String("read reagent")  ? transfers.readReagent(reagent, parent)
        : transfer == QLatin1String("send reagent")  ? transfers.sendReagent(reagent, parent)
                                                     : transfers.readAllReagents(parent);
}

} // namespace

// The byte encoding of programs, and the transfers on an in-process
// instrument memory, with the local store in a temporary folder.
class TestTransfers : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    InstrumentData m_data;
    QString m_store;
    QByteArray m_storeBefore;
    std::unique_ptr<FakeMemory> m_fake;
    TransferLog m_log; // at the per-user path of the test run
    std::unique_ptr<DeviceTransfers> m_transfers; // on m_fake
    std::unique_ptr<JobRecorder> m_recorder;

    // Runs a job to its end, noting what it reports.
    TransferOutcome run(TransferJob *made)
    {
        const std::unique_ptr<TransferJob> job(made);
        return m_recorder->run(*job);
    }

    InstrumentData reloadStore() const
    {
        InstrumentData loaded;
        loadStore(m_store, loaded);
        return loaded;
    }

private Q_SLOTS:
    // The store starts with "Old 001".., program 1 "LOCAL" and program 99 "SEND ME" (LM);
    // the instrument holds "Dev 001".. and an EM program 1.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = m_dir->filePath(QStringLiteral("CORVEX.ini"));
        m_data = InstrumentData();
        for (int r = 1; r <= reagentCount; ++r)
            m_data.reagents[r] = reagentName("Old ", r);
        m_data.programs[1].name = "LOCAL        ";
        m_data.programs[99] = instrumentProgram(typeLm);
        m_data.programs[99].name = "SEND ME      ";
        QVERIFY(saveToStore(0, m_store, m_data) && saveToStore(1, m_store, m_data) && saveToStore(99, m_store, m_data));
        m_storeBefore = readBytes(m_store);
        m_recorder = std::make_unique<JobRecorder>();
        m_fake = std::make_unique<FakeMemory>();
        m_fake->image = instrumentMemory(typeEm);
        m_transfers = std::make_unique<DeviceTransfers>(*m_fake, m_data, m_store, m_log);
    }

    void cleanup()
    {
        m_transfers.reset();
        m_fake.reset();
    }

    void readingProgram1_data()
    {
        QTest::addColumn<ProgramRead>("row");
        const QList<int> nameAndType = addressRange(0x2000, 0x2010) + QList<int>{0x2095};
        QTest::newRow("EM: 138 reads") << ProgramRead{typeEm, nameAndType + addressRange(0x2011, 0x2088), {"max 138", "step"}};
        // The maximum drops once the type byte is in, before that byte's step.
        QTest::newRow("LM: 78 reads") << ProgramRead{typeLm, nameAndType + addressRange(0x2011, 0x204C), {"max 138", "step", "max 78", "step"}};
    }

    void readingProgram1()
    {
        QFETCH(ProgramRead, row);
        const auto &[type, addresses, progress] = row;
        m_fake->image = instrumentMemory(type);
        const TransferOutcome outcome = run(m_transfers->readProgram(1));
        QVERIFY(outcome.status == Status::Done && outcome.message.isEmpty());
        QCOMPARE(m_fake->reads, addresses);
        QCOMPARE(m_recorder->steps, int(addresses.size()));
        QCOMPARE(m_recorder->events, progress);

        ProgramRecord expected = instrumentProgram(type);
        for (int v = 13; type == typeLm && v <= vialCount; ++v)
            expected.vial(v) = VialStep::blank();
        QCOMPARE(m_data.programs[1], expected);
        QCOMPARE(reloadStore().programs[1], expected);
        QCOMPARE(reloadStore().reagents, m_data.reagents); // the reagents' names stay as they were
    }

    // The bytes in the order they go (the name, the type byte, then the rest), and what the instrument keeps.
    void sendingProgram99()
    {
        QCOMPARE(run(m_transfers->sendProgram(99)).status, Status::Done);
        QCOMPARE(m_recorder->events, (QStringList{"max 138", "step"}));
        QCOMPARE(m_recorder->steps, 138);
        QCOMPARE(m_fake->writes, addressRange(0x596C, 0x597C) + QList<int>{0x5A01} + addressRange(0x597D, 0x59F4));
        const QByteArray kept = m_fake->image.mid(programAddress(99), MemoryMap::programBlockSize);
        QCOMPARE(kept.mid(vialOffset(13), 5), QByteArray::fromHex("0100000000")); // LM vials 13..24 go empty
        ProgramRecord expected = m_data.programs[99];
        std::fill(expected.vials.begin() + 12, expected.vials.end(), VialStep::blank());
        QCOMPARE(decodeProgram(kept), expected);
        QCOMPARE(reloadStore().programs[99], m_data.programs[99]);
    }

    void readingReagentsSavesOnlyWhenTheUtilityDoes()
    {
        QCOMPARE(run(m_transfers->readReagent(200)).status, Status::Done);
        QCOMPARE(m_fake->reads, addressRange(0x1A1B, 0x1A27));
        QCOMPARE(m_data.reagents[200], reagentName("Dev ", 200));
        QCOMPARE(readBytes(m_store), m_storeBefore); // reading one reagent saves nothing

        m_data.reagents[7] = "Xylene       ";
        QCOMPARE(run(m_transfers->sendReagent(7)).status, Status::Done);
        QCOMPARE(m_fake->writes, addressRange(0x104E, 0x105A));
        QCOMPARE(m_fake->image.mid(0x104E, nameLength), QByteArray("Xylene       "));
        QCOMPARE(reloadStore().reagents, m_data.reagents); // sending one saves all 200
    }

    // Without a line: what is refused before sending, and a store that cannot be written.
    void refusalsNeedNoInstrument()
    {
        m_data.programs[5] = ProgramRecord::empty();
        m_data.programs[5].vial(3).hrs = 300;
        QCOMPARE(run(m_transfers->sendProgram(5)).message, QStringLiteral("Program05 cannot be sent: the value 300 of Hrs of vial 03 "
                                                                          "cannot be stored on the Corvex. Nothing was sent."));
        for (TransferJob *refused : {m_transfers->readProgram(0), m_transfers->sendProgram(100), m_transfers->readReagent(201), m_transfers->sendReagent(-1)})
            QCOMPARE(run(refused).status, Status::Refused);
        QVERIFY(m_fake->reads.isEmpty() && m_fake->writes.isEmpty());
        QCOMPARE(readBytes(m_store), m_storeBefore);

        // A store whose folder is a file can never be written, even by root.
        QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("not-a-folder")), "x"));
        DeviceTransfers transfers(*m_fake, m_data, m_dir->filePath(QStringLiteral("not-a-folder/CORVEX.ini")), m_log);
        const TransferOutcome outcome = run(transfers.readProgram(1));
        QCOMPARE(outcome.status, Status::StoreFailed);
        QVERIFY(!outcome.transferred());
        QVERIFY(outcome.message.startsWith(QStringLiteral("Program01 was read from the Corvex, but the local store could not be saved: ")));
        QCOMPARE(m_data.programs[1], instrumentProgram(typeEm)); // the table has what was read
    }

    // How each job ends when a byte fails for good: there, announced attempt
    // by attempt, losing nothing; or on Stop: a read at once, saving nothing;
    // a send after the whole program or reagent; Read ALL after the reagent
    // under way, or at once while a byte is being retried. Read ALL keeps
    // (and saves) the reagents read before it ends.
    void howJobsEnd_data()
    {
        QTest::addColumn<JobEnd>("jobEnd");
        const int p1 = programAddress(1), p99 = programAddress(99), r9 = reagentAddress(9), r4 = reagentAddress(4);
        const auto row = [](const char *name, const char *transfer, int at, MemoryFault end, Status status, int commands,
                            int reagentsRead, const QString &message = {}) {
            QTest::newRow(name) << JobEnd{QLatin1String(transfer), at, end, {int(status), commands, reagentsRead}, message};
        };
        const Status failed = Status::DeviceFailed;
        row("read program fails", "read program", p1 + 5, MemoryFault::NoAnswer, failed, 6, 0,
            "Program01 could not be read from the Corvex: at address 2005 hex the Corvex did not answer in 5 attempts.\n"
            "Program01 keeps its previous content.");
        row("send program fails", "send program", p99 + 19, MemoryFault::WrongAnswer, failed, 21, 0,
            "Program99 on the Corvex may now be incomplete (20 of 138 bytes confirmed)");
        row("read reagent fails", "read reagent", r9 + 12, MemoryFault::WrongAnswer, failed, 13, 0,
            "Reagent 009 could not be read from the Corvex: at address 1074 hex the Corvex gave no valid");
        row("send reagent fails", "send reagent", r9, MemoryFault::NoAnswer, failed, 1, 0,
            "Reagent 009 on the Corvex may now be incomplete (0 of 13 bytes confirmed)");
        row("port closed", "send reagent", r9, MemoryFault::NotConnected, failed, 1, 0,
            "at address 1068 hex the Corvex is not connected (the serial port is closed).\nNothing was sent.");
        row("read all fails", "read all", r4 + 2, MemoryFault::NoAnswer, failed, 3 * 13 + 3, 3,
            "Reading all reagents stopped at Reagent 004: at address 1029 hex");
        row("read program", "read program", p1 + 5, MemoryFault::None, Status::Stopped, 6, 0);
        row("send program", "send program", p99 + 5, MemoryFault::None, Status::Done, 138, 0);
        row("read reagent", "read reagent", r9 + 2, MemoryFault::None, Status::Stopped, 3, 0);
        row("send reagent", "send reagent", r9 + 2, MemoryFault::None, Status::Done, 13, 0);
        row("read all", "read all", r4 + 5, MemoryFault::None, Status::Stopped, 4 * 13, 4);
        row("read all, instrument silent", "read all", r4 + 5, stopWhileRetried, Status::Stopped, 3 * 13 + 6, 3);
    }

    void howJobsEnd()
    {
        QFETCH(JobEnd, jobEnd);
        const auto &[transfer, at, end, ends, message] = jobEnd;
        FakeMemory &memory = *m_fake;
        TransferJob *job = makeJob(*m_transfers, transfer, 9, this);
        const bool failing = end != MemoryFault::None && end != stopWhileRetried;
        if (failing) {
            memory.failing = {at};
            memory.fault = end;
        } else if (end == MemoryFault::None) {
            // Stop is clicked while that command is under way.
            memory.onCommand = [job, at = at](int address) {
                if (address == at)
                    QTimer::singleShot(0, job, [job] { job->stop(); });
            };
        } else {
            memory.silentAt = at;
            connect(job, &TransferJob::retrying, job, [job] { job->stop(); });
        }
        const InstrumentData before = m_data;
        const std::unique_ptr<TransferJob> owned(job);
        QSignalSpy finished(job, &TransferJob::finished);
        const TransferOutcome outcome = m_recorder->run(*job);
        job->stop(); // a second click after the end does nothing
        QCoreApplication::processEvents();
        QCOMPARE(finished.size(), 1);
        const QList<int> made = memory.reads + memory.writes;
        QCOMPARE((QList<int>{int(outcome.status), int(made.size()), outcome.reagentsRead}), ends);
        QVERIFY2(message.isEmpty() ? outcome.message.isEmpty() : outcome.message.contains(message), qPrintable(outcome.message));
        if (failing) {
            QCOMPARE(made.constLast(), at);
            QCOMPARE(m_recorder->events.filter(QStringLiteral("retry")),
                     (QStringList{"retry 2 of 5", "retry 3 of 5", "retry 4 of 5", "retry 5 of 5"}));
        }

        const InstrumentData stored = reloadStore();
        if (transfer == QLatin1String("read all")) {
            QCOMPARE(stored.reagents[outcome.reagentsRead], reagentName("Dev ", outcome.reagentsRead));
            QCOMPARE(stored.reagents[outcome.reagentsRead + 1], reagentName("Old ", outcome.reagentsRead + 1));
        } else if (outcome.status != Status::Done) {
            QVERIFY(m_data.programs == before.programs && m_data.reagents == before.reagents);
            QCOMPARE(readBytes(m_store), m_storeBefore);
        } else if (transfer == QLatin1String("send program")) {
            QCOMPARE(memory.image.mid(programAddress(99), nameLength), QByteArray("SEND ME      "));
            QCOMPARE(stored.programs[99], m_data.programs[99]);
        } else {
            QCOMPARE(memory.image.mid(reagentAddress(9), nameLength), reagentName("Old ", 9));
        }
    }

    // Verified reads repeat until two readings agree, verified writes until
    // the byte reads back right; both give up after five.
    void verificationGivesUpAfterFive_data()
    {
        QTest::addColumn<bool>("writing");
        QTest::addColumn<std::function<int(int)>>("read"); // the n-th reading
        QTest::addColumn<QList<int>>("expected");          // fault, readings, writes
        const auto row = [](const char *name, bool writing, std::function<int(int)> read, MemoryFault fault, int readings, int writes) {
            QTest::newRow(name) << writing << read << QList<int>{int(fault), readings, writes};
        };
        row("read, agreeing at once", false, [](int) { return 7; }, MemoryFault::None, 2, 0);
        row("read, agreeing at the fifth", false, [](int n) { return n == 4 ? 3 : n; }, MemoryFault::None, 5, 0);
        row("read, agreeing only with an earlier reading", false, [](int n) { return n % 2; }, MemoryFault::WrongAnswer, 5, 0);
        row("read, never agreeing", false, [](int n) { return n; }, MemoryFault::WrongAnswer, 5, 0);
        row("write, read back right", true, [](int) { return 7; }, MemoryFault::None, 1, 1);
        row("write, right the third time", true, [](int n) { return n < 2 ? 0 : 7; }, MemoryFault::None, 3, 3);
        row("write, never read back right", true, [](int) { return 8; }, MemoryFault::WrongAnswer, 5, 5);
    }

    void verificationGivesUpAfterFive()
    {
        QFETCH(bool, writing);
        QFETCH(std::function<int(int)>, read);
        QFETCH(QList<int>, expected);
        FakeMemory memory;
        memory.readValue = read;
        VerifiedMemory verified(memory);
        std::unique_ptr<MemoryReply> reply(writing ? verified.writeByte(0x1000, 7) : verified.readByte(0x1000));
        QVERIFY(QSignalSpy(reply.get(), &MemoryReply::finished).wait(5000));
        QCOMPARE((QList<int>{int(reply->fault()), int(memory.reads.size()), int(memory.writes.size())}), expected);
    }

    // The byte encoding of programs: the vial's agitation byte holds the
    // pause in bit 7 and the agitation below; durations go most significant
    // byte first.
    void programBytes()
    {
        const auto vial = [](int agit, int pause) { return VialStep{12, agit, pause, 3, 45, 37}; };
        const auto slot = [](int byte) { return std::array<quint8, 5>{12, quint8(byte), 3, 45, 37}; };
        for (const auto &[pause, agit, byte] : {std::array{1, 3, 0x83}, {0, 5, 0x05}, {1, 0, 0x80}}) {
            QCOMPARE(encodeVial(vial(agit, pause)), (std::array<int, 5>{12, byte, 3, 45, 37}));
            QCOMPARE(decodeVial(slot(byte).data()), vial(agit, pause));
        }

        for (const int minutes : {0x12345678, int(0x80000001u)}) {
            const auto bytes = encodeDuration(minutes);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes.data()), 4).toHex(), QByteArray::number(quint32(minutes), 16).rightJustified(8, '0'));
            QCOMPARE(decodeDuration(bytes.data()), minutes);
        }
        ProgramRecord em = instrumentProgram(typeEm);
        em.name = QByteArray("AB\0 \xE9XYZ     ", 13);
        QCOMPARE(decodeProgram(programBlock(em)), em); // the name keeps its zero byte
    }

    void encodingProblems_data()
    {
        QTest::addColumn<VialCheck>("row");
        QTest::newRow("ordinary vial") << VialCheck{typeEm, 3, {200, 5, 1, 99, 59, 60}, ""};
        QTest::newRow("negative temperature") << VialCheck{typeEm, 24, {2, 0, 0, 0, 0, -1}, "Temp 24"};
        QTest::newRow("reagent 256") << VialCheck{typeEm, 1, {256, 0, 0, 0, 0, 0}, "Reagent 1"};
        QTest::newRow("pause -1") << VialCheck{typeEm, 2, {2, 0, -1, 0, 0, 0}, "Pause 2"};
        QTest::newRow("reagent 0") << VialCheck{typeEm, 3, {0, 0, 0, 0, 0, 0}, "Reagent 3"};
        QTest::newRow("minutes 60") << VialCheck{typeEm, 1, {2, 0, 0, 0, 60, 0}, "Min 1"};
        QTest::newRow("temperature 3") << VialCheck{typeEm, 1, {2, 0, 0, 0, 0, 3}, "Temp 1"};
        QTest::newRow("agitation 6") << VialCheck{typeEm, 1, {2, 6, 0, 0, 0, 0}, "Agit 1"};
        QTest::newRow("LM vial 20 is sent empty anyway") << VialCheck{typeLm, 20, {2, 0, 0, 300, 0, 0}, ""};
        QTest::newRow("LM vial 12 is sent") << VialCheck{typeLm, 12, {2, 0, 0, 300, 0, 0}, "Hrs 12"};
    }

    void encodingProblems()
    {
        QFETCH(VialCheck, row);
        const auto &[type, vial, step, problem] = row;
        ProgramRecord program = ProgramRecord::empty();
        program.type = type;
        program.vial(vial) = step;
        const auto found = findEncodingProblem(program);
        QCOMPARE(found ? QStringLiteral("%1 %2").arg(QLatin1String(found->field)).arg(found->vial) : QString(), problem);
    }
};

QTEST_GUILESS_MAIN(TestTransfers)
#include "test_transfers.moc"
