#include "url1.h"

#include "app/vinduer.h"
#include "forms/info.h"
#include "main/hint.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/optionfil.h"
#include "platform/skaermplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

Turlform1::Turlform1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("urlform1"));
    setWindowTitle(QStringLiteral("Urlboks"));
    setMinimumSize(393, 312);

    overskriftLabel = new QLabel(QStringLiteral("Besøgte sider"), this);
    overskriftLabel->setObjectName(QStringLiteral("overskriftLabel"));
    deler = new QSplitter(Qt::Horizontal, this);
    deler->setObjectName(QStringLiteral("deler"));
    strukturliste = new QListWidget(deler);
    strukturliste->setObjectName(QStringLiteral("strukturliste"));
    strukturliste->setAccessibleName(QStringLiteral("Strukturer"));
    urlListe = new QListWidget(deler);
    urlListe->setObjectName(QStringLiteral("urlListe"));
    urlListe->setAccessibleName(QStringLiteral("Besøgte sider"));
    deler->setStretchFactor(1, 1);
    // Row i of both lists is one history entry: they select together.
    for (QListWidget *liste : {strukturliste, urlListe}) {
        QListWidget *anden = liste == strukturliste ? urlListe : strukturliste;
        connect(liste, &QListWidget::currentRowChanged, anden, [anden](int r) {
            if (anden->currentRow() != r) anden->setCurrentRow(r);
        });
        connect(liste, &QListWidget::itemDoubleClicked, this,
                [this, liste](QListWidgetItem *e) { listeDblClick(liste->row(e)); });
    }

    AsletAlle = new QAction(QStringLiteral("Slet liste"), this);
    AsletAlle->setObjectName(QStringLiteral("AsletAlle"));
    AsletAlle->setToolTip(QStringLiteral("Slet alle urls fra listen"));
    AsletAlle->setStatusTip(QStringLiteral("Slet alle urls fra listen"));
    AsletAlle->setEnabled(false);
    connect(AsletAlle, &QAction::triggered, this, &Turlform1::AsletAlleExecute);
    // The action follows the list, whoever fills or empties it.
    auto *model = urlListe->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, [this] { AsletAlle->setEnabled(urlListe->count() > 0); });
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { AsletAlle->setEnabled(urlListe->count() > 0); });

    sletKnap = new QPushButton(QStringLiteral("Slet liste"), this);
    sletKnap->setObjectName(QStringLiteral("sletKnap"));
    hint(sletKnap, QStringLiteral("Slet alle urls fra listen"));
    sletKnap->setEnabled(false);
    connect(AsletAlle, &QAction::changed, sletKnap,
            [this] { sletKnap->setEnabled(AsletAlle->isEnabled()); });
    connect(sletKnap, &QPushButton::clicked, AsletAlle, &QAction::trigger);
    lukKnap = new QPushButton(QStringLiteral("Luk"), this);
    lukKnap->setObjectName(QStringLiteral("lukKnap"));
    hint(lukKnap, QStringLiteral("Luk urlboksen"));
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);

    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);

    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(4, 4, 4, 0);
    lodret->addWidget(overskriftLabel);
    lodret->addWidget(deler, 1);
    auto *knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(sletKnap);
    knapper->addWidget(lukKnap);
    lodret->addLayout(knapper);
    lodret->addWidget(infoBar);

    optFilnavn = mainform->optDir + QStringLiteral("urlboks1.txt");
    hentOpt();
}

Turlform1::~Turlform1() {
    // The lists empty themselves as they go; the action and button they
    // update may already be gone by then.
    disconnect(urlListe->model(), nullptr, this, nullptr);
}

void Turlform1::hentOpt() {
    int bredde = 459, hoejde = 374;
    OptionLaeser o(optFilnavn);
    if (o.findes() && o.tal(bredde)) o.tal(hoejde);
    resize(bredde, hoejde);
    if (o.fejlLinje() > 0) {
        // The box keeps what it read and works on; the user learns why its size is off.
        const QString linje = QStringLiteral("Linje %1").arg(o.fejlLinje());
        Dialoger::fejl(QStringLiteral("Urlboksens indstillinger kunne ikke læses fra\n") +
                           QDir::toNativeSeparators(optFilnavn) + u'\n' +
                           (o.fejlVaerdi().isEmpty()
                                ? linje + QStringLiteral(" mangler eller er tom.")
                                : linje + QStringLiteral(": \"") + o.fejlVaerdi() +
                                      QStringLiteral("\" er ikke et tal.")),
                       this);
    }
}

void Turlform1::gemOpt() {
    skrivOptioner(optFilnavn, {QString::number(width()), QString::number(height())});
}

void Turlform1::AsletAlleExecute() {
    strukturliste->clear();
    urlListe->clear();
    infoform->urlIndex = -1;
    infoform->opdaterHandlinger();
}

void Turlform1::listeDblClick(int i) {
    if (i < 0 || i >= urlListe->count()) return;
    infoform->goToStruktur(i);
}

void Turlform1::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (e->spontaneous() || !mainform) return;
    // Centred on the main window each time it opens.
    Skaermplads::centrer(this, mainform);
}

void Turlform1::closeEvent(QCloseEvent *e) {
    gemOpt();
    QWidget::closeEvent(e);
}

bool Turlform1::event(QEvent *e) {
    if (e->type() == QEvent::StatusTip) {
        infoBar->showMessage(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}
