// The daily backup of the diary folder and the way to its restore window.
#include "mainform.h"

#include "core/rotation.h"
#include "forms/sikkerhed.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/sikkerhedskopi.h"
#include "platform/timeglas.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPushButton>
#include <QStatusBar>
#include <QtConcurrent>

void Tmainform::byggSikkerhedsfelt(QWidget *side, QBoxLayout *lodret) {
    lodret->addSpacing(12);
    SikkerhedskopiCheck = new QCheckBox(QStringLiteral("Sikkerhedskopi hver dag"), side);
    SikkerhedskopiCheck->setObjectName(QStringLiteral("SikkerhedskopiCheck"));
    SikkerhedskopiCheck->setChecked(sikkerhedskopier);
    hint(SikkerhedskopiCheck, QStringLiteral("Gem hele dagbogen i en zip-fil én gang om dagen"));
    connect(SikkerhedskopiCheck, &QCheckBox::toggled, this, &Tmainform::SikkerhedskopiCheckClick);
    lodret->addWidget(SikkerhedskopiCheck);
    auto *sikkerhedKnap = new QPushButton(QStringLiteral("Sikkerhedskopier…"), side);
    sikkerhedKnap->setObjectName(QStringLiteral("sikkerhedKnap"));
    hint(sikkerhedKnap, QStringLiteral("Se sikkerhedskopierne og gendan en struktur"));
    connect(sikkerhedKnap, &QPushButton::clicked, this, &Tmainform::sikkerhedKnapClick);
    lodret->addWidget(sikkerhedKnap, 0, Qt::AlignLeft);
}

Tmainform::~Tmainform() {
    if (kopiVagt) kopiVagt->waitForFinished();
}

QString Tmainform::kopiDir() const {
    return brugerDir + QStringLiteral("/Sikkerhedskopier/");
}

void Tmainform::SikkerhedskopiCheckClick() {
    sikkerhedskopier = SikkerhedskopiCheck->isChecked();
}

void Tmainform::sikkerhedKnapClick() {
    if (!sikkerhedform) sikkerhedform = new Tsikkerhedform(this);
    sikkerhedform->opdater();
    sikkerhedform->show();
    sikkerhedform->raise();
    sikkerhedform->activateWindow();
}

void Tmainform::sikkerhedskopiVedGem() {
    if (!sikkerhedskopier || kopiFejlVist) return;
    if (kopiVagt && kopiVagt->isRunning()) return;
    if (QFileInfo::exists(kopiDir() + Rotation::arkivnavn(QDate::currentDate()))) return;
    startSikkerhedskopi();
}

void Tmainform::startSikkerhedskopi() {
    if (!kopiVagt) {
        kopiVagt = new QFutureWatcher<Sikkerhedskopi::Resultat>(this);
        connect(kopiVagt, &QFutureWatcherBase::finished, this,
                [this] { sikkerhedskopiFaerdig(kopiVagt->result()); });
    }
    // The worker gets its own copies of the paths; it only reads the diary.
    kopiVagt->setFuture(
        QtConcurrent::run([bruger = brugerDir, kopier = kopiDir(), idag = QDate::currentDate()] {
            return Sikkerhedskopi::lav(bruger, kopier, idag);
        }));
}

void Tmainform::sikkerhedskopiVedSlut() {
    Timeglas vent;
    if (kopiVagt && kopiVagt->isRunning()) {
        // Its result is taken here; the program ends before the signal would come.
        kopiVagt->disconnect(this);
        kopiVagt->waitForFinished();
        sikkerhedskopiFaerdig(kopiVagt->result());
        kopiVagt->deleteLater();
        kopiVagt = nullptr;
    }
    if (!sikkerhedskopier || kopiFejlVist) return;
    if (QFileInfo::exists(kopiDir() + Rotation::arkivnavn(QDate::currentDate()))) return;
    QFuture<Sikkerhedskopi::Resultat> f =
        QtConcurrent::run([bruger = brugerDir, kopier = kopiDir(), idag = QDate::currentDate()] {
            return Sikkerhedskopi::lav(bruger, kopier, idag);
        });
    f.waitForFinished();
    sikkerhedskopiFaerdig(f.result());
}

void Tmainform::sikkerhedskopiFaerdig(const Sikkerhedskopi::Resultat &r) {
    switch (r.udfald) {
    case Sikkerhedskopi::Udfald::Lavet:
        statusBar()->showMessage(QStringLiteral("Sikkerhedskopi gemt: ") + r.arkiv, 8000);
        break;
    case Sikkerhedskopi::Udfald::Uaendret:
        statusBar()->showMessage(
            QStringLiteral("Ingen sikkerhedskopi i dag: intet er ændret siden den sidste."), 8000);
        break;
    case Sikkerhedskopi::Udfald::Fejl:
        // Once per run: a full disk would otherwise ask at every save.
        if (kopiFejlVist) break;
        kopiFejlVist = true;
        Dialoger::fejl(QStringLiteral("Sikkerhedskopien kunne ikke gemmes i ") +
                           QDir::toNativeSeparators(kopiDir()) +
                           QStringLiteral(". Måske er disken fuld, eller mappen må ikke "
                                          "skrives i. Selve dagbogen er ikke rørt."),
                       this);
        break;
    }
}
