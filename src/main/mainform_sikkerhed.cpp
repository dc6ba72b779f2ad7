// The daily backup of the diary folder and the way to its restore window.
#include "mainform.h"

#include "core/rotation.h"
#include "forms/sikkerhed.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/sikkerhedskopi.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressDialog>
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

QFuture<Sikkerhedskopi::Resultat> Tmainform::koerSikkerhedskopi() {
    kopiAfbryd->store(false);
    // The worker gets its own copies of the paths; it only reads the diary.
    return QtConcurrent::run([bruger = brugerDir, program = QDir::cleanPath(programDir),
                              kopier = kopiDir(), idag = QDate::currentDate(),
                              afbryd = kopiAfbryd] {
        return Sikkerhedskopi::lav(bruger, program, kopier, idag, afbryd.get());
    });
}

void Tmainform::startSikkerhedskopi() {
    if (!kopiVagt) {
        kopiVagt = new QFutureWatcher<Sikkerhedskopi::Resultat>(this);
        connect(kopiVagt, &QFutureWatcherBase::finished, this,
                [this] { sikkerhedskopiFaerdig(kopiVagt->result()); });
    }
    kopiVagt->setFuture(koerSikkerhedskopi());
}

Sikkerhedskopi::Resultat Tmainform::ventPaaSikkerhedskopi(QFuture<Sikkerhedskopi::Resultat> f) {
    // A backup that takes a while is shown, and may be skipped: closing never waits for it.
    QProgressDialog vent(QStringLiteral("Sikkerhedskopierer dagbogen …"),
                         QStringLiteral("Spring over"), 0, 0, this);
    vent.setObjectName(QStringLiteral("kopiFremskridt"));
    vent.setWindowTitle(QStringLiteral("Sikkerhedskopi"));
    vent.setWindowModality(Qt::WindowModal);
    vent.setMinimumDuration(1000);
    vent.setValue(0);
    connect(&vent, &QProgressDialog::canceled, this, [this] { kopiAfbryd->store(true); });
    QFutureWatcher<Sikkerhedskopi::Resultat> vagt;
    QEventLoop loekke;
    connect(&vagt, &QFutureWatcherBase::finished, &loekke, &QEventLoop::quit);
    vagt.setFuture(f);
    if (!f.isFinished()) loekke.exec();
    return f.result();
}

void Tmainform::sikkerhedskopiVedSlut() {
    if (kopiVagt && kopiVagt->isRunning()) {
        // Its result is taken here; the program ends before the signal would come.
        kopiVagt->disconnect(this);
        const QFuture<Sikkerhedskopi::Resultat> f = kopiVagt->future();
        kopiVagt->deleteLater();
        kopiVagt = nullptr;
        const Sikkerhedskopi::Resultat r = ventPaaSikkerhedskopi(f);
        sikkerhedskopiFaerdig(r);
        if (r.udfald == Sikkerhedskopi::Udfald::Sprunget) return;
    }
    if (!sikkerhedskopier || kopiFejlVist) return;
    if (QFileInfo::exists(kopiDir() + Rotation::arkivnavn(QDate::currentDate()))) return;
    sikkerhedskopiFaerdig(ventPaaSikkerhedskopi(koerSikkerhedskopi()));
}

void Tmainform::sikkerhedskopiFaerdig(const Sikkerhedskopi::Resultat &r) {
    switch (r.udfald) {
    case Sikkerhedskopi::Udfald::Lavet:
        statusBar()->showMessage(
            QStringLiteral("Sikkerhedskopi gemt: ") + r.arkiv +
                (r.udeladt.isEmpty()
                     ? QString()
                     : QStringLiteral(". Ændret undervejs, kommer med i den næste: ") +
                           r.udeladt.join(QStringLiteral(", "))),
            8000);
        break;
    case Sikkerhedskopi::Udfald::Uaendret:
        statusBar()->showMessage(
            QStringLiteral("Ingen sikkerhedskopi i dag: intet er ændret siden den sidste."), 8000);
        break;
    case Sikkerhedskopi::Udfald::Sprunget:
        statusBar()->showMessage(
            QStringLiteral("Sikkerhedskopien er sprunget over; de tidligere er som før."), 8000);
        break;
    case Sikkerhedskopi::Udfald::Fejl:
        // Once per run: a full disk would otherwise ask at every save.
        if (kopiFejlVist) break;
        kopiFejlVist = true;
        Dialoger::fejl(QStringLiteral("Sikkerhedskopien kunne ikke gemmes: ") + r.fejl +
                           QStringLiteral(". De tidligere sikkerhedskopier er urørte, og selve "
                                          "dagbogen er ikke rørt."),
                       this);
        break;
    }
}
