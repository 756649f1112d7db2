#pragma once

#include "documents/rtf/RtfFontCollector.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextListFormat>

#include <optional>

class QTextBlock;
class QTextList;

// Gathers the lists of a document while it is written and describes them the way word processors read
// them: each list with the lists nested in it becomes one list of up to nine levels ("\listtable"), used by
// one override ("\listoverridetable") that its paragraphs name with "\lsN\ilvlM". A sub-list that follows an
// item of a higher level numbers from the start again, as a new QTextList does; lists that merely stand
// next to each other get lists of their own, so their numbering does not run on.
class RtfListCollector {
public:
    struct Placement {
        int override = 0; // "\lsN", from 1
        int level = 0; // "\ilvlN", from 0
    };

    // Called for every paragraph in document order; empty for a paragraph outside any list.
    std::optional<Placement> place(const QTextBlock &block);

    bool isEmpty() const { return m_instances.isEmpty(); }
    // Both tables; the bullet fonts are added to the font table the writer collects.
    QByteArray listTable(RtfFontCollector &fonts) const;
    QByteArray overrideTable() const;

    static constexpr int kLevels = 9;

private:
    struct Level {
        bool used = false;
        QTextListFormat::Style style = QTextListFormat::ListDisc;
        QString prefix;
        QString suffix;
        qint64 lastItem = -1; // sequence number of the last item written at this level
    };
    struct Instance {
        int topLevel = 0;
        Level levels[kLevels];
    };

    static bool sameNumbering(const Level &level, const QTextListFormat &format);
    static void describe(Level &level, const QTextListFormat &format);
    bool canJoin(const Instance &instance, int level, const QTextListFormat &format) const;
    static QByteArray levelDefinition(const Level &level, int index, RtfFontCollector &fonts);

    QList<Instance> m_instances;
    QHash<const QTextList *, Placement> m_placed;
    int m_previousInstance = -1; // of the paragraph before, when it was a list item
    qint64 m_sequence = 0;
};
