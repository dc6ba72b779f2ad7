#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TstSoegning : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString mappe() const {
        return rod->rod() + u'/' + Mapper::brugernavn() +
               QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/");
    }
    void aabnDato(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    QStringList fund() const {
        QStringList t;
        for (int i = 0; i < mainform->Findis->count(); ++i)
            t << mainform->Findis->item(i)->text();
        return t;
    }
    // Types the word into the search field on the search page and presses Enter.
    void soeg(const QString &ord) {
        mainform->Bog->setCurrentIndex(2);
        mainform->EditFind->clear();
        QTest::keyClicks(mainform->EditFind, ord);
        QTest::keyClick(mainform->EditFind, Qt::Key_Return);
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        // Tuesday 5 and Wednesday 6 March: a year page, a month page and two day pages.
        aabnDato(QDate(2024, 3, 5));
        aabnDato(QDate(2024, 3, 6));
        QByteArray aar = laesBytes(mappe() + QStringLiteral("Dagbog 2024.html"));
        aar.replace("</body>", "<p>TIRSDAG: tirsdag, Tirsdags</p>\r\n</body>");
        skrivBytes(mappe() + QStringLiteral("Dagbog 2024.html"), aar);
        skrivBytes(mappe() + QStringLiteral("noter.v2.txt"), "Mødet er flyttet til tirsdag.\r\n");
        QDir().mkpath(mappe() + QStringLiteral("gammel"));
        skrivBytes(mappe() + QStringLiteral("gammel/03 05 Tirsdag.html"), "Tirsdag div\r\n");
        Dialoger::Test::vist().clear();
    }
    void cleanup() {
        nedlaegVinduer();
        rod.reset();
    }

    void findOrd_data();
    void findOrd();
    void beskeder_data();
    void beskeder();
    void handlingenFoelgerFeltOgTrae();
    void aabnFundGiverIntetNytVindue_data();
    void aabnFundGiverIntetNytVindue();
    void manglendeSideGiverFejlbesked();
    void ctrlSIEditorenGemmerOgSoegerIkke();
    void alleAar_data();
    void alleAar();
    void alleAarAabnerFundetsEgenSide();
};

void TstSoegning::findOrd_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QStringList>("forventet");
    const QStringList tirsdag{"03 05 Tirsdag", "Dagbog 2024", "noter.v2"};
    QTest::newRow("Tirsdag") << "Tirsdag" << tirsdag;
    QTest::newRow("tirsdag") << "tirsdag" << tirsdag;
    QTest::newRow("kun hele ord") << "Tirs" << QStringList();
    QTest::newRow("onsdag") << "ONSDAG" << QStringList{"03 06 Onsdag"};
    QTest::newRow("markup") << "div"
                            << QStringList{"03 05 Tirsdag", "03 06 Onsdag", "03 Marts",
                                           "Dagbog 2024"};
}

void TstSoegning::findOrd() {
    QFETCH(QString, ord);
    QFETCH(QStringList, forventet);
    soeg(ord);
    QStringList fundet = fund();
    fundet.sort();
    QCOMPARE(fundet, forventet);
    QVERIFY(Dialoger::Test::vist().isEmpty());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TstSoegning::beskeder_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<bool>("mappeFindes");
    QTest::addColumn<QString>("besked");
    QTest::addColumn<int>("raekkerBagefter");
    QTest::newRow("tomt ord") << "" << true << "Der mangler en søgetekst." << 0;
    QTest::newRow("ingen mappe") << "Tirsdag" << false << "Filerne blev ikke fundet." << 1;
}

void TstSoegning::beskeder() {
    QFETCH(QString, ord);
    QFETCH(bool, mappeFindes);
    QFETCH(QString, besked);
    QFETCH(int, raekkerBagefter);
    mainform->Findis->addItem(QStringLiteral("forrige fund"));
    if (!mappeFindes) mainform->Struktur->setInfomappe(rod->sti(QStringLiteral("ingen/")));
    mainform->FindTekst(ord);
    QCOMPARE(Dialoger::Test::vist(), QStringList{besked});
    QCOMPARE(mainform->Findis->count(), raekkerBagefter);
}

