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
#include <QToolButton>
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
        const QStringList eksk = linjer("Dir/Html/Ekskluderet.txt");
        QStringList navne;
        for (const QString &t : linjer("Dir/Html/AlleKoder.txt"))
            if (!eksk.contains(t, Qt::CaseInsensitive)) navne << t;
        QStringList attr;
        for (const QString &f : QDir(program() + QStringLiteral("Dir/Attributes"))
                                    .entryList({QStringLiteral("*.txt")}, QDir::Files))
            attr << linjer(QStringLiteral("Dir/Attributes/") + f);
        attr.removeDuplicates();
        return navne << attr << QStringLiteral("Globale Attributter");
    }
    static QString sideTekst(const QString &uden) {
        return Tekstfil::laesLinjer(uden + QStringLiteral(".html")).join(u'\n');
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

    void strukturen_data() {
        QTest::addColumn<QString>("struktur");
        QTest::addColumn<int>("mindst");
        QTest::addColumn<QStringList>("navne");
        QTest::newRow("Html5") << "Html5" << 400 << html5Navne();
        QTest::newRow("CSS") << "CSS" << 500
                             << QString("font-size color display margin grid-template-columns "
                                        "flex @media @font-face hover first-child before calc "
                                        "var border-radius px em % > + ~ Specificitet important")
                                    .split(u' ');
        QTest::newRow("JavaScript")
            << "JavaScript" << 500
            << QString("let const function if Array JSON.parse map push Math.round "
                       "getElementById addEventListener innerHTML querySelector textContent "
                       "classList console log setTimeout localStorage => ?. ?? ... === `")
                   .split(u' ');
    }
    // Read with the tree's own loader, every element has its page with a title and the style
    // sheet, and every link reaches a page. Each name is found A–Z folded; a name shared by a
    // tag and an attribute lands on the tag, whose page must then link the attribute's page.
    void strukturen() {
        QFETCH(QString, struktur);
        QFETCH(int, mindst);
        QFETCH(QStringList, navne);
        const QString d = program() + "Struktur/" + struktur + "/";
        const QString tekster = d + "tekstfiler/";
        TStruktur t;
        t.setDataOn(true);
        t.setStrukturfile(d + "struktur.txt");
        t.setDatafile(d + "data.txt");
        QVERIFY(t.HentStruktur());
        QVERIFY(t.antal() >= mindst);
        QVERIFY(QFile::exists(tekster + "Design og funktioner/design.css"));
        QVERIFY(QFile::exists(tekster + "Design og funktioner/funktioner.js"));
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
        QStringList fejl;
        for (const QTreeWidgetItem *e : t.elementer()) {
            const QString side = sideTekst(tekster + TStruktur::sideNavn(e));
            if (!side.contains("<title>") ||
                !side.contains("<link rel=\"stylesheet\" type=\"text/css\" "
                               "href=\"Design og funktioner/design.css\">"))
                fejl << e->text(0);
            for (auto m = link.globalMatch(side); m.hasNext();)
                if (const QString maal = m.next().captured(1); !QFile::exists(tekster + maal))
                    fejl << e->text(0) + " -> " + maal;
        }
        QVERIFY(navne.size() > 10);
        for (const QString &navn : navne) {
            infoform->HelpInfo(struktur, navn);
            const QTreeWidgetItem *e = infoform->Struktur->valgtElement();
            if (!e || !ensAZ(e->text(0), navn)) {
                fejl << navn;
                continue;
            }
            const QString attribut = "attribut-" + navn + ".html";
            if (TStruktur::sideNavn(e).startsWith("kode-") && QFile::exists(tekster + attribut) &&
                !sideTekst(tekster + TStruktur::sideNavn(e)).contains("href=\"" + attribut + "\""))
                fejl << navn + " uden " + attribut;
        }
        QCOMPARE(fejl, QStringList());
        QCOMPARE(infoform->windowTitle(), struktur);
    }

    void editorensOpslag_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("editor"); // 0 html, 1 design, 2 functions
        QTest::addColumn<QString>("side");
        QTest::newRow("kode") << "<tab|le>\n<tr><td>x</td></tr></table>" << 0 << "kode-table";
        QTest::newRow("attribut") << "<a href=\"side|n.html\">x</a>" << 0 << "attribut-href";
        QTest::newRow("style") << "<p style=\"font-we|ight: bold\">" << 0 << "egenskab-font-weight";
        QTest::newRow("design") << "p {\n  font-si|ze: 2em;\n}" << 1 << "egenskab-font-size";
        QTest::newRow("enhed") << "p {\n  width: 12p|x;\n}" << 1 << "enhed-px";
        QTest::newRow("kombinator") << "nav |> a { color: red; }" << 1 << "vaelger-barn";
        QTest::newRow("procent i style") << "<p style=\"width: 50|%\">" << 0 << "enhed-procent";
        QTest::newRow("operator") << "const navn = person?|.navn;" << 2 << "op-valgfri";
        QTest::newRow("funktioner") << "document.getElemen|tById('x').textContent = '';" << 2
                                    << "dom-Document-getElementById";
    }
    // The caret in the real editor and its real look-up command.
    void editorensOpslag() {
        QFETCH(QString, tekst);
        QFETCH(int, editor);
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
        const int caret = int(tekst.indexOf(u'|'));
        e->setText(tekst.remove(caret, 1));
        e->setSelStart(caret);
        mainform->taginf->SetEditor(e);
        w->findChild<QAction *>(QStringList{"aHtmlInfo", "aCssInfo", "aJsInfo"}[editor])->trigger();
        QTRY_COMPARE(infoform->Web->LocationName(), side + ".html");
        QTRY_COMPARE(infoform->Edit->text(), side + ".html");
    }

    // A link between reference pages moves the tree and enters the history with its element.
    void linkOgHistorik() {
        urlform1->urlListe->clear();
        urlform1->strukturliste->clear();
        infoform->urlIndex = -1;
        infoform->HelpInfo("Html5", "td");
        QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("kode-td.html"));
        const auto klik = [] { // the page may still be loading
            infoform->Web->page()->runJavaScript(
                "var a = document.querySelector('a[href=\"kode-table.html\"]'); if (a) a.click();");
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
    void soegningOgStrukturkonstruktoer() {
        infoform->HelpInfo("JavaScript", QString());
        infoform->FindTekst("getElementById");
        QVERIFY(!infoform->Findis->findItems("dom-Document-getElementById", Qt::MatchExactly)
                     .isEmpty());
        strukturform->LoadStrukturBoks();
        const auto fundet = strukturform->strukturboks->findItems("CSS", Qt::MatchExactly);
        QCOMPARE(fundet.size(), 1);
        strukturform->strukturboks->setCurrentItem(fundet.first());
        strukturform->RedigerStruktur();
        const int antal = int(linjer("Struktur/CSS/struktur.txt").size());
        QCOMPARE(strukturform->infostruktur->antal(), antal);
        QVERIFY(strukturform->InfoLabel->text().endsWith(QString::number(antal)));
        Dialoger::Test::slaaTil(true);
        strukturform->DeleteStruktur();
        QCOMPARE(Dialoger::Test::vist(),
                 QStringList{"Denne fil må ikke slettes!\nDen anvendes til CSS information."});
        QVERIFY(QFile::exists(program() + "Struktur/CSS/struktur.txt"));
    }
};

DAGBOG_GUI_TEST_MAIN(TstReference)
#include "tst_reference.moc"
