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
    QString bruger, kopier;
    QMap<QString, QByteArray> dagbog; // relative path -> bytes, as written
    void skriv(const QString &rel, const QByteArray &data) {
        skrivBytes(bruger + u'/' + rel, data);
        dagbog[rel] = data;
    }
    int lav(const QDate &dag) { return int(Sikkerhedskopi::lav(bruger, kopier, dag).udfald); }
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
        // Nor does the history, a copy of every version of its own.
        skrivBytes(bruger + QStringLiteral("/Historik.git/HEAD"), "ref: refs/heads/main\n");
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
        kopier = bruger + QStringLiteral("/Sikkerhedskopier/");
        dagbog.clear();
        // Three years where the content matters, one where only the archives do.
        lavDagbog(QTest::currentTestFunction() == QByteArray("treAarIKopien") ? 3 : 1);
    }
    void cleanup() { tmp.reset(); }

    void treAarIKopien() {
        const Sikkerhedskopi::Resultat r = Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 12, 31));
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
        QCOMPARE(Sikkerhedskopi::strukturer(arkiv),
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

    void fejlRoererIkkeDagbogen_data() {
        QTest::addColumn<bool>("filIVejen");
        QTest::newRow("mappen er en fil") << true;
        QTest::newRow("arkivet kan ikke omdøbes") << false;
    }
    void fejlRoererIkkeDagbogen() {
        QFETCH(bool, filIVejen);
        const QString foer = Sikkerhedskopi::fingeraftryk(bruger, Sikkerhedskopi::indhold(bruger));
        if (filIVejen)
            skrivBytes(bruger + QStringLiteral("/Sikkerhedskopier"), "ikke en mappe");
        else // a folder in the way of the archive's name
            QVERIFY(QDir().mkpath(kopier + QStringLiteral("Dagbog-2024-06-01.zip/x")));
        QCOMPARE(lav(QDate(2024, 6, 1)), int(Sikkerhedskopi::Udfald::Fejl));
        QCOMPARE(Sikkerhedskopi::fingeraftryk(bruger, Sikkerhedskopi::indhold(bruger)), foer);
        QVERIFY(!QFileInfo::exists(kopier + QStringLiteral("Dagbog-2024-06-01.zip.tmp")));
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
        QVERIFY(Zipfil::skriv(arkiv, bruger, {QStringLiteral("Struktur/A/ok.txt"), navn}, {}));
        const QString maal = tmp->path() + QStringLiteral("/ny/A");
        QVERIFY(!Zipfil::udpak(arkiv, QStringLiteral("Struktur/A/"), maal));
        QVERIFY(!QFileInfo::exists(maal));
        QVERIFY(!QFileInfo::exists(tmp->path() + QStringLiteral("/ny/uden.txt")));
    }
};

QTEST_GUILESS_MAIN(TstSikkerhedskopi)
#include "tst_sikkerhedskopi.moc"
