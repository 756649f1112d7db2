#pragma once

#include <QString>

// The instruction of a hyperlink field, HYPERLINK "https://example.dk", in both directions. An address
// holds no control characters and no quotes (written as %22), so what is written reads back the same.
class RtfHyperlinkField {
public:
    // Also understands switches such as \o "tip" and HYPERLINK \l "bookmark". Other fields have no address.
    static QString address(QStringView instruction);
    static QString instruction(const QString &address);

private:
    static QString clean(QString address);
};
