// The structure page.
#include "mainform.h"

#include "app/vinduer.h"
#include "bogudskrift.h"
#include "controls/struktur.h"
#include "core/dagbogsaar.h"
#include "core/historiktekst.h"
#include "core/kalender.h"
#include "core/sammenlign.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/slettede.h"
#include "forms/spm.h"
#include "forms/statistik.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/historik.h"
#include "platform/ikoner.h"
#include "platform/mapper.h"
#include "platform/skaermplads.h"
#include "platform/tekstfil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

QWidget *Tmainform::byggStrukturside() {
    auto *side2 = new QWidget;
    side2->setObjectName(QStringLiteral("side2"));
    auto *lodret = new QVBoxLayout(side2);
    auto *vaerktoej = new QToolBar(side2);
    vaerktoej->setObjectName(QStringLiteral("strukturToolBar"));
    auto knap = [&](const QString &navn, const QString &hinttekst, QStyle::StandardPixmap ikon) {
        auto *b = new QToolButton(vaerktoej);
        b->setObjectName(navn);
        b->setIcon(style()->standardIcon(ikon));
        hint(b, hinttekst);
        vaerktoej->addWidget(b);
        return b;
    };
    auto *infoStrukBut = knap(QStringLiteral("infoStrukBut"), QStringLiteral("Information"),
                              QStyle::SP_MessageBoxInformation);
    connect(infoStrukBut, &QToolButton::clicked, this,
            [] { infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Strukturen")); });
    aSletStrukturElement =
        nyHandling(QStringLiteral("aSletStrukturElement"), QStringLiteral("Slet"),
                   QStringLiteral("Slet valgte element"), {});
    aSletStrukturElement->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    aSletStrukturElement->setEnabled(false);
    connect(aSletStrukturElement, &QAction::triggered, this,
            &Tmainform::aSletStrukturElementExecute);
    auto *ToolButton2 = new QToolButton(vaerktoej);
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
    ToolButton2->setDefaultAction(aSletStrukturElement);
    vaerktoej->addWidget(ToolButton2);
    auto *ToolButton8 =
        knap(QStringLiteral("ToolButton8"), QStringLiteral("Hjemmelavede informationsstrukturer"),
             QStyle::SP_DirHomeIcon);
    strukturPU = new QMenu(ToolButton8);
    strukturPU->setObjectName(QStringLiteral("strukturPU"));
    ToolButton8->setMenu(strukturPU);
    ToolButton8->setPopupMode(QToolButton::InstantPopup);
    auto *expandKnap =
        knap(QStringLiteral("expandKnap"), QStringLiteral("Udfold struktur"), QStyle::SP_ArrowDown);
    auto *collapseKnap = knap(QStringLiteral("collapseKnap"), QStringLiteral("Sammenfold struktur"),
                              QStyle::SP_ArrowUp);
    auto *Label1 = new QLabel(QStringLiteral("Elementer: "), vaerktoej);
    Label1->setObjectName(QStringLiteral("Label1"));
    antalLabel = new QLabel(QStringLiteral("0"), vaerktoej);
    antalLabel->setObjectName(QStringLiteral("antalLabel"));
    auto *udskrivKnap = new QToolButton(vaerktoej);
    udskrivKnap->setObjectName(QStringLiteral("udskrivKnap"));
    udskrivKnap->setDefaultAction(nyUdskrivHandling());
    vaerktoej->addWidget(udskrivKnap);
    udskrivTommeCheck = new QCheckBox(QStringLiteral("Udskriv tomme sider"), vaerktoej);
    udskrivTommeCheck->setObjectName(QStringLiteral("udskrivTommeCheck"));
    udskrivTommeCheck->setChecked(TBogudskrift::tommeSider(optDir));
    hint(udskrivTommeCheck, QStringLiteral("Tag også dage uden et ord med i den udskrevne dagbog"));
    connect(udskrivTommeCheck, &QCheckBox::toggled, this,
            [this](bool til) { TBogudskrift::gemTommeSider(optDir, til); });
    vaerktoej->addWidget(udskrivTommeCheck);
    auto *statistikKnap = new QToolButton(vaerktoej);
    statistikKnap->setObjectName(QStringLiteral("statistikKnap"));
    statistikKnap->setText(QStringLiteral("Statistik…"));
    hint(statistikKnap, QStringLiteral("Vis dagbogsårets skrevne dage, ord og striber"));
    connect(statistikKnap, &QToolButton::clicked, this, &Tmainform::statistikKnapClick);
    vaerktoej->addWidget(statistikKnap);
    vaerktoej->addSeparator();
    vaerktoej->addWidget(Label1);
    vaerktoej->addWidget(antalLabel);
    lodret->addWidget(vaerktoej);

    Struktur = new TStruktur(side2);
    strukturImage = Ikoner::trae(0);
    Struktur->setObjectName(QStringLiteral("Struktur"));
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->setDataOn(true);
    Struktur->installEventFilter(this);
    connect(Struktur, &QTreeWidget::itemDoubleClicked, this, [this] { StrukturDblClick(); });
    connect(expandKnap, &QToolButton::clicked, Struktur, &QTreeWidget::expandAll);
    connect(collapseKnap, &QToolButton::clicked, Struktur, &QTreeWidget::collapseAll);
    lodret->addWidget(Struktur, 1);
    // Below the tree, so that the tool bar keeps its buttons in a narrow panel.
    auto *slettedeKnap = new QPushButton(QStringLiteral("Slettede sider…"), side2);
    slettedeKnap->setObjectName(QStringLiteral("slettedeKnap"));
    hint(slettedeKnap, QStringLiteral("Se de sider, der er slettet, og læg en tilbage"));
    connect(slettedeKnap, &QPushButton::clicked, this, &Tmainform::slettedeKnapClick);
    lodret->addWidget(slettedeKnap, 0, Qt::AlignLeft);
    return side2;
}

void Tmainform::statistikKnapClick() {
    if (!statistikform) statistikform = new Tstatistikform(this);
    if (!statistikform->isVisible()) Skaermplads::centrer(statistikform, this);
    statistikform->opdater();
    statistikform->show();
    statistikform->raise();
    statistikform->activateWindow();
}

bool Tmainform::eventFilter(QObject *objekt, QEvent *e) {
    if (objekt == Struktur && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) {
            StrukturDblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, e);
}

void Tmainform::LoadStruktur() {
    Struktur->setBilleder(strukturImage);
    const QString mappe = strukturDir + TStruktur::bartNavn(strukturNavn);
    Struktur->setBilledmappe(mappe + QStringLiteral("/Billeder/"));
    Struktur->setStrukturfile(mappe + QStringLiteral("/struktur.txt"));
    Struktur->setDatafile(mappe + QStringLiteral("/data.txt"));
    Struktur->setInfomappe(mappe + QStringLiteral("/tekstfiler/"));
    if (!Struktur->HentStruktur()) genopbygDagbogsaar();
    setWindowTitle(brugernavn + QStringLiteral(" Dagbog: ") + strukturNavn);
    opdaterAntal();
}

void Tmainform::genopbygDagbogsaar() {
    // A diary year whose tree file is gone (a copy of the pages only, a sync tool)
    // takes its tree back from the pages that carry the diary's own names.
    const QString navn = TStruktur::bartNavn(strukturNavn);
    const int aar = dagbogsAar(navn);
    if (aar == 0) return;
    QSet<QString> sider;
    for (const QString &fil : QDir(Struktur->Infomappe()).entryList(QDir::Files))
        if (fil.endsWith(QStringLiteral(".html"))) sider.insert(fil.chopped(5));
    const QList<Dagbogsaar::Element> elementer = Dagbogsaar::traeFraSider(aar, sider);
    if (elementer.isEmpty()) return;
    QString maaned;
    int taget = 0;
    for (const Dagbogsaar::Element &e : elementer) {
        if (e.niveau == 1) maaned = e.navn;
        if (e.niveau > 0) {
            Struktur->setSelected(e.niveau == 1 ? navn : maaned);
            Struktur->setFlytmode(naAddChild);
        }
        Struktur->NyNode(e.navn, e.navn, e.niveau == 2 ? 6 : e.niveau, false, false);
        if (e.harSide)
            ++taget;
        else
            gemNySide(e.navn, Dagbogsaar::skabelon(e.niveau + 1, navn, maaned, QString()));
    }
    Struktur->GemStruktur();
    statusBar()->showMessage(
        QStringLiteral("Træet for %1 manglede og er bygget op igen af %2 fra sidemappen.")
            .arg(navn,
                 taget == 1 ? QStringLiteral("1 side") : QStringLiteral("%1 sider").arg(taget)));
}

void Tmainform::LoadStrukturen(const QString &sName) {
    strukturNavn = sName;
    LoadStruktur();
}

void Tmainform::opdaterAntal() {
    const int n = Struktur->antal();
    dagbogform->saetAntal(n);
    antalLabel->setText(QString::number(n));
}

void Tmainform::createStrukturPU() {
    static const QStringList udeladte{QStringLiteral("CSS"),         QStringLiteral("Html5"),
                                      QStringLiteral("ASP"),         QStringLiteral("JavaScript"),
                                      QStringLiteral("Information"), QStringLiteral("VBS"),
                                      QStringLiteral("Eksempler")};
    strukturPU->clear();
    SLstruk.clear();
    const QFileInfoList indhold =
        QDir(strukturDir)
            .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    for (const QFileInfo &f : indhold)
        if (f.suffix().isEmpty() && !f.fileName().endsWith(u'.')) SLstruk.append(f.fileName());
    for (const QString &navn : std::as_const(SLstruk)) {
        if (std::any_of(udeladte.cbegin(), udeladte.cend(),
                        [&](const QString &u) { return ensAZ(u, navn); }))
            continue;
        // The menu would take a single "&" as a shortcut mark; the handler keeps the real name.
        QAction *a = strukturPU->addAction(style()->standardIcon(QStyle::SP_DirIcon),
                                           QString(navn).replace(u'&', QStringLiteral("&&")));
        a->setObjectName(navn);
        a->setToolTip(QStringLiteral("Struktur"));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this,
                [this, navn] { Dialoger::kommando([&] { LoadStrukturen(navn); }, this); });
    }
    if (strukturPU->isEmpty()) {
        QAction *a = strukturPU->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                           QStringLiteral("Ingen strukturer"));
        a->setObjectName(QStringLiteral("Ingen strukturer"));
        a->setToolTip(QStringLiteral("Opret struktur!"));
        a->setStatusTip(a->toolTip());
        brugerlevel = 0;
    }
}

