// Rules of the library name lists that need no window: the button number a
// row's in-use marker shows, the highlight a click leaves and the row an
// arrow key moves to.
#pragma once

// The button number shown for an in-use marker (the slot + 1 of the button
// using the entry): slots 1..7 are the mouse's buttons 1, 2, 3, 6, 4, 5, 7.
// 0 for no marker and for a marker outside 1..7.
int ButtonNumberOfMarker(int marker);

// The highlighted row after a click on `row`: that row, or none (-1) when it
// was the highlighted one. A click on no row (-1) leaves the highlight.
int HighlightAfterClick(int highlighted, int row);

// The row an arrow key moves the selection of a list of `count` rows to, or
// -1 when it cannot move (down on the last row, up on the first or on none).
int RowAfterArrow(int current, int count, bool down);
