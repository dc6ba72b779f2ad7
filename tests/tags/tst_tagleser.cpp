#include "taghjaelp.h"

#include "platform/tekstfil.h"
#include "tags/taginfo.h"
#include "testhjaelp.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

// The reader's tree rules written the plain way: every search walks back
// node by node in depth-first order. The component must build the same tree.
struct RefNode {
    QString tekst;
    int tagEnd = 1;
    RefNode *forael = nullptr;
    int plads = 0;
    std::vector<std::unique_ptr<RefNode>> born;
};

class RefTrae {
public:
    RefTrae() {
        rod.tekst = "Hjemmeside";
        aktuel = &rod;
    }
    void indsaet(const QString &s, bool slut, bool nyValgt) {
        if (slut) {
            RefNode *m = aktuel;
            while (m && !(m->tagEnd == 0 && m->tekst == s))
                m = forrige(m);
            if (!m) {
                tilfoej(aktuel, "/" + s, 3);
                return;
            }
            m->tagEnd = 1;
            tilfoej(aktuel->forael, "/" + s, 1);
            for (RefNode *n = forrige(aktuel); n; n = forrige(n)) {
                if (n->tagEnd == 0) {
                    aktuel = n;
                    break;
                }
            }
            return;
        }
        RefNode *n = tilfoej(aktuel, s, nyValgt ? 0 : 1);
        if (nyValgt) aktuel = n;
    }
    QString tekst() const {
        QStringList l;
        skriv(&rod, 0, l);
        return l.join('\n');
    }
    RefNode rod;
    RefNode *aktuel;

private:
    static RefNode *forrige(RefNode *n) {
        if (!n->forael) return nullptr;
        if (n->plads == 0) return n->forael;
        RefNode *x = n->forael->born[n->plads - 1].get();
        while (!x->born.empty())
            x = x->born.back().get();
        return x;
    }
    static RefNode *tilfoej(RefNode *forael, const QString &s, int tagEnd) {
        auto n = std::make_unique<RefNode>();
        n->tekst = s;
        n->tagEnd = tagEnd;
        n->forael = forael;
        n->plads = int(forael->born.size());
        forael->born.push_back(std::move(n));
        return forael->born.back().get();
    }
    static void skriv(const RefNode *n, int dybde, QStringList &l) {
        l << QString(dybde, ' ') + n->tekst + "[" + QString::number(n->tagEnd) + "]";
        for (const auto &b : n->born)
            skriv(b.get(), dybde + 1, l);
    }
};

} // namespace

class TstTagleser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void traeform_data();
    void traeform();
    void indeks();
    void somReferencen_data();
    void somReferencen();
    void dybIndlejring();
    void dybtTraeVedAfslutning();
    void fremskridt_data();
    void fremskridt();
    void udenEditorEllerTrae();
    void gotoTag_data();
    void gotoTag();
    void gotoTagOmbrudt();
    void visAttributter();
    void endtagsKontrol_data();
    void endtagsKontrol();
    void endtagsEfterAttributter();
    void slutkoder_data();
    void slutkoder();
    void kodeKontrolTomtNavn();
    void attributeKontrol_data();
    void attributeKontrol();
    void ulaeseligAttributfil();
    void gyldigSideMedProgrammetsLister();
    void kontrollerUdenStruktur();

private:
    void laes(const QString &tekst);
    Tinfotag *m_tag = nullptr;
    TRichEdit *m_editor = nullptr;
    QTreeWidget *m_trae = nullptr;
};

void TstTagleser::init() {
    m_tag = new Tinfotag;
    saetTestlister(*m_tag);
    m_editor = new TRichEdit;
    m_editor->resize(800, 400);
    m_trae = new QTreeWidget;
    m_tag->SetEditor(m_editor);
    m_tag->SetTreeView(m_trae);
}

void TstTagleser::cleanup() {
    delete m_trae;
    delete m_editor;
    delete m_tag;
}

void TstTagleser::laes(const QString &tekst) {
    m_editor->setText(tekst);
    m_tag->ReadStructure();
}

