#include "core/skaerm.h"

#include <QtTest>

class TstSkaerm : public QObject {
    Q_OBJECT
private slots:
    void indenforOmraade_data();
    void indenforOmraade();
};

void TstSkaerm::indenforOmraade_data() {
    QTest::addColumn<QRect>("vindue");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("ud");
    // The free area: a 1400 x 1000 screen with a panel of 40 at its top.
    QTest::newRow("passer allerede")
        << QRect(100, 100, 800, 600) << QSize() << QRect(100, 100, 800, 600);
    QTest::newRow("flyttes fra højre kant")
        << QRect(906, 64, 889, 930) << QSize(300, 200) << QRect(511, 64, 889, 930);
    QTest::newRow("flyttes op og skrumper")
        << QRect(6, 14, 1081, 1200) << QSize(1081, 487) << QRect(6, 40, 1081, 960);
    QTest::newRow("for bred, ned til området")
        << QRect(-50, 100, 1600, 500) << QSize(800, 400) << QRect(0, 100, 1400, 500);
    QTest::newRow("minimum større end området")
        << QRect(300, 300, 1500, 400) << QSize(1500, 300) << QRect(0, 300, 1500, 400);
    QTest::newRow("helt uden for skærmen")
        << QRect(3000, -500, 400, 300) << QSize() << QRect(1000, 40, 400, 300);
}

void TstSkaerm::indenforOmraade() {
    QFETCH(QRect, vindue);
    QFETCH(QSize, minimum);
    QFETCH(QRect, ud);
    QCOMPARE(::indenforOmraade(vindue, QRect(0, 40, 1400, 960), minimum), ud);
}

QTEST_APPLESS_MAIN(TstSkaerm)
#include "tst_skaerm.moc"
