#include "core/dagbogsaar.h"

#include <QtTest>

// Elements written "niveau navn", a trailing "*" for one without a page.
class TstDagbogsaar : public QObject {
    Q_OBJECT
private slots:
    void traeFraSider_data() {
        QTest::addColumn<QStringList>("sider");
        QTest::addColumn<QStringList>("trae");
        QTest::newRow("ingen") << QStringList{} << QStringList{};
        QTest::newRow("kun fremmede navne")
            << QStringList{"noter", "Dagbog 2023", "03 05 Mandag", "3 5 Tirsdag", "03 marts"}
            << QStringList{};
        QTest::newRow("de tre sider")
            << QStringList{"03 05 Tirsdag", "Dagbog 2024", "03 Marts", "03 05 Mandag"}
            << QStringList{"0 Dagbog 2024", "1 03 Marts", "2 03 05 Tirsdag"};
        QTest::newRow("kalenderens orden")
            << QStringList{"12 31 Tirsdag", "Dagbog 2024",   "02 Februar",
                           "12 December",   "02 29 Torsdag", "02 01 Torsdag"}
            << QStringList{"0 Dagbog 2024",   "1 02 Februar",  "2 02 01 Torsdag",
                           "2 02 29 Torsdag", "1 12 December", "2 12 31 Tirsdag"};
        QTest::newRow("dag uden forældre")
            << QStringList{"07 14 Søndag"}
            << QStringList{"0 Dagbog 2024*", "1 07 Juli*", "2 07 14 Søndag"};
        QTest::newRow("kun året") << QStringList{"Dagbog 2024"} << QStringList{"0 Dagbog 2024"};
    }

    void traeFraSider() {
        QFETCH(QStringList, sider);
        QFETCH(QStringList, trae);
        QStringList faaet;
        for (const Dagbogsaar::Element &e :
             Dagbogsaar::traeFraSider(2024, QSet<QString>(sider.cbegin(), sider.cend())))
            faaet << QString::number(e.niveau) + u' ' + e.navn + (e.harSide ? "" : "*");
        QCOMPARE(faaet, trae);
    }
};

QTEST_APPLESS_MAIN(TstDagbogsaar)
#include "tst_dagbogsaar.moc"
