#include "app/vinduer.h"
#include "core/kalender.h"
#include "editor/win.h"
#include "forms/statistik.h"
#include "main/mainform.h"
#include "platform/mapper.h"
#include "platform/twebbrowser.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

// The statistics window opened from the structure page, over a generated year.
class TstStatistikvindue : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;

    static QString html(TWebBrowser *b) {
        QString ud;
        bool faerdig = false;
        b->page()->toHtml([&](const QString &h) {
            ud = h;
            faerdig = true;
        });
        if (!QTest::qWaitFor([&] { return faerdig; }, 5000)) return {};
        return ud;
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        qputenv("XDG_CACHE_HOME", rod->sti(QStringLiteral("cache")).toUtf8());
    }
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void visesForStrukturen();
};

void TstStatistikvindue::visesForStrukturen() {
    // 2023 from 1 March: 40 day pages, every third one empty.
    const QString dir = rod->sti(Mapper::brugernavn() + QStringLiteral("/Struktur/Dagbog 2023"));
    QStringList struktur{QStringLiteral("Dagbog 2023")}, data{QStringLiteral("0Dagbog 2023")};
    int maaned = 0, skrevne = 0;
    for (QDate d(2023, 3, 1); d < QDate(2023, 4, 10); d = d.addDays(1)) {
        if (d.month() != maaned) {
            maaned = d.month();
            struktur << u'\t' + maanedElementNavn(d);
            data << u'1' + maanedElementNavn(d);
        }
        struktur << QStringLiteral("\t\t") + dagElementNavn(d);
        data << u'6' + dagElementNavn(d);
        const bool skrevet = d.day() % 3 != 0;
        skrevne += skrevet;
        skrivBytes(dir + QStringLiteral("/tekstfiler/") + dagElementNavn(d) +
                       QStringLiteral(".html"),
                   QStringLiteral("<html><body><DIV class=\"HovedSpalte\">%1</DIV></body></html>")
                       .arg(skrevet ? QStringLiteral("Dag %1 ved havet.").arg(d.day()) : QString())
                       .toLatin1());
    }
    skrivBytes(dir + QStringLiteral("/struktur.txt"),
               struktur.join(QStringLiteral("\r\n")).toLatin1());
    skrivBytes(dir + QStringLiteral("/data.txt"), data.join(QStringLiteral("\r\n")).toLatin1());

    opretVinduer();
    mainform->LoadStrukturen(QStringLiteral("Dagbog 2023"));
    QVERIFY(!mainform->statistikform); // made on first use only
    QTest::mouseClick(mainform->findChild<QToolButton *>(QStringLiteral("statistikKnap")),
                      Qt::LeftButton);
    Tstatistikform *f = mainform->statistikform;
    QVERIFY(f && f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Statistik"));
    QTRY_VERIFY(html(f->aaretBrowser)
                    .contains(QStringLiteral("<th>Skrevne dage</th><td>%1</td>").arg(skrevne)));
    QTRY_VERIFY(html(f->alleAarBrowser).contains(QStringLiteral("<th>2023</th>")));

    // A day of the heat map (an SVG link, which has no click() of its own) opens in the main
    // window.
    const QDate dag(2023, 3, 14);
    f->aaretBrowser->page()->runJavaScript(
        QStringLiteral("document.querySelector('svg a[href=\"dagbog:%1\"]')"
                       ".dispatchEvent(new MouseEvent('click', {bubbles: true}))")
            .arg(dag.toString(Qt::ISODate)));
    QTRY_COMPARE(mainform->kalender->selectedDate(), dag);
    QVERIFY(mainform->aktivtVindue());
    QCOMPARE(mainform->aktivtVindue()->Filnavn,
             dir + QStringLiteral("/tekstfiler/") + dagElementNavn(dag) + QStringLiteral(".html"));
    QVERIFY(f->aaretBrowser->url().scheme() != QLatin1String("dagbog")); // the page stays
}

DAGBOG_GUI_TEST_MAIN(TstStatistikvindue)
#include "tst_statistikvindue.moc"
