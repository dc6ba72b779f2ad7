#include "info.h"

#include "app/vinduer.h"
#include "controls/listeraekke.h"
#include "controls/struktur.h"
#include "core/sammenlign.h"
#include "forms/find.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/hint.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/eksterneditor.h"
#include "platform/ikoner.h"
#include "platform/optionfil.h"
#include "platform/skaermplads.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int minPanelBredde = 250;

QToolButton *knap(QWidget *forael, const QString &navn, const QString &hintTekst,
                  const QIcon &ikon) {
    auto *b = new QToolButton(forael);
    b->setObjectName(navn);
    b->setIcon(ikon);
    b->setAutoRaise(true);
    hint(b, hintTekst);
    return b;
}

// As an auto-expanding tree does: the branch selected before folds up as far
// as it is not the way to the new element, and the new element unfolds.
void udfoldAutomatisk(QTreeWidgetItem *ny, QTreeWidgetItem *forrige) {
    QList<QTreeWidgetItem *> vej;
    for (QTreeWidgetItem *e = ny; e; e = e->parent())
        vej.append(e);
    for (QTreeWidgetItem *e = forrige; e && !vej.contains(e); e = e->parent())
        e->setExpanded(false);
    if (ny) ny->setExpanded(true);
}

} // namespace

Tinfoform::Tinfoform(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("infoform"));
    setMinimumSize(818, 600);
    strukturImage = Ikoner::trae(0);
    ImageListVBS = Ikoner::trae(1);

    deler = new QSplitter(Qt::Horizontal, this);
    deler->setObjectName(QStringLiteral("deler"));
    deler->setChildrenCollapsible(false);
    leftPanel = new QWidget(deler);
    leftPanel->setObjectName(QStringLiteral("leftPanel"));
    leftPanel->setMinimumWidth(minPanelBredde);
    auto *venstre = new QVBoxLayout(leftPanel);
    venstre->setContentsMargins(0, 0, 0, 0);
    infoBog = new QTabWidget(leftPanel);
    infoBog->setObjectName(QStringLiteral("infoBog"));
    infoBog->setAccessibleName(QStringLiteral("Sidepaneler"));
    infoBog->addTab(byggStrukturside(), QStringLiteral("Struktur"));
    infoBog->addTab(byggSoegeside(), QStringLiteral("Søg"));
    connect(infoBog, &QTabWidget::currentChanged, this, [this](int side) {
        if (side != 1) return;
        // The topic asked for last stands there; typing replaces it.
        EditFind->setFocus();
        EditFind->selectAll();
    });
    venstre->addWidget(infoBog);
    deler->addWidget(leftPanel);
    deler->addWidget(byggBrowserpanel());
    deler->setStretchFactor(1, 1);
    connect(deler, &QSplitter::splitterMoved, this,
            [this] { panelBredde = deler->sizes().value(0, panelBredde); });

    infobar = new QStatusBar(this);
    infobar->setObjectName(QStringLiteral("infobar"));
    infobar->setSizeGripEnabled(false);
    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(2, 2, 2, 0);
    lodret->addWidget(deler, 1);
    lodret->addWidget(infobar);

    Timeglas vent;
    strukturdir = mainform->programDir + QStringLiteral("Struktur/");
    optFilnavn = mainform->optDir + QStringLiteral("infoform.txt");
    hentOpt();
    newNavn = strukturnavn;
    opstart = true;
    LoadStruktur();
    urlIndex = -1;
    hjemmeside.clear();
    oldUrl.clear();
    htmlProgram = EksternEditor::find();
    tbRediger->setEnabled(!htmlProgram.isEmpty());
    opdaterHandlinger();
}

QAction *Tinfoform::nyHandling(const QString &navn, const QString &hintTekst, const QIcon &ikon) {
    auto *a = new QAction(ikon, navn, this);
    a->setObjectName(navn);
    a->setToolTip(hintTekst);
    a->setStatusTip(hintTekst);
    a->setProperty("kategori", QStringLiteral("Naviger"));
    addAction(a);
    return a;
}