void TstSoegning::handlingenFoelgerFeltOgTrae() {
    soeg(QString());
    QVERIFY(!mainform->aSearch->isEnabled());
    QVERIFY(Dialoger::Test::vist().isEmpty());
    QTest::keyClicks(mainform->EditFind, QStringLiteral("x"));
    QVERIFY(mainform->aSearch->isEnabled());
    mainform->Struktur->clear();
    QTRY_VERIFY(!mainform->aSearch->isEnabled());
}

void TstSoegning::aabnFundGiverIntetNytVindue_data() {
    QTest::addColumn<bool>("medEnter");
    QTest::newRow("dobbeltklik") << false;
    QTest::newRow("Enter") << true;
}

void TstSoegning::aabnFundGiverIntetNytVindue() {
    QFETCH(bool, medEnter);
    const int vinduer = mainform->editorVinduer().size();
    mainform->htmlFilnavn = mappe() + QStringLiteral("03 Marts.html");
    mainform->openwin(mainform->htmlFilnavn);
    QCOMPARE(mainform->aktivtVindue()->CapNavn, QStringLiteral("03 Marts"));
    soeg(QStringLiteral("Onsdag"));
    QCOMPARE(fund(), QStringList{"03 06 Onsdag"});
    QListWidget *liste = mainform->Findis;
    const QRect r = liste->visualItemRect(liste->item(0));
    QCOMPARE(r.height(), 21);
    if (medEnter) {
        liste->setCurrentRow(0);
        QTest::keyClick(liste, Qt::Key_Return);
    } else {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    }
    QCOMPARE(mainform->editorVinduer().size(), vinduer);
    QCOMPARE(mainform->aktivtVindue()->CapNavn, QStringLiteral("03 06 Onsdag"));
    QCOMPARE(mainform->htmlFilnavn, mappe() + QStringLiteral("03 06 Onsdag.html"));
}

void TstSoegning::manglendeSideGiverFejlbesked() {
    // A hit on a file that is no page looks for its name + ".html", which is not there.
    soeg(QStringLiteral("flyttet"));
    QCOMPARE(fund(), QStringList{"noter.v2"});
    const int vinduer = mainform->editorVinduer().size();
    mainform->Findis->setCurrentRow(0);
    mainform->FindisDblClick();
    QCOMPARE(mainform->editorVinduer().size(), vinduer);
    QCOMPARE(Dialoger::Test::vist().size(), 1);
    QVERIFY(Dialoger::Test::vist().first().contains(QStringLiteral("noter.v2.html")));
}

void TstSoegning::ctrlSIEditorenGemmerOgSoegerIkke() {
    mainform->Bog->setCurrentIndex(2);
    mainform->EditFind->setText(QStringLiteral("Blåbær"));
    QVERIFY(mainform->aSearch->isEnabled());
    Twinform *w = mainform->aktivtVindue();
    // A shortcut works only in the active window.
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
    w->Editor->setFocus();
    w->Editor->setSelStart(
        w->Editor->FindText(QStringLiteral("</DIV>"), 0, w->Editor->Text().size(), false, false));
    QTest::keyClicks(w->Editor, QStringLiteral("Blåbær "));
    QTRY_VERIFY(w->aGem->isEnabled());
    QTest::keyClick(w->Editor, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!w->Editor->Modified());
    QVERIFY(laesBytes(w->Filnavn)
                .contains("Bl\xE5"
                          "b\xE6r"));
    QCOMPARE(mainform->Findis->count(), 0);
    // On the search page the same keys search.
    mainform->EditFind->setFocus();
    QTest::keyClick(mainform->EditFind, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fund(), QStringList{"03 06 Onsdag"});
    QVERIFY(w->Editor->Text().contains(QStringLiteral("Blåbær ")));
}

