// Child of the recovery test: the program's windows with text typed into a page
// or its design editor; it runs on until the parent kills it.
#include "app/vinduer.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    const QString side = QString::fromLocal8Bit(argv[1]);
    const QString tekst = QString::fromUtf8(argv[2]);
    const bool design = qstrcmp(argv[3], "design") == 0;
    Dialoger::Test::slaaTil(true); // no box may wait for an answer nobody gives
    opretVinduer();
    QTimer::singleShot(0, [&] {
        mainform->htmlFilnavn = side;
        Twinform *w = mainform->openwin(side);
        w->bringFrem();
        if (w->opstart) w->FormActivate();
        TRichEdit *editor = design ? w->EditorDesign : w->Editor;
        w->EditorBog->setTabVisible(design ? 2 : 1, true);
        w->EditorBog->setCurrentIndex(design ? 2 : 1);
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, tekst);
        std::puts("skrevet");
        std::fflush(stdout);
    });
    return app.exec();
}