QWidget *Tinfoform::byggStrukturside() {
    auto *side1 = new QWidget;
    side1->setObjectName(QStringLiteral("side1"));
    auto *lodret = new QVBoxLayout(side1);
    lodret->setContentsMargins(2, 2, 2, 2);
    auto *linje = new QHBoxLayout;
    QStyle *s = style();

    strukturPU = new QMenu(this);
    strukturPU->setObjectName(QStringLiteral("strukturPU"));
    ToolButton8 = knap(side1, QStringLiteral("ToolButton8"),
                       QStringLiteral("Hjemmelavede informationsstrukturer"),
                       s->standardIcon(QStyle::SP_DirHomeIcon));
    ToolButton8->setMenu(strukturPU);
    ToolButton8->setPopupMode(QToolButton::InstantPopup);
    expandKnap = knap(side1, QStringLiteral("expandKnap"), QStringLiteral("Udfold struktur"),
                      s->standardIcon(QStyle::SP_ArrowDown));
    collapseKnap = knap(side1, QStringLiteral("collapseKnap"),
                        QStringLiteral("Sammenfold struktur"), s->standardIcon(QStyle::SP_ArrowUp));
    Label1 = new QLabel(QStringLiteral("Elementer: "), side1);
    Label1->setObjectName(QStringLiteral("Label1"));
    antalLabel = new QLabel(QStringLiteral("0"), side1);
    antalLabel->setObjectName(QStringLiteral("antalLabel"));
    for (QWidget *w : {static_cast<QWidget *>(ToolButton8), static_cast<QWidget *>(expandKnap),
                       static_cast<QWidget *>(collapseKnap), static_cast<QWidget *>(Label1),
                       static_cast<QWidget *>(antalLabel)})
        linje->addWidget(w);
    linje->addStretch();
    lodret->addLayout(linje);

    Struktur = new TStruktur(side1);
    Struktur->setObjectName(QStringLiteral("Struktur"));
    Struktur->setDataOn(true);
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->setDragDropMode(QAbstractItemView::NoDragDrop);
    Struktur->installEventFilter(this);
    lodret->addWidget(Struktur, 1);

    connect(Struktur, &QTreeWidget::itemClicked, this, [this] { StrukturClick(); });
    connect(Struktur, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *ny, QTreeWidgetItem *forrige) {
                if (autoUdfold) udfoldAutomatisk(ny, forrige);
            });
    connect(expandKnap, &QToolButton::clicked, Struktur, &QTreeWidget::expandAll);
    connect(collapseKnap, &QToolButton::clicked, Struktur, &QTreeWidget::collapseAll);
    return side1;
}

QWidget *Tinfoform::byggSoegeside() {
    auto *side2 = new QWidget;
    side2->setObjectName(QStringLiteral("side2"));
    auto *lodret = new QVBoxLayout(side2);
    lodret->setContentsMargins(2, 2, 2, 2);
    const QString soegHint =
        QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter");
    aSearch = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                          QStringLiteral("Søg"), this);
    aSearch->setObjectName(QStringLiteral("aSearch"));
    aSearch->setToolTip(soegHint);
    aSearch->setStatusTip(soegHint);
    aSearch->setProperty("kategori", QStringLiteral("Søg"));
    aSearch->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    aSearch->setEnabled(false);
    addAction(aSearch);
    connect(aSearch, &QAction::triggered, this, [this] { FindTekst(EditFind->text()); });

    auto *linje = new QHBoxLayout;
    EditFind = new QLineEdit(side2);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setAccessibleName(QStringLiteral("Søgeord"));
    connect(EditFind, &QLineEdit::textChanged, this,
            [this] { aSearch->setEnabled(!EditFind->text().isEmpty()); });
    connect(EditFind, &QLineEdit::returnPressed, this, [this] {
        if (!EditFind->text().isEmpty()) FindTekst(EditFind->text());
    });
    sButton = new QToolButton(side2);
    sButton->setObjectName(QStringLiteral("sButton"));
    sButton->setDefaultAction(aSearch);
    linje->addWidget(EditFind, 1);
    linje->addWidget(sButton);
    lodret->addLayout(linje);

    Findis = new QListWidget(side2);
    Findis->setObjectName(QStringLiteral("Findis"));
    Findis->setAccessibleName(QStringLiteral("Fundne sider"));
    Findis->setSelectionMode(QAbstractItemView::SingleSelection);
    Findis->setItemDelegate(new TListeRaekke(19, Findis));
    Findis->setUniformItemSizes(true);
    connect(Findis, &QListWidget::itemClicked, this, [this] { FindisClick(); });
    lodret->addWidget(Findis, 1);
    return side2;
}

