#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"
#include "tags/taginfo.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray side(const QByteArray &titel, const QByteArray &klasse) {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>" + titel +
           "</title>\r\n"
           "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">\r\n"
           "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">\r\n"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"..\\..\\design.css\">\r\n"
           "<script type=\"text/javascript\" src=\"..\\..\\funktioner.js\"></script>\r\n"
           "</head>\r\n<body>\r\n<div class=\"" +
           klasse + "\">" + titel +
           "</div>\r\n<DIV class=\"HovedSpalte\">\r\n\r\n</DIV>\r\n</body>\r\n</html>\r\n";
}

} // namespace

class TstHovedvindue : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString brugerDir() const { return rod->rod() + u'/' + Mapper::brugernavn(); }
    QString aar(int aar) const {
        return brugerDir() + QStringLiteral("/Struktur/Dagbog %1/").arg(aar);
    }
    void start() {
        opretVinduer();
        mainform->FormActivate();
    }
    void aabnDato(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    QStringList aabneSider() const {
        QStringList navne;
        for (Twinform *w : mainform->editorVinduer())
            navne << QFileInfo(w->Filnavn).fileName();
        return navne;
    }
    void stop() {
        mainform->close();
        nedlaegVinduer();
    }

private slots:
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void foersteStartOpretterMapperOgByderVelkommen();
    void eksisterendeDesignOverskrivesAldrig();
    void aabnDatoOpretterAaretsSider();
    void igenOpretterIntetOgOmskriverIkke();
    void nyeDageOgMaanederSorteresPaaPlads();
    void tomAarsmappeTagesOp();
    void lukningSkriverOptionsfilOgNaesteStartHilserIkke();
    void optionsfilMedTiLinjer();
    void lukningMedLaeserenSynligSkjulerKun();
    void manglendeListeStopperOpstarten();
    void qtsEgneTeksterPaaDansk();
    void vinduerCentreresPaaHovedvinduet_data();
    void vinduerCentreresPaaHovedvinduet();
};

void TstHovedvindue::foersteStartOpretterMapperOgByderVelkommen() {
    start();
    QVERIFY(QDir(brugerDir() + QStringLiteral("/Egenskaber")).exists());
    QCOMPARE(laesBytes(brugerDir() + QStringLiteral("/Struktur/design.css")),
             laesBytes(rod->sti(QStringLiteral("Program/Html/design.css"))));
    QCOMPARE(laesBytes(brugerDir() + QStringLiteral("/Struktur/funktioner.js")),
             laesBytes(rod->sti(QStringLiteral("Program/Html/funktioner.js"))));
    QCOMPARE(mainform->bogstavName, QStringLiteral("Courier New"));
    QCOMPARE(mainform->bogstavSize, 10);
    QCOMPARE(mainform->designNavn, QStringLiteral("Sky"));
    QVERIFY(Dialoger::Test::vist().contains(QStringLiteral("Information")));
    QCOMPARE(
        spmform->tekst->toPlainText(),
        QStringLiteral(
            "Velkommen til dagbogen!\nVælg år og dato i kalenderen, som dagbogen skal starte med.\n"
            "Tryk \"Åben valgte dato\" for at komme i gang med at skrive dagbog."));
    QCOMPARE(spmform->windowTitle(), QStringLiteral("Spørgsmål"));
    QVERIFY(!spmform->Button1->isHidden());
    QCOMPARE(mainform->strukturNavn, QStringLiteral("Dagbog %1").arg(QDate::currentDate().year()));
    // After the welcome the program's own help shows how to begin.
    QVERIFY(infoform->isVisible());
    QCOMPARE(infoform->windowTitle(), QStringLiteral("Programmet"));
    QCOMPARE(infoform->Struktur->valgtElement()->text(0), QStringLiteral("Fremgangsmåde"));
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("Fremgangsmåde.html"));
    QTRY_VERIFY(infoform->Web->title().contains(QStringLiteral("Fremgangsmåde")));
}

void TstHovedvindue::eksisterendeDesignOverskrivesAldrig() {
    skrivBytes(rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/design.css"),
               "min egen\r\n");
    start();
    QCOMPARE(laesBytes(brugerDir() + QStringLiteral("/Struktur/design.css")),
             QByteArray("min egen\r\n"));
}

