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
#include <QTabWidget>
#include <QToolButton>
#include <QWebEnginePage>
#include <QtTest>

// The reference structures Html5, CSS and JavaScript, as the program's look-ups reach them.
class TstReference : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    Twinform *w = nullptr;

    QString program() const { return rod->rod() + QStringLiteral("/Program/"); }
    QStringList linjer(const QString &sti) const { return Tekstfil::laesLinjer(program() + sti); }
    // Every tag and attribute name the program's own lists hand to the look-up.
    QStringList html5Navne() const {
        const QStringList eksk = linjer(QStringLiteral("Dir/Html/Ekskluderet.txt"));
        QStringList navne;
        for (const QString &t : linjer(QStringLiteral("Dir/Html/AlleKoder.txt")))
            if (!eksk.contains(t, Qt::CaseInsensitive)) navne << t;
        QStringList attr;
        for (const QString &f : QDir(program() + QStringLiteral("Dir/Attributes"))
                                    .entryList({QStringLiteral("*.txt")}, QDir::Files))
            attr << linjer(QStringLiteral("Dir/Attributes/") + f);
        attr.removeDuplicates();
        return navne << attr << QStringLiteral("Globale Attributter");
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
    QTest::newRow("CSS") << "CSS"
                         << QString("font-size color display margin grid-template-columns flex "
                                    "@media @font-face hover first-child before calc var "
                                    "border-radius")
                                .split(u' ');
    QTest::newRow("JavaScript")
        << "JavaScript"
        << QString("let const function if Array JSON.parse map push Math.round getElementById "
                   "addEventListener innerHTML querySelector textContent classList console log "
                   "setTimeout localStorage")
               .split(u' ');
}

// The first element with the name, A–Z folded; a name shared by a tag and an
// attribute lands on the tag, whose page must then link the attribute's page.
void TstReference::opslagFinderSitElement() {
    QFETCH(QString, struktur);
    QFETCH(QStringList, navne);
    QVERIFY(navne.size() > 10);
    const QString mappe = infoform->Struktur->Infomappe();
    QStringList mangler;
    for (const QString &navn : navne) {
        infoform->HelpInfo(struktur, navn);
        const QTreeWidgetItem *e = infoform->Struktur->valgtElement();
        if (!e || !ensAZ(e->text(0), navn)) {
            mangler << navn;
            continue;
        }
        const QString side = TStruktur::sideNavn(e);
        const QString attribut = QStringLiteral("attribut-") + navn + QStringLiteral(".html");
        if (struktur == QLatin1String("Html5") && side.startsWith(QLatin1String("kode-")) &&
            QFile::exists(mappe + attribut) &&
            !Tekstfil::laesLinjer(mappe + side + QStringLiteral(".html"))
                 .join(u'\n')
                 .contains(QStringLiteral("href=\"") + attribut + u'"'))
            mangler << navn + QStringLiteral(": uden link til ") + attribut;
    }
    QCOMPARE(mangler, QStringList());
    QCOMPARE(infoform->windowTitle(), struktur);
}

void TstReference::siderneFindesOgLinkerDesignet_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<int>("mindst");
    QTest::newRow("Html5") << "Html5" << 400;
    QTest::newRow("CSS") << "CSS" << 500;
    QTest::newRow("JavaScript") << "JavaScript" << 500;
}

// Every element has its page with a title and the style sheet; every link reaches a page.
void TstReference::siderneFindesOgLinkerDesignet() {
    QFETCH(QString, struktur);
    QFETCH(int, mindst);
    const QString d = program() + QStringLiteral("Struktur/") + struktur;
    const QString tekster = d + QStringLiteral("/tekstfiler/");
    TStruktur t;
    t.setDataOn(true);
    t.setStrukturfile(d + QStringLiteral("/struktur.txt"));
    t.setDatafile(d + QStringLiteral("/data.txt"));
    QVERIFY(t.HentStruktur());
    QVERIFY(t.antal() >= mindst);
    QVERIFY(QFile::exists(tekster + QStringLiteral("Design og funktioner/design.css")));
    QVERIFY(QFile::exists(tekster + QStringLiteral("Design og funktioner/funktioner.js")));
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
    QStringList fejl;
    for (const QTreeWidgetItem *e : t.elementer()) {
        const QString fil = tekster + TStruktur::sideNavn(e) + QStringLiteral(".html");
        const QString side = Tekstfil::laesLinjer(fil).join(u'\n');
        if (!QFile::exists(fil) || !side.contains(QStringLiteral("<title>")) ||
            !side.contains(QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" "
                                          "href=\"Design og funktioner/design.css\">")))
            fejl << e->text(0);
        for (auto m = link.globalMatch(side); m.hasNext();)
            if (const QString maal = m.next().captured(1); !QFile::exists(tekster + maal))
                fejl << e->text(0) + QStringLiteral(" -> ") + maal;
    }
    QCOMPARE(fejl, QStringList());
}

