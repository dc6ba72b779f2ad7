#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

// The diary as one book: a title page, a table of contents, and every page's
// body as a section of its own that starts on a new sheet.
namespace Dagbogsbog {

struct Side {
    QString tekst;       // the element's text
    int niveau = 0;      // 0 the year, 1 a month, 2 a day
    QString krop;        // the page's body
    QDate dato = {};     // a day page's date; invalid for every other page
    bool skrevet = true; // holds a word by the words rule
};

// What heads a page's section and names it in the contents: a day's date with
// its year ("tirsdag 5. marts 2024"), any other page's text.
QString overskrift(const Side &side);

// The pages the book holds: a day without a word is left out unless tomme.
QList<Side> udvalg(const QList<Side> &sider, bool tomme);

// The body of a page: what lies between <body ...> and </body>; the whole
// text when the page has no body tag.
QString krop(const QString &html);

// Every src or href that points into the picture folder ("../Billeder/x.jpg",
// also with backslashes) gets the address nyKilde gives for the file name
// x.jpg; an empty answer leaves the reference as it was.
QString omskrivBilleder(const QString &krop,
                        const std::function<QString(const QString &fil)> &nyKilde);

// The whole book as one HTML document in UTF-8, styled by css (the user's
// design.css) and a few rules of its own for the sheets. The title page counts
// the written days when the book has dated pages. ark gives each page's first
// sheet for the contents (0 or none: not known); a number's room is kept empty
// while it is not known, so the sheets fall the same with and without them.
// Page i's section has the id anker(i), which the contents link to.
QString html(const QString &titel, const QList<Side> &sider, const QString &css,
             const QList<int> &ark = {});
QString anker(int i);

} // namespace Dagbogsbog
