#include "taghjaelp.h"

#include "platform/tekstfil.h"
#include "tags/taginfo.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TCursorPos)

class TstTaginfoPrimitiver : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void udskrivKode_data();
    void udskrivKode();
    void insertLine_data();
    void insertLine();
    void getTag_data();
    void getTag();
    void getTagRoererIkkePosData_data();
    void getTagRoererIkkePosData();
    void getTagOmbrudtLinje();
    void udskrivSlutkode_data();
    void udskrivSlutkode();
    void findOrd_data();
    void findOrd();
    void findTegn_data();
    void findTegn();
    void findOrdOmbrudtOrd();
    void lister_data();
    void lister();
    void listeFilMangler();
    void udenEditor();

private:
    Tinfotag *m_tag = nullptr;
    TRichEdit *m_editor = nullptr;
};

void TstTaginfoPrimitiver::init() {
    m_tag = new Tinfotag;
    saetTestlister(*m_tag);
    m_editor = new TRichEdit;
    m_editor->resize(800, 400);
    m_tag->SetEditor(m_editor);
}

void TstTaginfoPrimitiver::cleanup() {
    delete m_editor;
    delete m_tag;
}

void TstTaginfoPrimitiver::udskrivKode_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("s1");
    QTest::addColumn<QString>("s2");
    QTest::addColumn<QString>("forventet");
    QTest::addColumn<int>("caret");
    QTest::newRow("position 10") << "0123456789|abc"
                                 << "<b>"
                                 << "</b>"
                                 << "0123456789<b></b>abc" << 13;
    QTest::newRow("markeret ord erstattes") << "et [ord] her"
                                            << "<i>"
                                            << "</i>"
                                            << "et <i></i> her" << 6;
    QTest::newRow("caret efter starttekst") << "|"
                                            << "<bdo dir=\"\">"
                                            << "</bdo>"
                                            << "<bdo dir=\"\"></bdo>" << 12;
    QTest::newRow("caret i værdien") << "|"
                                     << "<ol type=\""
                                     << "\"></ol>"
                                     << "<ol type=\"\"></ol>" << 10;
    QTest::newRow("anden linje") << "a\r\nb|c"
                                 << "<a>"
                                 << "</a>"
                                 << "a\r\nb<a></a>c" << 6;
    QTest::newRow("linjeskift i starttekst") << "|x"
                                             << "<ul>\r\n<li>"
                                             << "</li>\r\n</ul>"
                                             << "<ul>\r\n<li></li>\r\n</ul>x" << 9;
}

void TstTaginfoPrimitiver::udskrivKode() {
    QFETCH(QString, tekst);
    QFETCH(QString, s1);
    QFETCH(QString, s2);
    QFETCH(QString, forventet);
    QFETCH(int, caret);
    saetTekst(*m_editor, tekst);
    QVERIFY(!m_editor->Modified());
    m_tag->UdskrivKode(s1, s2);
    QCOMPARE(m_editor->Text(), forventet);
    QCOMPARE(m_editor->SelStart(), caret);
    QCOMPARE(m_editor->SelLength(), 0);
    QVERIFY(m_editor->Modified());
}

void TstTaginfoPrimitiver::insertLine_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("slut");
    QTest::addColumn<QString>("indreStart"); // written with UdskrivKode afterwards when set
    QTest::addColumn<QString>("indreSlut");
    QTest::addColumn<QString>("forventet");
    QTest::addColumn<int>("linje");
    QTest::addColumn<int>("kolonne");
    QTest::newRow("linje med tekst") << "a\r\nx|yz\r\nb"
                                     << "<div>"
                                     << "</div>"
                                     << ""
                                     << ""
                                     << "a\r\n<div>\r\n\r\n</div>\r\nb" << 2 << 0;
    QTest::newRow("tom linje") << "a\r\n|\r\nb"
                               << "<p>"
                               << "</p>"
                               << ""
                               << ""
                               << "a\r\n<p>\r\n\r\n</p>\r\nb" << 2 << 0;
    QTest::newRow("markering slettes") << "a\r\nx[y]z\r\nb"
                                       << "<div>"
                                       << "</div>"
                                       << ""
                                       << ""
                                       << "a\r\n<div>\r\n\r\n</div>\r\nb" << 2 << 0;
    QTest::newRow("sidste linje") << "a\r\nx|"
                                  << "<div>"
                                  << "</div>"
                                  << ""
                                  << ""
                                  << "a\r\n<div>\r\n\r\n</div>" << 2 << 0;
    QTest::newRow("tom side") << "|"
                              << "<ul>"
                              << "</ul>"
                              << ""
                              << ""
                              << "<ul>\r\n\r\n</ul>" << 1 << 0;
    QTest::newRow("blok og par") << "x|"
                                 << "<ul>"
                                 << "</ul>"
                                 << "<li>"
                                 << "</li>"
                                 << "<ul>\r\n<li></li>\r\n</ul>" << 1 << 4;
}

