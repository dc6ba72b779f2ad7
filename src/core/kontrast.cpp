#include "kontrast.h"

#include <algorithm>
#include <cmath>

namespace Kontrast {

namespace {

// One sRGB channel (0-255) to linear light.
double lineaer(int kanal) {
    const double c = kanal / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double luminans(quint32 rgb) {
    return 0.2126 * lineaer((rgb >> 16) & 0xff) + 0.7152 * lineaer((rgb >> 8) & 0xff) +
           0.0722 * lineaer(rgb & 0xff);
}

double forhold(quint32 a, quint32 b) {
    const double la = luminans(a), lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

quint32 mindst(quint32 farve, std::initializer_list<quint32> baggrunde, double mindst) {
    const auto svagest = [&](quint32 f) {
        double m = 21;
        for (quint32 b : baggrunde)
            m = std::min(m, forhold(f, b));
        return m;
    };
    if (svagest(farve) >= mindst) return farve;
    const quint32 maal = svagest(0x000000) >= svagest(0xFFFFFF) ? 0x000000 : 0xFFFFFF;
    const auto bland = [&](int kanal, int trin) {
        const int fra = (farve >> kanal) & 0xff, til = (maal >> kanal) & 0xff;
        return quint32(fra + (til - fra) * trin / 64) << kanal;
    };
    for (int trin = 1; trin < 64; ++trin) {
        const quint32 f = bland(16, trin) | bland(8, trin) | bland(0, trin);
        if (svagest(f) >= mindst) return f;
    }
    return maal;
}

quint32 tilpas(quint32 farve, quint32 baggrund, double mindst) {
    const quint32 maal = forhold(0x000000, baggrund) >= forhold(0xFFFFFF, baggrund) ? 0 : 0xFFFFFF;
    quint32 ud = farve;
    for (int trin = 1; forhold(ud, baggrund) < mindst && trin <= 20; ++trin) {
        const double k = trin / 20.0;
        auto bland = [&](int skift) {
            const int a = (farve >> skift) & 0xff, b = (maal >> skift) & 0xff;
            return quint32(std::lround(a + (b - a) * k)) << skift;
        };
        ud = bland(16) | bland(8) | bland(0);
    }
    return ud;
}

} // namespace Kontrast
