#pragma once

#include "tekstomraader.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QString>
#include <array>

// A diary year in figures: what each day page holds by the words rule, the
// year summed up, and that summary as text and as HTML with inline SVG.
namespace Statistik {

// What was counted on one page.
struct Sidetal {
    int ord = 0;
    int billeder = 0;
    QHash<QString, int> hyppighed; // each word in lower case; numbers left out
    bool operator==(const Sidetal &) const = default;
};
Sidetal taelSide(const Tekstomraader::Sidetekst &side);

// A year's pages counted: each day's words and pictures, and each word's
// frequency summed over the year's pages (the days carry none of their own).
struct Aarstal {
    QMap<QDate, Sidetal> dage;
    QHash<QString, int> hyppighed;
};
// The pages of aar among dage, summed so.
Aarstal saml(int aar, const QMap<QDate, Sidetal> &dage);

// A run of written days, from fra to til.
struct Stribe {
    int dage = 0;
    QDate fra, til;
    bool operator==(const Stribe &) const = default;
};
// skrevne in ascending order. The longest run (the first of equals), and the
// run that reaches idag, or the day before when idag is not yet written.
Stribe laengsteStribe(const QList<QDate> &skrevne);
Stribe nuvaerendeStribe(const QList<QDate> &skrevne, const QDate &idag);

struct Oversigt {
    int aar = 0;
    QMap<QDate, int> ordPrDag; // every day page of the year, unwritten ones with 0
    int skrevneDage = 0;
    qint64 ord = 0;
    Stribe laengste, nuvaerende;
    QDate laengsteSide; // invalid when no day is written
    int laengsteSideOrd = 0;
    std::array<qint64, 12> ordPrMaaned{};
    QList<QPair<QString, int>> mestBrugte; // at most 30, most used first
    int billeder = 0;
};
// The year aar summed up from its day pages; stopord are left out of the words used most.
Oversigt opsummer(int aar, const Aarstal &tal, const QSet<QString> &stopord, const QDate &idag);

// The summary as lines of plain text, for the command line.
QStringList tekst(const Oversigt &o);

// Five shades: 0 for a day without words, then 1 to 4 by the quarters of the
// year's written days' words.
std::array<int, 3> graenser(const QMap<QDate, int> &ordPrDag);
int skygge(int ord, const std::array<int, 3> &graenser);

// The colours of the design shown, as CSS colours.
struct Farver {
    QString baggrund, tekst, lenke, fremhaev;
};
// The year as an HTML page: heat map, words per month, the figures, the words
// used most. Days link to "dagbog:ÅÅÅÅ-MM-DD".
QString html(const Oversigt &o, const QDate &idag, const Farver &f);
// Every year side by side: words and written days per year.
QString aarHtml(const QList<Oversigt> &aar, const Farver &f);

} // namespace Statistik
