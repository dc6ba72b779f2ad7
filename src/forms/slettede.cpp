#include "slettede.h"

#include "controls/struktur.h"
#include "core/kalender.h"
#include "core/slettedesider.h"
#include "core/tekstomraader.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/historik.h"
#include "platform/mapper.h"
#include "platform/skaermplads.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int strukturRolle = Qt::UserRole;
constexpr int commitRolle = Qt::UserRole + 1;
constexpr int sideRolle = Qt::UserRole + 2;
constexpr int elementRolle = Qt::UserRole + 3;

// The page's text by the words rule, cut to a line.
QString foersteLinje(const QByteArray &side) {
    const QString tekst = Tekstomraader::sidetekst(Tekstfil::dekod(side)).tekst;
    return tekst.size() > 80 ? tekst.left(79) + u'…' : tekst;
}
} // namespace

Tslettedeform::Tslettedeform(Tmainform *hovedvindue)
    : QWidget(hovedvindue, Qt::Window)
    , hoved(hovedvindue) {
    setObjectName(QStringLiteral("slettedeform"));
    setWindowTitle(QStringLiteral("Slettede sider"));
    resize(760, 420);
    Skaermplads::aabnesMidtOverHovedvinduet(this);

    forklaring = new QLabel(this);
    forklaring->setObjectName(QStringLiteral("forklaring"));
    forklaring->setWordWrap(true);
    slettedeListe = new QTreeWidget(this);
    slettedeListe->setObjectName(QStringLiteral("slettedeListe"));
    slettedeListe->setAccessibleName(QStringLiteral("Slettede sider"));
    slettedeListe->setHeaderLabels(
        {QStringLiteral("Slettet"), QStringLiteral("Side"), QStringLiteral("Første linje")});
    slettedeListe->setRootIsDecorated(false);
    slettedeListe->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    slettedeListe->header()->setStretchLastSection(true);
    connect(slettedeListe, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *e) { gendanSlettetKnap->setEnabled(e); });
    connect(slettedeListe, &QTreeWidget::itemDoubleClicked, this,
            &Tslettedeform::gendanSlettetKnapClick);

    gendanSlettetKnap = new QPushButton(QStringLiteral("Gendan"), this);
    gendanSlettetKnap->setObjectName(QStringLiteral("gendanSlettetKnap"));
    gendanSlettetKnap->setToolTip(
        QStringLiteral("Læg siden tilbage i strukturen med dens sidste udgave"));
    gendanSlettetKnap->setEnabled(false);
    connect(gendanSlettetKnap, &QPushButton::clicked, this, &Tslettedeform::gendanSlettetKnapClick);
    LukKnap = new QPushButton(QStringLiteral("Luk"), this);
    LukKnap->setObjectName(QStringLiteral("LukKnap"));
    connect(LukKnap, &QPushButton::clicked, this, &QWidget::close);

    auto *knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(gendanSlettetKnap);
    knapper->addWidget(LukKnap);
    auto *lodret = new QVBoxLayout(this);
    lodret->addWidget(forklaring);
    lodret->addWidget(slettedeListe, 1);
    lodret->addLayout(knapper);
}

