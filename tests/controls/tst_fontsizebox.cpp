#include "controls/fontsizebox.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList punkter(std::initializer_list<int> tal) {
    QStringList t;
    for (int p : tal)
        t << QString::number(p);
    return t;
}

QStringList indhold(const QComboBox &boks) {
    QStringList t;
    for (int i = 0; i < boks.count(); ++i)
        t << boks.itemText(i);
    return t;
}

// A one-glyph bitmap font of the family "Dagbog Punkt" in one pixel height.
QByteArray bitmapfont(int pixel) {
    const QByteArray h = QByteArray::number(pixel);
    QByteArray b = "STARTFONT 2.1\nFONT -misc-dagbogpunkt-medium-r-normal--" + h +
                   "-0-96-96-c-80-iso10646-1\nSIZE " + h + " 72 72\nFONTBOUNDINGBOX 8 " + h +
                   " 0 -2\nSTARTPROPERTIES 3\nFAMILY_NAME \"Dagbog Punkt\"\nFONT_ASCENT " +
                   QByteArray::number(pixel - 2) +
                   "\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\n"
                   "SWIDTH 500 0\nDWIDTH 8 0\nBBX 8 " +
                   h + " 0 -2\nBITMAP\n";
    for (int i = 0; i < pixel; ++i)
        b += "FF\n";
    return b + "ENDCHAR\nENDFONT\n";
}

} // namespace

class TstFontSizeBox : public QObject {
    Q_OBJECT
private:
    QTemporaryDir fontmappe;

private slots:
    void initTestCase();
    void stoerrelser_data();
    void stoerrelser();
    void genvalgEfterOmbygning_data();
    void genvalgEfterOmbygning();
    void brugerensValgMeldes();
};

void TstFontSizeBox::initTestCase() {
    // Cell heights 16, 11, 13 and 11 again pixels: 12, 8, 10 and 8 points at 96 dpi.
    for (int pixel : {16, 11, 13, 11}) {
        const QString sti = fontmappe.filePath(QStringLiteral("p%1.bdf").arg(pixel));
        QFile f(sti);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bitmapfont(pixel));
        f.close();
        QFontDatabase::addApplicationFont(sti);
    }
}

void TstFontSizeBox::stoerrelser_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QStringList>("forventet");
    const QStringList standard =
        punkter({8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72});
    QTest::newRow("installeret skalerbar") << QStringLiteral("Liberation Sans") << standard;
    QTest::newRow("stedfortraeder fra systemet") << QStringLiteral("Arial") << standard;
    QTest::newRow("tomt navn") << QString() << QStringList();
    QTest::newRow("ukendt familie") << QStringLiteral("Ingen Saadan Skrift") << QStringList();
    QTest::newRow("bitmapfont stigende, hver en gang")
        << QStringLiteral("Dagbog Punkt") << punkter({8, 10, 12});
}

void TstFontSizeBox::stoerrelser() {
    QFETCH(QString, font);
    QFETCH(QStringList, forventet);
    if (font == QLatin1String("Dagbog Punkt") && !QFontDatabase::hasFamily(font))
        QSKIP("the platform loads no bitmap fonts");
    TFontSizeComboBox boks;
    boks.SetFontName(QStringLiteral("Liberation Serif")); // a filled list must go
    boks.SetFontName(font);
    QCOMPARE(boks.FontName(), font);
    QCOMPARE(indhold(boks), forventet);
}

void TstFontSizeBox::genvalgEfterOmbygning_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("nyFont");
    QTest::addColumn<int>("indeks");
    QTest::newRow("findes igen") << QStringLiteral("14") << QStringLiteral("Liberation Mono") << 5;
    QTest::newRow("findes ikke i ny liste")
        << QStringLiteral("14") << QStringLiteral("Ingen Saadan Skrift") << -1;
}

void TstFontSizeBox::genvalgEfterOmbygning() {
    QFETCH(QString, foer);
    QFETCH(QString, nyFont);
    QFETCH(int, indeks);
    TFontSizeComboBox boks;
    QSignalSpy meldt(&boks, &TFontSizeComboBox::OnNyFontSize);
    boks.SetFontName(QStringLiteral("Liberation Sans"));
    boks.setCurrentIndex(boks.findText(foer));
    boks.SetFontName(nyFont);
    QCOMPARE(boks.currentIndex(), indeks);
    if (indeks >= 0) QCOMPARE(boks.currentText(), foer);
    QCOMPARE(meldt.count(), 0); // rebuilding is not a choice of the user
}

void TstFontSizeBox::brugerensValgMeldes() {
    TFontSizeComboBox boks;
    boks.SetFontName(QStringLiteral("Liberation Sans"));
    boks.show();
    QSignalSpy aendret(&boks, &TFontSizeComboBox::OnChange);
    QSignalSpy meldt(&boks, &TFontSizeComboBox::OnNyFontSize);
    boks.lineEdit()->clear();
    QTest::keyClicks(boks.lineEdit(), QStringLiteral("36"));
    // "3" is no size; "36" is, and is reported once, after the ordinary change.
    QCOMPARE(aendret.count(), 1);
    QCOMPARE(meldt.count(), 1);
    QCOMPARE(meldt.at(0).at(0).toInt(), 36);
    QCOMPARE(boks.currentText(), QStringLiteral("36"));
    QTest::keyClick(&boks, Qt::Key_Up);
    QCOMPARE(meldt.count(), 2);
    QCOMPARE(meldt.at(1).at(0).toInt(), 28);
}

QTEST_MAIN(TstFontSizeBox)
#include "tst_fontsizebox.moc"
