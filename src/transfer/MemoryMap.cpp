#include "transfer/MemoryMap.h"

#include "link/HexFormat.h"

using namespace MemoryMap;

namespace {
constexpr int PauseBit = 0x80;
constexpr int AgitMask = 0x0F;

bool sentAsEmpty(const ProgramRecord &program, int vial)
{
    return program.isLM() && vial > LmVialCount;
}

bool fitsByte(qint32 value)
{
    return value >= 0 && value <= 0xFF;
}
} // namespace

int ReagentAddress(int reagent)
{
    return ReagentBase + ReagentEntrySize * (reagent - 1);
}

int ProgramAddress(int program)
{
    return ProgramBase + ProgramBlockSize * (program - 1);
}

int VialOffset(int vial)
{
    return VialsOffset + VialSlotSize * (vial - 1);
}

std::array<int, VialSlotSize> EncodeVial(const VialStep &vial)
{
    return {vial.Reagent, vial.Pause * PauseBit + vial.Agit, vial.Hrs, vial.Min, vial.Temp};
}

VialStep DecodeVial(const quint8 *slot)
{
    VialStep vial;
    vial.Reagent = slot[0];
    vial.Agit = slot[1] & AgitMask;
    vial.Pause = (slot[1] & PauseBit) ? 1 : 0;
    vial.Hrs = slot[2];
    vial.Min = slot[3];
    vial.Temp = slot[4];
    return vial;
}

std::array<quint8, DurationSize> EncodeDuration(qint32 minutes)
{
    // Eight hexadecimal digits cut into four pairs, most significant first.
    const QByteArray digits = hexDigits(minutes, 8);
    std::array<quint8, DurationSize> bytes{};
    for (int i = 0; i < DurationSize; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<quint8>(digits.mid(2 * i, 2).toUInt(nullptr, 16));
    return bytes;
}

qint32 DecodeDuration(const quint8 *bytes)
{
    quint32 value = 0;
    for (int i = 0; i < DurationSize; ++i)
        value = (value << 8) | bytes[i];
    return static_cast<qint32>(value);
}

std::vector<BlockByte> EncodeProgram(const ProgramRecord &program)
{
    std::vector<BlockByte> bytes;
    bytes.reserve(ProgramTransferBytes);
    const QByteArray name = program.Name.leftJustified(NameLength, ' ', true);
    for (int i = 0; i < NameLength; ++i)
        bytes.push_back({NameOffset + i, static_cast<quint8>(name[i])});
    const auto duration = EncodeDuration(program.Duration);
    for (int i = 0; i < DurationSize; ++i)
        bytes.push_back({DurationOffset + i, duration[static_cast<size_t>(i)]});
    bytes.push_back({TypeOffset, program.Type});
    for (int v = 1; v <= VialCount; ++v) {
        const auto slot = EncodeVial(sentAsEmpty(program, v) ? VialStep::Blank() : program.vial(v));
        for (int i = 0; i < VialSlotSize; ++i)
            bytes.push_back({VialOffset(v) + i, slot[static_cast<size_t>(i)]});
    }
    return bytes;
}

std::vector<int> ProgramReadOffsets(qint32 type)
{
    std::vector<int> offsets;
    offsets.reserve(ProgramTransferBytes);
    for (int i = 0; i < NameLength + DurationSize; ++i)
        offsets.push_back(NameOffset + i);
    offsets.push_back(TypeOffset);
    const int vials = type == TypeLM ? LmVialCount : VialCount;
    for (int i = 0; i < vials * VialSlotSize; ++i)
        offsets.push_back(VialsOffset + i);
    return offsets;
}

ProgramRecord DecodeProgram(const QByteArray &block)
{
    const QByteArray full = block.leftJustified(ProgramBlockSize, '\0', true);
    const auto *bytes = reinterpret_cast<const quint8 *>(full.constData());
    ProgramRecord program;
    program.Name = full.mid(NameOffset, NameLength);
    program.Duration = DecodeDuration(bytes + DurationOffset);
    program.Type = bytes[TypeOffset];
    for (int v = 1; v <= VialCount; ++v)
        program.vial(v) = sentAsEmpty(program, v) ? VialStep::Blank() : DecodeVial(bytes + VialOffset(v));
    return program;
}

std::optional<EncodingProblem> FindEncodingProblem(const ProgramRecord &program)
{
    if (!fitsByte(program.Type))
        return EncodingProblem{0, QByteArrayLiteral("Type"), program.Type};
    for (int v = 1; v <= VialCount; ++v) {
        if (sentAsEmpty(program, v))
            continue;
        const VialStep &vial = program.vial(v);
        const std::pair<const char *, qint32> fields[] = {
            {"Reagent", vial.Reagent}, {"Hrs", vial.Hrs}, {"Min", vial.Min}, {"Temp", vial.Temp}};
        for (const auto &[field, value] : fields) {
            if (!fitsByte(value))
                return EncodingProblem{v, QByteArray(field), value};
        }
        if (vial.Pause != 0 && vial.Pause != 1)
            return EncodingProblem{v, QByteArrayLiteral("Pause"), vial.Pause};
        if (vial.Agit < 0 || vial.Agit > AgitMask)
            return EncodingProblem{v, QByteArrayLiteral("Agit"), vial.Agit};
    }
    return std::nullopt;
}
