#include "core/fuldfoerelse.h"
#include "core/tagpar.h"
#include "core/tekstomraader.h"
#include "platform/tekstfil.h"

#include <QtTest>

// The colours, the completion and the matching tag all read a page with the
// one rule; these tables hold what a writer sees of each.
class TstKodelaesning : public QObject {
    Q_OBJECT
private slots:
    void farver_data();
    void farver();
    void fuldfoerelse_data();
    void fuldfoerelse();
    void partner_data();
    void partner();
};

namespace {

using Tekstomraader::Slags;
using Sprog = Fuldfoerelse::Sprog;

QString slagsNavn(Slags s) {
    static const char *navne[] = {"tekst", "tag",   "attr",   "værdi", "komm", "ent",
                                  "dokt",  "selek", "egensk", "nøgle", "tal"};
    return QString::fromUtf8(navne[int(s)]);
}

// Every coloured part of the text as "kind:text", line by line.
QStringList dele(const QString &tekst, Sprog sprog) {
    QStringList ud;
    int tilstand = 0;
    for (const QString &linje : tekst.split(u'\n')) {
        const auto omraader = sprog == Sprog::Html  ? Tekstomraader::htmlFarver(linje, tilstand)
                              : sprog == Sprog::Css ? Tekstomraader::cssFarver(linje, tilstand)
                                                    : Tekstomraader::jsFarver(linje, tilstand);
        for (const auto &o : omraader)
            ud << slagsNavn(o.slags) + u':' + linje.mid(o.start, o.laengde);
    }
    return ud;
}

QString dataFil(const QString &navn) {
    return QStringLiteral(DAGBOG_DATA_DIR "/Dir/") + navn;
}

} // namespace

void TstKodelaesning::farver_data() {
    QTest::addColumn<int>("sprog");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("ventet");
    using L = QStringList;
    const int html = int(Sprog::Html), css = int(Sprog::Css), js = int(Sprog::Js);
    QTest::newRow("tag med attributter")
        << html << "<a href=\"x.html\" class=ny hidden>Link</a>"
        << L{"tag:<a",      "attr:href", "værdi:\"x.html\"", "attr:class", "værdi:ny",
             "attr:hidden", "tag:>",     "tag:</a",          "tag:>"};
    QTest::newRow("doctype, entitet og tomt tag")
        << html << "<!DOCTYPE html>blå&nbsp;<br/>"
        << L{"dokt:<!DOCTYPE html>", "ent:&nbsp;", "tag:<br", "tag:/", "tag:>"};
    QTest::newRow("kommentar over linjer")
        << html << "a<!-- første\nanden -->b<i>"
        << L{"komm:<!--", "komm: første", "komm:anden -->", "tag:<i", "tag:>"};
    QTest::newRow("værdi over linjer")
        << html << "<img alt='en\nto'>"
        << L{"tag:<img", "attr:alt", "værdi:'en", "værdi:to'", "tag:>"};
    QTest::newRow("style-blok over linjer")
        << html << "<style>\np.a { color: #fff; /* x\ny */ }\n</style>"
        << L{"tag:<style", "tag:>",   "selek:p.a", "egensk:color", "tal:#fff",
             "komm:/*",    "komm: x", "komm:y */", "tag:</style",  "tag:>"};
    QTest::newRow("script-blok over linjer")
        << html << "<script>\nif (a < 2) { /* </p>\n*/ }</script>"
        << L{"tag:<script", "tag:>",   "nøgle:if",     "tal:2", "komm:/*",
             "komm: </p>",  "komm:*/", "tag:</script", "tag:>"};
    QTest::newRow("script slutter midt i en streng")
        << html << "<script>var s = \"</script><b>"
        << L{"tag:<script",  "tag:>", "nøgle:var", "værdi:\"",
             "tag:</script", "tag:>", "tag:<b",    "tag:>"};
    QTest::newRow("css med @media og !important")
        << css << "@media print {\n  h1, .x:hover { margin: 0 -2.5em !important; }\n}"
        << L{"nøgle:@media",  "værdi:print", "selek:h1",   "selek:.x:hover",
             "egensk:margin", "tal:0",       "tal:-2.5em", "nøgle:!important"};
    QTest::newRow("css-kommentar over linjer og streng")
        << css << "/* a\nb */ a::before { content: \"}\" }"
        << L{"komm:/*", "komm: a", "komm:b */", "selek:a::before", "egensk:content", "værdi:\"}\""};
    QTest::newRow("css @font-face holder erklæringer")
        << css << "@font-face { font-family: X }"
        << L{"nøgle:@font-face", "egensk:font-family", "værdi:X"};
    QTest::newRow("js nøgleord, tal, strenge og kommentarer")
        << js << "const n = 0x1F; // slut\nlet s = 'a\\'b' + `x\ny`; /* k */ returnere"
        << L{"nøgle:const", "tal:0x1F", "komm:// slut", "nøgle:let", "værdi:'a\\'b'",
             "værdi:`",     "værdi:x",  "værdi:y`",     "komm:/*",   "komm: k */"};
}

