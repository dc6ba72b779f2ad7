#include "core/sammenlign.h"

#include <QtTest>

class TstSammenlign : public QObject {
    Q_OBJECT
private slots:
    void ensAZ_data();
    void ensAZ();
    void sorteretListe();
};

void TstSammenlign::ensAZ_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("ens");
    QTest::newRow("A-Z foldes") << "Dagbog 2024"
                                << "dAGBOG 2024" << true;
    QTest::newRow("æ foldes ikke") << "Æble"
                                   << "æble" << false;
    QTest::newRow("å foldes ikke") << "CSS Å"
                                   << "css å" << false;
    QTest::newRow("længde") << "CSS"
                            << "CSS " << false;
    QTest::newRow("tomme") << ""
                           << "" << true;
    QTest::newRow("tegn ved siden af Z") << "["
                                         << "{" << false;
}

void TstSammenlign::ensAZ() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, ens);
    QCOMPARE(::ensAZ(a, b), ens);
}

void TstSammenlign::sorteretListe() {
    SorteretListe l;
    l.tilfoej(QStringList{"div", "DIV", "p", "", "a", "Body"});
    QCOMPARE(l.ord(), (QStringList{"", "a", "Body", "div", "p"}));
    QVERIFY(l.findes("Div"));
    QVERIFY(l.findes("BODY"));
    QVERIFY(l.findes(""));
    QVERIFY(!l.findes("span"));
    QVERIFY(!l.findes("div "));
    l.ryd();
    QVERIFY(!l.findes(""));
}

QTEST_APPLESS_MAIN(TstSammenlign)
#include "tst_sammenlign.moc"
