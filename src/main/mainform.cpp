#include "mainform.h"

#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/gendannelse.h"
#include "editor/stavemarkering.h"
#include "editor/win.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/kontrol.h"
#include "forms/spm.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "platform/dialoger.h"
#include "platform/historik.h"
#include "platform/ikoner.h"
#include "platform/mapper.h"
#include "platform/optionfil.h"
#include "platform/skaermplads.h"
#include "platform/stilarter.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"
#include "tags/taginfo.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

Tmainform::Tmainform(QWidget *parent)
    : QMainWindow(parent) {
    Timeglas vent;
    setObjectName(QStringLiteral("mainform"));
    Skaermplads::saetHovedvindue(this);
    setMinimumSize(900, 582);

    programDir = Mapper::rod();
    brugernavn = Mapper::brugernavn();
    setWindowTitle(QStringLiteral("Dagbog: ") + brugernavn);
    brugerDir = programDir + u'/' + brugernavn;
    Mapper::opretMappe(brugerDir);
    strukturDir = brugerDir + QStringLiteral("/Struktur");
    Mapper::opretMappe(strukturDir);
    strukturDir += u'/';
    designName = strukturDir + QStringLiteral("design.css");
    Mapper::kopierHvisMangler(programDir + QStringLiteral("/Program/Html/design.css"), designName);
    funktionName = strukturDir + QStringLiteral("funktioner.js");
    Mapper::kopierHvisMangler(programDir + QStringLiteral("/Program/Html/funktioner.js"),
                              funktionName);
    optDir = brugerDir + QStringLiteral("/Egenskaber");
    Mapper::opretMappe(optDir);
    optDir += u'/';
    optfilnavn = optDir + QStringLiteral("mainform.txt");
    stavning = new TStavning(Stavekontrol::findOrdbog(programDir + QStringLiteral("/Program")),
                             optDir + QStringLiteral("ordbog.txt"), this);

    const QRect sted = hentOpt();
    // A saved look replaces the start look (without an option file the start look
    // stays), before the widgets exist: applied to a built window, it would
    // polish every widget in it again.
    if (QFileInfo::exists(optfilnavn) && !designNavn.isEmpty() && !Stilarter::anvend(designNavn))
        Dialoger::fejl(QStringLiteral("Designet \"%1\" findes ikke.").arg(designNavn), this);
    byggVindue();
    visOpt(sted);
    indstillingerVedStart();

    programDir += QStringLiteral("/Program/");
    htmllistedir = programDir + QStringLiteral("Dir/Html/");
    attributedir = programDir + QStringLiteral("Dir/Attributes/");
    taginf = new Tinfotag(this);
    connect(taginf, &Tinfotag::OnProgress, this, &Tmainform::showProgress);
    indlaesLister();
}

void Tmainform::indlaesLister() {
    // A list that cannot be opened stops the rest of the start-up work; the
    // window opens all the same, without its one-time work at first show.
    opstart = Dialoger::kommando(
        [this] {
            taginf->LoadNosluttagliste(htmllistedir + QStringLiteral("UdenSlutkode.txt"));
            taginf->LoadTagliste(htmllistedir + QStringLiteral("MedSlutkode.txt"));
            taginf->LoadAlletagliste(htmllistedir + QStringLiteral("AlleKoder.txt"));
            taginf->LoadUAttributliste(attributedir + QStringLiteral("_undtagelser.txt"));
            taginf->LoadExcludeliste(htmllistedir + QStringLiteral("Ekskluderet.txt"));
        },
        this);
}

QAction *Tmainform::nyHandling(const QString &navn, const QString &tekst, const QString &hint,
                               const QKeySequence &genvej) {
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setShortcut(genvej);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    return a;
}

