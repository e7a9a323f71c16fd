#pragma once

#include "support/FileFixtures.h"

#include <QImage>

namespace corvex {

// Picture files written for tests, of every kind a logo can be.
namespace PictureFiles {

// A blue raster picture, w x h, as a file in a format Qt writes (BMP, JPG, PNG): the
// one given, else the one its name tells.
inline bool writeRaster(const QString &path, int w, int h, const char *format = nullptr)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(20, 40, 200));
    return image.save(path, format);
}

// A 4 x 2 blue GIF (Qt reads GIF but does not write it).
inline QByteArray gif4x2()
{
    return QByteArray::fromHex("474946383961 0400 0200 f00000 0000ff 000000"      // "GIF89a", 4 x 2, colours blue and black
                               "21f904 000000 0000 2c 0000 0000 0400 0200 00 0203846f0500 3b"); // the image, its pixels, the end
}

// A placeable Windows metafile, 400 x 200 units, that fills its whole area
// with a blue rectangle. Little-endian words, one record a line.
inline QByteArray metafile400x200()
{
    return QByteArray::fromHex("d7cdc69a 0000 0000 0000 9001 c800 a005 00000000 e953" // placeable: 400 x 200 at 1440 per inch
                               "0100 0900 0003 28000000 0100 07000000 0000"         // header: 40 words, 1 object
                               "05000000 0b02 0000 0000"                           // window origin
                               "05000000 0c02 c800 9001"                           // window extent (y, x)
                               "07000000 fc02 0000 0000ff00 0000"                  // solid brush, blue
                               "04000000 2d01 0000"                                // select it
                               "07000000 1b04 c800 9001 0000 0000"                 // rectangle (bottom, right, top, left)
                               "03000000 0000");                                   // end of file
}

// An enhanced metafile, 400 x 200 pixels, that fills its whole area with a
// blue rectangle. Little-endian numbers, one record a line.
inline QByteArray enhancedMetafile400x200()
{
    return QByteArray::fromHex("01000000 58000000 00000000 00000000 8f010000 c7000000" // header: bounds in pixels
                               "00000000 00000000 57290000 ab140000"                // frame in 0.01 mm
                               "20454d46 00000100 a8000000 05000000 0200 0000"      // " EMF", size, records, handles
                               "00000000 00000000 00000000"                         // description, palette
                               "00040000 00030000 40010000 f0000000"                // reference device
                               "27000000 18000000 01000000 00000000 0000ff00 00000000" // solid brush, blue
                               "25000000 0c000000 01000000"                         // select it
                               "2b000000 18000000 00000000 00000000 8f010000 c7000000" // rectangle
                               "0e000000 14000000 00000000 10000000 14000000");     // end of file
}

} // namespace PictureFiles

} // namespace corvex
