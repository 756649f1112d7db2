#pragma once

#include <QStyle>

class QAction;
class QBoxLayout;
class QWidget;

// The actions of the tool boxes: no caption and no shortcut, a picture and a hint, each shown as a flat
// 24 by 24 pixel button.
namespace IconAction {

constexpr int kButtonSize = 24;

// The action, named for finding it, with the hint as tooltip and status-line text.
QAction *create(QWidget *owner, const char *name, const QString &hint, QStyle::StandardPixmap picture);
// A flat button for the action, added to the row.
void addButton(QAction *action, QBoxLayout *row);

} // namespace IconAction
