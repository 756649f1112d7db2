#include "documents/rtf/RtfPictureResources.h"

#include "documents/rtf/RtfUnits.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace {

// The name tells what is kept under it: its ending gives the kind, its hash the content, so the same
// picture twice in a file is kept once.
const char kPrefix[] = "rtf-picture-";

// Resources are kept by name alone, whatever their type, so the bytes need a name of their own.
QUrl originalOf(const QString &name)
{
    QUrl url(name);
    url.setFragment(QStringLiteral("original"));
    return url;
}

QString nameFor(QByteArrayView content, const char *ending)
{
    const QByteArray hash = QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex().left(16);
    return QLatin1String(kPrefix) + QString::fromLatin1(hash) + QLatin1String(ending);
}

// Shown where a picture cannot be, at the size it would have had.
QImage placeholder(QSizeF size)
{
    QImage image(
        qBound(4, qRound(size.width()), 2000), qBound(4, qRound(size.height()), 2000), QImage::Format_RGB32);
    image.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.drawLine(image.rect().topLeft(), image.rect().bottomRight());
    painter.drawLine(image.rect().topRight(), image.rect().bottomLeft());
    return image;
}

// The size the picture is shown at, in document units: the goal size the writer asked for, scaled, or
// else the picture's own pixels.
QSizeF shownSize(const RtfPicture &picture, QSize pixels)
{
    // In whole twips, as the writer writes them, so a picture keeps its size through any number of saves.
    int width = picture.goalWidth > 0 ? picture.goalWidth : RtfUnits::toTwips(pixels.width());
    int height = picture.goalHeight > 0 ? picture.goalHeight : RtfUnits::toTwips(pixels.height());
    if (width <= 0 || height <= 0)
        width = height = 1440; // an inch, for a picture that states no size
    return { RtfUnits::fromTwips(qMax(1, qRound(width * picture.scaleX / 100.0))),
        RtfUnits::fromTwips(qMax(1, qRound(height * picture.scaleY / 100.0))) };
}

} // namespace

QTextImageFormat RtfPictureResources::add(QTextDocument &document, const RtfPicture &picture)
{
    QTextImageFormat format;
    if (picture.format != RtfPicture::Format::Other) {
        const QByteArray bytes = picture.data();
        const char *type = picture.format == RtfPicture::Format::Png ? "PNG" : "JPEG";
        const QImage image = QImage::fromData(bytes, type);
        if (!image.isNull()) {
            const QString name = nameFor(bytes, picture.format == RtfPicture::Format::Png ? ".png" : ".jpg");
            document.addResource(QTextDocument::ImageResource, QUrl(name), image);
            document.addResource(QTextDocument::UserResource, originalOf(name), bytes);
            const QSizeF size = shownSize(picture, image.size());
            format.setName(name);
            format.setWidth(size.width());
            format.setHeight(size.height());
            return format;
        }
    }
    // Metafiles, bitmaps without a file header and damaged pictures.
    const QByteArray group = picture.group();
    const QString name = nameFor(group, ".rtf");
    const QSizeF size = shownSize(picture, {});
    document.addResource(QTextDocument::ImageResource, QUrl(name), placeholder(size));
    document.addResource(QTextDocument::UserResource, originalOf(name), group);
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    return format;
}

RtfPictureResources::Stored RtfPictureResources::find(const QTextDocument &document, const QString &name)
{
    if (!name.startsWith(QLatin1String(kPrefix)))
        return {};
    const QVariant kept = document.resource(QTextDocument::UserResource, originalOf(name));
    if (kept.typeId() != QMetaType::QByteArray)
        return {};
    Stored stored;
    stored.bytes = kept.toByteArray();
    if (name.endsWith(u".rtf")) {
        stored.kind = Stored::Kind::RtfGroup;
        return stored;
    }
    stored.kind = name.endsWith(u".png") ? Stored::Kind::Png : Stored::Kind::Jpeg;
    const QVariant image = document.resource(QTextDocument::ImageResource, QUrl(name));
    stored.pixels = image.value<QImage>().size();
    return stored;
}
