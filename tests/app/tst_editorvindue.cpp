#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "forms/kontrol.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"
#include "tags/taginfo.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QtTest>

class TstEditorvindue : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString mappe(int aar) const {
        return rod->rod() + u'/' + Mapper::brugernavn() +
               QStringLiteral("/Struktur/Dagbog %1/tekstfiler/").arg(aar);
    }
    void aabnDato(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    QStringList faner() const {
        QStringList t;
        for (int i = 0; i < mainform->tc->count(); ++i)
            t << mainform->tc->tabText(i);
        return t;
    }
    Twinform *forrest() const { return mainform->aktivtVindue(); }
    QString laesSiden(Twinform *w) {
        QString tekst;
        bool klar = false;
        w->Web->page()->runJavaScript(
            QStringLiteral("document.body ? document.body.innerText : ''"), [&](const QVariant &v) {
                tekst = v.toString();
                klar = true;
            });
        QElapsedTimer ur;
        ur.start();
        while (!klar && ur.elapsed() < 10000)
            QTest::qWait(20);
        return tekst;
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        Dialoger::Test::vist().clear();
    }
    void cleanup() {
        nedlaegVinduer();
        rod.reset();
    }

    void skrivOgGemMedCtrlS();
    void statuslinjenViserLinjerOgPosition();
    void previewsidenGiverIngenAktuelEditor();
    void sammeSideToGangeGiverEtVindue();
    void sammeNavnIToAarGiverToVinduer();
    void ctrlLLukkerForresteVindue();
    void lukAlleSpoergerEnGangPerRedigeretSide();
    void mislykketGemHolderVinduetAabent();
    void vinduesskiftLukkerKontrolvinduet();
    void kontrolvinduetsSaetninger();
    void gemtDesignIndlaesesIAndreVinduer();
    void programslutSpoergerOmRedigeredeSider();
    void smaltHovedvindueSkaererIntetAf();
    void faneskiftBringerVinduetFrem_data();
    void faneskiftBringerVinduetFrem();
    void ogtegnIFanen();
    void aendretSideMaerkesIFanen_data();
    void aendretSideMaerkesIFanen();
    void kontrolvinduetFoelgerSidenavnet_data();
    void kontrolvinduetFoelgerSidenavnet();
    void programslutSkriverIkkeKontrolOptioner();
};

namespace {

// A page of its own outside the diary, opened as the tree would open it.
Twinform *aabnSide(const QString &mappe, const QString &navn) {
    const QString sti = mappe + u'/' + navn + QStringLiteral(".html");
    if (!QFileInfo::exists(sti)) skrivBytes(sti, "<html><body><p>x</p></body></html>\r\n");
    mainform->htmlFilnavn = sti;
    return mainform->openwin(sti);
}

} // namespace

void TstEditorvindue::skrivOgGemMedCtrlS() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *w = forrest();
    QCOMPARE(QFileInfo(w->Filnavn).fileName(), QStringLiteral("03 05 Tirsdag.html"));
    QVERIFY(!w->aGem->isEnabled());
    // A shortcut works only in the active window.
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
    w->Editor->setFocus();
    w->Editor->setSelStart(
        w->Editor->FindText(QStringLiteral("</DIV>"), 0, w->Editor->Text().size(), false, false) -
        1);
    QTest::keyClicks(w->Editor, QStringLiteral("Blåbær i dag"));
    QTRY_VERIFY(w->aGem->isEnabled());
    QTest::keyClick(w->Editor, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!w->Editor->Modified());
    QTRY_VERIFY(!w->aGem->isEnabled());
    // The command row follows its actions and keeps its own captions and hints.
    const auto knap = [w](const char *navn) {
        return w->findChild<QToolButton *>(QLatin1StringView(navn));
    };
    QVERIFY(!knap("Button1")->isEnabled());
    QCOMPARE(knap("Button1")->statusTip(), QStringLiteral("Gem: Ctrl+S"));
    QCOMPARE(knap("Button8")->text(), QStringLiteral("Ny linje"));
    const QByteArray bytes = laesBytes(w->Filnavn);
    QVERIFY(bytes.contains("<DIV class=\"HovedSpalte\">\r\nBl\xE5"
                           "b\xE6r i dag\r\n</DIV>\r\n"));
    QTRY_VERIFY_WITH_TIMEOUT(laesSiden(w).contains(QStringLiteral("Blåbær i dag")), 15000);
}

