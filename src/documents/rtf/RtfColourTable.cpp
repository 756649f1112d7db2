#include "documents/rtf/RtfColourTable.h"

#include <QtGlobal>

int RtfColourTable::component(int value)
{
    m_hasComponent = true;
    return qBound(0, value, 255);
}

void RtfColourTable::endEntry()
{
    m_colours.append(m_hasComponent ? std::optional<QRgb>(qRgb(m_red, m_green, m_blue)) : std::nullopt);
    m_red = m_green = m_blue = 0;
    m_hasComponent = false;
}

std::optional<QRgb> RtfColourTable::colour(int index) const
{
    return index >= 0 && index < m_colours.size() ? m_colours[index] : std::nullopt;
}
