#include "find.h"

Teditform::Teditform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("editform"));
}
