#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

// "På denne dag" and "Tilfældig dag": which earlier days a selected date
// brings back, and how a row of the list reads.
namespace Minder {

// The same month and day in each of the years before valgt's, newest first.
// 28 February also brings a leap year's 29th, after that year's 28th;
// 29 February brings the 28th of a year without it.
QList<QDate> datoer(const QDate &valgt, QList<int> aar);

// "2022 · for 2 år siden · Lørdag"
QString overskrift(const QDate &dag, int valgtAar);

// The first n characters of a page's text, "…" after it when there is more.
QString uddrag(const QString &tekst, int n = 160);

// A day drawn at random from kandidater: tal(n) gives a number in [0, n); a
// drawn day that skrevet rejects is not drawn again. Invalid when none is written.
QDate tilfaeldig(QList<QDate> kandidater, const std::function<int(int)> &tal,
                 const std::function<bool(const QDate &)> &skrevet);

} // namespace Minder
