#include "memoUnit.h"

TmemoForm::TmemoForm(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("memoForm"));
}
