#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>

// Small pictures made on the spot for the RTF tests, as word processors embed them.
namespace RtfTestPictures {

// A PNG of the given size with a text chunk, which re-encoding the image would not reproduce: only the
// bytes themselves, kept, give the same file again.
inline QByteArray png(int width = 4, int height = 3)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x80, 0xc0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setText(QStringLiteral("Comment"), QStringLiteral("fra tekstbehandleren"));
    writer.write(image);
    return bytes;
}

inline QByteArray jpeg()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// "{\*\shppict{\pict\pngblip...}}" with the bytes in hex, the way word processors write a picture, with a
// metafile beside it for readers that know no PNG.
inline QByteArray shapePicture(const QByteArray &bytes, const QByteArray &words)
{
    return "{\\*\\shppict{\\pict" + words + "\r\n" + bytes.toHex().toUpper()
        + "\r\n}}{\\nonshppict{\\pict"
          "\\wmetafile8\\picw100\\pich100 0100090000}}";
}

} // namespace RtfTestPictures
