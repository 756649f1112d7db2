#pragma once

#include <QIcon>

// The pictures of the rich-text window's formatting buttons, drawn rather than taken from an icon theme,
// which a desktop may lack: the letters of the Danish captions (F for "Fed", K for "Kursiv", U for
// "Understreg"), lines for the alignments, a bullet list, an indented paragraph, and a page with and
// without changes.
namespace FormattingIcons {

QIcon bold();
QIcon italic();
QIcon underline();
QIcon bullets();
QIcon alignLeft();
QIcon alignCenter();
QIcon alignRight();
QIcon margin();
QIcon modified();
QIcon unmodified();

} // namespace FormattingIcons
