#pragma once

#include <QIcon>
#include <QStyle>

// The style's standard pictures for buttons and commands, read when first drawn rather than when asked
// for: the style reads each one from several image files (2 ms apiece), and most of the program's
// picture buttons sit in boxes and pages that are not shown at start. Each picture is read once for
// the whole program, from the style in force when it is first drawn.
namespace StandardIcon {

QIcon of(QStyle::StandardPixmap picture);

} // namespace StandardIcon
