#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QClipboard>
#include <QMimeData>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QtTest>

namespace {

const QString afsnit = QStringLiteral(
    "Tirsdag gik vi en lang tur langs søen, og bagefter spiste vi æbler i haven mens "
    "solen gik ned over gården og markerne bag huset, hvor hestene stod og græssede.");

// A shown editor: its lines are the lines the user sees.
struct VistEditor {
    TRichEdit re;
    explicit VistEditor(int bredde = 300, int hoejde = 400) {
        re.resize(bredde, hoejde);
        re.show();
        QVERIFY(QTest::qWaitForWindowExposed(&re));
    }
};

QStringList alleLinjer(const TRichEdit &re) {
    QStringList l;
    for (int n = 0; n < re.LinjeAntal(); ++n)
        l << re.Linje(n);
    return l;
}

QList<int> alleStarter(const TRichEdit &re) {
    QList<int> l;
    for (int n = 0; n < re.LinjeAntal(); ++n)
        l << re.LinjeStart(n);
    return l;
}

} // namespace

class TstTRichEdit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tekstOffset_data();
    void tekstOffset();
    void linjerUdenOmbrydning_data();
    void linjerUdenOmbrydning();
    void ombrudteLinjerFoelgerVisningen();
    void ombrydningLaeggerIntetTilOffset();
    void erstatLinje_data();
    void erstatLinje();
    void erstatOmbrudtLinje();
    void caretLinjeOgKolonne_data();
    void caretLinjeOgKolonne();
    void selText();
    void findText_data();
    void findText();
    void hentOgGem_data();
    void hentOgGem();
    void tegnUdenForAnsiOverleverGemOgHent();
    void hentningKanIkkeFortrydes();
    void manglendeFilKaster();
    void modified();
    void indsaetKunRenTekst();
    void shiftEnterGiverLinjeskift();
    void linjerFoelgerRedigering();
    void linjerFoelgerBredden();
    void linjerTaellesITrin_data();
    void linjerTaellesITrin();
    void formatskiftGentegnerKunBlokken();
    void skjultEditorBrydesSomVist();
    void optaellingFlytterIkkeVisningen();
    void font();
};

void TstTRichEdit::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Danish));
}

void TstTRichEdit::tekstOffset_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("offset");
    const QString t = QStringLiteral("ab\r\ncd\r\n\r\nef");
    QTest::newRow("start") << t << 0 << 0;
    QTest::newRow("sidst i første linje") << t << 2 << 2;
    QTest::newRow("anden linje") << t << 3 << 4;
    QTest::newRow("tom linje") << t << 6 << 8;
    QTest::newRow("efter tom linje") << t << 7 << 10;
    QTest::newRow("slut") << t << 9 << 12;
    QTest::newRow("lf som linjeskift") << QStringLiteral("ab\ncd") << 4 << 5;
    QTest::newRow("cr som linjeskift") << QStringLiteral("ab\rcd") << 4 << 5;
}

void TstTRichEdit::tekstOffset() {
    QFETCH(QString, tekst);
    QFETCH(int, pos);
    QFETCH(int, offset);
    TRichEdit re;
    re.setText(tekst);
    QCOMPARE(re.TekstOffset(pos), offset);
    QCOMPARE(re.EditorPos(offset), pos);
    QVERIFY(re.Text().contains(QStringLiteral("\r\n")));
    QVERIFY(!re.Text().contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
}

void TstTRichEdit::linjerUdenOmbrydning_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QList<int>>("starter");
    QTest::newRow("tom") << QString() << QStringList{""} << QList<int>{0};
    QTest::newRow("en linje") << QStringLiteral("abc") << QStringList{"abc"} << QList<int>{0};
    QTest::newRow("tomme linjer") << QStringLiteral("ab\r\ncd\r\n\r\nef")
                                  << QStringList{"ab", "cd", "", "ef"} << QList<int>{0, 3, 6, 7};
    QTest::newRow("slutter med linjeskift")
        << QStringLiteral("ab\r\n") << QStringList{"ab", ""} << QList<int>{0, 3};
}

