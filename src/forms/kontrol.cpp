#include "kontrol.h"

Tkontrolform::Tkontrolform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("kontrolform"));
}
