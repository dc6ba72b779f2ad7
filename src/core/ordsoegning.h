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

// The same search straight on the bytes of a text with one byte per character
// (a file without a byte-order mark), so a page is not decoded before it is
// searched. `tegn` gives each byte's character.
class EnByteSoegning {
public:
    explicit EnByteSoegning(char32_t (*tegn)(unsigned char));
    // `foldetOrd` folded with foldet(); the position of the first hit, or -1.
    qsizetype find(const QByteArray &data, const QString &foldetOrd) const;

private:
    char16_t m_foldet[256];
    bool m_ordtegn[256];
    mutable QString m_buffer; // reused from page to page
};

} // namespace Ordsoegning