void TstTRichEdit::linjerUdenOmbrydning() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, linjer);
    QFETCH(QList<int>, starter);
    VistEditor v(600);
    v.re.setText(tekst);
    QCOMPARE(v.re.LinjeAntal(), linjer.size());
    QCOMPARE(alleLinjer(v.re), linjer);
    QCOMPARE(alleStarter(v.re), starter);
    for (int n = 0; n < starter.size(); ++n) {
        QCOMPARE(v.re.LinjeVed(starter[n]), n);
        // The position of the line break belongs to the line it ends.
        QCOMPARE(v.re.LinjeVed(starter[n] + linjer[n].size()), n);
    }
    QCOMPARE(v.re.LinjeStart(linjer.size()), -1);
    QCOMPARE(v.re.Linje(linjer.size()), QString());
}

// Each displayed line of a wrapped paragraph is a line of its own, exactly as
// the caret moves over the screen.
void TstTRichEdit::ombrudteLinjerFoelgerVisningen() {
    VistEditor v(300);
    v.re.setText(QStringLiteral("kort\r\n") + afsnit + QStringLiteral("\r\nslut"));
    const int antal = v.re.LinjeAntal();
    QVERIFY2(antal >= 5, qPrintable(QString::number(antal)));
    QCOMPARE(v.re.Linje(0), QStringLiteral("kort"));
    QCOMPARE(v.re.Linje(antal - 1), QStringLiteral("slut"));
    QStringList midt = alleLinjer(v.re).mid(1, antal - 2);
    QCOMPARE(midt.join(QString()), afsnit);

    // Every line start is where the screen starts a new row of text.
    QTextCursor c(v.re.document());
    for (int n = 2; n < antal - 1; ++n) {
        const int start = v.re.LinjeStart(n);
        QCOMPARE(v.re.Linje(n), afsnit.mid(start - 5, v.re.Linje(n).size()));
        c.setPosition(start);
        const int y = v.re.cursorRect(c).top();
        c.setPosition(start - 1);
        QVERIFY(v.re.cursorRect(c).top() < y);
        QCOMPARE(v.re.LinjeVed(start), n);
        QCOMPARE(v.re.LinjeVed(start - 1), n - 1);
    }
    QCOMPARE(v.re.document()->lineCount(), antal);
}

// Only a real line break adds to a text offset: the character at editor
// position p is the character at TekstOffset(p) of the whole text.
void TstTRichEdit::ombrydningLaeggerIntetTilOffset() {
    VistEditor v(250);
    const QString tekst = afsnit + QStringLiteral("\r\n\r\n") + afsnit + QStringLiteral("\r\nx");
    v.re.setText(tekst);
    QVERIFY(v.re.LinjeAntal() > 6);
    const QString hel = v.re.Text();
    QCOMPARE(hel, tekst);
    const QString redigering = v.re.document()->toPlainText();
    for (int p = 0; p < redigering.size(); ++p) {
        const int o = v.re.TekstOffset(p);
        const QChar forventet = redigering[p] == u'\n' ? QChar(u'\r') : redigering[p];
        QCOMPARE(hel[o], forventet);
        QCOMPARE(v.re.EditorPos(o), p);
    }
    const int ombrudt = v.re.LinjeStart(1); // a line begun by word wrap
    QCOMPARE(v.re.TekstOffset(ombrudt), ombrudt);
    const int efterSkift = v.re.LinjeStart(v.re.LinjeVed(afsnit.size() + 1));
    QCOMPARE(efterSkift, afsnit.size() + 1);
    QCOMPARE(v.re.TekstOffset(efterSkift), efterSkift + 1);
}

void TstTRichEdit::erstatLinje_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("linje");
    QTest::addColumn<QString>("ny");
    QTest::addColumn<QString>("resultat");
    QTest::addColumn<int>("caret");
    const QString t = QStringLiteral("ab\r\ncd\r\nef");
    QTest::newRow("midterste") << t << 1 << "XYZ"
                               << "ab\r\nXYZ\r\nef" << 6;
    QTest::newRow("første") << t << 0 << ""
                            << "\r\ncd\r\nef" << 0;
    QTest::newRow("sidste") << t << 2 << "q"
                            << "ab\r\ncd\r\nq" << 7;
    QTest::newRow("med CR til sidst") << t << 1 << "<p>\r"
                                      << "ab\r\n<p>\r\n\r\nef" << 7;
    QTest::newRow("tom linje") << "a\r\n\r\nb" << 1 << "x"
                               << "a\r\nx\r\nb" << 3;
}

