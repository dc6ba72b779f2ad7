#include "skaerm.h"

#include <algorithm>

namespace {

// One axis: the length is cut to the room (not below the minimum), then the
// start is pushed back inside.
void tilpasAkse(int &start, int &laengde, int rumStart, int rum, int minimum) {
    if (laengde > rum) laengde = std::max(rum, minimum);
    if (start + laengde > rumStart + rum) start = rumStart + rum - laengde;
    if (start < rumStart) start = rumStart;
}

} // namespace

QRect indenforOmraade(const QRect &vindue, const QRect &omraade, const QSize &minimum) {
    if (omraade.isEmpty()) return vindue;
    int x = vindue.x(), y = vindue.y(), b = vindue.width(), h = vindue.height();
    tilpasAkse(x, b, omraade.x(), omraade.width(), minimum.width());
    tilpasAkse(y, h, omraade.y(), omraade.height(), minimum.height());
    return QRect(x, y, b, h);
}
