#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for.
struct Kommandolinje {
    // False: end at once with `slutkode`, after `udskrift` (standard output)
    // or `fejl` (one line on standard error).
    bool start = true;
    int slutkode = 0;
    QString udskrift;
    QString fejl;

    QString rod;               // --rod: another root, as DAGBOG_ROOT
    std::optional<QDate> dato; // --dato: select it and open its page
    // --udskriv STRUKTUR FIL: the structure written as a book, without a window.
    bool udskriv = false;
    QString udskrivStruktur;
    QString udskrivFil;
    // --statistik STRUKTUR: the diary year in figures on standard output, without a window.
    bool statistik = false;
    QString statistikStruktur;
    // --opdater-programmappe FRA (for the install script): the root's program
    // folder refreshed from FRA by the same rule as at start, then the end.
    QString programmappeFra;

    // Prints what there is to print and gives the exit code.
    int afslut() const;
};

// `argumenter` as main() receives them, the program's own name first.
Kommandolinje laesKommandolinje(const QStringList &argumenter, const QDate &idag);

// The root's program folder refreshed from `fra` (run.sh's install step);
// the kept files on standard output. The exit code.
int opdaterProgrammappeFraKommandolinje(const QString &fra);

// What a second start hands the running program, and how that program carries
// it out: the date's page opened, and the main window brought forward.
QByteArray beskedTilKoerende(const Kommandolinje &k);
void udfoerBesked(const QByteArray &besked);