void TstTaginfoPrimitiver::insertLine() {
    QFETCH(QString, tekst);
    QFETCH(QString, start);
    QFETCH(QString, slut);
    QFETCH(QString, indreStart);
    QFETCH(QString, indreSlut);
    QFETCH(QString, forventet);
    QFETCH(int, linje);
    QFETCH(int, kolonne);
    saetTekst(*m_editor, tekst);
    m_tag->InsertLine(start, true, true, false);
    m_tag->InsertLine(QString(), true, false, false);
    m_tag->InsertLine(slut, false, false, true);
    if (!indreStart.isEmpty()) m_tag->UdskrivKode(indreStart, indreSlut);
    QCOMPARE(m_editor->Text(), forventet);
    QCOMPARE(m_editor->CaretLinje(), linje);
    QCOMPARE(m_editor->CaretKolonne(), kolonne);
    QVERIFY(m_editor->Modified());
}

void TstTaginfoPrimitiver::getTag_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("resultat");
    QTest::addColumn<TCursorPos>("curPos");
    QTest::addColumn<QString>("attribut");
    QTest::addColumn<int>("posIndex");
    QTest::newRow("mellem: p") << "<div><p>text|"
                               << "p" << cpBetween << "" << 12;
    QTest::newRow("mellem: p lukket") << "<div><p>x</p>|"
                                      << "div" << cpBetween << "" << 13;
    QTest::newRow("mellem: br uden slutkode") << "<div><br>|"
                                              << "div" << cpBetween << "" << 9;
    QTest::newRow("mellem: attributter") << "<div class=\"a\">|"
                                         << "div" << cpBetween << "" << 15;
    QTest::newRow("doctype tælles som åben") << "<!DOCTYPE html>\r\n<div><p>x</p></div>|"
                                             << "!DOCTYPE" << cpBetween << "" << 36;
    QTest::newRow("procent afslutter navnet") << "<%= x %>|"
                                              << "%" << cpBetween << "" << 8;
    QTest::newRow("alt lukket") << "<p>a</p>|"
                                << "" << cpNone << "" << 8;
    QTest::newRow("i attributværdi") << "<a href=\"x|y\">"
                                     << "a" << cpInside << "href" << 10;
    QTest::newRow("i enkeltcitat") << "<img src='a|'>"
                                   << "img" << cpInside << "src" << 11;
    QTest::newRow("efter slutcitat") << "<a href=\"x\" |>"
                                     << "a" << cpInside << "" << 12;
    QTest::newRow("i navnet") << "<di|v>"
                              << "div" << cpInside << "" << 3;
    QTest::newRow("i slutkode") << "<p>x</di|v>"
                                << "div" << cpInsideEnd << "" << 8;
    QTest::newRow("sidste tegn er <") << "<p>x<|"
                                      << "" << cpInside << "" << 5;
    QTest::newRow("anden linje") << "<div>\r\n<p class=\"x|\">"
                                 << "p" << cpInside << "class" << 18;
    QTest::newRow("tredje linje mellem") << "<div>\r\n\r\n<p>ab|"
                                         << "p" << cpBetween << "" << 14;
    QTest::newRow("ved tekstens start") << "|<div>"
                                        << "" << cpNone << "" << 0;
}

