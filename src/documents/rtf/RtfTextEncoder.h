#pragma once

#include <QByteArray>
#include <QStringView>

// Writes text into RTF: ASCII as it is, the rest of Windows-1252 as "\'hh", anything else as "\uN" with a
// one-character fallback for readers without Unicode (the header's "\uc1" says there is one).
class RtfTextEncoder {
public:
    static void append(QStringView text, QByteArray &rtf);
};
