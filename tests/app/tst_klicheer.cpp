#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "forms/info.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/trichedit.h"
#include "tags/taginfo.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

class TstKlicheer : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    Twinform *w = nullptr;
    QAction *h(const QString &navn) const { return w->findChild<QAction *>(navn); }
    // The editor holds the text; | marks the caret, [ ] a selection.
    void saet(const QString &tekst) {
        QString t = tekst;
        const int start = int(t.indexOf(u'['));
        if (start >= 0) {
            t.remove(start, 1);
            const int slut = int(t.indexOf(u']'));
            t.remove(slut, 1);
            w->Editor->setText(t);
            w->Editor->setSelection(start, slut - start);
        } else {
            const int caret = int(t.indexOf(u'|'));
            t.remove(caret, 1);
            w->Editor->setText(t);
            w->Editor->setSelStart(caret);
        }
        mainform->taginf->SetEditor(w->Editor);
    }
    QString medCaret() const {
        QString t = w->Editor->toPlainText();
        if (w->Editor->SelLength() == 0) t.insert(w->Editor->SelStart(), u'|');
        return t;
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
        w = mainform->aktivtVindue();
        QVERIFY(w);
    }
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void init() {
        Dialoger::Test::slaaTil(true);
        w->PreviewCheck->setChecked(false);
    }

    void tekstklicheer_data();
    void tekstklicheer();
    void billedklicheKopiererBilledet();
    void billedeErstatterAldrigEtAndet_data();
    void billedeErstatterAldrigEtAndet();
    void previewViserHjaelpIStedet();
    void specialtegn_data();
    void specialtegn();
    void udenMarkeringGivesBesked();
    void slutkode_data();
    void slutkode();
    void opslag_data();
    void opslag();
    void websoegningMedMarkering_data();
    void websoegningMedMarkering();
    void billednavnUdenEndelseErJpg();
    void billeddialogetsMappeFilterOgVisning();
};

void TstKlicheer::tekstklicheer_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("forventet");
    QTest::newRow("Tekstafsnit") << "mFunk01"
                                 << "a\n<p>\nTEKST\n</p>\n|b";
    QTest::newRow("Tilpasset") << "mFunk02"
                               << "a\n<p class=\"tilpas\">\nTEKST\n</p>\n|b";
    QTest::newRow("Skjult")
        << "mFunk03"
        << "a\n<p><div class=\"menuspalte\">\n<div class=\"header\" "
           "onmouseup=\"showBox(this)\">OVERSKRIFT</div>\n<div class=\"indhold\">\nTEKST\n"
           "</div>\n</div></p>\n|b";
    QTest::newRow("Kolonne")
        << "mFunk04"
        << "a\n<div class=\"kolonneKontainer\">\n<div "
           "class=\"kolonneOverskrift\">OVERSKRIFT</div>\n<div class=\"artikelIndhold\">\n"
           "TEKST\n</div></div>\n|b";
    QTest::newRow("Centreret") << "funk05"
                               << "a\n<p class=\"centrer\">\nTEKST<br>\nTEKST<br>\nTEKST\n</p>\n|b";
}

void TstKlicheer::tekstklicheer() {
    QFETCH(QString, navn);
    QFETCH(QString, forventet);
    saet(QStringLiteral("a|b"));
    w->PUtekst->findChild<QAction *>(navn)->trigger();
    QCOMPARE(medCaret(), forventet);
    QVERIFY(w->Editor->Modified());
}

void TstKlicheer::billedklicheKopiererBilledet() {
    const QString kilde = rod->sti(QStringLiteral("hjemme/sol.png"));
    skrivBytes(kilde, "PNG");
    saet(QStringLiteral("x|"));
    Dialoger::Test::koeFil(kilde);
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk08"))->trigger();
    QCOMPARE(laesBytes(mainform->Struktur->Billedmappe() + QStringLiteral("sol.png")),
             QByteArray("PNG"));
    QCOMPARE(
        medCaret(),
        QStringLiteral("x\n<div class=\"billedtekst\">\n<div>\n<img src=\"../Billeder/sol.png\" "
                       "title=\"\" Alt=\"Billede\" style=\"width: 120px;\">\n</div>\n<div>\nTEKST\n"
                       "</div></div>\n|"));
    // A cancelled dialog writes nothing.
    saet(QStringLiteral("x|"));
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk05"))->trigger();
    QCOMPARE(medCaret(), QStringLiteral("x|"));
}