void TstReference::editorensOpslag_data() {
    QTest::addColumn<int>("editor"); // 0 html, 1 design, 2 functions
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("side");
    QTest::newRow("kode") << 0 << "<tab|le>\n<tr><td>x</td></tr>\n</table>"
                          << "kode-table.html";
    QTest::newRow("attribut") << 0 << "<a href=\"side|n.html\">x</a>"
                              << "attribut-href.html";
    QTest::newRow("style") << 0 << "<p style=\"font-we|ight: bold\">x</p>"
                           << "egenskab-font-weight.html";
    QTest::newRow("design") << 1 << "p {\n  font-si|ze: 2em;\n}"
                            << "egenskab-font-size.html";
    QTest::newRow("funktioner") << 2 << "document.getElemen|tById('x').textContent = '';"
                                << "dom-Document-getElementById.html";
}

// The caret in the real editor and its real look-up command.
void TstReference::editorensOpslag() {
    QFETCH(int, editor);
    QFETCH(QString, tekst);
    QFETCH(QString, side);
    TRichEdit *e = QList<TRichEdit *>{w->Editor, w->EditorDesign, w->EditorFunktioner}[editor];
    // The design and functions editors live on their own tab, opened by its button.
    for (int i = 0; editor > 0 && i < w->EditorBog->count(); ++i) {
        if (!w->EditorBog->widget(i)->isAncestorOf(e)) continue;
        if (!w->EditorBog->isTabVisible(i))
            QTest::mouseClick(
                w->findChild<QToolButton *>(editor == 1 ? "DesignKnap" : "FunktionKnap"),
                Qt::LeftButton);
        w->EditorBog->setCurrentIndex(i);
    }
    saet(e, tekst);
    w->findChild<QAction *>(QStringList{"aHtmlInfo", "aCssInfo", "aJsInfo"}[editor])->trigger();
    QTRY_COMPARE(infoform->Web->LocationName(), side);
    QTRY_COMPARE(infoform->Edit->text(), side);
}

// A link between reference pages moves the tree and enters the history with its element.
void TstReference::linkOgHistorik() {
    urlform1->urlListe->clear();
    urlform1->strukturliste->clear();
    infoform->urlIndex = -1;
    infoform->HelpInfo(QStringLiteral("Html5"), QStringLiteral("td"));
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("kode-td.html"));
    const auto klik = [] { // the page may still be loading
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

// The window's search reads the pages; the structure maker opens a reference whole and
// refuses to delete it.
void TstReference::soegningOgStrukturkonstruktoer() {
    infoform->HelpInfo(QStringLiteral("JavaScript"), QString());
    infoform->FindTekst(QStringLiteral("getElementById"));
    QVERIFY(
        !infoform->Findis->findItems("dom-Document-getElementById", Qt::MatchExactly).isEmpty());
    strukturform->LoadStrukturBoks();
    const auto fundet = strukturform->strukturboks->findItems("CSS", Qt::MatchExactly);
    QCOMPARE(fundet.size(), 1);
    strukturform->strukturboks->setCurrentItem(fundet.first());
    strukturform->RedigerStruktur();
    const int antal = int(linjer(QStringLiteral("Struktur/CSS/struktur.txt")).size());
    QCOMPARE(strukturform->infostruktur->antal(), antal);
    QVERIFY(strukturform->InfoLabel->text().endsWith(QString::number(antal)));
    Dialoger::Test::slaaTil(true);
    strukturform->DeleteStruktur();
    QCOMPARE(Dialoger::Test::vist(),
             QStringList{"Denne fil må ikke slettes!\nDen anvendes til CSS information."});
    QVERIFY(QFile::exists(program() + QStringLiteral("Struktur/CSS/struktur.txt")));
}

DAGBOG_GUI_TEST_MAIN(TstReference)
#include "tst_reference.moc"
