#include "strukturmaker.h"

#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/sammenlign.h"
#include "forms/info.h"
#include "forms/spm.h"
#include "main/hint.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/twebbrowser.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *vaerktoej(QWidget *forael, const QString &navn, const QString &hinttekst,
                       QStyle::StandardPixmap billede) {
    auto *b = new QToolButton(forael);
    b->setObjectName(navn);
    b->setIcon(forael->style()->standardIcon(billede));
    b->setAutoRaise(true);
    hint(b, hinttekst);
    return b;
}

QCheckBox *afkryds(QWidget *forael, const QString &navn, const QString &tekst,
                   const QString &hinttekst, bool til) {
    auto *c = new QCheckBox(tekst, forael);
    c->setObjectName(navn);
    c->setChecked(til);
    hint(c, hinttekst);
    return c;
}

QString filnavnFindes(const QString &navn) {
    return QStringLiteral("Filnavnet:\n") + QDir::toNativeSeparators(navn) +
           QStringLiteral("\neksisterer allerede!");
}

const QString ingenStruktur = QStringLiteral("Der er ikke nogen aktuel struktur!");

} // namespace

QAction *Tstrukturform::nyHandling(const QString &navn, const QString &tekst,
                                   const QString &hinttekst, const QKeySequence &genvej) {
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hinttekst);
    a->setStatusTip(hinttekst);
    a->setShortcut(genvej);
    addAction(a);
    return a;
}

