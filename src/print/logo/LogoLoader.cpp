#include "LogoLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

namespace corvex {

namespace {

// Pictures are read at most this large on their longer side, plenty for a
// logo of 6.6 cm at 600 dpi: a photo of many megapixels is read scaled down
// to the size it is drawn at, instead of whole.
constexpr int logoLongSide = 1600;
// Formats that cannot scale while they decode (PNG, BMP, GIF) are decoded
// whole first: such a picture may take up to this many megabytes then, as a
// scan of a page at 600 dpi does (140), above Qt's usual limit.
constexpr int wholeDecodeLimitMegabytes = 512;
// A logo file larger than this is not a logo; refuse it rather than exhaust memory.
constexpr qint64 maximumLogoFileSize = 64 * 1024 * 1024;

// Little-endian number of `size` bytes at `at`; 0 when the bytes end before it.
quint32 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    if (bytes.size() < at + size)
        return 0;
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

quint32 le32(const QByteArray &bytes, qsizetype at) { return littleEndian(bytes, at, 4); }
quint16 le16(const QByteArray &bytes, qsizetype at) { return quint16(littleEndian(bytes, at, 2)); }

bool isWindowsMetafile(const QByteArray &bytes)
{
    constexpr quint32 placeableKey = 0x9AC6CDD7;
    if (le32(bytes, 0) == placeableKey)
        return true;
    // A plain metafile header: type 1 (memory) or 2 (disk), 9 words long, version 0x100 or 0x300.
    const quint16 type = le16(bytes, 0), headerWords = le16(bytes, 2), version = le16(bytes, 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x100 || version == 0x300);
}

bool isEnhancedMetafile(const QByteArray &bytes)
{
    constexpr quint32 headerRecord = 1;
    return le32(bytes, 0) == headerRecord && bytes.mid(40, 4) == " EMF";
}

// A raster picture, scaled down while it is read when it is larger than a
// logo is drawn; a null image and Qt's reason when it cannot be read.
QImage readRaster(const QByteArray &bytes, QString &why)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool large = size.isValid() && qMax(size.width(), size.height()) > logoLongSide;
    if (large)
        reader.setScaledSize(size.scaled(logoLongSide, logoLongSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const int usualLimit = QImageReader::allocationLimit();
    const bool decodedWhole = large && !reader.supportsOption(QImageIOHandler::ScaledSize);
    if (decodedWhole && usualLimit > 0 && usualLimit < wholeDecodeLimitMegabytes)
        QImageReader::setAllocationLimit(wholeDecodeLimitMegabytes);
    const QImage picture = reader.read();
    QImageReader::setAllocationLimit(usualLimit);
    if (picture.isNull())
        why = reader.errorString();
    return picture;
}

LogoLoad failed(const QString &message)
{
    LogoLoad load;
    load.message = message;
    return load;
}

} // namespace

LogoLoad loadLogoPicture(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("The picture file %1 cannot be opened.").arg(shown));
    if (file.size() > maximumLogoFileSize)
        return failed(QStringLiteral("The picture file %1 is too large for a logo.").arg(shown));
    const QByteArray bytes = file.readAll();

    LogoLoad load;
    QString why;
    if (isEnhancedMetafile(bytes))
        load.picture = renderEnhancedMetafile(bytes, logoLongSide);
    else if (isWindowsMetafile(bytes))
        load.picture = renderWindowsMetafile(bytes, logoLongSide);
    else
        load.picture = readRaster(bytes, why);
    if (load.picture.isNull()) {
        const QString reason = why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why);
        return failed(QStringLiteral("%1 is not a picture that can be read%2.").arg(shown, reason));
    }
    return load;
}

} // namespace corvex
