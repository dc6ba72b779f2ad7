#include "core/startmappe.h"

#include <QtTest>

class TstStartmappe : public QObject {
    Q_OBJECT
private slots:
    void billedStartmappe_data() {
        QTest::addColumn<QString>("sidst");
        QTest::addColumn<QString>("billeder");
        QTest::addColumn<QStringList>("findes");
        QTest::addColumn<QString>("ud");
        QTest::newRow("sidst brugte")
            << "/h/fotos"
            << "/h/Billeder" << QStringList{"/h/fotos", "/h/Billeder"} << "/h/fotos";
        QTest::newRow("sidst brugte er væk")
            << "/h/fotos"
            << "/h/Billeder" << QStringList{"/h/Billeder"} << "/h/Billeder";
        QTest::newRow("intet brugt endnu")
            << ""
            << "/h/Billeder" << QStringList{"/h/Billeder"} << "/h/Billeder";
        QTest::newRow("ingen billedmappe") << ""
                                           << "/h/Billeder" << QStringList{} << "/h";
    }
    void billedStartmappe() {
        QFETCH(QString, sidst);
        QFETCH(QString, billeder);
        QFETCH(QStringList, findes);
        QFETCH(QString, ud);
        QCOMPARE(::billedStartmappe(sidst, billeder, QStringLiteral("/h"),
                                    [&](const QString &m) { return findes.contains(m); }),
                 ud);
    }
};

QTEST_APPLESS_MAIN(TstStartmappe)
#include "tst_startmappe.moc"