void TstTRichEdit::erstatLinje() {
    QFETCH(QString, tekst);
    QFETCH(int, linje);
    QFETCH(QString, ny);
    QFETCH(QString, resultat);
    QFETCH(int, caret);
    VistEditor v(600);
    v.re.setText(tekst);
    QVERIFY(!v.re.Modified());
    v.re.ErstatLinje(linje, ny);
    QCOMPARE(v.re.Text(), resultat);
    QCOMPARE(v.re.SelStart(), caret);
    QCOMPARE(v.re.SelLength(), 0);
    QVERIFY(v.re.Modified());
}

void TstTRichEdit::erstatOmbrudtLinje() {
    VistEditor v(300);
    v.re.setText(afsnit + QStringLiteral("\r\nnæste"));
    const QString anden = v.re.Linje(1);
    const int start = v.re.LinjeStart(1);
    QVERIFY(!anden.isEmpty());
    v.re.ErstatLinje(1, QStringLiteral("#"));
    QCOMPARE(v.re.Text(), afsnit.left(start) + u'#' + afsnit.mid(start + anden.size()) +
                              QStringLiteral("\r\nnæste"));
    QCOMPARE(v.re.SelStart(), start + 1);
}

void TstTRichEdit::caretLinjeOgKolonne_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("laengde");
    QTest::addColumn<int>("linje");
    QTest::addColumn<int>("kolonne");
    // Text: "ab", "cde", "", "f"
    QTest::newRow("start") << 0 << 0 << 0 << 0;
    QTest::newRow("slut af første") << 2 << 0 << 0 << 2;
    QTest::newRow("tredje linje") << 7 << 0 << 2 << 0;
    QTest::newRow("markering fremad") << 1 << 5 << 1 << 3;
    QTest::newRow("markering baglæns") << 8 << -6 << 0 << 2;
}

void TstTRichEdit::caretLinjeOgKolonne() {
    QFETCH(int, start);
    QFETCH(int, laengde);
    QFETCH(int, linje);
    QFETCH(int, kolonne);
    VistEditor v(600);
    v.re.setText(QStringLiteral("ab\r\ncde\r\n\r\nf"));
    v.re.setSelection(start, laengde);
    QCOMPARE(v.re.CaretLinje(), linje);
    QCOMPARE(v.re.CaretKolonne(), kolonne);
    QCOMPARE(v.re.SelStart(), qMin(start, start + laengde));
    QCOMPARE(v.re.SelLength(), qAbs(laengde));
}

void TstTRichEdit::selText() {
    TRichEdit re;
    re.setText(QStringLiteral("ab\r\ncd"));
    re.setSelection(1, 3);
    // One character per line break, so the text fits the selection length.
    QCOMPARE(re.SelText(), QStringLiteral("b\rc"));
    re.setSelText(QStringLiteral("X\r\nY"));
    QCOMPARE(re.Text(), QStringLiteral("aX\r\nYd"));
    QCOMPARE(re.SelStart(), 4);
    QCOMPARE(re.SelLength(), 0);
}

