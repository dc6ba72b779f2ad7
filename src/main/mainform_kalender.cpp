// The calendar page, the date and holiday page, and the day pages.
#include "mainform.h"

#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/kalender.h"
#include "core/kontrast.h"
#include "core/sammenlign.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/memoUnit.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLineEdit *laesefelt(QWidget *forael, const QString &navn) {
    auto *e = new QLineEdit(forael);
    e->setObjectName(navn);
    e->setReadOnly(true);
    return e;
}

QLineEdit *talfelt(QWidget *forael, const QString &navn, int laengde, const QString &tekst) {
    auto *e = new QLineEdit(forael);
    e->setObjectName(navn);
    e->setMaxLength(laengde);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaximumWidth(laengde == 4 ? 56 : 36);
    hint(e, tekst);
    return e;
}

QToolButton *knap(QWidget *forael, const QString &navn, const QString &tekst,
                  const QString &hinttekst) {
    auto *b = new QToolButton(forael);
    b->setObjectName(navn);
    b->setText(tekst);
    hint(b, hinttekst);
    return b;
}

} // namespace

QWidget *Tmainform::byggKalenderside() {
    auto *side1 = new QWidget;
    side1->setObjectName(QStringLiteral("side1"));
    auto *lodret = new QVBoxLayout(side1);

    auto *navne = new QFormLayout;
    yEdit = laesefelt(side1, QStringLiteral("yEdit"));
    mEdit = laesefelt(side1, QStringLiteral("mEdit"));
    dEdit = laesefelt(side1, QStringLiteral("dEdit"));
    navne->addRow(QStringLiteral("Strukturnavn"), yEdit);
    navne->addRow(QStringLiteral("Månednavn"), mEdit);
    navne->addRow(QStringLiteral("Dagens navn"), dEdit);
    lodret->addLayout(navne);

    auto *felter = new QHBoxLayout;
    dayEdit = talfelt(side1, QStringLiteral("dayEdit"), 2, QStringLiteral("Dag"));
    dayEdit->setAlignment(Qt::AlignRight);
    monthEdit = talfelt(side1, QStringLiteral("monthEdit"), 2, QStringLiteral("Måned"));
    yearEdit = talfelt(side1, QStringLiteral("yearEdit"), 4, QStringLiteral("År"));
    felter->addWidget(dayEdit);
    felter->addWidget(new QLabel(QStringLiteral("-"), side1));
    felter->addWidget(monthEdit);
    felter->addWidget(new QLabel(QStringLiteral("-"), side1));
    felter->addWidget(yearEdit);
    auto *opdaterKnap = new QToolButton(side1);
    opdaterKnap->setObjectName(QStringLiteral("opdaterKnap"));
    opdaterKnap->setDefaultAction(Aopdater);
    felter->addWidget(opdaterKnap);
    felter->addStretch();
    lodret->addLayout(felter);
    for (QLineEdit *e : {dayEdit, monthEdit, yearEdit})
        connect(e, &QLineEdit::textChanged, this, [this] {
            opdater = true;
            Aopdater->setEnabled(true);
        });

    kalender = new QCalendarWidget(side1);
    kalender->setObjectName(QStringLiteral("kalender"));
    kalender->setAccessibleName(QStringLiteral("Kalender"));
    kalender->setFirstDayOfWeek(Qt::Monday);
    kalender->setGridVisible(true);
    kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    kalender->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    kalender->setLocale(QLocale(QLocale::Danish, QLocale::Denmark));
    // "man." and "tor." in the panel's narrow columns: a size smaller, not cut.
    QTextCharFormat hoved = kalender->headerTextFormat();
    hoved.setFontPointSize(kalender->font().pointSizeF() * 0.85);
    kalender->setHeaderTextFormat(hoved);
    connect(kalender, &QCalendarWidget::selectionChanged, this, &Tmainform::kalenderChange);
    connect(kalender, &QCalendarWidget::currentPageChanged, this, &Tmainform::markerDagsider);
    kalenderFarver();
    lodret->addWidget(kalender);

    auto *trin = new QHBoxLayout;
    auto *mPrev = knap(side1, QStringLiteral("mPrev"), QStringLiteral("<"),
                       QStringLiteral("Foregående måned"));
    auto *mNext =
        knap(side1, QStringLiteral("mNext"), QStringLiteral(">"), QStringLiteral("Næste måned"));
    datoLabel = knap(side1, QStringLiteral("datoLabel"), QStringLiteral("I dag: "),
                     QStringLiteral("Opdater kalenderen til indførte dato"));
    datoLabel->setAutoRaise(true);
    auto *yPrev =
        knap(side1, QStringLiteral("yPrev"), QStringLiteral("<"), QStringLiteral("Foregående år"));
    auto *yNext =
        knap(side1, QStringLiteral("yNext"), QStringLiteral(">"), QStringLiteral("Næste år"));
    trin->addWidget(mPrev);
    trin->addWidget(mNext);
    trin->addStretch();
    trin->addWidget(datoLabel);
    trin->addStretch();
    trin->addWidget(yPrev);
    trin->addWidget(yNext);
    lodret->addLayout(trin);
    connect(mPrev, &QToolButton::clicked, this, &Tmainform::mPrevClick);
    connect(mNext, &QToolButton::clicked, this, &Tmainform::mNextClick);
    connect(yPrev, &QToolButton::clicked, this, &Tmainform::yPrevClick);
    connect(yNext, &QToolButton::clicked, this, &Tmainform::yNextClick);
    connect(datoLabel, &QToolButton::clicked, this, &Tmainform::datoLabelClick);

    auto *ButtonOpret = new QPushButton(QStringLiteral("Åben valgte dato"), side1);
    ButtonOpret->setObjectName(QStringLiteral("ButtonOpret"));
    hint(ButtonOpret, QStringLiteral("Åben valgte dato til gennemlæsning eller redigering"));
    connect(ButtonOpret, &QPushButton::clicked, this, &Tmainform::ButtonOpretClick);
    auto *tilfaeldigKnap = new QPushButton(QStringLiteral("Tilfældig dag"), side1);
    tilfaeldigKnap->setObjectName(QStringLiteral("tilfaeldigKnap"));
    hint(tilfaeldigKnap, QStringLiteral("Åben en tilfældig skrevet dag fra et tidligere år"));
    connect(tilfaeldigKnap, &QPushButton::clicked, this, &Tmainform::tilfaeldigKnapClick);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(ButtonOpret, 1);
    knapper->addWidget(tilfaeldigKnap);
    lodret->addLayout(knapper);

    auto *aabne = new QHBoxLayout;
    auto *visDatomappe = knap(side1, QStringLiteral("visDatomappe"), QString(),
                              QStringLiteral("Åben strukturmappe"));
    visDatomappe->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connect(visDatomappe, &QToolButton::clicked, this, &Tmainform::visDatomappeClick);
    auto *dagbogKnap = new QToolButton(side1);
    dagbogKnap->setObjectName(QStringLiteral("dagbogKnap"));
    dagbogKnap->setDefaultAction(Adagbog);
    dagbogKnap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *infoButton =
        knap(side1, QStringLiteral("infoButton"), QString(), QStringLiteral("Information"));
    infoButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    connect(infoButton, &QToolButton::clicked, this, [] {
        infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Fremgangsmåde"));
    });
    aabne->addWidget(visDatomappe);
    aabne->addWidget(dagbogKnap, 1);
    aabne->addWidget(infoButton);
    lodret->addLayout(aabne);
    byggMinder(side1, lodret);
    return side1;
}

