#include "info.h"

Tinfoform::Tinfoform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("infoform"));
}
