#include "app/udskrivbog.h"
#include "app/vinduer.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

// The diary written as one book, from the structure page and from the command line.
class TstBogudskrift : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString aar() const {
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/Dagbog 2024/");
    }
    // Every file of the structure with its checksum: the book must change none of them.
    QMap<QString, QByteArray> aftryk() const {
        QMap<QString, QByteArray> ud;
        QDirIterator it(aar(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            ud.insert(f, QCryptographicHash::hash(laesBytes(f), QCryptographicHash::Sha1));
        }
        return ud;
    }
    static QString koer(const QString &program, const QStringList &argumenter) {
        QProcess p;
        p.start(program, argumenter);
        if (!p.waitForFinished(60000)) return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // A small year: three days in two months, one with a picture, one day page gone.
    void lavDagbog() {
        for (const QDate &d : {QDate(2024, 3, 5), QDate(2024, 3, 6), QDate(2024, 4, 1)}) {
            mainform->kalender->setSelectedDate(d);
            QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                              Qt::LeftButton);
        }
        for (Twinform *w : mainform->editorVinduer())
            w->luk();
        QImage billede(120, 60, QImage::Format_RGB32);
        billede.fill(Qt::darkGreen);
        QVERIFY(billede.save(aar() + QStringLiteral("Billeder/have.png")));
        skrivBytes(aar() + QStringLiteral("tekstfiler/03 05 Tirsdag.html"),
                   "<html><head><title>Tirsdag 05. Marts</title></head><body>\r\n"
                   "<p>Krokusserne blomstrer i haven.</p>\r\n"
                   "<img src=\"../Billeder/have.png\">\r\n</body></html>\r\n");
        QVERIFY(QFile::remove(aar() + QStringLiteral("tekstfiler/03 06 Onsdag.html")));
        QTRY_VERIFY(mainform->aUdskrivDagbog->isEnabled());
    }
    QString udskriv(const QString &maal) {
        Dialoger::Test::vist().clear();
        Dialoger::Test::koeFil(maal);
        mainform->aUdskrivDagbog->trigger();
        QElapsedTimer ur;
        ur.start();
        while (mainform->bogudskrift && ur.elapsed() < 120000)
            QTest::qWait(50);
        return mainform->bogudskrift ? QString() : Dialoger::Test::vist().join(u'\n');
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        Dialoger::Test::vist().clear();
        lavDagbog();
    }
    void cleanup() {
        nedlaegVinduer();
        rod.reset();
    }

    void pdfMedIndholdBillederOgManglendeSide();
    void htmlFilMedBillederIndeni();
    void annulleretSkriverIntet();
    void kommandolinjen_data();
    void kommandolinjen();
    void kommandolinjenUdenDatafil();
};

void TstBogudskrift::pdfMedIndholdBillederOgManglendeSide() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils are not installed");
    const auto foer = aftryk();
    const QString pdf = rod->sti(QStringLiteral("bog.pdf"));
    const QString vist = udskriv(pdf);
    // The dialog suggests the documents folder and the structure's name.
    QVERIFY2(vist.contains(QDir::toNativeSeparators(
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                 QStringLiteral("/Dagbog 2024.pdf"))),
             qPrintable(vist));
    QVERIFY2(vist.contains(QStringLiteral("Dagbogen er skrevet til")), qPrintable(vist));
    QCOMPARE(vist.count(QStringLiteral("03 06 Onsdag")), 1);
    QVERIFY(laesBytes(pdf).startsWith("%PDF"));

    const QString info = koer(QStringLiteral("pdfinfo"), {pdf});
    const int ark =
        info.section(QStringLiteral("Pages:"), 1).trimmed().section(u'\n', 0, 0).toInt();
    QVERIFY2(ark >= 5 + 2, qPrintable(info)); // five pages found, the title and the contents
    const QString tekst = koer(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const QString &s : {QStringLiteral("Indhold"), QStringLiteral("03 Marts"),
                             QStringLiteral("04 April"), QStringLiteral("Krokusserne blomstrer")})
        QVERIFY2(tekst.contains(s), qPrintable(s));
    QVERIFY(!tekst.contains(QStringLiteral("03 06 Onsdag")));
    QVERIFY(koer(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                .contains(QStringLiteral(" 120    60 ")));
    QCOMPARE(aftryk(), foer);
}

void TstBogudskrift::htmlFilMedBillederIndeni() {
    const QString html = rod->sti(QStringLiteral("bog.html"));
    udskriv(html);
    const QByteArray bog = laesBytes(html);
    QVERIFY(bog.contains("Krokusserne blomstrer"));
    QVERIFY(bog.contains("<img src=\"data:image/png;base64,"));
    QVERIFY(!bog.contains("../Billeder/"));
    QVERIFY(bog.contains("<a href=\"#side0\">Dagbog 2024</a>"));
}

void TstBogudskrift::annulleretSkriverIntet() {
    const QString pdf = rod->sti(QStringLiteral("annulleret.pdf"));
    Dialoger::Test::koeFil(pdf);
    mainform->aUdskrivDagbog->trigger();
    auto *vent = mainform->findChild<QProgressDialog *>(QStringLiteral("bogFremskridt"));
    QVERIFY(vent);
    QVERIFY(!mainform->aUdskrivDagbog->isEnabled() || mainform->bogudskrift);
    QPushButton *annuller = nullptr;
    for (QPushButton *b : vent->findChildren<QPushButton *>())
        if (b->text() == QStringLiteral("Annuller")) annuller = b;
    QVERIFY(annuller);
    annuller->click();
    QTRY_VERIFY_WITH_TIMEOUT(!mainform->bogudskrift, 120000);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(Dialoger::Test::vist().filter(QStringLiteral("Dagbogen")).isEmpty());
}

void TstBogudskrift::kommandolinjen_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<int>("kode");
    QTest::newRow("html") << "Dagbog 2024"
                          << "cli.html" << 0;
    QTest::newRow("ukendt struktur") << "Dagbog 2099"
                                     << "ingen.html" << 2;
    QTest::newRow("sti ud af strukturmappen") << "../Struktur/Dagbog 2024"
                                              << "ud.html" << 2;
    QTest::newRow("uden fil") << "Dagbog 2024"
                              << "" << 2;
}

void TstBogudskrift::kommandolinjen() {
    QFETCH(QString, struktur);
    QFETCH(QString, fil);
    QFETCH(int, kode);
    const QString maal = fil.isEmpty() ? QString() : rod->sti(fil);
    QCOMPARE(udskrivDagbogFraKommandolinje(struktur, maal), kode);
    if (!maal.isEmpty()) QCOMPARE(QFile::exists(maal), kode == 0);
    if (kode == 0) QVERIFY(laesBytes(maal).contains("Krokusserne blomstrer"));
}

void TstBogudskrift::kommandolinjenUdenDatafil() {
    // The pages are found by their element texts, and no data file is written for the book.
    QVERIFY(QFile::remove(aar() + QStringLiteral("data.txt")));
    const QString maal = rod->sti(QStringLiteral("uden.html"));
    QCOMPARE(udskrivDagbogFraKommandolinje(QStringLiteral("Dagbog 2024"), maal), 0);
    QVERIFY(laesBytes(maal).contains("Krokusserne blomstrer"));
    QVERIFY(!QFile::exists(aar() + QStringLiteral("data.txt")));
}

DAGBOG_GUI_TEST_MAIN(TstBogudskrift)
#include "tst_bogudskrift.moc"
