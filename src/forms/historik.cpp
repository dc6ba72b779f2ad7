#include "historik.h"

#include "app/vinduer.h"
#include "core/kalender.h"
#include "core/ordforskel.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/historik.h"
#include "platform/skaermplads.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>

namespace {

QString side(const QString &krop, bool kode) {
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
                          "body{font-family:%1;font-size:10pt;line-height:1.5;margin:8px}"
                          "pre{white-space:pre-wrap;margin:0}</style></head><body>")
               .arg(kode ? QStringLiteral("monospace") : QStringLiteral("sans-serif")) +
           krop + QStringLiteral("</body></html>");
}

} // namespace

Thistorikform::Thistorikform(Twinform *vindue, const QString &fil)
    : QWidget(vindue, Qt::Window)
    , m_vindue(vindue)
    , m_fil(fil)
    , m_kode(!fil.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)) {
    setObjectName(QStringLiteral("historikform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tidligere udgaver af ") + QFileInfo(fil).fileName());
    resize(1180, 640);
    Skaermplads::aabnesMidtOverHovedvinduet(this);

    forklaring = new QLabel(this);
    forklaring->setObjectName(QStringLiteral("forklaring"));
    forklaring->setWordWrap(true);

    historikListe = new QTreeWidget(this);
    historikListe->setObjectName(QStringLiteral("historikListe"));
    historikListe->setAccessibleName(QStringLiteral("Tidligere udgaver"));
    historikListe->setHeaderLabels({QStringLiteral("Gemt"), QStringLiteral("Ændring")});
    historikListe->setRootIsDecorated(false);
    historikListe->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(historikListe, &QTreeWidget::currentItemChanged, this, &Thistorikform::udgaveValgt);

    udgaveVisning = new TWebBrowser(this);
    udgaveVisning->setObjectName(QStringLiteral("udgaveVisning"));
    udgaveVisning->setAccessibleName(QStringLiteral("Den valgte udgave"));
    forskelVisning = new TWebBrowser(this);
    forskelVisning->setObjectName(QStringLiteral("forskelVisning"));
    forskelVisning->setAccessibleName(QStringLiteral("Forskel fra teksten i editoren"));

    hentUdgaveKnap = new QPushButton(QStringLiteral("Hent denne udgave"), this);
    hentUdgaveKnap->setObjectName(QStringLiteral("hentUdgaveKnap"));
    hentUdgaveKnap->setToolTip(
        QStringLiteral("Sæt udgaven ind i editoren i stedet for teksten dér. Den gemmes først, "
                       "når du selv gemmer"));
    hentUdgaveKnap->setEnabled(false);
    connect(hentUdgaveKnap, &QPushButton::clicked, this, &Thistorikform::hentUdgaveKnapClick);
    LukKnap = new QPushButton(QStringLiteral("Luk"), this);
    LukKnap->setObjectName(QStringLiteral("LukKnap"));
    connect(LukKnap, &QPushButton::clicked, this, &QWidget::close);

    auto kolonne = [this](const QString &titel, QWidget *w) {
        auto *boks = new QWidget(this);
        auto *l = new QVBoxLayout(boks);
        l->setContentsMargins(0, 0, 0, 0);
        auto *etiket = new QLabel(titel, boks);
        etiket->setBuddy(w);
        l->addWidget(etiket);
        l->addWidget(w, 1);
        return boks;
    };
    auto *deler = new QSplitter(Qt::Horizontal, this);
    deler->setObjectName(QStringLiteral("historikDeler"));
    deler->addWidget(kolonne(QStringLiteral("Udgaver, nyeste først"), historikListe));
    deler->addWidget(kolonne(QStringLiteral("Udgaven"), udgaveVisning));
    deler->addWidget(kolonne(QStringLiteral("Forskel fra teksten i editoren"), forskelVisning));
    deler->setSizes({380, 360, 360});
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(forklaring, 1);
    knapper->addWidget(hentUdgaveKnap);
    knapper->addWidget(LukKnap);
    auto *lodret = new QVBoxLayout(this);
    lodret->addWidget(deler, 1);
    lodret->addLayout(knapper);

    laesUdgaver();
}

void Thistorikform::laesUdgaver() {
    Timeglas vent;
    const QString repo = mainform->brugerDir + QStringLiteral("/Historik.git");
    const QList<Historik::Udgave> udgaver =
        Historik::udgaver(repo, QDir(mainform->brugerDir).relativeFilePath(m_fil));
    for (const Historik::Udgave &u : udgaver)
        m_tekster.append(
            Tekstfil::splitLinjer(Tekstfil::dekod(Historik::indhold(repo, u.blob))).join(u'\n'));
    // Each version against the one before it; the oldest against nothing.
    Ordforskel::Ordtekst foer;
    QList<QTreeWidgetItem *> raekker;
    for (qsizetype i = udgaver.size() - 1; i >= 0; --i) {
        Ordforskel::Ordtekst denne = ordtekst(m_tekster[i]);
        const Ordforskel::Antal a = Ordforskel::antal(Ordforskel::forskel(foer, denne));
        raekker.prepend(new QTreeWidgetItem(
            {langTidspunkt(udgaver[i].tid.toLocalTime()), Ordforskel::antalTekst(a)}));
        foer = std::move(denne);
    }
    historikListe->addTopLevelItems(raekker);
    forklaring->setText(
        udgaver.isEmpty()
            ? QStringLiteral("Der er ingen tidligere udgaver af %1 endnu.")
                  .arg(QFileInfo(m_fil).fileName())
            : QStringLiteral("Grøn: ord der er kommet til siden udgaven. Rød og overstreget: ord "
                             "der er fjernet siden."));
    if (!raekker.isEmpty()) historikListe->setCurrentItem(raekker.first());
}

Ordforskel::Ordtekst Thistorikform::ordtekst(const QString &tekst) const {
    return m_kode ? Ordforskel::afKode(tekst) : Ordforskel::afSide(tekst);
}

void Thistorikform::udgaveValgt() {
    const int i = historikListe->indexOfTopLevelItem(historikListe->currentItem());
    hentUdgaveKnap->setEnabled(i >= 0);
    if (i < 0) return;
    const QString &tekst = m_tekster[i];
    // A page with its own links resolved beside the file; a style sheet or script as source.
    if (m_kode)
        udgaveVisning->page()->setHtml(
            side(QStringLiteral("<pre>") + tekst.toHtmlEscaped() + QStringLiteral("</pre>"), true));
    else
        udgaveVisning->page()->setHtml(tekst, QUrl::fromLocalFile(m_fil));
    const QString nu = m_vindue->editorTil(m_fil)->Linjer().join(u'\n');
    const QList<Ordforskel::Stykke> f = Ordforskel::forskel(ordtekst(tekst), ordtekst(nu));
    forskelVisning->page()->setHtml(side(Ordforskel::html(f), m_kode));
}

void Thistorikform::hentUdgaveKnapClick() {
    QTreeWidgetItem *valgt = historikListe->currentItem();
    if (!valgt) return;
    const QString tid = valgt->text(0);
    m_vindue->gendanTekst(m_fil, m_tekster[historikListe->indexOfTopLevelItem(valgt)]);
    mainform->statusBar()->showMessage(
        QStringLiteral("Udgaven fra %1 står nu i editoren. Den er ikke gemt endnu.").arg(tid));
    close();
}
