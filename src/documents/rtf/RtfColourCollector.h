#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRgb>

// Gathers the colours a document uses while it is written and writes them as "{\colortbl ...}". Index 0 is
// the automatic colour, so the first collected colour is 1.
class RtfColourCollector {
public:
    int indexOf(QRgb colour);
    QByteArray table() const;

private:
    QList<QRgb> m_colours;
    QHash<QRgb, int> m_indexByColour;
};
