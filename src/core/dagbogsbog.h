#pragma once

#include <QList>
#include <QString>
#include <functional>

// The diary as one book: a title page, a table of contents, and every page's
// body as a section of its own that starts on a new sheet.
namespace Dagbogsbog {

struct Side {
    QString tekst;  // the element's text, shown at the top of its section
    int niveau = 0; // 0 the year, 1 a month, 2 a day
    QString krop;   // the page's body
};

// The body of a page: what lies between <body ...> and </body>; the whole
// text when the page has no body tag.
QString krop(const QString &html);

// Every src or href that points into the picture folder ("../Billeder/x.jpg",
// also with backslashes) gets the address nyKilde gives for the file name
// x.jpg; an empty answer leaves the reference as it was.
QString omskrivBilleder(const QString &krop,
                        const std::function<QString(const QString &fil)> &nyKilde);

// The whole book as one HTML document in UTF-8, styled by css (the user's
// design.css) and a few rules of its own for the sheets.
QString html(const QString &titel, const QList<Side> &sider, const QString &css);

} // namespace Dagbogsbog
