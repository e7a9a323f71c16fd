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
    return block;
}

} // namespace

// The transfers over an in-memory image: where they stop, and what they keep.
class TestTransferSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
