#include "app/vinduer.h"

#include <QApplication>

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dagbog"));
    opretVinduer();
    const int resultat = app.exec();
    nedlaegVinduer();
    return resultat;
}