void TstTRichEdit::findText_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("s");
    QTest::addColumn<int>("fra");
    QTest::addColumn<int>("laengde");
    QTest::addColumn<bool>("heleOrd");
    QTest::addColumn<bool>("ignorerCase");
    QTest::addColumn<int>("resultat");
    const QString t = QStringLiteral("Tirsdag\r\nDet var tirsdag. Tirs");
    QTest::newRow("ikke helt ord") << t << "Tirs" << 0 << 100 << true << true << 25;
    QTest::newRow("del af ord") << t << "Tirs" << 0 << 100 << false << true << 0;
    QTest::newRow("ignorer case") << t << "tirsdag" << 0 << 100 << true << true << 0;
    QTest::newRow("skeln case") << t << "tirsdag" << 0 << 100 << true << false << 16;
    QTest::newRow("fra position") << t << "tirsdag" << 1 << 100 << true << true << 16;
    QTest::newRow("linjeskift er en position") << t << "Det" << 0 << 100 << true << true << 8;
    QTest::newRow("for kort område") << t << "tirsdag" << 1 << 21 << true << true << -1;
    QTest::newRow("præcis nok område") << t << "tirsdag" << 1 << 22 << true << true << 16;
    QTest::newRow("ikke fundet") << t << "onsdag" << 0 << 100 << false << true << -1;
    QTest::newRow("tom søgning") << t << "" << 0 << 100 << false << true << -1;
    QTest::newRow("æ er et bogstav") << "æble ble"
                                     << "ble" << 0 << 20 << true << true << 5;
    QTest::newRow("ø er et bogstav") << "søen en"
                                     << "en" << 0 << 20 << true << true << 5;
    QTest::newRow("å efter") << "såå så"
                             << "så" << 0 << 20 << true << true << 4;
    QTest::newRow("store ÆØÅ") << "ÆBLE æble"
                               << "æble" << 1 << 20 << true << true << 5;
    QTest::newRow("stort Æ ignoreres") << "ÆBLE æble"
                                       << "æble" << 0 << 20 << false << true << 0;
    QTest::newRow("stort Æ skelnes") << "ÆBLE æble"
                                     << "æble" << 0 << 20 << false << false << 5;
    QTest::newRow("ciffer") << "dag2 dag"
                            << "dag" << 0 << 20 << true << true << 5;
    QTest::newRow("understreg") << "_dag dag"
                                << "dag" << 0 << 20 << true << true << 5;
    QTest::newRow("tegnsætning") << "<dag>"
                                 << "dag" << 0 << 20 << true << true << 1;
    QTest::newRow("tag uden hele ord") << "<p><div class>"
                                       << "<div" << 0 << 99 << false << true << 3;
}

void TstTRichEdit::findText() {
    QFETCH(QString, tekst);
    QFETCH(QString, s);
    QFETCH(int, fra);
    QFETCH(int, laengde);
    QFETCH(bool, heleOrd);
    QFETCH(bool, ignorerCase);
    QFETCH(int, resultat);
    TRichEdit re;
    re.setText(tekst);
    QCOMPARE(re.FindText(s, fra, laengde, heleOrd, ignorerCase), resultat);
    // The text cache must follow edits.
    re.setSelStart(0);
    re.setSelText(QStringLiteral("xx "));
    QCOMPARE(re.FindText(s, fra + 3, laengde, heleOrd, ignorerCase),
             resultat < 0 ? -1 : resultat + 3);
}

void TstTRichEdit::hentOgGem_data() {
    QTest::addColumn<QByteArray>("ind");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("ud");
    QTest::newRow("ansi crlf") << QByteArray("\xE6\xF8\r\n\x80 \xE5\r\n") << "æø\r\n€ å"
                               << QByteArray("\xE6\xF8\r\n\x80 \xE5\r\n");
    QTest::newRow("lf uden slut") << QByteArray("a\nb") << "a\r\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("cr") << QByteArray("a\r\rb\r") << "a\r\n\r\nb" << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF\xC3\xA6\r\n\xE2\x82\xAC") << "æ\r\n€"
                              << QByteArray("\xE6\r\n\x80\r\n");
    QTest::newRow("utf16le bom") << QByteArray("\xFF\xFE\xE6\x00\r\x00\n\x00"
                                               "b\x00",
                                               10)
                                 << "æ\r\nb" << QByteArray("\xE6\r\nb\r\n");
    QTest::newRow("utf16be bom") << QByteArray("\xFE\xFF\x00\xE6\x00\n\x00"
                                               "b",
                                               8)
                                 << "æ\r\nb" << QByteArray("\xE6\r\nb\r\n");
    QTest::newRow("hårdt mellemrum") << QByteArray("a\xA0"
                                                   "b\r\n")
                                     << "a\u00A0b"
                                     << QByteArray("a\xA0"
                                                   "b\r\n");
    QTest::newRow("tom fil") << QByteArray() << "" << QByteArray();
    QTest::newRow("tomme linjer til sidst") << QByteArray("a\r\n\r\n\r\n") << "a\r\n\r\n"
                                            << QByteArray("a\r\n\r\n\r\n");
}

void TstTRichEdit::hentOgGem() {
    QFETCH(QByteArray, ind);
    QFETCH(QString, tekst);
    QFETCH(QByteArray, ud);
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("side.html"));
    skrivBytes(fil, ind);
    TRichEdit re;
    re.setText(QStringLiteral("gammelt"));
    re.setModified(true);
    re.LoadFromFile(fil);
    QCOMPARE(re.Text(), tekst);
    QVERIFY(!re.Modified());
    QCOMPARE(re.SelStart(), 0);
    re.setModified(true);
    const QString gemt = dir.filePath(QStringLiteral("gemt.html"));
    re.SaveToFile(gemt);
    QVERIFY(!re.Modified());
    QCOMPARE(laesBytes(gemt), ud);
}

