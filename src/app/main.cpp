#include "app/kommandolinje.h"
#include "app/vinduer.h"
#include "main/mainform.h"
#include "platform/enkeltinstans.h"
#include "platform/mapper.h"
#include "platform/programmappe.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv) {
    // Read before the application exists: help, version and a wrong date need no screen.
    QStringList argumenter;
    for (int i = 0; i < argc; ++i)
        argumenter << QString::fromLocal8Bit(argv[i]);
    const Kommandolinje k = laesKommandolinje(argumenter, QDate::currentDate());
    if (!k.start) return k.afslut();
    if (!k.rod.isEmpty()) qputenv("DAGBOG_ROOT", k.rod.toLocal8Bit());

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dagbog"));
    QApplication::setApplicationVersion(QStringLiteral(DAGBOG_UDGAVE));
    QGuiApplication::setDesktopFileName(QStringLiteral("dagbog"));

    if (k.udskriv) {
        // The book writer is called here: return udskrivBog(k.udskrivStruktur, k.udskrivFil);
        std::fputs("dagbog: --udskriv kan ikke bruges endnu.\n", stderr);
        return 2;
    }

    TEnkeltInstans instans(TEnkeltInstans::navnFor(Mapper::brugernavn(), Mapper::rod()));
    if (!instans.start(beskedTilKoerende(k))) return 0; // the running program took it

    Programmappe::opdater(Programmappe::installeretKopi(),
                          Mapper::rod() + QStringLiteral("/Program"));
    opretVinduer();
    QObject::connect(&instans, &TEnkeltInstans::besked, &udfoerBesked);
    if (k.dato) mainform->aabnDato(*k.dato);
    const int resultat = app.exec();
    nedlaegVinduer();
    return resultat;
}
