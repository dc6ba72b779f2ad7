#include "platform/programmappe.h"
#include "testhjaelp.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The installed program's copy of the program folder and the root's folder.
class TstProgrammappe : public QObject {
    Q_OBJECT
private slots:
    void opdatering_data();
    void opdatering();
    void hjemmeFraByggemappenIngenKopi();
};

void TstProgrammappe::opdatering_data() {
    QTest::addColumn<QByteArray>("kildeUdgave"); // empty: the copy has no stamp
    QTest::addColumn<bool>("rodFindes");
    QTest::addColumn<QByteArray>("rodUdgave"); // empty: none in the root
    QTest::addColumn<bool>("kopieret");
    QTest::newRow("ingen mappe") << QByteArray("1.0 a") << false << QByteArray() << true;
    QTest::newRow("ingen mappe, kopi uden stempel")
        << QByteArray() << false << QByteArray() << true;
    QTest::newRow("samme udgave") << QByteArray("1.0 a") << true << QByteArray("1.0 a") << false;
    QTest::newRow("ældre udgave") << QByteArray("1.1 b") << true << QByteArray("1.0 a") << true;
    QTest::newRow("lagt af run.sh") << QByteArray("1.0 a") << true << QByteArray() << true;
    QTest::newRow("kopi uden stempel") << QByteArray() << true << QByteArray("1.0 a") << false;
}

void TstProgrammappe::opdatering() {
    QFETCH(QByteArray, kildeUdgave);
    QFETCH(bool, rodFindes);
    QFETCH(QByteArray, rodUdgave);
    QFETCH(bool, kopieret);
    QTemporaryDir tmp;
    const QString fra = tmp.path() + QStringLiteral("/share/Program");
    const QString til = tmp.path() + QStringLiteral("/rod/Program");
    const QString css = QStringLiteral("/Html/design.css"), udgave = QStringLiteral("/udgave.txt");
    // What the user made in the root: a structure of their own and a note.
    const QString mine = QStringLiteral("/Struktur/Mine opskrifter/struktur.txt");
    const QString noter = QStringLiteral("/noter.txt");
    skrivBytes(fra + css, "body { color: navy; }\r\n");
    skrivBytes(fra + QStringLiteral("/Struktur/Programmet/struktur.txt"), "Programmet\r\n");
    if (!kildeUdgave.isEmpty()) skrivBytes(fra + udgave, kildeUdgave + '\n');
    if (rodFindes) {
        skrivBytes(til + css, "gammel\r\n");
        skrivBytes(til + mine, "Mine\r\n");
        skrivBytes(til + noter, "min\r\n");
        if (!rodUdgave.isEmpty()) skrivBytes(til + udgave, rodUdgave + '\n');
    }

    QCOMPARE(Programmappe::opdater(fra, til), kopieret);
    QCOMPARE(laesBytes(til + css),
             QByteArray(kopieret ? "body { color: navy; }\r\n" : "gammel\r\n"));
    QCOMPARE(QFile::exists(til + QStringLiteral("/Struktur/Programmet/struktur.txt")), kopieret);
    QCOMPARE(laesBytes(til + udgave).trimmed(), kopieret ? kildeUdgave : rodUdgave);
    QCOMPARE(laesBytes(til + mine) + laesBytes(til + noter),
             rodFindes ? QByteArray("Mine\r\nmin\r\n") : QByteArray());
    // A second start finds it up to date (a copy without a stamp only fills a missing folder).
    QVERIFY(!Programmappe::opdater(fra, til));
}

void TstProgrammappe::hjemmeFraByggemappenIngenKopi() {
    // The test runs from the build folder, where no installed copy lies beside it.
    QCOMPARE(Programmappe::installeretKopi(), QString());
    QTemporaryDir tmp;
    QVERIFY(!Programmappe::opdater(QString(), tmp.path() + QStringLiteral("/Program")));
    QVERIFY(!QFileInfo::exists(tmp.path() + QStringLiteral("/Program")));
}

QTEST_GUILESS_MAIN(TstProgrammappe)
#include "tst_programmappe.moc"