void TstTRichEdit::tegnUdenForAnsiOverleverGemOgHent() {
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("a.txt"));
    TRichEdit re;
    const QString tekst = QStringLiteral("æ \u2603 ŵ\r\nb");
    re.setText(tekst);
    re.SaveToFile(fil);
    QVERIFY(laesBytes(fil).startsWith("\xEF\xBB\xBF"));
    TRichEdit igen;
    igen.LoadFromFile(fil);
    QCOMPARE(igen.Text(), tekst);
}

void TstTRichEdit::hentningKanIkkeFortrydes() {
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("a.txt"));
    skrivBytes(fil, "hentet\r\n");
    VistEditor v;
    v.re.setFocus();
    QTest::keyClicks(&v.re, QStringLiteral("skrevet"));
    v.re.LoadFromFile(fil);
    QVERIFY(!v.re.document()->isUndoAvailable());
    v.re.undo();
    QCOMPARE(v.re.Text(), QStringLiteral("hentet"));
    QTest::keyClicks(&v.re, QStringLiteral("x"));
    v.re.undo();
    QCOMPARE(v.re.Text(), QStringLiteral("hentet"));
}

void TstTRichEdit::manglendeFilKaster() {
    QTemporaryDir dir;
    TRichEdit re;
    re.setText(QStringLiteral("behold"));
    re.setModified(true);
    QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl,
                             re.LoadFromFile(dir.filePath(QStringLiteral("findes.ikke"))));
    QCOMPARE(re.Text(), QStringLiteral("behold"));
    QVERIFY(re.Modified());
    QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl,
                             re.SaveToFile(dir.filePath(QStringLiteral("mangler/x.txt"))));
    QVERIFY(re.Modified());
}

void TstTRichEdit::modified() {
    QTemporaryDir dir;
    const QString fil = dir.filePath(QStringLiteral("a.txt"));
    VistEditor v;
    QVERIFY(!v.re.Modified());
    v.re.setFocus();
    QTest::keyClicks(&v.re, QStringLiteral("hej"));
    QVERIFY(v.re.Modified());
    v.re.SaveToFile(fil);
    QVERIFY(!v.re.Modified());
    // An insertion sets the flag even when it inserts nothing.
    v.re.setSelText(QString());
    QVERIFY(v.re.Modified());
    v.re.LoadFromFile(fil);
    QVERIFY(!v.re.Modified());
    v.re.setSelText(QStringLiteral("<b>"));
    QVERIFY(v.re.Modified());
    v.re.setModified(false);
    QVERIFY(!v.re.Modified());
    QTest::keyClick(&v.re, Qt::Key_Return);
    QVERIFY(v.re.Modified());
}