void TstHovedvindue::aabnDatoOpretterAaretsSider() {
    start();
    aabnDato(QDate(2024, 3, 5));
    const QString mappe = aar(2024);
    QVERIFY(QDir(mappe + QStringLiteral("tekstfiler")).exists());
    QVERIFY(QDir(mappe + QStringLiteral("Billeder")).exists());
    QCOMPARE(laesBytes(mappe + QStringLiteral("struktur.txt")),
             QByteArray("Dagbog 2024\r\n\t03 Marts\r\n\t\t03 05 Tirsdag\r\n"));
    QCOMPARE(laesBytes(mappe + QStringLiteral("data.txt")),
             QByteArray("0Dagbog 2024\r\n103 Marts\r\n603 05 Tirsdag\r\n"));
    QCOMPARE(laesBytes(mappe + QStringLiteral("tekstfiler/Dagbog 2024.html")),
             side("Dagbog 2024", "overskriftAar"));
    QCOMPARE(laesBytes(mappe + QStringLiteral("tekstfiler/03 Marts.html")),
             side("Marts 2024", "overskriftMaaned"));
    QCOMPARE(laesBytes(mappe + QStringLiteral("tekstfiler/03 05 Tirsdag.html")),
             side("Tirsdag 05. Marts", "overskrift"));
    QCOMPARE(aabneSider(),
             (QStringList{"Dagbog 2024.html", "03 Marts.html", "03 05 Tirsdag.html"}));
    QCOMPARE(mainform->brugerlevel, 1);
    QCOMPARE(mainform->windowTitle(),
             mainform->brugernavn + QStringLiteral(" Dagbog: Dagbog 2024"));
    QCOMPARE(dagbogform->antalSider, 3);
    QCOMPARE(dagbogform->maxIndex, 2);
}

void TstHovedvindue::igenOpretterIntetOgOmskriverIkke() {
    start();
    aabnDato(QDate(2024, 3, 5));
    const QString dag = aar(2024) + QStringLiteral("tekstfiler/03 05 Tirsdag.html");
    skrivBytes(dag, "mine ord\r\n");
    const QByteArray struktur = laesBytes(aar(2024) + QStringLiteral("struktur.txt"));
    aabnDato(QDate(2024, 3, 5));
    QCOMPARE(laesBytes(dag), QByteArray("mine ord\r\n"));
    QCOMPARE(laesBytes(aar(2024) + QStringLiteral("struktur.txt")), struktur);
    QCOMPARE(mainform->editorVinduer().size(), 3);
    QVERIFY(!mainform->yMade && !mainform->mMade && !mainform->dMade);
}

void TstHovedvindue::nyeDageOgMaanederSorteresPaaPlads() {
    start();
    aabnDato(QDate(2024, 3, 5));
    aabnDato(QDate(2024, 3, 1));
    aabnDato(QDate(2024, 2, 2));
    QCOMPARE(
        laesBytes(aar(2024) + QStringLiteral("struktur.txt")),
        QByteArray(
            "Dagbog 2024\r\n\t02 Februar\r\n\t\t02 02 Fredag\r\n\t03 Marts\r\n\t\t03 01 Fredag\r\n"
            "\t\t03 05 Tirsdag\r\n"));
    QCOMPARE(laesBytes(aar(2024) + QStringLiteral("data.txt")),
             QByteArray("0Dagbog 2024\r\n102 Februar\r\n602 02 Fredag\r\n103 Marts\r\n603 01 "
                        "Fredag\r\n603 05 Tirsdag\r\n"));
    QCOMPARE(mainform->antalLabel->text(), QStringLiteral("6"));
    // Another year's date goes into its own structure, whatever is loaded.
    aabnDato(QDate(2023, 12, 24));
    QCOMPARE(laesBytes(aar(2023) + QStringLiteral("data.txt")),
             QByteArray("0Dagbog 2023\r\n112 December\r\n612 24 Søndag\r\n").replace("ø", "\xF8"));
    QCOMPARE(laesBytes(aar(2024) + QStringLiteral("data.txt")).count('\n'), 6);
}

void TstHovedvindue::tomAarsmappeTagesOp() {
    // A year folder made by hand, without page folder, tree or data file.
    QDir().mkpath(brugerDir() + QStringLiteral("/Struktur/Dagbog 2024"));
    start();
    aabnDato(QDate(2024, 3, 5));
    QVERIFY(Dialoger::Test::vist().filter(QStringLiteral("kan ikke")).isEmpty());
    QCOMPARE(laesBytes(aar(2024) + QStringLiteral("data.txt")),
             QByteArray("0Dagbog 2024\r\n103 Marts\r\n603 05 Tirsdag\r\n"));
    QVERIFY(QFile::exists(aar(2024) + QStringLiteral("tekstfiler/03 05 Tirsdag.html")));
}

void TstHovedvindue::lukningSkriverOptionsfilOgNaesteStartHilserIkke() {
    start();
    aabnDato(QDate(2024, 3, 5));
    for (Twinform *w : mainform->editorVinduer())
        w->Editor->setModified(false);
    stop();
    const QList<QByteArray> linjer =
        laesBytes(brugerDir() + QStringLiteral("/Egenskaber/mainform.txt")).split('\n');
    QCOMPARE(linjer.size(), 17); // sixteen lines, each ended by CR LF
    QCOMPARE(linjer[0], QByteArray("Sky\r"));
    QCOMPARE(linjer[9], QByteArray("1\r"));
    QCOMPARE(linjer[11], QByteArray("1\r")); // daily backups, on by default
    QCOMPARE(linjer[12], QByteArray("1\r")); // spell checking, on by default
    QCOMPARE(linjer[14], QByteArray("1\r")); // colours of the code, on by default
    QCOMPARE(linjer[15], QByteArray("0\r")); // the preview beside the editor, off by default
    QVERIFY(QFile::exists(brugerDir() + QStringLiteral("/Egenskaber/Dagbog.txt")));
    QVERIFY(QFile::exists(brugerDir() + QStringLiteral("/Egenskaber/infoform.txt")));

    Dialoger::Test::vist().clear();
    start();
    QVERIFY(!Dialoger::Test::vist().contains(QStringLiteral("Information")));
    QCOMPARE(mainform->brugerlevel, 1);
}

