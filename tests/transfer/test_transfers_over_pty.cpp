#include "link/MemoryCommands.h"
#include "model/LocalStore.h"
#include "support/FakeMemory.h"
#include "support/SimulatedLink.h"
#include "transfer/DeviceTransfers.h"
#include "transfer/LinkMemory.h"
#include "transfer/MemoryMap.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using Status = TransferOutcome::Status;

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

QByteArray instrumentReagent(int r)
{
    return QStringLiteral("Dev %1").arg(r, 3, 10, QLatin1Char('0')).toLatin1().leftJustified(NameLength, ' ');
}

QByteArray storedReagent(int r)
{
    return QStringLiteral("Old %1").arg(r, 3, 10, QLatin1Char('0')).toLatin1().leftJustified(NameLength, ' ');
}

// The instrument's memory: reagents "Dev 001".., program 1 of the given type.
QByteArray instrumentMemory(qint32 programOneType = TypeEM)
{
    QByteArray memory(SimulatedLink::MemorySize, '\0');
    for (int r = 1; r <= ReagentCount; ++r)
        memory.replace(ReagentAddress(r), NameLength, instrumentReagent(r));
    ProgramRecord program = instrumentProgram(programOneType);
    for (const BlockByte &byte : EncodeProgram(program))
        memory[ProgramAddress(1) + byte.offset] = static_cast<char>(byte.value);
    return memory;
}