void Tmainform::byggVindue() {
    aLukAktuelle = nyHandling(QStringLiteral("aLukAktuelle"), QStringLiteral("Luk aktuelle"),
                              QStringLiteral("Luk aktuelle dato: Ctrl+L"),
                              QKeySequence(QStringLiteral("Ctrl+L")));
    aLukAlle = nyHandling(QStringLiteral("aLukAlle"), QStringLiteral("Luk alle"),
                          QStringLiteral("Luk alle åbne dokumenter: Ctrl+Alt+L"),
                          QKeySequence(QStringLiteral("Ctrl+Alt+L")));
    aLukProg = nyHandling(QStringLiteral("aLukProg"), QStringLiteral("Luk programmet"),
                          QStringLiteral("Luk programmet: Ctrl+Q"),
                          QKeySequence(QStringLiteral("Ctrl+Q")));
    aInformation = nyHandling(QStringLiteral("aInformation"), QStringLiteral("Alle"),
                              QStringLiteral("Information"), QKeySequence(Qt::Key_F1));
    Adagbog = nyHandling(QStringLiteral("Adagbog"), QStringLiteral("Åben dagbogen"),
                         QStringLiteral("Åben dagbogen til gennemsyn"), {});
    Aopdater = nyHandling(QStringLiteral("Aopdater"), QStringLiteral("Opdater"),
                          QStringLiteral("Opdater kalender"), {});

    connect(aLukAktuelle, &QAction::triggered, this, [this] {
        if (Twinform *w = aktivtVindue()) w->luk();
    });
    connect(aLukAlle, &QAction::triggered, this, [this] {
        const QList<Twinform *> vinduer = editorVinduer();
        for (auto it = vinduer.crbegin(); it != vinduer.crend(); ++it)
            (*it)->luk();
    });
    connect(aLukProg, &QAction::triggered, this, &QWidget::close);
    connect(aInformation, &QAction::triggered, this,
            [] { infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Dagbog")); });
    connect(Adagbog, &QAction::triggered, this, &Tmainform::AdagbogExecute);
    connect(Aopdater, &QAction::triggered, this, &Tmainform::AopdaterExecute);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(10);
    connect(Timer, &QTimer::timeout, this, [this] {
        if (!isVisible()) return;
        Timer->stop();
        dagbogform->show();
    });
    TimerKlokken = new QTimer(this);
    TimerKlokken->setObjectName(QStringLiteral("TimerKlokken"));
    TimerKlokken->setInterval(1000);

    auto *midte = new QWidget(this);
    auto *lodret = new QVBoxLayout(midte);
    lodret->setContentsMargins(2, 2, 2, 2);
    lodret->setSpacing(2);

    auto *topPanel = new QWidget(midte);
    topPanel->setObjectName(QStringLiteral("topPanel"));
    auto *top = new QHBoxLayout(topPanel);
    top->setContentsMargins(0, 0, 0, 0);
    auto knap = [topPanel](const QString &navn, QAction *a, Ikoner::Tegning ikon) {
        auto *b = new QToolButton(topPanel);
        b->setObjectName(navn);
        a->setIcon(Ikoner::tegnet(ikon));
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        return b;
    };
    top->addWidget(knap(QStringLiteral("Button2"), aLukAktuelle, Ikoner::Tegning::Luk));
    top->addWidget(knap(QStringLiteral("LukKnap"), aLukAlle, Ikoner::Tegning::LukAlle));
    tc = new QTabBar(topPanel);
    tc->setObjectName(QStringLiteral("tc"));
    tc->setExpanding(false);
    tc->setDrawBase(false);
    tc->setElideMode(Qt::ElideNone);
    tc->setUsesScrollButtons(true);
    // Whatever changes the tab (a click, the wheel, an arrow key) brings its
    // window forward; a click on the current tab does so too.
    connect(tc, &QTabBar::currentChanged, this, [this](int i) {
        if (i >= 0) tcChange(i);
    });
    connect(tc, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i < 0) return;
        if (i == tc->currentIndex())
            tcChange(i);
        else
            tc->setCurrentIndex(i);
    });
    top->addWidget(tc, 1);
    top->addWidget(knap(QStringLiteral("Button3"), aLukProg, Ikoner::Tegning::LukProgram));
    lodret->addWidget(topPanel);

    auto *vandret = new QHBoxLayout;
    auto *leftPanel = new QWidget(midte);
    leftPanel->setObjectName(QStringLiteral("leftPanel"));
    leftPanel->setFixedWidth(300);
    auto *venstre = new QVBoxLayout(leftPanel);
    venstre->setContentsMargins(0, 0, 0, 0);
    Bog = new QTabWidget(leftPanel);
    Bog->setObjectName(QStringLiteral("Bog"));
    Bog->setAccessibleName(QStringLiteral("Sidepaneler"));
    const QStyle *s = style();
    Bog->addTab(byggKalenderside(), s->standardIcon(QStyle::SP_FileDialogDetailedView), QString());
    Bog->addTab(byggStrukturside(), s->standardIcon(QStyle::SP_DirIcon), QString());
    Bog->addTab(byggSoegeside(), s->standardIcon(QStyle::SP_FileDialogContentsView), QString());
    Bog->addTab(byggIndstillingsside(), s->standardIcon(QStyle::SP_ComputerIcon), QString());
    Bog->addTab(byggHelligdagsside(), s->standardIcon(QStyle::SP_BrowserReload), QString());
    const QStringList fanehints{QStringLiteral("Kalender"), QStringLiteral("Struktur"),
                                QStringLiteral("Søg"), QStringLiteral("Egenskaber"),
                                QStringLiteral("Dato og helligdage")};
    for (int i = 0; i < Bog->count(); ++i)
        Bog->setTabToolTip(i, fanehints[i]);
    connect(Bog, &QTabWidget::currentChanged, this, &Tmainform::BogChange);
    venstre->addWidget(Bog);
    vandret->addWidget(leftPanel);

    klient = new QMdiArea(midte);
    klient->setObjectName(QStringLiteral("klient"));
    klient->setViewMode(QMdiArea::SubWindowView);
    klient->setActivationOrder(QMdiArea::CreationOrder);
    connect(klient, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *sub) {
        if (auto *w = sub ? qobject_cast<Twinform *>(sub->widget()) : nullptr) w->FormActivate();
    });
    vandret->addWidget(klient, 1);
    lodret->addLayout(vandret, 1);
    setCentralWidget(midte);

    statusBar()->setObjectName(QStringLiteral("infobar"));

    // The enabled states follow the state they depend on, checked when idle.
    auto *opdaterer = new QTimer(this);
    opdaterer->setInterval(100);
    connect(opdaterer, &QTimer::timeout, this, &Tmainform::opdaterHandlinger);
    opdaterer->start();
    opdaterHandlinger();
}