void TstHovedvindue::optionsfilMedTiLinjer() {
    skrivBytes(rod->rod() + u'/' + Mapper::brugernavn() +
                   QStringLiteral("/Egenskaber/mainform.txt"),
               "Jet\r\n10\r\n20\r\n950\r\n700\r\n0\r\nDagbog 2020\r\nArial\r\n12\r\n1\r\n");
    QDir().mkpath(brugerDir() + QStringLiteral("/Struktur/Dagbog 2020"));
    start();
    QCOMPARE(mainform->designNavn, QStringLiteral("Jet"));
    QCOMPARE(mainform->bogstavName, QStringLiteral("Arial"));
    QCOMPARE(mainform->bogstavSize, 12);
    QCOMPARE(mainform->brugerlevel, 1);
    QCOMPARE(mainform->visHtmlBar, false);
    QCOMPARE(mainform->farver, true);
    QCOMPARE(mainform->previewSiden, false);
    QCOMPARE(mainform->geometry().width(), 950);
}

void TstHovedvindue::lukningMedLaeserenSynligSkjulerKun() {
    start();
    dagbogform->show();
    QVERIFY(!mainform->isVisible());
    mainform->show();
    QVERIFY(!mainform->close());
    QVERIFY(!mainform->isVisible());
    QVERIFY(!QFile::exists(brugerDir() + QStringLiteral("/Egenskaber/mainform.txt")));
    dagbogform->close();
    QVERIFY(mainform->isVisible());
}

void TstHovedvindue::manglendeListeStopperOpstarten() {
    QFile::remove(rod->sti(QStringLiteral("Program/Dir/Html/AlleKoder.txt")));
    start();
    QCOMPARE(Dialoger::Test::vist().size(), 1);
    QVERIFY(Dialoger::Test::vist().first().contains(QStringLiteral("AlleKoder.txt")));
    QVERIFY(!mainform->opstart);
    QVERIFY(mainform->isVisible());
    QVERIFY(mainform->taginf->Tagliste().findes(QStringLiteral("div")));
    QVERIFY(!mainform->taginf->Excludeliste().antal());
}

void TstHovedvindue::qtsEgneTeksterPaaDansk() {
    start();
    const auto tekster = [](const QList<QAction *> &handlinger) {
        QStringList t;
        for (const QAction *a : handlinger)
            if (!a->isSeparator()) t << a->text().section(u'\t', 0, 0);
        return t;
    };
    QLineEdit felt;
    std::unique_ptr<QMenu> menu(felt.createStandardContextMenu());
    QCOMPARE(tekster(menu->actions()), (QStringList{"&Fortryd", "&Omgør", "K&lip", "&Kopiér",
                                                    "&Sæt ind", "Slet", "Markér alt"}));
    QFileDialog dialog(mainform, QStringLiteral("Vælg et billede"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList knapper;
    for (const QAbstractButton *k : dialog.findChild<QDialogButtonBox *>()->buttons())
        knapper << k->text();
    QCOMPARE(knapper, (QStringList{"&Åbn", "Annuller"}));
    QStringList etiketter;
    for (const QLabel *l : dialog.findChildren<QLabel *>())
        etiketter << l->text();
    QVERIFY2(etiketter.contains(QStringLiteral("&Filnavn:")), qPrintable(etiketter.join(u'|')));
}

void TstHovedvindue::vinduerCentreresPaaHovedvinduet_data() {
    QTest::addColumn<QString>("vindue");
    QTest::addColumn<QRect>("hovedvindue");
    for (const char *v : {"spmform", "sikkerhedform"}) {
        QTest::addRow("%s til venstre", v) << v << QRect(40, 60, 900, 700);
        QTest::addRow("%s til højre", v) << v << QRect(1000, 300, 889, 640);
    }
}

void TstHovedvindue::vinduerCentreresPaaHovedvinduet() {
    QFETCH(QString, vindue);
    QFETCH(QRect, hovedvindue);
    start();
    mainform->setGeometry(hovedvindue);
    QWidget *w = spmform;
    if (vindue != QLatin1String("spmform")) {
        mainform->findChild<QPushButton *>(QStringLiteral("sikkerhedKnap"))->click();
        w = mainform->findChild<QWidget *>(vindue);
    }
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCoreApplication::processEvents();
    const QPoint forskel = w->geometry().center() - mainform->geometry().center();
    QVERIFY2(forskel.manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(forskel.x()).arg(forskel.y())));
    w->hide();
}

DAGBOG_GUI_TEST_MAIN(TstHovedvindue)
#include "tst_hovedvindue.moc"