void TstTagleser::traeform_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("trae");
    QTest::addColumn<int>("tagIndex");
    const QString rod = "Hjemmeside[1]";
    QTest::newRow("tom tekst") << "" << rod << 0;
    QTest::newRow("doctype") << "<!DOCTYPE html>" << rod << 0;
    QTest::newRow("kommentar") << "<!-- x -->" << rod << 0;
    QTest::newRow("procent") << "<% x %>" << rod << 0;
    QTest::newRow("xml") << "<?xml x?>" << rod << 0;
    QTest::newRow("mindre end") << "a < b" << rod << 0;
    QTest::newRow("to <") << "<<" << rod << 0;
    QTest::newRow("<>") << "<>" << rod << 0;
    QTest::newRow("< til sidst") << "<p>x<" << rod + "\n p[0]" << 1;
    QTest::newRow("</ til sidst") << "</" << rod << 0;
    QTest::newRow("p i kommentar") << "<!-- <p> -->" << rod + "\n p[0]" << 1;
    QTest::newRow("store og små") << "<P>x</p>" << rod + "\n P[0]\n  /p[3]" << 1;
    QTest::newRow("br/") << "<br/>" << rod + "\n br/[0]" << 1;
    QTest::newRow("br /") << "<br />" << rod + "\n br[1]{/ }" << 0;
    QTest::newRow("br som slutkode")
        << "<div></br></div>" << rod + "\n div[1]\n  br[1]\n /div[1]" << 1;
    QTest::newRow("ekskluderet") << "<span>x</span>" << rod << 0;
    QTest::newRow("script") << "<script>if (a<b) x;</script>" << rod + "\n script[1]\n /script[1]"
                            << 1;
    QTest::newRow("kendt navn i script") << "<script>var s = \"<div>\";</script>"
                                         << rod + "\n script[1]\n  div[0]\n  /script[1]" << 2;
    // The end tag must match the start tag's spelling, yet it ends style mode.
    QTest::newRow("style og efter")
        << "<style>x<y {}</STYLE><q>" << rod + "\n style[0]\n  /STYLE[3]\n  q[0]" << 3;
    QTest::newRow("navn over linjeskift")
        << "<p\r\nclass=\"x\">" << rod + "\n pclass=\"x\"[0]{  }" << 1;
    QTest::newRow("p uden >") << "<p" << rod << 0;
    QTest::newRow("p og mellemrum til sidst") << "<div><p " << rod + "\n div[0]\n  p[0]" << 2;
    QTest::newRow("> i citat") << "<p class=\"a>b\">" << rod + "\n p[0]{class  }" << 1;
    QTest::newRow("to p uden omslag")
        << "<p>a</p><p>b</p>" << rod + "\n p[1]\n  p[1]\n  /p[1]\n /p[1]" << 2;
    QTest::newRow("krydsende") << "<b><i></b></i>" << rod + "\n b[1]\n  i[1]\n  /b[1]\n  /i[1]"
                               << 2;
    QTest::newRow("velformet")
        << "<div>\r\n<p>x <b>y</b></p>\r\n<ul><li>a</li></ul>\r\n</div>"
        << rod + "\n div[1]\n  p[1]\n   b[1]\n   /b[1]\n  /p[1]\n  ul[1]\n   li[1]\n   /li[1]\n"
                 "  /ul[1]\n /div[1]"
        << 1;
    QTest::newRow("uafsluttet element i div")
        << "<div><p>a</div><b>" << rod + "\n div[1]\n  p[0]\n   b[0]\n  /div[1]" << 3;
    QTest::newRow("ukendt slutkode")
        << "<div></foo></div>" << rod + "\n div[1]\n  /foo[3]\n /div[1]" << 1;
    QTest::newRow("forskellig stavemåde")
        << "<div><DIV></div>" << rod + "\n div[1]\n  DIV[0]\n  /div[1]" << 2;
    QTest::newRow("tomt navn") << "<\r\n>" << rod + "\n [0]" << 1;
    QTest::newRow("img") << "<img src=\"a.png\" alt=\"x\">" << rod + "\n img[1]{src alt  }" << 0;
    QTest::newRow("input") << "<input disabled checked>" << rod + "\n input[1]{disabled checked }"
                           << 0;
    QTest::newRow("værdier uden citat")
        << "<td width=50 align=left>" << rod + "\n td[0]{width align  }" << 1;
    QTest::newRow("enkeltcitat") << "<p title='a b'>" << rod + "\n p[0]{title b' }" << 1;
    QTest::newRow("attributter uden >") << "<p class=\"x\" id" << rod + "\n p[0]{class id}" << 1;
}

