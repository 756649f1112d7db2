#pragma once

#include "documents/rtf/RtfPicture.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QTextImageFormat>

class QTextDocument;

// Pictures as the RTF codec keeps them in a document: each is an image resource named after its content,
// with the bytes it came from kept beside it, so a picture that was not changed is written back byte for
// byte. A picture in a format that cannot be shown is kept as its whole RTF group behind a grey placeholder
// of its size, and written back as it was.
class RtfPictureResources {
public:
    struct Stored {
        enum class Kind { None, Png, Jpeg, RtfGroup };
        Kind kind = Kind::None;
        QByteArray bytes; // the picture file, or the RTF group for RtfGroup
        QSize pixels; // of a PNG or JPEG
    };

    // Registers the picture with the document and returns the format that shows it at its size.
    static QTextImageFormat add(QTextDocument &document, const RtfPicture &picture);
    // What the reader kept for a picture of the document; Kind::None for a picture it did not read (pasted
    // or inserted), which the writer encodes from the image itself.
    static Stored find(const QTextDocument &document, const QString &name);
};
