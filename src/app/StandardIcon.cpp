#include "app/StandardIcon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

namespace {

const QIcon &readIcon(QStyle::StandardPixmap picture)
{
    static QHash<int, QIcon> read;
    auto found = read.find(picture);
    if (found == read.end())
        found = read.insert(picture, QApplication::style()->standardIcon(picture));
    return *found;
}

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QStyle::StandardPixmap picture)
        : picture_(picture)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        readIcon(picture_).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return readIcon(picture_).pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return readIcon(picture_).pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return readIcon(picture_).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return readIcon(picture_).availableSizes(mode, state);
    }
    // A standard picture is never empty; asking must not read it.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("StandardIcon"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(picture_); }

private:
    QStyle::StandardPixmap picture_;
};

} // namespace

namespace StandardIcon {

QIcon of(QStyle::StandardPixmap picture)
{
    return QIcon(new DeferredIconEngine(picture)); // the icon owns the engine
}

} // namespace StandardIcon
