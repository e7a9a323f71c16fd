#include "link/MemoryCommands.h"
#include "model/LocalStore.h"
#include "support/FakeMemory.h"
#include "support/FileFixtures.h"
#include "support/SimulatedLink.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using Status = TransferOutcome::Status;

Q_DECLARE_METATYPE(Status)
Q_DECLARE_METATYPE(MemoryFault)

namespace {

ProgramRecord instrumentProgram(qint32 type)
{
    ProgramRecord program = ProgramRecord::Empty();
    program.Name = "DEVICE PROG  ";
    program.Duration = 321;
    program.Type = type;
    for (int v = 1; v <= VialCount; ++v)
        program.vial(v) = VialStep{v + 10, v % 6, v % 2, v % 4, v * 2, v % 5 == 0 ? 0 : 30 + v};
    return program;
}

QByteArray reagentName(const char *prefix, int r)
{
    return (prefix + QByteArray::number(r).rightJustified(3, '0')).leftJustified(NameLength, ' ');
}

// The instrument's memory: reagents "Dev 001".., program 1 of the given type.
QByteArray instrumentMemory(qint32 programOneType)
{
    QByteArray memory(SimulatedLink::MemorySize, '\0');
    for (int r = 1; r <= ReagentCount; ++r)
        memory.replace(ReagentAddress(r), NameLength, reagentName("Dev ", r));
    memory.replace(ProgramAddress(1), MemoryMap::ProgramBlockSize, ProgramBlock(instrumentProgram(programOneType)));
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

QStringList commands(const QString &code, const QList<int> &addresses)
{
    QStringList lines;
    for (const int address : addresses)
        lines << code + QStringLiteral(",%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
    return lines;
}

} // namespace

// The transfers on an in-process instrument memory, and once over the real
// port against the simulator, with the local store in a temporary folder.
class TestTransfersOverPty : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    InstrumentData m_data;
    QString m_store;
    QByteArray m_storeBefore;
    std::unique_ptr<FakeMemory> m_fake;
    std::unique_ptr<SimulatedLink> m_sim;
    std::unique_ptr<LinkMemory> m_memory;
    std::unique_ptr<DeviceTransfers> m_transfers; // on m_fake unless the simulator runs
    std::unique_ptr<JobRecorder> m_recorder;

    // Runs a job to its end, noting what it reports.
    TransferOutcome run(TransferJob *made)
    {
        const std::unique_ptr<TransferJob> job(made);
        m_recorder->watch(*job);
        return JobRecorder::run(*job);
    }

    InstrumentData reloadStore() const
    {
        InstrumentData loaded;
        LoadStore(m_store, loaded);
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
        for (int r = 1; r <= ReagentCount; ++r)
            m_data.reagents[r] = reagentName("Old ", r);
        m_data.programs[1].Name = "LOCAL        ";
        m_data.programs[99] = instrumentProgram(TypeLM);
        m_data.programs[99].Name = "SEND ME      ";
        QVERIFY(SaveToStore(0, m_store, m_data) && SaveToStore(1, m_store, m_data) && SaveToStore(99, m_store, m_data));
        m_storeBefore = ReadBytes(m_store);
        m_recorder = std::make_unique<JobRecorder>();
        m_fake = std::make_unique<FakeMemory>();
        m_fake->image = instrumentMemory(TypeEM);
        m_transfers = std::make_unique<DeviceTransfers>(*m_fake, m_data, m_store);
    }

    void cleanup()
    {
        m_transfers.reset();
        m_memory.reset();
        m_sim.reset();
        m_fake.reset();
    }

    void readingProgram1_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("addresses");
        QTest::addColumn<QStringList>("progress");
        QTest::newRow("EM: 138 reads") << TypeEM << AddressRange(0x2000, 0x2010) + QList<int>{0x2095} + AddressRange(0x2011, 0x2088)
                                       << QStringList{"max 138", "step"};
        // The maximum drops once the type byte is in, before that byte's step.
        QTest::newRow("LM: 78 reads") << TypeLM << AddressRange(0x2000, 0x2010) + QList<int>{0x2095} + AddressRange(0x2011, 0x204C)
                                      << QStringList{"max 138", "step", "max 78", "step"};
    }

