#pragma once

#include "core/tekstomraader.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The diary's day pages on disk: which years there are, where a date's page
// lies, which days a year has pages for, and what a page says.
namespace Dagbogsider {

// The years of the diary structures in strukturDir (the folder ends in "/"), ascending.
QList<int> aar(const QString &strukturDir);

// The day page of a date, whether it exists or not.
QString sti(const QString &strukturDir, const QDate &dato);

// The days of a year that have a page file, in date order.
QList<QDate> dage(const QString &strukturDir, int aar);

// A page's text by the words rule; nothing when the file cannot be read.
std::optional<Tekstomraader::Sidetekst> laes(const QString &sti);

// A written page of the same day in an earlier year.
struct Minde {
    QDate dato;
    QString sti;
    Tekstomraader::Sidetekst side;
};
// What "På denne dag" lists for valgt, newest first: the written pages only.
QList<Minde> minder(const QString &strukturDir, const QDate &valgt);

} // namespace Dagbogsider
