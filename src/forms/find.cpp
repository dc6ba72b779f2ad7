#include "find.h"

#include "platform/trichedit.h"

#include <QVBoxLayout>

Teditform::Teditform(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("editform"));
    RE = new TRichEdit(this);
    RE->setObjectName(QStringLiteral("RE"));
    RE->setAccessibleName(QStringLiteral("Sidens tekst"));
    (new QVBoxLayout(this))->addWidget(RE);
}
