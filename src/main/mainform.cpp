#include "mainform.h"

#include "platform/mapper.h"

Tmainform::Tmainform(QWidget *parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainform"));
    brugernavn = Mapper::brugernavn();
    setWindowTitle(QStringLiteral("Dagbog: ") + brugernavn);
    setMinimumSize(900, 582);
}
