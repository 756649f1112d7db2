#include "documents/rtf/RtfColourCollector.h"

int RtfColourCollector::indexOf(QRgb colour)
{
    colour |= 0xFF000000; // RTF has no transparency
    const auto hit = m_indexByColour.constFind(colour);
    if (hit != m_indexByColour.cend())
        return *hit;
    m_colours.append(colour);
    const int index = int(m_colours.size());
    m_indexByColour.insert(colour, index);
    return index;
}

QByteArray RtfColourCollector::table() const
{
    QByteArray rtf = "{\\colortbl;";
    for (const QRgb colour : m_colours)
        rtf += "\\red" + QByteArray::number(qRed(colour)) + "\\green" + QByteArray::number(qGreen(colour))
            + "\\blue" + QByteArray::number(qBlue(colour)) + ';';
    rtf += '}';
    return rtf;
}