void TstTagleser::traeform() {
    QFETCH(QString, tekst);
    QFETCH(QString, trae);
    QFETCH(int, tagIndex);
    laes(tekst);
    QCOMPARE(traeTekst(m_trae), trae);
    QCOMPARE(m_tag->TagIndex, tagIndex);
    // Reading again starts afresh.
    m_tag->ReadStructure();
    QCOMPARE(traeTekst(m_trae), trae);
}

void TstTagleser::indeks() {
    laes("<div>\r\n<p>x</p>\r\n</div>");
    QList<int> indekser;
    for (QTreeWidgetItemIterator it(m_trae); *it; ++it)
        indekser << TagNode::PData(*it)->Index;
    QCOMPARE(indekser, (QList<int>{0, 0, 7, 11, 17}));
}

void TstTagleser::somReferencen_data() {
    QTest::addColumn<QStringList>("koder");
    // Misnested starts strand open elements and send later nodes into the
    // middle of the depth-first order, many times at the same place.
    QStringList krydsForan{"<b>", "<i>", "</b>", "</i>"};
    for (int i = 0; i < 3000; ++i)
        krydsForan << "<p>"
                   << "x"
                   << "<b>"
                   << "</b>"
                   << "</p>";
    QTest::newRow("krydsende foran mange afsnit") << krydsForan;
    QStringList strandet;
    for (int i = 0; i < 2000; ++i)
        strandet << "<div>"
                 << "<p>"
                 << "<i>"
                 << "</p>"
                 << "<b>";
    for (int i = 0; i < 2000; ++i)
        strandet << "</i>"
                 << "</b>"
                 << "</div>";
    QTest::newRow("strandede åbne") << strandet;
    const QStringList pulje{"<p>",    "</p>", "<b>",   "</b>",   "<i>",   "</i>", "<div>",
                            "</div>", "<br>", "<foo>", "</foo>", "</br>", "x",    "\r\n"};
    QRandomGenerator tilfaeldig(20240601);
    for (int side = 0; side < 40; ++side) {
        QStringList koder;
        const int antal = side < 30 ? 60 : 4000;
        for (int i = 0; i < antal; ++i)
            koder << pulje[tilfaeldig.bounded(int(pulje.size()))];
        QTest::newRow(qPrintable(QStringLiteral("tilfældig %1").arg(side))) << koder;
    }
}

void TstTagleser::somReferencen() {
    QFETCH(QStringList, koder);
    RefTrae ref;
    for (const QString &k : koder) {
        if (!k.startsWith('<')) continue;
        const bool slut = k.startsWith("</");
        const QString navn = k.mid(slut ? 2 : 1).chopped(1);
        if (navn == "br")
            ref.indsaet(navn, false, false);
        else
            ref.indsaet(navn, slut, true);
    }
    laes(koder.join(QString()));
    QCOMPARE(traeTekst(m_trae), ref.tekst());
}

// Elements left open nest ever deeper; reading and clearing must cope.
void TstTagleser::dybIndlejring() {
    QString tekst;
    for (int i = 0; i < 30000; ++i)
        tekst += "<p>afsnit\r\n";
    tekst += "</div>";
    laes(tekst);
    int dybde = 0;
    QTreeWidgetItem *n = m_trae->topLevelItem(0);
    while (n->childCount() > 0) {
        n = n->child(n->childCount() - 1);
        ++dybde;
    }
    QCOMPARE(dybde, 30001);
    QCOMPARE(n->text(0), QStringLiteral("/div"));
    QCOMPARE(TagNode::PData(n)->TagEnd, quint8(3));
    QCOMPARE(m_tag->EndtagsKontrol(), 30000);
    m_editor->setText("<b>");
    m_tag->ReadStructure();
    QCOMPARE(traeTekst(m_trae), QStringLiteral("Hjemmeside[1]\n b[0]"));
}

