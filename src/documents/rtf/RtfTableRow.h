#pragma once

#include <QList>

// A table row as "\trowd ... \cellxN" defines it: each cell by its right edge in twips from the margin,
// and how it merges with its neighbours.
struct RtfTableRow {
    enum class Merge {
        None,
        IntoLeft, // "\clmrg": covered by the cell to its left
        IntoAbove, // "\clvmrg": covered by the cell above
    };
    struct Cell {
        int rightEdge = 0;
        Merge merge = Merge::None;
    };

    // Word processors allow 63 cells in a row; more is damage.
    static constexpr int kMaxCells = 63;

    int leftEdge = 0; // "\trleft"
    QList<Cell> cells;
};
