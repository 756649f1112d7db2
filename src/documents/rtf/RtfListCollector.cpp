#include "documents/rtf/RtfListCollector.h"

#include "documents/rtf/RtfListGlyphs.h"
#include "documents/rtf/RtfTextEncoder.h"
#include "documents/rtf/RtfUnits.h"

#include <QTextBlock>
#include <QTextList>

#include <algorithm>

namespace {

int numberFormat(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman:
        return 1;
    case QTextListFormat::ListLowerRoman:
        return 2;
    case QTextListFormat::ListUpperAlpha:
        return 3;
    case QTextListFormat::ListLowerAlpha:
        return 4;
    default:
        return 0;
    }
}

QByteArray hexByte(int value)
{
    return "\\'" + QByteArray::number(value, 16).rightJustified(2, '0');
}

} // namespace

std::optional<RtfListCollector::Placement> RtfListCollector::place(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    if (!list) {
        m_previousInstance = -1;
        return std::nullopt;
    }
    const auto known = m_placed.constFind(list);
    Placement placement;
    if (known != m_placed.cend()) {
        placement = *known;
    } else {
        const QTextListFormat format = list->format();
        const int level = std::clamp(format.indent(), 1, kLevels) - 1;
        if (m_previousInstance >= 0 && canJoin(m_instances[m_previousInstance], level, format)) {
            placement = { m_previousInstance + 1, level };
        } else {
            m_instances.append(Instance { level, {} });
            placement = { int(m_instances.size()), level };
        }
        describe(m_instances[placement.override - 1].levels[level], format);
        m_placed.insert(list, placement);
    }
    m_previousInstance = placement.override - 1;
    m_instances[m_previousInstance].levels[placement.level].lastItem = m_sequence++;
    return placement;
}

bool RtfListCollector::canJoin(const Instance &instance, int level, const QTextListFormat &format) const
{
    if (level <= instance.topLevel)
        return false; // a list beside another, not inside it
    const Level &existing = instance.levels[level];
    if (!existing.used)
        return true;
    // A second list at a level that is taken joins only when an item above came in between, which is
    // where a reader starts the level's numbering again.
    const qint64 lastAbove
        = std::max_element(instance.levels, instance.levels + level, [](const Level &a, const Level &b) {
              return a.lastItem < b.lastItem;
          })->lastItem;
    return lastAbove > existing.lastItem && sameNumbering(existing, format);
}

bool RtfListCollector::sameNumbering(const Level &level, const QTextListFormat &format)
{
    Level other;
    describe(other, format);
    return level.style == other.style && level.prefix == other.prefix && level.suffix == other.suffix;
}

void RtfListCollector::describe(Level &level, const QTextListFormat &format)
{
    level.used = true;
    level.style = format.style();
    level.prefix = format.numberPrefix();
    // Qt puts a "." after the number when the list says nothing else.
    level.suffix = format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : u"."_qs;
}

QByteArray RtfListCollector::listTable(RtfFontCollector &fonts) const
{
    QByteArray rtf = "{\\*\\listtable";
    for (qsizetype i = 0; i < m_instances.size(); ++i) {
        const Instance &instance = m_instances[i];
        // Levels down to the deepest one used are defined; those no list of ours uses follow the list's top
        // level. Most lists are flat, and a document can hold thousands of them.
        Level fallback = instance.levels[instance.topLevel];
        fallback.prefix.clear();
        int deepest = kLevels - 1;
        while (deepest > 0 && !instance.levels[deepest].used)
            --deepest;
        rtf += "\r\n{\\list\\listtemplateid" + QByteArray::number(i + 1);
        for (int level = 0; level <= deepest; ++level) {
            const Level &own = instance.levels[level];
            rtf += levelDefinition(own.used ? own : fallback, level, fonts);
        }
        rtf += "{\\listname ;}\\listid" + QByteArray::number(i + 1) + '}';
    }
    rtf += "}\r\n";
    return rtf;
}

QByteArray RtfListCollector::levelDefinition(const Level &level, int index, RtfFontCollector &fonts)
{
    const QByteArray indent = "\\fi-360\\li" + QByteArray::number((index + 1) * RtfUnits::kListIndentTwips)
        + "\\lin" + QByteArray::number((index + 1) * RtfUnits::kListIndentTwips);
    QByteArray rtf = "{\\listlevel";
    if (RtfListGlyphs::isBullet(level.style)) {
        const RtfListGlyphs::Glyph glyph = RtfListGlyphs::forStyle(level.style);
        const int font = fonts.indexOf(QString::fromLatin1(glyph.font), glyph.charset);
        rtf += "\\levelnfc23\\levelnfcn23\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1{\\leveltext\\'01";
        rtf += glyph.levelText;
        rtf += ";}{\\levelnumbers;}\\f" + QByteArray::number(font) + indent + '}';
        return rtf;
    }
    const int format = numberFormat(level.style);
    QByteArray text;
    RtfTextEncoder::append(level.prefix, text);
    text += hexByte(index);
    RtfTextEncoder::append(level.suffix, text);
    const qsizetype characters = level.prefix.size() + 1 + level.suffix.size();
    rtf += "\\levelnfc" + QByteArray::number(format) + "\\levelnfcn" + QByteArray::number(format)
        + "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1{\\leveltext" + hexByte(int(characters)) + text
        + ";}{\\levelnumbers" + hexByte(int(level.prefix.size() + 1)) + ";}" + indent + '}';
    return rtf;
}

QByteArray RtfListCollector::overrideTable() const
{
    QByteArray rtf = "{\\*\\listoverridetable";
    for (qsizetype i = 0; i < m_instances.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        rtf += "{\\listoverride\\listid" + number + "\\listoverridecount0\\ls" + number + '}';
    }
    rtf += "}\r\n";
    return rtf;
}
