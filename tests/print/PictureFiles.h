#pragma once

#include "support/FileFixtures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QString>

// Picture files written for tests, of every kind a logo can be.
namespace PictureFiles {

// A blue raster picture, w x h, in a format Qt writes (BMP, JPG, PNG):
// as bytes, or as a file whose name tells the format.
inline QImage bluePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(20, 40, 200));
    return image;
}

inline QByteArray raster(int w, int h, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bluePicture(w, h).save(&buffer, format);
    return bytes;
}

inline bool writeRaster(const QString &path, int w, int h) { return bluePicture(w, h).save(path); }

// A 4 x 2 blue GIF (Qt reads GIF but does not write it).
inline QByteArray gif4x2()
{
    static const unsigned char bytes[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0x00, 0x00,
        0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x04, 0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x84, 0x6f, 0x05, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// A placeable Windows metafile, 400 x 200 units, that fills its whole area
// with a blue rectangle.
inline QByteArray metafile400x200()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint16 placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, 400, 200, 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 word : placeable) {
        out << word;
        checksum ^= word;
    }
    out << checksum;
    struct Record { quint16 function; QList<quint16> params; };
    const QList<Record> records = {
        {0x020B, {0, 0}},          // window origin
        {0x020C, {200, 400}},      // window extent (y, x)
        {0x02FC, {0, 0x0000, 0x00FF, 0}}, // solid brush, colour 0x00FF0000 (blue)
        {0x012D, {0}},             // select the brush
        {0x041B, {200, 400, 0, 0}}, // rectangle (bottom, right, top, left)
        {0x0000, {}},              // end of file
    };
    quint32 words = 9;
    quint32 largest = 0;
    for (const Record &record : records) {
        words += 3 + quint32(record.params.size());
        largest = qMax(largest, 3 + quint32(record.params.size()));
    }
    out << quint16(1) << quint16(9) << quint16(0x0300) << words << quint16(1) << largest << quint16(0);
    for (const Record &record : records) {
        out << quint32(3 + record.params.size()) << record.function;
        for (quint16 param : record.params)
            out << param;
    }
    return bytes;
}

// An enhanced metafile, 400 x 200 pixels, that fills its whole area with a
// blue rectangle.
inline QByteArray enhancedMetafile400x200()
{
    QByteArray records;
    QDataStream r(&records, QIODevice::WriteOnly);
    r.setByteOrder(QDataStream::LittleEndian);
    r << quint32(39) << quint32(24) << quint32(1) << quint32(0) << quint32(0x00FF0000) << quint32(0); // solid blue brush
    r << quint32(37) << quint32(12) << quint32(1);                                                    // select it
    r << quint32(43) << quint32(24) << qint32(0) << qint32(0) << qint32(399) << qint32(199);           // rectangle
    r << quint32(14) << quint32(20) << quint32(0) << quint32(16) << quint32(20);                       // end of file
    QByteArray bytes;
    QDataStream h(&bytes, QIODevice::WriteOnly);
    h.setByteOrder(QDataStream::LittleEndian);
    h << quint32(1) << quint32(88)                                           // header record
      << qint32(0) << qint32(0) << qint32(399) << qint32(199)                // bounds, pixels
      << qint32(0) << qint32(0) << qint32(10583) << qint32(5291)             // frame, 0.01 mm
      << quint32(0x464D4520) << quint32(0x10000) << quint32(88 + records.size()) << quint32(5)
      << quint16(2) << quint16(0) << quint32(0) << quint32(0) << quint32(0)  // handles, description, palette
      << qint32(1024) << qint32(768) << qint32(320) << qint32(240);          // reference device
    return bytes + records;
}

} // namespace PictureFiles