QWidget *Tinfoform::byggBrowserpanel() {
    auto *panel = new QWidget(deler);
    panel->setObjectName(QStringLiteral("browserPanel"));
    panel->setMinimumWidth(400);
    auto *lodret = new QVBoxLayout(panel);
    lodret->setContentsMargins(0, 0, 0, 0);
    QStyle *s = style();

    Afirst = nyHandling(QStringLiteral("Afirst"), QStringLiteral("Gå til første"),
                        s->standardIcon(QStyle::SP_MediaSkipBackward));
    Aback = nyHandling(QStringLiteral("Aback"), QStringLiteral("Tilbage"),
                       s->standardIcon(QStyle::SP_ArrowLeft));
    Aforward = nyHandling(QStringLiteral("Aforward"), QStringLiteral("Frem"),
                          s->standardIcon(QStyle::SP_ArrowRight));
    Alast = nyHandling(QStringLiteral("Alast"), QStringLiteral("Gå til sidste"),
                       s->standardIcon(QStyle::SP_MediaSkipForward));
    Ago = nyHandling(QStringLiteral("Ago"), QStringLiteral("Opdater/Gå"),
                     s->standardIcon(QStyle::SP_BrowserReload));
    connect(Afirst, &QAction::triggered, this, &Tinfoform::AfirstExecute);
    connect(Aback, &QAction::triggered, this, &Tinfoform::AbackExecute);
    connect(Aforward, &QAction::triggered, this, &Tinfoform::AforwardExecute);
    connect(Alast, &QAction::triggered, this, &Tinfoform::AlastExecute);
    connect(Ago, &QAction::triggered, this, &Tinfoform::AgoExecute);

    NavigateBar = new QToolBar(panel);
    NavigateBar->setObjectName(QStringLiteral("NavigateBar"));
    NavigateBar->addAction(Afirst);
    NavigateBar->addAction(Aback);
    NavigateBar->addAction(Aforward);
    NavigateBar->addAction(Alast);
    Edit = new QLineEdit(NavigateBar);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setAccessibleName(QStringLiteral("Adresse"));
    connect(Edit, &QLineEdit::textChanged, this, &Tinfoform::opdaterHandlinger);
    connect(Edit, &QLineEdit::returnPressed, this, &Tinfoform::AgoExecute);
    NavigateBar->addWidget(Edit);
    NavigateBar->addAction(Ago);
    NavigateBar->addSeparator();

    urlListeKnap =
        knap(NavigateBar, QStringLiteral("urlListeKnap"), QStringLiteral("Åben urllisten"),
             s->standardIcon(QStyle::SP_FileDialogListView));
    connect(urlListeKnap, &QToolButton::clicked, this, [] {
        urlform1->show();
        urlform1->raise();
    });
    tbRediger =
        knap(NavigateBar, QStringLiteral("tbRediger"), QStringLiteral("Rediger aktuelle dokument"),
             s->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(tbRediger, &QToolButton::clicked, this, [this] { runFilname(hjemmeside); });
    smKnap = knap(NavigateBar, QStringLiteral("smKnap"), QStringLiteral("Strukturkonstruktøren"),
                  s->standardIcon(QStyle::SP_FileDialogNewFolder));
    connect(smKnap, &QToolButton::clicked, this, [] {
        strukturform->show();
        strukturform->raise();
        strukturform->activateWindow();
    });
    for (QToolButton *b : {urlListeKnap, tbRediger, smKnap})
        NavigateBar->addWidget(b);
    lodret->addWidget(NavigateBar);

    Web = new TWebBrowser(panel);
    Web->setObjectName(QStringLiteral("Web"));
    lodret->addWidget(Web, 1);
    connect(Web, &TWebBrowser::TitelSkift, this, &Tinfoform::WebTitleChange);
    connect(Web, &TWebBrowser::MusOver, this, &Tinfoform::MusOver);
    connect(Web, &TWebBrowser::NytVindue, this, [this](const QUrl &, bool *haandteret) {
        // A link opened in a new window shows here instead.
        if (globalUrl.isEmpty()) return;
        *haandteret = true;
        Web->Navigate(globalUrl);
    });
    return panel;
}

// --- options -----------------------------------------------------------------

void Tinfoform::hentOpt() {
    int top = 64, left = 61, bredde = 819, hoejde = 930;
    OptionLaeser o(optFilnavn);
    if (o.findes() && o.tal(top) && o.tal(left) && o.tal(bredde) && o.tal(hoejde) &&
        o.tal(panelBredde) && o.flag(autoUdfold))
        o.tekst(strukturnavn);
    setGeometry(left, top, bredde, hoejde);
    Skaermplads::tilpas(this);
    panelBredde = qMax(panelBredde, minPanelBredde);
    deler->setSizes({panelBredde, qMax(400, width() - panelBredde)});
}

void Tinfoform::gemOpt() {
    skrivOptioner(optFilnavn,
                  {QString::number(geometry().top()), QString::number(geometry().left()),
                   QString::number(width()), QString::number(height()),
                   QString::number(panelBredde),
                   autoUdfold ? QStringLiteral("1") : QStringLiteral("0"), strukturnavn});
}

// --- structures and elements -------------------------------------------------

void Tinfoform::LoadStruktur() {
    Struktur->setBilleder(ensAZ(strukturnavn, QStringLiteral("VBS")) ? ImageListVBS
                                                                     : strukturImage);
    const QString d = strukturdir + TStruktur::bartNavn(strukturnavn);
    Mappe = d + QStringLiteral("/tekstfiler");
    Struktur->setBilledmappe(d + QStringLiteral("/Billeder/"));
    Struktur->setStrukturfile(d + QStringLiteral("/struktur.txt"));
    Struktur->setDatafile(d + QStringLiteral("/data.txt"));
    Struktur->setInfomappe(d + QStringLiteral("/tekstfiler/"));
    Struktur->setHtmlmappe(Struktur->Infomappe() + QStringLiteral("Design og funktioner/"));
    if (!Dialoger::kommando([this] { Struktur->HentStruktur(); }, this)) Struktur->ryd();
    setWindowTitle(strukturnavn);
    antalLabel->setText(QString::number(Struktur->antal()));
    newNavn = strukturnavn;
}

void Tinfoform::HelpInfo(const QString &sName, const QString &S) {
    EditFind->setText(S);
    strukturnavn = sName;
    if (!ensAZ(newNavn, strukturnavn)) {
        newNavn = strukturnavn;
        LoadStruktur();
    }
    goToInfo(S);
    raise();
    activateWindow();
    Web->setFocus();
}

bool Tinfoform::goToInfo(const QString &openNodetekst) {
    if (isHidden()) show();
    if (Struktur->antal() == 0) return false;
    const QString soeg = openNodetekst.isEmpty() ? Struktur->tekstVed(0) : openNodetekst;
    const QList<QTreeWidgetItem *> alle = Struktur->elementer();
    for (QTreeWidgetItem *e : alle) {
        if (!ensAZ(e->text(0), soeg)) continue;
        e->setExpanded(true);
        visElement(e);
        return true;
    }
    visElement(alle.first());
    return false;
}

void Tinfoform::visElement(QTreeWidgetItem *element) {
    Struktur->setCurrentItem(element);
    Struktur->scrollToItem(element);
    StrukturClick();
}

void Tinfoform::StrukturClick() {
    const QTreeWidgetItem *valgt = Struktur->valgtElement();
    if (!valgt) return;
    const QString navn = TStruktur::sideNavn(valgt);
    if (!TStruktur::gyldigtSidenavn(navn)) {
        Dialoger::fejl(TStruktur::ugyldigtSidenavn(navn), this);
        return;
    }
    Web->Navigate(Struktur->Infomappe() + navn + QStringLiteral(".html"));
}

QStringList Tinfoform::strukturNavne() const {
    // The structure maker keeps the list of structures.
    QStringList navne;
    if (strukturform && strukturform->strukturboks)
        for (int i = 0; i < strukturform->strukturboks->count(); ++i)
            navne << strukturform->strukturboks->item(i)->text();
    return navne;
}

void Tinfoform::createStrukturPU() {
    strukturPU->clear();
    const QStringList navne = strukturNavne();
    for (const QString &navn : navne) {
        // "&" is written doubled so the menu shows it instead of taking it as an
        // accelerator; the name itself rides along as data.
        QAction *a = strukturPU->addAction(style()->standardIcon(QStyle::SP_DirIcon),
                                           QString(navn).replace(u'&', QStringLiteral("&&")));
        a->setObjectName(navn);
        a->setData(navn);
        a->setStatusTip(QStringLiteral("Struktur"));
        a->setToolTip(QStringLiteral("Struktur"));
        connect(a, &QAction::triggered, this, [this, a] { PUonclick(a->data().toString()); });
    }
    if (navne.isEmpty()) {
        QAction *a = strukturPU->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                           QStringLiteral("Ingen strukturer"));
        a->setObjectName(QStringLiteral("Ingen strukturer"));
        a->setStatusTip(QStringLiteral("Opret struktur!"));
        a->setToolTip(QStringLiteral("Opret struktur!"));
    }
}

