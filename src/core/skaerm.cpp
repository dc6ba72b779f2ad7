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

QRect indenfor(const QRect &vindue, const QRect &omraade, const QSize &minimum) {
    int x = vindue.x(), y = vindue.y(), b = vindue.width(), h = vindue.height();
    tilpasAkse(x, b, omraade.x(), omraade.width(), minimum.width());
    tilpasAkse(y, h, omraade.y(), omraade.height(), minimum.height());
    return QRect(x, y, b, h);
}

} // namespace

QRect indenforOmraade(const QRect &vindue, const QRect &omraade, const QSize &minimum,
                      const QRect &undgaa) {
    if (omraade.isEmpty()) return vindue;
    const QRect tilpasset = indenfor(vindue, omraade, minimum);
    if (tilpasset == vindue || undgaa.isEmpty() || !tilpasset.intersects(undgaa)) return tilpasset;
    // Left of, right of, above and below the window to leave free.
    QRect r = tilpasset;
    const QRect steder[] = {r.translated(undgaa.left() - r.right() - 1, 0),
                            r.translated(undgaa.right() + 1 - r.left(), 0),
                            r.translated(0, undgaa.top() - r.bottom() - 1),
                            r.translated(0, undgaa.bottom() + 1 - r.top())};
    int bedst = -1;
    for (const QRect &sted : steder) {
        const QRect s = indenfor(sted, omraade, minimum);
        if (s.intersects(undgaa)) continue;
        const int afstand = (s.topLeft() - tilpasset.topLeft()).manhattanLength();
        if (bedst < 0 || afstand < bedst) {
            bedst = afstand;
            r = s;
        }
    }
    return r;
}
