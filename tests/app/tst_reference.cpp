#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/sammenlign.h"
#include "editor/win.h"
#include "forms/info.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"
#include "tags/taginfo.h"
#include "testhjaelp.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>
#include <QWebEnginePage>
#include <QtTest>

// The delivered reference structures Html5, CSS and JavaScript, as the
// program's own look-ups reach them.
class TstReference : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    Twinform *w = nullptr;

    QString program() const { return rod->rod() + QStringLiteral("/Program/"); }
    QStringList linjer(const QString &sti) const { return Tekstfil::laesLinjer(program() + sti); }
    // Every name the editor can hand to the look-up from the program's own lists.
    QStringList html5Navne() const {
        QSet<QString> eksk;
        for (const QString &e : linjer(QStringLiteral("Dir/Html/Ekskluderet.txt")))
            eksk.insert(e.toLower());
        QStringList navne;
        for (const QString &t : linjer(QStringLiteral("Dir/Html/AlleKoder.txt")))
            if (!eksk.contains(t.toLower())) navne << t;
        QDir d(program() + QStringLiteral("Dir/Attributes"));
        QSet<QString> attr;
        for (const QString &f : d.entryList({QStringLiteral("*.txt")}, QDir::Files))
            for (const QString &a : linjer(QStringLiteral("Dir/Attributes/") + f))
                attr.insert(a);
        QStringList a = attr.values();
        a.sort();
        return navne << a << QStringLiteral("Globale Attributter");
    }
    // The editor's text with | as the caret, in the given editor.
    void saet(TRichEdit *e, const QString &tekst) {
        QString t = tekst;
        const int caret = int(t.indexOf(u'|'));
        t.remove(caret, 1);
        e->setText(t);
        e->setSelStart(caret);
        mainform->taginf->SetEditor(e);
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        Dialoger::Test::slaaTil(true);
        opretVinduer();
        mainform->brugerlevel = 1;
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

    void opslagFinderSitElement_data();
    void opslagFinderSitElement();
    void siderneFindesOgLinkerDesignet_data();
    void siderneFindesOgLinkerDesignet();
    void editorensOpslag_data();
    void editorensOpslag();
    void linkOgHistorik();
    void soegningOgStrukturkonstruktoer();
};

void TstReference::opslagFinderSitElement_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QStringList>("navne");
    QTest::newRow("Html5: alle koder og attributter") << "Html5" << html5Navne();
    QTest::newRow("CSS: udvalg")
        << "CSS"
        << QStringList{"font-size", "color",  "display",    "margin",       "grid-template-columns",
                       "flex",      "@media", "@font-face", "hover",        "first-child",
                       "before",    "calc",   "var",        "border-radius"};
    QTest::newRow("JavaScript: udvalg") << "JavaScript"
                                        << QStringList{"let",
                                                       "const",
                                                       "function",
                                                       "if",
                                                       "Array",
                                                       "JSON.parse",
                                                       "map",
                                                       "push",
                                                       "Math.round",
                                                       "getElementById",
                                                       "addEventListener",
                                                       "innerHTML",
                                                       "querySelector",
                                                       "textContent",
                                                       "classList",
                                                       "console",
                                                       "log",
                                                       "setTimeout",
                                                       "localStorage"};
}

// goToInfo stops at the first element with the name, A–Z folded; a name shared by
// a tag and an attribute lands on the tag, whose page then links the attribute.
void TstReference::opslagFinderSitElement() {
    QFETCH(QString, struktur);
    QFETCH(QStringList, navne);
    QVERIFY(navne.size() > 10);
    QStringList mangler;
    for (const QString &navn : navne) {
        infoform->HelpInfo(struktur, navn);
        const QTreeWidgetItem *e = infoform->Struktur->valgtElement();
        if (!e || !ensAZ(e->text(0), navn)) mangler << navn;
    }
    QCOMPARE(mangler, QStringList());
    QCOMPARE(infoform->windowTitle(), struktur);

    if (struktur != QLatin1String("Html5")) return;
    QStringList uden;
    for (const QString &navn : navne) {
        infoform->HelpInfo(struktur, navn);
        const QString side = TStruktur::sideNavn(infoform->Struktur->valgtElement());
        const QString attributside = QStringLiteral("attribut-") + navn;
        if (side.startsWith(QLatin1String("kode-")) &&
            QFile::exists(infoform->Struktur->Infomappe() + attributside +
                          QStringLiteral(".html")) &&
            !Tekstfil::laesLinjer(infoform->Struktur->Infomappe() + side + QStringLiteral(".html"))
                 .join(u'\n')
                 .contains(QStringLiteral("href=\"") + attributside + QStringLiteral(".html\"")))
            uden << navn;
    }
    QCOMPARE(uden, QStringList());
}

