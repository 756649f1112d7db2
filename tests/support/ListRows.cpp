#include "support/ListRows.h"

#include <QListWidget>

QStringList rowsOf(const QListWidget &box)
{
    QStringList rows;
    for (int i = 0; i < box.count(); ++i)
        rows << box.item(i)->text();
    return rows;
}
