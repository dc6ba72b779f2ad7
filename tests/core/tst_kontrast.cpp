#include "core/kontrast.h"

#include <QtTest>

class TstKontrast : public QObject {
    Q_OBJECT
private slots:
    void forhold_data();
    void forhold();
    void mindst_data();
    void mindst();
};

void TstKontrast::forhold_data() {
    QTest::addColumn<quint32>("forgrund");
    QTest::addColumn<quint32>("baggrund");
    QTest::addColumn<double>("ventet");
    // Reference ratios, rounded to two decimals as contrast checkers show them.
    QTest::newRow("sort på hvid") << 0x000000u << 0xFFFFFFu << 21.0;
    QTest::newRow("ens farve") << 0x3A78C2u << 0x3A78C2u << 1.0;
    QTest::newRow("grå lige over grænsen") << 0x767676u << 0xFFFFFFu << 4.54;
    QTest::newRow("grå lige under grænsen") << 0x777777u << 0xFFFFFFu << 4.48;
    QTest::newRow("rød på hvid") << 0xFF0000u << 0xFFFFFFu << 4.0;
    QTest::newRow("blå på hvid") << 0x0000FFu << 0xFFFFFFu << 8.59;
    QTest::newRow("grøn på sort") << 0x00FF00u << 0x000000u << 15.3;
    QTest::newRow("omvendt rækkefølge") << 0xFFFFFFu << 0x777777u << 4.48;
    QTest::newRow("mørk kanal under knækket") << 0x0A0A0Au << 0x000000u << 1.06;
}

void TstKontrast::forhold() {
    QFETCH(quint32, forgrund);
    QFETCH(quint32, baggrund);
    QFETCH(double, ventet);
    const double r = Kontrast::forhold(forgrund, baggrund);
    QVERIFY2(qAbs(r - ventet) < 0.006, qPrintable(QString::number(r)));
}

void TstKontrast::mindst_data() {
    QTest::addColumn<quint32>("farve");
    QTest::addColumn<quint32>("baggrund1");
    QTest::addColumn<quint32>("baggrund2");
    QTest::addColumn<double>("graense");
    QTest::addColumn<bool>("uaendret");
    QTest::newRow("læsbar i forvejen") << 0x0B2545u << 0xDCEDFCu << 0xFFFFFFu << 4.5 << true;
    QTest::newRow("rød på mørk") << 0xFF0000u << 0x3A3431u << 0x4A4340u << 4.5 << false;
    QTest::newRow("blå på mørk") << 0x005AB4u << 0x1E1E1Eu << 0x2D2D2Du << 4.5 << false;
    QTest::newRow("grå på lys") << 0xAAAAAAu << 0xFFFFFFu << 0xE6ECF0u << 3.0 << false;
    QTest::newRow("samme som baggrunden") << 0x808080u << 0x808080u << 0x808080u << 3.0 << false;
}

void TstKontrast::mindst() {
    QFETCH(quint32, farve);
    QFETCH(quint32, baggrund1);
    QFETCH(quint32, baggrund2);
    QFETCH(double, graense);
    QFETCH(bool, uaendret);
    const quint32 ud = Kontrast::mindst(farve, {baggrund1, baggrund2}, graense);
    QVERIFY(Kontrast::forhold(ud, baggrund1) >= graense);
    QVERIFY(Kontrast::forhold(ud, baggrund2) >= graense);
    QCOMPARE(ud == farve, uaendret);
}

QTEST_APPLESS_MAIN(TstKontrast)
#include "tst_kontrast.moc"
