#include "dagbog.h"

#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/kalender.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/ikoner.h"
#include "platform/optionfil.h"
#include "platform/skaermplads.h"
#include "platform/twebbrowser.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void hint(QWidget *w, const QString &tekst) {
    w->setToolTip(tekst);
    w->setStatusTip(tekst);
}

QToolButton *knap(QWidget *forael, const QString &navn, const QString &tekst, const QIcon &ikon) {
    auto *b = new QToolButton(forael);
    b->setObjectName(navn);
    b->setIcon(ikon);
    b->setAutoRaise(true);
    hint(b, tekst);
    return b;
}

// The window's width when the screen has room for it.
constexpr int fastBredde = 1081;

// One of the pictures that border the book; it is drawn anew at every size,
// so the border follows the window.
class Bogkant : public QWidget {
public:
    Bogkant(const QString &navn, const QString &billede, int bredde, QWidget *forael)
        : QWidget(forael)
        , m_fil(Ikoner::sti(billede)) {
        setObjectName(navn);
        setFixedWidth(bredde);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        const QSize stoerrelse = size() * devicePixelRatioF();
        if (m_billede.size() != stoerrelse) {
            QImageReader laeser(m_fil);
            laeser.setScaledSize(stoerrelse);
            m_billede = laeser.read();
            m_billede.setDevicePixelRatio(devicePixelRatioF());
        }
        QPainter(this).drawImage(0, 0, m_billede);
    }

private:
    QString m_fil;
    QImage m_billede;
};

} // namespace

Tdagbogform::Tdagbogform(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("dagbogform"));
    setWindowTitle(QStringLiteral("Dagbog"));
    setFixedWidth(fastBredde);
    setMinimumHeight(487);

    byggMenulinje();
    Web1 = new TWebBrowser(this);
    Web1->setObjectName(QStringLiteral("Web1"));
    Web1->setFixedWidth(524);
    Web2 = new TWebBrowser(this);
    Web2->setObjectName(QStringLiteral("Web2"));

    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(4, 4, 4, 4);
    lodret->setSpacing(2);
    lodret->addWidget(menuPanel);
    auto *sider = new QHBoxLayout;
    sider->setSpacing(0);
    sider->addWidget(new Bogkant(QStringLiteral("bogkantVenstre"),
                                 QStringLiteral("bogkant-venstre.svg"), 14, this));
    sider->addWidget(Web1);
    sider->addWidget(new Bogkant(QStringLiteral("bogryg"), QStringLiteral("bogryg.svg"), 12, this));
    sider->addWidget(Web2, 1);
    sider->addWidget(new Bogkant(QStringLiteral("bogkantHoejre"),
                                 QStringLiteral("bogkant-hoejre.svg"), 14, this));
    lodret->addLayout(sider, 1);

    optFilnavn = mainform->optDir + QStringLiteral("Dagbog.txt");
    hentOpt();
    DagbogCheck->setChecked(mainform->openMedDagbog);
    opdaterHandlinger();
    // The window sees every key before its controls do.
    qApp->installEventFilter(this);
}

Tdagbogform::~Tdagbogform() {
    qApp->removeEventFilter(this);
}

QAction *Tdagbogform::nyHandling(const QString &navn, const QString &tekst,
                                 const QString &hintTekst, const QIcon &ikon) {
    auto *a = new QAction(ikon, tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hintTekst);
    a->setStatusTip(hintTekst);
    // Shortcuts must work with the menu bar hidden too.
    addAction(a);
    return a;
}