void TstEditorvindue::statuslinjenViserLinjerOgPosition() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *w = forrest();
    w->Editor->setText(QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"));
    w->Editor->setSelStart(w->Editor->LinjeStart(2));
    w->XYinfo();
    QCOMPARE(w->InfoPaneler[0]->text(), QStringLiteral("Linier"));
    QCOMPARE(w->InfoPaneler[1]->text(), QStringLiteral("10"));
    QCOMPARE(w->InfoPaneler[3]->text(), QStringLiteral("0,3"));
    w->Editor->setSelStart(0);
    w->XYinfo();
    QCOMPARE(w->InfoPaneler[3]->text(), QStringLiteral("0,1"));
}

void TstEditorvindue::previewsidenGiverIngenAktuelEditor() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *w = forrest();
    w->EditorBog->setCurrentIndex(1);
    QCOMPARE(mainform->taginf->editor(), w->Editor);
    w->EditorBog->setCurrentIndex(0);
    QCOMPARE(mainform->taginf->editor(), nullptr);
    QTRY_VERIFY(!w->aKodeKontrol->isEnabled());
    QVERIFY(!w->aNyLinje->isEnabled());
    // Showing "Funktioner" while "Design" is hidden makes its editor current.
    w->findChild<QToolButton *>(QStringLiteral("FunktionKnap"))->click();
    QVERIFY(w->EditorBog->isTabVisible(3));
    QVERIFY(!w->EditorBog->isTabVisible(2));
    QCOMPARE(w->EditorBog->currentIndex(), 0);
    w->EditorBog->setCurrentIndex(3);
    QCOMPARE(mainform->taginf->editor(), w->EditorFunktioner);
}

void TstEditorvindue::sammeSideToGangeGiverEtVindue() {
    aabnDato(QDate(2024, 3, 5));
    aabnDato(QDate(2024, 3, 5));
    mainform->htmlFilnavn = mappe(2024) + QStringLiteral("03 Marts.html");
    mainform->openwin(mainform->htmlFilnavn);
    QCOMPARE(mainform->editorVinduer().size(), 3);
    QCOMPARE(faner(), (QStringList{"Dagbog 2024", "03 Marts", "03 05 Tirsdag"}));
    QCOMPARE(forrest()->CapNavn, QStringLiteral("03 Marts"));
    QCOMPARE(mainform->tc->currentIndex(), 1);
}

void TstEditorvindue::sammeNavnIToAarGiverToVinduer() {
    // 7 March is a Tuesday in 2023 and 5 March in 2024: both pages are "03 0x Tirsdag".
    aabnDato(QDate(2024, 3, 5));
    QTRY_VERIFY(mainform->aLukAlle->isEnabled());
    mainform->aLukAlle->trigger();
    QTRY_COMPARE(mainform->editorVinduer().size(), 0);
    aabnDato(QDate(2024, 3, 5));
    QFile::copy(mappe(2024) + QStringLiteral("03 05 Tirsdag.html"),
                rod->sti(QStringLiteral("andet.html")));
    QDir().mkpath(rod->sti(QStringLiteral("andet/tekstfiler")));
    QFile::copy(mappe(2024) + QStringLiteral("03 05 Tirsdag.html"),
                rod->sti(QStringLiteral("andet/tekstfiler/03 05 Tirsdag.html")));
    mainform->htmlFilnavn = rod->sti(QStringLiteral("andet/tekstfiler/03 05 Tirsdag.html"));
    Twinform *anden = mainform->openwin(mainform->htmlFilnavn);
    QCOMPARE(mainform->editorVinduer().size(), 2);
    QCOMPARE(faner(), (QStringList{"03 05 Tirsdag", "03 05 Tirsdag"}));
    QCOMPARE(forrest(), anden);
    // Either tab shows the first window with that name.
    emit mainform->tc->tabBarClicked(1);
    QCOMPARE(forrest(), mainform->editorVinduer().first());
}