// Deeper than a recursive clean-up of the tree view survives: the component
// frees the tree when it goes.
void TstTagleser::dybtTraeVedAfslutning() {
    laes(QString("<p>").repeated(400000));
    QCOMPARE(m_tag->TagIndex, 400000);
    delete m_tag;
    m_tag = nullptr;
    QCOMPARE(m_trae->topLevelItemCount(), 0);
    delete m_trae;
    m_trae = nullptr;
}

void TstTagleser::fremskridt_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QList<int>>("meldinger");
    QTest::newRow("tom") << "" << QList<int>{0, 100};
    QTest::newRow("otte linjer, halve til lige")
        << QString("<p>\r\n").repeated(7) + "x" << QList<int>{0, 0, 12, 25, 38, 50, 62, 75, 100};
    QTest::newRow("fire linjer med slutlinjeskift")
        << QString("a\r\nb\r\nc\r\n") << QList<int>{0, 0, 25, 50, 100};
}

void TstTagleser::fremskridt() {
    QFETCH(QString, tekst);
    QFETCH(QList<int>, meldinger);
    QSignalSpy spion(m_tag, &Tinfotag::OnProgress);
    laes(tekst);
    QList<int> faaet;
    for (const auto &m : spion)
        faaet << m.at(0).toInt();
    QCOMPARE(faaet, meldinger);
}

void TstTagleser::udenEditorEllerTrae() {
    laes("<p>x");
    const QString foer = traeTekst(m_trae);
    QSignalSpy spion(m_tag, &Tinfotag::OnProgress);
    m_editor->setText("<div>");
    m_tag->SetEditor(nullptr);
    m_tag->ReadStructure();
    QCOMPARE(traeTekst(m_trae), foer);
    QCOMPARE(m_tag->VisAttributter(), -1);
    m_tag->SetEditor(m_editor);
    m_tag->SetTreeView(nullptr);
    m_tag->ReadStructure();
    QCOMPARE(traeTekst(m_trae), foer);
    QCOMPARE(spion.size(), 4);
    QCOMPARE(spion.at(2).at(0).toInt(), 0);
    QCOMPARE(spion.at(3).at(0).toInt(), 100);
    m_tag->GotoTag(); // no tree view: nothing happens
}

void TstTagleser::gotoTag_data() {
    QTest::addColumn<QString>("node");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("markeret");
    QTest::addColumn<int>("start"); // editor position of the selection
    // <html>\n<body>\n<div class="a">\n<p>x</p>\n<p>y</p></foo>\n</div>\n</body>\n</html>
    QTest::newRow("div") << "div" << 0 << "div" << 15;
    QTest::newRow("slutkode /div") << "/div" << 0 << "/div" << 55;
    QTest::newRow("body") << "body" << 0 << "body" << 8;
    QTest::newRow("overskydende i mode 0") << "/foo" << 0 << "/foo" << 48;
    QTest::newRow("overskydende i mode 4") << "/foo" << 4 << "/f" << 48;
    QTest::newRow("mode 4, almindelig node") << "/div" << 4 << "/div" << 55;
    QTest::newRow("roden") << "Hjemmeside" << 0 << "" << 0;
}