QWidget *Tstrukturform::byggSide2() {
    auto *side = new QWidget;
    side->setObjectName(QStringLiteral("side2"));

    Aclear = nyHandling(QStringLiteral("Aclear"), QStringLiteral("Klargør"),
                        QStringLiteral("Klargør til nyt element: Ctrl+K"),
                        QKeySequence(QStringLiteral("Ctrl+K")));
    Ainsert = nyHandling(QStringLiteral("Ainsert"), QStringLiteral("Indsæt"),
                         QStringLiteral("Indsæt som nyt element: Ctrl+I"),
                         QKeySequence(QStringLiteral("Ctrl+I")));
    Arediger = nyHandling(QStringLiteral("Arediger"), QStringLiteral("Rediger"),
                          QStringLiteral("Rediger valgte element: Ctrl+R"),
                          QKeySequence(QStringLiteral("Ctrl+R")));
    Aslet = nyHandling(QStringLiteral("Aslet"), QStringLiteral("Slet"),
                       QStringLiteral("Slet valgte element"), {});
    Agem = nyHandling(QStringLiteral("Agem"), QStringLiteral("Gem"),
                      QStringLiteral("Gem strukturen"), {});
    Areload = nyHandling(QStringLiteral("Areload"), QStringLiteral("Genindlæs"),
                         QStringLiteral("Genindlæs struktur (Husk at gemme hvis relevant)"), {});
    connect(Aclear, &QAction::triggered, this, [this] {
        ClearToNew(true);
        insertAktiv = true;
        opdaterHandlinger();
    });
    connect(Ainsert, &QAction::triggered, this, &Tstrukturform::InsertNode);
    connect(Arediger, &QAction::triggered, this, &Tstrukturform::RedigerNode);
    connect(Aslet, &QAction::triggered, this, &Tstrukturform::DeleteNode);
    connect(Agem, &QAction::triggered, this, [this] {
        Dialoger::kommando(
            [this] {
                infostruktur->kraevHel();
                infostruktur->GemStruktur();
            },
            this);
        opdaterHandlinger();
    });
    connect(Areload, &QAction::triggered, this, &Tstrukturform::ReloadStruktur);

    InfoLabel = new QLabel(QStringLiteral("Strukturnavn: "), side);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    elementEdit = new QLineEdit(side);
    elementEdit->setObjectName(QStringLiteral("elementEdit"));
    InfoLabel->setBuddy(elementEdit);
    elementEdit->setReadOnly(true);

    infostruktur = new TStruktur(side);
    infostruktur->setObjectName(QStringLiteral("infostruktur"));
    infostruktur->setAccessibleName(QStringLiteral("Strukturens elementer"));
    infostruktur->viewport()->installEventFilter(this);
    connect(infostruktur, &QTreeWidget::itemClicked, this, [this] {
        beforeRediger();
        insertAktiv = false;
        opdaterHandlinger();
    });
    connect(infostruktur, &QTreeWidget::itemSelectionChanged, this,
            &Tstrukturform::opdaterHandlinger);

    auto *ExpandKnap = vaerktoej(side, QStringLiteral("ExpandKnap"),
                                 QStringLiteral("Udfold strukturen"), QStyle::SP_ArrowDown);
    auto *CollapseKnap = vaerktoej(side, QStringLiteral("CollapseKnap"),
                                   QStringLiteral("Sammenfold strukturen"), QStyle::SP_ArrowUp);
    auto *sorterKnap =
        vaerktoej(side, QStringLiteral("sorterKnap"),
                  QStringLiteral("Sorter strukturen alfabetisk"), QStyle::SP_FileDialogListView);
    auto *tbVisStruktur =
        vaerktoej(side, QStringLiteral("tbVisStruktur"),
                  QStringLiteral("Vis strukturen i information"), QStyle::SP_FileDialogInfoView);
    connect(ExpandKnap, &QToolButton::clicked, infostruktur, &QTreeWidget::expandAll);
    connect(CollapseKnap, &QToolButton::clicked, infostruktur, &QTreeWidget::collapseAll);
    connect(sorterKnap, &QToolButton::clicked, this, &Tstrukturform::sorterNoder);
    connect(tbVisStruktur, &QToolButton::clicked, this, &Tstrukturform::VisStruktur);
    auto *vaerktoejer = new QHBoxLayout;
    for (QToolButton *b : {ExpandKnap, CollapseKnap, sorterKnap, tbVisStruktur})
        vaerktoejer->addWidget(b);
    const std::pair<QAction *, QStyle::StandardPixmap> handlingsknapper[] = {
        {Aslet, QStyle::SP_TrashIcon},
        {Agem, QStyle::SP_DialogSaveButton},
        {Areload, QStyle::SP_BrowserReload}};
    for (const auto &[a, billede] : handlingsknapper) {
        auto *b = new QToolButton(side);
        b->setObjectName(QStringLiteral("tb") + a->objectName().mid(1));
        a->setIcon(style()->standardIcon(billede));
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        vaerktoejer->addWidget(b);
    }
    vaerktoejer->addStretch();

    // The icon choice: ten buttons whose captions follow the structure's icon list.
    ikonboks = new QGroupBox(side);
    ikonboks->setObjectName(QStringLiteral("ikonboks"));
    hint(ikonboks, QStringLiteral("Vælg ikon til elementer"));
    ikonKnapper = new QButtonGroup(ikonboks);
    auto *ikonGitter = new QGridLayout(ikonboks);
    for (int p = 0; p < 10; ++p) {
        auto *b = new QToolButton(ikonboks);
        b->setObjectName(QStringLiteral("ikon%1").arg(p));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        ikonKnapper->addButton(b, p);
        ikonGitter->addWidget(b, p / 2, p % 2);
    }
    connect(ikonKnapper, &QButtonGroup::idClicked, this, &Tstrukturform::ikonKlik);

    tekstEdit = new QLineEdit(side);
    tekstEdit->setObjectName(QStringLiteral("tekstEdit"));
    dataEdit = new QLineEdit(side);
    dataEdit->setObjectName(QStringLiteral("dataEdit"));
    auto *tekstLabel = new QLabel(QStringLiteral("Tekst"), side);
    tekstLabel->setObjectName(QStringLiteral("tekstLabel"));
    auto *filnavnLabel = new QLabel(QStringLiteral("Elementets filnavn"), side);
    filnavnLabel->setObjectName(QStringLiteral("filnavnLabel"));
    tekstLabel->setBuddy(tekstEdit);
    filnavnLabel->setBuddy(dataEdit);
    connect(tekstEdit, &QLineEdit::textChanged, this, [this](const QString &tekst) {
        if (EnsNavn->isChecked()) dataEdit->setText(tekst);
        insertAktiv = true;
        opdaterHandlinger();
    });
    connect(dataEdit, &QLineEdit::textChanged, this, &Tstrukturform::opdaterHandlinger);
    connect(tekstEdit, &QLineEdit::returnPressed, this, &Tstrukturform::tekstEnter);
    connect(dataEdit, &QLineEdit::returnPressed, this, &Tstrukturform::dataEnter);

    auto *checkKnap = new QPushButton(QStringLiteral("Inf"), side);
    checkKnap->setObjectName(QStringLiteral("checkKnap"));
    hint(checkKnap, QStringLiteral("Check om filnavnet eksisterer"));
    auto *fnKnap = new QPushButton(QStringLiteral("Fn"), side);
    fnKnap->setObjectName(QStringLiteral("fnKnap"));
    hint(fnKnap, QStringLiteral("Indsæt konstrueret filnavn"));
    auto *makeFilKnap = new QPushButton(QStringLiteral("Opret fil"), side);
    makeFilKnap->setObjectName(QStringLiteral("makeFilKnap"));
    hint(makeFilKnap, QStringLiteral("Opret en fil hvis den ikke findes"));
    connect(checkKnap, &QPushButton::clicked, this, &Tstrukturform::KontrollerFilnavn);
    connect(fnKnap, &QPushButton::clicked, this, &Tstrukturform::InsertAutoFilnavn);
    connect(makeFilKnap, &QPushButton::clicked, this, &Tstrukturform::OpretFil);

    auto *handlingsrad = new QHBoxLayout;
    const std::pair<const char *, QAction *> knapper[] = {
        {"NewRedyKnap", Aclear}, {"InsertKnap", Ainsert}, {"RedigerNodeKnap", Arediger}};
    for (const auto &[navn, a] : knapper) {
        auto *b = new QToolButton(side);
        b->setObjectName(QString::fromLatin1(navn));
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        handlingsrad->addWidget(b);
    }

    gemCheck = afkryds(side, QStringLiteral("gemCheck"), QStringLiteral("Auto gem"),
                       QStringLiteral("Gem automatisk strukturen ved Indsæt og Rediger"), true);
    sorterCheck =
        afkryds(side, QStringLiteral("sorterCheck"), QStringLiteral("Sorter"),
                QStringLiteral("Sorter elementerne alfabetisk ved Indsæt og Rediger"), false);
    autoNavn = afkryds(
        side, QStringLiteral("autoNavn"), QStringLiteral("Auto navn"),
        QStringLiteral("Hvis 'Ens navn' ikke er valgt indføres der automatisk et filnavn"), true);
    EnsNavn = afkryds(side, QStringLiteral("EnsNavn"), QStringLiteral("Ens tekst"),
                      QStringLiteral("Filnavnet og strukturtekst er ens"), true);
    flytmodeBox = afkryds(
        side, QStringLiteral("flytmodeBox"), QStringLiteral("Arranger elementer"),
        QStringLiteral("Afkryds boksen for at flytte rundt på elementerne, afkryds bagefter"),
        false);

    flytBox = new QGroupBox(QStringLiteral("Indsæt og flyt metode"), side);
    flytBox->setObjectName(QStringLiteral("flytBox"));
    hint(flytBox, QStringLiteral("Vælg indsæt og flyt metode"));
    flytKnapper = new QButtonGroup(flytBox);
    auto *flytGitter = new QGridLayout(flytBox);
    const char *metoder[] = {"På linie som sidste", "På linie som første", "På linie før",
                             "Som sidste underpunkt", "Som første underpunkt"};
    for (int i = 0; i < 5; ++i) {
        auto *r = new QRadioButton(QString::fromUtf8(metoder[i]), flytBox);
        r->setObjectName(QStringLiteral("flytBox%1").arg(i));
        flytKnapper->addButton(r, i);
        flytGitter->addWidget(r, i % 3, i / 3);
    }
    flytKnapper->button(1)->setChecked(true);
    connect(flytKnapper, &QButtonGroup::idClicked, this, &Tstrukturform::setFlytMode);

    auto *felter = new QGridLayout;
    felter->addWidget(tekstLabel, 0, 0);
    felter->addWidget(tekstEdit, 1, 0, 1, 4);
    felter->addWidget(filnavnLabel, 2, 0);
    felter->addWidget(dataEdit, 3, 0);
    felter->addWidget(checkKnap, 3, 1);
    felter->addWidget(fnKnap, 3, 2);
    felter->addWidget(makeFilKnap, 3, 3);
    auto *valg = new QGridLayout;
    valg->addWidget(gemCheck, 0, 0);
    valg->addWidget(sorterCheck, 0, 1);
    valg->addWidget(autoNavn, 1, 0);
    valg->addWidget(EnsNavn, 1, 1);
    valg->addWidget(flytmodeBox, 2, 0, 1, 2);

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(elementEdit);
    venstre->addLayout(vaerktoejer);
    venstre->addWidget(infostruktur, 1);
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(ikonboks);
    hoejre->addLayout(felter);
    hoejre->addLayout(handlingsrad);
    hoejre->addLayout(valg);
    hoejre->addWidget(flytBox);
    hoejre->addStretch();
    auto *midt = new QHBoxLayout;
    midt->addLayout(venstre, 1);
    midt->addLayout(hoejre, 1);
    auto *lodret = new QVBoxLayout(side);
    lodret->addWidget(InfoLabel);
    lodret->addLayout(midt, 1);
    return side;
}

