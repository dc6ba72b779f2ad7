// "På denne dag" under the calendar and the random day beside it.
#include "mainform.h"

#include "core/minder.h"
#include "hint.h"
#include "platform/dagbogsider.h"
#include "platform/dialoger.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int miniatureStoerrelse = 48;

// A small picture of a page's picture; a web address or a missing file gives none.
QIcon miniature(const QString &sidensSti, const QString &kilde) {
    const QUrl url(QString(kilde).replace(u'\\', u'/'));
    QString sti;
    if (url.isLocalFile())
        sti = url.toLocalFile();
    else if (url.scheme().isEmpty())
        sti = QFileInfo(sidensSti).dir().filePath(QUrl::fromPercentEncoding(url.path().toUtf8()));
    if (sti.isEmpty() || !QFileInfo(sti).isFile()) return {};
    QImageReader laeser(sti);
    QSize s = laeser.size();
    if (s.isValid())
        laeser.setScaledSize(
            s.scaled(miniatureStoerrelse, miniatureStoerrelse, Qt::KeepAspectRatio));
    const QImage billede = laeser.read();
    return billede.isNull() ? QIcon() : QIcon(QPixmap::fromImage(billede));
}

} // namespace

void Tmainform::byggMinder(QWidget *side, QVBoxLayout *lodret) {
    auto *overskrift = new QLabel(QStringLiteral("På denne dag"), side);
    overskrift->setObjectName(QStringLiteral("minderLabel"));
    QFont f = overskrift->font();
    f.setBold(true);
    overskrift->setFont(f);
    minderListe = new QListWidget(side);
    minderListe->setObjectName(QStringLiteral("minderListe"));
    minderListe->setAccessibleName(QStringLiteral("På denne dag"));
    minderListe->setWordWrap(true);
    // Rows of several lines each: shaded in turn so each day stands apart.
    minderListe->setAlternatingRowColors(true);
    minderListe->setSpacing(2);
    minderListe->setIconSize(QSize(miniatureStoerrelse, miniatureStoerrelse));
    minderListe->setTextElideMode(Qt::ElideNone);
    hint(minderListe,
         QStringLiteral("Siderne fra samme dag i tidligere år; dobbeltklik for at åbne"));
    overskrift->setBuddy(minderListe);
    connect(minderListe, &QListWidget::itemActivated, this, &Tmainform::minderListeAktiveret);
    lodret->addWidget(overskrift);
    lodret->addWidget(minderListe, 1);

    // Several date changes in a row read the pages once.
    minderUr = new QTimer(this);
    minderUr->setSingleShot(true);
    minderUr->setInterval(0);
    connect(minderUr, &QTimer::timeout, this, &Tmainform::opdaterMinder);
    tilfaeldigTal = [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
}

int Tmainform::opdaterMinder() {
    minderListe->clear();
    const QDate valgt = kalender->selectedDate();
    const QList<Dagbogsider::Minde> minder = Dagbogsider::minder(strukturDir, valgt);
    for (const Dagbogsider::Minde &m : minder) {
        auto *raekke = new QListWidgetItem(Minder::overskrift(m.dato, valgt.year()) + u'\n' +
                                               Minder::uddrag(m.side.tekst),
                                           minderListe);
        raekke->setData(Qt::UserRole, m.dato);
        if (!m.side.billeder.isEmpty()) raekke->setIcon(miniature(m.sti, m.side.billeder.first()));
    }
    if (minder.isEmpty()) {
        auto *tom = new QListWidgetItem(QStringLiteral("Ingen sider på denne dag i tidligere år."),
                                        minderListe);
        tom->setFlags(Qt::NoItemFlags);
    }
    return int(minder.size());
}

void Tmainform::visMinderVedStart() {
    minderUr->stop();
    const int antal = opdaterMinder();
    if (antal > 0 && kalender->selectedDate() == QDate::currentDate())
        statusBar()->showMessage(
            antal == 1 ? QStringLiteral("1 side fra tidligere år på denne dag")
                       : QStringLiteral("%1 sider fra tidligere år på denne dag").arg(antal),
            15000);
}

void Tmainform::minderListeAktiveret(QListWidgetItem *raekke) {
    const QDate d = raekke ? raekke->data(Qt::UserRole).toDate() : QDate();
    if (d.isValid()) aabnDato(d);
}

void Tmainform::tilfaeldigKnapClick() {
    const int valgtAar = kalender->selectedDate().year();
    QList<QDate> kandidater;
    for (const int y : Dagbogsider::aar(strukturDir))
        if (y < valgtAar) kandidater += Dagbogsider::dage(strukturDir, y);
    const QDate d = Minder::tilfaeldig(kandidater, tilfaeldigTal, [this](const QDate &dag) {
        const auto side = Dagbogsider::laes(Dagbogsider::sti(strukturDir, dag));
        return side && !side->ord.isEmpty();
    });
    if (!d.isValid()) {
        Dialoger::info(QStringLiteral("Der er ingen skrevne dage i årene før %1.").arg(valgtAar),
                       this);
        return;
    }
    aabnDato(d);
}
