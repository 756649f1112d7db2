#include "options/TFontnavne.h"

#include <QCollator>
#include <QFontDatabase>
#include <QLocale>

#include <algorithm>

TFontnavne::TFontnavne(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void TFontnavne::GetFontNames()
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << itemText(i);
    for (const QString &family : QFontDatabase::families()) {
        if (!family.startsWith(u'@'))
            names << family;
    }
    QCollator collator { QLocale(QLocale::Danish, QLocale::Denmark) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), collator);

    const QString typed = currentText();
    clear();
    addItems(names);
    setEditText(typed);
}
