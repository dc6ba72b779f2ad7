#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The delivered program folder: an installed program brings its own copy and
// puts it into the root's Program folder when that is missing or stems from
// another installation; run.sh does the same from the source tree.
namespace Programmappe {

// The file in a program folder that names the installation it came from.
inline constexpr char udgaveFil[] = "udgave.txt";
// The checksums of the files as last delivered, one "<sha256> <path>" a line.
inline constexpr char leveretFil[] = "leverede.txt";
// Where a new delivered file goes when the user has changed the old one.
inline constexpr char nyeUdgaver[] = "Nye udgaver";

// The installed copy beside the program (<prefix>/share/dagbog/Program), or
// empty when the program runs where it was built.
QString installeretKopi();

// A file's checksum as the list of delivered files holds it; empty when the
// file cannot be read.
QByteArray kontrolsum(const QString &sti);

// The list of delivered files of a program folder: path relative to it, '/'
// between folders, and the checksum it was delivered with.
QHash<QString, QByteArray> leverede(const QString &programDir);
bool gemLeverede(const QString &programDir, const QHash<QString, QByteArray> &liste);

struct Opdatering {
    bool kopieret = false;
    QStringList beholdt; // the user's changed files that were kept, relative
    bool fejl = false;   // a file could not be written; the next refresh tries again
};

// Copies the delivered files of `fra` into `til` when `til` is missing or its
// stamp differs from the one in `fra` (always with `altid`). A file is only
// replaced when it is unchanged since the last delivery; otherwise the user's
// file stays and the new one goes under "Nye udgaver". A structure's
// struktur.txt and data.txt are replaced or kept together. Nothing is ever
// deleted.
Opdatering opdater(const QString &fra, const QString &til, bool altid = false);

} // namespace Programmappe