// --- state ------------------------------------------------------------------

bool Tstrukturform::aktuel() const {
    return !infostruktur->Strukturfile().isEmpty();
}

QString Tstrukturform::sidemappe() const {
    return infostruktur->Infomappe();
}

void Tstrukturform::opdaterHandlinger() {
    const bool tekst = !tekstEdit->text().isEmpty();
    const bool valgt = infostruktur->valgtElement() != nullptr;
    Aclear->setEnabled(aktuel() && (tekst || !dataEdit->text().isEmpty()));
    Ainsert->setEnabled(insertAktiv && tekst && aktuel());
    Arediger->setEnabled(valgt && tekst);
    Aslet->setEnabled(valgt && tekst);
    Agem->setEnabled(infostruktur->Modified());
}

// --- icons ------------------------------------------------------------------

void Tstrukturform::visIkonliste() {
    ikonlisteNummer = Strukturmaker::ikonliste(strukturName);
    const QList<QIcon> billeder = Strukturmaker::billeder(ikonlisteNummer);
    infostruktur->setBilleder(billeder);
    for (int p = 0; p < 10; ++p) {
        QAbstractButton *b = ikonKnapper->button(p);
        b->setText(Strukturmaker::knapTekst(ikonlisteNummer, p));
        b->setIcon(billeder.value(Strukturmaker::knapBillede(ikonlisteNummer, p)));
        b->setToolTip(QString());
    }
}

