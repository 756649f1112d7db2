#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <unordered_map>

// Turns the bytes of RTF text ("\'hh" escapes and 8-bit characters) into text, in the code page the
// document or the current font states. Windows-1252 goes through the program's own lossless table; other
// code pages through Qt's converters, and Windows-1252 stands in for one Qt does not know.
class RtfCodePages {
public:
    static constexpr int kWindows1252 = 1252;

    // 0 for charsets that mean "the document's code page".
    static int forCharset(int charset);

    QString decode(QByteArrayView bytes, int codePage);

private:
    QStringDecoder *decoderFor(int codePage);

    std::unordered_map<int, QStringDecoder> m_decoders;
};
