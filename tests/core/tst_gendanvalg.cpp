#include "core/gendanvalg.h"

#include <QtTest>

class TstGendanvalg : public QObject {
    Q_OBJECT
private slots:
    void stempel() {
        QCOMPARE(Gendanvalg::stempel("abc"),
                 QByteArray("3 ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        QVERIFY(Gendanvalg::stempel("abd") != Gendanvalg::stempel("abc"));
    }

    void vaelg_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("foer");
        QTest::addColumn<QByteArray>("side");
        QTest::addColumn<int>("valg");
        const auto F = int(Gendanvalg::Valg::Fjern), T = int(Gendanvalg::Valg::Tilbyd),
                   A = int(Gendanvalg::Valg::TilbydSideAendret);
        // Only the content counts, never the time.
        QTest::newRow("siden rummer teksten")
            << "a\r\nny" << QByteArray("a") << QByteArray("a\r\nny\r\n") << F;
        QTest::newRow("siden uændret")
            << "a\r\nny" << QByteArray("a\r\n") << QByteArray("a\r\n") << T;
        QTest::newRow("siden ændret siden")
            << "a\r\nny" << QByteArray("a\r\n") << QByteArray("b\r\n") << A;
        QTest::newRow("gammel fil uden stempel")
            << "a\r\nny" << QByteArray() << QByteArray("b\r\n") << T;
        QTest::newRow("gammel fil, gemt siden") << "b" << QByteArray() << QByteArray("b\r\n") << F;
    }

    void vaelg() {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, foer);
        QFETCH(QByteArray, side);
        QFETCH(int, valg);
        const QByteArray stempel = foer.isNull() ? QByteArray() : Gendanvalg::stempel(foer);
        const QString sideTekst = QString::fromLatin1(side).chopped(2);
        QCOMPARE(int(Gendanvalg::vaelg(tekst, stempel, side, sideTekst)), valg);
    }
};

QTEST_APPLESS_MAIN(TstGendanvalg)
#include "tst_gendanvalg.moc"
