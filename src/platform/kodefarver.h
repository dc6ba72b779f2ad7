#pragma once

#include <QColor>
#include <QString>
#include <array>

// The colours of the code in the editors: one set per design, each colour
// readable (at least 4.5:1) against the editor's background.
namespace Kodefarver {

enum Rolle : int { Tag, Attribut, Vaerdi, Kommentar, Entitet, Erklaering, Noegleord, Tal };
constexpr int antalRoller = 8;
constexpr double mindsteKontrast = 4.5;
using Saet = std::array<QColor, antalRoller>;

// The set of a design. A design without a set of its own (Windows, which
// takes the desktop's palette) gets one made for the background given.
Saet saet(const QString &design, const QColor &baggrund);
// The set of the design in effect, against the editors' background now.
Saet aktivt();

} // namespace Kodefarver