void TstKodelaesning::farver() {
    QFETCH(int, sprog);
    QFETCH(QString, tekst);
    QFETCH(QStringList, ventet);
    QCOMPARE(dele(tekst, Sprog(sprog)), ventet);
}

void TstKodelaesning::fuldfoerelse_data() {
    QTest::addColumn<int>("sprog");
    QTest::addColumn<QString>("foer"); // the text before the caret
    QTest::addColumn<QString>("tilbudt");
    QTest::addColumn<QString>("ikkeTilbudt");
    const int html = int(Sprog::Html), css = int(Sprog::Css), js = int(Sprog::Js);
    QTest::newRow("tag efter <ta") << html << "<p>Se <ta"
                                   << "table"
                                   << "p";
    QTest::newRow("tag efter <") << html << "x <"
                                 << "div"
                                 << "";
    QTest::newRow("attribut i <a ") << html << "<a "
                                    << "href"
                                    << "src";
    QTest::newRow("attribut i <img al") << html << "<p><img al"
                                        << "alt"
                                        << "href";
    QTest::newRow("attribut i tag fra linjen før") << html << "<p><img src=\"a.png\"\n  al"
                                                   << "alt"
                                                   << "href";
    QTest::newRow("specialtegn efter &nb") << html << "blå&nb"
                                           << "&nbsp;"
                                           << "&amp;";
    QTest::newRow("slutkode i åben div") << html << "<div class=\"a\">\n<p>x</p>\n</"
                                         << "</div>"
                                         << "</p>";
    QTest::newRow("slutkode: inderste åbne") << html << "<div><ul><li>a</li></"
                                             << "</ul>"
                                             << "</div>";
    QTest::newRow("intet i en attributværdi") << html << "<a href=\"ta"
                                              << ""
                                              << "table";
    QTest::newRow("intet i en kommentar") << html << "<!-- <ta"
                                          << ""
                                          << "table";
    QTest::newRow("css-egenskab") << css << "p {\n  backg"
                                  << "background-color"
                                  << "color";
    QTest::newRow("css-værdi efter kolon") << css << "p { display: fl"
                                           << "flex"
                                           << "block";
    QTest::newRow("ingen egenskab i selektoren") << css << "tab"
                                                 << ""
                                                 << "table-layout";
    QTest::newRow("css i style-blok") << html << "<style>\nh1 { text-al"
                                      << "text-align"
                                      << "";
    QTest::newRow("js-nøgleord") << js << "  ret"
                                 << "return"
                                 << "";
    QTest::newRow("js DOM-navn") << js << "var x = HTMLDiv"
                                 << "HTMLDivElement"
                                 << "";
    QTest::newRow("js i script-blok") << html << "<script>\ndocu"
                                      << "document"
                                      << "";
    QTest::newRow("intet i js-kommentar") << js << "/* ret"
                                          << ""
                                          << "return";
}