void TstTRichEdit::indsaetKunRenTekst() {
    VistEditor v;
    v.re.setText(QStringLiteral("ab"));
    v.re.setSelStart(1);
    auto *m = new QMimeData;
    m->setHtml(QStringLiteral("<b>fed</b> og <i>skrå</i>"));
    m->setText(QStringLiteral("fed\r\nskrå"));
    QGuiApplication::clipboard()->setMimeData(m);
    v.re.PasteFromClipboard();
    QCOMPARE(v.re.Text(), QStringLiteral("afed\r\nskråb"));
    QCOMPARE(v.re.SelStart(), 9);
    QVERIFY(v.re.Modified());
    // The keyboard shortcut takes the same way.
    v.re.setFocus();
    QTest::keyClick(&v.re, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(v.re.Text(), QStringLiteral("afed\r\nskråfed\r\nskråb"));
    const QString html = v.re.document()->toHtml();
    QVERIFY(!html.contains(QStringLiteral("font-weight:700")));
    QVERIFY(!html.contains(QStringLiteral("font-style:italic")));
}

void TstTRichEdit::shiftEnterGiverLinjeskift() {
    VistEditor v;
    v.re.setFocus();
    QTest::keyClicks(&v.re, QStringLiteral("a"));
    QTest::keyClick(&v.re, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&v.re, QStringLiteral("b"));
    QCOMPARE(v.re.Text(), QStringLiteral("a\r\nb"));
    QCOMPARE(v.re.LinjeAntal(), 2);
}

// The cached line counts follow every kind of edit: compare with a fresh
// editor of the same size and text after each one.
void TstTRichEdit::linjerFoelgerRedigering() {
    VistEditor v(280);
    VistEditor frisk(280);
    QString start;
    for (int i = 0; i < 12; ++i)
        start += afsnit.left(20 + 11 * i) + QStringLiteral("\r\n");
    v.re.setText(start);
    QVERIFY(v.re.LinjeAntal() > 12);
    QRandomGenerator rng(3);
    const QStringList indsaet{"\n", "x", afsnit, "a\nb\n", "\n\n", afsnit + "\n" + afsnit};
    for (int trin = 0; trin < 60; ++trin) {
        QTextCursor c(v.re.document());
        const int n = v.re.document()->characterCount() - 1;
        const int p = rng.bounded(n + 1);
        c.setPosition(p);
        switch (rng.bounded(4)) {
        case 0:
            c.insertText(indsaet[rng.bounded(int(indsaet.size()))]);
            break;
        case 1:
            c.setPosition(qMin(n, p + rng.bounded(150)), QTextCursor::KeepAnchor);
            c.removeSelectedText();
            break;
        case 2:
            v.re.undo();
            break;
        default:
            v.re.ErstatLinje(rng.bounded(v.re.LinjeAntal()), afsnit.left(rng.bounded(90)));
        }
        if (trin % 3 == 0) continue; // several edits between questions too
        // The search sees the text as it is now.
        const QString nu = v.re.document()->toRawText();
        const int q = rng.bounded(int(nu.size()) - 8);
        const QString stykke = nu.mid(q, 8).replace(QChar::ParagraphSeparator, u'\n');
        QCOMPARE(v.re.FindText(stykke, q, 8, false, false), q);
        QCOMPARE(v.re.FindText(stykke.toUpper(), q, 8, false, true), q);
        frisk.re.setText(v.re.Text());
        QCOMPARE(v.re.LinjeAntal(), frisk.re.LinjeAntal());
        QCOMPARE(alleStarter(v.re), alleStarter(frisk.re));
        QCOMPARE(v.re.LinjeVed(p), frisk.re.LinjeVed(p));
    }
}

void TstTRichEdit::linjerFoelgerBredden() {
    VistEditor v(600);
    v.re.setText(afsnit + QStringLiteral("\r\n") + afsnit);
    const int bred = v.re.LinjeAntal();
    v.re.resize(200, 400);
    QApplication::processEvents();
    const int smal = v.re.LinjeAntal();
    QVERIFY2(smal > bred, qPrintable(QStringLiteral("%1 %2").arg(smal).arg(bred)));
    for (int n = 0; n < smal; ++n)
        QCOMPARE(v.re.LinjeVed(v.re.LinjeStart(n)), n);
    v.re.setFontStoerrelse(v.re.FontStoerrelse() * 2);
    QVERIFY(v.re.LinjeAntal() > smal);
}

void TstTRichEdit::linjerTaellesITrin_data() {
    QTest::addColumn<int>("promille"); // where the edit falls, as a share of the text
    QTest::addColumn<QString>("ind");
    QTest::addColumn<int>("slet");
    QTest::newRow("lines added at the top") << 0 << QStringLiteral("ny\nlinje\n") << 0;
    QTest::newRow("a key in the middle") << 500 << QStringLiteral("x") << 0;
    QTest::newRow("a paragraph near the end") << 990 << afsnit + u'\n' << 0;
    QTest::newRow("lines removed across the middle") << 400 << QString() << 20000;
}

// Counted in short steps with an edit between them, the lines come out as counted at once.
void TstTRichEdit::linjerTaellesITrin() {
    QFETCH(int, promille);
    QFETCH(QString, ind);
    QFETCH(int, slet);
    VistEditor v(280);
    VistEditor frisk(280);
    QString tekst;
    for (int i = 0; i < 3000; ++i)
        tekst += afsnit.left(40 + i % 100) + QStringLiteral("\r\n");
    v.re.setText(tekst);
    QVERIFY(!v.re.taelLinjer(0));
    QTextCursor c(v.re.document());
    const int n = v.re.document()->characterCount() - 1;
    c.setPosition(int(qint64(n) * promille / 1000));
    c.setPosition(qMin(n, c.position() + slet), QTextCursor::KeepAnchor);
    c.insertText(ind);
    while (!v.re.taelLinjer(0)) {
    }
    frisk.re.setText(v.re.Text());
    QCOMPARE(v.re.LinjeAntal(), frisk.re.LinjeAntal());
    QCOMPARE(alleStarter(v.re), alleStarter(frisk.re));
}

// A key in a block that a highlighter colours anew in the same edit repaints that
// block and keeps the layout of the next, as a key in an editor without colours does.
void TstTRichEdit::formatskiftGentegnerKunBlokken() {
    struct HeleBlokken : QSyntaxHighlighter {
        using QSyntaxHighlighter::QSyntaxHighlighter;
        void highlightBlock(const QString &t) override { setFormat(0, int(t.size()), Qt::red); }
    };
    QList<QRect> omraader; // outlives the editor, which reports repaints until it goes
    VistEditor v(300, 400);
    v.re.setText(QStringList(40, afsnit.left(30)).join(QStringLiteral("\r\n")));
    HeleBlokken farver(v.re.document());
    QApplication::processEvents();
    connect(&v.re, &QPlainTextEdit::updateRequest, this,
            [&](const QRect &r, int) { omraader << r; });
    const QTextBlock b = v.re.document()->findBlockByNumber(3);
    QVERIFY(b.next().layout()->lineCount() > 0);
    v.re.setSelStart(b.position() + 5);
    QTest::keyClick(&v.re, Qt::Key_X);
    QVERIFY(b.next().layout()->lineCount() > 0);
    QVERIFY(!omraader.isEmpty());
    for (const QRect &r : omraader)
        QVERIFY2(r.height() < v.re.viewport()->height() / 4,
                 qPrintable(QString::number(r.height())));
}

// A hidden editor that has been given a size breaks its lines as it would on screen.
void TstTRichEdit::skjultEditorBrydesSomVist() {
    const QString tekst = afsnit + QStringLiteral("\r\n\r\n") + afsnit;
    VistEditor v(320, 300);
    v.re.setText(tekst);
    TRichEdit skjult;
    skjult.resize(320, 300);
    skjult.setText(tekst);
    QCOMPARE(alleStarter(skjult), alleStarter(v.re));
    QVERIFY(skjult.LinjeAntal() > 3);
    skjult.show();
    QVERIFY(QTest::qWaitForWindowExposed(&skjult));
    QCOMPARE(alleStarter(skjult), alleStarter(v.re));
}

// Counting every line lays out blocks the view has not shown yet; the view
// must keep showing the same text, and its scroll bar must agree with it.
void TstTRichEdit::optaellingFlytterIkkeVisningen() {
    VistEditor v(500, 300);
    QString tekst;
    for (int i = 0; i < 400; ++i)
        tekst += QString::number(i) + u' ' + afsnit + QStringLiteral("\r\n");
    v.re.setText(tekst);
    QApplication::processEvents();
    v.re.verticalScrollBar()->setValue(v.re.verticalScrollBar()->maximum() / 2);
    QApplication::processEvents();
    const QTextBlock oeverst = v.re.cursorForPosition(QPoint(2, 2)).block();
    QVERIFY(oeverst.blockNumber() > 100);
    const int antal = v.re.LinjeAntal();
    QVERIFY(antal > 800);
    QApplication::processEvents();
    QCOMPARE(v.re.cursorForPosition(QPoint(2, 2)).block().blockNumber(), oeverst.blockNumber());
    QCOMPARE(v.re.verticalScrollBar()->value(), v.re.LinjeVed(oeverst.position()));
}

void TstTRichEdit::font() {
    TRichEdit re;
    re.setFontNavn(QStringLiteral("Courier New"));
    re.setFontStoerrelse(14);
    QCOMPARE(re.FontNavn(), QStringLiteral("Courier New"));
    QCOMPARE(re.FontStoerrelse(), 14);
    QCOMPARE(re.document()->defaultFont().pointSize(), 14);
}

QTEST_MAIN(TstTRichEdit)
#include "tst_trichedit.moc"
