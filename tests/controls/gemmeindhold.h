#pragma once

// The two versions of a page and a tree that the kill-safe save test and its
// child alternate between, large enough that a save takes measurable time.

#include "controls/struktur.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QStringList>

namespace Gemmeindhold {

inline QString sideTekst(int version) {
    return QStringLiteral("<p>Version %1: blåbærgrød og æbleskiver</p>\n")
        .arg(version)
        .repeated(version == 0 ? 4000 : 6500);
}

// Writes struktur.txt and data.txt of one version into mappe.
inline void skrivKilde(const QString &mappe, int version) {
    QStringList trae, data;
    const int maaneder = version == 0 ? 12 : 18;
    trae << QStringLiteral("Dagbog %1").arg(2020 + version);
    data << QStringLiteral("0");
    for (int m = 1; m <= maaneder; ++m) {
        trae << QStringLiteral("\t%1 Måned v%2").arg(m, 2, 10, QChar(u'0')).arg(version);
        data << QStringLiteral("1m%1.htm").arg(m);
        for (int d = 1; d <= 31; ++d) {
            // Longer than the data line, so the tree file is the larger one.
            trae << QStringLiteral("\t\t%1 Dag i måned %2, version %3")
                        .arg(d, 2, 10, QChar(u'0'))
                        .arg(m)
                        .arg(version);
            data << QStringLiteral("6d%1_%2_%3.htm").arg(version).arg(m).arg(d);
        }
    }
    Tekstfil::skriv(mappe + QStringLiteral("/struktur.txt"), trae);
    Tekstfil::skriv(mappe + QStringLiteral("/data.txt"), data);
}

// A tree loaded from kilde that saves into maal.
inline void hentTrae(TStruktur &t, const QString &kilde, const QString &maal) {
    t.setDataOn(true);
    t.setStrukturfile(kilde + QStringLiteral("/struktur.txt"));
    t.setDatafile(kilde + QStringLiteral("/data.txt"));
    t.HentStruktur();
    t.setStrukturfile(maal + QStringLiteral("/struktur.txt"));
    t.setDatafile(maal + QStringLiteral("/data.txt"));
}

inline const QStringList &filer() {
    static const QStringList f{QStringLiteral("side.htm"), QStringLiteral("struktur.txt"),
                               QStringLiteral("data.txt")};
    return f;
}

} // namespace Gemmeindhold