void TstKlicheer::billedeErstatterAldrigEtAndet_data() {
    // Files already in the picture folder as "name=bytes"; the picture inserted
    // is always "IMG_0001.jpg" holding "ny".
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QString>("indsat");
    QTest::newRow("ledigt navn") << QStringList{} << "IMG_0001.jpg";
    QTest::newRow("samme bytes genbruges") << QStringList{"IMG_0001.jpg=ny"} << "IMG_0001.jpg";
    QTest::newRow("andre bytes faar frit navn")
        << QStringList{"IMG_0001.jpg=gammel"} << "IMG_0001 (2).jpg";
    QTest::newRow("naeste navn optaget")
        << QStringList{"IMG_0001.jpg=gammel", "IMG_0001 (2).jpg=andet"} << "IMG_0001 (3).jpg";
    QTest::newRow("kopi fra foer genbruges")
        << QStringList{"IMG_0001.jpg=gammel", "IMG_0001 (2).jpg=ny"} << "IMG_0001 (2).jpg";
}

void TstKlicheer::billedeErstatterAldrigEtAndet() {
    QFETCH(QStringList, findes);
    QFETCH(QString, indsat);
    const QString mappe = mainform->Struktur->Billedmappe();
    for (const QString &f : QDir(mappe).entryList({QStringLiteral("IMG_0001*")}, QDir::Files))
        QFile::remove(mappe + f);
    for (const QString &f : findes)
        skrivBytes(mappe + f.section(u'=', 0, 0), f.section(u'=', 1).toUtf8());
    const QString kilde = rod->sti(QStringLiteral("hjemme/kamera/IMG_0001.jpg"));
    QDir().mkpath(QFileInfo(kilde).path());
    skrivBytes(kilde, "ny");
    saet(QStringLiteral("x|"));
    Dialoger::Test::koeFil(kilde);
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk05"))->trigger();
    QVERIFY(medCaret().contains(QStringLiteral("src=\"../Billeder/") + indsat + u'"'));
    QCOMPARE(laesBytes(mappe + indsat), QByteArray("ny"));
    for (const QString &f : findes)
        QCOMPARE(laesBytes(mappe + f.section(u'=', 0, 0)), f.section(u'=', 1).toUtf8());
    QCOMPARE(QDir(mappe).entryList({QStringLiteral("IMG_0001*")}, QDir::Files).size(),
             findes.size() + (findes.contains(indsat + QStringLiteral("=ny")) ? 0 : 1));
}

void TstKlicheer::previewViserHjaelpIStedet() {
    w->PreviewCheck->setChecked(true);
    saet(QStringLiteral("x|"));
    const QString kilde = rod->sti(QStringLiteral("hjemme/maane.png"));
    skrivBytes(kilde, "PNG");
    Dialoger::Test::koeFil(kilde);
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk05"))->trigger();
    QCOMPARE(medCaret(), QStringLiteral("x|"));
    QVERIFY(!QFile::exists(mainform->Struktur->Billedmappe() + QStringLiteral("maane.png")));
    QCOMPARE(infoform->strukturnavn, QStringLiteral("Programmet"));
    QCOMPARE(infoform->EditFind->text(), QStringLiteral("Billed2"));
}

