#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/tilgaengelighed.h"
#include "testhjaelp.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// What a screen reader meets: every control of every window, an editor
// window's included, has a name, and the main controls are reached by keys.
class TstTilgaengelighed : public QObject {
    Q_OBJECT
    QScopedPointer<TestRod> rod;

    static QString sti(const QWidget *w) {
        QStringList dele;
        for (; w; w = w->parentWidget())
            dele.prepend(w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName());
        return dele.join(u'/');
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        mainform->aabnDato(QDate(2024, 3, 5)); // an editor window too
        // The windows of earlier versions and of deleted pages.
        mainform->findChild<Twinform *>()->aHistorik->trigger();
        mainform->findChild<QPushButton *>(QStringLiteral("slettedeKnap"))->click();
        QAccessible::setActive(true);
    }
    void cleanupTestCase() {
        QAccessible::setActive(false);
        nedlaegVinduer();
    }

    void hverKontrolHarEtNavn() {
        int antal = 0;
        QStringList uden;
        for (QWidget *vindue : QApplication::topLevelWidgets()) {
            QList<QWidget *> alle = vindue->findChildren<QWidget *>();
            alle.prepend(vindue);
            for (QWidget *w : alle) {
                if (!Tilgaengelighed::erKontrol(w)) continue;
                ++antal;
                if (Tilgaengelighed::navn(w).isEmpty()) uden << sti(w);
            }
        }
        qInfo("%d kontroller i %d vinduer har et navn", antal - int(uden.size()),
              int(QApplication::topLevelWidgets().size()));
        for (const QString &s : uden)
            qWarning("uden navn: %s", qPrintable(s));
        QCOMPARE(uden.size(), 0);
        QVERIFY(antal > 100);
    }

    // From the calendar, where the main window starts, Tab, Shift+Tab and the
    // arrow keys alone reach the tab strip and, on the structure page, the tree.
    // (Tab inside the page editor indents, so the way to the tab strip is back.)
    void tastaturetNaarHovedkontrollerne() {
        mainform->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainform));
        auto *bog = mainform->findChild<QTabWidget *>(QStringLiteral("Bog"));
        bog->setCurrentIndex(0);
        mainform->kalender->setFocus();
        auto tastTil = [](QWidget *maal, Qt::Key tast) {
            for (int i = 0; i < 40; ++i) {
                QWidget *f = QApplication::focusWidget();
                if (f && (f == maal || maal->isAncestorOf(f))) return true;
                QTest::keyClick(f ? f : mainform, tast);
            }
            return false;
        };
        QVERIFY(tastTil(mainform->tc, Qt::Key_Backtab));
        QVERIFY(tastTil(bog->tabBar(), Qt::Key_Tab));
        QTest::keyClick(bog->tabBar(), Qt::Key_Right);
        QCOMPARE(bog->currentIndex(), 1);
        QVERIFY(tastTil(mainform->Struktur, Qt::Key_Tab));
        QVERIFY(tastTil(bog->tabBar(), Qt::Key_Backtab));
        QTest::keyClick(bog->tabBar(), Qt::Key_Left);
        QVERIFY(tastTil(mainform->kalender, Qt::Key_Tab));
    }
};

DAGBOG_GUI_TEST_MAIN(TstTilgaengelighed)

#include "tst_tilgaengelighed.moc"
