#include "win.h"

#include "app/vinduer.h"
#include "core/sammenlign.h"
#include "editor/filvagt.h"
#include "editor/fuldfoerer.h"
#include "editor/kodemarkering.h"
#include "editor/stavemarkering.h"
#include "editor/tagmenuer.h"
#include "editor/tagpartner.h"
#include "forms/historik.h"
#include "forms/kontrol.h"
#include "forms/memoUnit.h"
#include "forms/spm.h"
#include "main/hint.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"

#include "tags/taginfo.h"
#include <QWebEnginePage>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Side { sideDagbog, sideRediger, sideDesign, sideFunktioner };

constexpr int panelBredde = 60;    // the least width of a status panel
constexpr int taelleskridtMs = 12; // how long counting the lines may keep the events waiting
constexpr int langSide = 200000;   // characters from which the lines wait for the editor shown

QPlainTextEdit *fokusEditor() {
    return qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
}

// A status panel of a fixed size while its text fits: a label that may change size
// has the whole window laid out and repainted at each new text, that is at each key.
void saetPanel(QLabel *panel, const QString &tekst) {
    if (panel->text() == tekst) return;
    panel->setText(tekst);
    const QSize hint = panel->sizeHint();
    const QSize maal(qMax(panelBredde, hint.width()), hint.height());
    if (panel->minimumSize() != maal || panel->maximumSize() != maal) panel->setFixedSize(maal);
}

} // namespace

Twinform *Twinform::aaben(Tmainform *hoved, const QString &sti) {
    auto *w = new Twinform(hoved, sti);
    QMdiSubWindow *sub = hoved->klient->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(QFileInfo(sti).completeBaseName());
    sub->showMaximized();
    w->visPreview();
    return w;
}

