// A generated diary for the benchmarks: a root with the delivered program
// folder and a returning user whose years hold a page for every day, each
// about 4 KB of markup and Danish text as a diary page would have.
#pragma once

#include "core/kalender.h"
#include "platform/mapper.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

namespace Generator {

inline void skriv(const QString &sti, const QByteArray &data) {
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    if (f.open(QIODevice::WriteOnly)) f.write(data);
}

inline QByteArray ansi(const QStringList &linjer) {
    return (linjer.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

inline QByteArray side(const QString &titel, const QString &klasse, int n) {
    static const QStringList saetninger{
        QStringLiteral("I dag gik vi en lang tur langs stranden, og vinden blæste hårdt fra vest."),
        QStringLiteral("Om eftermiddagen kom naboen forbi med æbler fra haven og en kande kaffe."),
        QStringLiteral("Toget var forsinket igen, så jeg læste et kapitel mere i bogen om øerne."),
        QStringLiteral("Vi spiste aftensmad ude i gården, mens solen gik ned bag kirken."),
        QStringLiteral("Børnene byggede en hule i skoven og kom hjem med mudder til knæene."),
        QStringLiteral("Mødet på kontoret trak ud, men vi blev enige om planen for foråret."),
    };
    QStringList l{QStringLiteral("<!DOCTYPE html>"),
                  QStringLiteral("<html>"),
                  QStringLiteral("<head>"),
                  QStringLiteral("<title>%1</title>").arg(titel),
                  QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; "
                                 "charset=windows-1252\">"),
                  QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
                  QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" "
                                 "href=\"..\\..\\design.css\">"),
                  QStringLiteral("<script type=\"text/javascript\" "
                                 "src=\"..\\..\\funktioner.js\"></script>"),
                  QStringLiteral("</head>"),
                  QStringLiteral("<body>"),
                  QStringLiteral("<div class=\"%1\">%2</div>").arg(klasse, titel),
                  QStringLiteral("<DIV class=\"HovedSpalte\">")};
    for (int i = 0; i < 48; ++i)
        l << QStringLiteral("<p>") + saetninger[(n + i) % saetninger.size()] +
                 QStringLiteral("</p>");
    // A word on every seventh page, for a search with a few hits.
    if (n % 7 == 3) l << QStringLiteral("<p>Sejltur med Karen til Hven.</p>");
    l << QStringLiteral("</DIV>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return ansi(l);
}

// A year's structure as the program makes it: the year, its months, every day.
// Returns the number of pages.
inline int aar(const QString &strukturDir, int y) {
    const QString navn = strukturNavnFor(y);
    const QString mappe = strukturDir + navn + u'/';
    QDir().mkpath(mappe + QStringLiteral("Billeder"));
    QStringList struktur{navn}, data{u'0' + navn};
    int n = 0;
    skriv(mappe + QStringLiteral("tekstfiler/") + navn + QStringLiteral(".html"),
          side(navn, QStringLiteral("overskriftAar"), n++));
    for (int m = 1; m <= 12; ++m) {
        const QDate foerste(y, m, 1);
        const QString mNavn = maanedElementNavn(foerste);
        struktur << u'\t' + mNavn;
        data << u'1' + mNavn;
        skriv(mappe + QStringLiteral("tekstfiler/") + mNavn + QStringLiteral(".html"),
              side(maanedNavn(m) + u' ' + QString::number(y), QStringLiteral("overskriftMaaned"),
                   n++));
        for (QDate d = foerste; d.month() == m; d = d.addDays(1)) {
            const QString dNavn = dagElementNavn(d);
            struktur << QStringLiteral("\t\t") + dNavn;
            data << u'6' + dNavn;
            skriv(mappe + QStringLiteral("tekstfiler/") + dNavn + QStringLiteral(".html"),
                  side(dNavn, QStringLiteral("overskrift"), n++));
        }
    }
    skriv(mappe + QStringLiteral("struktur.txt"), ansi(struktur));
    skriv(mappe + QStringLiteral("data.txt"), ansi(data));
    return n;
}

inline void kopier(const QString &fra, const QString &til) {
    QDirIterator it(fra, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString kilde = it.next();
        const QString maal = til + kilde.mid(fra.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(maal);
        else
            QFile::copy(kilde, maal);
    }
}

// The root with the program folder and a user who has written before (no
// welcome). Returns the user's Struktur folder, with its separator.
inline QString rod(const QString &rodmappe) {
    QDir().mkpath(rodmappe + QStringLiteral("/Program"));
    kopier(QStringLiteral(DAGBOG_DATA_DIR), rodmappe + QStringLiteral("/Program"));
    const QString bruger = rodmappe + u'/' + Mapper::brugernavn();
    const QString strukturDir = bruger + QStringLiteral("/Struktur/");
    QDir().mkpath(strukturDir);
    QFile::copy(rodmappe + QStringLiteral("/Program/Html/design.css"),
                strukturDir + QStringLiteral("design.css"));
    QFile::copy(rodmappe + QStringLiteral("/Program/Html/funktioner.js"),
                strukturDir + QStringLiteral("funktioner.js"));
    skriv(bruger + QStringLiteral("/Egenskaber/mainform.txt"),
          ansi({QStringLiteral("Sky"), QStringLiteral("64"), QStringLiteral("100"),
                QStringLiteral("889"), QStringLiteral("930"), QStringLiteral("0"),
                strukturNavnFor(QDate::currentDate().year()), QStringLiteral("Courier New"),
                QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0")}));
    return strukturDir;
}

} // namespace Generator
