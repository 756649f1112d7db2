#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A "{\pict ...}" group as the reader found it. PNG and JPEG are shown; every other format (metafiles,
// device-independent bitmaps) is kept as its whole group and written back unchanged.
struct RtfPicture {
    enum class Format { Other, Png, Jpeg };

    Format format = Format::Other;
    QByteArray hexData; // the picture's bytes as the file spells them, hex digits with line breaks
    QByteArray binaryData; // or given raw through "\binN"
    int pixelWidth = 0; // "\picw", "\pich"
    int pixelHeight = 0;
    int goalWidth = 0; // "\picwgoal", "\pichgoal": the size shown, in twips
    int goalHeight = 0;
    int scaleX = 100; // "\picscalex", "\picscaley": percent of the goal size
    int scaleY = 100;
    // From "\pict" to the closing brace; points into the reader's input, valid while it reads.
    QByteArrayView groupTail;

    QByteArray data() const { return binaryData.isEmpty() ? QByteArray::fromHex(hexData) : binaryData; }
    // The group as it stood in the file, without what came before "\pict" in its group.
    QByteArray group() const { return '{' + groupTail.toByteArray(); }
};