void TstKlicheer::specialtegn_data() {
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");
    QTest::addColumn<QString>("markeret");
    QTest::newRow("udskift") << "UdskiftSpecialtegn"
                             << "[<b>x</b>]"
                             << "&lt;b&gt;x&lt;/b&gt;"
                             << "&lt;b&gt;x&lt;/b&gt;";
    QTest::newRow("gendan") << "GendanSpecialtegn"
                            << "[&lt;b&gt;x&lt;/b&gt;]"
                            << "<b>x</b>"
                            << "<b>x</b>";
    QTest::newRow("ampersand røres ikke") << "UdskiftSpecialtegn"
                                          << "[a&b<c]"
                                          << "a&b&lt;c"
                                          << "a&b&lt;c";
    QTest::newRow("amp lt gendannes ikke") << "GendanSpecialtegn"
                                           << "[&amp;lt;]"
                                           << "&amp;lt;"
                                           << "&amp;lt;";
    QTest::newRow("store bogstaver") << "GendanSpecialtegn"
                                     << "[&LT;]"
                                     << "&LT;"
                                     << "&LT;";
    QTest::newRow("kort hale") << "GendanSpecialtegn"
                               << "[x&lt]"
                               << "x&lt"
                               << "x&lt";
}

void TstKlicheer::specialtegn() {
    QFETCH(QString, handling);
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    QFETCH(QString, markeret);
    saet(foer);
    QTRY_VERIFY(h(handling)->isEnabled());
    h(handling)->trigger();
    QCOMPARE(w->Editor->toPlainText(), efter);
    QCOMPARE(w->Editor->SelText(), markeret);
}

void TstKlicheer::udenMarkeringGivesBesked() {
    saet(QStringLiteral("<b>|"));
    w->UdskiftSpecialtegnExecute();
    QCOMPARE(Dialoger::Test::vist(), QStringList{QStringLiteral("Der skal vælges en tekst!")});
    QCOMPARE(w->Editor->toPlainText(), QStringLiteral("<b>"));
    QTRY_VERIFY(!h(QStringLiteral("GendanSpecialtegn"))->isEnabled());
    // The entities go in at the caret.
    w->PUspecialtegn->findChild<QAction *>(QStringLiteral("MxMellemrum"))->trigger();
    QCOMPARE(medCaret(), QStringLiteral("<b>&nbsp;|"));
}

void TstKlicheer::slutkode_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");
    QTest::addColumn<QString>("besked");
    QTest::newRow("lukker p") << "<div><p>tekst|"
                              << "<div><p>tekst|</p>"
                              << "";
    QTest::newRow("inde i starttag") << "<div><p class=\"|x\">"
                                     << "<div><p class=\"|x\">"
                                     << "";
    QTest::newRow("ingen kode") << "tekst|"
                                << "tekst|"
                                << "Der er ingen aktuel kode.";
    QTest::newRow("ukendt kode") << "<foo>x|"
                                 << "<foo>x|"
                                 << "Koden blev ikke fundet";
}

void TstKlicheer::slutkode() {
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    QFETCH(QString, besked);
    saet(foer);
    h(QStringLiteral("aSlutkode"))->trigger();
    QCOMPARE(medCaret(), efter);
    QCOMPARE(Dialoger::Test::vist(), besked.isEmpty() ? QStringList() : QStringList{besked});
}

void TstKlicheer::opslag_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QString>("element");
    QTest::newRow("style color") << "<p style=\"col|or: red\">"
                                 << "aHtmlInfo"
                                 << "CSS"
                                 << "color";
    QTest::newRow("class") << "<p class=\"a|b\">"
                           << "aHtmlInfo"
                           << "Html5"
                           << "class";
    QTest::newRow("indhold af p") << "<div><p>te|kst"
                                  << "aHtmlInfo"
                                  << "Html5"
                                  << "p";
    QTest::newRow("tom style") << "<p style=\"|\">"
                               << "aHtmlInfo"
                               << "Html5"
                               << "Globale Attributter";
    QTest::newRow("css") << "font-si|ze: 1px"
                         << "aCssInfo"
                         << "CSS"
                         << "font-size";
    QTest::newRow("js") << "document.getElem|entById"
                        << "aJsInfo"
                        << "JavaScript"
                        << "getElementById";
}

