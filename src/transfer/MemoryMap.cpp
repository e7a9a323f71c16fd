#include "MemoryMap.h"

#include "HexFormat.h"

namespace corvex {

using namespace MemoryMap;

namespace {
constexpr int pauseBit = 0x80;
constexpr int agitMask = 0x0F;

bool sentAsEmpty(const ProgramRecord &program, int vial)
{
    return program.isLM() && vial > lmVialCount;
}
} // namespace

int reagentAddress(int reagent)
{
    return reagentBase + reagentEntrySize * (reagent - 1);
}

int programAddress(int program)
{
    return programBase + programBlockSize * (program - 1);
}

int vialOffset(int vial)
{
    return vialsOffset + vialSlotSize * (vial - 1);
}

std::array<int, vialSlotSize> encodeVial(const VialStep &vial)
{
    return {vial.reagent, vial.pause * pauseBit + vial.agit, vial.hrs, vial.min, vial.temp};
}

VialStep decodeVial(const quint8 *slot)
{
    VialStep vial;
    vial.reagent = slot[0];
    vial.agit = slot[1] & agitMask;
    vial.pause = (slot[1] & pauseBit) ? 1 : 0;
    vial.hrs = slot[2];
    vial.min = slot[3];
    vial.temp = slot[4];
    return vial;
}

std::array<quint8, durationSize> encodeDuration(qint32 minutes)
{
    // Eight hexadecimal digits cut into four pairs, most significant first.
    const QByteArray digits = hexDigits(minutes, 8);
    std::array<quint8, durationSize> bytes{};
    for (int i = 0; i < durationSize; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<quint8>(digits.mid(2 * i, 2).toUInt(nullptr, 16));
    return bytes;
}

qint32 decodeDuration(const quint8 *bytes)
{
    quint32 value = 0;
    for (int i = 0; i < durationSize; ++i)
        value = (value << 8) | bytes[i];
    return static_cast<qint32>(value);
}

std::vector<BlockByte> encodeProgram(const ProgramRecord &program)
{
    std::vector<BlockByte> bytes;
    bytes.reserve(programTransferBytes);
    const QByteArray name = program.name.leftJustified(nameLength, ' ', true);
    for (int i = 0; i < nameLength; ++i)
        bytes.push_back({nameOffset + i, static_cast<quint8>(name[i])});
    const auto duration = encodeDuration(program.duration);
    for (int i = 0; i < durationSize; ++i)
        bytes.push_back({durationOffset + i, duration[static_cast<size_t>(i)]});
    bytes.push_back({typeOffset, program.type});
    for (int v = 1; v <= vialCount; ++v) {
        const auto slot = encodeVial(sentAsEmpty(program, v) ? VialStep::blank() : program.vial(v));
        for (int i = 0; i < vialSlotSize; ++i)
            bytes.push_back({vialOffset(v) + i, slot[static_cast<size_t>(i)]});
    }
    return bytes;
}

std::vector<int> programReadOffsets(qint32 type)
{
    std::vector<int> offsets;
    offsets.reserve(programTransferBytes);
    for (int i = 0; i < nameLength + durationSize; ++i)
        offsets.push_back(nameOffset + i);
    offsets.push_back(typeOffset);
    const int vials = type == typeLm ? lmVialCount : vialCount;
    for (int i = 0; i < vials * vialSlotSize; ++i)
        offsets.push_back(vialsOffset + i);
    return offsets;
}

int dropUnreadVials(std::vector<int> &offsets, int offset, int value)
{
    if (offset != typeOffset || value != typeLm)
        return 0;
    const int firstUnread = vialOffset(lmVialCount + 1);
    const int vialsEnd = vialsOffset + vialCount * vialSlotSize;
    return int(std::erase_if(offsets, [&](int o) { return o >= firstUnread && o < vialsEnd; }));
}

ProgramRecord decodeProgram(const QByteArray &block)
{
    const QByteArray full = block.leftJustified(programBlockSize, '\0', true);
    const auto *bytes = reinterpret_cast<const quint8 *>(full.constData());
    ProgramRecord program;
    program.name = full.mid(nameOffset, nameLength);
    program.duration = decodeDuration(bytes + durationOffset);
    program.type = bytes[typeOffset];
    for (int v = 1; v <= vialCount; ++v)
        program.vial(v) = sentAsEmpty(program, v) ? VialStep::blank() : decodeVial(bytes + vialOffset(v));
    return program;
}

std::optional<EncodingProblem> findEncodingProblem(const ProgramRecord &program)
{
    return findValueProblem(program, program.usedVialCount());
}

} // namespace corvex
