// Loading the user's own word list of 200,000 words at start, against just
// reading its lines, in the same run; and the earlier rule (each word looked
// up in a list of the words so far) on a tenth of it.
#include "editor/stavemarkering.h"
#include "platform/tekstfil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString fil = tmp.filePath(QStringLiteral("ordbog.txt"));
    QStringList ord;
    for (int i = 0; i < 200000; ++i)
        ord << QStringLiteral("ærø%1ord").arg(i, 6, 36, QLatin1Char('q'));
    Tekstfil::skriv(fil, ord);

    QElapsedTimer t;
    t.start();
    const qsizetype linjer = Tekstfil::laesLinjer(fil).size();
    const double laes = t.nsecsElapsed() / 1e6;

    // The dictionary itself is loaded either way (at the first word asked about);
    // the word list is the difference. Loaded once first, so that both timed
    // loads find it in the file cache.
    TStavning(Stavekontrol::findOrdbog(), tmp.filePath(QStringLiteral("ingen.txt")))
        .korrekt(QStringLiteral("hus"));
    t.restart();
    TStavning uden(Stavekontrol::findOrdbog(), tmp.filePath(QStringLiteral("ingen.txt")));
    uden.korrekt(QStringLiteral("hus"));
    const double ordbog = t.nsecsElapsed() / 1e6;
    t.restart();
    TStavning stavning(Stavekontrol::findOrdbog(), fil);
    stavning.korrekt(QStringLiteral("hus"));
    const double hent = t.nsecsElapsed() / 1e6 - ordbog;

    t.restart();
    QStringList liste;
    for (const QString &o : ord.mid(0, 20000))
        if (!liste.contains(o)) liste << o;
    const double foer = t.nsecsElapsed() / 1e6;

    std::printf("reading the %lld lines (baseline): %.0f ms\n", qlonglong(linjer), laes);
    std::printf("loading the dictionary alone (%s): %.0f ms\n",
                uden.ordbogFindes() ? "installed" : "missing", ordbog);
    std::printf("loading 200,000 own words on top of it: %.0f ms\n", hent);
    std::printf("earlier rule, 20,000 words (grows with the square): %.0f ms\n", foer);
    return 0;
}
