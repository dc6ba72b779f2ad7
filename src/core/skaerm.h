#pragma once

#include <QRect>
#include <QSize>

// Where a window comes to lie in the free area of its screen: wholly inside
// it, moved as little as possible, and shrunk only where it is larger than the
// area, never below its minimum (a window that cannot shrink enough keeps its
// top left corner in the area).
// When it has to move and a place beside `undgaa` (the main window) fits as
// well, the nearest such place is taken, so that it does not cover that window.
QRect indenforOmraade(const QRect &vindue, const QRect &omraade, const QSize &minimum,
                      const QRect &undgaa = QRect());