void Tinfoform::PUonclick(const QString &caption) {
    HelpInfo(caption, QString());
}

// --- history -----------------------------------------------------------------

int Tinfoform::antalBesoeg() const {
    return urlform1 ? urlform1->urlListe->count() : 0;
}

QString Tinfoform::besoegStruktur(int i) const {
    return urlform1->strukturliste->item(i)->text();
}

QString Tinfoform::besoegSide(int i) const {
    return urlform1->urlListe->item(i)->text();
}

void Tinfoform::vaelgRaekke(int i) {
    if (!urlform1 || i < 0 || i >= antalBesoeg()) return;
    urlform1->strukturliste->setCurrentRow(i);
    urlform1->urlListe->setCurrentRow(i);
}

void Tinfoform::WebTitleChange() {
    const QString sted = Web->LocationName();
    Edit->setText(sted);
    UrlLister(sted);
}

void Tinfoform::UrlLister(const QString &Urlen) {
    // A page reports its title more than once, at times only after the next page
    // was asked for. Pages of two structures may share a file name, so the file
    // shown tells a new page. A history move back to the page already shown must
    // still end here, or the next new page would go unrecorded.
    const QUrl vist = Web->url();
    const QString sti = Struktur->Infomappe() + Urlen;
    const QString fil = vist.isLocalFile() ? vist.toLocalFile() : sti;
    if (ensAZ(Urlen, oldUrl) && ensAZ(QDir::cleanPath(fil), QDir::cleanPath(hjemmeside)) &&
        !naviKlikket)
        return;
    oldUrl = Urlen;
    hjemmeside = sti;
    if (naviKlikket) {
        naviKlikket = false;
        vaelgRaekke(urlIndex);
        opdaterHandlinger();
        return;
    }
    if (!urlform1) return;
    const QString t = Struktur->getNodeTekst(TStruktur::bartNavn(Urlen));
    bool fundet = false;
    for (int i = 0; i < antalBesoeg(); ++i) {
        if (ensAZ(besoegSide(i), t) && ensAZ(besoegStruktur(i), strukturnavn)) {
            urlIndex = i;
            fundet = true;
        }
    }
    if (!fundet) {
        urlform1->strukturliste->addItem(strukturnavn);
        urlform1->urlListe->addItem(t);
        urlIndex = antalBesoeg() - 1;
    }
    vaelgRaekke(urlIndex);
    opdaterHandlinger();
}

