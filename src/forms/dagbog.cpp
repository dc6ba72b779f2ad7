#include "dagbog.h"

Tdagbogform::Tdagbogform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("dagbogform"));
}
