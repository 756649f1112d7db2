#include "documents/rtf/RtfFontTable.h"

#include "documents/rtf/RtfCodePages.h"

void RtfFontTable::beginEntry(int index)
{
    endEntry();
    m_current = index;
    m_fonts.insert(index, Font {});
    m_open = true;
}

RtfFontTable::Font *RtfFontTable::openEntry()
{
    return m_open ? &m_fonts[m_current] : nullptr;
}

void RtfFontTable::setCharset(int charset)
{
    Font *entry = openEntry();
    if (entry && entry->codePage == 0)
        entry->codePage = RtfCodePages::forCharset(charset);
}

void RtfFontTable::setCodePage(int codePage)
{
    if (Font *entry = openEntry())
        entry->codePage = codePage; // an explicit "\cpg" wins over the charset
}

void RtfFontTable::appendName(QStringView text)
{
    Font *entry = openEntry();
    if (!entry)
        return;
    const qsizetype end = text.indexOf(u';');
    for (const QChar c : end < 0 ? text : text.first(end)) {
        if (c.unicode() >= 0x20) // a tab or a stray byte is no part of a font's name
            entry->name += c;
    }
    if (end >= 0)
        endEntry();
}

void RtfFontTable::endEntry()
{
    if (Font *entry = openEntry())
        entry->name = entry->name.trimmed();
    m_open = false;
}

const RtfFontTable::Font *RtfFontTable::font(int index) const
{
    const auto hit = m_fonts.constFind(index);
    return hit == m_fonts.constEnd() ? nullptr : &hit.value();
}

int RtfFontTable::entryCodePage() const
{
    return m_open ? m_fonts.value(m_current).codePage : 0;
}
