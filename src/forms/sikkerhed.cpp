#include "sikkerhed.h"

#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/rotation.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/sikkerhedskopi.h"
#include "platform/skaermplads.h"
#include "platform/zipfil.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int stiRolle = Qt::UserRole;
}

Tsikkerhedform::Tsikkerhedform(Tmainform *hovedvindue)
    : QWidget(hovedvindue, Qt::Window)
    , hoved(hovedvindue) {
    setObjectName(QStringLiteral("sikkerhedform"));
    setWindowTitle(QStringLiteral("Sikkerhedskopier"));
    resize(620, 420);
    Skaermplads::aabnesMidtOverHovedvinduet(this);

    mappeLabel = new QLabel(this);
    mappeLabel->setObjectName(QStringLiteral("mappeLabel"));
    mappeLabel->setWordWrap(true);

    arkivListe = new QTreeWidget(this);
    arkivListe->setObjectName(QStringLiteral("arkivListe"));
    arkivListe->setHeaderLabels({QStringLiteral("Dato"), QStringLiteral("Størrelse")});
    arkivListe->setRootIsDecorated(false);
    arkivListe->header()->setStretchLastSection(false);
    arkivListe->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    arkivListe->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(arkivListe, &QTreeWidget::currentItemChanged, this, &Tsikkerhedform::arkivValgt);

    strukturListe = new QListWidget(this);
    strukturListe->setObjectName(QStringLiteral("strukturListe"));
    connect(strukturListe, &QListWidget::currentRowChanged, this,
            [this](int r) { GendanKnap->setEnabled(r >= 0); });

    GendanKnap = new QPushButton(QStringLiteral("Gendan"), this);
    GendanKnap->setObjectName(QStringLiteral("GendanKnap"));
    GendanKnap->setToolTip(
        QStringLiteral("Læg den valgte struktur ved siden af de nuværende som en ny struktur"));
    GendanKnap->setEnabled(false);
    connect(GendanKnap, &QPushButton::clicked, this, &Tsikkerhedform::GendanKnapClick);
    AabnMappeKnap = new QPushButton(QStringLiteral("Åbn mappen"), this);
    AabnMappeKnap->setObjectName(QStringLiteral("AabnMappeKnap"));
    AabnMappeKnap->setToolTip(QStringLiteral("Vis mappen med sikkerhedskopierne"));
    connect(AabnMappeKnap, &QPushButton::clicked, this, &Tsikkerhedform::AabnMappeKnapClick);
    LukKnap = new QPushButton(QStringLiteral("Luk"), this);
    LukKnap->setObjectName(QStringLiteral("LukKnap"));
    connect(LukKnap, &QPushButton::clicked, this, &QWidget::close);

    auto *lister = new QHBoxLayout;
    auto *venstre = new QVBoxLayout;
    venstre->addWidget(new QLabel(QStringLiteral("Sikkerhedskopier"), this));
    venstre->addWidget(arkivListe, 1);
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(new QLabel(QStringLiteral("Strukturer i kopien"), this));
    hoejre->addWidget(strukturListe, 1);
    lister->addLayout(venstre, 3);
    lister->addLayout(hoejre, 2);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(AabnMappeKnap);
    knapper->addStretch();
    knapper->addWidget(GendanKnap);
    knapper->addWidget(LukKnap);
    auto *alt = new QVBoxLayout(this);
    alt->addWidget(mappeLabel);
    alt->addLayout(lister, 1);
    alt->addLayout(knapper);
}

void Tsikkerhedform::opdater() {
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    const QList<Sikkerhedskopi::Arkiv> alle = Sikkerhedskopi::arkiver(hoved->kopiDir());
    mappeLabel->setText(alle.isEmpty() ? QStringLiteral("Der er endnu ingen sikkerhedskopier i ") +
                                             QDir::toNativeSeparators(hoved->kopiDir())
                                       : QStringLiteral("Sikkerhedskopierne ligger i ") +
                                             QDir::toNativeSeparators(hoved->kopiDir()));
    arkivListe->clear();
    for (const Sikkerhedskopi::Arkiv &a : alle) {
        auto *r = new QTreeWidgetItem(arkivListe);
        r->setText(0, dansk.toString(a.dato, QStringLiteral("dddd d. MMMM yyyy")));
        r->setText(1, dansk.formattedDataSize(a.stoerrelse, 1, QLocale::DataSizeTraditionalFormat));
        r->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        r->setData(0, stiRolle, a.sti);
    }
    if (arkivListe->topLevelItemCount() > 0)
        arkivListe->setCurrentItem(arkivListe->topLevelItem(0));
    else
        arkivValgt();
}

QString Tsikkerhedform::valgtArkiv() const {
    const QTreeWidgetItem *r = arkivListe->currentItem();
    return r ? r->data(0, stiRolle).toString() : QString();
}

void Tsikkerhedform::arkivValgt() {
    strukturListe->clear();
    const QString arkiv = valgtArkiv();
    if (!arkiv.isEmpty()) strukturListe->addItems(Sikkerhedskopi::strukturer(arkiv));
    if (strukturListe->count() > 0) strukturListe->setCurrentRow(0);
    GendanKnap->setEnabled(strukturListe->currentRow() >= 0);
}

void Tsikkerhedform::GendanKnapClick() {
    const QString arkiv = valgtArkiv();
    const QListWidgetItem *valgt = strukturListe->currentItem();
    if (arkiv.isEmpty() || !valgt) return;
    const QString navn = valgt->text();
    const QDate dato = Rotation::datoAfArkiv(QFileInfo(arkiv).fileName());
    const QString nyt = Rotation::gendannetNavn(
        navn, dato, [this](const QString &n) { return QFileInfo::exists(hoved->strukturDir + n); });
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    if (!spmform->spoerg({QStringLiteral("Strukturen \"") + navn + QStringLiteral("\" fra ") +
                          dansk.toString(dato, QStringLiteral("d. MMMM yyyy")) +
                          QStringLiteral(" gendannes som \"") + nyt +
                          QStringLiteral("\". Dine nuværende sider røres ikke.")}))
        return;
    if (!Zipfil::udpak(arkiv, QStringLiteral("Struktur/") + navn + u'/',
                       hoved->strukturDir + nyt)) {
        Dialoger::fejl(QStringLiteral("Strukturen ") + navn +
                           QStringLiteral(" kunne ikke gendannes fra ") +
                           QFileInfo(arkiv).fileName() + u'.',
                       this);
        return;
    }
    // The user goes on with the structure they had; the copy waits in the list.
    hoved->createStrukturPU();
    hoved->statusBar()->showMessage(
        QStringLiteral("Strukturen er gendannet som \"") + nyt + QStringLiteral("\"."), 10000);
}

void Tsikkerhedform::AabnMappeKnapClick() {
    QDir().mkpath(hoved->kopiDir());
    Dialoger::aabnAdresse(QUrl::fromLocalFile(hoved->kopiDir()).toString());
}
