#pragma once

#include <QStringView>

// Half of a character beyond 16 bits without its other half stands for nothing and cannot be stored in
// any file; text that leaves the document (as RTF or as plain text) drops it.
namespace RtfSurrogates {

inline bool isUnpaired(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    if (c.isHighSurrogate())
        return at + 1 >= text.size() || !text[at + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return at == 0 || !text[at - 1].isHighSurrogate();
    return false;
}

} // namespace RtfSurrogates
