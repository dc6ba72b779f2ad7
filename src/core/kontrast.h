#pragma once

#include <QtGlobal>

#include <initializer_list>

// How well a text colour reads against its background, as the common
// accessibility rule measures it. Colours are 0xRRGGBB in sRGB.
namespace Kontrast {

// Relative luminance: 0 for black, 1 for white.
double luminans(quint32 rgb);
// Contrast ratio of two colours, from 1 (the same) to 21 (black on white);
// the order does not matter.
double forhold(quint32 a, quint32 b);
// The colour nearest to `farve`, on its way to black or white (whichever lies
// further from every background), that has at least `mindst` against each of
// the backgrounds; `farve` itself when it already has.
quint32 mindst(quint32 farve, std::initializer_list<quint32> baggrunde, double mindst);
// The colour moved towards black or white, whichever stands further from the
// background, just far enough to reach the ratio mindst against it.
quint32 tilpas(quint32 farve, quint32 baggrund, double mindst);

} // namespace Kontrast
