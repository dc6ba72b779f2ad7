#include "core/rotation.h"
#include "platform/programmappe.h"
#include "platform/sikkerhedskopi.h"
#include "platform/tekstfil.h"
#include "platform/zipfil.h"
#include "testhjaelp.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

class TstSikkerhedskopi : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> tmp;
    QString bruger, program, kopier;
    QMap<QString, QByteArray> dagbog; // relative path -> bytes, as written
    void skriv(const QString &rel, const QByteArray &data) {
        skrivBytes(bruger + u'/' + rel, data);
        dagbog[rel] = data;
    }
    Sikkerhedskopi::Resultat lavKopi(const QDate &dag, const std::atomic<bool> *afbryd = nullptr) {
        return Sikkerhedskopi::lav(bruger, program, kopier, dag, afbryd);
    }
    int lav(const QDate &dag) { return int(lavKopi(dag).udfald); }
    QString fingeraftryk() {
        Sikkerhedskopi::Kontrolsummer summer(tmp->path() + QStringLiteral("/summer.txt"));
        return Sikkerhedskopi::fingeraftryk(Sikkerhedskopi::indhold(bruger, program, summer),
                                            summer);
    }
    static QStringList navne(const QList<Sikkerhedskopi::Struktur> &strukturer) {
        QStringList ud;
        for (const Sikkerhedskopi::Struktur &s : strukturer)
            ud << (s.iProgrammappe ? QStringLiteral("Program/") : QString()) + s.navn;
        return ud;
    }
    // Day pages with Danish names and text, as the program makes them.
    void lavDagbog(int aarstal) {
        const QLocale dansk(QLocale::Danish, QLocale::Denmark);
        for (int aar = 2025 - aarstal; aar <= 2024; ++aar) {
            const QString mappe = QStringLiteral("Struktur/Dagbog %1/").arg(aar);
            QStringList struktur{QStringLiteral("Dagbog %1").arg(aar)},
                data{QStringLiteral("0Dagbog %1").arg(aar)};
            for (QDate d(aar, 1, 1); d.year() == aar; d = d.addDays(1)) {
                QString dag = d.toString(QStringLiteral("MM dd ")) + dansk.dayName(d.dayOfWeek());
                dag[6] = dag[6].toUpper();
                struktur << u'\t' + dag;
                data << u'3' + dag;
                const QString tekst =
                    QStringLiteral("<p>Kære dagbog, %1: blæst, sol og æbleskiver.</p>")
                        .arg(dansk.toString(d, QLocale::LongFormat));
                skriv(mappe + QStringLiteral("tekstfiler/") + dag + QStringLiteral(".html"),
                      Tekstfil::kod(tekst, Tekstfil::Kodning::Ansi) + "\r\n");
            }
            skriv(mappe + QStringLiteral("struktur.txt"),
                  Tekstfil::kod(struktur.join(QStringLiteral("\r\n")), Tekstfil::Kodning::Ansi));
            skriv(mappe + QStringLiteral("data.txt"),
                  Tekstfil::kod(data.join(QStringLiteral("\r\n")), Tekstfil::Kodning::Ansi));
            QDir().mkpath(bruger + u'/' + mappe + QStringLiteral("Billeder"));
        }
        skriv(QStringLiteral("Struktur/design.css"), "body { color: #333; }\r\n");
        skriv(QStringLiteral("Struktur/funktioner.js"), "function showBox() {}\r\n");
        skriv(QStringLiteral("Egenskaber/mainform.txt"), "Sky\r\n64\r\n");
        // Unsaved text belongs to no backup.
        skrivBytes(bruger + QStringLiteral("/Egenskaber/Gendan/x.html-1.txt"), "kladde");
    }
    QMap<QString, QByteArray> udpakket(const QString &arkiv) {
        const QString ud = tmp->path() + QStringLiteral("/ud");
        QDir(ud).removeRecursively();
        QProcess p;
        p.start(QStringLiteral("unzip"), {QStringLiteral("-q"), arkiv, QStringLiteral("-d"), ud});
        p.waitForFinished(60000);
        QMap<QString, QByteArray> filer;
        for (QDirIterator it(ud, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString sti = it.next();
            filer[sti.mid(ud.size() + 1)] = laesBytes(sti);
        }
        return filer;
    }

private slots:
    void init() {
        tmp.reset(new QTemporaryDir);
        bruger = tmp->path() + QStringLiteral("/Bruger");
        program = tmp->path() + QStringLiteral("/Program");
        kopier = bruger + QStringLiteral("/Sikkerhedskopier/");
        dagbog.clear();
        // Three years where the content matters, one where only the archives do.
        lavDagbog(QTest::currentTestFunction() == QByteArray("treAarIKopien") ? 3 : 1);
    }
    void cleanup() { tmp.reset(); }

    void treAarIKopien() {
        const Sikkerhedskopi::Resultat r = lavKopi(QDate(2024, 12, 31));
        QCOMPARE(int(r.udfald), int(Sikkerhedskopi::Udfald::Lavet));
        QCOMPARE(r.arkiv, QStringLiteral("Dagbog-2024-12-31.zip"));
        const QString arkiv = kopier + r.arkiv;
        QVERIFY(!QFileInfo::exists(arkiv + QStringLiteral(".tmp")));
        QProcess test;
        test.start(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-qq"), arkiv});
        QVERIFY(test.waitForFinished(60000));
        QCOMPARE(test.exitCode(), 0);
        const QMap<QString, QByteArray> ud = udpakket(arkiv);
        QCOMPARE(ud.size(), dagbog.size());
        for (auto it = dagbog.cbegin(); it != dagbog.cend(); ++it)
            QVERIFY2(ud.value(it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(
            QFileInfo(tmp->path() + QStringLiteral("/ud/Struktur/Dagbog 2023/Billeder")).isDir());
        QCOMPARE(navne(Sikkerhedskopi::strukturer(arkiv)),
                 QStringList({"Dagbog 2022", "Dagbog 2023", "Dagbog 2024"}));

        // One structure unpacked under a new name, byte for byte.
        const QString aar = QStringLiteral("Struktur/Dagbog 2023");
        const QString maal = bruger + u'/' + aar + QStringLiteral(" (gendannet 2024-12-31)");
        QVERIFY(Zipfil::udpak(arkiv, aar + u'/', maal));
        int antal = 0;
        for (auto it = dagbog.cbegin(); it != dagbog.cend(); ++it) {
            if (!it.key().startsWith(aar + u'/')) continue;
            QVERIFY2(laesBytes(maal + it.key().mid(aar.size())) == it.value(),
                     qPrintable(it.key()));
            ++antal;
        }
        QCOMPARE(antal, 365 + 2);
        QVERIFY(QFileInfo(maal + QStringLiteral("/Billeder")).isDir());
        // Never over a folder that is there.
        const QByteArray data = laesBytes(maal + QStringLiteral("/data.txt"));
        QVERIFY(!Zipfil::udpak(arkiv, QStringLiteral("Struktur/Dagbog 2022/"), maal));
        QCOMPARE(laesBytes(maal + QStringLiteral("/data.txt")), data);
    }

    void uaendretSpringesOver() {
        const int lavet = int(Sikkerhedskopi::Udfald::Lavet),
                  uaendret = int(Sikkerhedskopi::Udfald::Uaendret);
        QCOMPARE(lav(QDate(2024, 5, 1)), lavet);
        // Only the recovery folder changed: nothing to keep.
        skrivBytes(bruger + QStringLiteral("/Egenskaber/Gendan/y.html-2.txt"), "mere kladde");
        QCOMPARE(lav(QDate(2024, 5, 2)), uaendret);
        QVERIFY(!QFileInfo::exists(kopier + QStringLiteral("Dagbog-2024-05-02.zip")));
        // A page removed is a change, though no file got newer.
        QVERIFY(QFile::remove(
            bruger + QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/01 01 Mandag.html")));
        QCOMPARE(lav(QDate(2024, 5, 3)), lavet);
        // The same bytes written again are no change.
        skriv(QStringLiteral("Struktur/design.css"), "body { color: #333; }\r\n");
        QCOMPARE(lav(QDate(2024, 5, 4)), uaendret);
    }

    // An unchanged diary is not read again; a changed page is read alone.
    void kunDetAendredeLaeses() {
        const Sikkerhedskopi::Resultat foerste = lavKopi(QDate(2024, 5, 1));
        QCOMPARE(foerste.laest, int(dagbog.size()));
        const Sikkerhedskopi::Resultat anden = lavKopi(QDate(2024, 5, 2));
        QCOMPARE(int(anden.udfald), int(Sikkerhedskopi::Udfald::Uaendret));
        QCOMPARE(anden.laest, 0);
        skriv(QStringLiteral("Struktur/design.css"), "body { color: #444; }\r\n");
        const Sikkerhedskopi::Resultat tredje = lavKopi(QDate(2024, 5, 3));
        QCOMPARE(int(tredje.udfald), int(Sikkerhedskopi::Udfald::Lavet));
        QCOMPARE(tredje.laest, 1);
    }

    void fejlRoererIkkeDagbogen_data() {
        QTest::addColumn<bool>("filIVejen");
        QTest::addColumn<QString>("fejl");
        QTest::newRow("mappen er en fil") << true << "Sikkerhedskopier: mappen kan ikke oprettes";
        QTest::newRow("arkivet kan ikke omdøbes")
            << false << "Dagbog-2024-06-01.zip.tmp: kan ikke omdøbes til Dagbog-2024-06-01.zip";
    }
    // Says which file and why; the rotation does not run.
    void fejlRoererIkkeDagbogen() {
        QFETCH(bool, filIVejen);
        QFETCH(QString, fejl);
        const QString foer = fingeraftryk();
        if (filIVejen) {
            skrivBytes(bruger + QStringLiteral("/Sikkerhedskopier"), "ikke en mappe");
        } else { // a folder in the way of the archive's name, and old archives to rotate away
            QVERIFY(QDir().mkpath(kopier + QStringLiteral("Dagbog-2024-06-01.zip/x")));
            for (int i = 1; i <= 9; ++i)
                skrivBytes(kopier + Rotation::arkivnavn(QDate(2024, 5, i)), "gammel");
        }
        const QStringList arkiverFoer = QDir(kopier).entryList(QDir::Files);
        const Sikkerhedskopi::Resultat r = lavKopi(QDate(2024, 6, 1));
        QCOMPARE(int(r.udfald), int(Sikkerhedskopi::Udfald::Fejl));
        QVERIFY2(r.fejl.endsWith(QDir::toNativeSeparators(fejl)), qPrintable(r.fejl));
        QCOMPARE(fingeraftryk(), foer);
        QCOMPARE(QDir(kopier).entryList(QDir::Files), arkiverFoer);
        QVERIFY(!QFileInfo::exists(kopier + QStringLiteral("Dagbog-2024-06-01.zip.tmp")));
    }

    void sprungetOverRoererIntet() {
        QCOMPARE(lav(QDate(2024, 5, 1)), int(Sikkerhedskopi::Udfald::Lavet));
        skriv(QStringLiteral("Struktur/design.css"), "body { color: #555; }\r\n");
        const QByteArray foer = laesBytes(kopier + QStringLiteral("Dagbog-2024-05-01.zip"));
        const std::atomic<bool> afbryd{true};
        QCOMPARE(int(lavKopi(QDate(2024, 5, 2), &afbryd).udfald),
                 int(Sikkerhedskopi::Udfald::Sprunget));
        QCOMPARE(QDir(kopier).entryList({QStringLiteral("*.zip*")}, QDir::Files),
                 QStringList{"Dagbog-2024-05-01.zip"});
        QCOMPARE(laesBytes(kopier + QStringLiteral("Dagbog-2024-05-01.zip")), foer);
    }

    // The structures of the shared program folder: only what the user made or
    // changed there goes into the archive.
    void programmetsStrukturer_data() {
        QTest::addColumn<QString>("aendring"); // path under Program/ = bytes; empty: none
        QTest::addColumn<QStringList>("medtaget");
        QTest::newRow("som leveret") << "" << QStringList{};
        QTest::newRow("egen struktur")
            << "Struktur/Opskrifter/struktur.txt=Opskrifter" << QStringList{"Program/Opskrifter"};
        QTest::newRow("leveret side ændret")
            << "Struktur/Hjælp/tekstfiler/Hjælp.html=<p>min</p>" << QStringList{"Program/Hjælp"};
        QTest::newRow("ny side i en leveret")
            << "Struktur/Hjælp/tekstfiler/Ny.html=<p>ny</p>" << QStringList{"Program/Hjælp"};
        QTest::newRow("ved siden af strukturerne")
            << "Nye udgaver/Struktur/Hjælp/data.txt=0x" << QStringList{};
    }
    void programmetsStrukturer() {
        QFETCH(QString, aendring);
        QFETCH(QStringList, medtaget);
        const QString leveret = tmp->path() + QStringLiteral("/leveret");
        skrivBytes(leveret + QStringLiteral("/Struktur/Hjælp/struktur.txt"), "Hjælp\r\n");
        skrivBytes(leveret + QStringLiteral("/Struktur/Hjælp/tekstfiler/Hjælp.html"), "<p>x</p>");
        QVERIFY(!Programmappe::opdater(leveret, program).fejl);
        if (!aendring.isEmpty())
            skrivBytes(program + u'/' + aendring.section(u'=', 0, 0),
                       aendring.section(u'=', 1).toUtf8());
        QCOMPARE(lav(QDate(2024, 5, 1)), int(Sikkerhedskopi::Udfald::Lavet));
        const QString arkiv = kopier + QStringLiteral("Dagbog-2024-05-01.zip");
        QCOMPARE(navne(Sikkerhedskopi::strukturer(arkiv)), QStringList{"Dagbog 2024"} + medtaget);
        if (medtaget.isEmpty()) return;
        const QString navn = medtaget.first().mid(8);
        const QString maal = tmp->path() + QStringLiteral("/gendannet");
        QVERIFY(Zipfil::udpak(arkiv, QStringLiteral("Program/Struktur/") + navn + u'/', maal));
        const QString fil = aendring.section(u'=', 0, 0).mid(navn.size() + 10);
        QCOMPARE(laesBytes(maal + u'/' + fil), aendring.section(u'=', 1).toUtf8());
    }

    // A new archive is read back before it replaces anything.
    void kontrolFinderFejl_data() {
        QTest::addColumn<bool>("oedelagt");
        QTest::newRow("hel") << false;
        QTest::newRow("en byte ændret") << true;
    }
    void kontrolFinderFejl() {
        QFETCH(bool, oedelagt);
        const QString arkiv = tmp->path() + QStringLiteral("/a.zip");
        const QByteArray tekst = QByteArray("Kære dagbog. ").repeated(400);
        skrivBytes(tmp->path() + QStringLiteral("/side.html"), tekst);
        QVERIFY(
            Zipfil::skriv(arkiv, {{"side.html", tmp->path() + QStringLiteral("/side.html")}}, {})
                .fejl.isEmpty());
        QByteArray bytes = laesBytes(arkiv);
        if (oedelagt) {
            // The first entry's data starts after its local header, name and extra field.
            const auto felt = [&](int i) { return uchar(bytes[i]) | uchar(bytes[i + 1]) << 8; };
            bytes[30 + felt(26) + felt(28) + 5] ^= 0x55;
            skrivBytes(arkiv, bytes);
        }
        QCOMPARE(Zipfil::kontroller(arkiv).isEmpty(), !oedelagt);
    }

    // A file gone since the list was made is left out, named; the rest is written.
    void forsvundenFilUdelades() {
        const QString side = tmp->path() + QStringLiteral("/side.html");
        skrivBytes(side, "<p>her</p>");
        const QString arkiv = tmp->path() + QStringLiteral("/a.zip");
        const Zipfil::Skrivning s = Zipfil::skriv(
            arkiv, {{"side.html", side}, {"væk.html", tmp->path() + QStringLiteral("/væk.html")}},
            {});
        QVERIFY(s.fejl.isEmpty());
        QCOMPARE(s.udeladt, QStringList{"væk.html"});
        QList<Zipfil::Post> poster;
        QVERIFY(Zipfil::poster(arkiv, &poster));
        QCOMPARE(poster.size(), 1);
        QCOMPARE(poster.first().navn, QStringLiteral("side.html"));
    }

    // Forty days in a row, a page changed each day: the folder holds exactly
    // the archives the rotation keeps, the newest with the last change.
    void rotationPaaDisken() {
        const QString side = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/01 15 Mandag.html");
        for (int i = 0; i < 40; ++i) {
            skriv(side, QByteArray("<p>Dag ") + QByteArray::number(i) + "</p>\r\n");
            QCOMPARE(lav(QDate(2025, 1, 15).addDays(i)), int(Sikkerhedskopi::Udfald::Lavet));
        }
        QStringList ventet{"Dagbog-2025-01-31.zip"};
        for (int dag = 17; dag <= 23; ++dag)
            ventet << QStringLiteral("Dagbog-2025-02-%1.zip").arg(dag);
        QCOMPARE(QDir(kopier).entryList(QDir::Files, QDir::Name), ventet);
        QCOMPARE(udpakket(kopier + ventet.last()).value(side), QByteArray("<p>Dag 39</p>\r\n"));
    }

    void udpakAfviserFarligeNavne_data() {
        QTest::addColumn<QString>("navn");
        QTest::newRow("op af mappen") << "Struktur/A/../../uden.txt";
        QTest::newRow("omvendt skråstreg") << "Struktur/A/..\\uden.txt";
    }
    void udpakAfviserFarligeNavne() {
        QFETCH(QString, navn);
        skrivBytes(bruger + QStringLiteral("/Struktur/A/ok.txt"), "ok");
        skrivBytes(bruger + u'/' + navn, "x");
        const QString arkiv = tmp->path() + QStringLiteral("/ond.zip");
        QVERIFY(Zipfil::skriv(arkiv,
                              {{"Struktur/A/ok.txt", bruger + QStringLiteral("/Struktur/A/ok.txt")},
                               {navn, bruger + u'/' + navn}},
                              {})
                    .fejl.isEmpty());
        const QString maal = tmp->path() + QStringLiteral("/ny/A");
        QVERIFY(!Zipfil::udpak(arkiv, QStringLiteral("Struktur/A/"), maal));
        QVERIFY(!QFileInfo::exists(maal));
        QVERIFY(!QFileInfo::exists(tmp->path() + QStringLiteral("/ny/uden.txt")));
    }
};

QTEST_GUILESS_MAIN(TstSikkerhedskopi)
#include "tst_sikkerhedskopi.moc"
