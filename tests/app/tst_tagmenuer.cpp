#include "editor/tagmenuer.h"
#include "platform/trichedit.h"
#include "tags/taginfo.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Items that are not pairs, listed here by hand so that a wrong kind in the
// table shows up.
const QSet<QString> blokke = {
    u"articlearticle1"_s,     u"figurefigure1"_s, u"mainmain1"_s,           u"sectionsection1"_s,
    u"audiocontrolsaudio1"_s, u"scriptscript1"_s, u"videocontrolsvideo1"_s, u"datalistdatalist1"_s,
    u"fieldsetfieldset1"_s,   u"formform1"_s,     u"optgroupoptgroup1"_s,   u"selectselect1"_s};
const QSet<QString> blokPar = {u"detailssummarysummarydetails1"_s,
                               u"figurefigcaptionfigcaptionfigure1"_s};
const QSet<QString> enkelte = {u"br1"_s,    u"wbr1"_s,    u"colcol1"_s,          u"area1"_s,
                               u"embed1"_s, u"img1"_s,    u"param1"_s,           u"source1"_s,
                               u"track1"_s, u"keygen1"_s, u"textareatextarea1"_s};

// The four items whose caption is not what they write: caption, text written.
const QHash<QString, QPair<QString, QString>> undtagelser = {
    {u"bb1"_s, {u" <b></b>"_s, u"<b></b>"_s}},
    {u"mLink01"_s, {u"<nav></nav> "_s, u"<nav></nav>"_s}},
    {u"mLink11"_s,
     {u"<a href=\"\" target=\"Framenamne\"></a>"_s, u"<a href=\"\" target=\"Framename\"></a>"_s}},
    {u"figurefigcaptionfigcaptionfigure1"_s,
     {u"<figure><figcaption></figcaption><figure>"_s,
      u"<figure><figcaption></figcaption></figure>"_s}},
};

QString menuIndhold(const QMenu *menu) {
    QStringList navne;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            navne << u"|"_s;
        else if (a->menu())
            navne << a->menu()->objectName();
        else
            navne << a->objectName();
    }
    return navne.join(u',');
}

// Whether a text is nothing but tags, nested and closed properly, with
// attribute values in pairs of quotes. Catches a mistyped tag in any item.
bool velformet(const QString &tekst, QString *fejl) {
    static const QSet<QString> tomme = {u"br"_s,    u"wbr"_s,   u"col"_s,    u"area"_s,
                                        u"embed"_s, u"img"_s,   u"param"_s,  u"source"_s,
                                        u"track"_s, u"input"_s, u"keygen"_s, u"link"_s};
    static const QRegularExpression tag(u"<(/?)([a-z][a-z0-9]*)((?: [a-z-]+(?:=\"[^\"]*\")?)*)>"_s);
    QStringList aabne;
    int pos = 0;
    while (pos < tekst.size()) {
        const auto m = tag.match(tekst, pos, QRegularExpression::NormalMatch,
                                 QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) {
            *fejl = u"ingen kode ved "_s + tekst.mid(pos);
            return false;
        }
        const QString navn = m.captured(2);
        if (!m.captured(1).isEmpty()) {
            if (!m.captured(3).isEmpty() || aabne.isEmpty() || aabne.takeLast() != navn) {
                *fejl = u"uventet slutkode "_s + m.captured(0);
                return false;
            }
        } else if (!tomme.contains(navn)) {
            aabne << navn;
        }
        pos = m.capturedEnd();
    }
    if (!aabne.isEmpty()) *fejl = u"ikke lukket: "_s + aabne.join(u' ');
    return aabne.isEmpty();
}

} // namespace

class TstTagmenuer : public QObject {
    Q_OBJECT

private:
    QList<QAction *> punktHandlinger() const {
        QList<QAction *> ud;
        for (QAction *a : m_ejer->findChildren<QAction *>())
            if (!a->objectName().isEmpty() && qobject_cast<QMenu *>(a->parent())) ud << a;
        return ud;
    }
    QAction *handling(const QString &navn) const { return m_ejer->findChild<QAction *>(navn); }

