#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "forms/dagbog.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Datoer = QList<QDate>;

namespace {

// Elements in tree order for each set of dates opened in 2024.
const Datoer fem{{2024, 3, 5}, {2024, 3, 1}, {2024, 3, 12}}; // year, 03 Marts, three days
const Datoer fire{{2024, 3, 5}, {2024, 3, 1}};
const Datoer seks{{2024, 3, 5}, {2024, 3, 1}, {2024, 2, 2}}; // Februar at 1, Marts at 3

} // namespace

class TstDagbog : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString optfil() const {
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber/Dagbog.txt");
    }
    void start(const Datoer &datoer) {
        opretVinduer();
        mainform->FormActivate();
        for (const QDate &d : datoer) {
            mainform->kalender->setSelectedDate(d);
            QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                              Qt::LeftButton);
        }
        for (Twinform *w : mainform->editorVinduer())
            w->Editor->setModified(false);
    }
    void visLaeser() {
        dagbogform->show();
        dagbogform->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dagbogform));
    }
    // A key as the user presses it: to the focused control, or the window.
    void tast(Qt::Key k) {
        QWidget *w = QApplication::focusWidget();
        QTest::keyClick(w ? w : dagbogform, k);
    }
    void forventOpslag(const QString &venstre, const QString &hoejre) {
        QTRY_COMPARE(dagbogform->Web1->LocationName(), venstre);
        QTRY_COMPARE(dagbogform->Web2->LocationName(), hoejre);
    }

private slots:
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void bladring_data();
    void bladring();
    void gaaTilSide_data();
    void gaaTilSide();
    void gemtPositionOgOptioner_data();
    void gemtPositionOgOptioner();
    void maaned_data();
    void maaned();
    void tomDagbog();
    void lukOgRediger();
};

void TstDagbog::bladring_data() {
    QTest::addColumn<Datoer>("datoer");
    QTest::addColumn<int>("maxIndex");
    QTest::addColumn<QStringList>("opslag"); // "left|right" per spread, from the first
    QTest::newRow("fem elementer")
        << fem << 4
        << QStringList{"Dagbog 2024.html|03 Marts.html", "03 01 Fredag.html|03 05 Tirsdag.html",
                       "03 12 Tirsdag.html|Slutside.html"};
    QTest::newRow("fire elementer")
        << fire << 2
        << QStringList{"Dagbog 2024.html|03 Marts.html", "03 01 Fredag.html|03 05 Tirsdag.html"};
}

void TstDagbog::bladring() {
    QFETCH(Datoer, datoer);
    QFETCH(int, maxIndex);
    QFETCH(QStringList, opslag);
    start(datoer);
    QCOMPARE(dagbogform->maxIndex, maxIndex);
    visLaeser();
    // With the menu bar hidden the keys still leaf.
    tast(Qt::Key_Escape);
    QVERIFY(dagbogform->menuPanel->isHidden());
    for (int i = 0; i < opslag.size(); ++i) {
        if (i > 0) tast(Qt::Key_Right);
        QCOMPARE(dagbogform->sideIndex1, 2 * i);
        const QStringList sider = opslag[i].split(u'|');
        forventOpslag(sider[0], sider[1]);
        QCOMPARE(mainform->Struktur->getTheSelectedIndex(), 2 * i);
    }
    QVERIFY(!dagbogform->Aforward->isEnabled());
    QVERIFY(!dagbogform->Alast->isEnabled());
    tast(Qt::Key_Right);
    QCOMPARE(dagbogform->sideIndex1, maxIndex);
    tast(Qt::Key_Home);
    QCOMPARE(dagbogform->sideIndex1, 0);
    QVERIFY(!dagbogform->Aback->isEnabled() && !dagbogform->Afirst->isEnabled());
    tast(Qt::Key_Left);
    QCOMPARE(dagbogform->sideIndex1, 0);
    tast(Qt::Key_End);
    QCOMPARE(dagbogform->sideIndex1, maxIndex);
    tast(Qt::Key_Left);
    QCOMPARE(dagbogform->sideIndex1, maxIndex - 2);
    tast(Qt::Key_Escape);
    QVERIFY(!dagbogform->menuPanel->isHidden());
}

