#include "core/minder.h"

#include <QtTest>

// Which earlier days a date brings back, and the random written day.
class TstMinder : public QObject {
    Q_OBJECT
private slots:
    void datoer_data();
    void datoer();
    void uddrag_data();
    void uddrag();
    void tilfaeldig_data();
    void tilfaeldig();
};

using Datoer = QList<QDate>;

void TstMinder::datoer_data() {
    QTest::addColumn<QDate>("valgt");
    QTest::addColumn<QList<int>>("aar");
    QTest::addColumn<Datoer>("forventet");
    QTest::newRow("kun tidligere år, nyeste først")
        << QDate(2024, 3, 5) << QList<int>{2021, 2025, 2023, 2024, 2022}
        << Datoer{{2023, 3, 5}, {2022, 3, 5}, {2021, 3, 5}};
    QTest::newRow("28/2 tager skudårets 29/2 med efter den 28.")
        << QDate(2025, 2, 28) << QList<int>{2020, 2023, 2024}
        << Datoer{{2024, 2, 28}, {2024, 2, 29}, {2023, 2, 28}, {2020, 2, 28}, {2020, 2, 29}};
    QTest::newRow("29/2 viser den 28. i år uden 29/2")
        << QDate(2024, 2, 29) << QList<int>{2019, 2020, 2021, 2023}
        << Datoer{{2023, 2, 28}, {2021, 2, 28}, {2020, 2, 29}, {2019, 2, 28}};
    QTest::newRow("1/3 efter et skudår")
        << QDate(2025, 3, 1) << QList<int>{2024} << Datoer{{2024, 3, 1}};
    QTest::newRow("første år") << QDate(2021, 6, 1) << QList<int>{2021, 2022} << Datoer{};
}

void TstMinder::datoer() {
    QFETCH(QDate, valgt);
    QFETCH(QList<int>, aar);
    QFETCH(Datoer, forventet);
    QCOMPARE(Minder::datoer(valgt, aar), forventet);
}

void TstMinder::uddrag_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("forventet");
    const QString a160(160, u'a');
    QTest::newRow("kort") << "Jeg gik en tur."
                          << "Jeg gik en tur.";
    QTest::newRow("præcis 160") << a160 << a160;
    QTest::newRow("161 skæres") << a160 + "b" << a160 + "…";
    QTest::newRow("aldrig et halvt tegn")
        << QString(159, u'a') + QString::fromUtf8("😀b") << QString(159, u'a') + "…";
}

void TstMinder::uddrag() {
    QFETCH(QString, tekst);
    QFETCH(QString, forventet);
    QCOMPARE(Minder::uddrag(tekst), forventet);
}

void TstMinder::tilfaeldig_data() {
    QTest::addColumn<QList<int>>("trukne");  // what the random source answers, in turn
    QTest::addColumn<QList<int>>("skrevne"); // the days (of March) that are written
    QTest::addColumn<int>("dag");            // the day opened, 0 for none
    QTest::addColumn<int>("spurgte");        // the days read before it
    QTest::newRow("første trukne er skrevet") << QList<int>{2} << QList<int>{1, 3} << 3 << 1;
    QTest::newRow("en tom dag trækkes ikke igen") << QList<int>{0, 0} << QList<int>{2} << 2 << 2;
    QTest::newRow("sidste fjernes, listen rykker") << QList<int>{2, 1} << QList<int>{2} << 2 << 2;
    QTest::newRow("ingen skrevne") << QList<int>{0, 0, 0} << QList<int>{} << 0 << 3;
}

void TstMinder::tilfaeldig() {
    QFETCH(QList<int>, trukne);
    QFETCH(QList<int>, skrevne);
    QFETCH(int, dag);
    QFETCH(int, spurgte);
    const QList<QDate> kandidater{{2023, 3, 1}, {2023, 3, 2}, {2023, 3, 3}};
    int i = 0, laeste = 0;
    const QDate d = Minder::tilfaeldig(
        kandidater, [&](int n) { return trukne.value(i++) % n; },
        [&](const QDate &x) {
            ++laeste;
            return skrevne.contains(x.day());
        });
    QCOMPARE(d, dag ? QDate(2023, 3, dag) : QDate());
    QCOMPARE(laeste, spurgte);
}

QTEST_APPLESS_MAIN(TstMinder)
#include "tst_minder.moc"
