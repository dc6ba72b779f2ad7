#pragma once

#include <QtGlobal>

// How well a text colour reads against its background, as the common
// accessibility rule measures it. Colours are 0xRRGGBB in sRGB.
namespace Kontrast {

// Relative luminance: 0 for black, 1 for white.
double luminans(quint32 rgb);
// Contrast ratio of two colours, from 1 (the same) to 21 (black on white);
// the order does not matter.
double forhold(quint32 a, quint32 b);
// The colour moved towards black or white, whichever stands further from the
// background, just far enough to reach the ratio mindst against it.
quint32 tilpas(quint32 farve, quint32 baggrund, double mindst);

} // namespace Kontrast
