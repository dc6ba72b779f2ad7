#include "strukturmaker.h"

#include "core/kontrast.h"

#include "app/vinduer.h"
#include "controls/listeraekke.h"
#include "controls/struktur.h"
#include "core/sammenlign.h"
#include "forms/spm.h"
#include "main/hint.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/skaermplads.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton *trykknap(QWidget *forael, const QString &navn, const QString &tekst,
                      const QString &hinttekst) {
    auto *b = new QPushButton(tekst, forael);
    b->setObjectName(navn);
    hint(b, hinttekst);
    return b;
}

QLabel *etiket(QWidget *forael, const QString &navn, const QString &tekst) {
    auto *l = new QLabel(tekst, forael);
    l->setObjectName(navn);
    return l;
}

// The fixed texts are dark red, as light as each design needs to read it.
class MoerkeroedTekst : public QObject {
public:
    explicit MoerkeroedTekst(QWidget *felt)
        : QObject(felt) {
        felt->installEventFilter(this);
        farv(felt);
    }
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::PaletteChange) farv(static_cast<QWidget *>(o));
        return false;
    }

private:
    static void farv(QWidget *felt) {
        QPalette p = felt->palette();
        const QColor roed(
            Kontrast::mindst(0x800000, {p.color(QPalette::Base).rgb() & 0xFFFFFF}, 4.5));
        if (p.color(QPalette::Text) == roed) return;
        p.setColor(QPalette::Text, roed);
        felt->setPalette(p);
    }
};

QPlainTextEdit *fastTekst(QWidget *forael, const QString &navn, const QStringList &linjer) {
    auto *t = new QPlainTextEdit(forael);
    t->setObjectName(navn);
    t->setReadOnly(true);
    t->setPlainText(linjer.join(u'\n'));
    // The lines are broken by hand: wrapping them again splits them mid-sentence.
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    int bredest = 0;
    for (const QString &l : linjer)
        bredest = std::max(bredest, t->fontMetrics().horizontalAdvance(l));
    t->setMinimumWidth(bredest + 2 * t->frameWidth() + 12);
    new MoerkeroedTekst(t);
    return t;
}

} // namespace

Tstrukturform::Tstrukturform(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("strukturform"));
    setWindowTitle(QStringLiteral("Strukturkonstruktøren"));
    setMinimumSize(675, 545);

    strukturBog = new QTabWidget(this);
    strukturBog->setObjectName(QStringLiteral("strukturBog"));
    strukturBog->setAccessibleName(QStringLiteral("Sider"));
    side1 = byggSide1();
    side2 = byggSide2();
    strukturBog->addTab(side1, QStringLiteral("Ny struktur | Rediger struktur"));
    strukturBog->addTab(side2, QStringLiteral("Informationsstruktur"));
    infobar = new QStatusBar(this);
    infobar->setObjectName(QStringLiteral("infobar"));
    infobar->setSizeGripEnabled(false);
    auto *lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(4, 4, 4, 0);
    lodret->addWidget(strukturBog, 1);
    lodret->addWidget(infobar);

    infostruktur->setDataOn(true);
    strukturDir = mainform->programDir + QStringLiteral("Struktur/");
    LoadStrukturBoks();
    visIkonliste();
    setIkon(0);
    setFlytMode();
    opdaterHandlinger();
}

