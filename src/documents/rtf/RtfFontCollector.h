#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Gathers the fonts a document uses while it is written, numbering them in order of first use, and writes
// them as "{\fonttbl ...}".
class RtfFontCollector {
public:
    enum class Charset { Ansi = 0, Symbol = 2 };

    int indexOf(const QString &family, Charset charset = Charset::Ansi);
    QByteArray table() const;

private:
    struct Font {
        QString family;
        Charset charset;
    };

    QList<Font> m_fonts;
    QHash<QString, int> m_indexByFamily;
};
