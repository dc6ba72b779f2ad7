#include "statistik.h"

#include "core/kalender.h"
#include "core/statistik.h"
#include "main/mainform.h"
#include "platform/dagbogsider.h"
#include "platform/sidetaelling.h"
#include "platform/twebbrowser.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

Tstatistikform::Tstatistikform(Tmainform *hovedvindue)
    : QWidget(hovedvindue, Qt::Window)
    , hoved(hovedvindue) {
    setObjectName(QStringLiteral("statistikform"));
    setWindowTitle(QStringLiteral("Statistik"));
    resize(900, 700);

    faner = new QTabWidget(this);
    faner->setObjectName(QStringLiteral("faner"));
    const auto browser = [this](const QString &navn, const QString &fane) {
        auto *b = new TWebBrowser(faner);
        b->setObjectName(navn);
        faner->addTab(b, fane);
        return b;
    };
    aaretBrowser = browser(QStringLiteral("aaretBrowser"), QStringLiteral("Året"));
    // A day of the heat map or the longest page opens in the main window.
    connect(aaretBrowser, &TWebBrowser::EgetLink, this, [this](const QUrl &adresse) {
        const QDate dato = QDate::fromString(adresse.path(), Qt::ISODate);
        if (!dato.isValid()) return;
        hoved->aabnDato(dato);
        hoved->raise();
        hoved->activateWindow();
    });
    alleAarBrowser = browser(QStringLiteral("alleAarBrowser"), QStringLiteral("Alle år"));

    LukKnap = new QPushButton(QStringLiteral("Luk"), this);
    LukKnap->setObjectName(QStringLiteral("LukKnap"));
    connect(LukKnap, &QPushButton::clicked, this, &QWidget::close);

    auto *knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(LukKnap);
    auto *lodret = new QVBoxLayout(this);
    lodret->addWidget(faner, 1);
    lodret->addLayout(knapper);
}

void Tstatistikform::opdater() {
    const QPalette p = palette();
    const Statistik::Farver farver{p.color(QPalette::Base).name(), p.color(QPalette::Text).name(),
                                   p.color(QPalette::Link).name(),
                                   p.color(QPalette::Highlight).name()};
    const QDate idag = QDate::currentDate();
    const QSet<QString> stopord = Sidetaelling::stopord(hoved->programDir);
    const auto opsummer = [&](int aar) {
        return Statistik::opsummer(aar, Sidetaelling::aar(hoved->strukturDir, aar), stopord, idag);
    };
    // A structure that is no diary year shows the year chosen in the calendar.
    int aar = dagbogsAar(hoved->strukturNavn);
    if (!aar) aar = hoved->kalender->selectedDate().year();
    aaretBrowser->page()->setHtml(Statistik::html(opsummer(aar), idag, farver));
    QList<Statistik::Oversigt> alle;
    for (const int y : Dagbogsider::aar(hoved->strukturDir))
        alle << opsummer(y);
    alleAarBrowser->page()->setHtml(Statistik::aarHtml(alle, farver));
}
