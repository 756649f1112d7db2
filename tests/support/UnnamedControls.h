#pragma once

#include <QStringList>

class QWidget;

// The controls of a window that a screen reader could reach but not name: focusable and shown, with
// neither an accessible name nor a button text. Qt's own inner widgets are left out. Each is given by
// its class and object name.
QStringList unnamedControls(const QWidget &window);
