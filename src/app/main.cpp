#include "app/kommandolinje.h"
#include "app/statistiklinje.h"
#include "app/udskrivbog.h"
#include "app/vinduer.h"
#include "main/mainform.h"
#include "platform/enkeltinstans.h"
#include "platform/mapper.h"
#include "platform/programmappe.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// For the start benchmark (DAGBOG_STARTMAALING set): reports the main window's
// first drawing on standard output and ends the program there.
class StartMaaling : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint && !m_meldt) {
            m_meldt = true;
            std::puts("VIST");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_meldt = false;
};

} // namespace

int main(int argc, char **argv) {
    // Read before the application exists: help, version and a wrong date need no screen.
    QStringList argumenter;
    for (int i = 0; i < argc; ++i)
        argumenter << QString::fromLocal8Bit(argv[i]);
    const Kommandolinje k = laesKommandolinje(argumenter, QDate::currentDate());
    if (!k.start) return k.afslut();
    if (!k.rod.isEmpty()) qputenv("DAGBOG_ROOT", k.rod.toLocal8Bit());
    if (k.statistik) {
        QCoreApplication app(argc, argv);
        return statistikFraKommandolinje(k.statistikStruktur);
    }
    // Writing the book needs no screen.
    if (k.udskriv && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dagbog"));
    QApplication::setApplicationVersion(QStringLiteral(DAGBOG_UDGAVE));
    QGuiApplication::setDesktopFileName(QStringLiteral(DAGBOG_APPID));

    if (k.udskriv) return udskrivDagbogFraKommandolinje(k.udskrivStruktur, k.udskrivFil);

    TEnkeltInstans instans(TEnkeltInstans::navnFor(Mapper::brugernavn(), Mapper::rod()));
    if (!instans.start(beskedTilKoerende(k))) return 0; // the running program took it

    Programmappe::opdater(Programmappe::installeretKopi(),
                          Mapper::rod() + QStringLiteral("/Program"));
    opretVinduer();
    // Drawn later, from the event loop.
    if (qEnvironmentVariableIsSet("DAGBOG_STARTMAALING"))
        mainform->installEventFilter(new StartMaaling(mainform));
    QObject::connect(&instans, &TEnkeltInstans::besked, &udfoerBesked);
    if (k.dato) mainform->aabnDato(*k.dato);
    const int resultat = app.exec();
    nedlaegVinduer();
    return resultat;
}
