#include "core/ordsoegning.h"
#include "platform/tekstfil.h"

#include <QtTest>

using namespace Ordsoegning;

// The page search reads Windows-1252 bytes directly; it must find exactly
// what the editor's find finds in the decoded text.
class TstOrdsoegning : public QObject {
    Q_OBJECT
private:
    static qsizetype iEditoren(const QByteArray &data, const QString &ord) {
        const QString t = Tekstfil::dekod(data);
        return find(t, foldet(t), foldet(ord), 0, t.size(), true);
    }
    static qsizetype paaBytes(const QByteArray &data, const QString &ord) {
        static const EnByteSoegning s(&Tekstfil::fraAnsi);
        return s.find(data, foldet(ord));
    }

private slots:
    void hele_ord_data() {
        QTest::addColumn<QByteArray>("data"); // Windows-1252
        QTest::addColumn<QString>("ord");
        QTest::addColumn<int>("forventet");
        QTest::newRow("i tekst") << QByteArray("<p>Tirsdag</p>") << "tirsdag" << 3;
        QTest::newRow("del af ord") << QByteArray("Tirsdags") << "Tirsdag" << -1;
        QTest::newRow("andet forekomst hel") << QByteArray("Tirsdags tirsdag") << "TIRSDAG" << 9;
        QTest::newRow("tal rører") << QByteArray("div2 div") << "div" << 5;
        QTest::newRow("understreg rører") << QByteArray("_div div_") << "div" << -1;
        QTest::newRow("æøå store og små") << QByteArray("BL\305B\306R") << "blåbær" << 0;
        QTest::newRow("æ er et bogstav") << QByteArray("bl\345b\346rgr\370d") << "blåbær" << -1;
        QTest::newRow("Ÿ fra 0x9F") << QByteArray("\x9F") << "ÿ" << 0;
        QTest::newRow("mikro foldes") << QByteArray("5 \xB5m") << "μm" << 2;
        QTest::newRow("flere ord") << QByteArray("03 05 Tirsdag") << "05 tirsdag" << 3;
        QTest::newRow("til sidst") << QByteArray("x ord") << "ord" << 2;
        QTest::newRow("tomt ord") << QByteArray("ord") << "" << -1;
    }

    void hele_ord() {
        QFETCH(QByteArray, data);
        QFETCH(QString, ord);
        QFETCH(int, forventet);
        QCOMPARE(iEditoren(data, ord), qsizetype(forventet));
        QCOMPARE(paaBytes(data, ord), qsizetype(forventet));
    }

    // Every character as the neighbour of a word on either side, and as the word itself
    // in either case among all 256.
    void hvertTegnSomNaboOgSomOrd() {
        QByteArray alle(256, ' ');
        for (int i = 0; i < 256; ++i)
            alle[i] = char(i);
        for (int b = 0; b < 256; ++b) {
            const QByteArray c(1, char(b));
            for (const QByteArray &data : {c + "ord", "ord" + c})
                QCOMPARE(paaBytes(data, "ord"), iEditoren(data, "ord"));
            const QString ord = Tekstfil::dekod(c);
            for (const QString &o : {ord, ord.toUpper()})
                QCOMPARE(paaBytes(alle, o), iEditoren(alle, o));
        }
    }
};

QTEST_GUILESS_MAIN(TstOrdsoegning)
#include "tst_ordsoegning.moc"
