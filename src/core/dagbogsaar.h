#pragma once

#include <QList>
#include <QSet>
#include <QString>

// A diary year: the page a new element gets, and the tree taken back from the
// pages when the year's tree file is gone.
namespace Dagbogsaar {

// The new page of a level (1 the year, 2 a month, 3 a day) from the element
// texts of its year, month and day ("Dagbog 2024", "03 Marts", "03 05 Tirsdag");
// lines joined by "\n".
QString skabelon(int niveau, const QString &aar, const QString &maaned, const QString &dag);

struct Element {
    int niveau = 0; // 0 the year, 1 a month, 2 a day
    QString navn;   // element text and page name
    bool harSide = false;
};

// The tree of year aar from the page names found in its page folder (without
// ".html"): only the names the diary itself gives that year's elements count,
// in calendar order (which is also their sort order). A month or the year is
// included without a page of its own when it holds a page found. Empty when
// no page has such a name.
QList<Element> traeFraSider(int aar, const QSet<QString> &sider);

} // namespace Dagbogsaar
