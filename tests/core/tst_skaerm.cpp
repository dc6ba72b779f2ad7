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
    QTest::addColumn<QRect>("undgaa");
    const auto rad = [](const char *navn, QRect vindue, QSize minimum, QRect ud,
                        QRect undgaa = QRect()) {
        QTest::newRow(navn) << vindue << minimum << ud << undgaa;
    };
    // The free area: a 1400 x 1000 screen with a panel of 40 at its top.
    rad("passer allerede", {100, 100, 800, 600}, {}, {100, 100, 800, 600});
    rad("flyttes fra højre kant", {906, 64, 889, 930}, {300, 200}, {511, 64, 889, 930});
    rad("flyttes op og skrumper", {6, 14, 1081, 1200}, {1081, 487}, {6, 40, 1081, 960});
    rad("for bred, ned til området", {-50, 100, 1600, 500}, {800, 400}, {0, 100, 1400, 500});
    rad("minimum større end området", {300, 300, 1500, 400}, {1500, 300}, {0, 300, 1500, 400});
    rad("helt uden for skærmen", {3000, -500, 400, 300}, {}, {1000, 40, 400, 300});
    // Beside the main window when it has to move anyway.
    rad("til venstre for hovedvinduet", {1200, 200, 500, 300}, {}, {200, 200, 500, 300},
        {700, 40, 700, 960});
    rad("under hovedvinduet", {100, -100, 400, 300}, {}, {100, 340, 400, 300}, {0, 40, 1400, 300});
    rad("ingen plads ved siden af", {1000, 100, 600, 400}, {}, {800, 100, 600, 400},
        {500, 40, 900, 960});
    rad("passer og bliver over hovedvinduet", {600, 100, 400, 300}, {}, {600, 100, 400, 300},
        {500, 40, 900, 960});
}

void TstSkaerm::indenforOmraade() {
    QFETCH(QRect, vindue);
    QFETCH(QSize, minimum);
    QFETCH(QRect, ud);
    QFETCH(QRect, undgaa);
    QCOMPARE(::indenforOmraade(vindue, QRect(0, 40, 1400, 960), minimum, undgaa), ud);
}

QTEST_APPLESS_MAIN(TstSkaerm)
#include "tst_skaerm.moc"