void TstTaginfoPrimitiver::getTag() {
    QFETCH(QString, tekst);
    QFETCH(QString, resultat);
    QFETCH(TCursorPos, curPos);
    QFETCH(QString, attribut);
    QFETCH(int, posIndex);
    saetTekst(*m_editor, tekst);
    QCOMPARE(m_tag->GetTag(), resultat);
    QCOMPARE(m_tag->PosData().CurPos, curPos);
    QCOMPARE(m_tag->PosData().Tag, resultat);
    QCOMPARE(m_tag->PosData().Attribut, attribut);
    QCOMPARE(m_tag->PosData().PosIndex, posIndex);
    QVERIFY(!m_editor->Modified());
}

void TstTaginfoPrimitiver::getTagRoererIkkePosData_data() {
    QTest::addColumn<QString>("tekst");
    QTest::newRow("begynder med blank") << " <div><p>x|";
    QTest::newRow("begynder med tekst") << "tekst <b>x|";
}

void TstTaginfoPrimitiver::getTagRoererIkkePosData() {
    QFETCH(QString, tekst);
    saetTekst(*m_editor, "<a href=\"x|\">");
    QCOMPARE(m_tag->GetTag(), QStringLiteral("a"));
    saetTekst(*m_editor, tekst);
    QCOMPARE(m_tag->GetTag(), QString());
    QCOMPARE(m_tag->PosData().CurPos, cpInside);
    QCOMPARE(m_tag->PosData().Tag, QStringLiteral("a"));
    QCOMPARE(m_tag->PosData().Attribut, QStringLiteral("href"));
    QCOMPARE(m_tag->PosData().PosIndex, 10);
}

// Lines that begin by word wrap add nothing to the caret's text offset.
void TstTaginfoPrimitiver::getTagOmbrudtLinje() {
    QString afsnit;
    for (int i = 0; i < 40; ++i)
        afsnit += QStringLiteral("ord%1 ").arg(i);
    const QString foer = "<div>\r\n<p>" + afsnit + "\r\n" + afsnit + "<b>fed";
    saetTekst(*m_editor, foer + "|" + " mere</b></p>\r\n</div>");
    m_editor->resize(200, 400);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    QVERIFY(m_editor->CaretLinje() > 3); // several wrapped lines above the caret
    QCOMPARE(m_tag->GetTag(), QStringLiteral("b"));
    QCOMPARE(m_tag->PosData().PosIndex, int(foer.size()));
    QCOMPARE(m_tag->PosData().CurPos, cpBetween);
}

void TstTaginfoPrimitiver::udskrivSlutkode_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("skrevet");
    QTest::addColumn<QString>("forventet");
    QTest::addColumn<int>("caret");
    QTest::newRow("mellem p") << "<div><p>text|" << true << "<div><p>text</p>" << 12;
    QTest::newRow("stavet som starttag") << "<P>te|xt" << true << "<P>te</P>xt" << 5;
    QTest::newRow("markering erstattes") << "<div>[abc]" << true << "<div></div>" << 5;
    QTest::newRow("doctype ikke i listen") << "<!DOCTYPE html><div><p>x</p></div>|" << false
                                           << "<!DOCTYPE html><div><p>x</p></div>" << 34;
    QTest::newRow("inde i starttag") << "<div cl|ass=\"a\">" << false << "<div class=\"a\">" << 7;
    QTest::newRow("inde i slutkode") << "<div></d|iv>" << false << "<div></div>" << 8;
    QTest::newRow("ukendt navn") << "<foo>x|" << false << "<foo>x" << 6;
}

void TstTaginfoPrimitiver::udskrivSlutkode() {
    QFETCH(QString, tekst);
    QFETCH(bool, skrevet);
    QFETCH(QString, forventet);
    QFETCH(int, caret);
    saetTekst(*m_editor, tekst);
    m_tag->GetTag();
    QCOMPARE(m_tag->UdskrivSlutkode(), skrevet);
    QCOMPARE(m_editor->Text(), forventet);
    QCOMPARE(m_editor->SelStart(), caret);
    QCOMPARE(m_editor->Modified(), skrevet);
}

