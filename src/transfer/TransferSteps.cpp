#include "transfer/TransferSteps.h"

#include "transfer/MemoryMap.h"

using namespace MemoryMap;

StepResult ReadProgramBytes(MemoryAccess &memory, int number, TransferObserver &observer, ProgramRecord &program)
{
    StepResult result;
    const int base = ProgramAddress(number);
    QByteArray block(ProgramBlockSize, '\0');
    observer.setMaximum(ProgramTransferBytes);

    // The type decides how many vials follow; it is read before them.
    std::vector<int> offsets = ProgramReadOffsets(TypeEM);
    for (size_t i = 0; i < offsets.size(); ++i) {
        const int offset = offsets[i];
        const MemoryByte byte = memory.readByte(base + offset);
        if (!byte.ok())
            return {byte.fault, base + offset, result.bytesMoved};
        block[offset] = static_cast<char>(byte.value);
        ++result.bytesMoved;
        if (offset == TypeOffset && byte.value == TypeLM) {
            offsets = ProgramReadOffsets(TypeLM);
            observer.setMaximum(LmProgramReadBytes);
        }
        observer.stepDone();
    }
    program = DecodeProgram(block);
    return result;
}

StepResult SendProgramBytes(MemoryAccess &memory, int number, const ProgramRecord &program, TransferObserver &observer)
{
    StepResult result;
    const int base = ProgramAddress(number);
    observer.setMaximum(ProgramTransferBytes);
    for (const BlockByte &byte : EncodeProgram(program)) {
        const MemoryFault fault = memory.writeByte(base + byte.offset, static_cast<quint8>(byte.value));
        if (fault != MemoryFault::None)
            return {fault, base + byte.offset, result.bytesMoved};
        ++result.bytesMoved;
        observer.stepDone();
    }
    return result;
}

StepResult ReadReagentBytes(MemoryAccess &memory, int reagent, QByteArray &name)
{
    StepResult result;
    const int base = ReagentAddress(reagent);
    QByteArray bytes;
    bytes.reserve(ReagentEntrySize);
    for (int i = 0; i < ReagentEntrySize; ++i) {
        const MemoryByte byte = memory.readByte(base + i);
        if (!byte.ok())
            return {byte.fault, base + i, result.bytesMoved};
        bytes.append(static_cast<char>(byte.value));
        ++result.bytesMoved;
    }
    name = bytes;
    return result;
}

StepResult SendReagentBytes(MemoryAccess &memory, int reagent, const QByteArray &name)
{
    StepResult result;
    const int base = ReagentAddress(reagent);
    const QByteArray bytes = name.leftJustified(ReagentEntrySize, ' ', true);
    for (int i = 0; i < ReagentEntrySize; ++i) {
        const MemoryFault fault = memory.writeByte(base + i, static_cast<quint8>(bytes[i]));
        if (fault != MemoryFault::None)
            return {fault, base + i, result.bytesMoved};
        ++result.bytesMoved;
    }
    return result;
}

ReadAllResult ReadAllReagentBytes(MemoryAccess &memory, ReagentTable &reagents, TransferObserver &observer)
{
    ReadAllResult result;
    observer.setMaximum(ReagentCount);
    for (int r = 1; r <= ReagentCount; ++r) {
        QByteArray name;
        const StepResult step = ReadReagentBytes(memory, r, name);
        result.step.bytesMoved += step.bytesMoved;
        if (!step.ok()) {
            result.step.fault = step.fault;
            result.step.failedAddress = step.failedAddress;
            return result;
        }
        reagents[r] = name;
        result.reagentsRead = r;
        observer.reagentDone(r);
        if (observer.stopRequested()) {
            result.stopped = r < ReagentCount;
            return result;
        }
    }
    return result;
}
