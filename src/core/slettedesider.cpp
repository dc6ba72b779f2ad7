#include "slettedesider.h"

#include <QSet>

namespace SlettedeSider {

QList<Element> trae(const QStringList &struktur, const QStringList &data) {
    QList<Element> ud;
    ud.reserve(struktur.size());
    for (qsizetype i = 0; i < struktur.size(); ++i) {
        const QString &linje = struktur[i];
        int niveau = 0;
        while (niveau < linje.size() && (linje[niveau] == u'\t' || linje[niveau] == u' '))
            ++niveau;
        QString d = data.value(i);
        if (d.isEmpty() || !d[0].isDigit()) d.prepend(u'0');
        ud.append({niveau, linje.mid(niveau), d});
    }
    return ud;
}

QString sideNavn(const Element &e) {
    return e.data.mid(1);
}

namespace {

qsizetype find(const QList<Element> &trae, const QString &side) {
    for (qsizetype i = 0; i < trae.size(); ++i)
        if (sideNavn(trae[i]) == side) return i;
    return -1;
}

// The end of the subtree that starts at i.
qsizetype grenSlut(const QList<Element> &trae, qsizetype i) {
    qsizetype j = i + 1;
    while (j < trae.size() && trae[j].niveau > trae[i].niveau)
        ++j;
    return j;
}

qsizetype foraelderAf(const QList<Element> &trae, qsizetype i) {
    for (qsizetype j = i - 1; j >= 0; --j)
        if (trae[j].niveau < trae[i].niveau) return j;
    return -1;
}

} // namespace

Placering placering(const QList<Element> &trae, const QString &side) {
    Placering p;
    const qsizetype i = find(trae, side);
    if (i < 0) return p;
    const qsizetype slut = grenSlut(trae, i);
    for (qsizetype j = i; j < slut; ++j)
        p.gren.append({trae[j].niveau - trae[i].niveau, trae[j].tekst, trae[j].data});
    const qsizetype f = foraelderAf(trae, i);
    if (f >= 0) p.foraelder = sideNavn(trae[f]);
    for (qsizetype j = slut; j < trae.size() && trae[j].niveau >= trae[i].niveau;
         j = grenSlut(trae, j))
        p.efterfoelger.append(sideNavn(trae[j]));
    return p;
}

QStringList oeverste(const QList<Element> &trae, const QStringList &slettede) {
    const QSet<QString> alle(slettede.cbegin(), slettede.cend());
    QStringList ud;
    QSet<QString> fundet;
    for (qsizetype i = 0; i < trae.size(); ++i) {
        const QString navn = sideNavn(trae[i]);
        if (!alle.contains(navn) || fundet.contains(navn)) continue;
        fundet.insert(navn);
        const qsizetype f = foraelderAf(trae, i);
        if (f < 0 || !alle.contains(sideNavn(trae[f]))) ud.append(navn);
    }
    for (const QString &s : slettede)
        if (!fundet.contains(s)) ud.append(s);
    return ud;
}

} // namespace SlettedeSider
