#include "url1.h"

Turlform1::Turlform1(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("urlform1"));
}
