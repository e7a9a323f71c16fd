#pragma once

#include "ProgramRecord.h"
#include "ProgramValues.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <vector>

namespace corvex {

// Where the instrument keeps its data. Reagent names: 200 entries of 13
// bytes from 1000 hex. Programs: 99 blocks of 150 bytes from 2000 hex; in a
// block the name at offsets 0..12, the duration (most significant byte first)
// at 13..16, vial v at 17 + 5 * (v - 1) .. 21 + 5 * (v - 1), the type at 149;
// offsets 137..148 are never touched.
namespace MemoryMap {
inline constexpr int reagentBase = 0x1000;
inline constexpr int reagentEntrySize = 13;
inline constexpr int programBase = 0x2000;
inline constexpr int programBlockSize = 150;

inline constexpr int nameOffset = 0;
inline constexpr int durationOffset = 13;
inline constexpr int durationSize = 4;
inline constexpr int vialsOffset = 17;
inline constexpr int vialSlotSize = 5;
inline constexpr int typeOffset = 149;

// Bytes a program transfer moves: 13 + 4 + 1 + 24 * 5, or 13 + 4 + 1 + 12 * 5
// when reading an LM program.
inline constexpr int programTransferBytes = 138;
} // namespace MemoryMap

int reagentAddress(int reagent);
int programAddress(int program);
// Offset of vial v (1..24) in its program block.
int vialOffset(int vial);

// One byte of a program block as the encoding produces it. The value is
// what the fields give; it lies outside 0..255 only when a field does.
struct BlockByte
{
    int offset = 0;
    int value = 0;

    bool operator==(const BlockByte &) const = default;
};

// The 138 bytes of a program in the order they are sent: name, duration,
// type, then vials 1..24 (vials 13..24 of an LM program as an empty vial:
// 1, 0, 0, 0, 0, whatever the program holds there).
std::vector<BlockByte> encodeProgram(const ProgramRecord &program);

// The offsets a read visits, in order: name, duration, type, then the used
// vials (1..12 of an LM program, 1..24 otherwise).
std::vector<int> programReadOffsets(qint32 type);

// A read starts with the offsets of an EM program; once the type byte
// (`offset`) has been read as LM (`value`), the offsets of vials 13..24 are
// dropped from `offsets` (all or the rest of a read's offsets, in order).
// Returns how many were dropped.
int dropUnreadVials(std::vector<int> &offsets, int offset, int value);

// A program from the bytes of its 150-byte block (missing bytes count as 0).
// Nothing is trimmed from the name; vials 13..24 of an LM program become
// empty vials without looking at their bytes.
ProgramRecord decodeProgram(const QByteArray &block);

std::array<int, MemoryMap::vialSlotSize> encodeVial(const VialStep &vial);
VialStep decodeVial(const quint8 *slot);

std::array<quint8, MemoryMap::durationSize> encodeDuration(qint32 minutes);
qint32 decodeDuration(const quint8 *bytes);

// The first field whose value the instrument cannot hold, if any. Only the
// vials that are sent with their own content are checked.
using EncodingProblem = ValueProblem;
std::optional<EncodingProblem> findEncodingProblem(const ProgramRecord &program);

} // namespace corvex
