// Cost per call of the rich edit's position and line operations on a large
// word-wrapped text, at 1 MB and at 4 MB: the per-call cost must not grow
// with the square of the text length.
#include "platform/trichedit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <functional>

namespace {

const QStringList ord{"dag",   "mandag", "tirsdag", "skrev",  "i",      "dagbogen", "om",
                      "æbler", "søen",   "på",      "gården", "og",     "så",       "videre",
                      "<p>",   "</p>",   "hjemme",  "vejret", "blæste", "en",       "lang"};

// Paragraphs of about 100 characters, wrapped over two lines at 600 pixels.
QString lavTekst(int afsnit) {
    QRandomGenerator rng(42);
    QString t;
    t.reserve(afsnit * 104);
    for (int a = 0; a < afsnit; ++a) {
        const qsizetype start = t.size();
        while (t.size() - start < 100) {
            t += ord[rng.bounded(int(ord.size()))];
            t += u' ';
        }
        if (a == afsnit - 5) t += QStringLiteral("Slutordet <div> ");
        t += QStringLiteral("\r\n");
    }
    return t;
}

double maal(int gange, const std::function<void(int)> &f) {
    QElapsedTimer ur;
    ur.start();
    for (int i = 0; i < gange; ++i)
        f(i);
    return double(ur.nsecsElapsed()) / 1000.0 / gange;
}

void koer(int afsnit) {
    TRichEdit re;
    re.resize(600, 800);
    re.show();
    QApplication::processEvents();
    const QString tekst = lavTekst(afsnit);
    QElapsedTimer ur;
    ur.start();
    re.setText(tekst);
    QApplication::processEvents();
    const double indlaes = ur.nsecsElapsed() / 1e6;
    ur.restart();
    const int linjer = re.LinjeAntal();
    const double foerste = ur.nsecsElapsed() / 1e6;
    const int laengde = re.document()->characterCount() - 1;
    std::printf("\n== %d paragraphs, %.2f MB, %d displayed lines ==\n", afsnit, tekst.size() / 1e6,
                linjer);
    std::printf("setText + first paint: %.1f ms\n", indlaes);
    std::printf("first LinjeAntal (lays out every block): %.1f ms\n", foerste);

    QRandomGenerator rng(7);
    QList<int> pos, nr;
    for (int i = 0; i < 2000; ++i) {
        pos.append(rng.bounded(laengde));
        nr.append(rng.bounded(linjer));
    }
    long long sum = 0;
    const QTextDocument *doc = re.document();
    std::printf("baseline QTextDocument::findBlock: %.2f us/call\n",
                maal(20000, [&](int i) { sum += doc->findBlock(pos[i % 2000]).position(); }));
    std::printf("TekstOffset: %.2f us/call\n",
                maal(20000, [&](int i) { sum += re.TekstOffset(pos[i % 2000]); }));
    std::printf("EditorPos: %.2f us/call\n",
                maal(20000, [&](int i) { sum += re.EditorPos(pos[i % 2000]); }));
    std::printf("LinjeAntal: %.2f us/call\n", maal(20000, [&](int) { sum += re.LinjeAntal(); }));
    std::printf("Linje(n): %.2f us/call\n",
                maal(20000, [&](int i) { sum += re.Linje(nr[i % 2000]).size(); }));
    std::printf("LinjeStart: %.2f us/call\n",
                maal(20000, [&](int i) { sum += re.LinjeStart(nr[i % 2000]); }));
    std::printf("LinjeVed: %.2f us/call\n",
                maal(20000, [&](int i) { sum += re.LinjeVed(pos[i % 2000]); }));
    std::printf("caret TekstOffset + CaretLinje + CaretKolonne: %.2f us/call\n",
                maal(2000, [&](int i) {
                    re.setSelStart(pos[i]);
                    sum += re.TekstOffset(re.SelStart()) + re.CaretLinje() + re.CaretKolonne();
                }));
    const QString tekstLf = doc->toRawText();
    std::printf("baseline QString::indexOf over the text: %.1f us/call\n", maal(50, [&](int) {
                    sum += tekstLf.indexOf(QStringLiteral("slutordet"), 0, Qt::CaseInsensitive);
                }));
    std::printf("FindText (word near the end): %.1f us/call\n", maal(50, [&](int) {
                    sum += re.FindText(QStringLiteral("slutordet"), 0, laengde, true);
                }));
    std::printf("FindText of a tag, case-insensitive (GotoTag): %.1f us/call\n", maal(50, [&](int) {
                    sum += re.FindText(QStringLiteral("<DIV"), 0, laengde, false);
                }));
    {
        QTextCursor e(re.document());
        std::printf("type one character + FindText: %.1f us/call\n", maal(20, [&](int i) {
                        e.setPosition(pos[i]);
                        e.insertText(QStringLiteral("y"));
                        sum += re.FindText(QStringLiteral("slutordet"), 0, laengde, true);
                    }));
    }
    // Typing then asking for the lines, as the status bar does after each key.
    QTextCursor c(re.document());
    std::printf("type one character + LinjeAntal + CaretLinje: %.2f us/call\n",
                maal(500, [&](int i) {
                    c.setPosition(pos[i]);
                    c.insertText(QStringLiteral("x"));
                    sum += re.LinjeAntal() + re.CaretLinje();
                }));
    std::printf("new line + LinjeAntal: %.2f us/call\n", maal(200, [&](int i) {
                    c.setPosition(pos[i]);
                    c.insertText(QStringLiteral("\n"));
                    sum += re.LinjeAntal();
                }));
    re.resize(500, 800);
    QApplication::processEvents();
    ur.restart();
    sum += re.LinjeAntal();
    std::printf("LinjeAntal after a width change (lays out every block again): %.1f ms\n",
                ur.nsecsElapsed() / 1e6);
    std::printf("(checksum %lld)\n", sum);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    koer(10000);
    koer(40000);
    return 0;
}
