#include "search/FileTypeList.h"

QList<FileTypeEntry> FileTypeList::standard()
{
    return {
        { QStringLiteral("Tekstfil"), QStringLiteral("*.txt"), true },
        { QStringLiteral("Rich Text"), QStringLiteral("*.rtf"), true },
        { QStringLiteral("Hjemmeside"), QStringLiteral("*.html"), true },
        { QStringLiteral("ASP"), QStringLiteral("*.asp"), true },
        { QStringLiteral("Includefile"), QStringLiteral("*.inc"), true },
        { QStringLiteral("ASA"), QStringLiteral("*.asa"), true },
        { QStringLiteral("StyleSheet"), QStringLiteral("*.css"), true },
        { QStringLiteral("JavaScript"), QStringLiteral("*.js"), true },
        { QStringLiteral("VB script"), QStringLiteral("*.vbs"), true },
        { QStringLiteral("Windows script files"), QStringLiteral("*.wsf"), true },
        { QStringLiteral("Batch"), QStringLiteral("*.bat"), true },
        { QStringLiteral("Power Shell"), QStringLiteral("*.ps1"), false },
    };
}

QList<FileTypeEntry> FileTypeList::fromLines(const QStringList &lines)
{
    QList<FileTypeEntry> entries;
    for (qsizetype i = 0; i + 2 < lines.size(); i += 3)
        entries.append({ lines[i], lines[i + 1], lines[i + 2] == u"1" });
    return entries;
}

QStringList FileTypeList::toLines(const QList<FileTypeEntry> &entries)
{
    QStringList lines;
    for (const FileTypeEntry &entry : entries)
        lines << entry.caption << entry.mask << (entry.ticked ? QStringLiteral("1") : QStringLiteral("0"));
    return lines;
}

QList<FileTypeList::Choice> FileTypeList::choices(const QList<FileTypeEntry> &entries)
{
    QList<Choice> choices;
    for (const FileTypeEntry &entry : entries) {
        if (entry.ticked)
            choices.append({ entry.caption + QStringLiteral(" (") + entry.mask + u')', entry.mask });
    }
    return choices;
}

QString FileTypeList::maskFromTyped(const QString &typed)
{
    if (typed == u"*.*")
        return typed;
    return QStringLiteral("*.") + typed.mid(typed.lastIndexOf(u'.') + 1);
}