void TstSoegning::alleAar_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<bool>("alleAar");
    QTest::addColumn<QStringList>("forventet");
    QTest::addColumn<QStringList>("vink"); // the tool tips, row for row
    // The note is UTF-8 without a byte-order mark, so it reads as Windows-1252.
    const QString note = QString::fromLatin1("M\xC3\xB8"
                                             "det er flyttet til tirsdag.");
    QTest::newRow("et år") << "Tirsdag" << false
                           << QStringList{"03 05 Tirsdag", "Dagbog 2024", "noter.v2"}
                           << QStringList{"<title>Tirsdag 05. Marts</title>",
                                          "<p>TIRSDAG: tirsdag, Tirsdags</p>", note};
    QTest::newRow("alle år")
        << "Tirsdag" << true
        << QStringList{"Dagbog 2023: 03 07 Tirsdag", "Dagbog 2024: 03 05 Tirsdag",
                       "Dagbog 2024: Dagbog 2024", "Dagbog 2024: noter.v2", "Opskrifter: Suppe"}
        << QStringList{"<title>Tirsdag 07. Marts</title>", "<title>Tirsdag 05. Marts</title>",
                       "<p>TIRSDAG: tirsdag, Tirsdags</p>", note, "<p>Suppe hver tirsdag</p>"};
    // Windows-1252 in one year, UTF-8 with a byte-order mark in the other; "æ" is a letter.
    QTest::newRow("æøå i to kodninger")
        << "blåbær" << true << QStringList{"Dagbog 2023: 03 07 Tirsdag", "Dagbog 2024: bær"}
        << QStringList{"<p>BLÅBÆR</p>", "Blåbær, ikke blåbærgrød"};
}

void TstSoegning::alleAar() {
    QFETCH(QString, ord);
    QFETCH(bool, alleAar);
    QFETCH(QStringList, forventet);
    QFETCH(QStringList, vink);
    aabnDato(QDate(2024, 3, 5).addYears(-1).addDays(2)); // Tuesday 7 March 2023
    const QString aar2023 = mappe().replace(QStringLiteral("2024"), QStringLiteral("2023"));
    QByteArray side = laesBytes(aar2023 + QStringLiteral("03 07 Tirsdag.html"));
    side.replace("</body>", "<p>BL\xC5"
                            "B\xC6R</p>\r\n</body>");
    skrivBytes(aar2023 + QStringLiteral("03 07 Tirsdag.html"), side);
    skrivBytes(mappe() + QStringLiteral("bær.txt"),
               "\xEF\xBB\xBF" + QStringLiteral("Blåbær, ikke blåbærgrød\r\n").toUtf8());
    const QString egen = rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/");
    skrivBytes(egen + QStringLiteral("Opskrifter/tekstfiler/Suppe.html"),
               "<p>Suppe hver tirsdag</p>\r\n");
    skrivBytes(egen + QStringLiteral("Uden sider/noter.html"), "tirsdag\r\n"); // no page folder
    aabnDato(QDate(2024, 3, 5)); // the tree shows 2024 again

    mainform->findChild<QCheckBox *>(QStringLiteral("AlleAarCheck"))->setChecked(alleAar);
    soeg(ord);
    QStringList fundet, vist;
    for (int i = 0; i < mainform->Findis->count(); ++i)
        fundet << mainform->Findis->item(i)->text();
    fundet.sort();
    for (const QString &f : std::as_const(fundet))
        vist << mainform->Findis->findItems(f, Qt::MatchExactly).first()->toolTip();
    QCOMPARE(fundet, forventet);
    QCOMPARE(vist, vink);
    QVERIFY(Dialoger::Test::vist().isEmpty());
}

void TstSoegning::alleAarAabnerFundetsEgenSide() {
    aabnDato(QDate(2023, 3, 7));
    aabnDato(QDate(2024, 3, 5));
    auto *alle = mainform->findChild<QCheckBox *>(QStringLiteral("AlleAarCheck"));
    alle->setChecked(true);
    soeg(QStringLiteral("Tirsdag"));
    const QList<QListWidgetItem *> r =
        mainform->Findis->findItems(QStringLiteral("Dagbog 2023: 03 07 Tirsdag"), Qt::MatchExactly);
    QCOMPARE(r.size(), 1);
    mainform->Findis->setCurrentItem(r.first());
    mainform->FindisDblClick();
    const QString side = rod->rod() + u'/' + Mapper::brugernavn() +
                         QStringLiteral("/Struktur/Dagbog 2023/tekstfiler/03 07 Tirsdag.html");
    QCOMPARE(mainform->htmlFilnavn, side);
    QCOMPARE(mainform->aktivtVindue()->Filnavn, side);
    QVERIFY(Dialoger::Test::vist().isEmpty());

    // Every year is searched also while the tree is empty; one year needs its tree.
    mainform->Struktur->clear();
    mainform->EditFind->setText(QStringLiteral("x"));
    QTRY_VERIFY(mainform->aSearch->isEnabled());
    alle->setChecked(false);
    QTRY_VERIFY(!mainform->aSearch->isEnabled());
}

DAGBOG_GUI_TEST_MAIN(TstSoegning)
#include "tst_soegning.moc"
