#include "LogoLoader.h"

#include "SvgDrawing.h"

#include <emf2svg.h>
#include <uemf_safe.h>

#include <cstdlib>
#include <memory>

namespace corvex {

namespace {

quint32 u32(const QByteArray &bytes, qint64 at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[qsizetype(at + i)]);
    return value;
}

bool within(qint64 offset, qint64 length, qint64 limit)
{
    return offset >= 0 && length >= 0 && offset + length <= limit;
}

// The converter trusts the sizes and offsets inside the file; a damaged file
// would make it read past its end. Every record is checked first: it lies
// within the file, its fields lie within the record, and the file ends with
// the end-of-file record.
bool recordsAreSound(const QByteArray &bytes)
{
    constexpr quint32 headerType = 1, endOfFileType = 14;
    constexpr qint64 smallestHeader = 88;
    const qint64 size = bytes.size();
    if (size < smallestHeader || u32(bytes, 0) != headerType)
        return false;
    const qint64 headerSize = u32(bytes, 4);
    if (headerSize < smallestHeader || !within(0, headerSize, size))
        return false;
    const qint64 descriptionLength = u32(bytes, 64), descriptionOffset = u32(bytes, 68);
    if (descriptionLength > 0 && (descriptionOffset < headerSize || !within(descriptionOffset, 2 * descriptionLength, headerSize)))
        return false;
    if (headerSize >= 96) {
        const qint64 formatLength = u32(bytes, 88), formatOffset = u32(bytes, 92);
        if (formatLength > 0 && (formatOffset < headerSize || !within(formatOffset, formatLength, headerSize)))
            return false;
    }
    for (qint64 at = 0; at + 8 <= size;) {
        const qint64 recordSize = u32(bytes, at + 4);
        if (recordSize < 8 || recordSize % 4 != 0 || !within(at, recordSize, size))
            return false;
        if (!U_emf_record_safe(bytes.constData() + at))
            return false;
        if (u32(bytes, at) == endOfFileType)
            return true;
        at += recordSize;
    }
    return false;
}

} // namespace

QImage renderEnhancedMetafile(const QByteArray &bytes, int longSide)
{
    if (!recordsAreSound(bytes))
        return {};
    QByteArray data = bytes; // the converter reads from a mutable buffer
    generatorOptions options{};
    options.nameSpace = nullptr; // no prefix: a prefix string would be left allocated
    options.svgDelimiter = true;
    options.emfplus = true;
    char *svgText = nullptr;
    size_t svgLength = 0;
    const int converted = emf2svg(data.data(), size_t(data.size()), &svgText, &svgLength, &options);
    const std::unique_ptr<char, decltype(&std::free)> owned(svgText, &std::free);
    if (!converted || !svgText || svgLength == 0)
        return {};

    return renderSvgDrawing(QByteArray(svgText, qsizetype(svgLength)), longSide);
}

} // namespace corvex