void Tmainform::opdaterHandlinger() {
    const bool vinduer = !klient->subWindowList().isEmpty();
    aLukAktuelle->setEnabled(vinduer);
    aLukAlle->setEnabled(vinduer);
    Aopdater->setEnabled(opdater);
    Adagbog->setEnabled(Struktur->antal() > 0 && !(dagbogform && dagbogform->isVisible()));
    aSletStrukturElementUpdate();
    aSearchUpdate();
    aUdskrivDagbogUpdate();
}

void Tmainform::showEvent(QShowEvent *e) {
    QMainWindow::showEvent(e);
    FormShow();
    // The history catches up with the disk once the window is up: on the
    // first start it takes in the whole diary, in its worker.
    if (!historik) {
        historik = new THistorik(brugerDir, brugernavn, this);
        connect(historik, &THistorik::fejl, this, &Tmainform::historikFejl);
        connect(historik, &THistorik::fremskridt, this, &Tmainform::historikFremskridt);
        connect(historik, &THistorik::skrevet, this, [this] { historikFejlVist = false; });
        historik->saetSlaaetTil(tidligereUdgaver);
        QTimer::singleShot(0, historik, &THistorik::start);
    }
    // Not every desktop activates a new window, and the welcome must come all the same.
    QTimer::singleShot(0, this, &Tmainform::FormActivate);
}

void Tmainform::paintEvent(QPaintEvent *e) {
    QMainWindow::paintEvent(e);
    if (tegnet) return;
    tegnet = true;
    // The dictionary is read once the window is on screen, not on the way there
    // nor at the first page opened: one word asked about reads it.
    QTimer::singleShot(0, this, [this] {
        if (stavning->aktiv()) stavning->korrekt(QStringLiteral("dagbog"));
    });
}

void Tmainform::changeEvent(QEvent *e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    if (e->type() == QEvent::PaletteChange && kalender) kalenderFarver();
}

