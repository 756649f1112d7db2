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

    // Word processors allow 63 cells in a row, each at most 22 inches wide; more is damage. The edges of a
    // row of the widest cells stay within kMaxEdgeTwips either side of the margin.
    static constexpr int kMaxCells = 63;
    static constexpr int kMaxCellTwips = 31680;
    static constexpr int kMaxEdgeTwips = kMaxCells * kMaxCellTwips;

    int leftEdge = 0; // "\trleft"
    QList<Cell> cells;
};