void TstTaginfoPrimitiver::findOrd_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("dk");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("js");
    QTest::newRow("font-size efter bindestreg") << "a { font-|size: 2em }"
                                                << "size"
                                                << "font-size"
                                                << "size";
    QTest::newRow("@media ved linjestart") << "p {}\r\n|@media screen"
                                           << ""
                                           << "@media"
                                           << "";
    QTest::newRow("blåbær") << "et blåbær| her"
                            << "blåbær"
                            << "r"
                            << "r";
    QTest::newRow("café") << "en caf|é"
                          << "caf"
                          << "caf"
                          << "caf";
    QTest::newRow("andre accenter") << "naïve|"
                                    << "ve"
                                    << "ve"
                                    << "ve";
    QTest::newRow("over U+00FF") << "中文|abc"
                                 << "abc"
                                 << "abc"
                                 << "abc";
    QTest::newRow("cifre og understreg") << "x_1|2 y"
                                         << "x_12"
                                         << ""
                                         << "x_12";
    QTest::newRow("mellem to mellemrum") << "a  |  b"
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("to markerede ord") << "her er [to ord] nu"
                                      << "to ord"
                                      << "to ord"
                                      << "to ord";
    QTest::newRow("caret i linjens ord") << "første linje\r\nfo|o bar"
                                         << "foo"
                                         << "foo"
                                         << "foo";
}

void TstTaginfoPrimitiver::findOrd() {
    QFETCH(QString, tekst);
    QFETCH(QString, dk);
    QFETCH(QString, css);
    QFETCH(QString, js);
    saetTekst(*m_editor, tekst);
    QCOMPARE(m_tag->FindOrdDk(), dk);
    QCOMPARE(m_tag->FindOrdCSS(), css);
    QCOMPARE(m_tag->FindOrdJs(), js);
}

void TstTaginfoPrimitiver::findTegn_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("js");
    QTest::newRow("kombinator") << "nav |> a"
                                << ">"
                                << ">";
    QTest::newRow("begge sider") << "x +|+ y"
                                 << "++"
                                 << "++";
    QTest::newRow("procent") << "width: 50|%;"
                             << "%"
                             << "%";
    QTest::newRow("valgfri kæde") << "person?|.navn"
                                  << ""
                                  << "?.";
    QTest::newRow("pil") << "(x) =|> x"
                         << ">"
                         << "=>";
    QTest::newRow("streng lighed") << "a =|== b"
                                   << ""
                                   << "===";
    QTest::newRow("spredning i parentes") << "f(.|..liste)"
                                          << ""
                                          << "...";
    QTest::newRow("skabelontekst") << "= |`Hej"
                                   << ""
                                   << "`";
    QTest::newRow("ord") << "fo|o"
                         << ""
                         << "";
}

void TstTaginfoPrimitiver::findTegn() {
    QFETCH(QString, tekst);
    QFETCH(QString, css);
    QFETCH(QString, js);
    saetTekst(*m_editor, tekst);
    QCOMPARE(m_tag->FindTegnCSS(), css);
    QCOMPARE(m_tag->FindTegnJs(), js);
}

// A word that word wrap splits is found only as far as it lies on the caret's line.
void TstTaginfoPrimitiver::findOrdOmbrudtOrd() {
    const QString ord(300, u'a');
    saetTekst(*m_editor, ord.left(5) + "|" + ord.mid(5));
    m_editor->resize(150, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    QCOMPARE(m_editor->CaretLinje(), 0);
    QVERIFY(m_editor->LinjeAntal() > 2);
    const QString fundet = m_tag->FindOrdDk();
    QVERIFY(fundet.size() > 5);
    QVERIFY(fundet.size() < ord.size());
    QCOMPARE(fundet, m_editor->Linje(0));
    // On the next displayed line only that line's piece is found.
    m_editor->setSelStart(m_editor->LinjeStart(1) + 1);
    QCOMPARE(m_tag->FindOrdJs(), m_editor->Linje(1));
}

void TstTaginfoPrimitiver::lister_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QStringList>("findesIkke");
    QTest::addColumn<int>("antal");
    QTest::newRow("DIV og div") << QByteArray("DIV\r\ndiv\r\np\r\n") << QStringList{"Div", "P"}
                                << QStringList{"", "span"} << 2;
    QTest::newRow("tom linje") << QByteArray("a\r\n\r\nb") << QStringList{"", "a", "B"}
                               << QStringList{"c"} << 3;
    QTest::newRow("blanke bevares")
        << QByteArray("br \nhr\n") << QStringList{"br ", "hr"} << QStringList{"br"} << 2;
}

