#include "core/tekstomraader.h"

#include <QtTest>

// The words a page shows a reader, read line by line as the editor's marking does.
class TstTekstomraader : public QObject {
    Q_OBJECT
private slots:
    void ordPaaSiden_data();
    void ordPaaSiden();
    void sidetekst_data();
    void sidetekst();
};

namespace {

QStringList ordI(const QString &side) {
    QStringList ud;
    int tilstand = Tekstomraader::Tekst;
    for (const QString &linje : side.split(u'\n'))
        for (const Tekstomraader::Omraade &o : Tekstomraader::ord(linje, tilstand))
            ud << linje.mid(o.start, o.laengde);
    return ud;
}

} // namespace

void TstTekstomraader::ordPaaSiden_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("ord");
    using L = QStringList;
    QTest::newRow("ren tekst") << "Jeg gik en tur" << L{"Jeg", "gik", "en", "tur"};
    QTest::newRow("tagnavn og attributværdi") << "<p class=\"gikk\">Hej</p>" << L{"Hej"};
    QTest::newRow("værdi med > i") << "<a title='a > b' href=\"x.html\">Link</a>" << L{"Link"};
    QTest::newRow("kommentar") << "før <!-- gikk --> efter" << L{"før", "efter"};
    QTest::newRow("kommentar over linjer") << "a <!-- gikk\nturr\nslut --> b" << L{"a", "b"};
    QTest::newRow("entitet") << "blå&nbsp;bog &#229; &#xE5;" << L{"blå", "bog"};
    QTest::newRow("et & uden semikolon er tekst") << "Hansen & Søn" << L{"Hansen", "Søn"};
    QTest::newRow("script") << "<script>var gikk = 1;</script>efter" << L{"efter"};
    QTest::newRow("script over linjer med < i koden")
        << "<SCRIPT type=\"text/javascript\">\nif (a < b) gikk();\n</Script> ja" << L{"ja"};
    QTest::newRow("style over linjer") << "<style>\np { color: red }\n</style>Tekst" << L{"Tekst"};
    QTest::newRow("tag over linjer") << "<div\nclass=\"gikk\"\n>Inde</div>" << L{"Inde"};
    QTest::newRow("attributværdi over linjer") << "<img alt=\"gikk\nturr\">Under" << L{"Under"};
    QTest::newRow("< foran mellemrum er tekst") << "a < b og c" << L{"a", "b", "og", "c"};
    QTest::newRow("bindestreg og apostrof")
        << "e-mail-adresse Anne's - ord-" << L{"e-mail-adresse", "Anne's", "ord"};
    QTest::newRow("tal er ikke ord") << "Linje 12: 3dje år2024 ok" << L{"Linje", "ok"};
    QTest::newRow("doctype og sluttag")
        << "<!DOCTYPE html><title>Tirsdag 05. Marts</title>" << L{"Tirsdag", "Marts"};
    QTest::newRow("scripttag der lukkes i samme tag")
        << "<script src=\"a.js\"></script>Ja" << L{"Ja"};
}

void TstTekstomraader::ordPaaSiden() {
    QFETCH(QString, side);
    QFETCH(QStringList, ord);
    QCOMPARE(ordI(side), ord);
}

// The words rule of the counts: a page's own text and its words.
void TstTekstomraader::sidetekst_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("ord");
    QTest::addColumn<QStringList>("billeder");
    using L = QStringList;
    const QString skabelon = "<!DOCTYPE html>\n<html>\n<head>\n<title>Tirsdag 05. Marts</title>\n"
                             "<script src=\"..\\..\\funktioner.js\"></script>\n</head>\n<body>\n"
                             "<div class=\"overskrift\">Tirsdag 05. Marts</div>\n"
                             "<DIV class=\"HovedSpalte\">\n%1\n</DIV>\n</body>\n</html>\n";
    QTest::newRow("tom skabelon") << skabelon.arg("") << "" << L{} << L{};
    QTest::newRow("skabelon med tekst") << skabelon.arg("<p>Jeg gik\r\n en  tur.</p>")
                                        << "Jeg gik en tur." << L{"Jeg", "gik", "en", "tur"} << L{};
    QTest::newRow("tal tæller") << "<body>Kl. 14.30 kom 2 gæster år2024</body>"
                                << "Kl. 14.30 kom 2 gæster år2024"
                                << L{"Kl", "14", "30", "kom", "2", "gæster", "år2024"} << L{};
    QTest::newRow("bindestreg og apostrof mellem bogstaver")
        << "<body>e-mail Anne's 2024-udgave - ord- x'</body>"
        << "e-mail Anne's 2024-udgave - ord- x'"
        << L{"e-mail", "Anne's", "2024", "udgave", "ord", "x"} << L{};
    QTest::newRow("entiteter afkodes")
        << "<body>gl&aelig;de &Oslash;l&#229;r&#xE5; &amp; Co&nbsp;A/S &hellip; &ukendt;</body>"
        << "glæde Ølårå & Co A/S … &ukendt;" << L{"glæde", "Ølårå", "Co", "A", "S", "ukendt"}
        << L{};
    QTest::newRow("kommentar, script og style")
        << "<body>før<!-- nej --> <script>var nej = 1;</script><style>p {}</style>efter</body>"
        << "før efter" << L{"før", "efter"} << L{};
    QTest::newRow("indlejrede koder samler, blokke skiller")
        << "<body><b>gl</b>æde<p>en</p><p>to<br>tre</p></body>"
        << "glæde en to tre" << L{"glæde", "en", "to", "tre"} << L{};
    QTest::newRow("overskrift med indre div")
        << "<body><div class='overskriftAar'><div>nej</div>nej</div><div>ja</div></body>"
        << "ja" << L{"ja"} << L{};
    QTest::newRow("attributter tæller ikke")
        << "<body><img alt=\"nej\" src=\"../Billeder/a.jpg\"></body>"
        << "" << L{} << L{"../Billeder/a.jpg"};
    QTest::newRow("billeder i kroppen")
        << "<head><img src=nej.png></head><body><IMG alt='x' SRC='..\\Billeder\\b.png'>"
           "<img src=c.gif></body><img src=\"nej.png\">"
        << "" << L{} << L{"..\\Billeder\\b.png", "c.gif"};
    QTest::newRow("uden body tæller alt") << "<title>To ord</title>"
                                          << "To ord" << L{"To", "ord"} << L{};
    QTest::newRow("efter body tæller intet") << "<body>ja</body> nej"
                                             << "ja" << L{"ja"} << L{};
}

void TstTekstomraader::sidetekst() {
    QFETCH(QString, side);
    QFETCH(QString, tekst);
    QFETCH(QStringList, ord);
    QFETCH(QStringList, billeder);
    const Tekstomraader::Sidetekst s = Tekstomraader::sidetekst(side);
    QCOMPARE(s.tekst, tekst);
    QStringList fundne;
    for (const Tekstomraader::Omraade &o : s.ord)
        fundne << s.tekst.mid(o.start, o.laengde);
    QCOMPARE(fundne, ord);
    QCOMPARE(s.billeder, billeder);
}

QTEST_APPLESS_MAIN(TstTekstomraader)
#include "tst_tekstomraader.moc"