QWidget *Tstrukturform::byggSide1() {
    auto *side = new QWidget;
    side->setObjectName(QStringLiteral("side1"));

    auto *Label1 = etiket(side, QStringLiteral("Label1"), QStringLiteral("Informationsstrukturer"));
    QFont fed = Label1->font();
    fed.setBold(true);
    Label1->setFont(fed);
    strukturboks = new QListWidget(side);
    strukturboks->setObjectName(QStringLiteral("strukturboks"));
    Label1->setBuddy(strukturboks);
    strukturboks->setItemDelegate(new TListeRaekke(20, strukturboks));
    strukturboks->installEventFilter(this);
    connect(strukturboks, &QListWidget::itemDoubleClicked, this, [this] {
        RedigerStruktur();
        ClearToNew(true);
    });

    OpdaterInfoButton = trykknap(
        side, QStringLiteral("OpdaterInfoButton"), QStringLiteral("Opdater Infostrukturer"),
        QStringLiteral("Opdater Informationsstrukturer efter ændringer i listen"));
    redigerButton =
        trykknap(side, QStringLiteral("redigerButton"), QStringLiteral("Rediger Struktur"),
                 QStringLiteral("Rediger valgte struktur"));
    Button4 = trykknap(side, QStringLiteral("Button4"), QStringLiteral("Slet Struktur"),
                       QStringLiteral("Slet valgte struktur"));
    connect(OpdaterInfoButton, &QPushButton::clicked, this, &Tstrukturform::LoadStrukturBoks);
    connect(redigerButton, &QPushButton::clicked, this, [this] {
        RedigerStruktur();
        ClearToNew(true);
    });
    connect(Button4, &QPushButton::clicked, this, [this] {
        DeleteStruktur();
        emit strukturerAendret();
    });

    navnEdit = new QLineEdit(side);
    navnEdit->setObjectName(QStringLiteral("navnEdit"));
    navnEdit->setAccessibleName(QStringLiteral("Navn på ny struktur"));
    opretKnap = trykknap(side, QStringLiteral("opretKnap"), QStringLiteral("Opret struktur"),
                         QStringLiteral("Opret en ny struktur"));
    connect(navnEdit, &QLineEdit::returnPressed, this, &Tstrukturform::opretStruktur);
    connect(opretKnap, &QPushButton::clicked, this, &Tstrukturform::opretStruktur);

    nyMemo = fastTekst(
        side, QStringLiteral("nyMemo"),
        {QStringLiteral("Der kan oprettes nye struk-"), QStringLiteral("turer, der kan anvendes i"),
         QStringLiteral("programmet."), QString(), QStringLiteral("FREMGANGSMÅDE:"), QString(),
         QStringLiteral("1. Indfør et unikt struktur-"),
         QStringLiteral("navn: To strukturer må ikke"), QStringLiteral("have samme navn."),
         QString(), QStringLiteral("2. Tryk 'Opret struktur'."), QString(),
         QStringLiteral("3. Den relevante side, hvor"),
         QStringLiteral("strukturen kan indføres, åb-"), QStringLiteral("nes."), QString(),
         QStringLiteral("4. Strukturen laves ved op-"),
         QStringLiteral("rettelse af strukturpunkter.")});
    nyMemo->setAccessibleName(QStringLiteral("Om nye strukturer"));
    Memo = fastTekst(side, QStringLiteral("Memo"),
                     {QString(),
                      QStringLiteral("En informationsstruktur er en struktur"),
                      QStringLiteral("som de strukturer, der er vist i listen."),
                      QString(),
                      QStringLiteral("Hvis der oprettes nye strukturer, kan de"),
                      QStringLiteral("aktiveres ligesom de viste."),
                      QString(),
                      QStringLiteral("Eksisterende strukturer kan redigeres."),
                      QString(),
                      QStringLiteral("Alle hjemmelavede strukturer kan slet-"),
                      QStringLiteral("tes, hvis det synes nødvendigt."),
                      QString(),
                      QStringLiteral("Hjemmesiderne kan skrives i externt"),
                      QStringLiteral("program."),
                      QString(),
                      QStringLiteral("Det kan for eksempel være:"),
                      QStringLiteral("Ravlo"),
                      QString(),
                      QStringLiteral("Funktionen aktiveres ved rediger-"),
                      QStringLiteral("knappen.")});
    Memo->setAccessibleName(QStringLiteral("Om informationsstrukturer"));

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(Label1);
    venstre->addWidget(strukturboks, 1);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(OpdaterInfoButton);
    knapper->addWidget(redigerButton);
    knapper->addWidget(Button4);
    venstre->addLayout(knapper);
    auto *midte = new QVBoxLayout;
    midte->addWidget(etiket(side, QStringLiteral("Label7"), QStringLiteral("Ny struktur")));
    midte->addWidget(etiket(side, QStringLiteral("Label8"), QStringLiteral("Strukturnavn")));
    midte->addWidget(navnEdit);
    midte->addWidget(opretKnap);
    midte->addWidget(nyMemo, 1);
    auto *vandret = new QHBoxLayout(side);
    vandret->addLayout(venstre, 3);
    vandret->addLayout(midte, 2);
    vandret->addWidget(Memo, 2);
    return side;
}

// --- the window -------------------------------------------------------------

bool Tstrukturform::event(QEvent *e) {
    // The long hint of the control under the mouse goes to the status bar.
    if (e->type() == QEvent::StatusTip && infobar) {
        infobar->showMessage(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}

void Tstrukturform::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (mainform) Skaermplads::centrer(this, mainform);
}

bool Tstrukturform::eventFilter(QObject *objekt, QEvent *e) {
    if (objekt == strukturboks && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            RedigerStruktur();
            return true;
        }
    }
    const bool musKnap =
        e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease;
    if (infostruktur && objekt == infostruktur->viewport() && musKnap) {
        const auto *mus = static_cast<QMouseEvent *>(e);
        if (e->type() == QEvent::MouseButtonPress && mus->button() == Qt::LeftButton)
            infostruktur->MusDown(mus->position().toPoint().x(), mus->position().toPoint().y());
        else if (mus->button() == Qt::LeftButton) {
            const bool flytter = infostruktur->musFlytter();
            infostruktur->MusUp(mus->position().toPoint().x(), mus->position().toPoint().y(),
                                false);
            if (flytter) opdaterHandlinger();
        }
    }
    return QWidget::eventFilter(objekt, e);
}

// --- the structures -----------------------------------------------------------

void Tstrukturform::LoadStrukturBoks() {
    strukturboks->clear();
    // In the order the file system gives them.
    const QStringList indgange =
        QDir(strukturDir)
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDir::Unsorted);
    for (const QString &navn : indgange)
        if (Strukturmaker::erStrukturnavn(navn)) strukturboks->addItem(navn);
}