void TstEditorvindue::ctrlLLukkerForresteVindue() {
    QTRY_VERIFY(!mainform->aLukAktuelle->isEnabled());
    aabnDato(QDate(2024, 3, 5));
    QTRY_VERIFY(mainform->aLukAktuelle->isEnabled());
    QCOMPARE(mainform->aLukAktuelle->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    mainform->aLukAktuelle->trigger();
    QTRY_COMPARE(mainform->editorVinduer().size(), 2);
    QCOMPARE(faner(), (QStringList{"Dagbog 2024", "03 Marts"}));
    mainform->aLukAlle->trigger();
    QTRY_COMPARE(mainform->editorVinduer().size(), 0);
    QVERIFY(faner().isEmpty());
    QTRY_VERIFY(!mainform->aLukAktuelle->isEnabled());
    QCOMPARE(mainform->taginf->editor(), nullptr);
}

void TstEditorvindue::lukAlleSpoergerEnGangPerRedigeretSide() {
    aabnDato(QDate(2024, 3, 5));
    for (Twinform *w : mainform->editorVinduer()) {
        w->Editor->setSelStart(0);
        w->Editor->setSelText(QStringLiteral("x"));
    }
    const QByteArray maaned = laesBytes(mappe(2024) + QStringLiteral("03 Marts.html"));
    Dialoger::Test::koeSvar(1); // the last window (the day) is asked first: "Ja"
    Dialoger::Test::koeSvar(2);
    Dialoger::Test::koeSvar(2);
    QTRY_VERIFY(mainform->aLukAlle->isEnabled());
    mainform->aLukAlle->trigger();
    QTRY_COMPARE(mainform->editorVinduer().size(), 0);
    QCOMPARE(Dialoger::Test::vist().count(QStringLiteral("Spørgsmål")), 3);
    QCOMPARE(spmform->tekst->toPlainText(),
             QStringLiteral("Filen er redigeret.\nSkal den gemmes?"));
    QVERIFY(laesBytes(mappe(2024) + QStringLiteral("03 05 Tirsdag.html")).startsWith("x<!DOCTYPE"));
    QCOMPARE(laesBytes(mappe(2024) + QStringLiteral("03 Marts.html")), maaned);
}

void TstEditorvindue::mislykketGemHolderVinduetAabent() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *dag = forrest();
    dag->Editor->setSelStart(0);
    dag->Editor->setSelText(QStringLiteral("mine ord"));
    // The page file cannot be written: a folder now stands in its place.
    QVERIFY(QFile::remove(dag->Filnavn));
    QVERIFY(QDir().mkdir(dag->Filnavn));
    Dialoger::Test::koeSvar(1);
    dag->luk();
    QCoreApplication::processEvents();
    QVERIFY(mainform->editorVinduer().contains(dag));
    QVERIFY(dag->Editor->Modified());
    QVERIFY(dag->Editor->Text().startsWith(QStringLiteral("mine ord")));
    QCOMPARE(Dialoger::Test::vist().filter(QStringLiteral("kan ikke gemmes")).size(), 1);
    // Ending the program keeps it open too, with nothing written.
    Dialoger::Test::koeSvar(1);
    QVERIFY(!mainform->close());
    QVERIFY(!QFile::exists(mainform->optfilnavn));
    QVERIFY(mainform->editorVinduer().contains(dag));
    // Answering "Nej" lets the window go.
    Dialoger::Test::koeSvar(2);
    dag->luk();
    QTRY_VERIFY(!mainform->editorVinduer().contains(dag));
}

void TstEditorvindue::vinduesskiftLukkerKontrolvinduet() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *dag = forrest();
    dag->EditorBog->setCurrentIndex(1);
    dag->aKodeKontrol->trigger();
    QVERIFY(kontrolform->isVisible());
    QCOMPARE(kontrolform->windowTitle(), QStringLiteral("03 05 Tirsdag"));
    QCOMPARE(kontrolform->status(), QStringLiteral("100%"));
    QVERIFY(kontrolform->Tree->topLevelItemCount() == 1);
    mainform->editorVinduer().first()->bringFrem();
    QVERIFY(!kontrolform->isVisible());
    dag->bringFrem();
    QVERIFY(!kontrolform->isVisible());
}