Twinform::Twinform(Tmainform *hovedvindue, const QString &sti)
    : QWidget(nullptr)
    , hoved(hovedvindue) {
    setObjectName(QStringLiteral("winform"));
    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(0, 0, 0, 0);

    EditCut1 = nyHandling(QStringLiteral("EditCut1"), QStringLiteral("Klip"),
                          QStringLiteral("Klip valgte tekst: Ctrl+X"), QKeySequence::Cut);
    EditCopy1 = nyHandling(QStringLiteral("EditCopy1"), QStringLiteral("Kopier"),
                           QStringLiteral("Kopier valgte tekst: Ctrl+C"), QKeySequence::Copy);
    EditPaste1 = nyHandling(QStringLiteral("EditPaste1"), QStringLiteral("Sæt ind"),
                            QStringLiteral("Sæt ind fra klipbord: Ctrl+V"), QKeySequence::Paste);
    EditSelectAll1 = nyHandling(QStringLiteral("EditSelectAll1"), QStringLiteral("Vælg alt"),
                                QStringLiteral("Vælg alt: Ctrl+A"), QKeySequence::SelectAll);
    EditUndo1 = nyHandling(QStringLiteral("EditUndo1"), QStringLiteral("Annuller"),
                           QStringLiteral("Annuller: Ctrl+Z"), QKeySequence::Undo);
    EditDelete1 =
        nyHandling(QStringLiteral("EditDelete1"), QStringLiteral("Slet"),
                   QStringLiteral("Slet valgte tekst: Del"), QKeySequence(Qt::Key_Delete));
    aGem = nyHandling(QStringLiteral("aGem"), QStringLiteral("Gem"), QStringLiteral("Gem Ctrl+S"),
                      QKeySequence(QStringLiteral("Ctrl+S")));
    aGemDesign =
        nyHandling(QStringLiteral("aGemDesign"), QStringLiteral("Gem design"),
                   QStringLiteral("Gem design: Ctrl+D"), QKeySequence(QStringLiteral("Ctrl+D")));
    aGemFunktioner = nyHandling(QStringLiteral("aGemFunktioner"), QStringLiteral("Gem funktioner"),
                                QStringLiteral("Gem funktioner: Ctrl+F"),
                                QKeySequence(QStringLiteral("Ctrl+F")));
    aKodeKontrol = nyHandling(QStringLiteral("aKodeKontrol"), QStringLiteral("Kontrol"),
                              QStringLiteral("Kontroller dokumentet for koder"), {});
    pasteFromInfo =
        nyHandling(QStringLiteral("pasteFromInfo"), QStringLiteral("Indsæt fra hjemmeside"),
                   QStringLiteral("Indsæt tekst der er kopieret i en hjemmeside: Ctrl+W"),
                   QKeySequence(QStringLiteral("Ctrl+W")));
    aHistorik = nyHandling(QStringLiteral("aHistorik"), QStringLiteral("Tidligere udgaver…"),
                           QStringLiteral("Se og hent tidligere udgaver af filen: Ctrl+H"),
                           QKeySequence(QStringLiteral("Ctrl+H")));
    aNyLinje = nyHandling(QStringLiteral("aNyLinje"), QString(),
                          QStringLiteral("Indfør koden for ny linje: Ctrl+N"),
                          QKeySequence(QStringLiteral("Ctrl+N")));

    connect(EditCut1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->cut();
    });
    connect(EditCopy1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->copy();
    });
    connect(EditPaste1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->paste();
    });
    connect(EditSelectAll1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->selectAll();
    });
    connect(EditUndo1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->undo();
    });
    connect(EditDelete1, &QAction::triggered, this, [] {
        if (auto *e = fokusEditor()) e->textCursor().removeSelectedText();
    });
    connect(aGem, &QAction::triggered, this, &Twinform::aGemExecute);
    connect(aGemDesign, &QAction::triggered, this, &Twinform::aGemDesignExecute);
    connect(aGemFunktioner, &QAction::triggered, this, &Twinform::aGemFunktionerExecute);
    connect(aKodeKontrol, &QAction::triggered, this, &Twinform::aKodeKontrolExecute);
    connect(pasteFromInfo, &QAction::triggered, this, &Twinform::pasteFromInfoExecute);
    connect(aNyLinje, &QAction::triggered, this, &Twinform::aNyLinjeExecute);
    connect(aHistorik, &QAction::triggered, this, &Twinform::aHistorikExecute);

    byggKlicheHandlinger();

    EditorBog = new QTabWidget(this);
    EditorBog->setObjectName(QStringLiteral("EditorBog"));
    EditorBog->setAccessibleName(QStringLiteral("Editorens sider"));
    lodret->addWidget(EditorBog);

    auto *side1 = new QWidget;
    side1->setObjectName(QStringLiteral("side1"));
    Web = new TWebBrowser(side1);
    Web->setObjectName(QStringLiteral("Web"));
    auto *l1 = new QVBoxLayout(side1);
    l1->setContentsMargins(0, 0, 0, 0);
    l1->addWidget(Web);
    EditorBog->addTab(side1, QStringLiteral("Dagbog"));
    EditorBog->addTab(byggRedigerside(), QStringLiteral("Rediger"));

    auto filside = [this](const QString &navn, const QString &titel, TRichEdit *editor,
                          QAction *gem, const QString &infoNavn, QAction *info) {
        auto *side = new QWidget;
        side->setObjectName(navn);
        auto *l = new QVBoxLayout(side);
        l->setContentsMargins(2, 2, 2, 2);
        auto *raekke = new QHBoxLayout;
        auto *infoKnap = new QToolButton(side);
        infoKnap->setObjectName(infoNavn);
        infoKnap->setDefaultAction(info);
        infoKnap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        auto *gemKnap = new QToolButton(side);
        gemKnap->setObjectName(gem->objectName() + QStringLiteral("Knap"));
        gemKnap->setDefaultAction(gem);
        gemKnap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        raekke->addWidget(infoKnap);
        raekke->addWidget(gemKnap);
        raekke->addStretch();
        l->addLayout(raekke);
        editor->setParent(side);
        l->addWidget(editor);
        EditorBog->addTab(side, titel);
    };
    EditorDesign = nyEditor(QStringLiteral("EditorDesign"));
    EditorFunktioner = nyEditor(QStringLiteral("EditorFunktioner"));
    EditorDesign->setAccessibleName(QStringLiteral("design.css"));
    EditorFunktioner->setAccessibleName(QStringLiteral("funktioner.js"));
    filside(QStringLiteral("side3"), QStringLiteral("Design"), EditorDesign, aGemDesign,
            QStringLiteral("Button5"), aCssInfo);
    filside(QStringLiteral("side4"), QStringLiteral("Funktioner"), EditorFunktioner, aGemFunktioner,
            QStringLiteral("Button7"), aJsInfo);
    EditorBog->setTabVisible(sideDesign, false);
    EditorBog->setTabVisible(sideFunktioner, false);
    connect(EditorBog, &QTabWidget::currentChanged, this, &Twinform::EditorBogChange);

    const QList<QAction *> sidens{EditUndo1,  nullptr,       EditCut1, EditCopy1,      nullptr,
                                  EditPaste1, pasteFromInfo, nullptr,  EditSelectAll1, EditDelete1,
                                  nullptr,    aGem,          nullptr,  aHistorik};
    QMenu *PopupMenu = kontekstMenu(QStringLiteral("PopupMenu"), sidens);
    for (QWidget *w : {static_cast<QWidget *>(Editor), static_cast<QWidget *>(Web)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, PopupMenu, w](const QPoint &p) {
                    // A marked word gets the spelling menu, with the page menu below it.
                    if (w == Editor && stavemarkering->visMenu(p, PopupMenu)) return;
                    PopupMenu->popup(w->mapToGlobal(p));
                });
    }
    auto filMenu = [this](TRichEdit *editor, const QString &navn, QAction *gem) {
        QMenu *m = kontekstMenu(navn, {EditUndo1, nullptr, EditCut1, EditCopy1, nullptr, EditPaste1,
                                       EditSelectAll1, nullptr, EditDelete1, nullptr, gem, nullptr,
                                       aHistorik});
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this,
                [m, editor](const QPoint &p) { m->popup(editor->mapToGlobal(p)); });
    };
    filMenu(EditorDesign, QStringLiteral("PUdesign"), aGemDesign);
    filMenu(EditorFunktioner, QStringLiteral("PUfunktioner"), aGemFunktioner);

    // Creation: the page, with the standard font, and the tag bar as chosen.
    HtmlBar->setVisible(hoved->visHtmlBar);
    for (TRichEdit *e : {Editor, EditorDesign, EditorFunktioner}) {
        e->setFontNavn(hoved->bogstavName);
        e->setFontStoerrelse(hoved->bogstavSize);
    }
    for (TRichEdit *e : {Editor, EditorDesign, EditorFunktioner})
        new Filvagt(e);
    connect(Editor->findChild<Filvagt *>(), &Filvagt::genindlaest, this, &Twinform::visPreview);
    Filnavn = sti;
    Editor->LoadFromFile(Filnavn);
    Editor->setModified(false);
    stavemarkering = new Stavemarkering(Editor, hoved->stavning);
    kodeDesign = new Kodemarkering(EditorDesign, Fuldfoerelse::Sprog::Css);
    kodeFunktioner = new Kodemarkering(EditorFunktioner, Fuldfoerelse::Sprog::Js);
    saetFarver(hoved->farver);
    fuldfoerelseslister = std::make_unique<Fuldfoerelseslister>(
        hoved->taginf, hoved->programDir + QStringLiteral("Dir/"));
    new Fuldfoerer(Editor, stavemarkering, fuldfoerelseslister.get());
    new Fuldfoerer(EditorDesign, kodeDesign, fuldfoerelseslister.get());
    new Fuldfoerer(EditorFunktioner, kodeFunktioner, fuldfoerelseslister.get());
    new Tagpartner(Editor, stavemarkering, &hoved->taginf->Nosluttagliste());
    taelleUr = new QTimer(this);
    taelleUr->setSingleShot(true);
    taelleUr->setInterval(0);
    connect(taelleUr, &QTimer::timeout, this, &Twinform::XYinfo);
    previewUr = new QTimer(this);
    previewUr->setSingleShot(true);
    previewUr->setInterval(500);
    connect(previewUr, &QTimer::timeout, this, &Twinform::opdaterPreviewSiden);
    connect(Editor->document(), &QTextDocument::contentsChanged, this, [this] {
        if (PreviewSiden && PreviewSiden->isVisible()) previewUr->start();
    });
    if (hoved->previewSiden) visPreviewSiden(true);
    byggGendannelse();
    EditorBog->setCurrentIndex(sideRediger);

    // A shortcut typed before the idle update has run must find its action as
    // the text now stands (Ctrl+S right after the first key), so a change of
    // the modified state updates the actions at once.
    for (TRichEdit *e : {Editor, EditorDesign, EditorFunktioner}) {
        connect(e->document(), &QTextDocument::modificationChanged, this,
                &Twinform::opdaterHandlinger);
        connect(e->document(), &QTextDocument::modificationChanged, this,
                [this] { hoved->visAendret(CapNavn, harAendringer()); });
    }
    auto *opdaterer = new QTimer(this);
    opdaterer->setInterval(100);
    connect(opdaterer, &QTimer::timeout, this, &Twinform::opdaterHandlinger);
    opdaterer->start();
    opdaterHandlinger();
}