void TstTagleser::gotoTag() {
    QFETCH(QString, node);
    QFETCH(int, mode);
    QFETCH(QString, markeret);
    QFETCH(int, start);
    laes("<html>\r\n<body>\r\n<div class=\"a\">\r\n<p>x</p>\r\n<p>y</p></foo>\r\n</div>\r\n"
         "</body>\r\n</html>");
    m_editor->setSelStart(30);
    m_tag->SetKontrolMode(mode);
    m_tag->ForMangeEndtag(); // marks must not disturb the search
    QTreeWidgetItem *item = findNode(m_trae, node);
    if (!item) item = findNode(m_trae, node + " Slutkode?");
    QVERIFY(item);
    m_trae->setCurrentItem(item);
    m_tag->GotoTag();
    QCOMPARE(m_editor->SelText(), markeret);
    QCOMPARE(m_editor->SelStart(), start);
}

// Wrapped lines make the line correction too large; the tag is still found.
void TstTagleser::gotoTagOmbrudt() {
    QString afsnit;
    for (int i = 0; i < 60; ++i)
        afsnit += QStringLiteral("ord%1 ").arg(i);
    const QString tekst = "<div>\r\n<p>" + afsnit + "</p>\r\n<p>" + afsnit + "<b>fed</b></p>\r\n" +
                          afsnit + "<i>x</i>\r\n</div>";
    m_editor->setText(tekst);
    m_editor->resize(220, 400);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    QVERIFY(m_editor->LinjeAntal() > 20);
    m_tag->ReadStructure();
    const QString redigering = QString(tekst).replace("\r\n", "\n");
    const QList<QPair<QString, QString>> tilfaelde{
        {"b", "<b>"}, {"/b", "</b>"}, {"i", "<i>"}, {"/div", "</div>"}};
    for (const auto &[node, soeg] : tilfaelde) {
        QTreeWidgetItem *item = findNode(m_trae, node);
        QVERIFY2(item, qPrintable(node));
        m_trae->setCurrentItem(item);
        m_editor->setSelStart(0);
        m_tag->GotoTag();
        QCOMPARE(m_editor->SelStart(), int(redigering.indexOf(soeg)) + 1);
        QCOMPARE(m_editor->SelText(), node);
    }
}

void TstTagleser::visAttributter() {
    laes("<div id=\"a\"><p>x</p><img src=\"b\" alt=\"\"></foo></div>");
    QCOMPARE(m_tag->ForMangeEndtag(), 1);
    QCOMPARE(m_tag->VisAttributter(), 2);
    QCOMPARE(traeTekst(m_trae), QStringLiteral("Hjemmeside[1]\n div id  [1]{id  }\n  p[1]\n"
                                               "  /p[1]\n  img src alt  [1]{src alt  }\n"
                                               "  /foo Slutkode?[3]\n /div[1]"));
}

void TstTagleser::endtagsKontrol_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("antal");
    QTest::addColumn<QStringList>("noder");
    QTest::newRow("to p uden slutkode")
        << "<p>a<p>b" << 2 << QStringList{"p Mangler slutkode", "p Mangler slutkode"};
    QTest::newRow("ukendt foo") << "<foo>x" << 0 << QStringList{"foo Ukendt kode"};
    QTest::newRow("lukkede og tomme")
        << "<div><br><p>x</p></div></b>" << 0 << QStringList{"div", "br", "p", "/p", "/b", "/div"};
}

void TstTagleser::endtagsKontrol() {
    QFETCH(QString, tekst);
    QFETCH(int, antal);
    QFETCH(QStringList, noder);
    laes(tekst);
    m_tag->KodeKontrol(); // earlier marks are replaced
    QCOMPARE(m_tag->EndtagsKontrol(), antal);
    QStringList faaet;
    for (QTreeWidgetItemIterator it(m_trae); *it; ++it)
        faaet << (*it)->text(0);
    QCOMPARE(faaet.takeFirst(), QStringLiteral("Hjemmeside"));
    QCOMPARE(faaet, noder);
}

void TstTagleser::endtagsEfterAttributter() {
    laes("<div><p class=\"x\">a</div>");
    QCOMPARE(m_tag->VisAttributter(), 1);
    QCOMPARE(m_tag->EndtagsKontrol(), 0);
    QVERIFY(findNode(m_trae, "p Ukendt kode"));
    m_tag->ReadStructure();
    QCOMPARE(m_tag->EndtagsKontrol(), 1);
    QVERIFY(findNode(m_trae, "p Mangler slutkode"));
}

