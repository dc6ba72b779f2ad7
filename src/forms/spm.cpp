#include "spm.h"

Tspmform::Tspmform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("spmform"));
}
