#pragma once

#include <QHash>
#include <QString>

// The fonts of "{\fonttbl ...}": names and the code page their "\'hh" bytes are written in. Entries come
// as "{\f1\fswiss\fcharset0 Arial;}" or, from some writers, without the braces, one after the other.
class RtfFontTable {
public:
    struct Font {
        QString name;
        int codePage = 0; // 0: the document's code page
    };

    void beginEntry(int index);
    void setCharset(int charset);
    void setCodePage(int codePage);
    void appendName(QStringView text); // a ';' ends the name
    void endEntry();

    const Font *font(int index) const;
    // While an entry is read its own code page applies, so a name in Japanese decodes right.
    int entryCodePage() const;

private:
    Font *openEntry();

    QHash<int, Font> m_fonts;
    int m_current = 0;
    bool m_open = false;
};