    void readingProgram1()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, addresses);
        QFETCH(QStringList, progress);

        m_fake->image = instrumentMemory(type);
        const TransferOutcome outcome = run(m_transfers->readProgram(1));
        QCOMPARE(outcome.status, Status::Done);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(m_fake->reads, addresses);
        QCOMPARE(m_recorder->steps, int(addresses.size()));
        QCOMPARE(m_recorder->events, progress);

        ProgramRecord expected = instrumentProgram(type);
        for (int v = 13; type == TypeLM && v <= VialCount; ++v)
            expected.vial(v) = VialStep::Blank();
        QCOMPARE(m_data.programs[1], expected);
        const InstrumentData stored = reloadStore();
        QCOMPARE(stored.programs[1], expected);
        QCOMPARE(stored.reagents[1], reagentName("Old ", 1));
    }

    // Over the real port: the bytes in the order they go, and what the instrument keeps.
    void sendingProgram99()
    {
        m_sim = std::make_unique<SimulatedLink>();
        QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
        m_memory = std::make_unique<LinkMemory>(*m_sim->link);
        m_transfers = std::make_unique<DeviceTransfers>(*m_memory, m_data, m_store);
        QCOMPARE(run(m_transfers->sendProgram(99)).status, Status::Done);
        QCOMPARE(m_recorder->events, (QStringList{"max 138", "step"}));
        QCOMPARE(m_recorder->steps, 138);
        const QStringList log = m_sim->finish();
        QStringList addresses;
        for (const QString &line : log)
            addresses << line.left(7);
        QCOMPARE(addresses, commands(QStringLiteral("26"), AddressRange(0x596C, 0x597C) + QList<int>{0x5A01} + AddressRange(0x597D, 0x59F4)));
        QCOMPARE(log.at(0), QStringLiteral("26,596C,53")); // 'S'
        QCOMPARE(log.at(17), QStringLiteral("26,5A01,00")); // LM

        const QByteArray block = m_sim->savedMemory().mid(ProgramAddress(99), MemoryMap::ProgramBlockSize);
        QCOMPARE(DecodeProgram(block).Name, QByteArray("SEND ME      "));
        QCOMPARE(block.mid(VialOffset(13), 5), QByteArray::fromHex("0100000000"));
        QCOMPARE(reloadStore().programs[99], m_data.programs[99]);
    }

    void readingReagentsSavesOnlyWhenTheUtilityDoes()
    {
        QCOMPARE(run(m_transfers->readReagent(200)).status, Status::Done);
        QCOMPARE(m_fake->reads, AddressRange(0x1A1B, 0x1A27));
        QCOMPARE(m_data.reagents[200], reagentName("Dev ", 200));
        QCOMPARE(ReadBytes(m_store), m_storeBefore); // reading one reagent saves nothing

        m_data.reagents[7] = "Xylene       ";
        QCOMPARE(run(m_transfers->sendReagent(7)).status, Status::Done);
        QCOMPARE(m_fake->writes, AddressRange(0x104E, 0x105A));
        QCOMPARE(m_fake->image.mid(0x104E, NameLength), QByteArray("Xylene       "));
        const InstrumentData stored = reloadStore(); // sending one saves all 200
        QCOMPARE(stored.reagents[7], QByteArray("Xylene       "));
        QCOMPARE(stored.reagents[200], reagentName("Dev ", 200));
    }

    // A failing byte ends every job there, announced attempt by attempt; only
    // Read ALL keeps (and saves) the reagents read before it.
    void failureLosesNothing_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<int>("failing"); // the address that is never answered
        QTest::addColumn<MemoryFault>("fault");
        QTest::addColumn<int>("answered"); // commands answered before it
        QTest::addColumn<QString>("message");

        QTest::newRow("read program") << "read program" << 0x2005 << MemoryFault::NoAnswer << 5
                                      << "Program01 could not be read from the Corvex: at address 2005 hex the Corvex did not "
                                         "answer in 5 attempts.\nProgram01 keeps its previous content.";
        QTest::newRow("read program, type byte") << "read program" << 0x2095 << MemoryFault::NoAnswer << 17 << "address 2095 hex";
        QTest::newRow("send program") << "send program" << 0x597F << MemoryFault::WrongAnswer << 20
                                      << "Program99 on the Corvex may now be incomplete (20 of 138 bytes confirmed)";
        QTest::newRow("read reagent") << "read reagent" << 0x100C << MemoryFault::WrongAnswer << 12
                                      << "Reagent 001 could not be read from the Corvex: at address 100C hex the Corvex gave no valid";
        QTest::newRow("send reagent") << "send reagent" << 0x1000 << MemoryFault::NoAnswer << 0
                                      << "Reagent 001 on the Corvex may now be incomplete (0 of 13 bytes confirmed)";
        QTest::newRow("port closed") << "send reagent" << 0x1000 << MemoryFault::NotConnected << 0
                                     << "at address 1000 hex the Corvex is not connected (the serial port is closed).\nNothing was sent.";
        QTest::newRow("read all") << "read all" << 0x1029 << MemoryFault::NoAnswer << 3 * 13 + 2
                                  << "Reading all reagents stopped at Reagent 004: at address 1029 hex";
    }

    void failureLosesNothing()
    {
        QFETCH(QString, transfer);
        QFETCH(int, failing);
        QFETCH(MemoryFault, fault);
        QFETCH(int, answered);
        QFETCH(QString, message);

        m_fake->failing = {failing};
        m_fake->fault = fault;
        const InstrumentData before = m_data;
        const TransferOutcome outcome = run(makeJob(*m_transfers, transfer, 1));

        QCOMPARE(outcome.status, Status::DeviceFailed);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_recorder->events.filter(QStringLiteral("retry")), (QStringList{"retry 2 of 5", "retry 3 of 5", "retry 4 of 5", "retry 5 of 5"}));
        const QList<int> made = m_fake->reads + m_fake->writes;
        QCOMPARE(made.size(), answered + 1);
        QCOMPARE(made.constLast(), failing);
        if (transfer != QLatin1String("read all")) {
            QCOMPARE(m_data.programs, before.programs);
            QCOMPARE(m_data.reagents, before.reagents);
            QCOMPARE(ReadBytes(m_store), m_storeBefore);
            return;
        }
        QVERIFY2(outcome.message.contains(QStringLiteral("Reagent 001 to Reagent 003 were read and saved")), qPrintable(outcome.message));
        QCOMPARE(outcome.reagentsRead, 3);
        const InstrumentData stored = reloadStore();
        QCOMPARE(stored.reagents[3], reagentName("Dev ", 3));
        QCOMPARE(stored.reagents[4], reagentName("Old ", 4));
    }

    // Without a line: what is refused before sending, and a store that cannot be written.
    void refusalsNeedNoInstrument()
    {
        DeviceTransfers &transfers = *m_transfers;
        m_data.programs[5].vial(3).Hrs = 300;
        const TransferOutcome outcome = run(transfers.sendProgram(5));
        QCOMPARE(outcome.status, Status::Refused);
        QCOMPARE(outcome.message, QStringLiteral("Program05 cannot be sent: the value 300 of Hrs of vial 03 cannot be stored on "
                                                 "the Corvex. Nothing was sent."));
        QCOMPARE(run(transfers.readProgram(0)).status, Status::Refused);
        QCOMPARE(run(transfers.sendProgram(100)).status, Status::Refused);
        QCOMPARE(run(transfers.readReagent(201)).status, Status::Refused);
        QCOMPARE(run(transfers.sendReagent(-1)).message, QStringLiteral("There is no reagent -1."));
        QVERIFY(m_fake->reads.isEmpty() && m_fake->writes.isEmpty());
        QCOMPARE(ReadBytes(m_store), m_storeBefore);
    }

    void aStoreThatCannotBeWrittenIsReported()
    {
        // A store whose folder is a file can never be written, even by root.
        QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("not-a-folder")), "x"));
        DeviceTransfers transfers(*m_fake, m_data, m_dir->filePath(QStringLiteral("not-a-folder/CORVEX.ini")));
        const TransferOutcome outcome = run(transfers.readProgram(1));
        QCOMPARE(outcome.status, Status::StoreFailed);
        QVERIFY(!outcome.transferred());
        QVERIFY2(outcome.message.startsWith(QStringLiteral("Program01 was read from the Corvex, but the local store could not be saved: ")),
                 qPrintable(outcome.message));
        QCOMPARE(m_data.programs[1], instrumentProgram(TypeEM)); // the table has what was read
    }

    void readAllReadsEveryReagentInOrder()
    {
        m_fake->image.fill('\0');
        TransferJob *job = m_transfers->readAllReagents(this);
        connect(job, &TransferJob::reagentDone, job, [job](int reagent) {
            if (reagent == ReagentCount)
                job->stop(); // a stop after the last changes nothing
        });
        const TransferOutcome outcome = run(job);
        QCOMPARE(outcome.status, Status::Done);
        QCOMPARE(outcome.reagentsRead, 200);
        QCOMPARE(m_fake->reads, AddressRange(0x1000, 0x1A27));
        QCOMPARE(m_data.reagents[200], QByteArray(NameLength, '\0'));
        QCOMPARE(reloadStore().reagents[200], QByteArray(NameLength, ' ')); // blank memory, blank names
    }

    // How Stop ends each job: a read at once, saving nothing; a send after the
    // whole program or reagent; Read ALL after the reagent under way, or at
    // once while a byte is being retried, keeping what it read.
    void stopRules_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<int>("stopAt");   // address whose command the Stop click follows
        QTest::addColumn<bool>("silent");  // the instrument stops answering there
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("commands"); // memory commands made in all
        QTest::addColumn<int>("reagentsRead");

        const int programOne = ProgramAddress(1);
        const int programNinetyNine = ProgramAddress(99);
        QTest::newRow("read program") << "read program" << programOne + 5 << false << Status::Stopped << 6 << 0;
        QTest::newRow("send program") << "send program" << programNinetyNine + 5 << false << Status::Done << 138 << 0;
        QTest::newRow("read reagent") << "read reagent" << ReagentAddress(9) + 2 << false << Status::Stopped << 3 << 0;
        QTest::newRow("send reagent") << "send reagent" << ReagentAddress(9) + 2 << false << Status::Done << 13 << 0;
        QTest::newRow("read all") << "read all" << ReagentAddress(4) + 5 << false << Status::Stopped << 4 * 13 << 4;
        QTest::newRow("read all, instrument silent") << "read all" << ReagentAddress(4) + 5 << true << Status::Stopped << 3 * 13 + 6 << 3;
    }

    void stopRules()
    {
        QFETCH(QString, transfer);
        QFETCH(int, stopAt);
        QFETCH(bool, silent);
        QFETCH(Status, status);
        QFETCH(int, commands);
        QFETCH(int, reagentsRead);

        FakeMemory &memory = *m_fake;
        TransferJob *job = makeJob(*m_transfers, transfer, 9, this);
        if (silent) {
            memory.silentAt = stopAt;
            connect(job, &TransferJob::retrying, job, [job] { job->stop(); });
        } else {
            // Stop is clicked while that command is under way.
            memory.onCommand = [job, stopAt](int address) {
                if (address == stopAt)
                    QTimer::singleShot(0, job, [job] { job->stop(); });
            };
        }
        const std::unique_ptr<TransferJob> owned(job);
        QSignalSpy finished(job, &TransferJob::finished);
        const TransferOutcome outcome = JobRecorder::run(*job);
        job->stop(); // a second click after the end does nothing
        QTest::qWait(20);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(outcome.status, status);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(int(memory.reads.size() + memory.writes.size()), commands);
        QCOMPARE(outcome.reagentsRead, reagentsRead);

        const InstrumentData stored = reloadStore();
        if (transfer == QLatin1String("read program") || transfer == QLatin1String("read reagent")) {
            QCOMPARE(m_data.programs[1].Name, QByteArray("LOCAL        "));
            QCOMPARE(m_data.reagents[9], reagentName("Old ", 9));
            QCOMPARE(ReadBytes(m_store), m_storeBefore);
        } else if (transfer == QLatin1String("send program")) {
            QCOMPARE(DecodeProgram(memory.image.mid(ProgramAddress(99), MemoryMap::ProgramBlockSize)).Name, QByteArray("SEND ME      "));
            QCOMPARE(stored.programs[99], m_data.programs[99]);
        } else if (transfer == QLatin1String("send reagent")) {
            QCOMPARE(memory.image.mid(ReagentAddress(9), NameLength), reagentName("Old ", 9));
        } else {
            QCOMPARE(stored.reagents[reagentsRead], reagentName("Dev ", reagentsRead));
            QCOMPARE(stored.reagents[reagentsRead + 1], reagentName("Old ", reagentsRead + 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestTransfersOverPty)
#include "test_transfers_over_pty.moc"
