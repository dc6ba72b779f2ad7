#include "spm.h"

#include "platform/dialoger.h"
#include "platform/skaermplads.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Tspmform::Tspmform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("spmform"));
    setModal(true);

    tekst = new QPlainTextEdit(this);
    tekst->setObjectName(QStringLiteral("tekst"));
    tekst->setReadOnly(true);
    tekst->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    tekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tekst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tekst->setFrameShape(QFrame::NoFrame);
    tekst->setFocusPolicy(Qt::NoFocus);
    // The text lies on the window's own colour; a role, not a colour, so that a
    // later design restyles it too.
    tekst->viewport()->setBackgroundRole(QPalette::Window);

    const int ikon = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(ikon));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(ikon));

    Button1 = new QPushButton(QStringLiteral("Ja"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(2); });

    auto *billeder = new QVBoxLayout;
    billeder->addWidget(Image1);
    billeder->addWidget(Image2);
    billeder->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(billeder);
    top->addWidget(tekst, 1);
    auto *knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(Button1);
    knapper->addWidget(Button2);
    auto *alt = new QVBoxLayout(this);
    alt->addLayout(top, 1);
    alt->addLayout(knapper);
    setFixedSize(420, 220);

    SetBoxValues(false);
}

void Tspmform::SetBoxValues(bool info) {
    setWindowTitle(info ? QStringLiteral("Information") : QStringLiteral("Spørgsmål"));
    Button1->setVisible(!info);
    Button2->setText(info ? QStringLiteral("OK") : QStringLiteral("Nej"));
    Image1->setVisible(!info);
    Image2->setVisible(info);
}

void Tspmform::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (parentWidget()) Skaermplads::centrer(this, parentWidget()->window());
    QPushButton *foerste = Button1->isVisible() ? Button1 : Button2;
    foerste->setDefault(true);
    foerste->setFocus();
}

int Tspmform::visModal() {
    // Closing the box in any other way than "Ja" answers no.
    return Dialoger::visModal(this) == 1 ? 1 : 2;
}

bool Tspmform::spoerg(const QStringList &linjer) {
    tekst->setPlainText(linjer.join(u'\n'));
    return visModal() == 1;
}

void Tspmform::fortael(const QStringList &linjer) {
    SetBoxValues(true);
    tekst->setPlainText(linjer.join(u'\n'));
    visModal();
    SetBoxValues(false);
}
