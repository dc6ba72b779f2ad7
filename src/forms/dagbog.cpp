#include "dagbog.h"

#include "app/vinduer.h"
#include "main/mainform.h"
#include "platform/optionfil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>

Tdagbogform::Tdagbogform(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("dagbogform"));
    setWindowTitle(QStringLiteral("Dagbog"));
    DagbogCheck = new QCheckBox(QStringLiteral("Dagbog"), this);
    DagbogCheck->setObjectName(QStringLiteral("DagbogCheck"));
    DagbogCheck->setToolTip(QStringLiteral("Åben programmet som dagbog"));
    DagbogCheck->setStatusTip(DagbogCheck->toolTip());
    auto *menuPanel = new QHBoxLayout(this);
    menuPanel->addWidget(DagbogCheck);
    menuPanel->addStretch();
    setFixedWidth(1081);
    setMinimumHeight(487);

    optFilnavn = mainform->optDir + QStringLiteral("Dagbog.txt");
    hentOpt();
    DagbogCheck->setChecked(mainform->openMedDagbog);
}

void Tdagbogform::hentOpt() {
    OptionLaeser o(optFilnavn);
    if (!o.findes()) {
        setGeometry(6, 14, 1081, 956);
        sideIndex1 = 0;
        menuSynlig = true;
        return;
    }
    int top = y(), left = x(), hoejde = height();
    if (o.tal(top)) move(x(), top);
    if (o.tal(left)) move(left, top);
    if (o.tal(hoejde)) resize(width(), hoejde);
    if (o.tal(sideIndex1)) o.flag(menuSynlig);
}

void Tdagbogform::gemOpt() {
    skrivOptioner(optFilnavn, {QString::number(y()), QString::number(x()),
                               QString::number(height()), QString::number(sideIndex1),
                               menuSynlig ? QStringLiteral("1") : QStringLiteral("0")});
}

void Tdagbogform::saetAntal(int n) {
    antalSider = n;
    restAntal = n % 2;
    maxIndex = n + restAntal - 2;
}

void Tdagbogform::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    mainform->hide();
}

void Tdagbogform::closeEvent(QCloseEvent *e) {
    mainform->show();
    QWidget::closeEvent(e);
}
