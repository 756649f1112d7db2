#pragma once

#include <QString>

// Reads the address out of a field instruction such as HYPERLINK "https://example.dk" \o "tip" or
// HYPERLINK \l "bookmark". Other fields have no address.
class RtfHyperlinkField {
public:
    static QString address(QStringView instruction);
};