QStringList commands(const QString &code, const QList<int> &addresses)
{
    QStringList lines;
    for (const int address : addresses)
        lines << code + QStringLiteral(",%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
    return lines;
}

QStringList reads(const QList<int> &addresses)
{
    return commands(QStringLiteral("25"), addresses);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The transfers as the utility runs them: over the real port against the
// simulator, with the local store in a temporary folder.
class TestTransfersOverPty : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    InstrumentData m_data;
    QString m_store;
    QByteArray m_storeBefore;

    // Data the store starts with: "Old 001".. and program 1 "LOCAL".
    void makeStore()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = m_dir->filePath(QStringLiteral("CORVEX.ini"));
        m_data = InstrumentData();
        for (int r = 1; r <= ReagentCount; ++r)
            m_data.reagents[r] = storedReagent(r);
        for (int p = 1; p <= ProgramCount; ++p)
            m_data.programs[p] = ProgramRecord::Empty();
        m_data.programs[1].Name = "LOCAL        ";
        m_data.programs[99] = instrumentProgram(TypeLM);
        m_data.programs[99].Name = "SEND ME      ";
        QVERIFY(SaveToStore(0, m_store, m_data));
        for (int p : {1, 99})
            QVERIFY(SaveToStore(p, m_store, m_data));
        m_storeBefore = fileBytes(m_store);
    }

    InstrumentData reloadStore() const
    {
        InstrumentData loaded;
        LoadStore(m_store, loaded);
        return loaded;
    }

private Q_SLOTS:
    void init() { makeStore(); }

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
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory(type)), qPrintable(sim.errorString()));
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;

        const TransferOutcome outcome = transfers.ReadProgram(1, observer);
        QCOMPARE(outcome.status, Status::Done);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(sim.finish(), reads(addresses));
        QCOMPARE(observer.steps, int(addresses.size()));
        QCOMPARE(observer.events, progress);

        ProgramRecord expected = instrumentProgram(type);
        if (type == TypeLM) {
            for (int v = 13; v <= VialCount; ++v)
                expected.vial(v) = VialStep::Blank();
        }
        QCOMPARE(m_data.programs[1], expected);
        QCOMPARE(reloadStore().programs[1], expected);
        QCOMPARE(reloadStore().reagents[1], storedReagent(1));
    }

    void sendingProgram99()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory()), qPrintable(sim.errorString()));
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;

        QCOMPARE(transfers.SendProgram(99, observer).status, Status::Done);
        QCOMPARE(observer.events, (QStringList{"max 138", "step"}));
        QCOMPARE(observer.steps, 138);
        const QStringList log = sim.finish();
        QCOMPARE(log.size(), 138);
        QStringList addresses;
        for (const QString &line : log)
            addresses << line.left(7);
        QCOMPARE(addresses, commands(QStringLiteral("26"), AddressRange(0x596C, 0x597C) + QList<int>{0x5A01} + AddressRange(0x597D, 0x59F4)));
        QCOMPARE(log.at(0), QStringLiteral("26,596C,53")); // 'S'
        QCOMPARE(log.at(17), QStringLiteral("26,5A01,00")); // LM

        const QByteArray block = sim.savedMemory().mid(ProgramAddress(99), MemoryMap::ProgramBlockSize);
        QCOMPARE(DecodeProgram(block).Name, QByteArray("SEND ME      "));
        QCOMPARE(block.mid(VialOffset(13), 5), QByteArray::fromHex("0100000000"));
        QCOMPARE(reloadStore().programs[99], m_data.programs[99]);
    }

    void readingOneReagentDoesNotSave()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory()), qPrintable(sim.errorString()));
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);

        QCOMPARE(transfers.ReadReagent(1).status, Status::Done);
        QCOMPARE(transfers.ReadReagent(200).status, Status::Done);
        QCOMPARE(sim.finish(), reads(AddressRange(0x1000, 0x100C) + AddressRange(0x1A1B, 0x1A27)));
        QCOMPARE(m_data.reagents[1], instrumentReagent(1));
        QCOMPARE(m_data.reagents[200], instrumentReagent(200));
        QCOMPARE(fileBytes(m_store), m_storeBefore);
    }

    void sendingAReagentSavesTheList()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory()), qPrintable(sim.errorString()));
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);

        m_data.reagents[7] = "Xylene       ";
        QCOMPARE(transfers.SendReagent(7).status, Status::Done);
        QCOMPARE(sim.finish().size(), 13);
        QCOMPARE(sim.savedMemory().mid(ReagentAddress(7), 13), QByteArray("Xylene       "));
        QCOMPARE(reloadStore().reagents[7], QByteArray("Xylene       "));
    }

    void stopDuringReadAll()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory()), qPrintable(sim.errorString()));
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;
        observer.stopAfterReagent = 57;

        const TransferOutcome outcome = transfers.ReadAllReagents(observer);
        QCOMPARE(outcome.status, Status::Stopped);
        QCOMPARE(outcome.reagentsRead, 57);
        QCOMPARE(sim.finish(), reads(AddressRange(0x1000, ReagentAddress(58) - 1)));
        const InstrumentData stored = reloadStore();
        QCOMPARE(stored.reagents[57], instrumentReagent(57));
        QCOMPARE(stored.reagents[58], storedReagent(58));
        QCOMPARE(stored.reagents[200], storedReagent(200));
    }

    void silentInstrumentLosesNothing_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<int>("answered"); // commands answered before the instrument falls silent
        QTest::addColumn<QString>("message");

        QTest::newRow("read program") << "read program" << 5 << "Program01 could not be read from the Corvex: at address 2005 hex the "
                                                               "Corvex did not answer in 5 attempts.\nProgram01 keeps its previous content.";
        QTest::newRow("read program, type byte") << "read program" << 17 << "address 2095 hex";
        QTest::newRow("send program") << "send program" << 20 << "Program99 on the Corvex may now be incomplete (20 of 138 bytes confirmed)";
        QTest::newRow("read reagent") << "read reagent" << 12 << "Reagent 001 could not be read from the Corvex: at address 100C hex";
        QTest::newRow("send reagent") << "send reagent" << 0 << "Reagent 001 on the Corvex may now be incomplete (0 of 13 bytes confirmed)";
    }

    void silentInstrumentLosesNothing()
    {
        QFETCH(QString, transfer);
        QFETCH(int, answered);
        QFETCH(QString, message);

        SimulatedLink sim;
        QVERIFY2(sim.start({"--silent-after", QString::number(answered)}, instrumentMemory()), qPrintable(sim.errorString()));
        sim.setTickInterval(10ms);
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        const InstrumentData before = m_data;
        RecordingObserver observer;

        TransferOutcome outcome;
        if (transfer == QLatin1String("read program"))
            outcome = transfers.ReadProgram(1, observer);
        else if (transfer == QLatin1String("send program"))
            outcome = transfers.SendProgram(99, observer);
        else if (transfer == QLatin1String("read reagent"))
            outcome = transfers.ReadReagent(1);
        else
            outcome = transfers.SendReagent(1);

        QCOMPARE(outcome.status, Status::DeviceFailed);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_data.programs, before.programs);
        QCOMPARE(m_data.reagents, before.reagents);
        QCOMPARE(fileBytes(m_store), m_storeBefore);
        // The failing byte had all its attempts, and nothing came after it.
        const QStringList log = sim.finish();
        QCOMPARE(log.size(), answered + MemoryAttempts * SerialLink::MaxTicks);
        QCOMPARE(QSet<QString>(log.begin() + answered, log.end()).size(), 1);
    }

    void readAllKeepsAndSavesTheReagentsBeforeAFailure()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({"--silent-after", QString::number(3 * 13 + 2)}, instrumentMemory()), qPrintable(sim.errorString()));
        sim.setTickInterval(10ms);
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;

        const TransferOutcome outcome = transfers.ReadAllReagents(observer);
        QCOMPARE(outcome.status, Status::DeviceFailed);
        QCOMPARE(outcome.reagentsRead, 3);
        QVERIFY2(outcome.message.startsWith(QStringLiteral("Reading all reagents stopped at Reagent 004: at address 1029 hex")),
                 qPrintable(outcome.message));
        QVERIFY2(outcome.message.contains(QStringLiteral("Reagent 001 to Reagent 003 were read and saved")), qPrintable(outcome.message));
        const InstrumentData stored = reloadStore();
        QCOMPARE(stored.reagents[3], instrumentReagent(3));
        QCOMPARE(stored.reagents[4], storedReagent(4));
        QCOMPARE(m_data.reagents[4], storedReagent(4));
        sim.finish();
    }

    void closedPortFailsAtOnce()
    {
        SimulatedLink sim;
        QVERIFY2(sim.start({}, instrumentMemory()), qPrintable(sim.errorString()));
        sim.setTickInterval(1h);
        sim.port->close();
        LinkMemory memory(*sim.link);
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;
        const TransferOutcome outcome = transfers.SendProgram(99, observer);
        QCOMPARE(outcome.status, Status::DeviceFailed);
        QVERIFY2(outcome.message.contains(QStringLiteral("not connected")), qPrintable(outcome.message));
        QVERIFY2(outcome.message.contains(QStringLiteral("Nothing was sent.")), qPrintable(outcome.message));
        QVERIFY(sim.finish().isEmpty());
        QCOMPARE(fileBytes(m_store), m_storeBefore);
    }

    void valuesTheInstrumentCannotHoldAreNotSent()
    {
        FakeMemory memory;
        DeviceTransfers transfers(memory, m_data, m_store);
        m_data.programs[5].Type = TypeEM;
        m_data.programs[5].vial(3).Hrs = 300;
        RecordingObserver observer;
        const TransferOutcome outcome = transfers.SendProgram(5, observer);
        QCOMPARE(outcome.status, Status::Refused);
        QCOMPARE(outcome.message, QStringLiteral("Program05 cannot be sent: the value 300 of Hrs of vial 03 cannot be stored on "
                                                 "the Corvex. Nothing was sent."));
        QVERIFY(memory.writes.isEmpty());
        QCOMPARE(fileBytes(m_store), m_storeBefore);
    }

    void aStoreThatCannotBeWrittenIsReported()
    {
        // A store whose folder is a file can never be written, even by root.
        QFile blocker(m_dir->filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString store = blocker.fileName() + QStringLiteral("/CORVEX.ini");

        FakeMemory memory;
        memory.put(ProgramAddress(1), instrumentMemory().mid(ProgramAddress(1), MemoryMap::ProgramBlockSize));
        DeviceTransfers transfers(memory, m_data, store);
        RecordingObserver observer;
        const TransferOutcome outcome = transfers.ReadProgram(1, observer);
        QCOMPARE(outcome.status, Status::StoreFailed);
        QVERIFY(!outcome.transferred());
        QVERIFY2(outcome.message.startsWith(QStringLiteral("Program01 was read from the Corvex, but the local store could not be saved: ")),
                 qPrintable(outcome.message));
        QCOMPARE(m_data.programs[1], instrumentProgram(TypeEM)); // the table has what was read
    }

    void numbersOutsideTheTablesAreRefused()
    {
        FakeMemory memory;
        DeviceTransfers transfers(memory, m_data, m_store);
        RecordingObserver observer;
        QCOMPARE(transfers.ReadProgram(0, observer).status, Status::Refused);
        QCOMPARE(transfers.SendProgram(100, observer).status, Status::Refused);
        QCOMPARE(transfers.ReadReagent(201).status, Status::Refused);
        QCOMPARE(transfers.SendReagent(-1).message, QStringLiteral("There is no reagent -1."));
        QVERIFY(memory.reads.isEmpty() && memory.writes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTransfersOverPty)
#include "test_transfers_over_pty.moc"