    std::unique_ptr<QWidget> m_ejer;
    QToolBar *m_bar = nullptr;
    Tinfotag *m_taginf = nullptr;
    QStringList m_valgte;

private slots:
    void initTestCase() {
        m_ejer = std::make_unique<QWidget>();
        m_bar = new QToolBar(m_ejer.get());
        m_taginf = new Tinfotag(m_ejer.get());
        byggTagMenuer(m_bar, m_ejer.get(), [this](const TagMenuPunkt &p) {
            m_valgte << p.navn;
            udfoerTagPunkt(*m_taginf, p);
        });
    }

    void init() { m_valgte.clear(); }

    void hvertPunkt_data() {
        QTest::addColumn<QString>("navn");
        for (QAction *a : punktHandlinger())
            QTest::newRow(qPrintable(a->objectName())) << a->objectName();
    }

    // Every item through the real menu: the text written matches the caption,
    // and the caret lands where the item's kind says.
    void hvertPunkt() {
        QFETCH(QString, navn);
        QAction *a = handling(navn);
        QVERIFY(a);
        const TagMenuPunkt *p = findTagMenuPunkt(navn);
        QVERIFY(p);

        TRichEdit ed;
        m_taginf->SetEditor(&ed);
        a->trigger();
        m_taginf->SetEditor(nullptr);
        QCOMPARE(m_valgte, QStringList{navn});

        const QString skrevet = ed.Text();
        QString forventet = a->text();
        if (undtagelser.contains(navn)) {
            QCOMPARE(forventet, undtagelser[navn].first);
            forventet = undtagelser[navn].second;
        }
        QCOMPARE(QString(skrevet).remove(u"\r\n"_s), forventet);
        QString fejl;
        QVERIFY2(velformet(forventet, &fejl), qPrintable(fejl));
        QVERIFY(ed.Modified());
        QCOMPARE(ed.SelLength(), 0);

        const int caret = ed.SelStart();
        const QStringList linjer = skrevet.split(u"\r\n"_s);
        if (blokke.contains(navn) || blokPar.contains(navn)) {
            QCOMPARE(p->art, blokke.contains(navn) ? TagArt::Blok : TagArt::BlokPar);
            QCOMPARE(linjer.size(), 3);
            QCOMPARE(linjer[0], p->start);
            QCOMPARE(linjer[2], p->slut);
            // Editor positions count a line break as one character.
            int midt = linjer[0].size() + 1;
            if (blokPar.contains(navn)) {
                QVERIFY(linjer[1].startsWith(u'<'));
                midt += linjer[1].indexOf(u"</"_s);
            } else {
                QCOMPARE(linjer[1], QString());
            }
            QCOMPARE(caret, midt);
        } else if (enkelte.contains(navn) || a->parent()->objectName() == u"Input1"_s) {
            QCOMPARE(p->art, TagArt::Enkelt);
            QCOMPARE(linjer.size(), 1);
            QCOMPARE(caret, skrevet.size());
        } else {
            QCOMPARE(p->art, TagArt::Par);
            QCOMPARE(linjer.size(), 1);
            QCOMPARE(skrevet.left(caret), p->start);
            QCOMPARE(skrevet.mid(caret), p->slut);
            QVERIFY(!p->slut.isEmpty());
        }
    }

    void antalPunkter() {
        QCOMPARE(punktHandlinger().size(), 152);
        QCOMPARE(tagMenuPunkter().size(), 152);
        QSet<QString> navne;
        for (const TagMenuPunkt &p : tagMenuPunkter())
            navne.insert(p.navn);
        QCOMPARE(navne.size(), 152); // object names are unique
    }

    void knapper_data() {
        QTest::addColumn<QString>("knap");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("antal");
        QTest::newRow("Struktur") << u"Button14"_s << u"Struktur"_s << u"Strukturkoder"_s
                                  << u"PUstrukturkoder"_s << 11;
        QTest::newRow("Tekst") << u"Button17"_s << u"Tekst"_s << u"Tekstkoder"_s
                               << u"PUtekstkoder"_s << 37;
        QTest::newRow("Link") << u"Button16"_s << u"Link"_s << u"Linkkoder"_s << u"linkPU"_s << 11;
        QTest::newRow("Skema") << u"Button9"_s << u"Skema"_s << u"Skemakoder"_s << u"PUskemakoder"_s
                               << 13;
        QTest::newRow("Liste") << u"Button10"_s << u"Liste"_s << u"Listekoder"_s
                               << u"PUlistekoder"_s << 8;
        QTest::newRow("Multimedie") << u"Button18"_s << u"Multimedie"_s << u"Multimediekoder"_s
                                    << u"PUmultimedieKoder"_s << 29;
        QTest::newRow("Formular") << u"Button19"_s << u"Formular"_s << u"Formularkoder"_s
                                  << u"PUformkoder"_s << 43;
    }

