#include "platform/programmappe.h"
#include "testhjaelp.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

// The installed program's copy of the program folder and the root's folder.
class TstProgrammappe : public QObject {
    Q_OBJECT
private slots:
    void opdatering_data() {
        QTest::addColumn<QByteArray>("kilde"); // the copy's stamp; empty: none
        QTest::addColumn<bool>("rodFindes");
        QTest::addColumn<QByteArray>("rod"); // the root's stamp; empty: none
        QTest::addColumn<bool>("kopieret");
        QTest::newRow("ingen mappe") << QByteArray("1.0 a") << false << QByteArray() << true;
        QTest::newRow("ingen mappe, kopi uden stempel")
            << QByteArray() << false << QByteArray() << true;
        QTest::newRow("samme udgave")
            << QByteArray("1.0 a") << true << QByteArray("1.0 a") << false;
        QTest::newRow("ældre udgave") << QByteArray("1.1 b") << true << QByteArray("1.0 a") << true;
        QTest::newRow("lagt af run.sh") << QByteArray("1.0 a") << true << QByteArray() << true;
        QTest::newRow("kopi uden stempel") << QByteArray() << true << QByteArray("1.0 a") << false;
    }
    // The user's own structure and note in the root are kept either way.
    void opdatering() {
        QFETCH(QByteArray, kilde);
        QFETCH(bool, rodFindes);
        QFETCH(QByteArray, rod);
        QFETCH(bool, kopieret);
        QTemporaryDir tmp;
        const QString fra = tmp.path() + "/share/Program", til = tmp.path() + "/rod/Program";
        const QString program = "/Struktur/Programmet/struktur.txt";
        const QString mine = "/Struktur/Mine opskrifter/struktur.txt";
        skrivBytes(fra + "/Html/design.css", "ny\r\n");
        skrivBytes(fra + program, "Programmet\r\n");
        if (!kilde.isEmpty()) skrivBytes(fra + "/udgave.txt", kilde + '\n');
        if (rodFindes) {
            skrivBytes(til + "/Html/design.css", "gammel\r\n");
            skrivBytes(til + mine, "Mine\r\n");
            skrivBytes(til + "/noter.txt", "min\r\n");
            if (!rod.isEmpty()) skrivBytes(til + "/udgave.txt", rod + '\n');
        }
        QCOMPARE(Programmappe::opdater(fra, til).kopieret, kopieret);
        // A file of an older installation without the list of delivered files
        // may be the user's: it stays.
        QCOMPARE(laesBytes(til + "/Html/design.css"),
                 QByteArray(rodFindes ? "gammel\r\n" : "ny\r\n"));
        QCOMPARE(QFile::exists(til + program), kopieret);
        QCOMPARE(laesBytes(til + "/udgave.txt").trimmed(), kopieret ? kilde : rod);
        QCOMPARE(laesBytes(til + mine) + laesBytes(til + "/noter.txt"),
                 rodFindes ? QByteArray("Mine\r\nmin\r\n") : QByteArray());
        // A second start finds it up to date (a copy without a stamp only fills a missing folder).
        QVERIFY(!Programmappe::opdater(fra, til).kopieret);
    }

