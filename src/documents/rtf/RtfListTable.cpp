#include "documents/rtf/RtfListTable.h"

#include <algorithm>

namespace {

constexpr int kMaxLevels = 9;

RtfListStyle styleForNumberFormat(int numberFormat)
{
    switch (numberFormat) {
    case 1:
        return RtfListStyle::UpperRoman;
    case 2:
        return RtfListStyle::LowerRoman;
    case 3:
        return RtfListStyle::UpperAlpha;
    case 4:
        return RtfListStyle::LowerAlpha;
    case 23:
        return RtfListStyle::Disc; // bullet; the glyph decides which
    case 255:
        return RtfListStyle::None;
    default:
        return RtfListStyle::Decimal;
    }
}

bool isLevelPlaceholder(QChar c)
{
    return c.unicode() < kMaxLevels;
}

} // namespace

void RtfListTable::beginList()
{
    m_lists.append(List {});
}

void RtfListTable::setListId(int id)
{
    if (!m_lists.isEmpty())
        m_lists.last().id = id;
}

void RtfListTable::beginLevel()
{
    if (!m_lists.isEmpty() && m_lists.last().levels.size() < kMaxLevels)
        m_lists.last().levels.append(Level {});
}

void RtfListTable::setLevelNumbering(int numberFormat)
{
    if (!m_lists.isEmpty() && !m_lists.last().levels.isEmpty())
        m_lists.last().levels.last().style = styleForNumberFormat(numberFormat);
}

void RtfListTable::appendLevelText(QStringView text)
{
    if (!m_lists.isEmpty() && !m_lists.last().levels.isEmpty())
        m_lists.last().levels.last().text += text;
}

void RtfListTable::beginOverride()
{
    m_overrideListId = 0;
    m_overrideNumber = 0;
}

void RtfListTable::setOverrideListId(int id)
{
    m_overrideListId = id;
    recordOverride();
}

void RtfListTable::setOverrideNumber(int number)
{
    m_overrideNumber = number;
    recordOverride();
}

void RtfListTable::recordOverride()
{
    if (m_overrideNumber > 0 && m_overrideListId != 0)
        m_listIdByOverride.insert(m_overrideNumber, m_overrideListId);
}

RtfListItem RtfListTable::item(int overrideNumber, int level) const
{
    const auto id = m_listIdByOverride.constFind(overrideNumber);
    if (id == m_listIdByOverride.constEnd())
        return {};
    const auto list
        = std::find_if(m_lists.cbegin(), m_lists.cend(), [&](const List &l) { return l.id == *id; });
    if (list == m_lists.cend() || list->levels.isEmpty())
        return {};
    const qsizetype index = std::clamp<qsizetype>(level, 0, list->levels.size() - 1);
    RtfListItem item = describe(list->levels[index]);
    item.level = int(index) + 1;
    item.identity = QStringLiteral("ls%1").arg(overrideNumber);
    return item;
}

RtfListItem RtfListTable::describe(const Level &level)
{
    RtfListItem item;
    item.style = level.style;
    QStringView text = level.text;
    if (text.endsWith(u';'))
        text.chop(1);
    if (!text.isEmpty())
        text = text.sliced(1); // the length
    if (item.style == RtfListStyle::Disc) {
        item.style = RtfListItem::bulletStyle(text);
    } else if (item.isNumbered()) {
        const auto first = std::find_if(text.begin(), text.end(), isLevelPlaceholder);
        const auto last = std::find_if(text.rbegin(), text.rend(), isLevelPlaceholder);
        if (first != text.end()) {
            item.prefix = RtfListItem::markerText(QStringView(text.begin(), first));
            item.suffix = RtfListItem::markerText(QStringView(last.base(), text.end()));
        } else {
            item.suffix = QStringLiteral(".");
        }
    }
    return item;
}
