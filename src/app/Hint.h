#pragma once

#include <QString>

class QWidget;

// A hint is a short text, optionally followed by "|" and a long text: the short part is the tooltip,
// the long part goes to the status line.
namespace Hint {

QString shortPart(const QString &hint);
QString longPart(const QString &hint);
// Gives the widget the hint: tooltip and status-line text, and the name a screen reader reads for a
// button that shows only a picture.
void set(QWidget *widget, const QString &hint);

} // namespace Hint