void Tmainform::aSletStrukturElementUpdate() {
    aSletStrukturElement->setEnabled(Struktur->valgtElement() && klient->subWindowList().isEmpty());
}

void Tmainform::aSletStrukturElementExecute() {
    QTreeWidgetItem *valgt = Struktur->valgtElement();
    if (!valgt || !klient->subWindowList().isEmpty()) return;
    Dialoger::kommando(
        [this, valgt] {
            if (valgt == Struktur->elementVed(0))
                sletStrukturen();
            else
                sletElement(valgt);
        },
        this);
    markerDagsider();
}

void Tmainform::slettedeKnapClick() {
    if (!slettedeform) slettedeform = new Tslettedeform(this);
    slettedeform->opdater();
    slettedeform->show();
    slettedeform->raise();
    slettedeform->activateWindow();
}

void Tmainform::sletStrukturen() {
    // The folder named and deleted is the one the tree was loaded from. strukturNavn may
    // already name the calendar's new year, and a folder other than the one named in the
    // question must never go.
    const QString mappe = QFileInfo(Struktur->Strukturfile()).path();
    const QString hjem = QDir::cleanPath(strukturDir);
    if (Struktur->Strukturfile().isEmpty() || QDir::cleanPath(mappe) == hjem ||
        QFileInfo(QDir::cleanPath(mappe)).path() != hjem)
        return;
    if (!spmform->spoerg({QStringLiteral("Mappe slettres:"), mappe,
                          QStringLiteral("Billeder bliver også slettede."), QString(),
                          QStringLiteral("Skal hele strukturen slettes permanent?")}))
        return;
    Historik::beskriv(Historiktekst::sletning(QFileInfo(mappe).fileName(), Struktur->antal() - 1));
    if (!Mapper::sletMappe(mappe))
        throw Tekstfil::FilFejl(mappe,
                                QStringLiteral("Mappen \"%1\" kan ikke slettes.").arg(mappe));
    Struktur->ryd();
    strukturNavn.clear();
    createStrukturPU();
    opdaterAntal();
    dagbogform->maxIndex = 0;
    if (dagbogform->isVisible()) dagbogform->close();
}

void Tmainform::sletElement(QTreeWidgetItem *valgt) {
    const QString spm = QStringLiteral("Skal elementet ") + valgt->text(0) +
                        (valgt->childCount() > 0 ? QStringLiteral(" med underelementer slettes?")
                                                 : QStringLiteral(" slettes?"));
    if (!spmform->spoerg({spm})) return;
    Struktur->SletNode();
    opdaterAntal();
    Struktur->GemStruktur();
    // The reader starts again at its first pages, which still exist.
    dagbogform->Edit->setText(QStringLiteral("0"));
    dagbogform->AgoExecute();
}
