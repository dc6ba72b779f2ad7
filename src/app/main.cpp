#include "app/vinduer.h"
#include "platform/mapper.h"
#include "platform/programmappe.h"

#include <QApplication>

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dagbog"));
    QGuiApplication::setDesktopFileName(QStringLiteral("dagbog"));
    Programmappe::opdater(Programmappe::installeretKopi(),
                          Mapper::rod() + QStringLiteral("/Program"));
    opretVinduer();
    const int resultat = app.exec();
    nedlaegVinduer();
    return resultat;
}