void TstDagbog::gaaTilSide_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("venstre");
    QTest::newRow("ulige") << "3" << 2 << "03 01 Fredag.html";
    QTest::newRow("lige") << "4" << 4 << "03 12 Tirsdag.html";
    QTest::newRow("for stor") << "99" << 4 << "03 12 Tirsdag.html";
    QTest::newRow("nul") << "0" << 0 << "Dagbog 2024.html";
    QTest::newRow("bogstaver afvises") << "x1" << 0 << "Dagbog 2024.html";
}

void TstDagbog::gaaTilSide() {
    QFETCH(QString, tekst);
    QFETCH(int, side);
    QFETCH(QString, venstre);
    start(fem);
    visLaeser();
    dagbogform->Edit->clear();
    QVERIFY(!dagbogform->Ago->isEnabled());
    dagbogform->Edit->setFocus();
    QTest::keyClicks(dagbogform->Edit, tekst);
    QTest::keyClick(dagbogform->Edit, Qt::Key_Return);
    QCOMPARE(dagbogform->sideIndex1, side);
    QCOMPARE(dagbogform->Edit->text(), QString::number(side));
    QTRY_COMPARE(dagbogform->Web1->LocationName(), venstre);
}

void TstDagbog::gemtPositionOgOptioner_data() {
    QTest::addColumn<QByteArray>("fil"); // empty: no option file
    QTest::addColumn<QRect>("geometri");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("menu");
    QTest::newRow("ingen fil") << QByteArray() << QRect(6, 14, 1081, 956) << 0 << true;
    QTest::newRow("hele filen") << QByteArray("100\r\n50\r\n600\r\n2\r\n0\r\n")
                                << QRect(50, 100, 1081, 600) << 2 << false;
    QTest::newRow("side bag sidste opslag")
        << QByteArray("100\r\n50\r\n600\r\n9\r\n1\r\n") << QRect(50, 100, 1081, 600) << 2 << true;
    QTest::newRow("negativ side") << QByteArray("100\r\n50\r\n600\r\n-4\r\n1\r\n")
                                  << QRect(50, 100, 1081, 600) << 0 << true;
    QTest::newRow("ødelagt efter højden")
        << QByteArray("100\r\n50\r\n600\r\nx\r\n0\r\n") << QRect(50, 100, 1081, 600) << 0 << true;
}

void TstDagbog::gemtPositionOgOptioner() {
    QFETCH(QByteArray, fil);
    QFETCH(QRect, geometri);
    QFETCH(int, side);
    QFETCH(bool, menu);
    if (!fil.isEmpty()) skrivBytes(optfil(), fil);
    start(fire);
    QCOMPARE(dagbogform->geometry(), geometri);
    visLaeser();
    QCOMPARE(dagbogform->sideIndex1, side);
    QCOMPARE(dagbogform->Edit->text(), QString::number(side));
    QCOMPARE(dagbogform->menuPanel->isVisible(), menu);
    QVERIFY(!mainform->isVisible());
}

void TstDagbog::maaned_data() {
    QTest::addColumn<Datoer>("datoer");
    QTest::addColumn<QString>("maaned");
    QTest::addColumn<int>("fra");
    QTest::addColumn<int>("side"); // -1: not found, the spread stays
    QTest::newRow("ulige plads er højre side") << seks << "Marts" << 0 << 2;
    QTest::newRow("plads 1") << seks << "Februar" << 4 << 0;
    QTest::newRow("lige plads er venstre side")
        << (fire + Datoer{{2024, 4, 2}}) << "April" << 0 << 4;
    QTest::newRow("mangler") << fire << "Maj" << 2 << -1;
}