void Tdagbogform::byggMenulinje() {
    QStyle *s = style();
    Ago = nyHandling(QStringLiteral("Ago"), QStringLiteral("Opdater"),
                     QStringLiteral("Opdater sider eller gå til indførte sidenummer"),
                     s->standardIcon(QStyle::SP_BrowserReload));
    Ago->setShortcut(Qt::Key_F9);
    Aback = nyHandling(QStringLiteral("Aback"), QStringLiteral("Tilbage"),
                       QStringLiteral("Gå til foregående side: Venstre piltast"),
                       s->standardIcon(QStyle::SP_ArrowLeft));
    Aforward = nyHandling(QStringLiteral("Aforward"), QStringLiteral("Frem"),
                          QStringLiteral("Gå til næste side: Højre piltast"),
                          s->standardIcon(QStyle::SP_ArrowRight));
    Afirst = nyHandling(QStringLiteral("Afirst"), QStringLiteral("Første side"),
                        QStringLiteral("Gå til første side: Home-tast"),
                        s->standardIcon(QStyle::SP_MediaSkipBackward));
    Alast = nyHandling(QStringLiteral("Alast"), QStringLiteral("Sidste side"),
                       QStringLiteral("Gå til sidste side: End-tast"),
                       s->standardIcon(QStyle::SP_MediaSkipForward));
    AlukProgram =
        nyHandling(QStringLiteral("AlukProgram"), QStringLiteral("Luk programmet"),
                   QStringLiteral("Luk programmet"), s->standardIcon(QStyle::SP_DialogCloseButton));
    AlukProgram->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Home, End and the arrows are not shortcuts: the key preview runs them
    // and still lets the focused control have the key.
    connect(Ago, &QAction::triggered, this, &Tdagbogform::AgoExecute);
    connect(Aback, &QAction::triggered, this, &Tdagbogform::AbackExecute);
    connect(Aforward, &QAction::triggered, this, &Tdagbogform::AforwardExecute);
    connect(Afirst, &QAction::triggered, this, &Tdagbogform::AfirstExecute);
    connect(Alast, &QAction::triggered, this, &Tdagbogform::AlastExecute);
    connect(AlukProgram, &QAction::triggered, this, &Tdagbogform::AlukProgramExecute);

    menuPanel = new QWidget(this);
    menuPanel->setObjectName(QStringLiteral("menuPanel"));
    auto *linje = new QHBoxLayout(menuPanel);
    linje->setContentsMargins(0, 0, 0, 0);

    hideShowButton = knap(menuPanel, QStringLiteral("hideShowButton"),
                          QStringLiteral("Vis eller skjul menulinje: Esc-tast"),
                          s->standardIcon(QStyle::SP_TitleBarShadeButton));
    connect(hideShowButton, &QToolButton::clicked, this, &Tdagbogform::hideShowButtonClick);

    NavigateBar = new QToolBar(menuPanel);
    NavigateBar->setObjectName(QStringLiteral("NavigateBar"));
    NavigateBar->addAction(Afirst);
    NavigateBar->addSeparator();
    NavigateBar->addAction(Aback);
    NavigateBar->addSeparator();
    NavigateBar->addAction(Aforward);
    NavigateBar->addSeparator();
    NavigateBar->addAction(Alast);

    Label1 = new QLabel(QStringLiteral("Gå til side"), menuPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit = new QLineEdit(menuPanel);
    Edit->setObjectName(QStringLiteral("Edit"));
    Label1->setBuddy(Edit);
    Edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit));
    Edit->setMaximumWidth(60);
    connect(Edit, &QLineEdit::textChanged, this, [this] { opdaterHandlinger(); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] {
        if (Ago->isEnabled()) Ago->trigger();
    });

    opdaterKnap = new QToolButton(menuPanel);
    opdaterKnap->setObjectName(QStringLiteral("opdaterKnap"));
    opdaterKnap->setDefaultAction(Ago);
    opdaterKnap->setAutoRaise(true);

    PUmaaned = new QMenu(this);
    PUmaaned->setObjectName(QStringLiteral("PUmaaned"));
    for (int m = 1; m <= 12; ++m) {
        QAction *a = PUmaaned->addAction(maanedNavn(m));
        a->setObjectName(maanedNavn(m));
        a->setData(QStringLiteral("%1 %2").arg(m, 2, 10, QLatin1Char('0')).arg(maanedNavn(m)));
        connect(a, &QAction::triggered, this, [this, a] {
            maanedItem = a->data().toString();
            goToManned(maanedItem);
        });
    }
    connect(PUmaaned, &QMenu::aboutToShow, this, &Tdagbogform::PUmaanedPopup);
    Button1 = new QToolButton(menuPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(QStringLiteral("Måned"));
    Button1->setPopupMode(QToolButton::MenuButtonPopup);
    Button1->setMenu(PUmaaned);
    hint(Button1, QStringLiteral("Gå til en valgt måned"));

    KnapRediger =
        knap(menuPanel, QStringLiteral("KnapRediger"), QStringLiteral("Rediger sider: Insert-tast"),
             s->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(KnapRediger, &QToolButton::clicked, this, &Tdagbogform::KnapRedigerClick);

    // The main window's command, which is hidden while the reader is shown.
    KnapUdskriv = knap(menuPanel, QStringLiteral("KnapUdskriv"),
                       QStringLiteral("Udskriv dagbogen som én PDF- eller HTML-fil"),
                       s->standardIcon(QStyle::SP_DialogSaveButton));
    connect(KnapUdskriv, &QToolButton::clicked, this, [] { mainform->aUdskrivDagbogExecute(); });

    Button2 = new QToolButton(menuPanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefaultAction(AlukProgram);
    Button2->setAutoRaise(true);

    DagbogCheck = new QCheckBox(QStringLiteral("Dagbog"), menuPanel);
    DagbogCheck->setObjectName(QStringLiteral("DagbogCheck"));
    hint(DagbogCheck, QStringLiteral("Åben programmet som dagbog"));

    for (QWidget *w : {static_cast<QWidget *>(hideShowButton), static_cast<QWidget *>(NavigateBar),
                       static_cast<QWidget *>(Label1), static_cast<QWidget *>(Edit),
                       static_cast<QWidget *>(opdaterKnap), static_cast<QWidget *>(Button1),
                       static_cast<QWidget *>(KnapRediger), static_cast<QWidget *>(KnapUdskriv),
                       static_cast<QWidget *>(Button2), static_cast<QWidget *>(DagbogCheck)})
        linje->addWidget(w);
    linje->addStretch();
}

void Tdagbogform::hentOpt() {
    // The fixed width gives way on a screen narrower than the book (Skaermplads).
    setFixedWidth(fastBredde);
    OptionLaeser o(optFilnavn);
    int top = 14, left = 6, hoejde = 956;
    if (o.findes()) {
        top = geometry().top();
        left = geometry().left();
        hoejde = height();
        bool synlig = true;
        if (o.tal(top) && o.tal(left) && o.tal(hoejde) && o.tal(sideIndex1) && o.flag(synlig))
            menuPanel->setHidden(!synlig);
    } else {
        sideIndex1 = 0;
        menuPanel->setHidden(false);
    }
    setGeometry(left, top, width(), hoejde);
    Skaermplads::tilpas(this);
}

void Tdagbogform::gemOpt() {
    // The inner area, as setGeometry takes it back: the frame would move the window each run.
    const QRect g = geometry();
    skrivOptioner(optFilnavn, {QString::number(g.top()), QString::number(g.left()),
                               QString::number(height()), QString::number(sideIndex1),
                               menuPanel->isHidden() ? QStringLiteral("0") : QStringLiteral("1")});
}

void Tdagbogform::saetAntal(int n) {
    antalSider = n;
    restAntal = n % 2;
    maxIndex = n + restAntal - 2;
    opdaterHandlinger();
}

QString Tdagbogform::slutside() const {
    return mainform->programDir + QStringLiteral("Html/Slutside.html");
}

namespace {
// An element text that would lead outside the page folder shows a blank page.
QString sideAf(const TStruktur *s, int p) {
    const QString navn = s->tekstVed(p);
    return TStruktur::gyldigtSidenavn(navn) ? s->Infomappe() + navn + QStringLiteral(".html")
                                            : QStringLiteral("about:blank");
}
} // namespace

void Tdagbogform::visDagbog(int p) {
    sideIndex1 = p;
    sideIndex2 = p + 1;
    TStruktur *s = mainform->Struktur;
    const int c = s->antal();
    if (c > 0) {
        if (p < c) {
            filnavn1 = sideAf(s, p);
            Web1->Navigate(filnavn1);
        }
        if (p + 1 < c) {
            filnavn2 = sideAf(s, p + 1);
            Web2->Navigate(filnavn2);
        } else {
            Web2->Navigate(slutside());
        }
    } else {
        // An empty diary: a blank left page and the end page, nothing to leaf to.
        filnavn1.clear();
        filnavn2.clear();
        Web1->Navigate(QStringLiteral("about:blank"));
        Web2->Navigate(slutside());
    }
    Edit->setText(QString::number(p));
    s->vaelgVed(p);
    opdaterHandlinger();
}

void Tdagbogform::goToManned(const QString &maaned) {
    TStruktur *s = mainform->Struktur;
    s->setSelected(maaned);
    int i = s->getTheSelectedIndex();
    if (i < 0 || s->tekstVed(i) != maaned) {
        Dialoger::info(QStringLiteral("Måneden blev ikke fundet."), this);
    } else {
        if (i % 2) --i;
        visDagbog(i);
    }
    if (QWidget *f = focusWidget()) f->clearFocus();
}

void Tdagbogform::opdaterHandlinger() {
    const bool harSider = maxIndex >= 0;
    Afirst->setEnabled(harSider && sideIndex1 > 0);
    Aback->setEnabled(harSider && sideIndex1 > 0);
    Aforward->setEnabled(harSider && sideIndex1 < maxIndex);
    Alast->setEnabled(harSider && sideIndex1 < maxIndex);
    Ago->setEnabled(harSider && !Edit->text().isEmpty());
}

void Tdagbogform::AgoExecute() {
    // Without elements there is only the empty view to refresh.
    if (maxIndex < 0) {
        visDagbog(0);
        return;
    }
    int n = EditInteger(Edit->text());
    if (n > maxIndex) n = maxIndex;
    if (n < 0) return;
    if (n % 2) --n;
    visDagbog(n);
}

void Tdagbogform::AbackExecute() {
    visDagbog(qMax(0, sideIndex1 - 2));
}

void Tdagbogform::AforwardExecute() {
    const int n = sideIndex1 + 2;
    visDagbog(n >= mainform->Struktur->antal() ? sideIndex1 : n);
}

void Tdagbogform::AfirstExecute() {
    visDagbog(0);
}

void Tdagbogform::AlastExecute() {
    visDagbog(maxIndex);
}

void Tdagbogform::AlukProgramExecute() {
    close();
    mainform->close();
}

void Tdagbogform::KnapRedigerClick() {
    mainform->Bog->setCurrentIndex(1);
    mainform->show();
}

void Tdagbogform::hideShowButtonClick() {
    menuPanel->setHidden(!menuPanel->isHidden());
}

void Tdagbogform::PUmaanedPopup() {
    for (QAction *a : PUmaaned->actions())
        a->setEnabled(!mainform->Struktur->getNodeTekst(a->data().toString()).isEmpty());
}

void Tdagbogform::FormShow() {
    if (!opstart) return;
    opstart = false;
    // Elements may have been deleted since the position was saved.
    if (sideIndex1 > maxIndex) sideIndex1 = maxIndex;
    if (sideIndex1 < 0) sideIndex1 = 0;
    sideIndex2 = sideIndex1 + 1;
    visDagbog(sideIndex1);
}

void Tdagbogform::FormKeyDown(const QKeyEvent *e) {
    opdaterHandlinger();
    QAction *a = nullptr;
    switch (e->key()) {
    case Qt::Key_Home:
        a = Afirst;
        break;
    case Qt::Key_End:
        a = Alast;
        break;
    case Qt::Key_Left:
        a = Aback;
        break;
    case Qt::Key_Right:
        a = Aforward;
        break;
    case Qt::Key_Insert:
        KnapRedigerClick();
        break;
    case Qt::Key_Escape:
        hideShowButtonClick();
        break;
    default:
        break;
    }
    if (a && a->isEnabled()) a->trigger();
}

bool Tdagbogform::eventFilter(QObject *objekt, QEvent *e) {
    // A key press goes first to the focused control (or the window when none
    // has the focus); only that first delivery counts. Presses passed on to
    // the parents, and the browser's unused keys handed back to its parent,
    // reach other receivers and are left alone.
    if (e->type() == QEvent::KeyPress && isVisible()) {
        QWidget *modtager = focusWidget() ? focusWidget() : this;
        if (objekt == modtager) FormKeyDown(static_cast<QKeyEvent *>(e));
    }
    return QWidget::eventFilter(objekt, e);
}

void Tdagbogform::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    FormShow();
    mainform->hide();
}

void Tdagbogform::closeEvent(QCloseEvent *e) {
    mainform->show();
    QWidget::closeEvent(e);
}
