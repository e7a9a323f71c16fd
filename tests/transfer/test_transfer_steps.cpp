#include "support/FakeMemory.h"
#include "transfer/MemoryMap.h"
#include "transfer/TransferSteps.h"

#include <QTest>

namespace {

QByteArray programBlock(qint32 type)
{
    ProgramRecord program = ProgramRecord::Empty();
    program.Name = "ROUTINE      ";
    program.Duration = 754;
    program.Type = type;
    for (int v = 1; v <= VialCount; ++v)
        program.vial(v) = VialStep{v + 1, 3, v == 11 ? 1 : 0, 1, v, 37};
    QByteArray block(MemoryMap::ProgramBlockSize, '\0');
    for (const BlockByte &byte : EncodeProgram(program))
        block[byte.offset] = static_cast<char>(byte.value);
    if (type == TypeLM) {
        // What lies in an LM program's unused vials on the instrument is never read.
        for (int offset = VialOffset(13); offset < VialOffset(25); ++offset)
            block[offset] = char(0x77);
    }
    return block;
}

} // namespace

// The transfers over an in-memory image: address order, progress, stops.
class TestTransferSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingAnEmProgram()
    {
        FakeMemory memory;
        memory.put(0x2000, programBlock(TypeEM));
        RecordingObserver observer;
        ProgramRecord program;
        const StepResult result = ReadProgramBytes(memory, 1, observer, program);
        QVERIFY(result.ok());
        QCOMPARE(result.bytesMoved, 138);
        QCOMPARE(memory.reads, AddressRange(0x2000, 0x2010) + QList<int>{0x2095} + AddressRange(0x2011, 0x2088));
        QCOMPARE(observer.events, (QStringList{"max 138", "step"}));
        QCOMPARE(observer.steps, 138);
        QCOMPARE(program, DecodeProgram(programBlock(TypeEM)));
        QCOMPARE(program.vial(11).Pause, 1);
    }

    void readingAnLmProgramStopsAfterVial12()
    {
        FakeMemory memory;
        memory.put(0x2000, programBlock(TypeLM));
        RecordingObserver observer;
        ProgramRecord program;
        QVERIFY(ReadProgramBytes(memory, 1, observer, program).ok());
        QCOMPARE(memory.reads, AddressRange(0x2000, 0x2010) + QList<int>{0x2095} + AddressRange(0x2011, 0x204C));
        // The maximum drops once the type byte is in, before that byte's step.
        QCOMPARE(observer.events, (QStringList{"max 138", "step", "max 78", "step"}));
        QCOMPARE(observer.steps, 78);
        QCOMPARE(program.Type, TypeLM);
        QCOMPARE(program.vial(13), VialStep::Blank());
        QCOMPARE(program.vial(12).Reagent, 13);
    }

    void aReadThatFailsStopsAndLeavesTheProgramAlone_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<int>("moved");
        QTest::newRow("first byte") << 0x2000 << 0;
        QTest::newRow("a name byte") << 0x2005 << 5;
        QTest::newRow("type byte") << 0x2095 << 17;
        QTest::newRow("last vial byte") << 0x2088 << 137;
    }

    void aReadThatFailsStopsAndLeavesTheProgramAlone()
    {
        QFETCH(int, failing);
        QFETCH(int, moved);
        FakeMemory memory;
        memory.put(0x2000, programBlock(TypeEM));
        memory.failing = {failing};
        RecordingObserver observer;
        ProgramRecord program = ProgramRecord::Empty();
        const StepResult result = ReadProgramBytes(memory, 1, observer, program);
        QCOMPARE(result.fault, MemoryFault::NoAnswer);
        QCOMPARE(result.failedAddress, failing);
        QCOMPARE(result.bytesMoved, moved);
        QCOMPARE(memory.reads.constLast(), failing);
        QCOMPARE(observer.steps, moved);
        QCOMPARE(program, ProgramRecord::Empty());
    }

    void sendingProgram99()
    {
        FakeMemory memory;
        ProgramRecord program = DecodeProgram(programBlock(TypeLM));
        program.vial(20) = VialStep{9, 9, 1, 9, 9, 9}; // not sent: LM
        RecordingObserver observer;
        const StepResult result = SendProgramBytes(memory, 99, program, observer);
        QVERIFY(result.ok());
        QCOMPARE(memory.writes, AddressRange(0x596C, 0x597C) + QList<int>{0x5A01} + AddressRange(0x597D, 0x59F4));
        QCOMPARE(observer.events, (QStringList{"max 138", "step"}));
        QCOMPARE(observer.steps, 138);
        const QByteArray block = memory.image.mid(0x596C, MemoryMap::ProgramBlockSize);
        QCOMPARE(block.mid(VialOffset(20), 5), QByteArray::fromHex("0100000000"));
        QCOMPARE(block.mid(137, 12), QByteArray(12, '\0')); // never touched
        QCOMPARE(DecodeProgram(block), DecodeProgram(programBlock(TypeLM)));
    }

    void aSendThatFailsStopsThere()
    {
        FakeMemory memory;
        memory.failing = {0x2095};
        memory.fault = MemoryFault::WrongAnswer;
        RecordingObserver observer;
        const StepResult result = SendProgramBytes(memory, 1, DecodeProgram(programBlock(TypeEM)), observer);
        QCOMPARE(result.fault, MemoryFault::WrongAnswer);
        QCOMPARE(result.failedAddress, 0x2095);
        QCOMPARE(result.bytesMoved, 17);
        QCOMPARE(memory.writes.size(), 18);
    }

    void reagentAddresses_data()
    {
        QTest::addColumn<int>("reagent");
        QTest::addColumn<int>("first");
        QTest::newRow("1") << 1 << 0x1000;
        QTest::newRow("200") << 200 << 0x1A1B;
    }

    void reagentAddresses()
    {
        QFETCH(int, reagent);
        QFETCH(int, first);
        FakeMemory memory;
        memory.put(first, QByteArray("Xylene\0\xFF     ", 13));
        QByteArray name;
        QVERIFY(ReadReagentBytes(memory, reagent, name).ok());
        QCOMPARE(name, QByteArray("Xylene\0\xFF     ", 13));
        QCOMPARE(memory.reads, AddressRange(first, first + 12));

        QVERIFY(SendReagentBytes(memory, reagent, "Ethanol 70%  ").ok());
        QCOMPARE(memory.writes, AddressRange(first, first + 12));
        QCOMPARE(memory.image.mid(first, 13), QByteArray("Ethanol 70%  "));
    }

    void readAllStopsAfterTheReagentDuringWhichStopWasAsked()
    {
        FakeMemory memory;
        for (int r = 1; r <= ReagentCount; ++r)
            memory.put(ReagentAddress(r), QByteArray::number(r).leftJustified(13, '*'));
        ReagentTable reagents;
        RecordingObserver observer;
        observer.stopAfterReagent = 57;
        const ReadAllResult result = ReadAllReagentBytes(memory, reagents, observer);
        QVERIFY(result.stopped);
        QVERIFY(result.step.ok());
        QCOMPARE(result.reagentsRead, 57);
        QCOMPARE(memory.reads.size(), 57 * 13);
        QCOMPARE(observer.events.constFirst(), QStringLiteral("max 200"));
        QCOMPARE(observer.events.constLast(), QStringLiteral("reagent 57"));
        QCOMPARE(reagents[57], QByteArray("57***********"));
        QCOMPARE(reagents[58], QByteArray(13, ' '));
    }

    void readAllKeepsWhatWasReadBeforeAFailure()
    {
        FakeMemory memory;
        for (int r = 1; r <= ReagentCount; ++r)
            memory.put(ReagentAddress(r), QByteArray::number(r).leftJustified(13, '*'));
        memory.failing = {ReagentAddress(58) + 4};
        ReagentTable reagents;
        reagents[58] = "old 58       ";
        RecordingObserver observer;
        const ReadAllResult result = ReadAllReagentBytes(memory, reagents, observer);
        QVERIFY(!result.stopped);
        QCOMPARE(result.step.failedAddress, ReagentAddress(58) + 4);
        QCOMPARE(result.reagentsRead, 57);
        QCOMPARE(reagents[57], QByteArray("57***********"));
        QCOMPARE(reagents[58], QByteArray("old 58       "));
        QCOMPARE(observer.events.constLast(), QStringLiteral("reagent 57"));
    }

    void readAllReadsEveryReagentWhenNotStopped()
    {
        FakeMemory memory;
        ReagentTable reagents;
        RecordingObserver observer;
        observer.stopAfterReagent = 200; // a stop after the last changes nothing
        const ReadAllResult result = ReadAllReagentBytes(memory, reagents, observer);
        QCOMPARE(result.reagentsRead, 200);
        QVERIFY(!result.stopped);
        QCOMPARE(memory.reads, AddressRange(0x1000, 0x1A27));
        QCOMPARE(reagents[200], QByteArray(13, '\0'));
    }
};

QTEST_GUILESS_MAIN(TestTransferSteps)
#include "test_transfer_steps.moc"