    void knapper() {
        QFETCH(QString, knap);
        QFETCH(QString, tekst);
        QFETCH(QString, hint);
        QFETCH(QString, menu);
        QFETCH(int, antal);
        auto *b = m_bar->findChild<QToolButton *>(knap);
        QVERIFY(b);
        QCOMPARE(b->text(), tekst);
        QCOMPARE(b->toolTip(), hint);
        QCOMPARE(b->statusTip(), hint);
        QCOMPARE(b->popupMode(), QToolButton::MenuButtonPopup);
        QVERIFY(b->menu());
        QCOMPARE(b->menu()->objectName(), menu);
        QCOMPARE(m_ejer->findChild<QMenu *>(menu), b->menu());
        int n = 0;
        for (QAction *a : b->menu()->findChildren<QAction *>())
            n += !a->objectName().isEmpty();
        QCOMPARE(n, antal);
    }

    void knapperIRaekkefoelge() {
        QStringList navne;
        for (QAction *a : m_bar->actions())
            if (QWidget *w = m_bar->widgetForAction(a)) navne << w->objectName();
        QCOMPARE(navne.join(u','),
                 u"Button14,Button17,Button16,Button9,Button10,Button18,Button19"_s);
    }

    // The face of a split button does nothing; only the menu writes.
    void knapFladeGoerIntet() {
        TRichEdit ed;
        ed.setText(u"Dagbog"_s);
        m_taginf->SetEditor(&ed);
        for (const TagMenu &m : tagMenuer()) {
            auto *b = m_bar->findChild<QToolButton *>(m.knap);
            QVERIFY(b);
            b->click();
            QVERIFY(!b->menu()->isVisible());
        }
        m_taginf->SetEditor(nullptr);
        QCOMPARE(m_valgte, QStringList());
        QCOMPARE(ed.Text(), u"Dagbog"_s);
    }

