#include "options/TFontnavne.h"

#include <QCollator>
#include <QFontDatabase>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The font database tells typefaces that several foundries make apart by a tag ("Nimbus Sans [urw]",
// "Cantarell [UKWN]"); a document names the typeface alone, and so does the list.
QString typefaceName(const QString &family)
{
    static const QRegularExpression foundryTag(QStringLiteral(R"(\s*\[[^\]]*\]$)"));
    return QString(family).remove(foundryTag);
}

} // namespace

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
        const QString name = typefaceName(family);
        if (!name.startsWith(u'@') && !names.contains(name))
            names << name;
    }
    QCollator collator { QLocale(QLocale::Danish, QLocale::Denmark) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), collator);

    const QString typed = currentText();
    clear();
    addItems(names);
    setEditText(typed);
}