void TstTagleser::slutkoder_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("koder");
    QTest::addColumn<QStringList>("kodeNoder");
    QTest::addColumn<int>("forMange");
    QTest::addColumn<QStringList>("forMangeNoder");
    QTest::newRow("</foo>") << "</foo>" << 1 << QStringList{"/foo Ukendt slutkode"} << 1
                            << QStringList{"/foo Slutkode?"};
    QTest::newRow("ukendt par")
        << "<div><foo></foo><br></div></p>" << 2
        << QStringList{"div", "foo Ukendt kode", "/foo Ukendt slutkode", "br", "/p", "/div"} << 1
        << QStringList{"div", "foo", "/foo", "br", "/p Slutkode?", "/div"};
    QTest::newRow("br/ er ukendt")
        << "<br/>" << 1 << QStringList{"br/ Ukendt kode"} << 0 << QStringList{"br/"};
}

void TstTagleser::slutkoder() {
    QFETCH(QString, tekst);
    QFETCH(int, koder);
    QFETCH(QStringList, kodeNoder);
    QFETCH(int, forMange);
    QFETCH(QStringList, forMangeNoder);
    laes(tekst);
    auto noder = [this] {
        QStringList l;
        for (QTreeWidgetItemIterator it(m_trae); *it; ++it)
            l << (*it)->text(0);
        l.removeFirst();
        return l;
    };
    QCOMPARE(m_tag->KodeKontrol(), koder);
    QCOMPARE(noder(), kodeNoder);
    QCOMPARE(m_tag->ForMangeEndtag(), forMange);
    QCOMPARE(noder(), forMangeNoder);
}

void TstTagleser::kodeKontrolTomtNavn() {
    laes("<div><\r\n></div>");
    QCOMPARE(traeTekst(m_trae), QStringLiteral("Hjemmeside[1]\n div[1]\n  [0]\n  /div[1]"));
    QCOMPARE(m_tag->KodeKontrol(), 1);
    QVERIFY(findNode(m_trae, " Ukendt kode"));
    QCOMPARE(m_tag->EndtagsKontrol(), 0);
    QCOMPARE(m_tag->KodeKontrol(), 1);
}

void TstTagleser::attributeKontrol_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("filer"); // name=lines separated by '|'
    QTest::addColumn<int>("antal");
    QTest::addColumn<QStringList>("noder");
    QTest::newRow("ukendt og tomt sidste ord")
        << "<p class=\"x\" foo=\"y\">" << QStringList{"p.txt=class"} << 1
        << QStringList{"p Ukendt: foo"};
    QTest::newRow("kun kendte med værdier")
        << "<html lang=\"da\"><p class=\"x\" title='y'>"
        << QStringList{"html.txt=lang", "p.txt=class|title"} << 0 << QStringList{"html", "p"};
    QTest::newRow("data- og aria- på alle")
        << "<p DATA-Dag=\"5\" aria-label=\"x\" data-=\"y\" aria>" << QStringList{"p.txt=class"} << 2
        << QStringList{"p Ukendt: data- Ukendt: aria"};
    QTest::newRow("ingen fil for koden")
        << "<div id=\"a\" title=\"b\" x>" << QStringList{"p.txt=class"} << 1
        << QStringList{"div Ukendt"};
    QTest::newRow("uden attributter")
        << "<div><p>x</p></div>" << QStringList{} << 0 << QStringList{"div", "p", "/p", "/div"};
    QTest::newRow("hændelser og tom linje")
        << "<p onclick=\"x\" class=\"y\">"
        << QStringList{"p.txt=class", "_formEvents.txt=onclick", "_mediaEvents.txt=onplay|"} << 0
        << QStringList{"p"};
    QTest::newRow("kun formhændelser")
        << "<p onplay=\"x\">" << QStringList{"p.txt=class|", "_formEvents.txt=onclick"} << 1
        << QStringList{"p Ukendt: onplay"};
    QTest::newRow("uden værdi") << "<input disabled checked>"
                                << QStringList{"input.txt=disabled|type"} << 1
                                << QStringList{"input Ukendt: checked"};
    QTest::newRow("DIV finder div.txt")
        << "<DIV class=\"a\">" << QStringList{"div.txt=class|"} << 0 << QStringList{"DIV"};
    QTest::newRow("DIV.txt før div.txt")
        << "<DIV class=\"a\">" << QStringList{"div.txt=class|", "DIV.txt=id|"} << 1
        << QStringList{"DIV Ukendt: class"};
}

