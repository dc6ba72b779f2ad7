// Screenshots of the windows as a new user meets them, one per design for the
// main window. Run under a virtual X server:
//   DAGBOG_ROOT=<copy of a root> xvfb-run -a -s "-screen 0 1920x1080x24" ./build/skaermbilleder
//   <folder>
#include "app/vinduer.h"
#include "editor/win.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/kontrol.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/stilarter.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

namespace {

void vent(int ms) {
    QElapsedTimer ur;
    ur.start();
    while (ur.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

// The screen where w is, with whatever lies over it (a popup list).
void fang(QWidget *w, const QString &fil) {
    const QRect g = w->frameGeometry();
    QGuiApplication::primaryScreen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).save(fil);
}

void gem(QWidget *w, const QString &fil) {
    w->show();
    w->raise();
    w->activateWindow();
    vent(2500);
    fang(w, fil);
}

void optioner(const QString &design, bool medDagbog) {
    const QString mappe = qEnvironmentVariable("DAGBOG_ROOT") + u'/' + Mapper::brugernavn() +
                          QStringLiteral("/Egenskaber/");
    QDir().mkpath(mappe);
    Tekstfil::skriv(mappe + QStringLiteral("mainform.txt"),
                    {design, QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("889"),
                     QStringLiteral("930"), medDagbog ? QStringLiteral("1") : QStringLiteral("0"),
                     QString(), QStringLiteral("Courier New"), QStringLiteral("10"),
                     QStringLiteral("1"), QStringLiteral("1")});
}

void aabnDag() {
    mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
    mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret"))->click();
    vent(1500);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString ud = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(ud);
    Dialoger::Test::slaaTil(true); // no box may wait for an answer
    for (const QString &design : Stilarter::navne()) {
        optioner(design, false);
        opretVinduer();
        aabnDag();
        gem(mainform, ud + QStringLiteral("/hovedvindue-") + QString(design).replace(u' ', u'-') +
                          QStringLiteral(".png"));
        for (Twinform *w : mainform->editorVinduer())
            w->lukUdenSpoergsmaal();
        nedlaegVinduer();
    }
    optioner(QStringLiteral("Sky"), false);
    opretVinduer();
    aabnDag();
    mainform->LoadStrukturen(QStringLiteral("Dagbog 2024"));
    dagbogform->move(20, 20);
    gem(dagbogform, ud + QStringLiteral("/laeser.png"));
    dagbogform->close();
    infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Fremgangsmåde"));
    gem(infoform, ud + QStringLiteral("/information.png"));
    gem(urlform1, ud + QStringLiteral("/urlboks.png"));
    urlform1->close();
    strukturform->strukturBog->setCurrentIndex(0);
    gem(strukturform, ud + QStringLiteral("/strukturkonstruktoer-1.png"));
    strukturform->strukturboks->setCurrentRow(0);
    strukturform->RedigerStruktur();
    gem(strukturform, ud + QStringLiteral("/strukturkonstruktoer-2.png"));
    strukturform->close();
    infoform->close();
    if (Twinform *w = mainform->aktivtVindue()) {
        w->EditorBog->setCurrentIndex(1);
        w->aKodeKontrol->trigger();
        gem(kontrolform, ud + QStringLiteral("/kontrol.png"));
        kontrolform->close();
    }
    // The page editor's list of names while typing, and the preview beside the source.
    if (Twinform *w = mainform->aktivtVindue()) {
        w->EditorBog->setCurrentIndex(1);
        // The window active first: a later activation would close the list again.
        mainform->show();
        mainform->activateWindow();
        vent(500);
        w->Editor->setFocus();
        QTextCursor c = w->Editor->document()->find(QStringLiteral("</body>"));
        c.setPosition(c.selectionStart());
        w->Editor->setTextCursor(c);
        for (const QString &tegn : {QStringLiteral("\n"), QStringLiteral("<"), QStringLiteral("t"),
                                    QStringLiteral("a")}) {
            w->Editor->insertPlainText(tegn);
            vent(100);
        }
        // Activating the window again would close the list.
        vent(1500);
        fang(mainform, ud + QStringLiteral("/fuldfoerelse.png"));
        w->Editor->insertPlainText(
            QStringLiteral("ble><tr><td>Preview ved siden af</td></tr></table>"));
        mainform->PreviewSidenCheck->setChecked(true);
        vent(1500);
        gem(mainform, ud + QStringLiteral("/preview-ved-siden-af.png"));
        w->Editor->setModified(false);
    }
    for (Twinform *w : mainform->editorVinduer())
        w->lukUdenSpoergsmaal();
    nedlaegVinduer();
    return 0;
}
