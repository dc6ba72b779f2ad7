#include "core/rotation.h"

#include <QtTest>

#include <algorithm>

class TstRotation : public QObject {
    Q_OBJECT
private slots:
    void arkivnavne_data();
    void arkivnavne();
    void fyrreDage_data();
    void fyrreDage();
    void gendannetNavn_data();
    void gendannetNavn();
};

namespace {

QList<QDate> hverNteDag(const QDate &start, int skridt, int antal) {
    QList<QDate> d;
    for (int i = 0; i < antal; ++i)
        d << start.addDays(qint64(i) * skridt);
    return d;
}

QList<QDate> datoer(const QStringList &tekster) {
    QList<QDate> d;
    for (const QString &t : tekster)
        d << QDate::fromString(t, Qt::ISODate);
    std::sort(d.begin(), d.end());
    return d;
}

} // namespace

void TstRotation::arkivnavne_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QDate>("dato");
    QTest::newRow("almindelig") << "Dagbog-2024-03-05.zip" << QDate(2024, 3, 5);
    QTest::newRow("skuddag") << "Dagbog-2024-02-29.zip" << QDate(2024, 2, 29);
    QTest::newRow("ingen skuddag") << "Dagbog-2023-02-29.zip" << QDate();
    QTest::newRow("halvfærdig") << "Dagbog-2024-03-05.zip.tmp" << QDate();
    QTest::newRow("anden fil") << "Dagbog-2024-03-05 kopi.zip" << QDate();
    QTest::newRow("kort måned") << "Dagbog-2024-3-5.zip" << QDate();
    QTest::newRow("andet navn") << "Noter-2024-03-05.zip" << QDate();
}

void TstRotation::arkivnavne() {
    QFETCH(QString, navn);
    QFETCH(QDate, dato);
    QCOMPARE(Rotation::datoAfArkiv(navn), dato);
    if (dato.isValid()) QCOMPARE(Rotation::arkivnavn(dato), navn);
}

// Forty backup days, one after the other; after each the rotation removes what
// it no longer keeps, as the program does. What is left at the end is fixed by
// hand from the rule: the seven newest, and the newest of each of twelve months.
void TstRotation::fyrreDage_data() {
    QTest::addColumn<QList<QDate>>("dage");
    QTest::addColumn<QList<QDate>>("tilbage");
    QTest::newRow("hver dag over et månedsskifte")
        << hverNteDag(QDate(2024, 1, 15), 1, 40)
        << datoer({"2024-01-31", "2024-02-17", "2024-02-18", "2024-02-19", "2024-02-20",
                   "2024-02-21", "2024-02-22", "2024-02-23"});
    QTest::newRow("hver tredje dag over et årsskifte")
        << hverNteDag(QDate(2024, 11, 20), 3, 40)
        << datoer({"2024-11-29", "2024-12-29", "2025-01-31", "2025-02-27", "2025-03-02",
                   "2025-03-05", "2025-03-08", "2025-03-11", "2025-03-14", "2025-03-17"});
    QList<QDate> maanedlige;
    for (int i = 0; i < 40; ++i)
        maanedlige << QDate(2021, 1, 5).addMonths(i);
    QList<QDate> sidsteTolv = maanedlige.mid(28);
    QTest::newRow("en om måneden i over tre år") << maanedlige << sidsteTolv;
    QList<QDate> blandet = hverNteDag(QDate(2023, 12, 1), 1, 25);
    blandet += hverNteDag(QDate(2024, 6, 10), 1, 15);
    QTest::newRow("pause på et halvt år")
        << blandet
        << datoer({"2023-12-25", "2024-06-24", "2024-06-18", "2024-06-19", "2024-06-20",
                   "2024-06-21", "2024-06-22", "2024-06-23"});
}

void TstRotation::fyrreDage() {
    QFETCH(QList<QDate>, dage);
    QFETCH(QList<QDate>, tilbage);
    QList<QDate> arkiver;
    for (const QDate &idag : dage) {
        arkiver << idag;
        const QList<QDate> vaek = Rotation::fjern(arkiver);
        for (const QDate &d : vaek)
            arkiver.removeAll(d);
        QVERIFY2(arkiver.contains(idag), qPrintable(idag.toString(Qt::ISODate)));
        QVERIFY(arkiver.size() <= 7 + 12);
    }
    std::sort(arkiver.begin(), arkiver.end());
    QCOMPARE(arkiver, tilbage);
}

void TstRotation::gendannetNavn_data() {
    QTest::addColumn<QStringList>("optaget");
    QTest::addColumn<QString>("navn");
    QTest::newRow("ledigt") << QStringList{"Dagbog 2024"} << "Dagbog 2024 (gendannet 2024-03-05)";
    QTest::newRow("gendannet før")
        << QStringList{"Dagbog 2024", "Dagbog 2024 (gendannet 2024-03-05)"}
        << "Dagbog 2024 (gendannet 2024-03-05) 2";
    QTest::newRow("to gange før") << QStringList{"Dagbog 2024 (gendannet 2024-03-05)",
                                                 "Dagbog 2024 (gendannet 2024-03-05) 2"}
                                  << "Dagbog 2024 (gendannet 2024-03-05) 3";
}

void TstRotation::gendannetNavn() {
    QFETCH(QStringList, optaget);
    QFETCH(QString, navn);
    QCOMPARE(Rotation::gendannetNavn(QStringLiteral("Dagbog 2024"), QDate(2024, 3, 5),
                                     [&](const QString &n) { return optaget.contains(n); }),
             navn);
}

QTEST_APPLESS_MAIN(TstRotation)
#include "tst_rotation.moc"