QWidget *Tmainform::byggHelligdagsside() {
    auto *side5 = new QWidget;
    side5->setObjectName(QStringLiteral("side5"));
    auto *lodret = new QVBoxLayout(side5);
    LabelDato = new QLabel(QStringLiteral("Dato"), side5);
    LabelDato->setObjectName(QStringLiteral("LabelDato"));
    klokkenLabel = new QLabel(QStringLiteral("Klokken"), side5);
    klokkenLabel->setObjectName(QStringLiteral("klokkenLabel"));
    QFont stor = klokkenLabel->font();
    stor.setPointSize(stor.pointSize() + 4);
    stor.setBold(true);
    LabelDato->setFont(stor);
    klokkenLabel->setFont(stor);
    lodret->addWidget(LabelDato, 0, Qt::AlignHCenter);
    lodret->addWidget(klokkenLabel, 0, Qt::AlignHCenter);
    connect(TimerKlokken, &QTimer::timeout, this, [this] { klokkenLabel->setText(getKlokken()); });

    auto *ToolBar12 = new QToolBar(side5);
    ToolBar12->setObjectName(QStringLiteral("ToolBar12"));
    ToolBar12->setIconSize(QSize(16, 16));
    auto *infoUr =
        knap(ToolBar12, QStringLiteral("infoUr"), QString(), QStringLiteral("Information"));
    infoUr->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    connect(infoUr, &QToolButton::clicked, this,
            [] { infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Helligdage")); });
    auto *hdButton = knap(ToolBar12, QStringLiteral("hdButton"), QStringLiteral("Helligdage"),
                          QStringLiteral("Vis datoer for helligdage"));
    connect(hdButton, &QToolButton::clicked, this, &Tmainform::hdButtonClick);
    yearNuButton = knap(ToolBar12, QStringLiteral("yearNuButton"), QStringLiteral("Nu"),
                        QStringLiteral("Gå til nuværende år"));
    yearNuButton->setEnabled(false);
    connect(yearNuButton, &QToolButton::clicked, this, &Tmainform::yearNuButtonClick);
    auto *tilbage10 = knap(ToolBar12, QStringLiteral("yearTilbageButton10"), QStringLiteral("«"),
                           QStringLiteral("Gå ti år tilbage"));
    auto *tilbage = knap(ToolBar12, QStringLiteral("yearTilbageButton"), QStringLiteral("<"),
                         QStringLiteral("Gå et år tilbage"));
    aarEdit = new QLineEdit(QStringLiteral("0000"), ToolBar12);
    aarEdit->setObjectName(QStringLiteral("aarEdit"));
    aarEdit->setReadOnly(true);
    aarEdit->setAlignment(Qt::AlignCenter);
    aarEdit->setMaxLength(4);
    // Four digits and the frame, no more: the row must fit the panel.
    aarEdit->setFixedWidth(aarEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    hint(aarEdit, QStringLiteral("Viser det år datoerne beregnes ud fra"));
    auto *frem = knap(ToolBar12, QStringLiteral("yearFremButton"), QStringLiteral(">"),
                      QStringLiteral("Gå et år frem"));
    auto *frem10 = knap(ToolBar12, QStringLiteral("yearFremButton10"), QStringLiteral("»"),
                        QStringLiteral("Gå ti år frem"));
    // The year steps are single signs; narrow buttons keep the row inside the panel.
    for (QToolButton *b : {tilbage10, tilbage, frem, frem10})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 10);
    connect(tilbage10, &QToolButton::clicked, this, [this] { skiftAar(-10); });
    connect(tilbage, &QToolButton::clicked, this, [this] { skiftAar(-1); });
    connect(frem, &QToolButton::clicked, this, [this] { skiftAar(1); });
    connect(frem10, &QToolButton::clicked, this, [this] { skiftAar(10); });
    for (QWidget *w : std::initializer_list<QWidget *>{infoUr, hdButton, yearNuButton, tilbage10,
                                                       tilbage, aarEdit, frem, frem10})
        ToolBar12->addWidget(w);
    lodret->addWidget(ToolBar12);

    static const char *const overskrifter[12] = {"Nytårsdag:",
                                                 "Skærtorsdag:",
                                                 "Langfredag:",
                                                 "Påskedag:",
                                                 "Anden påskedag:",
                                                 "Store bededag:",
                                                 "Kristi himmelfartsdag: ",
                                                 "Pinsedag:",
                                                 "Anden pinsedag:",
                                                 "Juleaften:",
                                                 "Juledag:",
                                                 "Anden juledag:"};
    static const char *const designtekster[12] = {
        "01. Januar",   "?",           "?", "?", "?", "?", "?", "?", "?", "24. December",
        "25. December", "26. December"};
    auto *gitter = new QGridLayout;
    for (int i = 0; i < 12; ++i) {
        gitter->addWidget(new QLabel(QString::fromUtf8(overskrifter[i]), side5), i, 0);
        auto *vaerdi = new QLabel(QString::fromUtf8(designtekster[i]), side5);
        vaerdi->setObjectName(QStringLiteral("hdLabel%1").arg(i));
        gitter->addWidget(vaerdi, i, 1);
        hdLabels.append(vaerdi);
    }
    lodret->addLayout(gitter);
    lodret->addStretch();
    return side5;
}

void Tmainform::kalenderChange() {
    const QDate d = kalender->selectedDate();
    yearEdit->setText(QString::number(d.year()));
    strukturNavn = QStringLiteral("Dagbog ") + yearEdit->text();
    setWindowTitle(brugernavn + QStringLiteral(" Dagbog: ") + strukturNavn);
    yEdit->setText(strukturNavn);
    yTekst = yData = strukturNavn;
    monthEdit->setText(QString::number(d.month()));
    maanedNavn = getString(monthEdit->text()) + u' ' + ::maanedNavn(d.month());
    mEdit->setText(maanedNavn);
    mTekst = mData = maanedNavn;
    dayEdit->setText(QString::number(d.day()));
    dagNavn = getString(monthEdit->text()) + u' ' + getString(dayEdit->text()) + u' ' +
              ugedagNavn(d.dayOfWeek());
    dEdit->setText(dagNavn);
    dTekst = dData = dagNavn;
    opdater = false;
    Aopdater->setEnabled(false);
    // At start the memories wait until the window is on screen.
    if (!opstart && minderUr) minderUr->start();
}

void Tmainform::AopdaterExecute() {
    int tal[3];
    QLineEdit *felter[3] = {dayEdit, monthEdit, yearEdit};
    for (int i = 0; i < 3; ++i) {
        tal[i] = EditInteger(felter[i]->text());
        felter[i]->setText(QString::number(tal[i]));
    }
    const int dag = tal[0], maaned = tal[1], aar = tal[2];

    // One element at a time, day first. The calendar ignores values below 1, a
    // month above 12, a day beyond its month and values equal to the current
    // ones; a date that does not exist stops the rest.
    auto saet = [this](int d, int m, int y) {
        const QDate ny(y, m, d);
        if (!ny.isValid()) {
            Dialoger::fejl(QStringLiteral("Datoen %1.%2.%3 findes ikke.").arg(d).arg(m).arg(y),
                           this);
            return false;
        }
        kalender->setSelectedDate(ny);
        return true;
    };
    QDate d = kalender->selectedDate();
    if (dag >= 1 && dag <= d.daysInMonth() && dag != d.day()) saet(dag, d.month(), d.year());
    d = kalender->selectedDate();
    if (maaned >= 1 && maaned <= 12 && maaned != d.month() && !saet(d.day(), maaned, d.year()))
        return;
    d = kalender->selectedDate();
    if (aar >= 1 && aar <= 9999 && aar != d.year()) saet(d.day(), d.month(), aar);
}

void Tmainform::mNextClick() {
    kalender->setSelectedDate(kalender->selectedDate().addMonths(1));
}
void Tmainform::mPrevClick() {
    kalender->setSelectedDate(kalender->selectedDate().addMonths(-1));
}
void Tmainform::yNextClick() {
    kalender->setSelectedDate(kalender->selectedDate().addYears(1));
}
void Tmainform::yPrevClick() {
    kalender->setSelectedDate(kalender->selectedDate().addYears(-1));
}
void Tmainform::datoLabelClick() {
    kalender->setSelectedDate(QDate::currentDate());
}

void Tmainform::BogChange(int side) {
    if (side == 4) {
        LabelDato->setText(getDato());
        klokkenLabel->setText(getKlokken());
        TimerKlokken->start();
        return;
    }
    TimerKlokken->stop();
    if (side == 2) EditFind->setFocus();
}

void Tmainform::hdButtonClick() {
    const int aar = EditInteger(aarEdit->text());
    if (!gyldigtHelligdagsAar(aar)) {
        Dialoger::info(QStringLiteral("Helligdage kan kun beregnes for årene 1 til 9999."), this);
        return;
    }
    const QStringList tekster = helligdage(aar);
    for (int i = 0; i < hdLabels.size(); ++i)
        hdLabels[i]->setText(tekster.value(i));
}

void Tmainform::skiftAar(int delta) {
    aarEdit->setText(QString::number(EditInteger(aarEdit->text()) + delta));
    yearNuButton->setEnabled(true);
}

void Tmainform::yearNuButtonClick() {
    aarEdit->setText(QString::number(QDate::currentDate().year()));
    yearNuButton->setEnabled(false);
}

void Tmainform::markerDagsider() {
    // Bold: the days of the shown month that have a day page; today underlined.
    const int aar = kalender->yearShown(), maaned = kalender->monthShown();
    const QString mappe = strukturDir + strukturNavnFor(aar) + QStringLiteral("/tekstfiler/");
    const QDate foerste(aar, maaned, 1);
    kalender->setDateTextFormat(QDate(), QTextCharFormat());
    for (int dag = 1; dag <= foerste.daysInMonth(); ++dag) {
        const QDate d(aar, maaned, dag);
        if (QFileInfo::exists(mappe + dagElementNavn(d) + QStringLiteral(".html"))) {
            QTextCharFormat f;
            f.setFontWeight(QFont::Bold);
            kalender->setDateTextFormat(d, f);
        }
    }
    QTextCharFormat idag = kalender->dateTextFormat(QDate::currentDate());
    idag.setFontUnderline(true);
    idag.setForeground(kalenderfarve(0x005AB4));
    kalender->setDateTextFormat(QDate::currentDate(), idag);
}

QColor Tmainform::kalenderfarve(quint32 farve) const {
    // Readable on the day cells and on the weekday headers of every design.
    const QPalette p = kalender->palette();
    return QColor(Kontrast::mindst(farve,
                                   {p.color(QPalette::Base).rgb() & 0xFFFFFF,
                                    p.color(QPalette::AlternateBase).rgb() & 0xFFFFFF},
                                   4.5));
}

void Tmainform::kalenderFarver() {
    QTextCharFormat weekend;
    weekend.setForeground(kalenderfarve(0xD00000));
    kalender->setWeekdayTextFormat(Qt::Saturday, weekend);
    kalender->setWeekdayTextFormat(Qt::Sunday, weekend);
    markerDagsider();
}

// ---- Day pages ----

QString Tmainform::sideSti(const QString &sideNavn) const {
    return Struktur->Infomappe() + sideNavn + QStringLiteral(".html");
}

void Tmainform::opretStruktur() {
    strukturNavn = QStringLiteral("Dagbog ") + yearEdit->text();
    const QString mappe = strukturDir + strukturNavn;
    const bool fandtes = QDir(mappe).exists();
    Mapper::opretMappe(mappe);
    Struktur->setInfomappe(mappe + QStringLiteral("/tekstfiler/"));
    Mapper::opretMappe(Struktur->Infomappe());
    Struktur->setBilledmappe(mappe + QStringLiteral("/Billeder/"));
    Mapper::opretMappe(Struktur->Billedmappe());
    Struktur->setStrukturfile(mappe + QStringLiteral("/struktur.txt"));
    Struktur->setDatafile(mappe + QStringLiteral("/data.txt"));
    createStrukturPU();
    // A folder made outside the program is taken up with what it holds.
    if (fandtes)
        LoadStruktur();
    else
        Struktur->HentStruktur();
}

void Tmainform::standardHTML(int niveau) {
    auto ord = [](const QString &tekst, int n) { return tekst.split(u' ').value(n - 1); };
    QString titel;
    QString klasse;
    switch (niveau) {
    case 1:
        titel = yTekst;
        klasse = QStringLiteral("overskriftAar");
        break;
    case 2:
        titel = ord(mTekst, 2) + u' ' + ord(yTekst, 2);
        klasse = QStringLiteral("overskriftMaaned");
        break;
    default:
        titel = ord(dTekst, 3) + u' ' + ord(dTekst, 2) + QStringLiteral(". ") + ord(mTekst, 2);
        klasse = QStringLiteral("overskrift");
        break;
    }
    const QStringList linjer{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + titel + QStringLiteral("</title>"),
        QStringLiteral(
            "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">"),
        QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
        QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"..\\..\\design.css\">"),
        QStringLiteral("<script type=\"text/javascript\" src=\"..\\..\\funktioner.js\"></script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<div class=\"") + klasse + QStringLiteral("\">") + titel +
            QStringLiteral("</div>"),
        QStringLiteral("<DIV class=\"HovedSpalte\">"),
        QString(),
        QStringLiteral("</DIV>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    memoForm->Memo->setPlainText(linjer.join(u'\n'));
}

bool Tmainform::opretNyStruktur() {
    yMade = mMade = dMade = false;
    bool resultat = false;
    Struktur->setDataOn(true);
    const QDate d = kalender->selectedDate();
    dayEdit->setText(QString::number(d.day()));
    monthEdit->setText(QString::number(d.month()));
    yearEdit->setText(QString::number(d.year()));
    opdater = false;
    Aopdater->setEnabled(false);

    // The date's elements always belong to the calendar's year.
    strukturNavn = yTekst;
    bool fundet = SLstruk.contains(strukturNavn);
    for (const QString &navn : std::as_const(SLstruk)) {
        if (fundet || !ensAZ(navn, strukturNavn)) continue;
        // A folder that differs only in case is the same folder only where the
        // file system ignores case; elsewhere the pages would go astray.
        if (!QFileInfo(strukturDir + strukturNavn).isDir())
            throw Tekstfil::FilFejl(
                strukturDir + navn,
                QStringLiteral("Mappen \"%1\" skal hedde \"%2\" (med store og små bogstaver "
                               "som her), før årets datoer kan åbnes.")
                    .arg(strukturDir + navn, strukturNavn));
        fundet = true;
    }
    if (fundet)
        LoadStruktur();
    else
        opretStruktur();
    // A structure folder made by hand may lack the folders the new pages go into.
    Mapper::opretMappe(Struktur->Infomappe());
    Mapper::opretMappe(Struktur->Billedmappe());

    if (Struktur->antal() == 0) {
        Struktur->NyNode(yTekst, yData, 0, false, true);
        standardHTML(1);
        memoForm->gemOgRyd(sideSti(yData));
        yMade = resultat = true;
    }
    if (Struktur->getNodeTekst(mData).isEmpty()) {
        Struktur->setFlytmode(naAddChild);
        Struktur->setSelected(yData);
        Struktur->NyNode(mTekst, mData, 1, false, true);
        standardHTML(2);
        memoForm->gemOgRyd(sideSti(mData));
        mMade = resultat = true;
    }
    if (Struktur->getNodeTekst(dData).isEmpty()) {
        Struktur->setSelected(mData);
        Struktur->setFlytmode(naAddChild);
        Struktur->NyNode(dTekst, dData, 6, false, true);
        standardHTML(3);
        memoForm->gemOgRyd(sideSti(dData));
        dMade = resultat = true;
    }
    if (resultat) {
        Struktur->AlphaSort(true);
        Struktur->GemStruktur();
        if (Struktur->topLevelItemCount() > 0) Struktur->topLevelItem(0)->setExpanded(true);
        if (QTreeWidgetItem *valgt = Struktur->currentItem()) valgt->setExpanded(true);
    }
    return resultat;
}

void Tmainform::aabnSide(const QString &sideNavn) {
    if (!TStruktur::gyldigtSidenavn(sideNavn))
        throw Tekstfil::FilFejl(Struktur->Datafile(), TStruktur::ugyldigtSidenavn(sideNavn));
    htmlFilnavn = sideSti(sideNavn);
    openwin(htmlFilnavn);
}

void Tmainform::ButtonOpretClick() {
    Dialoger::kommando(
        [this] {
            if (opretNyStruktur()) {
                if (yMade) aabnSide(yData);
                if (mMade) aabnSide(mData);
                if (dMade) aabnSide(dData);
                opdaterAntal();
                markerDagsider();
            } else {
                aabnSide(dData);
            }
            if (brugerlevel == 0) brugerlevel = 1;
        },
        this);
}

void Tmainform::aabnDato(const QDate &dato) {
    Bog->setCurrentIndex(0);
    kalender->setSelectedDate(dato);
    kalenderChange();
    ButtonOpretClick();
}

void Tmainform::StrukturDblClick() {
    if (!Struktur->currentItem() || !Struktur->currentItem()->isSelected()) return;
    Dialoger::kommando([this] { aabnSide(Struktur->SelectedData()); }, this);
}

void Tmainform::visDatomappeClick() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(strukturDir));
}

void Tmainform::AdagbogExecute() {
    if (infoform->isVisible()) infoform->close();
    dagbogform->show();
}
