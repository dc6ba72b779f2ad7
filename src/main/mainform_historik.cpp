// The history of every saved version: its switch, its size and its messages.
#include "mainform.h"

#include "hint.h"
#include "platform/historik.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTabWidget>

void Tmainform::byggHistorikfelt(QWidget *side, QBoxLayout *lodret) {
    HistorikCheck = new QCheckBox(QStringLiteral("Gem tidligere udgaver"), side);
    HistorikCheck->setObjectName(QStringLiteral("HistorikCheck"));
    HistorikCheck->setChecked(tidligereUdgaver);
    hint(HistorikCheck,
         QStringLiteral("Gem hver udgave af hver side i Historik.git, så en gammel udgave kan "
                        "hentes frem igen"));
    connect(HistorikCheck, &QCheckBox::toggled, this, &Tmainform::HistorikCheckClick);
    lodret->addWidget(HistorikCheck);
    historikStoerrelse = new QLabel(side);
    historikStoerrelse->setObjectName(QStringLiteral("historikStoerrelse"));
    lodret->addWidget(historikStoerrelse);
    connect(Bog, &QTabWidget::currentChanged, this, [this](int i) {
        if (Bog->widget(i) == historikStoerrelse->parentWidget()) visHistorikStoerrelse();
    });
}

void Tmainform::HistorikCheckClick() {
    tidligereUdgaver = HistorikCheck->isChecked();
    if (historik) historik->saetSlaaetTil(tidligereUdgaver);
}

void Tmainform::visHistorikStoerrelse() {
    const qint64 bytes = Historik::stoerrelse(brugerDir + QStringLiteral("/Historik.git"));
    historikStoerrelse->setText(
        QStringLiteral("Historikken fylder %1.")
            .arg(QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat)));
}

void Tmainform::historikFejl(const QString &hvorfor) {
    // Once: a locked repository would otherwise speak at every save.
    if (historikFejlVist) return;
    historikFejlVist = true;
    statusBar()->showMessage(QStringLiteral("Den tidligere udgave kunne ikke gemmes: ") + hvorfor +
                             QStringLiteral(". Siden er gemt."));
}

void Tmainform::historikFremskridt(int faerdige, int ialt) {
    const QLocale l;
    if (faerdige < ialt)
        statusBar()->showMessage(QStringLiteral("Historikken tager dagbogen med: %1 af %2 filer")
                                     .arg(l.toString(faerdige), l.toString(ialt)));
    else
        statusBar()->showMessage(
            QStringLiteral("Historikken er begyndt med %1 filer.").arg(l.toString(ialt)), 8000);
}