    // Two deliveries in a row with the user's changes between them. Each
    // entry is "path=bytes"; an empty bytes value in `aendringer` is no change.
    void toLeverancer_data() {
        QTest::addColumn<QStringList>("foerste");
        QTest::addColumn<QStringList>("aendringer"); // the user's, after the first
        QTest::addColumn<QStringList>("anden");
        QTest::addColumn<QStringList>("rod"); // the root's files afterwards
        QTest::addColumn<QStringList>("nye"); // under Nye udgaver afterwards
        QTest::addColumn<QStringList>("beholdt");
        const QString t = "Struktur/S/struktur.txt", d = "Struktur/S/data.txt";
        QTest::newRow("uændret erstattes")
            << QStringList{"a.css=1"} << QStringList{} << QStringList{"a.css=2"}
            << QStringList{"a.css=2"} << QStringList{} << QStringList{};
        QTest::newRow("ændret beholdes")
            << QStringList{"a.css=1"} << QStringList{"a.css=mit"} << QStringList{"a.css=2"}
            << QStringList{"a.css=mit"} << QStringList{"a.css=2"} << QStringList{"a.css"};
        QTest::newRow("træ ændret, data beholdes med")
            << QStringList{t + "=S1", d + "=0S1"} << QStringList{t + "=S1 mit"}
            << QStringList{t + "=S2", d + "=0S2"} << QStringList{t + "=S1 mit", d + "=0S1"}
            << QStringList{t + "=S2", d + "=0S2"} << QStringList{d, t};
        QTest::newRow("anden struktur erstattes")
            << QStringList{t + "=S1", d + "=0S1", "Struktur/T/data.txt=0T1"}
            << QStringList{t + "=S1 mit"}
            << QStringList{t + "=S1", d + "=0S1", "Struktur/T/data.txt=0T2"}
            << QStringList{t + "=S1 mit", "Struktur/T/data.txt=0T2"} << QStringList{}
            << QStringList{};
        QTest::newRow("ændret til det nye")
            << QStringList{"a.css=1"} << QStringList{"a.css=2"} << QStringList{"a.css=2"}
            << QStringList{"a.css=2"} << QStringList{} << QStringList{};
        QTest::newRow("ikke længere leveret bliver")
            << QStringList{"a.css=1", "b.css=1"} << QStringList{} << QStringList{"a.css=1"}
            << QStringList{"a.css=1", "b.css=1"} << QStringList{} << QStringList{};
        QTest::newRow("egen fil med leveret navn")
            << QStringList{} << QStringList{"a.css=mit"} << QStringList{"a.css=2"}
            << QStringList{"a.css=mit"} << QStringList{"a.css=2"} << QStringList{"a.css"};
    }
    void toLeverancer() {
        QFETCH(QStringList, foerste);
        QFETCH(QStringList, aendringer);
        QFETCH(QStringList, anden);
        QFETCH(QStringList, rod);
        QFETCH(QStringList, nye);
        QFETCH(QStringList, beholdt);
        QTemporaryDir tmp;
        const QString til = tmp.path() + "/Program";
        auto skriv = [](const QString &mappe, const QStringList &filer) {
            for (const QString &f : filer)
                skrivBytes(mappe + u'/' + f.section(u'=', 0, 0), f.section(u'=', 1).toUtf8());
        };
        auto lever = [&](const QStringList &filer, const QString &navn) {
            const QString fra = tmp.path() + u'/' + navn;
            skriv(fra, filer);
            skrivBytes(fra + "/udgave.txt", navn.toUtf8());
            return Programmappe::opdater(fra, til);
        };
        QVERIFY(lever(foerste, "v1").beholdt.isEmpty());
        skriv(til, aendringer);
        const Programmappe::Opdatering r = lever(anden, "v2");
        QVERIFY(r.kopieret && !r.fejl);
        QCOMPARE(r.beholdt, beholdt);
        for (const QString &f : rod)
            QCOMPARE(laesBytes(til + u'/' + f.section(u'=', 0, 0)), f.section(u'=', 1).toUtf8());
        QStringList fundet;
        QDirIterator it(til + "/Nye udgaver", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            fundet << f.mid(til.size() + 13) + u'=' + QString::fromUtf8(laesBytes(f));
        }
        fundet.sort();
        nye.sort();
        QCOMPARE(fundet, nye);
        // Nothing in Struktur/ but the structures themselves.
        QVERIFY(!QFileInfo::exists(til + "/Struktur/Nye udgaver"));
    }

    // The test runs from the build folder, where no installed copy lies beside it.
    void hjemmeFraByggemappenIngenKopi() {
        QCOMPARE(Programmappe::installeretKopi(), QString());
        QTemporaryDir tmp;
        QVERIFY(!Programmappe::opdater(QString(), tmp.path() + "/Program").kopieret);
        QVERIFY(!QFileInfo::exists(tmp.path() + "/Program"));
    }
};

QTEST_GUILESS_MAIN(TstProgrammappe)
#include "tst_programmappe.moc"
