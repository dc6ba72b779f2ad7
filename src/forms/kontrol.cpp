#include "kontrol.h"

#include "app/vinduer.h"
#include "main/mainform.h"
#include "platform/optionfil.h"
#include "platform/skaermplads.h"
#include "tags/taginfo.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

Tkontrolform::Tkontrolform(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("kontrolform"));
    setWindowTitle(QStringLiteral("Kontrolboksen"));
    setMinimumSize(285, 361);
    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(0, 0, 0, 0);
    lodret->setSpacing(0);

    auto *vaerktoej = new QToolBar(this);
    vaerktoej->setObjectName(QStringLiteral("kontrolToolBar"));
    vaerktoej->setIconSize(QSize(20, 20));
    auto knap = [this, vaerktoej](const QString &navn, QStyle::StandardPixmap ikon,
                                  const QString &hint, std::function<void()> handling) {
        auto *b = new QToolButton(vaerktoej);
        b->setObjectName(navn);
        b->setIcon(style()->standardIcon(ikon));
        b->setToolTip(hint);
        b->setStatusTip(hint);
        connect(b, &QToolButton::clicked, this, std::move(handling));
        vaerktoej->addWidget(b);
    };
    knap(QStringLiteral("readHtmlKnap"), QStyle::SP_BrowserReload,
         QStringLiteral("Indlæs aktuelle side: Genindlæs struktur efter forandringer"),
         [] { mainform->ReadHtmlStruktur(); });
    vaerktoej->addSeparator();
    knap(QStringLiteral("treeUdfoldKnap"), QStyle::SP_ArrowDown, QStringLiteral("Udfold struktur"),
         [this] { Tree->expandAll(); });
    knap(QStringLiteral("treeSammenfoldKnap"), QStyle::SP_ArrowUp,
         QStringLiteral("Sammenfold struktur"), [this] { Tree->collapseAll(); });
    vaerktoej->addSeparator();
    knap(QStringLiteral("readAttributterKnap"), QStyle::SP_FileDialogDetailedView,
         QStringLiteral("Vis kodernes attributter: Genindlæs struktur efter forandringer"),
         [] { mainform->visAttributter(); });
    vaerktoej->addSeparator();
    knap(QStringLiteral("msKnap"), QStyle::SP_DialogNoButton,
         QStringLiteral("Kontroller manglende slutkoder: Genindlæs struktur efter forandringer"),
         [] { mainform->kontrolMSlutkoder(); });
    knap(QStringLiteral("fmSlutkoderKnap"), QStyle::SP_DialogCancelButton,
         QStringLiteral(
             "Kontroller for for mange slutkoder: Genindlæs struktur efter forandringer "),
         [] { mainform->kontrolFmSlutkoder(); });
    vaerktoej->addSeparator();
    knap(QStringLiteral("ukendteKoderKnap"), QStyle::SP_MessageBoxQuestion,
         QStringLiteral("Kontroller for ukendte koder: Genindlæs struktur efter forandringer"),
         [] { mainform->kontrolKoder(); });
    knap(
        QStringLiteral("ukendteAttributterKnap"), QStyle::SP_MessageBoxWarning,
        QStringLiteral("Kontroller for ukendte attributter: Genindlæs struktur efter forandringer"),
        [] { mainform->kontrolAttributter(); });
    lodret->addWidget(vaerktoej);

    Tree = new QTreeWidget(this);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setAccessibleName(QStringLiteral("Kodetræ"));
    Tree->setHeaderHidden(true);
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->installEventFilter(this);
    connect(Tree, &QTreeWidget::itemClicked, this, [] { mainform->KontrolGotoTag(); });
    lodret->addWidget(Tree, 1);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    pBar->setMaximumHeight(10);
    lodret->addWidget(pBar);
    kontrolinfo = new QStatusBar(this);
    kontrolinfo->setObjectName(QStringLiteral("kontrolinfo"));
    kontrolinfo->setSizeGripEnabled(false);
    lodret->addWidget(kontrolinfo);

    optfil = mainform->optDir + QStringLiteral("kontrol.txt");
    hentOpt();
    kontrolFilename.clear();
    mainform->taginf->SetTreeView(Tree);
}

// A page of unclosed elements gives a very deep tree; the tag component frees it flat.
Tkontrolform::~Tkontrolform() {
    Tinfotag::RydTrae(Tree);
}

bool Tkontrolform::eventFilter(QObject *objekt, QEvent *e) {
    if (objekt == Tree && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            mainform->KontrolGotoTag();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}

void Tkontrolform::saetStatus(const QString &tekst) {
    kontrolinfo->showMessage(tekst);
}
QString Tkontrolform::status() const {
    return kontrolinfo->currentMessage();
}

void Tkontrolform::hentOpt() {
    OptionLaeser o(optfil);
    if (!o.findes()) {
        setGeometry(100, 100, 286, 528);
        Skaermplads::tilpas(this);
        return;
    }
    QRect g(100, 100, 286, 528);
    int top = g.top(), left = g.left(), bredde = g.width(), hoejde = g.height();
    if (o.tal(top) && o.tal(left) && o.tal(bredde)) o.tal(hoejde);
    setGeometry(left, top, bredde, hoejde);
    Skaermplads::tilpas(this);
}

void Tkontrolform::gemOpt() {
    // The inner area, as setGeometry takes it back: the frame would move the window each run.
    const QRect g = geometry();
    skrivOptioner(optfil, {QString::number(g.top()), QString::number(g.left()),
                           QString::number(g.width()), QString::number(g.height())});
}

void Tkontrolform::closeEvent(QCloseEvent *e) {
    gemOpt();
    QWidget::closeEvent(e);
}