void Tstrukturform::setIkon(int ikonNumber) {
    ikonIndex = ikonNumber;
    const int p = Strukturmaker::knapFor(ikonlisteNummer, ikonNumber);
    if (p < 0) return;
    ikonboks->setTitle(Strukturmaker::ikonTekst(ikonlisteNummer, ikonNumber));
    ikonKnapper->button(p)->setChecked(true);
}

void Tstrukturform::ikonKlik(int position) {
    ikonIndex =
        ikonlisteNummer == 1 ? position : Strukturmaker::knapBillede(ikonlisteNummer, position);
    ikonboks->setTitle(QStringLiteral("Element ikon: ") +
                       Strukturmaker::knapTekst(ikonlisteNummer, position));
    tekstEdit->setFocus();
    tekstEdit->deselect();
    tekstEdit->end(false);
}

// --- taking over and entering -----------------------------------------------

void Tstrukturform::beforeRediger() {
    ClearToNew(false);
    const QTreeWidgetItem *valgt = infostruktur->valgtElement();
    if (flytmodeBox->isChecked() || !valgt) return;
    elementEdit->setText(valgt->text(0));
    tekstEdit->setText(valgt->text(0));
    dataEdit->setText(TStruktur::sideNavn(valgt));
    setIkon(TStruktur::ikonArt(valgt));
}

