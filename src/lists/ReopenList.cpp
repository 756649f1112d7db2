#include "lists/ReopenList.h"

#include <QFileInfo>

#include <algorithm>

namespace {

char16_t foldAtoZ(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// By UTF-16 code values, character by character; a key that is a prefix of the other is smaller.
bool keyLess(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](QChar x, QChar y) { return x.unicode() < y.unicode(); });
}

} // namespace

bool ReopenList::samePath(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAtoZ(a[i].unicode()) != foldAtoZ(b[i].unicode()))
            return false;
    }
    return true;
}

QString ReopenList::sortKey(const QString &caption)
{
    QString key = caption;
    for (QChar &c : key)
        c = QChar(foldAtoZ(c.unicode()));
    return key;
}

bool ReopenList::exists(TItemtype type, const QString &path)
{
    switch (type) {
    case TItemtype::itFil:
        return QFileInfo(path).isFile();
    case TItemtype::itBibliotek:
        return QFileInfo(path).isDir();
    case TItemtype::itAndet:
        return true;
    }
    return true;
}

bool ReopenList::holdsOnlyText(const QStringList &lines)
{
    return std::none_of(
        lines.cbegin(), lines.cend(), [](const QString &line) { return line.contains(QChar(u'\0')); });
}

QList<TReopenRec> ReopenList::fromLines(
    const QStringList &lines, TItemtype type, const std::function<bool(const QString &)> &fileExists)
{
    QList<TReopenRec> entries;
    bool takePath = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % 2 == 0) {
            if (type == TItemtype::itFil) {
                takePath = i + 1 < lines.size() && fileExists(lines[i + 1]);
                if (!takePath)
                    continue;
            }
            entries.append({ lines[i], QString() });
        } else if (type != TItemtype::itFil || takePath) {
            entries.last().Filnavn = lines[i];
        }
    }
    return entries;
}

QStringList ReopenList::toLines() const
{
    QStringList lines;
    lines.reserve(entries_.size() * 2);
    for (const TReopenRec &entry : entries_)
        lines << entry.Caption << entry.Filnavn;
    return lines;
}

int ReopenList::indexOfPath(const QString &path) const
{
    for (int i = 0; i < Antal(); ++i) {
        if (samePath(entries_[i].Filnavn, path))
            return i;
    }
    return -1;
}

bool ReopenList::flytOp(int index)
{
    if (index <= 0 || index >= Antal())
        return false;
    entries_.swapItemsAt(index - 1, index);
    return true;
}

bool ReopenList::flytNed(int index)
{
    if (index < 0 || index >= Antal() - 1)
        return false;
    entries_.swapItemsAt(index, index + 1);
    return true;
}

// Takes the entry at k past the last later entry with a smaller key and repeats with whatever comes to k,
// moving on once nothing later is smaller. Once moved, an entry has nothing smaller after it, so it never
// moves again: at most one move per entry, each a rotation.
bool ReopenList::sortFrom(int from)
{
    const int count = Antal();
    if (count < 2)
        return false;
    QStringList keys;
    keys.reserve(count);
    for (const TReopenRec &entry : std::as_const(entries_))
        keys << sortKey(entry.Caption);

    bool changed = false;
    int k = std::max(from, 0);
    while (k < count - 1) {
        int m = count - 1;
        while (m > k && !keyLess(keys[m], keys[k]))
            --m;
        if (m > k) {
            std::rotate(entries_.begin() + k, entries_.begin() + k + 1, entries_.begin() + m + 1);
            std::rotate(keys.begin() + k, keys.begin() + k + 1, keys.begin() + m + 1);
            changed = true;
        } else {
            ++k;
        }
    }
    return changed;
}