void Tslettedeform::opdater() {
    Timeglas vent;
    if (hoved->historik) hoved->historik->vent(); // a page deleted just now is listed
    slettedeListe->clear();
    const QString repo = hoved->brugerDir + QStringLiteral("/Historik.git");
    static const QRegularExpression sideSti(
        QStringLiteral("^Struktur/([^/]+)/tekstfiler/([^/]+)\\.html$"));
    // The pages deleted in one action, structure by structure: their tree as
    // it stood tells which of them was deleted with the others under it.
    struct Gruppe {
        QString struktur, commit;
        QDateTime tid;
        QMap<QString, QString> blobs; // page name → last version
    };
    QList<Gruppe> grupper;
    for (const Historik::Slettet &s : Historik::slettede(repo)) {
        const QRegularExpressionMatch m = sideSti.match(s.sti);
        if (!m.hasMatch()) continue;
        if (grupper.isEmpty() || grupper.last().commit != s.commit ||
            grupper.last().struktur != m.captured(1))
            grupper.append({m.captured(1), s.commit, s.tid, {}});
        grupper.last().blobs.insert(m.captured(2), s.blob);
    }
    for (const Gruppe &g : std::as_const(grupper)) {
        const QString mappe = QStringLiteral("Struktur/") + g.struktur + u'/';
        auto linjer = [&](const QString &fil) {
            return Tekstfil::splitLinjer(
                Tekstfil::dekod(Historik::indholdVed(repo, g.commit, mappe + fil)));
        };
        const QList<SlettedeSider::Element> trae = SlettedeSider::trae(
            linjer(QStringLiteral("struktur.txt")), linjer(QStringLiteral("data.txt")));
        for (const QString &side : SlettedeSider::oeverste(trae, g.blobs.keys())) {
            const QList<SlettedeSider::Element> gren = SlettedeSider::placering(trae, side).gren;
            const QString element = gren.isEmpty() ? side : gren.first().tekst;
            const auto under = std::count_if(gren.cbegin(), gren.cend(), [&](const auto &e) {
                return e.niveau > 0 && g.blobs.contains(SlettedeSider::sideNavn(e));
            });
            QString navn = g.struktur + QStringLiteral(" › ") + element;
            if (under > 0)
                navn += under == 1 ? QStringLiteral(" med 1 side")
                                   : QStringLiteral(" med %1 sider").arg(under);
            auto *r = new QTreeWidgetItem(
                slettedeListe, {langTidspunkt(g.tid.toLocalTime()), navn,
                                foersteLinje(Historik::indhold(repo, g.blobs.value(side)))});
            r->setData(0, strukturRolle, g.struktur);
            r->setData(0, commitRolle, g.commit);
            r->setData(0, sideRolle, side);
            r->setData(0, elementRolle, element);
        }
    }
    forklaring->setText(slettedeListe->topLevelItemCount() == 0
                            ? QStringLiteral("Ingen sider er slettet, siden historikken begyndte.")
                            : QStringLiteral("Vælg en side og tryk Gendan for at lægge den "
                                             "tilbage i strukturen med dens sidste udgave."));
    if (slettedeListe->topLevelItemCount() > 0)
        slettedeListe->setCurrentItem(slettedeListe->topLevelItem(0));
    gendanSlettetKnap->setEnabled(slettedeListe->currentItem());
}

void Tslettedeform::gendanSlettetKnapClick() {
    QTreeWidgetItem *r = slettedeListe->currentItem();
    if (!r) return;
    const QString struktur = r->data(0, strukturRolle).toString();
    const QString element = r->data(0, elementRolle).toString();
    const bool gendannet = Dialoger::kommando(
        [&] {
            // A whole structure that went gets its folders back first.
            const QString mappe = hoved->strukturDir + struktur;
            const bool ny = !QDir(mappe).exists();
            if (ny) {
                for (const char *under : {"/tekstfiler", "/Billeder"})
                    Mapper::opretMappe(mappe + QLatin1String(under));
                hoved->createStrukturPU();
            }
            if (ny || TStruktur::bartNavn(hoved->strukturNavn) != struktur ||
                hoved->Struktur->Strukturfile().isEmpty())
                hoved->LoadStrukturen(struktur);
            if (!hoved->Struktur->GendanSlettet(hoved->brugerDir + QStringLiteral("/Historik.git"),
                                                r->data(0, commitRolle).toString(),
                                                r->data(0, sideRolle).toString()))
                throw Tekstfil::FilFejl(
                    struktur, QStringLiteral("Siden %1 kunne ikke findes i strukturens træ, "
                                             "som det var, før den blev slettet.")
                                  .arg(element));
            hoved->opdaterAntal();
            hoved->markerDagsider();
        },
        this);
    if (!gendannet) return;
    hoved->statusBar()->showMessage(
        QStringLiteral("%1 er lagt tilbage i %2.").arg(element, struktur));
    delete r;
    gendanSlettetKnap->setEnabled(slettedeListe->currentItem());
}