void TstEditorvindue::kontrolvinduetsSaetninger() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *w = forrest();
    w->EditorBog->setCurrentIndex(0);
    mainform->kontrolMSlutkoder();
    QCOMPARE(kontrolform->status(), QStringLiteral("Der er ikke indlæst struktur"));
    w->EditorBog->setCurrentIndex(1);
    w->Editor->setText(
        QStringLiteral("<div>\n<p>a\n<p class=\"x\" foo=\"y\">b\n</div></span>\n<blink>"));
    w->aKodeKontrol->trigger();
    QCOMPARE(kontrolform->status(), QStringLiteral("100%"));
    const QList<std::pair<void (Tmainform::*)(), QString>> tilfaelde{
        {&Tmainform::kontrolMSlutkoder, QStringLiteral("Der mangler 2 slutkoder")},
        {&Tmainform::kontrolFmSlutkoder, QStringLiteral("Der er 1 slutkode for meget")},
        {&Tmainform::kontrolKoder, QStringLiteral("1 ukendt kode")},
        {&Tmainform::visAttributter, QStringLiteral("1 kode med attributter")},
        {&Tmainform::kontrolAttributter, QStringLiteral("2 ukendte attributter")},
    };
    for (const auto &[kontrol, saetning] : tilfaelde) {
        (mainform->*kontrol)();
        QCOMPARE(kontrolform->status(), saetning);
    }
    // A click on the surplus end tag selects its slash and first letter in mode 4.
    mainform->kontrolFmSlutkoder();
    QTreeWidgetItem *overskydende = nullptr;
    for (QTreeWidgetItemIterator it(kontrolform->Tree); *it; ++it)
        if ((*it)->text(0).startsWith(QStringLiteral("/span"))) overskydende = *it;
    QVERIFY(overskydende);
    kontrolform->Tree->setCurrentItem(overskydende);
    mainform->KontrolGotoTag();
    QCOMPARE(w->Editor->SelText(), QStringLiteral("/s"));
}

void TstEditorvindue::gemtDesignIndlaesesIAndreVinduer() {
    aabnDato(QDate(2024, 3, 5));
    const QList<Twinform *> v = mainform->editorVinduer();
    for (Twinform *w : v)
        w->bringFrem();
    v[2]->EditorDesign->setText(QStringLiteral("body { color: red; }"));
    v[2]->EditorDesign->setModified(true);
    v[1]->EditorDesign->setSelStart(0);
    v[1]->EditorDesign->setSelText(QStringLiteral("/* egen */"));
    QTRY_VERIFY(v[2]->aGemDesign->isEnabled());
    v[2]->aGemDesign->trigger();
    QCOMPARE(laesBytes(mainform->designName), QByteArray("body { color: red; }\r\n"));
    QCOMPARE(v[0]->EditorDesign->Text(), QStringLiteral("body { color: red; }"));
    QVERIFY(v[1]->EditorDesign->Text().startsWith(QStringLiteral("/* egen */")));
}

void TstEditorvindue::programslutSpoergerOmRedigeredeSider() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *dag = forrest();
    dag->Editor->setSelStart(0);
    dag->Editor->setSelText(QStringLiteral("y"));
    dag->EditorFunktioner->setSelText(QStringLiteral("// z"));
    Dialoger::Test::koeSvar(1);
    Dialoger::Test::koeSvar(1);
    mainform->close();
    QCOMPARE(Dialoger::Test::vist().count(QStringLiteral("Spørgsmål")), 2);
    QVERIFY(laesBytes(mappe(2024) + QStringLiteral("03 05 Tirsdag.html")).startsWith("y<!DOCTYPE"));
    QVERIFY(laesBytes(mainform->funktionName).startsWith("// z"));
    QVERIFY(QFile::exists(mainform->optfilnavn));
}

void TstEditorvindue::smaltHovedvindueSkaererIntetAf() {
    // The main window at its narrowest, both bars on: the editor window still fits.
    mainform->visHtmlBar = true;
    mainform->show();
    mainform->resize(mainform->minimumSize());
    aabnDato(QDate(2024, 3, 5));
    QMdiSubWindow *sub = mainform->klient->activeSubWindow();
    QVERIFY(sub);
    QVERIFY(sub->isMaximized());
    QTRY_COMPARE(sub->width(), mainform->klient->viewport()->width());
    QVERIFY(sub->minimumSizeHint().width() <= mainform->klient->viewport()->width());
}

void TstEditorvindue::faneskiftBringerVinduetFrem_data() {
    QTest::addColumn<bool>("hjul"); // else an arrow key
    QTest::newRow("piletast") << false;
    QTest::newRow("musehjul") << true;
}

