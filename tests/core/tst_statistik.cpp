#include "core/statistik.h"

#include <QtTest>

// A year in figures: streaks, shades, the summary and its lines.
class TstStatistik : public QObject {
    Q_OBJECT
private slots:
    void striber_data();
    void striber();
    void skygger_data();
    void skygger();
    void opsummering();
    void varmekortOgLinks();
};

namespace {

using Datoer = QList<QDate>;

Datoer dage(int aar, int maaned, const QList<int> &dagstal) {
    Datoer d;
    for (const int n : dagstal)
        d << QDate(aar, maaned, n);
    return d;
}

Statistik::Sidetal side(const QString &html) {
    return Statistik::taelSide(Tekstomraader::sidetekst(html));
}

} // namespace

void TstStatistik::striber_data() {
    QTest::addColumn<Datoer>("skrevne");
    QTest::addColumn<QDate>("idag");
    QTest::addColumn<Statistik::Stribe>("laengste");
    QTest::addColumn<Statistik::Stribe>("nuvaerende");
    const QDate d1(2024, 3, 1), d3(2024, 3, 3), d5(2024, 3, 5), d7(2024, 3, 7);
    QTest::newRow("ingen") << Datoer{} << d5 << Statistik::Stribe{} << Statistik::Stribe{};
    QTest::newRow("første af to lige lange, nu til i dag")
        << dage(2024, 3, {1, 2, 3, 5, 6, 7}) << d7 << Statistik::Stribe{3, d1, d3}
        << Statistik::Stribe{3, d5, d7};
    QTest::newRow("i dag endnu ikke skrevet")
        << dage(2024, 3, {5, 6}) << QDate(2024, 3, 7) << Statistik::Stribe{2, d5, {2024, 3, 6}}
        << Statistik::Stribe{2, d5, {2024, 3, 6}};
    QTest::newRow("brudt før i går")
        << dage(2024, 3, {1, 2, 3}) << d5 << Statistik::Stribe{3, d1, d3} << Statistik::Stribe{};
    QTest::newRow("over månedsskifte og skuddag")
        << (dage(2024, 2, {28, 29}) + dage(2024, 3, {1})) << QDate(2024, 3, 1)
        << Statistik::Stribe{3, {2024, 2, 28}, d1} << Statistik::Stribe{3, {2024, 2, 28}, d1};
    QTest::newRow("dage efter i dag tæller ikke som nuværende")
        << dage(2024, 3, {1, 2, 5}) << QDate(2024, 3, 2) << Statistik::Stribe{2, d1, {2024, 3, 2}}
        << Statistik::Stribe{2, d1, {2024, 3, 2}};
}

void TstStatistik::striber() {
    QFETCH(Datoer, skrevne);
    QFETCH(QDate, idag);
    QFETCH(Statistik::Stribe, laengste);
    QFETCH(Statistik::Stribe, nuvaerende);
    QCOMPARE(Statistik::laengsteStribe(skrevne), laengste);
    QCOMPARE(Statistik::nuvaerendeStribe(skrevne, idag), nuvaerende);
}

void TstStatistik::skygger_data() {
    QTest::addColumn<QList<int>>("ord");     // words of the year's days
    QTest::addColumn<QList<int>>("skygger"); // the shade of each
    QTest::newRow("kvartiler") << QList<int>{0, 10, 20, 30, 40, 50} << QList<int>{0, 1, 1, 2, 3, 4};
    QTest::newRow("alle ens") << QList<int>{7, 7, 0} << QList<int>{1, 1, 0};
    QTest::newRow("intet skrevet") << QList<int>{0, 0} << QList<int>{0, 0};
}

void TstStatistik::skygger() {
    QFETCH(QList<int>, ord);
    QFETCH(QList<int>, skygger);
    QMap<QDate, int> pr;
    for (int i = 0; i < ord.size(); ++i)
        pr.insert(QDate(2024, 1, 1 + i), ord[i]);
    const std::array<int, 3> g = Statistik::graenser(pr);
    QList<int> fundne;
    for (const int n : ord)
        fundne << Statistik::skygge(n, g);
    QCOMPARE(fundne, skygger);
}

void TstStatistik::opsummering() {
    QMap<QDate, Statistik::Sidetal> dage;
    dage.insert({2024, 1, 30}, side("<body><p>Havet og havet, <b>HAVET</b> 2024.</p></body>"));
    dage.insert({2024, 1, 31}, side("<body><div class=\"overskrift\">Tom</div></body>"));
    dage.insert({2024, 2, 1}, side("<body>og sol <img src=a.png><img src=b.png> og sol</body>"));
    dage.insert({2023, 12, 31}, side("<body>et andet år</body>"));
    const Statistik::Oversigt o = Statistik::opsummer(2024, Statistik::saml(2024, dage),
                                                      {QStringLiteral("og")}, QDate(2024, 2, 2));
    QCOMPARE(o.skrevneDage, 2);
    QCOMPARE(o.ord, qint64(5 + 4));
    QCOMPARE(o.ordPrDag.size(), 3);
    QCOMPARE(o.ordPrMaaned[0], qint64(5));
    QCOMPARE(o.ordPrMaaned[1], qint64(4));
    QCOMPARE(o.laengsteSide, QDate(2024, 1, 30));
    QCOMPARE(o.billeder, 2);
    QCOMPARE(o.laengste, (Statistik::Stribe{1, {2024, 1, 30}, {2024, 1, 30}}));
    QCOMPARE(o.nuvaerende, (Statistik::Stribe{1, {2024, 2, 1}, {2024, 2, 1}}));
    // Folded, numbers and stop words left out, equals alphabetically.
    QCOMPARE(o.mestBrugte, (QList<QPair<QString, int>>{{"havet", 3}, {"sol", 2}}));
    const QStringList l = Statistik::tekst(o);
    QCOMPARE(l.mid(0, 4), (QStringList{"Skrevne dage: 2", "Ord: 9",
                                       "Længste stribe: 1 dage, 2024-01-30 til 2024-01-30",
                                       "Nuværende stribe: 1 dage, 2024-02-01 til 2024-02-01"}));
    QVERIFY(l.contains("Gennemsnit pr. skreven dag: 4,5"));
    QVERIFY(l.contains("Mest brugte ord: havet (3), sol (2)"));
}

void TstStatistik::varmekortOgLinks() {
    // 2024 begins on a Monday and is a leap year: 31 December is in the 53rd column.
    Statistik::Oversigt o;
    o.aar = 2024;
    o.ordPrDag.insert({2024, 3, 5}, 12);
    o.laengsteSide = {2024, 3, 5};
    o.laengsteSideOrd = 12;
    const QString h = Statistik::html(o, QDate(2024, 12, 31), {"#fff", "#000", "#888", "#06c"});
    QCOMPARE(h.count(QStringLiteral("<rect x=")), 366);
    QVERIFY(h.contains(QStringLiteral("<a href=\"dagbog:2024-03-05\"><rect x=\"154\" y=\"30\"")));
    QVERIFY(h.contains(QStringLiteral("<rect x=\"756\" y=\"30\" width=\"12\" height=\"12\" "
                                      "rx=\"2\" class=\"s0 idag\">")));
    QVERIFY(h.contains(
        QStringLiteral("<a href=\"dagbog:2024-03-05\">tirsdag 5. marts 2024</a> (12 ord)")));
}

QTEST_APPLESS_MAIN(TstStatistik)
#include "tst_statistik.moc"