void Tinfoform::goToStruktur(int aIndex) {
    if (aIndex < 0 || aIndex >= antalBesoeg()) return;
    urlIndex = aIndex;
    naviKlikket = true;
    HelpInfo(besoegStruktur(aIndex), besoegSide(aIndex));
    // A structure removed since the visit shows no page, and the next page shown
    // must still be recorded.
    if (Struktur->antal() == 0) {
        naviKlikket = false;
        vaelgRaekke(urlIndex);
        opdaterHandlinger();
    }
}

void Tinfoform::opdaterHandlinger() {
    const int n = antalBesoeg();
    Afirst->setEnabled(n >= 2 && urlIndex >= 1);
    Aback->setEnabled(urlIndex > 0);
    Aforward->setEnabled(urlIndex < n - 1);
    Alast->setEnabled(n >= 2 && urlIndex < n - 1);
    Ago->setEnabled(!Edit->text().isEmpty());
}

void Tinfoform::AfirstExecute() {
    goToStruktur(0);
}

void Tinfoform::AbackExecute() {
    goToStruktur(qMax(0, urlIndex - 1));
}

void Tinfoform::AforwardExecute() {
    goToStruktur(qMin(antalBesoeg() - 1, urlIndex + 1));
}

void Tinfoform::AlastExecute() {
    goToStruktur(antalBesoeg() - 1);
}