void Tmainform::FormShow() {
    if (!opstart) return;
    createStrukturPU();
    datoLabel->setText(QStringLiteral("I dag: ") +
                       QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    kalender->setSelectedDate(QDate::currentDate());
    kalenderChange();
    // A damaged tree file is reported and left as it is; the window comes up all
    // the same, and the box waits until it is on screen.
    QString fejl;
    try {
        LoadStrukturen(strukturNavn);
    } catch (const Tekstfil::FilFejl &f) {
        fejl = Dialoger::fejltekst(f);
    }
    markerDagsider();
    aarEdit->setText(QString::number(QDate::currentDate().year()));
    if (openMedDagbog) Timer->start();
    if (!fejl.isEmpty()) QTimer::singleShot(0, this, [this, fejl] { Dialoger::fejl(fejl, this); });
}

void Tmainform::tilbydGendannelse() {
    if (gendannelseTilbudt) return;
    gendannelseTilbudt = true;
    Gendannelse::tilbydVedStart(this);
}

void Tmainform::FormActivate() {
    // Also when the tag lists failed: the kept text must not wait for them.
    tilbydGendannelse();
    if (!opstart) return;
    opstart = false;
    QTimer::singleShot(0, this, &Tmainform::visMinderVedStart);
    if (brugerlevel == 0) {
        spmform->fortael(
            {QStringLiteral("Velkommen til dagbogen!"),
             QStringLiteral("Vælg år og dato i kalenderen, som dagbogen skal starte med."),
             QStringLiteral(
                 "Tryk \"Åben valgte dato\" for at komme i gang med at skrive dagbog.")});
        infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Fremgangsmåde"));
    }
}

QRect Tmainform::hentOpt() {
    OptionLaeser o(optfilnavn);
    int top = 64, left = 906, bredde = 889, hoejde = 930;
    if (!o.findes()) {
        designNavn = QStringLiteral("Sky");
        openMedDagbog = false;
        strukturNavn.clear();
        bogstavName = QStringLiteral("Courier New");
        bogstavSize = 10;
        brugerlevel = 0;
        visHtmlBar = false;
        sikkerhedskopier = true;
        stavekontrol = true;
        tidligereUdgaver = true;
        farver = true;
        previewSiden = false;
        return QRect(left, top, bredde, hoejde);
    }
    const bool alt = o.tekst(designNavn) && o.tal(top) && o.tal(left) && o.tal(bredde) &&
                     o.tal(hoejde) && o.flag(openMedDagbog) && o.tekst(strukturNavn) &&
                     o.tekst(bogstavName) && o.tal(bogstavSize) && o.tal(brugerlevel) &&
                     o.flag(visHtmlBar);
    // Lines added later: an older file without them keeps the defaults.
    if (alt && o.flag(sikkerhedskopier) && o.flag(stavekontrol) && o.flag(tidligereUdgaver) &&
        o.flag(farver))
        o.flag(previewSiden);
    return QRect(left, top, bredde, hoejde);
}

void Tmainform::visOpt(const QRect &sted) {
    setGeometry(sted);
    Skaermplads::tilpas(this);
    HtmlKoderCheck->setChecked(visHtmlBar);
    SikkerhedskopiCheck->setChecked(sikkerhedskopier);
    HistorikCheck->setChecked(tidligereUdgaver);
    visStavekontrol();
    FarverCheck->setChecked(farver);
    PreviewSidenCheck->setChecked(previewSiden);
}

void Tmainform::gemOpt() {
    openMedDagbog = dagbogform->DagbogCheck->isChecked();
    const QRect g = geometry();
    skrivOptioner(optfilnavn,
                  {designNavn, QString::number(g.top()), QString::number(g.left()),
                   QString::number(g.width()), QString::number(g.height()),
                   openMedDagbog ? QStringLiteral("1") : QStringLiteral("0"), strukturNavn,
                   bogstavName, QString::number(bogstavSize), QString::number(brugerlevel),
                   visHtmlBar ? QStringLiteral("1") : QStringLiteral("0"),
                   sikkerhedskopier ? QStringLiteral("1") : QStringLiteral("0"),
                   stavekontrol ? QStringLiteral("1") : QStringLiteral("0"),
                   tidligereUdgaver ? QStringLiteral("1") : QStringLiteral("0"),
                   farver ? QStringLiteral("1") : QStringLiteral("0"),
                   previewSiden ? QStringLiteral("1") : QStringLiteral("0")});
}

bool Tmainform::gemAendredeSider() {
    bool alleGemt = true;
    for (Twinform *w : editorVinduer())
        alleGemt = w->spoergOmGem() && alleGemt;
    return alleGemt;
}

void Tmainform::closeEvent(QCloseEvent *e) {
    if (dagbogform->isVisible()) {
        e->ignore();
        hide();
        return;
    }
    // Unsaved pages are not dropped silently: each modified file is asked about,
    // and a save that failed keeps the program open with the text.
    if (!gemAendredeSider()) {
        e->ignore();
        return;
    }
    SLstruk.clear();
    dagbogform->gemOpt();
    infoform->gemOpt();
    gemOpt();
    sikkerhedskopiVedSlut();
    if (const QStringList ikkeGemt = ikkeGemteOptioner(); !ikkeGemt.isEmpty())
        Dialoger::fejl(
            QStringLiteral("Indstillingerne kan ikke gemmes i:\n") + ikkeGemt.join(u'\n'), this);
    // Hidden before the editor windows go: their closing would close the
    // check window, which then writes its option file.
    for (QWidget *vindue : {static_cast<QWidget *>(infoform), static_cast<QWidget *>(kontrolform),
                            static_cast<QWidget *>(strukturform), static_cast<QWidget *>(urlform1)})
        vindue->hide();
    for (Twinform *w : editorVinduer())
        w->lukUdenSpoergsmaal();
    e->accept();
    QApplication::quit();
}

void Tmainform::visBeholdteFiler(const QStringList &filer) {
    if (filer.isEmpty()) return;
    statusBar()->showMessage(QStringLiteral("Dine ændrede filer i programmappen er beholdt: %1. "
                                            "De nye udgaver ligger i Program/Nye udgaver.")
                                 .arg(filer.join(QStringLiteral(", "))),
                             60000);
}
