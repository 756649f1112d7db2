#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Web addresses in a paragraph, as the editor shows them as links: text starting with "http://",
// "https://", "ftp://", "file://", "mailto:" or "www.", up to the next space. Punctuation that ends a
// sentence right after an address is not part of it, nor is a closing bracket that no bracket inside
// the address opens.
class LinkFinder {
public:
    struct Link {
        int start = 0;
        int length = 0;
        int end() const { return start + length; }
        // The address as written; Shell::openAddress accepts "www." addresses as they are.
        QString address;
    };

    static QList<Link> links(QStringView text);
    // The link whose characters include the one at the position.
    static std::optional<Link> linkAt(QStringView text, int position);
};