Twinform::~Twinform() = default;

QAction *Twinform::nyHandling(const QString &navn, const QString &tekst, const QString &hinttekst,
                              const QKeySequence &genvej) {
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hinttekst);
    a->setStatusTip(hinttekst);
    a->setShortcut(genvej);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
    return a;
}

TRichEdit *Twinform::nyEditor(const QString &navn) {
    auto *e = new TRichEdit(this);
    e->setObjectName(navn);
    e->installEventFilter(this);
    e->viewport()->installEventFilter(this);
    return e;
}

QMenu *Twinform::kontekstMenu(const QString &navn, const QList<QAction *> &handlinger) {
    auto *m = new QMenu(this);
    m->setObjectName(navn);
    for (QAction *a : handlinger) {
        if (a)
            m->addAction(a);
        else
            m->addSeparator();
    }
    return m;
}

QWidget *Twinform::byggRedigerside() {
    auto *side2 = new QWidget;
    side2->setObjectName(QStringLiteral("side2"));
    auto *l = new QVBoxLayout(side2);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(2);

    HtmlBar = new QToolBar(side2);
    HtmlBar->setObjectName(QStringLiteral("HtmlBar"));
    HtmlBar->addWidget(infoKodelinjeKnap(HtmlBar));
    byggTagMenuer(HtmlBar, this, [this](const TagMenuPunkt &punkt) {
        udfoerTagPunkt(*hoved->taginf, punkt);
        XYinfo();
    });
    HtmlBar->addWidget(splitKnap(HtmlBar, QStringLiteral("Button15"), QStringLiteral("Tegn"),
                                 QStringLiteral("Specialtegn"), PUspecialtegn));
    l->addWidget(HtmlBar);

    // A tool bar, so that a narrow window folds the last commands into its » menu
    // instead of cutting them off.
    auto *topPanel = new QToolBar(side2);
    topPanel->setObjectName(QStringLiteral("topPanel"));
    // A button works its action but keeps a caption and hint of its own, which a
    // default action would overwrite at its next change.
    auto knap = [topPanel](const QString &navn, QAction *a, const QString &tekst,
                           const QString &hintTekst = {}) {
        auto *b = new QToolButton(topPanel);
        b->setObjectName(navn);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setText(tekst.isEmpty() && a ? a->text() : tekst);
        hint(b, hintTekst.isEmpty() && a ? a->statusTip() : hintTekst);
        if (a) {
            b->setEnabled(a->isEnabled());
            connect(a, &QAction::enabledChanged, b, &QWidget::setEnabled);
            connect(b, &QToolButton::clicked, a, &QAction::trigger);
        }
        topPanel->addWidget(b);
        return b;
    };
    knap(QStringLiteral("Button2"), aKodeKontrol, {});
    knap(QStringLiteral("Button1"), aGem, {}, QStringLiteral("Gem: Ctrl+S"));
    QToolButton *Button4 = splitKnap(topPanel, QStringLiteral("Button4"), aHtmlInfo->text(),
                                     aHtmlInfo->statusTip(), PUkode);
    connect(Button4, &QToolButton::clicked, aHtmlInfo, &QAction::trigger);
    topPanel->addWidget(Button4);
    knap(QStringLiteral("Button3"), aSlutkode, {});
    knap(QStringLiteral("Button8"), aNyLinje, QStringLiteral("Ny linje"));
    QToolButton *FunkButton1 =
        splitKnap(topPanel, QStringLiteral("FunkButton1"), QStringLiteral("Tekst"),
                  QStringLiteral("Indfør tekstafsnit ved cursorposition"), PUtekst);
    connect(FunkButton1, &QToolButton::clicked, this,
            [this] { skrivKliche(QStringLiteral("mFunk01")); });
    topPanel->addWidget(FunkButton1);
    QToolButton *FunkButton2 =
        splitKnap(topPanel, QStringLiteral("FunkButton2"), QStringLiteral("Billede"),
                  QStringLiteral("Indfør billede"), PUbillede);
    connect(FunkButton2, &QToolButton::clicked, this,
            [this] { skrivKliche(QStringLiteral("mFunk05")); });
    topPanel->addWidget(FunkButton2);
    auto *DesignKnap = knap(QStringLiteral("DesignKnap"), nullptr, QStringLiteral("Design"),
                            QStringLiteral("Åben eller luk design"));
    connect(DesignKnap, &QToolButton::clicked, this,
            [this] { EditorBog->setTabVisible(sideDesign, !EditorBog->isTabVisible(sideDesign)); });
    auto *FunktionKnap = knap(QStringLiteral("FunktionKnap"), nullptr, QStringLiteral("Funktioner"),
                              QStringLiteral("Åben eller luk funktioner"));
    connect(FunktionKnap, &QToolButton::clicked, this, [this] {
        EditorBog->setTabVisible(sideFunktioner, !EditorBog->isTabVisible(sideFunktioner));
    });
    PreviewCheck = new QCheckBox(QStringLiteral("Preview"), topPanel);
    PreviewCheck->setObjectName(QStringLiteral("PreviewCheck"));
    hint(PreviewCheck, QStringLiteral("Udfør klicheer som preview"));
    topPanel->addWidget(PreviewCheck);
    l->addWidget(topPanel);

    Editor = nyEditor(QStringLiteral("Editor"));
    Editor->setAccessibleName(QStringLiteral("Sidens kode"));
    redigerDeler = new QSplitter(Qt::Horizontal, side2);
    redigerDeler->setObjectName(QStringLiteral("redigerDeler"));
    redigerDeler->addWidget(Editor);
    l->addWidget(redigerDeler, 1);

    auto *Info = new QStatusBar(side2);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setSizeGripEnabled(false);
    const QStringList tekster{QStringLiteral("Linier"), QString(), QStringLiteral("Pos"), QString(),
                              QString()};
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QLabel(tekster[i], Info);
        panel->setObjectName(QStringLiteral("Info%1").arg(i));
        panel->setMinimumWidth(i == 4 ? 0 : panelBredde);
        Info->addWidget(panel, i == 4 ? 1 : 0);
        InfoPaneler.append(panel);
    }
    l->addWidget(Info);
    return side2;
}