void TstTagleser::attributeKontrol() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, filer);
    QFETCH(int, antal);
    QFETCH(QStringList, noder);
    QTemporaryDir dir;
    for (const QString &f : filer) {
        const QString navn = f.section('=', 0, 0);
        QFile fil(dir.filePath(navn));
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write(f.section('=', 1).split('|').join("\r\n").toLatin1() + "\r\n");
    }
    if (QFileInfo::exists(dir.filePath("DIV.txt")) && QFileInfo::exists(dir.filePath("div.txt")) &&
        QFile(dir.filePath("DIV.txt")).size() == QFile(dir.filePath("div.txt")).size())
        QSKIP("the file system ignores case");
    laes(tekst);
    QCOMPARE(m_tag->AttributeKontrol(dir.path() + "/"), antal);
    QStringList faaet;
    for (QTreeWidgetItemIterator it(m_trae); *it; ++it)
        faaet << (*it)->text(0);
    faaet.removeFirst();
    QCOMPARE(faaet, noder);
}

// A valid page marks nothing with the lists the program is delivered with.
void TstTagleser::gyldigSideMedProgrammetsLister() {
    laes("<!DOCTYPE html>\r\n<html lang=\"da\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
         "<link rel=\"stylesheet\" type=\"text/css\" href=\"design.css\">\r\n"
         "<script type=\"text/javascript\" src=\"funktioner.js\"></script>\r\n</head>\r\n"
         "<body>\r\n<div class=\"overskrift\" data-dag=\"5\">Tirsdag</div>\r\n"
         "<nav aria-label=\"Sider\"><a href=\"a.html\" title=\"A\">A</a></nav>\r\n"
         "<img src=\"a.jpg\" alt=\"\" loading=\"lazy\"><input type=\"checkbox\" checked>\r\n"
         "</body>\r\n</html>\r\n");
    QCOMPARE(m_tag->AttributeKontrol(QStringLiteral(DAGBOG_DATA_DIR "/Dir/Attributes/")), 0);
}

// An attribute file that cannot be read is an error, not a count that looks complete.
void TstTagleser::ulaeseligAttributfil() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("attr/p.txt"));
    skrivBytes(fil, "class\r\n");
    QFile::setPermissions(fil, QFileDevice::WriteOwner);
    laes("<p class=\"a\">x</p>");
    SomAlmindeligBruger bruger(rod);
    try {
        m_tag->AttributeKontrol(rod.sti(QStringLiteral("attr/")));
        QFAIL("no error");
    } catch (const Tekstfil::FilFejl &f) {
        QCOMPARE(f.fil(), fil);
    }
}

void TstTagleser::kontrollerUdenStruktur() {
    // A tree view that has never been read into holds no nodes.
    QCOMPARE(m_tag->EndtagsKontrol(), -1);
    QCOMPARE(m_tag->ForMangeEndtag(), -1);
    QCOMPARE(m_tag->KodeKontrol(), -1);
    QCOMPARE(m_tag->AttributeKontrol("/"), -1);
    QCOMPARE(m_tag->VisAttributter(), -1);
    laes("<p>");
    m_tag->SetEditor(nullptr);
    QCOMPARE(m_tag->EndtagsKontrol(), -1);
    QCOMPARE(m_tag->KodeKontrol(), -1);
    QCOMPARE(traeTekst(m_trae), QStringLiteral("Hjemmeside[1]\n p[0]"));
}

QTEST_MAIN(TstTagleser)
#include "tst_tagleser.moc"
