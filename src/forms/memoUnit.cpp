#include "memoUnit.h"

#include "platform/tekstfil.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TmemoForm::TmemoForm(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("memoForm"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setAccessibleName(QStringLiteral("Kladde"));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    (new QVBoxLayout(this))->addWidget(Memo);
}

void TmemoForm::gemOgRyd(const QString &sti) {
    Tekstfil::skriv(sti, Memo->toPlainText().split(u'\n'));
    Memo->clear();
}
