#include "dagbogsider.h"

#include "core/kalender.h"
#include "core/minder.h"
#include "tekstfil.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace Dagbogsider {

QList<int> aar(const QString &strukturDir) {
    QList<int> ud;
    for (const QString &navn : QDir(strukturDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (const int y = dagbogsAar(navn)) ud << y;
    std::sort(ud.begin(), ud.end());
    return ud;
}

QString sti(const QString &strukturDir, const QDate &dato) {
    return strukturDir + strukturNavnFor(dato.year()) + QStringLiteral("/tekstfiler/") +
           dagElementNavn(dato) + QStringLiteral(".html");
}

QList<QDate> dage(const QString &strukturDir, int aar) {
    QList<QDate> ud;
    const QDir mappe(strukturDir + strukturNavnFor(aar) + QStringLiteral("/tekstfiler"));
    for (const QString &fil : mappe.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QDate d = dagElementDato(aar, QStringView(fil).chopped(5));
        if (d.isValid()) ud << d;
    }
    std::sort(ud.begin(), ud.end());
    return ud;
}

std::optional<Tekstomraader::Sidetekst> laes(const QString &sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return Tekstomraader::sidetekst(Tekstfil::dekod(f.readAll()));
}

QList<Minde> minder(const QString &strukturDir, const QDate &valgt) {
    QList<Minde> ud;
    for (const QDate &d : Minder::datoer(valgt, aar(strukturDir))) {
        const QString s = sti(strukturDir, d);
        if (auto side = laes(s); side && !side->ord.isEmpty()) ud.append({d, s, std::move(*side)});
    }
    return ud;
}

} // namespace Dagbogsider
