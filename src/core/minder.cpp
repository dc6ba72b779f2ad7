#include "minder.h"

#include "kalender.h"

#include <algorithm>

namespace Minder {

QList<QDate> datoer(const QDate &valgt, QList<int> aar) {
    std::sort(aar.begin(), aar.end(), std::greater<>());
    QList<QDate> ud;
    const bool den28Feb = valgt.month() == 2 && valgt.day() == 28;
    const bool den29Feb = valgt.month() == 2 && valgt.day() == 29;
    for (const int y : aar) {
        if (y >= valgt.year() || y < 1) continue;
        if (den29Feb && !QDate::isLeapYear(y)) {
            ud << QDate(y, 2, 28);
            continue;
        }
        ud << QDate(y, valgt.month(), valgt.day());
        if (den28Feb && QDate::isLeapYear(y)) ud << QDate(y, 2, 29);
    }
    return ud;
}

QString overskrift(const QDate &dag, int valgtAar) {
    return QStringLiteral("%1 · for %2 år siden · %3")
        .arg(dag.year())
        .arg(valgtAar - dag.year())
        .arg(ugedagNavn(dag.dayOfWeek()));
}

QString uddrag(const QString &tekst, int n) {
    if (tekst.size() <= n) return tekst;
    // Never half a surrogate pair.
    if (tekst[n - 1].isHighSurrogate()) --n;
    return tekst.left(n) + u'…';
}

QDate tilfaeldig(QList<QDate> kandidater, const std::function<int(int)> &tal,
                 const std::function<bool(const QDate &)> &skrevet) {
    while (!kandidater.isEmpty()) {
        const int i = std::clamp(tal(int(kandidater.size())), 0, int(kandidater.size()) - 1);
        if (skrevet(kandidater[i])) return kandidater[i];
        kandidater.removeAt(i);
    }
    return {};
}

} // namespace Minder
