#include "core/rotation.h"

#include <QtTest>

#include <algorithm>

namespace {
QList<QDate> dage(const QDate &start, int antal, int skridt = 1) {
    QList<QDate> d;
    for (int i = 0; i < antal; ++i)
        d << start.addDays(qint64(i) * skridt);
    return d;
}
QList<QDate> datoer(const QStringList &tekster) {
    QList<QDate> d;
    for (const QString &t : tekster)
        d << QDate::fromString(t, Qt::ISODate);
    return d;
}
} // namespace

class TstRotation : public QObject {
    Q_OBJECT
private slots:
    void arkivnavne_data() {
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

    void arkivnavne() {
        QFETCH(QString, navn);
        QFETCH(QDate, dato);
        QCOMPARE(Rotation::datoAfArkiv(navn), dato);
        if (dato.isValid()) QCOMPARE(Rotation::arkivnavn(dato), navn);
    }

    // Forty backup days, rotating after each (forty in a row: tst_sikkerhedskopi);
    // what is left is worked out by hand: seven newest, newest of twelve months.
    void fyrreDage_data() {
        QTest::addColumn<QList<QDate>>("brugt");
        QTest::addColumn<QList<QDate>>("tilbage");
        QTest::newRow("hver tredje dag over et årsskifte")
            << dage(QDate(2024, 11, 20), 40, 3)
            << datoer({"2024-11-29", "2024-12-29", "2025-01-31", "2025-02-27", "2025-03-02",
                       "2025-03-05", "2025-03-08", "2025-03-11", "2025-03-14", "2025-03-17"});
        QList<QDate> maanedlige;
        for (int i = 0; i < 40; ++i)
            maanedlige << QDate(2021, 1, 5).addMonths(i);
        QTest::newRow("en om måneden i over tre år") << maanedlige << maanedlige.mid(28);
        QTest::newRow("pause på et halvt år")
            << dage(QDate(2023, 12, 1), 25) + dage(QDate(2024, 6, 10), 15)
            << datoer({"2023-12-25", "2024-06-18", "2024-06-19", "2024-06-20", "2024-06-21",
                       "2024-06-22", "2024-06-23", "2024-06-24"});
    }

    void fyrreDage() {
        QFETCH(QList<QDate>, brugt);
        QFETCH(QList<QDate>, tilbage);
        QList<QDate> arkiver;
        for (const QDate &idag : brugt) {
            arkiver << idag;
            for (const QDate &d : Rotation::fjern(arkiver, idag))
                arkiver.removeAll(d);
            QVERIFY2(arkiver.contains(idag), qPrintable(idag.toString(Qt::ISODate)));
            QVERIFY(arkiver.size() <= 7 + 12);
        }
        std::sort(arkiver.begin(), arkiver.end());
        QCOMPARE(arkiver, tilbage);
    }

    // A clock set back before the newest archive removes nothing.
    void tilbagesatUr_data() {
        QTest::addColumn<QDate>("idag");
        QTest::addColumn<int>("fjernet");
        QTest::newRow("i dag") << QDate(2025, 3, 10) << 12;
        QTest::newRow("sat en dag tilbage") << QDate(2025, 3, 9) << 0;
        QTest::newRow("sat et år tilbage") << QDate(2024, 3, 10) << 0;
    }
    void tilbagesatUr() {
        QFETCH(QDate, idag);
        QFETCH(int, fjernet);
        QCOMPARE(Rotation::fjern(dage(QDate(2025, 2, 19), 20), idag).size(), fjernet);
    }

    void gendannetNavn_data() {
        const QString g = QStringLiteral("Dagbog 2024 (gendannet 2024-03-05)");
        QTest::addColumn<QStringList>("optaget");
        QTest::addColumn<QString>("navn");
        QTest::newRow("ledigt") << QStringList{"Dagbog 2024"} << g;
        QTest::newRow("gendannet før") << QStringList{"Dagbog 2024", g} << g + " 2";
        QTest::newRow("to gange før") << QStringList{g, g + " 2"} << g + " 3";
    }

    void gendannetNavn() {
        QFETCH(QStringList, optaget);
        QFETCH(QString, navn);
        QCOMPARE(Rotation::gendannetNavn(QStringLiteral("Dagbog 2024"), QDate(2024, 3, 5),
                                         [&](const QString &n) { return optaget.contains(n); }),
                 navn);
    }
};

QTEST_APPLESS_MAIN(TstRotation)
#include "tst_rotation.moc"
