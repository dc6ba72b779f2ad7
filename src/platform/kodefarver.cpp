#include "kodefarver.h"

#include "core/kontrast.h"
#include "core/sammenlign.h"
#include "platform/stilarter.h"

#include <QApplication>
#include <QPalette>

namespace Kodefarver {

namespace {

struct DesignSaet {
    const char *design;
    // Tag, attribute, value, comment, entity, doctype, keyword, number
    QRgb farve[antalRoller];
};

const DesignSaet saettene[] = {
    {"Aqua Light Slate",
     {0x0E6F7C, 0x8A4B0F, 0x2F6B1F, 0x5E6B73, 0x7A2E8E, 0x44535E, 0x9C2A5A, 0x1B5E9E}},
    {"Carbon", {0x6FB3F2, 0xE8A86A, 0x9CD67E, 0x9A9A9A, 0xD6A0F0, 0xB0B8C8, 0xF08CC0, 0x6FD6C8}},
    {"Iceberg Classico",
     {0x1F4F9A, 0x8B3A1E, 0x22663A, 0x5A6B7C, 0x6D3BA8, 0x3E5366, 0x9B2C6E, 0x0B6E75}},
    {"Jet", {0xE0B860, 0xF0C890, 0xA8E07A, 0x9E9E9E, 0xE3A6FF, 0xC0C0C0, 0xFF9E7A, 0x7FD8E8}},
    {"Sky", {0x1D4ED8, 0x9A3412, 0x166534, 0x5F6670, 0x7E22CE, 0x4B5563, 0xA21CAF, 0x0F766E}},
    {"Smokey Quartz Kamri",
     {0x9CC8F0, 0xF2BE8A, 0xB8E08E, 0xC0B4AC, 0xE4B8F0, 0xD8CEC6, 0xF5A8B8, 0x92E0D2}},
};

// The hues the computed set starts from, moved as far as the background needs.
constexpr QRgb udgangspunkt[antalRoller] = {0x1D4ED8, 0xA0461A, 0x1E7B34, 0x6B7280,
                                            0x8B2FC9, 0x55606E, 0xB0208F, 0x0F7A80};

} // namespace

Saet saet(const QString &design, const QColor &baggrund) {
    Saet s;
    for (const DesignSaet &d : saettene) {
        if (!ensAZ(design, QString::fromUtf8(d.design))) continue;
        for (int r = 0; r < antalRoller; ++r)
            s[r] = QColor(d.farve[r]);
        return s;
    }
    const quint32 bg = baggrund.rgb() & 0xFFFFFF;
    for (int r = 0; r < antalRoller; ++r)
        s[r] = QColor(QRgb(Kontrast::tilpas(udgangspunkt[r], bg, mindsteKontrast + 0.2)));
    return s;
}

Saet aktivt() {
    return saet(Stilarter::aktiv(), QApplication::palette().color(QPalette::Base));
}

} // namespace Kodefarver