void Tstrukturform::ClearToNew(bool Efocus) {
    tekstEdit->clear();
    dataEdit->clear();
    if (Efocus) tekstEdit->setFocus();
}

void Tstrukturform::opretStruktur() {
    ClearToNew(false);
    const QString navn = navnEdit->text();
    if (navn.isEmpty()) {
        Dialoger::info(QStringLiteral("Der mangler et strukturnavn!"), this);
        return;
    }
    // Separators and dot names would put the folder somewhere else than the structure folder.
    const QString fejl = Strukturmaker::navnFejl(navn, QStringLiteral("strukturnavn"));
    if (!fejl.isEmpty()) {
        Dialoger::info(fejl, this);
        return;
    }
    for (int i = 0; i < strukturboks->count(); ++i) {
        if (ensAZ(strukturboks->item(i)->text(), navn)) {
            Dialoger::info(QStringLiteral("Der eksisterer en struktur med samme navn.\n"
                                          "Find på et nyt navn."),
                           this);
            return;
        }
    }
    const QString mappe = strukturDir + navn;
    if (QFileInfo(mappe).isDir()) return;
    Mapper::opretMappe(mappe);
    infostruktur->setInfomappe(mappe + QStringLiteral("/tekstfiler/"));
    Mapper::opretMappe(infostruktur->Infomappe());
    infostruktur->setHtmlmappe(infostruktur->Infomappe() + QStringLiteral("Design og funktioner/"));
    Mapper::opretMappe(infostruktur->Htmlmappe());
    infostruktur->setBilledmappe(mappe + QStringLiteral("/Billeder/"));
    Mapper::opretMappe(infostruktur->Billedmappe());
    infostruktur->setStrukturfile(mappe + QStringLiteral("/struktur.txt"));
    infostruktur->setDatafile(mappe + QStringLiteral("/data.txt"));
    for (const QString &fil : {QStringLiteral("design.css"), QStringLiteral("funktioner.js")}) {
        const QString til = infostruktur->Htmlmappe() + fil;
        QFile::remove(til);
        QFile::copy(mainform->programDir + fil, til);
    }
    LoadStrukturBoks();
    InfoLabel->setText(QStringLiteral("Strukturnavn: ") + navn);
    strukturName = navn;
    visIkonliste();
    Dialoger::kommando([this] { infostruktur->HentStruktur(); }, this);
    strukturBog->setCurrentWidget(side2);
    opdaterHandlinger();
    emit strukturerAendret();
}

void Tstrukturform::DeleteStruktur() {
    if (strukturboks->count() == 0) return;
    const QList<QListWidgetItem *> valgte = strukturboks->selectedItems();
    if (valgte.isEmpty()) {
        Dialoger::info(QStringLiteral("Der er ikke valgt nogen struktur."), this);
        return;
    }
    QListWidgetItem *valgt = valgte.first();
    const QString navn = valgt->text();
    const QString mappe = strukturDir + navn;
    if (!QFileInfo(mappe).isDir()) {
        Dialoger::info(QDir::toNativeSeparators(mappe) + QStringLiteral(" blev ikke fundet!"),
                       this);
        return;
    }
    const QString grund = Strukturmaker::beskyttet(navn);
    if (!grund.isEmpty()) {
        Dialoger::info(QStringLiteral("Denne fil må ikke slettes!\n") + grund, this);
        return;
    }
    if (!spmform->spoerg(
            {QStringLiteral("Skal strukturen ") + navn + QStringLiteral(" slettes totalt?")}))
        return;
    infostruktur->ryd();
    infostruktur->setStrukturfile(QString());
    infostruktur->setDatafile(QString());
    infostruktur->setInfomappe(QString());
    InfoLabel->setText(QStringLiteral("Strukturnavn: "));
    ClearToNew(false);
    // The entry stays while anything of the folder is left.
    if (Mapper::sletMappe(mappe))
        delete valgt;
    else
        Dialoger::fejl(QStringLiteral("Mappen \"%1\" kan ikke slettes.").arg(mappe), this);
    opdaterHandlinger();
}

void Tstrukturform::RedigerStruktur() {
    if (strukturboks->count() == 0) return;
    const QList<QListWidgetItem *> valgte = strukturboks->selectedItems();
    if (!valgte.isEmpty()) aabn(valgte.first()->text());
    visIkonliste();
    beforeRediger();
    opdaterHandlinger();
}

void Tstrukturform::aabn(const QString &navn) {
    const QString mappe = strukturDir + navn;
    infostruktur->setStrukturfile(mappe + QStringLiteral("/struktur.txt"));
    infostruktur->setDatafile(mappe + QStringLiteral("/data.txt"));
    infostruktur->setInfomappe(mappe + QStringLiteral("/tekstfiler/"));
    Dialoger::kommando([this] { infostruktur->HentStruktur(); }, this);
    InfoLabel->setText(QStringLiteral("Strukturnavn: ") + navn + QStringLiteral(". Antal items: ") +
                       QString::number(infostruktur->antal()));
    strukturBog->setCurrentWidget(side2);
    strukturName = navn;
}
