#include "platform/programmappe.h"
#include "testhjaelp.h"

#include <QDir>
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
        QCOMPARE(Programmappe::opdater(fra, til), kopieret);
        QCOMPARE(laesBytes(til + "/Html/design.css"),
                 QByteArray(kopieret ? "ny\r\n" : "gammel\r\n"));
        QCOMPARE(QFile::exists(til + program), kopieret);
        QCOMPARE(laesBytes(til + "/udgave.txt").trimmed(), kopieret ? kilde : rod);
        QCOMPARE(laesBytes(til + mine) + laesBytes(til + "/noter.txt"),
                 rodFindes ? QByteArray("Mine\r\nmin\r\n") : QByteArray());
        // A second start finds it up to date (a copy without a stamp only fills a missing folder).
        QVERIFY(!Programmappe::opdater(fra, til));
    }

    // The test runs from the build folder, where no installed copy lies beside it.
    void hjemmeFraByggemappenIngenKopi() {
        QCOMPARE(Programmappe::installeretKopi(), QString());
        QTemporaryDir tmp;
        QVERIFY(!Programmappe::opdater(QString(), tmp.path() + "/Program"));
        QVERIFY(!QFileInfo::exists(tmp.path() + "/Program"));
    }
};

QTEST_GUILESS_MAIN(TstProgrammappe)
#include "tst_programmappe.moc"