void TstReference::siderneFindesOgLinkerDesignet_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<int>("mindst");
    QTest::newRow("Html5") << "Html5" << 400;
    QTest::newRow("CSS") << "CSS" << 500;
    QTest::newRow("JavaScript") << "JavaScript" << 500;
}

// Read with the tree's own loader: every element has its page, every page links
// the structure's style sheet, and every link between pages reaches a page.
void TstReference::siderneFindesOgLinkerDesignet() {
    QFETCH(QString, struktur);
    QFETCH(int, mindst);
    const QString d = program() + QStringLiteral("Struktur/") + struktur;
    TStruktur t;
    t.setDataOn(true);
    t.setStrukturfile(d + QStringLiteral("/struktur.txt"));
    t.setDatafile(d + QStringLiteral("/data.txt"));
    QVERIFY(t.HentStruktur());
    QVERIFY(t.antal() >= mindst);
    QVERIFY(QFile::exists(d + QStringLiteral("/tekstfiler/Design og funktioner/design.css")));
    QVERIFY(QFile::exists(d + QStringLiteral("/tekstfiler/Design og funktioner/funktioner.js")));
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
    QStringList fejl;
    for (const QTreeWidgetItem *e : t.elementer()) {
        const QString fil =
            d + QStringLiteral("/tekstfiler/") + TStruktur::sideNavn(e) + QStringLiteral(".html");
        if (!QFile::exists(fil)) {
            fejl << e->text(0) + QStringLiteral(": ingen side");
            continue;
        }
        const QString side = Tekstfil::laesLinjer(fil).join(u'\n');
        if (!side.contains(QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" "
                                          "href=\"Design og funktioner/design.css\">")))
            fejl << e->text(0) + QStringLiteral(": uden design");
        if (!side.contains(QStringLiteral("<title>")))
            fejl << e->text(0) + QStringLiteral(": uden titel");
        for (auto m = link.globalMatch(side); m.hasNext();) {
            const QString maal = m.next().captured(1);
            if (!QFile::exists(d + QStringLiteral("/tekstfiler/") + maal))
                fejl << e->text(0) + QStringLiteral(": link til ") + maal;
        }
    }
    QCOMPARE(fejl, QStringList());
}

void TstReference::editorensOpslag_data() {
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("side");
    QTest::newRow("kode") << "Editor"
                          << "<tab|le>\n<tr><td>x</td></tr>\n</table>"
                          << "aHtmlInfo"
                          << "kode-table.html";
    QTest::newRow("attribut") << "Editor"
                              << "<a href=\"side|n.html\">x</a>"
                              << "aHtmlInfo"
                              << "attribut-href.html";
    QTest::newRow("style") << "Editor"
                           << "<p style=\"font-we|ight: bold\">x</p>"
                           << "aHtmlInfo"
                           << "egenskab-font-weight.html";
    QTest::newRow("design") << "EditorDesign"
                            << "p {\n  font-si|ze: 2em;\n}"
                            << "aCssInfo"
                            << "egenskab-font-size.html";
    QTest::newRow("funktioner") << "EditorFunktioner"
                                << "document.getElemen|tById('x').textContent = '';"
                                << "aJsInfo"
                                << "dom-Document-getElementById.html";
}

