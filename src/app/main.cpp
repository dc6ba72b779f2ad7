#include "app/udskrivbog.h"
#include "app/vinduer.h"

#include <QApplication>

int main(int argc, char **argv) {
    // Writing the book from the command line needs no screen.
    const bool udskriv = argc > 1 && qstrcmp(argv[1], "--udskriv") == 0;
    if (udskriv && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dagbog"));
    if (udskriv)
        return udskrivDagbogFraKommandolinje(app.arguments().value(2), app.arguments().value(3));
    opretVinduer();
    const int resultat = app.exec();
    nedlaegVinduer();
    return resultat;
}
