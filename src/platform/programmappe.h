#pragma once

#include <QString>

// The delivered program folder: an installed program brings its own copy and
// puts it into the root's Program folder when that is missing or stems from
// another installation.
namespace Programmappe {

// The file in a program folder that names the installation it came from.
inline constexpr char udgaveFil[] = "udgave.txt";

// The installed copy beside the program (<prefix>/share/dagbog/Program), or
// empty when the program runs where it was built.
QString installeretKopi();

// Copies every file of `fra` into `til`, over the delivered files already
// there, when `til` is missing or its stamp differs from the one in `fra`.
// Nothing in `til` is ever deleted, so structures the user made stay.
// Returns true when it copied.
bool opdater(const QString &fra, const QString &til);

} // namespace Programmappe