void Tstrukturform::tekstEnter() {
    if (!autoNavn->isChecked() && !EnsNavn->isChecked()) {
        dataEdit->setFocus();
        return;
    }
    if (insertAktiv) {
        // With "Ens tekst" the text is the file name; a made-up name would only linger.
        if (!EnsNavn->isChecked() && !tekstEdit->text().isEmpty() && !InsertAutoFilnavn()) return;
        InsertNode();
    } else {
        RedigerNode();
    }
}

void Tstrukturform::dataEnter() {
    if (autoNavn->isChecked() || EnsNavn->isChecked()) return;
    if (dataEdit->text().isEmpty())
        Dialoger::info(QStringLiteral("Der mangler et filnavn."), this);
    else if (insertAktiv)
        InsertNode();
}

// --- commands ---------------------------------------------------------------

bool Tstrukturform::InsertAutoFilnavn() {
    if (!aktuel()) {
        Dialoger::info(ingenStruktur, this);
        return false;
    }
    dataEdit->setText(Strukturmaker::autoFilnavn(sidemappe(), infostruktur->antal()));
    return true;
}

bool Tstrukturform::skrivSide() {
    if (!aktuel()) {
        Dialoger::info(ingenStruktur, this);
        return false;
    }
    if (EnsNavn->isChecked()) dataEdit->setText(tekstEdit->text());
    const QString f = dataEdit->text();
    if (f.isEmpty()) {
        Dialoger::info(QStringLiteral("Der mangler et filnavn!"), this);
        return false;
    }
    // The page must stay in the page folder.
    const QString fejl = Strukturmaker::navnFejl(f, QStringLiteral("filnavn"));
    if (!fejl.isEmpty()) {
        Dialoger::info(fejl, this);
        return false;
    }
    const QString side = sidemappe() + f + QStringLiteral(".html");
    if (QFileInfo::exists(side)) {
        Dialoger::info(filnavnFindes(side), this);
        return false;
    }
    return Dialoger::kommando(
        [&] { Tekstfil::skriv(side, Strukturmaker::standardSide(tekstEdit->text())); }, this);
}

void Tstrukturform::InsertNode() {
    // An element needs a text; without one no page is written either. With
    // "Ens tekst" the missing text is a missing file name, and says so.
    if (aktuel() && tekstEdit->text().isEmpty() && !EnsNavn->isChecked()) return;
    // A partly loaded structure gets no new page either.
    if (!Dialoger::kommando([this] { infostruktur->kraevHel(); }, this)) return;
    if (!skrivSide()) return;
    Dialoger::kommando(
        [this] {
            infostruktur->NyNode(tekstEdit->text(), dataEdit->text(), ikonIndex,
                                 sorterCheck->isChecked(), gemCheck->isChecked());
        },
        this);
    ClearToNew(true);
    insertAktiv = true;
    opdaterHandlinger();
}

void Tstrukturform::OpretFil() {
    if (!skrivSide()) return;
    ClearToNew(true);
}

void Tstrukturform::KontrollerFilnavn() {
    if (!aktuel()) {
        Dialoger::info(ingenStruktur, this);
        return;
    }
    if (dataEdit->text().isEmpty()) {
        Dialoger::info(QStringLiteral("Der er ikke noget aktuelt filnavn!"), this);
        return;
    }
    const QString n = dataEdit->text() + QStringLiteral(".html");
    Dialoger::info(QFileInfo::exists(sidemappe() + n)
                       ? filnavnFindes(n)
                       : QStringLiteral("Filnavnet:\n") + n + QStringLiteral("\neksisterer ikke!"),
                   this);
}

