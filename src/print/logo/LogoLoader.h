#pragma once

#include <QImage>
#include <QString>

namespace corvex {

// A logo picture read from a file: BMP, JPEG, GIF and PNG through Qt's image
// readers; Windows metafiles (WMF) and enhanced metafiles (EMF) rendered to a
// bitmap. The kind is told by the file's content, not its name.
struct LogoLoad
{
    QImage picture;  // null when the file could not be read
    QString message; // why it is not loaded, fit to show to the user

    bool loaded() const { return !picture.isNull(); }
};

LogoLoad loadLogoPicture(const QString &path);

// Render a Windows metafile (placeable or plain) or an enhanced metafile into
// a bitmap whose longer side has `longSide` pixels, keeping the picture's
// proportions. A null image when the bytes are no such metafile.
QImage renderWindowsMetafile(const QByteArray &bytes, int longSide);
QImage renderEnhancedMetafile(const QByteArray &bytes, int longSide);

} // namespace corvex