// The caret in the real editor and its real look-up command: the information
// window ends on the element's page.
void TstReference::editorensOpslag() {
    QFETCH(QString, editor);
    QFETCH(QString, tekst);
    QFETCH(QString, handling);
    QFETCH(QString, side);
    TRichEdit *e = editor == QLatin1String("Editor")         ? w->Editor
                   : editor == QLatin1String("EditorDesign") ? w->EditorDesign
                                                             : w->EditorFunktioner;
    // The design and functions editors are used on their own tab, opened by its button.
    if (e != w->Editor) {
        QToolButton *knap = w->findChild<QToolButton *>(
            e == w->EditorDesign ? QStringLiteral("DesignKnap") : QStringLiteral("FunktionKnap"));
        for (int i = 0; i < w->EditorBog->count(); ++i) {
            if (!w->EditorBog->widget(i)->isAncestorOf(e)) continue;
            if (!w->EditorBog->isTabVisible(i)) QTest::mouseClick(knap, Qt::LeftButton);
            w->EditorBog->setCurrentIndex(i);
        }
    }
    saet(e, tekst);
    w->findChild<QAction *>(handling)->trigger();
    QTRY_COMPARE(infoform->Web->LocationName(), side);
    QTRY_COMPARE(infoform->Edit->text(), side);
}

// A link between two reference pages keeps the tree in step and is recorded in the
// history with its element, as on the program's own help pages.
void TstReference::linkOgHistorik() {
    urlform1->urlListe->clear();
    urlform1->strukturliste->clear();
    infoform->urlIndex = -1;
    infoform->HelpInfo(QStringLiteral("Html5"), QStringLiteral("td"));
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("kode-td.html"));
    // The page may still be loading: click until the link is there.
    const auto klik = [] {
        infoform->Web->page()->runJavaScript(QStringLiteral(
            "var a = document.querySelector('a[href=\"kode-table.html\"]'); if (a) a.click();"));
        return infoform->Web->LocationName() == QLatin1String("kode-table.html");
    };
    QTRY_VERIFY(klik());
    QTRY_COMPARE(infoform->Struktur->valgtElement()->text(0), QStringLiteral("table"));
    QTRY_COMPARE(urlform1->urlListe->count(), 2);
    QCOMPARE(urlform1->urlListe->item(1)->text(), QStringLiteral("table"));
    QCOMPARE(urlform1->strukturliste->item(1)->text(), QStringLiteral("Html5"));
    infoform->Aback->trigger();
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("kode-td.html"));
}

void TstReference::soegningOgStrukturkonstruktoer() {
    // The search of the information window reads the generated pages.
    infoform->HelpInfo(QStringLiteral("JavaScript"), QString());
    infoform->FindTekst(QStringLiteral("getElementById"));
    QVERIFY(!infoform->Findis
                 ->findItems(QStringLiteral("dom-Document-getElementById"), Qt::MatchExactly)
                 .isEmpty());
    // The structure maker opens a reference structure whole and refuses to delete it.
    strukturform->LoadStrukturBoks();
    const auto fundet =
        strukturform->strukturboks->findItems(QStringLiteral("CSS"), Qt::MatchExactly);
    QCOMPARE(fundet.size(), 1);
    strukturform->strukturboks->setCurrentItem(fundet.first());
    strukturform->RedigerStruktur();
    const int antal = int(linjer(QStringLiteral("Struktur/CSS/struktur.txt")).size());
    QCOMPARE(strukturform->infostruktur->antal(), antal);
    QVERIFY(strukturform->InfoLabel->text().endsWith(QString::number(antal)));
    Dialoger::Test::slaaTil(true);
    strukturform->DeleteStruktur();
    QCOMPARE(Dialoger::Test::vist(),
             QStringList{
                 QStringLiteral("Denne fil må ikke slettes!\nDen anvendes til CSS information.")});
    QVERIFY(QFile::exists(program() + QStringLiteral("Struktur/CSS/struktur.txt")));
}

DAGBOG_GUI_TEST_MAIN(TstReference)
#include "tst_reference.moc"