    void menuOrden_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("indhold");
        QTest::newRow("Struktur")
            << u"PUstrukturkoder"_s
            << u"articlearticle1,asideaside1,detailsdetails1,detailssummarysummarydetails1,"
               "figurefigure1,figurefigcaptionfigcaptionfigure1,footerfooter1,headerheader1,"
               "mainmain1,sectionsection1,summarysummary1"_s;
        QTest::newRow("Tekst") << u"PUtekstkoder"_s
                               << u"Overskrifter1,Formatering1,Indhold1,|,br1,divdiv1,pp1,"
                                  "spanspan1,wbr1"_s;
        QTest::newRow("Overskrifter")
            << u"Overskrifter1"_s << u"h1h11,h1h12,h1h13,h1h14,h1h15,h1h16"_s;
        QTest::newRow("Link") << u"linkPU"_s
                              << u"mLink,mTarget,|,mLink01,mLink02,mLink03,|,mLink04"_s;
        QTest::newRow("Med target") << u"mTarget"_s << u"mLink07,mLink08,mLink09,mLink10,mLink11"_s;
        QTest::newRow("Skema") << u"PUskemakoder"_s
                               << u"Colgroup1,|,captioncaption1,colcol1,colgroupcolgroup1,"
                                  "tabletable1,tbodytbody1,tdtd1,tfoottfoot1,thth1,theadthead1,"
                                  "trtr1"_s;
        QTest::newRow("Liste") << u"PUlistekoder"_s
                               << u"Ordnetliste1,|,dddd1,dldl1,dtdt1,lili1,olol1,ulul1"_s;
        QTest::newRow("Multimedie")
            << u"PUmultimedieKoder"_s
            << u"Audio1,Canvas1,Embed2,Billede1,Object1,Video1,|,area1,audioaudio1,"
               "canvascanvas1,embed1,img1,mapmap1,objectobject1,param1,source1,track1,"
               "videovideo1"_s;
        QTest::newRow("Audio") << u"Audio1"_s
                               << u"audiosrccontrolsaudio1,|,audiocontrolsaudio1,sourcesrc1,"
                                  "sourcesrctype1"_s;
        QTest::newRow("Img") << u"Billede1"_s
                             << u"imgsrcalt1,|,imgsrcaltusemap1,mapnamemap1,"
                                "areashapecoordshrefalt1"_s;
        QTest::newRow("Video") << u"Video1"_s
                               << u"videosrccontrolsvideo1,|,videocontrolsvideo1,sourcesrc2,"
                                  "sourcesrctype2"_s;
        QTest::newRow("Formular")
            << u"PUformkoder"_s
            << u"Form1,Input1,Select1,Textarea1,|,buttonbutton1,datalistdatalist1,"
               "fieldsetfieldset1,formform1,inputtype1,keygen1,labellabel1,legendlegend1,"
               "metermeter1,optgroupoptgroup1,optionoption1,outputoutput1,selectselect1,"
               "textareatextarea1"_s;
    }

    // Order, submenus and separators as the user sees them.
    void menuOrden() {
        QFETCH(QString, menu);
        QFETCH(QString, indhold);
        auto *m = m_ejer->findChild<QMenu *>(menu);
        QVERIFY(m);
        QCOMPARE(menuIndhold(m), indhold);
    }

    void tekster_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("tekst");
        for (auto it = undtagelser.begin(); it != undtagelser.end(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value().first;
        QTest::newRow("Overskrifter1") << u"Overskrifter1"_s << u"Overskrifter"_s;
        QTest::newRow("mLink") << u"mLink"_s << u"Link til eksterne dokumenter"_s;
        QTest::newRow("Ordnetliste1") << u"Ordnetliste1"_s << u"Ordnet liste"_s;
        QTest::newRow("Billede1") << u"Billede1"_s << u"Img"_s;
        QTest::newRow("bdodirbdo1") << u"bdodirbdo1"_s << u"<bdo dir=\"\"></bdo>"_s;
        QTest::newRow("mLink05") << u"mLink05"_s
                                 << u"<link rel=\"stylesheet\" type=\"text/css\" href=\"\">"_s;
        QTest::newRow("colspanstyle1")
            << u"colspanstyle1"_s << u"<colgroup><col span=\"\" style=\"\"></colgroup>"_s;
        QTest::newRow("detailssummary")
            << u"detailssummarysummarydetails1"_s << u"<details><summary></summary></details>"_s;
        QTest::newRow("areashape") << u"areashapecoordshrefalt1"_s
                                   << u"<area shape=\"\" coords=\"\" href=\"\" alt=\"\">"_s;
        QTest::newRow("formpost") << u"formactionmethodform2"_s
                                  << u"<form action=\"\" method=\"post\"></form>"_s;
        QTest::newRow("textarea") << u"textareatextarea1"_s << u"<textarea></textarea>"_s;
    }

    void tekster() {
        QFETCH(QString, navn);
        QFETCH(QString, tekst);
        if (auto *m = m_ejer->findChild<QMenu *>(navn)) {
            QCOMPARE(m->title(), tekst);
            return;
        }
        QAction *a = handling(navn);
        QVERIFY(a);
        QCOMPARE(a->text(), tekst);
    }

    void hints_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("hint");
        QTest::newRow("asideaside1")
            << u"asideaside1"_s
            << u" aside-koden kan have et indhold, der ikke er helt centralt for det indhold "
               "koden er placeret i"_s;
        QTest::newRow("theadthead1")
            << u"theadthead1"_s
            << u" thead-koden er sammen med tfoot-kode og tbody-kode koder til at strukturere "
               "tabellen i definerede afsnit"_s;
        QTest::newRow("objectobject1")
            << u"objectobject1"_s
            << u" object-koden definerer et objekt eller anden hjemmeside, der skal indlejres i "
               "dokumentet"_s;
        QTest::newRow("mLink01")
            << u"mLink01"_s << u"nav-koden er beregnet til at omgive en større række links. "_s;
        QTest::newRow("uu1") << u"uu1"_s << u"u-koden kan anvedes for eksempel ved stavefejl"_s;
        QTest::newRow("videocontrolsvideo1")
            << u"videocontrolsvideo1"_s << u"controls: afspilleren vises på siden"_s;
        QTest::newRow("Overskrifter1") << u"Overskrifter1"_s << u"h1...h6"_s;
        QTest::newRow("Ordnetliste1") << u"Ordnetliste1"_s << u"Fremstilles ved ol-koden"_s;
        QTest::newRow("Input1") << u"Input1"_s << u"Input typer"_s;
    }

    void hints() {
        QFETCH(QString, navn);
        QFETCH(QString, hint);
        QAction *a = handling(navn);
        if (auto *m = m_ejer->findChild<QMenu *>(navn)) a = m->menuAction();
        QVERIFY(a);
        QCOMPARE(a->statusTip(), hint);
        QCOMPARE(a->toolTip(), hint);
    }

    void inputTyper() {
        auto *input = m_ejer->findChild<QMenu *>(u"Input1"_s);
        QVERIFY(input);
        QCOMPARE(input->title(), u"Input"_s);
        QStringList typer;
        for (QAction *a : input->actions()) {
            if (a->isSeparator()) continue;
            const QString t = a->text();
            QVERIFY2(t.startsWith(u"<input type=\""_s) && t.endsWith(u"\">"_s), qPrintable(t));
            typer << t.mid(13, t.size() - 15);
            QCOMPARE(findTagMenuPunkt(a->objectName())->art, TagArt::Enkelt);
        }
        QCOMPARE(typer.join(u' '),
                 u"button checkbox color date datetime datetime-local email file hidden image "
                 "month number password radio range reset search submit tel text time url week"_s);
    }

    void udenEditorGoerIntet_data() {
        QTest::addColumn<QString>("navn");
        QTest::newRow("par") << u"h1h11"_s;
        QTest::newRow("enkelt") << u"br1"_s;
        QTest::newRow("blok") << u"articlearticle1"_s;
        QTest::newRow("blok+par") << u"detailssummarysummarydetails1"_s;
    }

    void udenEditorGoerIntet() {
        QFETCH(QString, navn);
        TRichEdit ed;
        ed.setText(u"Dagbog"_s);
        ed.setModified(false);
        ed.setSelStart(3);
        m_taginf->SetEditor(nullptr);
        handling(navn)->trigger();
        QCOMPARE(m_valgte, QStringList{navn});
        QCOMPARE(ed.Text(), u"Dagbog"_s);
        QVERIFY(!ed.Modified());
        QCOMPARE(ed.SelStart(), 3);
    }

    void iEksisterendeTekst_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLaengde");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<int>("caret");
        QTest::newRow("par ved caret")
            << u"h1h11"_s << 5 << 0 << u"a\r\nDag<h1></h1>bog\r\nb"_s << 9;
        QTest::newRow("par erstatter markering")
            << u"emem1"_s << 5 << 3 << u"a\r\nDag<em></em>\r\nb"_s << 9;
        QTest::newRow("enkelt") << u"wbr1"_s << 2 << 0 << u"a\r\n<wbr>Dagbog\r\nb"_s << 7;
        QTest::newRow("blok erstatter linjen")
            << u"articlearticle1"_s << 4 << 0 << u"a\r\n<article>\r\n\r\n</article>\r\nb"_s << 12;
        QTest::newRow("blok+par")
            << u"figurefigcaptionfigcaptionfigure1"_s << 2 << 0
            << u"a\r\n<figure>\r\n<figcaption></figcaption>\r\n</figure>\r\nb"_s << 23;
    }

    // Items written into a page that already holds text.
    void iEksisterendeTekst() {
        QFETCH(QString, navn);
        QFETCH(int, selStart);
        QFETCH(int, selLaengde);
        QFETCH(QString, resultat);
        QFETCH(int, caret);
        TRichEdit ed;
        ed.setText(u"a\nDagbog\nb"_s);
        ed.setSelection(selStart, selLaengde);
        m_taginf->SetEditor(&ed);
        handling(navn)->trigger();
        m_taginf->SetEditor(nullptr);
        QCOMPARE(ed.Text(), resultat);
        QCOMPARE(ed.SelStart(), caret);
        QCOMPARE(ed.SelLength(), 0);
    }
};

QTEST_MAIN(TstTagmenuer)
#include "tst_tagmenuer.moc"