void TstKlicheer::opslag() {
    QFETCH(QString, foer);
    QFETCH(QString, handling);
    QFETCH(QString, struktur);
    QFETCH(QString, element);
    saet(foer);
    h(handling)->trigger();
    QCOMPARE(infoform->strukturnavn, struktur);
    QCOMPARE(infoform->EditFind->text(), element);
}

void TstKlicheer::websoegningMedMarkering_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("ord"); // what the site reads back
    const QString soeg = QStringLiteral("https://www.google.com/search?q=");
    QTest::newRow("to ord") << "x [to ord] y"
                            << "googleUrl" << soeg + "to%20ord"
                            << "to ord";
    QTest::newRow("C#") << "[C#] kode"
                        << "googleUrl" << soeg + "C%23"
                        << "C#";
    QTest::newRow("& og +") << "[R&D+1]"
                            << "googleUrl" << soeg + "R%26D%2B1"
                            << "R&D+1";
    QTest::newRow("ordbog, æ og å") << "blåb|ær"
                                    << "ordbogUrl"
                                    << "https://ordnet.dk/ddo/ordbog?query=bl%C3%A5b%C3%A6r"
                                    << "blåbær";
}

void TstKlicheer::websoegningMedMarkering() {
    QFETCH(QString, foer);
    QFETCH(QString, handling);
    QFETCH(QString, adresse);
    QFETCH(QString, ord);
    Dialoger::Test::vist().clear();
    saet(foer);
    h(handling)->trigger();
    QCOMPARE(Dialoger::Test::vist(), QStringList{adresse});
    QCOMPARE(QUrlQuery(QUrl(Dialoger::Test::vist().value(0)))
                 .queryItems(QUrl::FullyDecoded)
                 .value(0)
                 .second,
             ord);
}

void TstKlicheer::billednavnUdenEndelseErJpg() {
    // A name typed without extension in the picture dialog means a JPEG.
    const QString kilde = rod->sti(QStringLiteral("hjemme/ferie"));
    skrivBytes(kilde + QStringLiteral(".jpg"), "JPG");
    saet(QStringLiteral("x|"));
    Dialoger::Test::koeFil(kilde);
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk08"))->trigger();
    QCOMPARE(laesBytes(mainform->Struktur->Billedmappe() + QStringLiteral("ferie.jpg")),
             QByteArray("JPG"));
    QVERIFY(medCaret().contains(QStringLiteral("src=\"../Billeder/ferie.jpg\"")));
}

void TstKlicheer::billeddialogetsMappeFilterOgVisning() {
    const QString hjemme = rod->sti(QStringLiteral("hjemme"));
    QDir().mkpath(hjemme);
    QImage roed(400, 100, QImage::Format_RGB32);
    roed.fill(Qt::red);
    QVERIFY(roed.save(hjemme + QStringLiteral("/sol.png")));
    // The next dialog opens where the last picture came from.
    for (const QString &valgt : {hjemme + QStringLiteral("/sol.png"), QString()}) {
        saet(QStringLiteral("x|"));
        if (!valgt.isEmpty()) Dialoger::Test::koeFil(valgt);
        w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk08"))->trigger();
    }
    QCOMPARE(Dialoger::Test::billedStartmappe(), hjemme);

    std::unique_ptr<QFileDialog> d(Dialoger::billedDialog(w, hjemme));
    QCOMPARE(d->directory().absolutePath(), hjemme);
    QCOMPARE(d->nameFilters(),
             QStringList{QStringLiteral("Billeder (*.jpg *.jpeg *.png *.gif *.webp *.svg *.ico)")});
    auto *visning = d->findChild<QLabel *>(QStringLiteral("forhaandsvisning"));
    QVERIFY(visning && visning->pixmap().isNull());
    emit d->currentChanged(hjemme + QStringLiteral("/sol.png"));
    // The whole picture, scaled into the box.
    QCOMPARE(visning->pixmap().size(), QSize(200, 50));
}

DAGBOG_GUI_TEST_MAIN(TstKlicheer)
#include "tst_klicheer.moc"
