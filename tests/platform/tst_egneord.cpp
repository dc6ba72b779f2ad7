#include "platform/stavekontrol.h"

#include <QtTest>

// The user's own words count as right in the letter cases the dictionary
// allows for its own words, and in no others.
class TstStavekontrolEgne : public QObject {
    Q_OBJECT
private slots:
    void egneOrd_data();
    void egneOrd();
};

void TstStavekontrolEgne::egneOrd_data() {
    QTest::addColumn<QString>("egetOrd");
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<bool>("korrekt");
    QTest::newRow("som givet") << "turr"
                               << "turr" << true;
    QTest::newRow("småt givet, skrevet stort") << "turr"
                                               << "Turr" << true;
    QTest::newRow("småt givet, versaler") << "turr"
                                          << "TURR" << true;
    QTest::newRow("småt givet, blandet") << "turr"
                                         << "tuRr" << false;
    QTest::newRow("stort givet, skrevet småt") << "Bjørnsquist"
                                               << "bjørnsquist" << false;
    QTest::newRow("stort givet, versaler") << "Bjørnsquist"
                                           << "BJØRNSQUIST" << true;
    QTest::newRow("blandet givet, som givet") << "iPhonex"
                                              << "iPhonex" << true;
    QTest::newRow("blandet givet, skrevet stort") << "iPhonex"
                                                  << "IPhonex" << false;
    QTest::newRow("andet ord") << "turr"
                               << "turrr" << false;
}

void TstStavekontrolEgne::egneOrd() {
    QFETCH(QString, egetOrd);
    QFETCH(QString, skrevet);
    QFETCH(bool, korrekt);
    const QString ordbog = Stavekontrol::findOrdbog();
    if (ordbog.isEmpty()) QSKIP("the Danish dictionary is not installed");
    Stavekontrol kontrol(ordbog);
    QVERIFY(!kontrol.korrekt(skrevet));
    kontrol.tilfoej(egetOrd);
    QCOMPARE(kontrol.korrekt(skrevet), korrekt);
}

QTEST_GUILESS_MAIN(TstStavekontrolEgne)
#include "tst_egneord.moc"
