#include "core/historiktekst.h"

#include <QtTest>

class TstHistoriktekst : public QObject {
    Q_OBJECT
private slots:
    void besked_data() {
        QTest::addColumn<QStringList>("gemte");
        QTest::addColumn<QStringList>("fjernede");
        QTest::addColumn<QString>("besked");
        const QString side = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
        const QString struktur = QStringLiteral("Struktur/Dagbog 2024/struktur.txt");
        QTest::newRow("en side") << QStringList{side} << QStringList()
                                 << "Gemt: Dagbog 2024 › 03 05 Tirsdag";
        QTest::newRow("design") << QStringList{"Struktur/design.css"} << QStringList()
                                << "Gemt: design.css";
        // The page is named, whatever else the action wrote beside it.
        QTest::newRow("side og træ")
            << QStringList{"Struktur/Dagbog 2024/data.txt", side, struktur} << QStringList()
            << "Gemt: Dagbog 2024 › 03 05 Tirsdag og 2 filer mere";
        QTest::newRow("træ og en slettet side") << QStringList{struktur} << QStringList{side}
                                                << "Gemt: Dagbog 2024 › struktur.txt og 1 fil mere";
        QTest::newRow("billede") << QStringList{"Struktur/Dagbog 2024/Billeder/hav.jpg"}
                                 << QStringList() << "Gemt: Dagbog 2024 › Billeder › hav.jpg";
        QTest::newRow("hel struktur gendannet")
            << QStringList{"Struktur/Dagbog 2024 (gendannet 2024-03-05)/"} << QStringList()
            << "Gemt: Dagbog 2024 (gendannet 2024-03-05)";
        QTest::newRow("år slettet")
            << QStringList() << QStringList{"Struktur/Dagbog 2023/"} << "Slettet: Dagbog 2023";
        QTest::newRow("omdøbt") << QStringList{"Struktur/Rejser/tekstfiler/Rom.html"}
                                << QStringList{"Struktur/Rejser/tekstfiler/Roma.html"}
                                << "Omdøbt: Rejser › Roma til Rom";
    }
    void besked() {
        QFETCH(QStringList, gemte);
        QFETCH(QStringList, fjernede);
        QFETCH(QString, besked);
        QCOMPARE(Historiktekst::besked(gemte, fjernede), besked);
    }

    void sletning_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("sider");
        QTest::addColumn<QString>("besked");
        QTest::newRow("måned") << "03 Marts" << 31 << "Slettet: 03 Marts med 31 sider";
        QTest::newRow("en side under") << "Rom" << 1 << "Slettet: Rom med 1 side";
        QTest::newRow("dag") << "03 05 Tirsdag" << 0 << "Slettet: 03 05 Tirsdag";
    }
    void sletning() {
        QFETCH(QString, element);
        QFETCH(int, sider);
        QFETCH(QString, besked);
        QCOMPARE(Historiktekst::sletning(element, sider), besked);
        QCOMPARE(Historiktekst::gendannelse(element, sider),
                 QString(besked).replace(QStringLiteral("Slettet"), QStringLiteral("Gendannet")));
    }
};

QTEST_APPLESS_MAIN(TstHistoriktekst)
#include "tst_historiktekst.moc"
