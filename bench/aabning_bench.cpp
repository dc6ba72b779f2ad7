// Opening a 10 MB page in the real editor window, until the window is shown,
// against setPlainText and show of a plain QPlainTextEdit with the same text.
// Twice: the page as one long line, and as many short lines. Colours and
// spelling are then done block by block between events; the longest wait an
// event met meanwhile says whether the window kept answering.
#include "app/vinduer.h"
#include "dagbogsgenerator.h"
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
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

QStringList side(bool enLinje) {
    const QString afsnit = QStringLiteral(
        "<p class=\"dag\">I dag gik vi en lang tur langs stranden, og vinden blæste hårdt fra "
        "vest, så vi vendte om ved molen og gik hjem igen &amp; drak te.</p>");
    QStringList linjer{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html><body>")};
    QString lang;
    qsizetype stoerrelse = 0;
    while (stoerrelse < 10'000'000) {
        if (enLinje)
            lang += afsnit;
        else
            linjer << afsnit;
        stoerrelse += afsnit.size() + (enLinje ? 0 : 2);
    }
    if (enLinje) linjer << lang;
    linjer << QStringLiteral("</body></html>");
    return linjer;
}

// The longest time an event waited while the window worked in the background.
double laengsteVent(const std::function<bool()> &faerdig, double maksS) {
    QElapsedTimer ur, ialt;
    ur.start();
    ialt.start();
    double laengst = 0;
    while (!faerdig() && ialt.elapsed() < maksS * 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        laengst = std::max(laengst, ur.nsecsElapsed() / 1e6);
        ur.restart();
    }
    return laengst;
}

// Every block has been read once the last one carries a reading state (the
// state of a block whose turn has not come is 1 << 30), and the status line
// shows the count of lines once they are all counted.
bool faerdig(Twinform *w) {
    const int t = w->Editor->document()->lastBlock().userState();
    return t >= 0 && t != (1 << 30) && w->LinieAntal > 0;
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
    opretVinduer();
    mainform->resize(1400, 900);
    mainform->show();
    QApplication::processEvents();
    // The dictionary is read just after the main window is first drawn: the start's
    // work, not the page's.
    mainform->stavning->korrekt(QStringLiteral("dag"));
    std::printf("spell checking: %s\n",
                mainform->stavning->ordbogFindes() ? "on" : "off (no dictionary installed)");

    for (const bool enLinje : {false, true}) {
        const QStringList linjer = side(enLinje);
        const QString sti =
            rod.path() + (enLinje ? QStringLiteral("/lang.html") : QStringLiteral("/kort.html"));
        Tekstfil::skriv(sti, linjer);

        // Baseline: the same text into a plain editor, shown, in a window of the same size.
        QElapsedTimer ur;
        ur.start();
        {
            QPlainTextEdit plain;
            plain.resize(1380, 700);
            plain.setPlainText(linjer.join(u'\n'));
            plain.show();
            QApplication::processEvents();
        }
        const double grund = ur.nsecsElapsed() / 1e6;

        ur.restart();
        mainform->htmlFilnavn = sti;
        Twinform *w = mainform->openwin(sti);
        QApplication::processEvents();
        const double vindue = ur.nsecsElapsed() / 1e6;
        const double vent = laengsteVent([w] { return faerdig(w); }, 600);
        const double helt = ur.nsecsElapsed() / 1e6;

        std::printf("%s: %d lines, %lld characters\n",
                    enLinje ? "one long line" : "many short lines", int(linjer.size()),
                    static_cast<long long>(linjer.join(u'\n').size()));
        std::printf("  plain QPlainTextEdit, setPlainText + show (baseline): %8.0f ms\n", grund);
        std::printf("  editor window shown:                                  %8.0f ms  (%.2fx)\n",
                    vindue, vindue / grund);
        std::printf("  colours, spelling and line count done, in steps:      %8.0f ms\n", helt);
        std::printf("  longest wait of an event meanwhile:                   %8.1f ms\n", vent);
        w->Editor->setModified(false);
        w->lukUdenSpoergsmaal();
        QApplication::processEvents();
    }
    nedlaegVinduer();
    return 0;
}
