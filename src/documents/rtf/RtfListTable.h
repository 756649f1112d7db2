#pragma once

#include "documents/rtf/RtfListItem.h"

#include <QHash>
#include <QList>
#include <QString>

// The list definitions of "{\*\listtable ...}" and "{\*\listoverridetable ...}", by which a paragraph's
// "\lsN\ilvlM" says that it is a bullet or a numbered item.
class RtfListTable {
public:
    void beginList();
    void setListId(int id);
    void beginLevel();
    void setLevelNumbering(int numberFormat); // "\levelnfcN"
    void appendLevelText(QStringView text);

    void beginOverride();
    void setOverrideListId(int id);
    void setOverrideNumber(int number);

    // level: the paragraph's "\ilvl", counted from 0. A style of None when the list is unknown.
    RtfListItem item(int overrideNumber, int level) const;

private:
    struct Level {
        RtfListStyle style = RtfListStyle::Decimal;
        QString text; // "\leveltext": a length, then the text with the level numbers as characters 0..8
    };
    struct List {
        int id = 0;
        QList<Level> levels;
    };

    void recordOverride();
    static RtfListItem describe(const Level &level);

    QList<List> m_lists;
    QHash<int, int> m_listIdByOverride;
    int m_overrideListId = 0;
    int m_overrideNumber = 0;
};
