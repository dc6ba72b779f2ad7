#include "strukturmaker.h"

Tstrukturform::Tstrukturform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("strukturform"));
}
