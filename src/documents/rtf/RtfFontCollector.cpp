#include "documents/rtf/RtfFontCollector.h"

#include "documents/rtf/RtfTextEncoder.h"

int RtfFontCollector::indexOf(const QString &family, Charset charset)
{
    const auto hit = m_indexByFamily.constFind(family);
    if (hit != m_indexByFamily.cend())
        return *hit;
    const int index = int(m_fonts.size());
    m_fonts.append(Font { family, charset });
    m_indexByFamily.insert(family, index);
    return index;
}

QByteArray RtfFontCollector::table() const
{
    QByteArray rtf = "{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset"
            + QByteArray::number(int(m_fonts[i].charset)) + ' ';
        RtfTextEncoder::append(QString(m_fonts[i].family).remove(u';'), rtf); // a ";" would end the name
        rtf += ";}";
    }
    rtf += '}';
    return rtf;
}