void Tinfoform::AgoExecute() {
    const QString tekst = Edit->text();
    if (tekst.isEmpty()) return;
    const QString p = Struktur->Infomappe() + tekst;
    if (QFileInfo(p).isFile())
        Web->Navigate(p);
    else
        // Encoded, so that "#", "&" or "+" in the text are searched for too.
        Web->Navigate(QStringLiteral("https://www.google.com/search?q=") +
                      QString::fromLatin1(QUrl::toPercentEncoding(tekst)));
}

// --- search ------------------------------------------------------------------

void Tinfoform::FindTekst(const QString &aTekst) {
    // An empty name would mean the working folder, which is no page folder.
    if (Mappe.isEmpty() || !QDir(Mappe).exists()) {
        Dialoger::info(QStringLiteral("Filerne blev ikke fundet."), this);
        return;
    }
    Findis->clear();
    Findis->repaint();
    if (aTekst.isEmpty()) return;
    Timeglas vent;
    TRichEdit *RE = editform->RE;
    // Subfolders are not entered; the hits keep the order the file system lists.
    QDirIterator it(Mappe, QDir::Files | QDir::Hidden | QDir::System);
    try {
        while (it.hasNext()) {
            const QString sti = Mappe + u'/' + QFileInfo(it.next()).fileName();
            if (!QFileInfo(sti).isFile()) continue;
            RE->LoadFromFile(sti);
            if (RE->FindText(aTekst, 0, RE->document()->characterCount(), true, true) >= 0)
                Findis->addItem(TStruktur::bartNavn(sti));
        }
    } catch (const std::exception &) {
        // A file that cannot be read ends the search; the hits so far stay.
    }
}

void Tinfoform::FindisClick() {
    const QListWidgetItem *raekke = Findis->currentItem();
    if (!raekke || !raekke->isSelected()) return;
    Web->Navigate(Struktur->Infomappe() + raekke->text() + QStringLiteral(".html"));
}

// --- the external editor and page events ------------------------------------

void Tinfoform::runFilname(const QString &aFilename) {
    if (!QFileInfo(aFilename).isFile()) return;
    if (const int kode = EksternEditor::start(htmlProgram, aFilename); kode <= 32) ErrorInfo(kode);
}

QString Tinfoform::fejlTekst(int Nr) {
    switch (Nr) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral(
            "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral(
            "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                              "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral("Der er ikke associeret noget program til givne filefternavn.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}

void Tinfoform::ErrorInfo(int Nr) {
    QMessageBox boks(QMessageBox::Information, QStringLiteral("Fejlinformation"), fejlTekst(Nr),
                     QMessageBox::NoButton, this);
    boks.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    Dialoger::visModal(&boks);
}

void Tinfoform::MusOver(const QString &tag, const QString &href, const QString &foraelderTag,
                        const QString &foraelderHref) {
    infobar->clearMessage();
    globalUrl.clear();
    QString url;
    if (tag.compare(QStringLiteral("a"), Qt::CaseInsensitive) == 0)
        url = href;
    else if (tag.compare(QStringLiteral("img"), Qt::CaseInsensitive) == 0 &&
             foraelderTag.compare(QStringLiteral("a"), Qt::CaseInsensitive) == 0)
        url = foraelderHref;
    if (!TWebBrowser::GyldigUrl(url)) return;
    infobar->showMessage(url);
    globalUrl = url;
}

// --- window events -----------------------------------------------------------

void Tinfoform::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (!opstart) return;
    opstart = false;
    createStrukturPU();
}

bool Tinfoform::event(QEvent *e) {
    if (e->type() == QEvent::StatusTip) {
        infobar->showMessage(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}

bool Tinfoform::eventFilter(QObject *objekt, QEvent *e) {
    if (objekt == Struktur && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) {
            StrukturClick();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}
