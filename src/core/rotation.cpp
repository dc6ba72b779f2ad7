#include "rotation.h"

#include <QRegularExpression>

#include <algorithm>

namespace Rotation {

QString arkivnavn(const QDate &dato) {
    return QStringLiteral("Dagbog-") + dato.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".zip");
}

QDate datoAfArkiv(const QString &filnavn) {
    static const QRegularExpression moenster(
        QStringLiteral("^Dagbog-(\\d{4})-(\\d{2})-(\\d{2})\\.zip$"));
    const QRegularExpressionMatch m = moenster.match(filnavn);
    if (!m.hasMatch()) return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

QList<QDate> behold(QList<QDate> datoer, int dage, int maaneder) {
    std::sort(datoer.begin(), datoer.end(), std::greater<>());
    datoer.erase(std::unique(datoer.begin(), datoer.end()), datoer.end());
    QList<QDate> ud;
    int maanederSet = 0;
    int sidsteMaaned = -1;
    for (qsizetype i = 0; i < datoer.size(); ++i) {
        const QDate &d = datoer[i];
        const int maaned = d.year() * 12 + d.month();
        // Newest first, so the first archive met in a month is that month's newest.
        const bool maanedensNyeste = maaned != sidsteMaaned;
        if (maanedensNyeste) {
            sidsteMaaned = maaned;
            ++maanederSet;
        }
        if (i < dage || (maanedensNyeste && maanederSet <= maaneder)) ud.append(d);
    }
    return ud;
}

QList<QDate> fjern(const QList<QDate> &datoer, const QDate &idag, int dage, int maaneder) {
    if (std::any_of(datoer.begin(), datoer.end(), [&](const QDate &d) { return d > idag; }))
        return {};
    const QList<QDate> beholdes = behold(datoer, dage, maaneder);
    QList<QDate> ud;
    for (const QDate &d : datoer)
        if (!beholdes.contains(d) && !ud.contains(d)) ud.append(d);
    std::sort(ud.begin(), ud.end());
    return ud;
}

QString gendannetNavn(const QString &navn, const QDate &dato,
                      const std::function<bool(const QString &)> &optaget) {
    const QString grund =
        navn + QStringLiteral(" (gendannet ") + dato.toString(QStringLiteral("yyyy-MM-dd")) + u')';
    QString kandidat = grund;
    for (int n = 2; optaget(kandidat); ++n)
        kandidat = grund + u' ' + QString::number(n);
    return kandidat;
}

} // namespace Rotation
