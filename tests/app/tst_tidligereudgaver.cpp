// The history in the program: the pages the user saves become versions in
// Historik.git, its switch and size on the settings page, its fault in the status bar.
#include "app/vinduer.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/historik.h"
#include "platform/mapper.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
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
};

DAGBOG_GUI_TEST_MAIN(TstTidligereUdgaver)
#include "tst_tidligereudgaver.moc"