void TstTaginfoPrimitiver::lister() {
    QFETCH(QByteArray, fil);
    QFETCH(QStringList, findes);
    QFETCH(QStringList, findesIkke);
    QFETCH(int, antal);
    QTemporaryDir dir;
    const QString sti = dir.filePath("liste.txt");
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(fil);
    f.close();
    Tinfotag t;
    using Laeser = void (Tinfotag::*)(const QString &);
    using Liste = SorteretListe &(Tinfotag::*)();
    const QList<QPair<Laeser, Liste>> alle{
        {&Tinfotag::LoadNosluttagliste, &Tinfotag::Nosluttagliste},
        {&Tinfotag::LoadTagliste, &Tinfotag::Tagliste},
        {&Tinfotag::LoadUAttributliste, &Tinfotag::UAttributliste},
        {&Tinfotag::LoadExcludeliste, &Tinfotag::Excludeliste},
        {&Tinfotag::LoadAlletagliste, &Tinfotag::AlleTagliste}};
    for (const auto &[laes, liste] : alle) {
        (t.*liste)().tilfoej(QStringLiteral("gammel"));
        (t.*laes)(sti);
        QCOMPARE((t.*liste)().antal(), antal);
        QVERIFY(!(t.*liste)().findes(QStringLiteral("gammel")));
        for (const QString &o : findes)
            QVERIFY2((t.*liste)().findes(o), qPrintable(o));
        for (const QString &o : findesIkke)
            QVERIFY2(!(t.*liste)().findes(o), qPrintable(o));
    }
}

void TstTaginfoPrimitiver::listeFilMangler() {
    QTemporaryDir dir;
    Tinfotag t;
    t.Tagliste().tilfoej(QStringList{"p", "div"});
    QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl, t.LoadTagliste(dir.filePath("findes-ikke.txt")));
    QCOMPARE(t.Tagliste().ord(), (QStringList{"div", "p"}));
}

void TstTaginfoPrimitiver::udenEditor() {
    saetTekst(*m_editor, "<a href=\"x|\">");
    m_tag->GetTag();
    m_tag->InsertLine("<p>", true, true, false);
    const int gemt = m_tag->cursPos;
    const QString tekst = m_editor->Text();
    m_tag->SetEditor(nullptr);
    const TPosData foer = m_tag->PosData();

    m_tag->UdskrivKode("<b>", "</b>");
    m_tag->InsertLine("<div>", true, true, true);
    QCOMPARE(m_tag->cursPos, gemt);
    QVERIFY(!m_tag->UdskrivSlutkode());
    QCOMPARE(m_tag->GetTag(), QString());
    QCOMPARE(m_tag->PosData().CurPos, foer.CurPos);
    QCOMPARE(m_tag->PosData().Tag, foer.Tag);
    QCOMPARE(m_tag->PosData().PosIndex, foer.PosIndex);
    QCOMPARE(m_tag->FindOrdDk(), QString());
    QCOMPARE(m_tag->FindOrdCSS(), QString());
    QCOMPARE(m_tag->FindOrdJs(), QString());
    QCOMPARE(m_editor->Text(), tekst);

    // A destroyed editor counts as none.
    auto *kortlivet = new TRichEdit;
    kortlivet->setText("<p>x");
    m_tag->SetEditor(kortlivet);
    delete kortlivet;
    QCOMPARE(m_tag->editor(), nullptr);
    QCOMPARE(m_tag->GetTag(), QString());
}

QTEST_MAIN(TstTaginfoPrimitiver)
#include "tst_taginfo_primitiver.moc"
