#pragma once

#include <QStringList>

class QListWidget;

// The texts of a list box's rows, top to bottom.
QStringList rowsOf(const QListWidget &box);
