// The history in the program: the pages the user saves become versions in
// Historik.git, its switch and size on the settings page, its fault in the status bar;
// the versions window, and deleted pages put back.
#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/kalender.h"
#include "editor/win.h"
#include "forms/historik.h"
#include "forms/slettede.h"
#include "historikhjaelp.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/historik.h"
#include "platform/mapper.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

class TstTidligereUdgaver : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString bruger() const { return rod->rod() + u'/' + Mapper::brugernavn(); }
    QString repo() const { return bruger() + QStringLiteral("/Historik.git"); }
    const QString rel = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
    Twinform *aabnSiden() {
        const QString sti = bruger() + u'/' + rel;
        mainform->htmlFilnavn = sti;
        Twinform *w = mainform->openwin(sti);
        w->bringFrem();
        if (w->opstart) w->FormActivate();
        return w;
    }
    static void gem(Twinform *w, const QString &tekst) {
        w->Editor->setText(tekst);
        w->Editor->setModified(true);
        w->aGem->trigger();
        QVERIFY(!w->Editor->Modified());
        QCoreApplication::processEvents(); // the end of the user's action
        mainform->historik->vent();
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        QDir().mkpath(QFileInfo(bruger() + u'/' + rel).path());
        QDir().mkpath(bruger() + QStringLiteral("/Egenskaber"));
        Tekstfil::skriv(bruger() + u'/' + rel, {QStringLiteral("<p>Fra før historikken</p>")});
        // A user who has written before, with an older option file of twelve lines
        // (daily backups off, so their message does not take the status bar).
        Tekstfil::skriv(
            bruger() + QStringLiteral("/Egenskaber/mainform.txt"),
            {"Sky", "64", "906", "889", "930", "0", "", "Courier New", "10", "1", "0", "0"});
        opretVinduer();
        mainform->FormActivate();
        QTRY_VERIFY(mainform->historik);
        QCoreApplication::processEvents();
        mainform->historik->vent();
    }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void gemmerHverUdgaveOgMelderEnFejlEnGang() {
        Twinform *w = aabnSiden();
        for (const char *t : {"<p>En</p>", "<p>To</p>", "<p>Tre</p>"})
            gem(w, QLatin1String(t));
        const QList<Historik::Udgave> u = Historik::udgaver(repo(), rel);
        QCOMPARE(u.size(), 4);
        QCOMPARE(Historik::indhold(repo(), u.first().blob), laesBytes(bruger() + u'/' + rel));
        QCOMPARE(Tekstfil::dekod(Historik::indhold(repo(), u.last().blob)),
                 QStringLiteral("<p>Fra før historikken</p>\r\n"));

        // Settings: the size is shown, the switch is line 14 and stops the commits.
        mainform->Bog->setCurrentIndex(3);
        QVERIFY(mainform->findChild<QLabel *>("historikStoerrelse")
                    ->text()
                    .startsWith(QStringLiteral("Historikken fylder ")));

        // Locked by another program: saved all the same, and said once.
        mainform->statusBar()->clearMessage();
        skrivBytes(repo() + QStringLiteral("/refs/heads/main.lock"), "");
        gem(w, QStringLiteral("<p>Fire</p>"));
        QTRY_COMPARE(
            mainform->statusBar()->currentMessage(),
            QStringLiteral("Den tidligere udgave kunne ikke gemmes: Historik.git er låst af "
                           "et andet program. Siden er gemt."));
        mainform->statusBar()->clearMessage();
        gem(w, QStringLiteral("<p>Fem</p>"));
        QTest::qWait(100);
        QCOMPARE(mainform->statusBar()->currentMessage(), QString());
        QCOMPARE(laesBytes(bruger() + u'/' + rel), QByteArray("<p>Fem</p>\r\n"));

        QFile::remove(repo() + QStringLiteral("/refs/heads/main.lock"));
        mainform->findChild<QCheckBox *>("HistorikCheck")->click();
        gem(w, QStringLiteral("<p>Seks</p>"));
        QCOMPARE(Historik::udgaver(repo(), rel).size(), 4);
        mainform->close();
        QCOMPARE(
            laesBytes(bruger() + QStringLiteral("/Egenskaber/mainform.txt")).split('\n').value(13),
            QByteArray("0\r"));
    }

    void udgaverNyesteFoerstOgHentetUdenAtGemme() {
        Twinform *w = aabnSiden();
        for (const char *t : {"<p>En</p>", "<p>En to</p>", "<p>To tre fire</p>"})
            gem(w, QLatin1String(t));
        // On the page's menu; the style sheet and script menus likewise.
        for (const char *menu : {"PopupMenu", "PUdesign", "PUfunktioner"})
            QCOMPARE(w->findChild<QMenu *>(menu)->actions().last(), w->aHistorik);
        QCOMPARE(w->aHistorik->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));

        w->aHistorik->trigger();
        auto *vindue = w->findChild<Thistorikform *>(QStringLiteral("historikform"));
        QVERIFY(vindue);
        QTreeWidget *liste = vindue->historikListe;
        QCOMPARE(liste->topLevelItemCount(), 4);
        // Newest first, each with the words it added and removed against the one before.
        QStringList aendringer;
        for (int i = 0; i < 4; ++i)
            aendringer << liste->topLevelItem(i)->text(1);
        QCOMPARE(aendringer, (QStringList{"+3 \u22122 ord", "+1 \u22120 ord", "+1 \u22123 ord",
                                          "+3 \u22120 ord"}));
        const QString dato = langDato(QDate::currentDate()) + QStringLiteral(" kl. ");
        QVERIFY2(liste->topLevelItem(0)->text(0).startsWith(dato),
                 qPrintable(liste->topLevelItem(0)->text(0)));

        liste->setCurrentItem(liste->topLevelItem(2));
        vindue->hentUdgaveKnap->click();
        QCOMPARE(w->Editor->Linjer(), QStringList{"<p>En</p>"});
        QVERIFY(w->Editor->Modified());
        QCOMPARE(laesBytes(bruger() + u'/' + rel), QByteArray("<p>To tre fire</p>\r\n"));
        QTRY_VERIFY(!w->findChild<Thistorikform *>());

        // design.css: its own versions (the one the history began with).
        w->EditorBog->setTabVisible(2, true);
        w->EditorBog->setCurrentIndex(2);
        w->aHistorik->trigger();
        vindue = w->findChild<Thistorikform *>();
        QCOMPARE(vindue->windowTitle(), QStringLiteral("Tidligere udgaver af design.css"));
        QCOMPARE(vindue->historikListe->topLevelItemCount(), 1);
        vindue->close();
        w->Editor->setModified(false);
    }

    void slettetMaanedKommerTilbageMedSineDage() {
        // A year with two months; March and its days are deleted and put back.
        const QString aar = bruger() + QStringLiteral("/Struktur/Dagbog 2024/");
        const QMap<QString, QByteArray> sider{
            {"Dagbog 2024", "<p>Året</p>\r\n"},
            {"03 Marts", "<p>Marts</p>\r\n"},
            {"03 05 Tirsdag", "<body><p>Regn hele dagen.</p></body>\r\n"},
            {"03 06 Onsdag", "\xEF\xBB\xBF<p>Sol og \xC3\xB8stenvind \xE2\x82\xAC</p>\n"},
            {"04 April", "<p>April</p>\r\n"}};
        for (auto it = sider.cbegin(); it != sider.cend(); ++it)
            skrivBytes(aar + QStringLiteral("tekstfiler/") + it.key() + QStringLiteral(".html"),
                       it.value());
        skrivBytes(aar + QStringLiteral("struktur.txt"),
                   "Dagbog 2024\r\n\t03 Marts\r\n\t\t03 05 Tirsdag\r\n\t\t03 06 "
                   "Onsdag\r\n\t04 April\r\n");
        skrivBytes(aar + QStringLiteral("data.txt"), "0Dagbog 2024\r\n103 Marts\r\n603 05 "
                                                     "Tirsdag\r\n603 06 Onsdag\r\n104 April\r\n");
        const QByteArray trae = laesBytes(aar + QStringLiteral("struktur.txt"));
        const QByteArray data = laesBytes(aar + QStringLiteral("data.txt"));
        mainform->LoadStrukturen(QStringLiteral("Dagbog 2024"));
        mainform->historik->start(); // the new year goes into the history
        mainform->historik->vent();

        QVERIFY(mainform->Struktur->setSelected(QStringLiteral("03 Marts")));
        Dialoger::Test::koeSvar(1);
        QTRY_VERIFY(mainform->aSletStrukturElement->isEnabled());
        mainform->aSletStrukturElement->trigger();
        QCOMPARE(mainform->Struktur->antal(), 2);
        QVERIFY(!QFile::exists(aar + QStringLiteral("tekstfiler/03 06 Onsdag.html")));
        QCoreApplication::processEvents();

        mainform->findChild<QPushButton *>(QStringLiteral("slettedeKnap"))->click();
        auto *vindue = mainform->findChild<Tslettedeform *>(QStringLiteral("slettedeform"));
        QVERIFY(vindue && vindue->isVisible());
        // The month stands for the days deleted with it.
        QCOMPARE(vindue->slettedeListe->topLevelItemCount(), 1);
        QTreeWidgetItem *raekke = vindue->slettedeListe->topLevelItem(0);
        QCOMPARE(raekke->text(1), QStringLiteral("Dagbog 2024 › 03 Marts med 2 sider"));
        QCOMPARE(raekke->text(2), QStringLiteral("Marts"));

        mainform->LoadStrukturen(QStringLiteral("Rejser")); // another structure in front
        vindue->gendanSlettetKnap->click();
        QCOMPARE(vindue->slettedeListe->topLevelItemCount(), 0);
        QCOMPARE(mainform->strukturNavn, QStringLiteral("Dagbog 2024"));
        QCOMPARE(mainform->Struktur->antal(), 5);
        for (auto it = sider.cbegin(); it != sider.cend(); ++it)
            QCOMPARE(
                laesBytes(aar + QStringLiteral("tekstfiler/") + it.key() + QStringLiteral(".html")),
                it.value());
        QCOMPARE(laesBytes(aar + QStringLiteral("struktur.txt")), trae);
        QCOMPARE(laesBytes(aar + QStringLiteral("data.txt")), data);
        QCoreApplication::processEvents();
        mainform->historik->vent();
        QCOMPARE(git(repo(), {"log", "-1", "--format=%s"}).ud.trimmed(),
                 QByteArray("Gendannet: 03 Marts med 2 sider"));
        vindue->opdater();
        QCOMPARE(vindue->slettedeListe->topLevelItemCount(), 0);
    }
};

DAGBOG_GUI_TEST_MAIN(TstTidligereUdgaver)
#include "tst_tidligereudgaver.moc"