QMdiSubWindow *Twinform::subVindue() const {
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void Twinform::bringFrem() {
    if (QMdiSubWindow *sub = subVindue()) hoved->klient->setActiveSubWindow(sub);
}

void Twinform::luk() {
    if (QMdiSubWindow *sub = subVindue())
        sub->close();
    else
        close();
}

void Twinform::opdaterHandlinger() {
    QPlainTextEdit *e = fokusEditor();
    const bool skrivbar = e && !e->isReadOnly();
    const bool markering = e && e->textCursor().hasSelection();
    const QMimeData *udklip = QApplication::clipboard()->mimeData();
    EditCut1->setEnabled(skrivbar && markering);
    EditCopy1->setEnabled(markering);
    EditPaste1->setEnabled(skrivbar && udklip && udklip->hasText());
    EditSelectAll1->setEnabled(e && !e->document()->isEmpty());
    EditUndo1->setEnabled(skrivbar && e->document()->isUndoAvailable());
    EditDelete1->setEnabled(skrivbar && markering);
    aGem->setEnabled(Editor->Modified());
    aGemDesign->setEnabled(EditorDesign->Modified());
    aGemFunktioner->setEnabled(EditorFunktioner->Modified());
    const bool harEditor = hoved->taginf && hoved->taginf->editor();
    aKodeKontrol->setEnabled(harEditor);
    aNyLinje->setEnabled(harEditor);
    pasteFromInfo->setEnabled(EditPaste1->isEnabled());
    const bool markeret = harEditor && hoved->taginf->editor()->SelLength() > 0;
    UdskiftSpecialtegn->setEnabled(markeret);
    GendanSpecialtegn->setEnabled(markeret);
}

void Twinform::FormActivate() {
    if (opstart) {
        opstart = false;
        CapNavn = QFileInfo(Filnavn).completeBaseName();
        hoved->InsertTab();
        hoved->SetTCindex();
        Dialoger::kommando(
            [this] {
                EditorDesign->LoadFromFile(hoved->designName);
                EditorFunktioner->LoadFromFile(hoved->funktionName);
            },
            this);
        EditorDesign->setModified(false);
        EditorFunktioner->setModified(false);
    }
    hoved->fokusTab(CapNavn);
    if (kontrolform->isVisible() && !ensAZ(kontrolform->kontrolFilename, CapNavn))
        kontrolform->close();
}

void Twinform::EditorBogChange(int side) {
    Tinfotag *tag = hoved->taginf;
    switch (side) {
    case sideDagbog:
        tag->SetEditor(nullptr);
        break;
    case sideRediger:
        tag->SetEditor(Editor);
        Editor->setFocus();
        XYinfo();
        break;
    case sideDesign:
        tag->SetEditor(EditorDesign);
        break;
    case sideFunktioner:
        tag->SetEditor(EditorFunktioner);
        break;
    }
}

bool Twinform::eventFilter(QObject *objekt, QEvent *e) {
    if (e->type() == QEvent::FocusIn) {
        if (auto *editor = qobject_cast<TRichEdit *>(objekt)) {
            hoved->taginf->SetEditor(editor);
            opdaterHandlinger();
        }
    } else if (objekt == Editor && e->type() == QEvent::KeyRelease) {
        XYinfo();
    } else if (objekt == Editor && e->type() == QEvent::Show) {
        taelleUr->start();
    } else if (objekt == Editor->viewport()) {
        if (e->type() == QEvent::MouseButtonPress) {
            musNede = true;
        } else if (e->type() == QEvent::MouseButtonRelease) {
            musNede = false;
            XYinfo();
        } else if (e->type() == QEvent::MouseMove && musNede) {
            XYinfo();
        }
    }
    return QWidget::eventFilter(objekt, e);
}

void Twinform::saetFarver(bool til) {
    for (Kodemarkering *k :
         {static_cast<Kodemarkering *>(stavemarkering), kodeDesign, kodeFunktioner})
        k->saetFarver(til);
}

QString Twinform::previewSidenFil() const {
    // Beside the page, so that its relative links and pictures resolve as on disk.
    const QFileInfo side(Filnavn);
    return side.path() + QStringLiteral("/.~") + side.completeBaseName() + QStringLiteral(".html");
}

void Twinform::visPreviewSiden(bool til) {
    if (!til) {
        previewUr->stop();
        if (PreviewSiden) PreviewSiden->hide();
        QFile::remove(previewSidenFil());
        return;
    }
    if (!PreviewSiden) {
        PreviewSiden = new TWebBrowser(redigerDeler);
        PreviewSiden->setObjectName(QStringLiteral("PreviewSiden"));
        redigerDeler->addWidget(PreviewSiden);
        // Each refresh keeps the place the reader had scrolled to.
        connect(PreviewSiden, &TWebBrowser::DokumentFaerdig, this, [this] {
            const QPointF sted = PreviewSiden->property("rulleSted").toPointF();
            PreviewSiden->page()->runJavaScript(
                QStringLiteral("window.scrollTo(%1,%2)").arg(sted.x()).arg(sted.y()));
        });
    }
    PreviewSiden->show();
    // Half each; a view added while hidden would otherwise stay folded to nothing.
    const int halv = std::max(redigerDeler->width() / 2, 1);
    redigerDeler->setSizes({halv, halv});
    opdaterPreviewSiden();
}

void Twinform::opdaterPreviewSiden() {
    if (!PreviewSiden || !PreviewSiden->isVisible()) return;
    const QString fil = previewSidenFil();
    try {
        Tekstfil::skriv(fil, Editor->Linjer());
    } catch (const Tekstfil::FilFejl &) {
        return; // a folder that cannot be written: the preview keeps its last text
    }
    if (PreviewSiden->HarDokument())
        PreviewSiden->setProperty("rulleSted", PreviewSiden->page()->scrollPosition());
    PreviewSiden->Navigate(fil);
}

void Twinform::XYinfo() {
    // A long page is counted in steps between events, and the status line
    // follows once it is; a short one at once. The lines depend on the width the
    // editor is shown at, so a long page waits for the editor to be shown rather
    // than be laid out at a first width and again at the shown one.
    if (!Editor->isVisible() && Editor->document()->characterCount() > langSide) return;
    if (!Editor->taelLinjer(taelleskridtMs)) {
        taelleUr->start();
        return;
    }
    LinieAntal = unsigned(Editor->LinjeAntal());
    posY = Editor->CaretLinje();
    posX = unsigned(Editor->CaretKolonne());
    saetPanel(InfoPaneler[1], QString::number(LinieAntal));
    saetPanel(InfoPaneler[3], QString::number(posX) + u',' + QString::number(posY + 1));
}

void Twinform::UdskrivLinje(const QString &S) {
    Editor->setSelText(S + u'\n');
    Editor->setModified(true);
    Editor->setFocus();
}

void Twinform::aNyLinjeExecute() {
    UdskrivLinje(QStringLiteral("<br>"));
    XYinfo();
}

void Twinform::pasteFromInfoExecute() {
    // Text copied from a web page carries formatting; only its plain text goes in.
    QPlainTextEdit *memo = memoForm->Memo;
    memo->clear();
    memo->setFont(QFont(hoved->bogstavName, hoved->bogstavSize));
    memo->paste();
    memo->selectAll();
    memo->copy();
    Editor->PasteFromClipboard();
}

void Twinform::visPreview() {
    Web->Navigate(Filnavn);
}

bool Twinform::gemFil(TRichEdit *editor, const QString &sti) {
    // Another window, program or sync tool may have saved the file since it was read.
    const Filvagt *vagt = editor->findChild<Filvagt *>();
    if (vagt && vagt->aendretPaaDisk() &&
        !spmform->spoerg({QStringLiteral("Filen %1 er ændret på disken, efter den blev åbnet.")
                              .arg(QFileInfo(sti).fileName()),
                          QStringLiteral("Skal den nyere fil overskrives?")}))
        return false;
    const bool gemt = Dialoger::kommando([editor, &sti] { editor->SaveToFile(sti); }, this);
    if (gemt) hoved->sikkerhedskopiVedGem();
    return gemt;
}

void Twinform::aGemExecute() {
    if (gemFil(Editor, Filnavn)) visPreview();
}

void Twinform::aGemDesignExecute() {
    if (gemFil(EditorDesign, hoved->designName)) hoved->filGemt(hoved->designName, this);
}

void Twinform::aGemFunktionerExecute() {
    if (gemFil(EditorFunktioner, hoved->funktionName)) hoved->filGemt(hoved->funktionName, this);
}

void Twinform::genindlaesHvisUaendret(const QString &sti) {
    // An unmodified copy follows the newer file, so a later save cannot write stale text.
    TRichEdit *editor = editorTil(sti);
    if (!editor || editor == Editor || opstart || editor->Modified()) return;
    Dialoger::kommando([editor, &sti] { editor->LoadFromFile(sti); }, this);
}

TRichEdit *Twinform::editorTil(const QString &fil) const {
    return fil == Filnavn               ? Editor
           : fil == hoved->designName   ? EditorDesign
           : fil == hoved->funktionName ? EditorFunktioner
                                        : nullptr;
}

void Twinform::aHistorikExecute() {
    // The file of the page in front: design.css and funktioner.js have their own.
    const int side = EditorBog->currentIndex();
    const QString fil = side == sideDesign       ? hoved->designName
                        : side == sideFunktioner ? hoved->funktionName
                                                 : Filnavn;
    auto *vindue = new Thistorikform(this, fil);
    vindue->show();
}

void Twinform::aKodeKontrolExecute() {
    kontrolform->kontrolFilename = CapNavn;
    kontrolform->show();
    kontrolform->setWindowTitle(CapNavn);
    hoved->ReadHtmlStruktur();
}

bool Twinform::spoerg(TRichEdit *editor, const QStringList &linjer, const QString &sti) {
    if (!editor->Modified()) return true;
    if (spmform->spoerg(linjer)) return gemFil(editor, sti);
    editor->setModified(false);
    return true;
}

bool Twinform::harAendringer() const {
    return Editor->Modified() || EditorDesign->Modified() || EditorFunktioner->Modified();
}

bool Twinform::spoergOmGem() {
    const QStringList side{QStringLiteral("Filen er redigeret."),
                           QStringLiteral("Skal den gemmes?")};
    const bool sideGemt = spoerg(Editor, side, Filnavn);
    const bool designGemt =
        spoerg(EditorDesign, {QStringLiteral("Filen design.css er redigeret."), side[1]},
               hoved->designName);
    const bool funktionerGemt =
        spoerg(EditorFunktioner, {QStringLiteral("Filen funktioner.js er redigeret."), side[1]},
               hoved->funktionName);
    return sideGemt && designGemt && funktionerGemt;
}

void Twinform::lukUdenSpoergsmaal() {
    udenSpoergsmaal = true;
    luk();
}

void Twinform::closeEvent(QCloseEvent *e) {
    // A save that failed keeps the window open, so the text is not lost.
    if (!udenSpoergsmaal && !spoergOmGem()) {
        e->ignore();
        return;
    }
    hoved->CloseTab(CapNavn);
    hoved->taginf->SetEditor(nullptr);
    if (PreviewSiden) QFile::remove(previewSidenFil());
    if (kontrolform->isVisible()) kontrolform->close();
    e->accept();
}
