#include "documents/rich/FormattingIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace {

constexpr int kSize = 16;
const QColor kInk(0x20, 0x20, 0x20);

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    return QIcon(pixmap);
}

QIcon letter(const QString &text, bool bold, bool italic, bool underline)
{
    return drawn([&](QPainter &painter) {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(13);
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    });
}

// Four lines of the given lengths, placed left, centred or right.
QIcon lines(Qt::Alignment alignment)
{
    return drawn([alignment](QPainter &painter) {
        const int lengths[] = { 14, 9, 14, 9 };
        for (int i = 0; i < 4; ++i) {
            const int length = lengths[i];
            const int left = alignment == Qt::AlignLeft ? 1
                : alignment == Qt::AlignRight           ? kSize - 1 - length
                                                        : (kSize - length) / 2;
            const qreal y = 2.5 + i * 3.5;
            painter.drawLine(QPointF(left, y), QPointF(left + length, y));
        }
    });
}

QIcon page(bool changed)
{
    return drawn([changed](QPainter &painter) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3.5, 1.5, 9, 13));
        if (changed) {
            painter.setPen(QPen(QColor(0xC0, 0x30, 0x10), 2));
            painter.drawLine(QPointF(6, 11), QPointF(14, 3));
        } else {
            painter.setPen(QPen(QColor(0x20, 0x80, 0x30), 2));
            painter.drawLine(QPointF(5.5, 8), QPointF(7.5, 11));
            painter.drawLine(QPointF(7.5, 11), QPointF(11.5, 5));
        }
    });
}

} // namespace

namespace FormattingIcons {

QIcon bold()
{
    return letter(QStringLiteral("F"), true, false, false);
}

QIcon italic()
{
    return letter(QStringLiteral("K"), false, true, false);
}

QIcon underline()
{
    return letter(QStringLiteral("U"), false, false, true);
}

QIcon bullets()
{
    return drawn([](QPainter &painter) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = 3.5 + i * 4.5;
            painter.setBrush(kInk);
            painter.drawEllipse(QPointF(2.5, y), 1.2, 1.2);
            painter.drawLine(QPointF(6, y), QPointF(15, y));
        }
    });
}

QIcon alignLeft()
{
    return lines(Qt::AlignLeft);
}

QIcon alignCenter()
{
    return lines(Qt::AlignHCenter);
}

QIcon alignRight()
{
    return lines(Qt::AlignRight);
}

QIcon margin()
{
    return drawn([](QPainter &painter) {
        painter.drawLine(QPointF(1, 1), QPointF(1, 15));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 2.5 + i * 3.5;
            painter.drawLine(QPointF(5, y), QPointF(13, y));
        }
        painter.drawLine(QPointF(15, 1), QPointF(15, 15));
    });
}

QIcon modified()
{
    return page(true);
}

QIcon unmodified()
{
    return page(false);
}

} // namespace FormattingIcons
