#pragma once

#include <QRgb>
#include <QString>

#include <optional>

// Character formatting of a run of text as the reader hands it on, with table indices already resolved.
struct RtfTextStyle {
    enum class Position { Normal, Superscript, Subscript };

    QString fontFamily; // empty: the document's default font
    double pointSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Position position = Position::Normal;
    std::optional<QRgb> colour; // none: the automatic text colour
    std::optional<QRgb> background; // highlight or shading
    QString linkAddress; // set inside the result of a hyperlink field

    bool operator==(const RtfTextStyle &) const = default;
};
