#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where a deleted page stood: the tree file and data file of a structure as
// they were before the deletion, read as plain lines, and the place of the
// page and the elements under it in that tree.
namespace SlettedeSider {

struct Element {
    int niveau = 0;
    QString tekst;
    QString data; // the icon kind as one digit, then the page name
    bool operator==(const Element &) const = default;
};
// The elements in tree order; a data line without its digit gets a 0.
QList<Element> trae(const QStringList &struktur, const QStringList &data);
QString sideNavn(const Element &e);

struct Placering {
    QList<Element> gren;      // the page's element and those under it, levels from 0
    QString foraelder;        // the page name of its parent; empty for a top element
    QStringList efterfoelger; // the page names of the siblings after it, nearest first
    bool operator==(const Placering &) const = default;
};
// Empty gren when no element has the page side.
Placering placering(const QList<Element> &trae, const QString &side);

// Of the pages deleted together, those whose parent was not deleted with them:
// a deleted month stands for its days. In tree order; pages the tree lacks come last.
QStringList oeverste(const QList<Element> &trae, const QStringList &slettede);

} // namespace SlettedeSider
