#include "documents/TextTypeList.h"

namespace TextTypeList {

QList<Entry> standard()
{
    const char *const types[][2] = { { "Tekstfil", "*.txt" }, { "Rich Text", "*.rtf" },
        { "Hjemmeside", "*.html" }, { "ASP", "*.asp" }, { "Includefile", "*.inc" }, { "ASA", "*.asa" },
        { "StyleSheet", "*.css" }, { "JavaScript", "*.js" }, { "VB script", "*.vbs" },
        { "Windows script files", "*.wsf" }, { "Batch", "*.bat" }, { "Power Shell", "*.ps1" } };
    QList<Entry> entries;
    for (const auto &type : types)
        entries.append({ QString::fromLatin1(type[0]), QString::fromLatin1(type[1]), true });
    return entries;
}

QList<Entry> fromLines(const QStringList &lines)
{
    QList<Entry> entries;
    for (qsizetype i = 0; i + 2 < lines.size(); i += 3)
        entries.append({ lines[i], lines[i + 1], lines[i + 2] == QLatin1String("1") });
    return entries;
}

QStringList toLines(const QList<Entry> &entries)
{
    QStringList lines;
    for (const Entry &entry : entries)
        lines << entry.name << entry.mask << (entry.ticked ? QStringLiteral("1") : QStringLiteral("0"));
    return lines;
}

QString normaliseMask(const QString &typed)
{
    if (typed == QLatin1String("*.*"))
        return typed;
    return QStringLiteral("*.") + typed.mid(typed.lastIndexOf(u'.') + 1);
}

} // namespace TextTypeList
