#pragma once

#include <QString>

// The find rule of the page editor and the page search: a word is whole when
// no letter, digit, mark or "_" touches it on either side; case is ignored by
// searching a folded copy of the text with a folded pattern.
namespace Ordsoegning {

bool erOrdtegn(QChar c);

// Simple case folding, one code unit for one, so positions stay the same.
QString foldet(const QString &s);

// First hit of `moenster` in [fra, slut) of `tekst`, or -1. `soeg` is the
// text searched: `tekst` itself, or its folded copy together with a folded
// `moenster`; the word borders are read in `tekst`.
qsizetype find(const QString &tekst, const QString &soeg, const QString &moenster, qsizetype fra,
               qsizetype slut, bool heleOrd);

// The whole-word, case-blind search of a page's text.
qsizetype findHeltOrd(const QString &tekst, const QString &ord);

} // namespace Ordsoegning
