#include "core/kontrast.h"
#include "platform/kodefarver.h"
#include "platform/stilarter.h"

#include <QApplication>
#include <QPalette>
#include <QtTest>

// Every colour of the code reads against the editor's background, in every design.
class TstKodefarver : public QObject {
    Q_OBJECT
private slots:
    void design_data();
    void design();
    void windowsPalet_data();
    void windowsPalet();
};

namespace {

void alleLaesbare(const Kodefarver::Saet &saet, const QColor &baggrund) {
    for (int r = 0; r < Kodefarver::antalRoller; ++r) {
        const double k = Kontrast::forhold(saet[r].rgb() & 0xFFFFFF, baggrund.rgb() & 0xFFFFFF);
        QVERIFY2(k >= Kodefarver::mindsteKontrast,
                 qPrintable(QStringLiteral("rolle %1: %2 på %3 giver %4")
                                .arg(r)
                                .arg(saet[r].name(), baggrund.name())
                                .arg(k, 0, 'f', 2)));
    }
}

} // namespace

void TstKodefarver::design_data() {
    QTest::addColumn<QString>("design");
    const QStringList navne = Stilarter::navne();
    QCOMPARE(navne.size(), 7);
    for (const QString &n : navne)
        QTest::newRow(qPrintable(n)) << n;
}

void TstKodefarver::design() {
    QFETCH(QString, design);
    QVERIFY(Stilarter::anvend(design));
    // The editor's background is the palette's base colour of the design in effect.
    const QColor baggrund = QApplication::palette().color(QPalette::Base);
    alleLaesbare(Kodefarver::aktivt(), baggrund);
    // The colours differ from each other, or the colouring would say nothing.
    const Kodefarver::Saet s = Kodefarver::aktivt();
    QCOMPARE(QSet<QRgb>({s[0].rgb(), s[1].rgb(), s[2].rgb(), s[3].rgb(), s[4].rgb(), s[5].rgb(),
                         s[6].rgb(), s[7].rgb()})
                 .size(),
             Kodefarver::antalRoller);
}

void TstKodefarver::windowsPalet_data() {
    QTest::addColumn<QColor>("baggrund");
    // Desktop palettes the computed set must suit: light, dark, and the grey in
    // between where neither black nor white gives much more than the minimum.
    QTest::newRow("hvid") << QColor(QRgb(0xFFFFFF));
    QTest::newRow("sort") << QColor(QRgb(0x000000));
    QTest::newRow("mellemgrå") << QColor(QRgb(0x777777));
    QTest::newRow("mørkeblå") << QColor(QRgb(0x102040));
    QTest::newRow("lys gul") << QColor(QRgb(0xFFF8D0));
    QTest::newRow("mørk lilla") << QColor(QRgb(0x3A1E4A));
}

void TstKodefarver::windowsPalet() {
    QFETCH(QColor, baggrund);
    alleLaesbare(Kodefarver::saet(QStringLiteral("Windows"), baggrund), baggrund);
}

QTEST_MAIN(TstKodefarver)
#include "tst_kodefarver.moc"
