#include "core/slettedesider.h"

#include <QtTest>

using namespace SlettedeSider;

namespace {

// A year with two months, as its tree file and data file hold it; Marts has a
// day with a note under it.
const QList<Element> aaret = trae({"Dagbog 2024", "\t03 Marts", "\t\t03 05 Tirsdag", "\t\t\tNote",
                                   "\t\t03 06 Onsdag", "\t04 April", "\t\t04 01 Mandag"},
                                  {"0Dagbog 2024", "103 Marts", "603 05 Tirsdag", "Note",
                                   "603 06 Onsdag", "104 April", "604 01 Mandag"});

} // namespace

class TstSlettedeSider : public QObject {
    Q_OBJECT
private slots:
    void placering_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QStringList>("gren"); // level + page name
        QTest::addColumn<QString>("foraelder");
        QTest::addColumn<QStringList>("efterfoelger");
        QTest::newRow("måned med dage")
            << "03 Marts"
            << QStringList{"0 03 Marts", "1 03 05 Tirsdag", "2 Note", "1 03 06 Onsdag"}
            << "Dagbog 2024" << QStringList{"04 April"};
        QTest::newRow("dag") << "03 05 Tirsdag" << QStringList{"0 03 05 Tirsdag", "1 Note"}
                             << "03 Marts" << QStringList{"03 06 Onsdag"};
        QTest::newRow("sidste dag")
            << "04 01 Mandag" << QStringList{"0 04 01 Mandag"} << "04 April" << QStringList();
        // A data line without its digit names its page all the same.
        QTest::newRow("uden ikoncifret")
            << "Note" << QStringList{"0 Note"} << "03 05 Tirsdag" << QStringList();
        QTest::newRow("ikke i træet") << "05 Maj" << QStringList() << "" << QStringList();
    }
    void placering() {
        QFETCH(QString, side);
        QFETCH(QStringList, gren);
        QFETCH(QString, foraelder);
        QFETCH(QStringList, efterfoelger);
        const Placering p = SlettedeSider::placering(aaret, side);
        QStringList g;
        for (const Element &e : p.gren)
            g << QString::number(e.niveau) + u' ' + sideNavn(e);
        QCOMPARE(g, gren);
        QCOMPARE(p.foraelder, foraelder);
        QCOMPARE(p.efterfoelger, efterfoelger);
    }

    void oeverste_data() {
        QTest::addColumn<QStringList>("slettede");
        QTest::addColumn<QStringList>("oeverste");
        QTest::newRow("en måned med dage")
            << QStringList{"03 06 Onsdag", "03 05 Tirsdag", "03 Marts"} << QStringList{"03 Marts"};
        QTest::newRow("to dage") << QStringList{"04 01 Mandag", "03 06 Onsdag"}
                                 << QStringList{"03 06 Onsdag", "04 01 Mandag"};
        QTest::newRow("dag uden sin måned, og en side træet ikke kender")
            << QStringList{"Løs side", "03 05 Tirsdag", "Note"}
            << QStringList{"03 05 Tirsdag", "Løs side"};
    }
    void oeverste() {
        QFETCH(QStringList, slettede);
        QFETCH(QStringList, oeverste);
        QCOMPARE(SlettedeSider::oeverste(aaret, slettede), oeverste);
    }
};

QTEST_APPLESS_MAIN(TstSlettedeSider)
#include "tst_slettedesider.moc"
