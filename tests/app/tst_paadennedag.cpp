#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/kalender.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

// "På denne dag" and "Tilfældig dag" in the main window, over a diary of four years.
class TstPaaDenneDag : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString strukturDir;

    // A year's structure holding the given days, each page with its text.
    void skrivAar(int aar, const QList<QPair<QDate, QString>> &dage) {
        const QString navn = strukturNavnFor(aar);
        QStringList struktur{navn}, data{u'0' + navn};
        int maaned = 0;
        for (const auto &[d, tekst] : dage) {
            if (d.month() != maaned) {
                maaned = d.month();
                struktur << u'\t' + maanedElementNavn(d);
                data << u'1' + maanedElementNavn(d);
            }
            struktur << QStringLiteral("\t\t") + dagElementNavn(d);
            data << u'6' + dagElementNavn(d);
            skrivBytes(strukturDir + navn + QStringLiteral("/tekstfiler/") + dagElementNavn(d) +
                           QStringLiteral(".html"),
                       QStringLiteral("<html><body>\r\n<div class=\"overskrift\">%1</div>\r\n"
                                      "<DIV class=\"HovedSpalte\">%2</DIV>\r\n</body></html>\r\n")
                           .arg(dagElementNavn(d), tekst)
                           .toLatin1());
        }
        skrivBytes(strukturDir + navn + QStringLiteral("/struktur.txt"),
                   (struktur.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        skrivBytes(strukturDir + navn + QStringLiteral("/data.txt"),
                   (data.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    QList<QDate> listedeDage() const {
        QList<QDate> ud;
        for (int i = 0; i < mainform->minderListe->count(); ++i)
            ud << mainform->minderListe->item(i)->data(Qt::UserRole).toDate();
        return ud;
    }
    void vaelg(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTRY_VERIFY(!mainform->minderUr->isActive());
    }

private slots:
    void initTestCase();
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void tidligereAarNyesteFoerst();
    void dobbeltklikAabnerDagen();
    void tilfaeldigDagErSkrevet();
};

void TstPaaDenneDag::initTestCase() {
    rod.reset(new TestRod);
    strukturDir = rod->sti(Mapper::brugernavn() + QStringLiteral("/Struktur/"));
    const QDate idag = QDate::currentDate();
    const QDate idag1 = idag.addYears(-1), idag2 = idag.addYears(-2);
    QMap<int, QList<QPair<QDate, QString>>> aar;
    for (int y = 2021; y <= 2023; ++y) {
        aar[y] << QPair{QDate(y, 1, 1), QString()};
        aar[y] << QPair{QDate(y, 3, 5), y == 2022
                                            ? QStringLiteral("<img src=\"..\\Billeder\\hav.png\">"
                                                             "Stranden i bl&aelig;st.")
                                            : QStringLiteral("Dagen i %1.").arg(y)};
    }
    // Today's date in two earlier years, and unwritten in the year before them.
    aar[idag1.year()] << QPair{idag1, QStringLiteral("Et år siden.")};
    aar[idag2.year()] << QPair{idag2, QStringLiteral("To år siden.")};
    aar[idag2.year() - 1] << QPair{idag2.addYears(-1), QString()};
    for (auto it = aar.begin(); it != aar.end(); ++it) {
        std::sort(it->begin(), it->end());
        skrivAar(it.key(), *it);
    }
    QVERIFY(QDir().mkpath(strukturDir + QStringLiteral("Dagbog 2022/Billeder")));
    QVERIFY(QImage(8, 6, QImage::Format_RGB32)
                .save(strukturDir + QStringLiteral("Dagbog 2022/Billeder/hav.png")));
    opretVinduer();
    mainform->tilfaeldigTal = [](int) { return 0; };
    mainform->FormActivate();
    // Counted after the window is shown: the start-up itself reads none of the pages.
    QVERIFY(mainform->statusBar()->currentMessage().isEmpty());
    QTRY_COMPARE(mainform->statusBar()->currentMessage(),
                 QStringLiteral("2 sider fra tidligere år på denne dag"));
    QCOMPARE(listedeDage(), (QList<QDate>{idag1, idag2}));
}

void TstPaaDenneDag::tidligereAarNyesteFoerst() {
    vaelg(QDate(2024, 3, 5));
    QCOMPARE(listedeDage(), (QList<QDate>{{2023, 3, 5}, {2022, 3, 5}, {2021, 3, 5}}));
    const QListWidgetItem *r2022 = mainform->minderListe->item(1);
    QCOMPARE(r2022->text(), QStringLiteral("2022 · for 2 år siden · Lørdag\nStranden i blæst."));
    QVERIFY(!r2022->icon().isNull());
    QVERIFY(mainform->minderListe->item(0)->icon().isNull());

    vaelg(QDate(2024, 6, 1));
    QCOMPARE(mainform->minderListe->count(), 1);
    QCOMPARE(mainform->minderListe->item(0)->text(),
             QStringLiteral("Ingen sider på denne dag i tidligere år."));
    QCOMPARE(mainform->minderListe->item(0)->flags(), Qt::NoItemFlags);
}

void TstPaaDenneDag::dobbeltklikAabnerDagen() {
    vaelg(QDate(2024, 3, 5));
    QListWidget *liste = mainform->minderListe;
    const QRect r = liste->visualItemRect(liste->item(1));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2022, 3, 5));
    QCOMPARE(mainform->Struktur->getNodeTekst(QStringLiteral("03 05 Lørdag")),
             QStringLiteral("03 05 Lørdag"));
    QCOMPARE(mainform->yEdit->text(), QStringLiteral("Dagbog 2022"));
    Twinform *w = mainform->aktivtVindue();
    QVERIFY(w);
    QCOMPARE(w->Filnavn, strukturDir + QStringLiteral("Dagbog 2022/tekstfiler/03 05 Lørdag.html"));
    QVERIFY(w->Editor->toPlainText().contains(QStringLiteral("Stranden i bl&aelig;st.")));

    // Enter on a row does the same.
    vaelg(QDate(2024, 3, 5));
    liste->setCurrentRow(0);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2023, 3, 5));
    QCOMPARE(mainform->aktivtVindue()->Filnavn,
             strukturDir + QStringLiteral("Dagbog 2023/tekstfiler/03 05 Søndag.html"));
}

void TstPaaDenneDag::tilfaeldigDagErSkrevet() {
    // The first candidate, 1 January 2021, has no word; the next one drawn is opened.
    vaelg(QDate(2024, 3, 5));
    QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("tilfaeldigKnap")),
                      Qt::LeftButton);
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2021, 3, 5));
    QCOMPARE(mainform->aktivtVindue()->Filnavn,
             strukturDir + QStringLiteral("Dagbog 2021/tekstfiler/03 05 Fredag.html"));

    Dialoger::Test::vist().clear();
    vaelg(QDate(2021, 3, 5));
    QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("tilfaeldigKnap")),
                      Qt::LeftButton);
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2021, 3, 5));
    QCOMPARE(Dialoger::Test::vist(),
             QStringList{QStringLiteral("Der er ingen skrevne dage i årene før 2021.")});
}

DAGBOG_GUI_TEST_MAIN(TstPaaDenneDag)
#include "tst_paadennedag.moc"
