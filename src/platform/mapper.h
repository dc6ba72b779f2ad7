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

// Deletes a folder with all it holds. A folder that is a symbolic link loses
// the link only, never what it points to. False when anything is left.
bool sletMappe(const QString &sti);

// Puts a copy of fra at til, replacing til only once the whole copy is written,
// so a failed copy leaves til as it was. The same file (by canonical path) is
// left alone. False when the copy failed.
bool kopierOver(const QString &fra, const QString &til);

// Puts the picture fra into the folder mappe (ending in a separator) without
// ever replacing another picture: a file of that name with the same bytes is
// reused, one with other bytes gets the copy a free name ("navn (2).jpg").
// The file name used, empty when the copy failed.
QString kopierBillede(const QString &fra, const QString &mappe);

// Moves a file to the user's trash. The trash folder is made first (Qt 6.4 does
// not make a missing data folder, and then puts the file in files/ under the
// working folder and calls that success); a file that did not land in a trash
// folder is put back. False when the file is not in the trash.
bool tilPapirkurv(const QString &sti);

} // namespace Mapper