void TstDagbog::maaned() {
    QFETCH(Datoer, datoer);
    QFETCH(QString, maaned);
    QFETCH(int, fra);
    QFETCH(int, side);
    start(datoer);
    visLaeser();
    dagbogform->visDagbog(fra);
    emit dagbogform->PUmaaned->aboutToShow();
    QAction *punkt = dagbogform->PUmaaned->findChild<QAction *>(maaned);
    QVERIFY(punkt);
    QCOMPARE(punkt->isEnabled(), side >= 0);
    QVERIFY(dagbogform->PUmaaned->findChild<QAction *>(QStringLiteral("Marts"))->isEnabled());
    QVERIFY(!dagbogform->PUmaaned->findChild<QAction *>(QStringLiteral("Juni"))->isEnabled());
    Dialoger::Test::vist().clear();
    dagbogform->Edit->setFocus();
    if (side < 0) {
        dagbogform->goToManned(punkt->data().toString());
        QCOMPARE(Dialoger::Test::vist(), QStringList{QStringLiteral("Måneden blev ikke fundet.")});
        QCOMPARE(dagbogform->sideIndex1, fra);
        return;
    }
    punkt->trigger();
    QCOMPARE(dagbogform->maanedItem, punkt->data().toString());
    QCOMPARE(dagbogform->sideIndex1, side);
    QVERIFY(Dialoger::Test::vist().isEmpty());
    forventOpslag(mainform->Struktur->tekstVed(side) + QStringLiteral(".html"),
                  mainform->Struktur->tekstVed(side + 1) + QStringLiteral(".html"));
    QVERIFY(dagbogform->Web1->LocationName().contains(maaned) ||
            dagbogform->Web2->LocationName().contains(maaned));
    QVERIFY(!QApplication::focusWidget() || QApplication::focusWidget()->window() != dagbogform);
}

void TstDagbog::tomDagbog() {
    skrivBytes(optfil(), "100\r\n50\r\n600\r\n6\r\n1\r\n");
    start({});
    QCOMPARE(dagbogform->maxIndex, -2);
    visLaeser();
    forventOpslag(QStringLiteral("about:blank"), QStringLiteral("Slutside.html"));
    QCOMPARE(dagbogform->sideIndex1, 0);
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home})
        tast(k);
    QCOMPARE(dagbogform->sideIndex1, 0);
    for (QAction *a : {dagbogform->Afirst, dagbogform->Aback, dagbogform->Aforward,
                       dagbogform->Alast, dagbogform->Ago})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    dagbogform->AgoExecute();
    QCOMPARE(dagbogform->sideIndex1, 0);
}

void TstDagbog::lukOgRediger() {
    start(fire);
    visLaeser();
    QVERIFY(!mainform->isVisible());
    QTest::mouseClick(dagbogform->KnapRediger, Qt::LeftButton);
    QVERIFY(mainform->isVisible());
    QVERIFY(dagbogform->isVisible());
    QCOMPARE(mainform->Bog->currentIndex(), 1);
    mainform->hide();
    dagbogform->close();
    QVERIFY(mainform->isVisible());
    QVERIFY(!dagbogform->isVisible());

    // Ending the program from the reader writes its option file.
    visLaeser();
    dagbogform->setGeometry(40, 30, dagbogform->width(), 700);
    tast(Qt::Key_End);
    tast(Qt::Key_Escape);
    QVERIFY(!QFile::exists(optfil()));
    dagbogform->AlukProgram->trigger();
    QVERIFY(!dagbogform->isVisible());
    QVERIFY(!mainform->isVisible());
    QCOMPARE(laesBytes(optfil()), QByteArray("30\r\n40\r\n700\r\n2\r\n0\r\n"));
}

DAGBOG_GUI_TEST_MAIN(TstDagbog)
#include "tst_dagbog.moc"
