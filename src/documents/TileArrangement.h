#pragma once

class QMdiArea;

// Arranges the document windows that are not minimised so that together they fill the client area
// without overlapping: one above the other ("Tilpas vandret") or side by side ("Tilpas lodret").
namespace TileArrangement {

enum class Direction { OneAboveTheOther, SideBySide };

void tile(QMdiArea &area, Direction direction);

} // namespace TileArrangement
