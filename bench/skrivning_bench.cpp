// Typing into a 1 MB page in the real editor window: the work per key press
// (the key itself, the modified flag, the status line, the colours and
// spelling marks of the changed line, the matching tag, the completion's
// look at the caret) against a plain editor, and the same with the recovery of
// unsaved text switched on and off.
#include "app/vinduer.h"
#include "dagbogsgenerator.h"
#include "editor/gendannelse.h"
#include "editor/stavemarkering.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>

namespace {

// A writer's keys: the letters and spaces of a sentence, over and over (one letter
// held down would grow a single word the dictionary is asked about anew at each key).
const QString saetning = QStringLiteral("og i dag skrev jeg om turen langs stranden ");

// Each run of keys starts in a line of its own near the middle of the page, so no
// run types into a line that an earlier run has made long.
template <typename F> double mikroPerTast(QPlainTextEdit *e, int antal, F &&efterTast) {
    static int runde = 0;
    QTextDocument *d = e->document();
    QTextCursor c = e->textCursor();
    c.setPosition(d->findBlockByNumber(d->blockCount() / 2 + 3 * runde++).position() + 60);
    e->setTextCursor(c);
    QApplication::processEvents();
    QElapsedTimer ur;
    ur.start();
    for (int i = 0; i < antal; ++i) {
        QTest::keyClicks(e, saetning.mid(i % saetning.size(), 1));
        efterTast();
        QApplication::processEvents();
    }
    return ur.nsecsElapsed() / 1000.0 / antal;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir rod;
    QDir().mkpath(rod.path() + QStringLiteral("/Program"));
    Generator::kopier(QStringLiteral(DAGBOG_DATA_DIR), rod.path() + QStringLiteral("/Program"));
    qputenv("DAGBOG_ROOT", rod.path().toUtf8());
    Dialoger::Test::slaaTil(true);

    QStringList linjer;
    qsizetype stoerrelse = 0;
    for (int i = 0; stoerrelse < 1'000'000; ++i) {
        linjer << QStringLiteral(
                      "<p>Linje %1: i dag gik vi en lang tur langs stranden, og vinden blæste "
                      "hårdt fra vest, så vi vendte om ved molen og gik hjem igen.</p>")
                      .arg(i);
        stoerrelse += linjer.last().size() + 2;
    }
    const QString side = rod.path() + QStringLiteral("/side.html");
    Tekstfil::skriv(side, linjer);

    opretVinduer();
    mainform->resize(1400, 900);
    mainform->htmlFilnavn = side;
    Twinform *w = mainform->openwin(side);
    w->bringFrem();
    w->Editor->setFocus();
    QApplication::processEvents();
    w->Editor->LinjeAntal(); // lays out and counts the whole page once

    const int antal = 300;
    auto tast = [&] { w->aGem->setEnabled(w->Editor->Modified()); };
    // The marking is done once the last block carries a reading state (a block
    // whose turn has not come has 1 << 30); the keys are timed after it.
    auto ventPaaMarkering = [&] {
        QElapsedTimer maks;
        maks.start();
        for (;;) {
            const int t = w->Editor->document()->lastBlock().userState();
            if ((t >= 0 && t != (1 << 30)) || maks.elapsed() > 120'000) break;
            QApplication::processEvents();
        }
        // New marks drop the lines counted for the status line; count them now,
        // not in steps between the timed keys.
        w->Editor->LinjeAntal();
        QApplication::processEvents();
    };
    // The web views go on loading in their own process for a while after the start;
    // the messages they send back are not the keys' work.
    QElapsedTimer ro;
    ro.start();
    while (ro.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    // Spell checking on (the default where the dictionary is installed): the first
    // marking of the whole page once, then the same keys as without it.
    const bool ordbog = mainform->stavning->ordbogFindes();
    mainform->stavning->saetSlaaetTil(false);
    QApplication::processEvents();
    QElapsedTimer foerste;
    foerste.start();
    mainform->stavning->saetSlaaetTil(true);
    QApplication::processEvents();
    ventPaaMarkering();
    const double helSide = foerste.nsecsElapsed() / 1e6;
    const double medStavning = mikroPerTast(w->Editor, antal, tast);
    mainform->stavning->saetSlaaetTil(false);
    QApplication::processEvents();
    ventPaaMarkering();
    const double vindue = mikroPerTast(w->Editor, antal, tast);

    // Recovery on and off in turns, the median of five rounds each: with it
    // on, every key restarts its timer. Then one write of the page: the
    // snapshot on this thread, the file in the worker, and keys typed while
    // the worker writes.
    QObject::disconnect(w->Editor->document(), nullptr, w->Editor->findChild<Gendannelse *>(),
                        nullptr);
    const QString gendanMappe = Gendannelse::mappe(mainform->optDir);
    QList<double> med, uden;
    for (int runde = 0; runde < 5; ++runde) {
        auto *g = new Gendannelse(w->Editor, side, side, gendanMappe);
        med << mikroPerTast(w->Editor, antal, tast);
        delete g;
        uden << mikroPerTast(w->Editor, antal, tast);
    }
    std::sort(med.begin(), med.end());
    std::sort(uden.begin(), uden.end());
    const double medGendan = med[2], udenGendan = uden[2];
    auto *gendan = new Gendannelse(w->Editor, side, side, gendanMappe);
    QElapsedTimer ur;
    ur.start();
    gendan->skrivNu();
    const double snapshot = ur.nsecsElapsed() / 1000.0;
    const double underSkrivning = mikroPerTast(w->Editor, 50, tast);
    Gendannelse::ventPaaSkrivning();
    const double skrivning = ur.nsecsElapsed() / 1000.0;
    delete gendan;
    const double udenGendan50 = mikroPerTast(w->Editor, 50, tast);

    QPlainTextEdit plain;
    plain.resize(w->Editor->size());
    plain.setPlainText(linjer.join(u'\n'));
    plain.show();
    plain.setFocus();
    const double grund = mikroPerTast(&plain, antal, [] {});

    std::printf("page: %lld characters, %d lines shown\n", static_cast<long long>(stoerrelse),
                int(w->LinieAntal));
    std::printf("key press in the editor window, colours and recovery on, spelling off: %.1f us\n",
                vindue);
    if (ordbog) {
        std::printf("key press in the editor window, spelling, recovery and colours on: %.1f us\n",
                    medStavning);
        std::printf("first marking of the whole page when switched on:            %.0f ms\n",
                    helSide);
    } else {
        std::printf("spell checking not measured: the Danish dictionary is not installed\n");
    }
    std::printf("key press in a plain QPlainTextEdit (baseline):              %.1f us\n", grund);
    std::printf("ratio off: %.2f, on: %.2f\n", vindue / grund, medStavning / grund);
    std::printf("key press, recovery on:                                      %.1f us\n",
                medGendan);
    std::printf("key press, recovery off (baseline):                          %.1f us\n",
                udenGendan);
    std::printf("ratio on/off: %.2f\n", medGendan / udenGendan);
    std::printf("one recovery write of the page: %.0f us on this thread, %.0f us until on disk\n",
                snapshot, skrivning);
    std::printf("key press while the worker writes: %.1f us (recovery off, 50 keys: %.1f us)\n",
                underSkrivning, udenGendan50);
    nedlaegVinduer();
    return 0;
}