void Tstrukturform::RedigerNode() {
    const QTreeWidgetItem *valgt = infostruktur->valgtElement();
    if (!valgt || tekstEdit->text().isEmpty()) return;
    const QString f = dataEdit->text();
    const QString g = TStruktur::sideNavn(valgt);
    if (f.isEmpty()) {
        // An element without a page name would lose its page.
        Dialoger::info(QStringLiteral("Der mangler et filnavn!"), this);
        return;
    }
    const bool omdoeb = !ensAZ(f, g);
    if (omdoeb) {
        const QString fejl = Strukturmaker::navnFejl(f, QStringLiteral("filnavn"));
        if (!fejl.isEmpty()) {
            Dialoger::info(fejl, this);
            return;
        }
        if (QFileInfo::exists(sidemappe() + f + QStringLiteral(".html"))) {
            Dialoger::info(filnavnFindes(f), this);
            return;
        }
        if (!spmform->spoerg({QStringLiteral("Der er indført et nyt filnavn, der ikke er anvendt "
                                             "iforvejen. Skal det nye navn anvendes?")}))
            return;
    }
    const bool rettet = Dialoger::kommando(
        [&] {
            infostruktur->RedigerNode(tekstEdit->text(), f, ikonIndex, sorterCheck->isChecked(),
                                      gemCheck->isChecked());
        },
        this);
    infostruktur->setFocus();
    // The old name comes from the data file and must not reach outside the page folder.
    if (rettet && omdoeb && TStruktur::gyldigtSidenavn(g))
        QFile::rename(sidemappe() + g + QStringLiteral(".html"),
                      sidemappe() + f + QStringLiteral(".html"));
    ClearToNew(true);
    insertAktiv = true;
    opdaterHandlinger();
}

void Tstrukturform::DeleteNode() {
    const QTreeWidgetItem *valgt = infostruktur->valgtElement();
    if (!valgt) return;
    const QString tekst = valgt->text(0);
    const QString spm =
        valgt == infostruktur->topLevelItem(0) ? QStringLiteral("Skal hele strukturen slettes?")
        : valgt->childCount() > 0
            ? QStringLiteral("Skal elementet ") + tekst +
                  QStringLiteral(" med underelementer slettes?")
            : QStringLiteral("Skal elementet ") + tekst + QStringLiteral(" slettes?");
    if (!spmform->spoerg({spm})) return;
    if (!Dialoger::kommando([this] { infostruktur->SletNode(); }, this)) return;
    ClearToNew(true);
    opdaterHandlinger();
}

void Tstrukturform::sorterNoder() {
    if (infostruktur->antal() == 0) return;
    if (!spmform->spoerg({QStringLiteral("Skal elementerne i strukturen sorteres alfabetisk?")}))
        return;
    if (!Dialoger::kommando([this] { infostruktur->AlphaSort(true); }, this)) return;
    infostruktur->setModified(true);
    opdaterHandlinger();
}

void Tstrukturform::setFlytMode() {
    static constexpr TNodeAttachMode metoder[] = {naAdd, naAddFirst, naInsert, naAddChild,
                                                  naAddChildFirst};
    const int valgt = flytKnapper->checkedId();
    if (valgt >= 0 && valgt < 5) infostruktur->setFlytmode(metoder[valgt]);
}

void Tstrukturform::ReloadStruktur() {
    if (aktuel()) Dialoger::kommando([this] { infostruktur->HentStruktur(); }, this);
    infoform->strukturnavn = strukturName;
    emit strukturGenindlaest(strukturName);
    if (infoform->isHidden()) infoform->show();
    ClearToNew(true);
    opdaterHandlinger();
}

void Tstrukturform::VisStruktur() {
    infoform->strukturnavn = strukturName;
    infoform->HelpInfo(strukturName, tekstEdit->text());
    infoform->Web->setFocus();
}
