#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/rotation.h"
#include "editor/gendannelse.h"
#include "editor/win.h"
#include "forms/sikkerhed.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

class TstGendannelse : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString bruger() const { return rod->rod() + u'/' + Mapper::brugernavn(); }
    QString gendanMappe() const { return bruger() + QStringLiteral("/Egenskaber/Gendan/"); }
    QString kopiMappe() const { return bruger() + QStringLiteral("/Sikkerhedskopier/"); }
    QString side() const {
        return bruger() + QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
    }
    QStringList gendanfiler() const {
        return QDir(gendanMappe()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    }
    void start() {
        opretVinduer();
        mainform->FormActivate();
    }
    Twinform *aabnSiden() {
        mainform->htmlFilnavn = side();
        Twinform *w = mainform->openwin(side());
        w->bringFrem();
        if (w->opstart) w->FormActivate();
        return w;
    }
    // A user who has opened pages before: no welcome.
    void skrivOptioner(const QStringList &ekstra = {}) {
        Tekstfil::skriv(
            bruger() + QStringLiteral("/Egenskaber/mainform.txt"),
            QStringList{"Sky", "64", "906", "889", "930", "0", "", "Courier New", "10", "1", "0"} +
                ekstra);
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        QDir().mkpath(QFileInfo(side()).absolutePath());
        QDir().mkpath(bruger() + QStringLiteral("/Egenskaber"));
        Tekstfil::skriv(side(), {QStringLiteral("<html><body>"), QStringLiteral("<p>Før</p>"),
                                 QStringLiteral("</body></html>")});
        skrivOptioner();
        Dialoger::Test::vist().clear();
    }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        Gendannelse::ventPaaSkrivning();
        rod.reset();
    }

    // The child types and is killed with SIGKILL three seconds later; the next
    // start offers the text back, also when the page was touched in between.
    // Answer 0 closes the question (Esc): the next start asks again.
    void draebtProgramTilbyderTeksten_data() {
        QTest::addColumn<int>("svar");
        QTest::addColumn<bool>("design");
        QTest::addColumn<bool>("roert");
        QTest::newRow("Ja, rørt side") << 1 << false << true;
        QTest::newRow("Nej, siden") << 2 << false << false;
        QTest::newRow("Ja, design.css") << 1 << true << false;
        QTest::newRow("Esc, rørt side") << 0 << false << true;
    }

    void draebtProgramTilbyderTeksten() {
        QFETCH(int, svar);
        QFETCH(bool, design);
        QFETCH(bool, roert);
        const QString tekst = QStringLiteral("Blåbær og æbler på gåden");
        const QString designSti = bruger() + QStringLiteral("/Struktur/design.css");
        const QByteArray sideFoer = laesBytes(side());

        QProcess barn;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        barn.setProcessEnvironment(miljoe);
        barn.start(QStringLiteral(SKRIVEBARN),
                   {side(), tekst, design ? QStringLiteral("design") : QStringLiteral("side")});
        QVERIFY(barn.waitForStarted());
        QByteArray ud;
        QTRY_VERIFY_WITH_TIMEOUT((ud += barn.readAllStandardOutput()).contains("skrevet"), 60000);
        const QByteArray designFoer = laesBytes(designSti);
        QTest::qWait(3000);
        barn.kill();
        QVERIFY(barn.waitForFinished(10000));
        QCOMPARE(barn.exitStatus(), QProcess::CrashExit);
        QCOMPARE(gendanfiler().size(), 1);
        if (roert) {
            QFile f(side());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
        }

        Dialoger::Test::koeSvar(svar);
        start();
        const QString spm = spmform->tekst->toPlainText();
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Der er fundet en ikke-gemt udgave af siden ") +
                     (design ? QStringLiteral("design\\.css") : QStringLiteral("03 05 Tirsdag")) +
                     QStringLiteral(" fra .+ kl\\. .+\\.\nSkal den gendannes\\?$"))
                     .match(spm)
                     .hasMatch(),
                 qPrintable(spm));
        // Neither the kill nor the question saved anything.
        QCOMPARE(laesBytes(side()), sideFoer);
        QCOMPARE(laesBytes(designSti), designFoer);

        // "Nej" sets the text aside; after "Ja" it stays kept until it is saved.
        QCOMPARE(mainform->editorVinduer().size(), svar == 1 ? 1 : 0);
        Gendannelse::ventPaaSkrivning();
        QCOMPARE(gendanfiler().size(), svar == 2 ? 0 : 1);
        QCOMPARE(QDir(gendanMappe() + QStringLiteral("Kasseret")).entryList(QDir::Files).size(),
                 svar == 2 ? 1 : 0);
        if (svar == 2) return;
        if (svar == 0) {
            nedlaegVinduer();
            Dialoger::Test::koeSvar(1);
            start();
        }
        Twinform *w = mainform->editorVinduer().first();
        QCOMPARE(w->Filnavn, side());
        TRichEdit *e = design ? w->EditorDesign : w->Editor;
        QVERIFY2(e->Text().endsWith(tekst), qPrintable(e->Text().right(60)));
        QVERIFY(e->Modified());
        QCOMPARE(w->EditorBog->currentIndex(), design ? 2 : 1);
        design ? w->aGemDesignExecute() : w->aGemExecute();
        QVERIFY(gendanfiler().isEmpty());
        QVERIFY(Tekstfil::laes(design ? designSti : side()).linjer.join(u'\n').endsWith(tekst));
    }

    void gendanfilenFjernes_data() {
        QTest::addColumn<QString>("maade");
        QTest::newRow("gemt") << "gem";
        QTest::newRow("Nej til at gemme") << "nej";
        QTest::newRow("fortrudt") << "fortryd";
    }

    void gendanfilenFjernes() {
        QFETCH(QString, maade);
        start();
        Twinform *w = aabnSiden();
        w->Editor->setFocus();
        w->Editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->Editor, QStringLiteral("ny"));
        QTRY_COMPARE_WITH_TIMEOUT(gendanfiler().size(), 1, 8000);
        Gendannelse::ventPaaSkrivning();
        Gendannelse::Fil fil;
        QVERIFY(Gendannelse::laes(gendanMappe() + gendanfiler().first(), &fil));
        QCOMPARE(fil.maal, side());
        QCOMPARE(fil.vindue, side());
        QCOMPARE(fil.tekst, w->Editor->Text());

        if (maade == QStringLiteral("gem")) {
            QTest::keyClick(w->Editor, Qt::Key_S, Qt::ControlModifier);
        } else if (maade == QStringLiteral("nej")) {
            Dialoger::Test::koeSvar(2);
            w->luk();
        } else {
            QTest::keyClick(w->Editor, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(w->Editor, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(!w->Editor->Modified());
        }
        QVERIFY(gendanfiler().isEmpty());
        // Nothing comes back once the timer would have fired.
        QTest::qWait(Gendannelse::ventetid + 300);
        Gendannelse::ventPaaSkrivning();
        QVERIFY(gendanfiler().isEmpty());
    }

    // Decided by content: a kept text the page already holds goes silently, even
    // when newer than the page. Set-aside texts older than 30 days go too.
    void tilbudVedStart_data() {
        QTest::addColumn<QString>("maal");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("udenLister");
        QTest::addColumn<bool>("spurgt");
        QTest::addColumn<bool>("bliver");
        const QString gemt = QStringLiteral("<html><body>\r\n<p>Før</p>\r\n</body></html>");
        QTest::newRow("siden rummer teksten") << "" << gemt << false << false << false;
        QTest::newRow("lister mangler") << ""
                                        << "x" << true << true << false;
        QTest::newRow("siden er væk") << "/Struktur/Væk/tekstfiler/Væk.html"
                                      << "x" << false << false << true;
    }

    void tilbudVedStart() {
        QFETCH(QString, maal);
        QFETCH(QString, tekst);
        QFETCH(bool, udenLister);
        QFETCH(bool, spurgt);
        QFETCH(bool, bliver);
        const QString sti = maal.isEmpty() ? side() : bruger() + maal;
        const QString fil = gendanMappe() + Gendannelse::filnavn(sti, sti);
        skrivBytes(fil, "\xEF\xBB\xBF" + sti.toUtf8() + "\r\n" + sti.toUtf8() + "\r\n\r\n" +
                            tekst.toUtf8());
        const QString kasseret = gendanMappe() + QStringLiteral("Kasseret/");
        for (const int dage : {40, 10}) {
            const QString k = kasseret + QString::number(dage) + QStringLiteral(".txt");
            skrivBytes(k, "gammel");
            QFile f(k);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-dage),
                                  QFileDevice::FileModificationTime));
        }
        if (udenLister)
            QVERIFY(QFile::remove(rod->sti(QStringLiteral("Program/Dir/Html/AlleKoder.txt"))));
        Dialoger::Test::koeSvar(2);
        start();
        QCOMPARE(Dialoger::Test::vist().contains(QStringLiteral("Spørgsmål")), spurgt);
        QCOMPARE(QFileInfo::exists(fil), bliver);
        QCOMPARE(QFileInfo::exists(kasseret + QFileInfo(fil).fileName()), spurgt);
        QVERIFY(!QFileInfo::exists(kasseret + QStringLiteral("40.txt")));
        QVERIFY(QFileInfo::exists(kasseret + QStringLiteral("10.txt")));
        QVERIFY(mainform->editorVinduer().isEmpty());
    }

    // A recovery file that cannot be written is said once, not every two seconds.
    void gendanfilKanIkkeSkrives() {
        skrivBytes(gendanMappe().chopped(1), "en fil i vejen");
        start();
        Twinform *w = aabnSiden();
        auto *g = w->Editor->findChild<Gendannelse *>();
        QVERIFY(g);
        const QString besked = QStringLiteral("Den ugemte tekst kan ikke lægges til side i ") +
                               QDir::toNativeSeparators(gendanMappe().chopped(1)) +
                               QStringLiteral(". Gem selv siden snart.");
        for (const QString &forventet : {besked, QString()}) {
            mainform->statusBar()->clearMessage();
            QTest::keyClicks(w->Editor, QStringLiteral("z"));
            g->skrivNu();
            Gendannelse::ventPaaSkrivning();
            QCoreApplication::processEvents();
            QCOMPARE(mainform->statusBar()->currentMessage(), forventet);
        }
    }

    void fejlVisesEnGang() {
        skrivBytes(bruger() + QStringLiteral("/Sikkerhedskopier"), "en fil i vejen");
        start();
        Twinform *w = aabnSiden();
        const QString fejl = QStringLiteral("Sikkerhedskopien kunne ikke gemmes: ") +
                             QDir::toNativeSeparators(QDir::cleanPath(kopiMappe())) +
                             QStringLiteral(": mappen kan ikke oprettes. De tidligere "
                                            "sikkerhedskopier er urørte, og selve dagbogen er "
                                            "ikke rørt.");
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(w->Editor, QStringLiteral("z"));
            w->aGemExecute();
            QTRY_VERIFY_WITH_TIMEOUT(Dialoger::Test::vist().contains(fejl), 20000);
        }
        QCOMPARE(Dialoger::Test::vist().count(fejl), 1);
        QVERIFY(Tekstfil::laes(side()).linjer.join(u'\n').contains(QStringLiteral("zzz")));
        QCOMPARE(laesBytes(bruger() + QStringLiteral("/Sikkerhedskopier")),
                 QByteArray("en fil i vejen"));
    }

    // Without a save the day's archive comes at the end; the next day with the
    // same content gets none, with a line in the status bar.
    void sikkerhedskopiVedProgramslut() {
        start();
        mainform->close();
        nedlaegVinduer();
        const QString idag = kopiMappe() + Rotation::arkivnavn(QDate::currentDate());
        QVERIFY(QFile::rename(idag,
                              kopiMappe() + Rotation::arkivnavn(QDate::currentDate().addDays(-1))));
        start();
        mainform->close();
        QVERIFY(!QFileInfo::exists(idag));
        QCOMPARE(mainform->statusBar()->currentMessage(),
                 QStringLiteral("Ingen sikkerhedskopi i dag: intet er ændret siden den sidste."));
    }

    // A backup that takes a while shows its progress at closing; "Spring over"
    // ends it while the diary is still being read, and no archive is left.
    void springOverVedProgramslut() {
        skrivOptioner({"1", "1", "0"}); // without the history, which would read it all too
        const QString billeder = bruger() + QStringLiteral("/Struktur/Dagbog 2024/Billeder/");
        QDir().mkpath(billeder);
        constexpr int filer = 40;
        for (int i = 0; i < filer; ++i) {
            QFile f(billeder + QStringLiteral("stor%1.bin").arg(i));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(100) << 20)); // sparse
        }
        start();
        bool sprunget = false;
        QTimer klik;
        connect(&klik, &QTimer::timeout, [&] {
            auto *vent = mainform->findChild<QProgressDialog *>(QStringLiteral("kopiFremskridt"));
            if (vent && vent->isVisible() && !sprunget) {
                sprunget = true;
                vent->findChild<QPushButton *>()->click();
            }
        });
        klik.start(50);
        mainform->close();
        QVERIFY(sprunget);
        QVERIFY(QDir(kopiMappe()).entryList({QStringLiteral("*.zip*")}, QDir::Files).isEmpty());
        QCOMPARE(mainform->statusBar()->currentMessage(),
                 QStringLiteral("Sikkerhedskopien er sprunget over; de tidligere er som før."));
        // Stopped between files: the sums read so far are kept for the next time.
        const QByteArray summer = laesBytes(kopiMappe() + QStringLiteral(".kontrolsummer.txt"));
        QVERIFY(summer.count("stor") < filer);
    }

    void optionlinje_data() {
        QTest::addColumn<QStringList>("ekstra");
        QTest::addColumn<bool>("til");
        QTest::newRow("ældre fil uden linjen") << QStringList{} << true;
        QTest::newRow("slået fra") << QStringList{"0"} << false;
        QTest::newRow("slået til") << QStringList{"1"} << true;
        QTest::newRow("ulæselig linje") << QStringList{"ja"} << true;
        QTest::newRow("med linjen efter") << QStringList{"0", "1"} << false;
    }

    void optionlinje() {
        QFETCH(QStringList, ekstra);
        QFETCH(bool, til);
        skrivOptioner(ekstra);
        start();
        auto *check = mainform->findChild<QCheckBox *>(QStringLiteral("SikkerhedskopiCheck"));
        QVERIFY(check);
        QCOMPARE(check->isChecked(), til);
        check->click();
        mainform->close();
        const QStringList linjer =
            Tekstfil::laesLinjer(bruger() + QStringLiteral("/Egenskaber/mainform.txt"));
        QCOMPARE(linjer.size(), 16); // the lines of later switches follow
        QCOMPARE(linjer[11], til ? QStringLiteral("0") : QStringLiteral("1"));
        // Switched off, the end of the program makes no archive; switched on, it does.
        QCOMPARE(QFileInfo::exists(kopiMappe()), !til);
    }

    void gendanStruktur() {
        // A structure made in the structure maker lives in the shared program folder.
        const QString opskrifter = rod->sti(QStringLiteral("Program/Struktur/Opskrifter"));
        skrivBytes(opskrifter + QStringLiteral("/struktur.txt"), "Opskrifter\r\n\tÆbleskiver\r\n");
        skrivBytes(opskrifter + QStringLiteral("/tekstfiler/Æbleskiver.html"), "<p>Mel</p>");
        start();
        mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
        Twinform *w = mainform->aktivtVindue();
        QVERIFY(w);
        QTest::keyClicks(w->Editor, QStringLiteral("Sommerfugle i haven"));
        w->aGemExecute();
        const QString original = w->Editor->Text();
        // The first save of the day makes the day's archive.
        QTRY_COMPARE_WITH_TIMEOUT(mainform->statusBar()->currentMessage(),
                                  QStringLiteral("Sikkerhedskopi gemt: ") +
                                      Rotation::arkivnavn(QDate::currentDate()),
                                  20000);
        const int elementer = mainform->Struktur->antal();
        w->luk();

        auto *knap = mainform->findChild<QPushButton *>(QStringLiteral("sikkerhedKnap"));
        QVERIFY(knap);
        knap->click();
        auto *vindue = mainform->findChild<Tsikkerhedform *>(QStringLiteral("sikkerhedform"));
        QVERIFY(vindue && vindue->isVisible());
        QCOMPARE(vindue->arkivListe->topLevelItemCount(), 1);
        const QLocale dansk(QLocale::Danish, QLocale::Denmark);
        QCOMPARE(vindue->arkivListe->topLevelItem(0)->text(0),
                 dansk.toString(QDate::currentDate(), QStringLiteral("dddd d. MMMM yyyy")));
        QVERIFY(!vindue->arkivListe->topLevelItem(0)->text(1).isEmpty());
        QCOMPARE(vindue->strukturListe->count(), 2);
        QCOMPARE(vindue->strukturListe->item(0)->text(), QStringLiteral("Dagbog 2024"));
        QCOMPARE(vindue->strukturListe->item(1)->text(),
                 QStringLiteral("Opskrifter (programmappen)"));

        const QString navn = QStringLiteral("Dagbog 2024 (gendannet ") +
                             QDate::currentDate().toString(Qt::ISODate) + u')';
        const QString foer = mainform->strukturNavn;
        // "Nej" restores nothing; each "Ja" makes a new copy beside the structures.
        for (const QString &ventet : {QString(), navn, navn + QStringLiteral(" 2")}) {
            Dialoger::Test::koeSvar(ventet.isEmpty() ? 2 : 1);
            vindue->GendanKnap->click();
            const QString spurgt = ventet.isEmpty() ? navn : ventet;
            QCOMPARE(spmform->tekst->toPlainText(),
                     QStringLiteral("Strukturen \"Dagbog 2024\" fra ") +
                         dansk.toString(QDate::currentDate(), QStringLiteral("d. MMMM yyyy")) +
                         QStringLiteral(" gendannes som \"") + spurgt +
                         QStringLiteral("\". Dine nuværende sider røres ikke."));
            QCOMPARE(QFileInfo::exists(mainform->strukturDir + spurgt), !ventet.isEmpty());
            if (ventet.isEmpty()) continue;
            QCOMPARE(mainform->statusBar()->currentMessage(),
                     QStringLiteral("Strukturen er gendannet som \"") + ventet +
                         QStringLiteral("\"."));
            QCOMPARE(mainform->strukturNavn, foer);
            QCOMPARE(mainform->Struktur->antal(), elementer);
            QVERIFY(mainform->SLstruk.contains(ventet));
        }
        // The restored structure opens and reads the same page.
        const QString kopi =
            mainform->strukturDir + navn + QStringLiteral("/tekstfiler/03 05 Tirsdag.html");
        mainform->htmlFilnavn = kopi;
        Twinform *genskabt = mainform->openwin(kopi);
        QCOMPARE(genskabt->Editor->Text(), original);

        // The program folder's structure goes back beside the other information structures.
        vindue->strukturListe->setCurrentRow(1);
        Dialoger::Test::koeSvar(1);
        vindue->GendanKnap->click();
        const QString gendannet = opskrifter + QStringLiteral(" (gendannet ") +
                                  QDate::currentDate().toString(Qt::ISODate) + u')';
        QCOMPARE(laesBytes(gendannet + QStringLiteral("/tekstfiler/Æbleskiver.html")),
                 QByteArray("<p>Mel</p>"));

        vindue->AabnMappeKnap->click();
        QCOMPARE(Dialoger::Test::vist().last(), QUrl::fromLocalFile(kopiMappe()).toString());
    }
};

DAGBOG_GUI_TEST_MAIN(TstGendannelse)
#include "tst_gendannelse.moc"
