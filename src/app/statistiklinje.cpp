#include "statistiklinje.h"

#include "core/kalender.h"
#include "core/statistik.h"
#include "platform/mapper.h"
#include "platform/programmappe.h"
#include "platform/sidetaelling.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

int statistikFraKommandolinje(const QString &struktur) {
    const QString strukturDir =
        Mapper::rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/");
    const int aar = dagbogsAar(struktur);
    if (!aar || !QFileInfo(strukturDir + struktur).isDir()) {
        std::fprintf(stderr, "%s\n",
                     QStringLiteral("dagbog: Dagbogen \"%1\" findes ikke.")
                         .arg(struktur)
                         .toLocal8Bit()
                         .constData());
        return 2;
    }
    // The root's program folder, or the installed one when the program has not run yet.
    QString programDir = Mapper::rod() + QStringLiteral("/Program");
    if (!QFileInfo::exists(programDir + QStringLiteral("/Dir")))
        programDir = Programmappe::installeretKopi();
    const Statistik::Oversigt o =
        Statistik::opsummer(aar, Sidetaelling::aar(strukturDir, aar),
                            Sidetaelling::stopord(programDir), QDate::currentDate());
    for (const QString &linje : Statistik::tekst(o))
        std::printf("%s\n", linje.toLocal8Bit().constData());
    return 0;
}
