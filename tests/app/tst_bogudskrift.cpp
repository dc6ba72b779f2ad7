#include "app/udskrivbog.h"
#include "app/vinduer.h"
#include "editor/win.h"
#include "forms/spm.h"
#include "main/bogudskrift.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QPdfDocument>
#include <QPdfSelection>
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
        return rod->rod() + u'/' + Mapper::brugernavn() + "/Struktur/Dagbog 2024/";
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
        return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    }
    // A small year: three days in two months, one with a picture, one day page gone.
    void lavDagbog() {
        for (const QDate &d : {QDate(2024, 3, 5), QDate(2024, 3, 6), QDate(2024, 4, 1)}) {
            mainform->kalender->setSelectedDate(d);
            QTest::mouseClick(mainform->findChild<QPushButton *>("ButtonOpret"), Qt::LeftButton);
        }
        for (Twinform *w : mainform->editorVinduer())
            w->luk();
        QImage billede(120, 60, QImage::Format_RGB32);
        billede.fill(Qt::darkGreen);
        QVERIFY(billede.save(aar() + "Billeder/have.png"));
        skrivBytes(aar() + "tekstfiler/03 05 Tirsdag.html",
                   "<html><head><title>Tirsdag 05. Marts</title></head><body>\r\n"
                   "<p>Krokusserne blomstrer i haven.</p>\r\n"
                   "<img src=\"../Billeder/have.png\">\r\n</body></html>\r\n");
        QVERIFY(QFile::remove(aar() + "tekstfiler/03 06 Onsdag.html"));
        QTRY_VERIFY(mainform->aUdskrivDagbog->isEnabled());
    }
    QString udskriv(const QString &maal) {
        Dialoger::Test::vist().clear();
        Dialoger::Test::koeFil(maal);
        mainform->aUdskrivDagbog->trigger();
        for (QDeadlineTimer frist(120000); mainform->bogudskrift && !frist.hasExpired();)
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
    void eksisterendeFil_data();
    void eksisterendeFil();
    void billedfil_data();
    void billedfil();
    void kommandolinjen_data();
    void kommandolinjen();
};

void TstBogudskrift::pdfMedIndholdBillederOgManglendeSide() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils are not installed");
    const auto foer = aftryk();
    const QString pdf = rod->sti("bog.pdf");
    const QString vist = udskriv(pdf);
    // The dialog suggests the documents folder and the structure's name.
    const QString forslag = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY2(vist.contains(QDir::toNativeSeparators(forslag + "/Dagbog 2024.pdf")),
             qPrintable(vist));
    QVERIFY(vist.contains("Dagbogen er skrevet til"));
    QCOMPARE(vist.count("03 06 Onsdag"), 1);

    const QString info = koer("pdfinfo", {pdf});
    const int antal = info.section("Pages:", 1).trimmed().section(u'\n', 0, 0).toInt();
    QVERIFY2(antal >= 4 + 2, qPrintable(info)); // four pages written, the title and the contents
    const QString tekst = koer("pdftotext", {pdf, "-"});
    for (const char *s : {"Indhold", "03 Marts", "04 April", "Krokusserne blomstrer"})
        QVERIFY2(tekst.contains(s), s);
    QVERIFY(!tekst.contains("03 06 Onsdag"));
    QVERIFY(koer("pdfimages", {"-list", pdf}).contains(" 120    60 "));
    QCOMPARE(aftryk(), foer);

    // Read back sheet by sheet: each numbered at its foot, the written day headed by its
    // date on the sheet the contents name, the day without a word left out.
    QPdfDocument dok;
    QCOMPARE(dok.load(pdf), QPdfDocument::Error::None);
    QCOMPARE(dok.pageCount(), antal);
    QStringList ark;
    for (int i = 0; i < antal; ++i) {
        ark << dok.getAllText(i).text().trimmed();
        QVERIFY2(ark[i].endsWith(u'\n' + QString::number(i + 1)), qPrintable(ark[i]));
    }
    QVERIFY2(ark[0].contains("1 skreven dag"), qPrintable(ark[0]));
    const QRegularExpressionMatch m =
        QRegularExpression("tirsdag 5\\. marts 2024\\s+(\\d+)").match(ark[1]);
    QVERIFY2(m.hasMatch(), qPrintable(ark[1]));
    const int dag = m.captured(1).toInt();
    QVERIFY(dag > 2 && dag <= antal);
    QVERIFY2(ark[dag - 1].startsWith("tirsdag 5. marts 2024"), qPrintable(ark[dag - 1]));
    QVERIFY(!ark.join(u'\n').contains("april 2024"));
}

void TstBogudskrift::htmlFilMedBillederIndeni() {
    const QString html = rod->sti("bog.html");
    udskriv(html);
    const QByteArray bog = laesBytes(html);
    QVERIFY(bog.contains("Krokusserne blomstrer"));
    QVERIFY(bog.contains("<img src=\"data:image/png;base64,"));
    QVERIFY(!bog.contains("../Billeder/"));
    QVERIFY(bog.contains("<a href=\"#side0\"><span>Dagbog 2024</span>"));
    QVERIFY(bog.contains("<div class=\"bogSidenavn\">tirsdag 5. marts 2024</div>"));
    QVERIFY(!bog.contains("mandag 1. april 2024")); // not a word written that day
}

