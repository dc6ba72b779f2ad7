#pragma once

#include "core/statistik.h"

#include <QDate>
#include <QMap>
#include <QSet>
#include <QString>

// What each day page of a year holds, counted by the words rule. A page counted
// before, with the same size and time, is not read again: the counts are kept
// in memory and in the user's cache folder, never beside the diary (which the
// backups fingerprint).
namespace Sidetaelling {

// The day pages of the year aar, counted.
Statistik::Aarstal aar(const QString &strukturDir, int aar);

// The file that keeps a year's counts between runs.
QString cachefil(const QString &strukturDir, int aar);

// Forgets what is kept in memory (the file stays), as a new run would.
void glem();

// The Danish stop words of the program folder, one a line; none when the list is missing.
QSet<QString> stopord(const QString &programDir);

} // namespace Sidetaelling
