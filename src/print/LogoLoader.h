#pragma once

#include <QImage>
#include <QString>

// A logo picture read from a file: BMP, JPEG, GIF and PNG through Qt's image
// readers, Windows metafiles (WMF) rendered to a bitmap. Enhanced metafiles
// (EMF) are recognised but cannot be read on this platform.
struct LogoLoad
{
    enum class Status { Loaded, Unreadable, UnsupportedFormat };

    Status status = Status::Unreadable;
    QImage picture;  // the loaded picture when Loaded, otherwise null
    QString message; // why it is not loaded, fit to show to the user

    bool loaded() const { return status == Status::Loaded; }
};

LogoLoad LoadLogoPicture(const QString &path);

// Renders a Windows metafile (placeable or plain) into a bitmap whose longer
// side has `longSide` pixels. A null image when the bytes are no metafile.
QImage RenderWindowsMetafile(const QByteArray &bytes, int longSide);
