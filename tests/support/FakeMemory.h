#pragma once

#include "transfer/MemoryAccess.h"
#include "transfer/MemoryMap.h"
#include "transfer/TransferObserver.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>

// The instrument's memory as a plain 64 KiB image: records every address
// read or written, and fails on request at chosen addresses.
class FakeMemory : public MemoryAccess
{
public:
    QByteArray image = QByteArray(0x10000, '\0');
    QList<int> reads;
    QList<int> writes;
    QSet<int> failing;
    MemoryFault fault = MemoryFault::NoAnswer;

    MemoryByte readByte(int address) override
    {
        reads << address;
        if (failing.contains(address))
            return {0, fault};
        return {static_cast<quint8>(image[address]), MemoryFault::None};
    }

    MemoryFault writeByte(int address, quint8 value) override
    {
        writes << address;
        if (failing.contains(address))
            return fault;
        image[address] = static_cast<char>(value);
        return MemoryFault::None;
    }

    void put(int address, const QByteArray &bytes) { image.replace(address, bytes.size(), bytes); }
};

// Writes down what a transfer reports, e.g. "max 138", "step", "reagent 3";
// asks to stop after a chosen reagent.
class RecordingObserver : public TransferObserver
{
public:
    QStringList events;
    int steps = 0;
    int stopAfterReagent = 0;

    void setMaximum(int maximum) override { events << QStringLiteral("max %1").arg(maximum); }
    void stepDone() override
    {
        ++steps;
        if (events.isEmpty() || events.constLast() != QLatin1String("step"))
            events << QStringLiteral("step");
    }
    void reagentDone(int reagent) override { events << QStringLiteral("reagent %1").arg(reagent); }
    bool stopRequested() override
    {
        return stopAfterReagent > 0 && events.constLast() == QStringLiteral("reagent %1").arg(stopAfterReagent);
    }
};

// The 150-byte block of a program as the instrument keeps it.
inline QByteArray ProgramBlock(const ProgramRecord &program)
{
    QByteArray block(MemoryMap::ProgramBlockSize, '\0');
    for (const BlockByte &byte : EncodeProgram(program))
        block[byte.offset] = static_cast<char>(byte.value);
    return block;
}

// Addresses first..last, in order.
inline QList<int> AddressRange(int first, int last)
{
    QList<int> addresses;
    for (int address = first; address <= last; ++address)
        addresses << address;
    return addresses;
}
