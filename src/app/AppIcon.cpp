#include "app/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace AppIcon {

QIcon icon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128, 256 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
        painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        painter.setBrush(Qt::white);
        const qreal margin = size * 0.22;
        painter.drawRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
        painter.setPen(QPen(QColor(0x1f, 0x5f, 0xa8), std::max(1.0, size / 16.0)));
        for (int line = 1; line <= 3; ++line) {
            const qreal y = margin + line * (size - 2 * margin) / 4.0;
            painter.drawLine(QPointF(margin * 1.4, y), QPointF(size - margin * 1.4, y));
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace AppIcon
