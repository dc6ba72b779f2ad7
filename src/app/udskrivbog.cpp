#include "udskrivbog.h"

#include "controls/struktur.h"
#include "main/bogudskrift.h"
#include "platform/mapper.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <cstdio>

namespace {

void linje(const QString &tekst) {
    std::fprintf(stderr, "%s\n", tekst.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int udskrivDagbogFraKommandolinje(const QString &struktur, const QString &fil) {
    if (struktur.isEmpty() || fil.isEmpty()) {
        linje(QStringLiteral("Brug: dagbog --udskriv \"Dagbog 2024\" bog.pdf (eller bog.html)"));
        return 2;
    }
    const QString mappe =
        Mapper::rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/");
    const QString strukturMappe = mappe + struktur;
    // Only a name of the user's own structures, not a path elsewhere.
    if (struktur.contains(u'/') || struktur.contains(u'\\') || struktur.startsWith(u'.') ||
        !QFileInfo(strukturMappe + QStringLiteral("/struktur.txt")).isFile()) {
        linje(QStringLiteral("Strukturen \"%1\" findes ikke.").arg(struktur));
        return 2;
    }

    TStruktur trae;
    trae.setDataOn(true);
    trae.setStrukturfile(strukturMappe + QStringLiteral("/struktur.txt"));
    trae.setDatafile(strukturMappe + QStringLiteral("/data.txt"));
    trae.setInfomappe(strukturMappe + QStringLiteral("/tekstfiler/"));
    trae.setBilledmappe(strukturMappe + QStringLiteral("/Billeder/"));
    try {
        // A missing data file would be written by the load; the book changes nothing.
        if (!QFileInfo::exists(trae.Datafile())) trae.setDataOn(false);
        trae.HentStruktur();
    } catch (const Tekstfil::FilFejl &f) {
        linje(f.besked());
        return 1;
    }

    const QString maal = QFileInfo(fil).absoluteFilePath();
    const QString egenskaber =
        Mapper::rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber");
    TBogudskrift bog(trae, struktur, mappe + QStringLiteral("design.css"),
                     TBogudskrift::tommeSider(egenskaber));
    QEventLoop loekke;
    int resultat = 1;
    int sidstMeldt = -1;
    QObject::connect(&bog, &TBogudskrift::fremskridt, &bog, [&](int laest, int alle) {
        if (laest < alle) {
            // About every tenth of the way.
            if (laest * 10 / qMax(1, alle) == sidstMeldt) return;
            sidstMeldt = laest * 10 / qMax(1, alle);
            linje(QStringLiteral("Læser side %1 af %2").arg(laest).arg(alle));
        } else {
            linje(QStringLiteral("Læst %1 sider, skriver %2 …")
                      .arg(alle)
                      .arg(QDir::toNativeSeparators(maal)));
        }
    });
    QObject::connect(&bog, &TBogudskrift::faerdig, &bog, [&](bool ok, const QString &fejl) {
        for (const QString &side : bog.mangler())
            linje(QStringLiteral("Siden \"%1\" findes ikke og er sprunget over.").arg(side));
        if (ok)
            linje(
                QStringLiteral("Dagbogen er skrevet til %1.").arg(QDir::toNativeSeparators(maal)));
        else
            linje(QStringLiteral("Dagbogen kunne ikke udskrives. ") + fejl);
        resultat = ok ? 0 : 1;
        loekke.quit();
    });
    bog.start(maal);
    loekke.exec();
    return resultat;
}