void TstKodelaesning::fuldfoerelse() {
    QFETCH(int, sprog);
    QFETCH(QString, foer);
    QFETCH(QString, tilbudt);
    QFETCH(QString, ikkeTilbudt);
    // The caret ends the last line; the state of its start is read as the highlighter does.
    QStringList linjer = foer.split(u'\n');
    const QString linje = linjer.takeLast();
    int tilstand = 0;
    for (const QString &l : linjer) {
        if (sprog == int(Sprog::Css))
            Tekstomraader::cssFarver(l, tilstand);
        else if (sprog == int(Sprog::Js))
            Tekstomraader::jsFarver(l, tilstand);
        else
            Tekstomraader::htmlFarver(l, tilstand);
    }
    const Fuldfoerelse::Sted s =
        Fuldfoerelse::sted(linje, int(linje.size()), tilstand, Sprog(sprog), linjer.join(u'\n'));
    QStringList liste;
    switch (s.art) {
    case Fuldfoerelse::Art::Tag:
        liste = Tekstfil::laesLinjer(dataFil(QStringLiteral("Html/AlleKoder.txt")));
        break;
    case Fuldfoerelse::Art::Attribut:
        liste = Tekstfil::laesLinjer(dataFil(QStringLiteral("Attributes/%1.txt").arg(s.tag)));
        break;
    case Fuldfoerelse::Art::Entitet:
        liste = QStringList{"&nbsp;", "&gt;", "&lt;", "&amp;"};
        break;
    case Fuldfoerelse::Art::Slutkode: {
        SorteretListe udenSlut;
        udenSlut.tilfoej(Tekstfil::laesLinjer(dataFil(QStringLiteral("Html/UdenSlutkode.txt"))));
        linjer << linje.left(s.start);
        const QString navn = Tagpar::aabent(Tagpar::tags(linjer, 0, udenSlut));
        if (!navn.isEmpty()) liste << QStringLiteral("</%1>").arg(navn);
        break;
    }
    case Fuldfoerelse::Art::CssEgenskab:
        liste = Tekstfil::laesLinjer(dataFil(QStringLiteral("Css/Egenskaber.txt")));
        break;
    case Fuldfoerelse::Art::CssVaerdi:
        liste = Fuldfoerelse::cssVaerdier(
            Tekstfil::laesLinjer(dataFil(QStringLiteral("Css/Vaerdier.txt"))), s.egenskab);
        break;
    case Fuldfoerelse::Art::Js:
        liste = Tekstomraader::jsNoegleord() +
                Tekstfil::laesLinjer(dataFil(QStringLiteral("Js/Navne.txt")));
        break;
    case Fuldfoerelse::Art::Ingen:
        break;
    }
    const QStringList udvalg = Fuldfoerelse::udvalg(liste, s.praefiks);
    if (tilbudt.isEmpty())
        QVERIFY2(udvalg.isEmpty(), qPrintable(udvalg.join(u' ')));
    else
        QVERIFY2(udvalg.contains(tilbudt), qPrintable(udvalg.join(u' ')));
    if (!ikkeTilbudt.isEmpty()) QVERIFY(!udvalg.contains(ikkeTilbudt));
}

void TstKodelaesning::partner_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("tag");    // index of the tag under the caret
    QTest::addColumn<int>("ventet"); // index of its partner, -1 for none
    QTest::newRow("start til slut") << "<div><p>a</p></div>" << 0 << 3;
    QTest::newRow("slut til start") << "<div><p>a</p></div>" << 2 << 1;
    QTest::newRow("indlejret samme navn") << "<div>\n<div>x</div>\n</div>" << 0 << 3;
    QTest::newRow("tomt element har ingen") << "<p><br>x</p>" << 1 << -1;
    QTest::newRow("selvlukket har ingen") << "<div/><div></div>" << 0 << -1;
    QTest::newRow("manglende partner") << "<ul><li>a<li>b</ul>" << 1 << -1;
    QTest::newRow("tag i kommentar tæller ikke") << "<b><!-- </b> -->x</b>" << 0 << 1;
    QTest::newRow("store bogstaver") << "<DIV>x</div>" << 1 << 0;
}

void TstKodelaesning::partner() {
    QFETCH(QString, side);
    QFETCH(int, tag);
    QFETCH(int, ventet);
    SorteretListe udenSlut;
    udenSlut.tilfoej(QStringList{"br", "img"});
    QCOMPARE(Tagpar::partner(Tagpar::tags(side.split(u'\n'), 0, udenSlut), tag), ventet);
}

QTEST_APPLESS_MAIN(TstKodelaesning)
#include "tst_kodelaesning.moc"
