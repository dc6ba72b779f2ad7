#pragma once

#include "tekstomraader.h"

#include <QList>
#include <QString>
#include <QStringList>

// Two versions of a text compared word by word: which words stayed, which
// came and which went, as few as possible, and that shown as HTML. The words
// are those of the words rule, so the counts agree with the statistics.
namespace Ordforskel {

// A text cut at its words: each word with what follows it up to the next
// word (blanks, punctuation), and what stands before the first.
struct Ordtekst {
    QString foer;
    QStringList ord;
    QStringList efter;
};
Ordtekst ordtekst(const Tekstomraader::Sidetekst &side);
// A page by the words rule; a style sheet or a script as its plain text.
Ordtekst afSide(QStringView html);
Ordtekst afKode(QStringView kode);

enum class Slags : quint8 { Beholdt, Tilfoejet, Fjernet };

struct Stykke {
    Slags slags = Slags::Beholdt;
    QString tekst; // the words with what follows each of them
    int ord = 0;
    bool operator==(const Stykke &) const = default;
};

// From gammel to ny: runs of kept, removed and added words, a removal before
// the addition that replaces it. Kept words carry ny's punctuation.
QList<Stykke> forskel(const Ordtekst &gammel, const Ordtekst &ny);

struct Antal {
    int tilfoejet = 0;
    int fjernet = 0;
    bool operator==(const Antal &) const = default;
};
Antal antal(const QList<Stykke> &stykker);
// "+12 −3 ord"
QString antalTekst(const Antal &a);

// The runs as an HTML fragment: added words green, removed ones red and struck through.
QString html(const QList<Stykke> &stykker);

} // namespace Ordforskel
