#include "core/kontrast.h"

#include <QtTest>

class TstKontrast : public QObject {
    Q_OBJECT
private slots:
    void forhold_data();
    void forhold();
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

QTEST_APPLESS_MAIN(TstKontrast)
#include "tst_kontrast.moc"