void TstBogudskrift::annulleretSkriverIntet() {
    const QString pdf = rod->sti("annulleret.pdf");
    Dialoger::Test::koeFil(pdf);
    mainform->aUdskrivDagbog->trigger();
    auto *vent = mainform->findChild<QProgressDialog *>("bogFremskridt");
    QVERIFY(vent);
    QVERIFY(!mainform->aUdskrivDagbog->isEnabled() || mainform->bogudskrift);
    const auto knapper = vent->findChildren<QPushButton *>();
    const auto annuller = std::find_if(knapper.begin(), knapper.end(),
                                       [](QPushButton *b) { return b->text() == "Annuller"; });
    QVERIFY(annuller != knapper.end());
    (*annuller)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!mainform->bogudskrift, 120000);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(Dialoger::Test::vist().filter("Dagbogen").isEmpty());
}

void TstBogudskrift::eksisterendeFil_data() {
    QTest::addColumn<QString>("skrevet"); // the name typed in the dialog
    QTest::addColumn<QString>("findes");  // the file already there
    QTest::addColumn<int>("svar");        // the question box's answer
    QTest::addColumn<bool>("erstattet");
    QTest::newRow("uden endelse, nej") << "bog"
                                       << "bog.pdf" << 2 << false;
    QTest::newRow("uden endelse, ja") << "bog"
                                      << "bog.pdf" << 1 << true;
    QTest::newRow("html, nej") << "bog.html"
                               << "bog.html" << 2 << false;
}

void TstBogudskrift::eksisterendeFil() {
    QFETCH(QString, skrevet);
    QFETCH(QString, findes);
    QFETCH(int, svar);
    QFETCH(bool, erstattet);
    skrivBytes(rod->sti(findes), "gammel");
    Dialoger::Test::koeSvar(svar);
    udskriv(rod->sti(skrevet));
    QVERIFY(spmform->tekst->toPlainText().contains(QDir::toNativeSeparators(rod->sti(findes))));
    QCOMPARE(laesBytes(rod->sti(findes)) != "gammel", erstattet);
}

void TstBogudskrift::billedfil_data() {
    QTest::addColumn<QString>("fil");
    QTest::addColumn<bool>("brugt");
    QTest::newRow("i mappen") << "have.png" << true;
    QTest::newRow("i en undermappe") << "ferie/strand.png" << true;
    QTest::newRow("op og ud") << "../data.txt" << false;
    QTest::newRow("op og ind igen") << "../Billeder/have.png" << true;
    QTest::newRow("henvisning ud") << "ud.png" << false;
    QTest::newRow("over 20 MB") << "stor.png" << false;
    QTest::newRow("mangler") << "ingen.png" << false;
}

void TstBogudskrift::billedfil() {
    QFETCH(QString, fil);
    QFETCH(bool, brugt);
    const QString mappe = aar() + "Billeder/";
    skrivBytes(mappe + "ferie/strand.png", "png");
    QFile::link(aar() + "struktur.txt", mappe + "ud.png");
    QFile stor(mappe + "stor.png");
    QVERIFY(stor.open(QIODevice::WriteOnly) && stor.resize(20 * 1024 * 1024 + 1));
    stor.close();
    const QString sti = TBogudskrift::billedfil(mappe, fil);
    QCOMPARE(!sti.isEmpty(), brugt);
    if (brugt) QCOMPARE(sti, QFileInfo(mappe + fil).canonicalFilePath());
}

void TstBogudskrift::kommandolinjen_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<bool>("udenDatafil"); // the pages are then found by their element texts
    QTest::addColumn<bool>("tomme");       // "Udskriv tomme sider" ticked in the main window
    QTest::addColumn<int>("kode");
    const auto rad = [](const char *navn, const char *struktur, const char *fil, bool uden,
                        bool tomme, int kode) {
        QTest::newRow(navn) << struktur << fil << uden << tomme << kode;
    };
    rad("html", "Dagbog 2024", "cli.html", false, false, 0);
    rad("tomme sider", "Dagbog 2024", "tomme.html", false, true, 0);
    rad("uden datafil", "Dagbog 2024", "uden.html", true, false, 0);
    rad("ukendt struktur", "Dagbog 2099", "ingen.html", false, false, 2);
    rad("sti ud af strukturmappen", "../Struktur/Dagbog 2024", "ud.html", false, false, 2);
    rad("uden fil", "Dagbog 2024", "", false, false, 2);
}

void TstBogudskrift::kommandolinjen() {
    QFETCH(QString, struktur);
    QFETCH(QString, fil);
    QFETCH(bool, udenDatafil);
    QFETCH(bool, tomme);
    QFETCH(int, kode);
    mainform->udskrivTommeCheck->setChecked(tomme);
    const QString data = aar() + "data.txt";
    if (udenDatafil) QVERIFY(QFile::remove(data));
    const QString maal = fil.isEmpty() ? QString() : rod->sti(fil);
    QCOMPARE(udskrivDagbogFraKommandolinje(struktur, maal), kode);
    if (!maal.isEmpty()) QCOMPARE(QFile::exists(maal), kode == 0);
    if (kode == 0) QVERIFY(laesBytes(maal).contains("Krokusserne blomstrer"));
    if (kode == 0) QCOMPARE(laesBytes(maal).contains("mandag 1. april 2024"), tomme);
    QCOMPARE(QFile::exists(data), !udenDatafil); // the book writes no data file
}

DAGBOG_GUI_TEST_MAIN(TstBogudskrift)
#include "tst_bogudskrift.moc"