void TstEditorvindue::faneskiftBringerVinduetFrem() {
    QFETCH(bool, hjul);
    aabnDato(QDate(2024, 3, 5));
    QCOMPARE(forrest()->CapNavn, QStringLiteral("03 05 Tirsdag"));
    QTabBar *tc = mainform->tc;
    if (hjul) {
        const QPointF midt = tc->tabRect(2).center();
        QWheelEvent rul(midt, tc->mapToGlobal(midt), {}, QPoint(0, 120), Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(tc, &rul);
    } else {
        QTest::keyClick(tc, Qt::Key_Left);
    }
    QCOMPARE(tc->currentIndex(), 1);
    QCOMPARE(forrest()->CapNavn, QStringLiteral("03 Marts"));
}

void TstEditorvindue::ogtegnIFanen() {
    const QString mappe = rod->sti(QStringLiteral("egne"));
    QDir().mkpath(mappe);
    Twinform *og = aabnSide(mappe, QStringLiteral("Æbler & pærer"));
    aabnSide(mappe, QStringLiteral("Andet"));
    // One "&" on the tab, not a mnemonic mark that hides it.
    QCOMPARE(faner(), (QStringList{"Æbler && pærer", "Andet"}));
    QCOMPARE(mainform->faneNavn(0), QStringLiteral("Æbler & pærer"));
    og->bringFrem();
    QCOMPARE(mainform->tc->currentIndex(), 0);
    og->luk();
    QTRY_COMPARE(faner(), QStringList{QStringLiteral("Andet")});
}

void TstEditorvindue::aendretSideMaerkesIFanen_data() {
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("gem");
    QTest::newRow("siden gemmes") << "Editor" << true;
    QTest::newRow("siden fortrydes") << "Editor" << false;
    QTest::newRow("design gemmes") << "EditorDesign" << true;
}

void TstEditorvindue::aendretSideMaerkesIFanen() {
    QFETCH(QString, editor);
    QFETCH(bool, gem);
    aabnDato(QDate(2024, 3, 5));
    Twinform *w = forrest();
    auto *e = w->findChild<TRichEdit *>(editor);
    QVERIFY(e);
    const auto maerkede = [] {
        QStringList m;
        for (int i = 0; i < mainform->tc->count(); ++i)
            if (!mainform->tc->tabIcon(i).isNull()) m << mainform->tc->tabText(i);
        return m;
    };
    QCOMPARE(maerkede(), QStringList());
    e->setSelStart(0);
    QTest::keyClicks(e, QStringLiteral("x"));
    // The name stays the page name; only the mark beside it tells of the change.
    QCOMPARE(maerkede(), QStringList{QStringLiteral("03 05 Tirsdag")});
    QCOMPARE(faner(), (QStringList{"Dagbog 2024", "03 Marts", "03 05 Tirsdag"}));
    if (gem && e == w->Editor)
        w->aGemExecute();
    else if (gem)
        w->aGemDesignExecute();
    else
        e->document()->undo();
    QCOMPARE(maerkede(), QStringList());
}

void TstEditorvindue::kontrolvinduetFoelgerSidenavnet_data() {
    QTest::addColumn<QString>("kontrolleret");
    QTest::addColumn<QString>("anden");
    QTest::addColumn<bool>("lukkes");
    QTest::newRow("Æ og æ er to sider") << "æbler"
                                        << "Æbler" << true;
    QTest::newRow("A-Z foldes") << "dagbog"
                                << "DAGBOG" << false;
    QTest::newRow("andet navn") << "pærer"
                                << "æbler" << true;
}

void TstEditorvindue::kontrolvinduetFoelgerSidenavnet() {
    QFETCH(QString, kontrolleret);
    QFETCH(QString, anden);
    QFETCH(bool, lukkes);
    const QString mappe = rod->sti(QStringLiteral("egne"));
    QDir().mkpath(mappe);
    Twinform *andet = aabnSide(mappe, anden);
    Twinform *w = aabnSide(mappe, kontrolleret);
    w->EditorBog->setCurrentIndex(1);
    w->aKodeKontrol->trigger();
    QVERIFY(kontrolform->isVisible());
    andet->bringFrem();
    QCOMPARE(forrest(), andet);
    QCOMPARE(kontrolform->isVisible(), !lukkes);
}

void TstEditorvindue::programslutSkriverIkkeKontrolOptioner() {
    aabnDato(QDate(2024, 3, 5));
    Twinform *dag = forrest();
    dag->EditorBog->setCurrentIndex(1);
    dag->aKodeKontrol->trigger();
    QVERIFY(kontrolform->isVisible());
    const QString kontrol = mainform->optDir + QStringLiteral("kontrol.txt");
    QFile::remove(kontrol);
    QVERIFY(mainform->close());
    QVERIFY(QFileInfo::exists(mainform->optfilnavn));
    QVERIFY(!QFileInfo::exists(kontrol));
}

DAGBOG_GUI_TEST_MAIN(TstEditorvindue)
#include "tst_editorvindue.moc"
