// The diary as a book: the structure shown in the tree, written to one PDF or HTML file.
#include "mainform.h"

#include "app/vinduer.h"
#include "bogudskrift.h"
#include "controls/struktur.h"
#include "forms/dagbog.h"
#include "forms/spm.h"
#include "platform/dialoger.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>

QAction *Tmainform::nyUdskrivHandling() {
    aUdskrivDagbog = nyHandling(QStringLiteral("aUdskrivDagbog"), QStringLiteral("Udskriv dagbog…"),
                                QStringLiteral("Udskriv dagbogen som én PDF- eller HTML-fil"), {});
    aUdskrivDagbog->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(aUdskrivDagbog, &QAction::triggered, this, &Tmainform::aUdskrivDagbogExecute);
    return aUdskrivDagbog;
}

void Tmainform::aUdskrivDagbogUpdate() {
    if (aUdskrivDagbog) aUdskrivDagbog->setEnabled(Struktur->antal() > 0 && !bogudskrift);
}

void Tmainform::aUdskrivDagbogExecute() {
    if (Struktur->antal() == 0 || bogudskrift) return;
    // While the reader is shown the main window is hidden; the dialogs belong to the reader then.
    QWidget *forael = dagbogform && dagbogform->isVisible() ? static_cast<QWidget *>(dagbogform)
                                                            : static_cast<QWidget *>(this);
    const QString titel = QFileInfo(Struktur->Strukturfile()).dir().dirName();
    const QString forslag =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(titel + QStringLiteral(".pdf"));
    QString maal = Dialoger::vaelgGemFil(
        forael, QStringLiteral("Udskriv dagbog"), QDir::toNativeSeparators(forslag),
        QStringLiteral("PDF-fil (*.pdf);;HTML-fil med billeder (*.html)"));
    if (maal.isEmpty()) return;
    // The ending comes first, so the question below is about the file really written.
    if (!TBogudskrift::somHtml(maal) && !maal.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        maal += QStringLiteral(".pdf");
    if (QFileInfo::exists(maal) &&
        !spmform->spoerg({QStringLiteral("Filen findes allerede:"), QDir::toNativeSeparators(maal),
                          QStringLiteral("Skal den erstattes?")}))
        return;

    bogudskrift =
        new TBogudskrift(*Struktur, titel, designName, udskrivTommeCheck->isChecked(), this);
    auto *vent = new QProgressDialog(QStringLiteral("Læser siderne …"), QStringLiteral("Annuller"),
                                     0, bogudskrift->antalSider() + 1, forael);
    vent->setObjectName(QStringLiteral("bogFremskridt"));
    vent->setWindowTitle(QStringLiteral("Udskriv dagbog"));
    vent->setWindowModality(Qt::WindowModal);
    vent->setAutoClose(false);
    vent->setAutoReset(false);
    vent->setMinimumDuration(0);
    TBogudskrift *job = bogudskrift;
    connect(vent, &QProgressDialog::canceled, job, &TBogudskrift::annuller);
    connect(job, &TBogudskrift::fremskridt, vent, [vent](int laest, int alle) {
        vent->setValue(laest);
        vent->setLabelText(laest < alle
                               ? QStringLiteral("Læser side %1 af %2 …").arg(laest).arg(alle)
                               : QStringLiteral("Skriver bogen …"));
    });
    connect(job, &TBogudskrift::faerdig, this,
            [this, job, vent, forael](bool ok, const QString &fejl) {
                vent->close();
                vent->deleteLater();
                job->deleteLater();
                bogudskrift = nullptr;
                const QString fil = QDir::toNativeSeparators(job->maal());
                if (!ok) {
                    if (!fejl.isEmpty())
                        Dialoger::fejl(QStringLiteral("Dagbogen kunne ikke udskrives.\n") + fejl,
                                       forael);
                    return;
                }
                QString besked = QStringLiteral("Dagbogen er skrevet til %1.").arg(fil);
                if (!job->mangler().isEmpty())
                    besked += QStringLiteral("\n\nDisse sider findes ikke og er sprunget over:\n") +
                              job->mangler().join(u'\n');
                Dialoger::info(besked, forael);
            });
    vent->show();
    job->start(maal);
}
