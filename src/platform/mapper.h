#pragma once

#include <QString>

// Where the diary lives and who the user is.
namespace Mapper {

// C:\Dagbogsmappe on Windows, $HOME/Dagbogsmappe elsewhere; DAGBOG_ROOT overrides.
// Without a trailing separator.
QString rod();

// The logon name; "Bruger" when it cannot be had or is empty.
QString brugernavn();

// Creates a folder when missing; failures are not reported.
void opretMappe(const QString &sti);

// Copies a file when the target is missing; never overwrites, failures ignored.
void kopierHvisMangler(const QString &fra, const QString &til);

} // namespace Mapper
