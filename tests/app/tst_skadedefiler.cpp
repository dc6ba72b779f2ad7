// Damaged and hostile files met by the real windows: the program comes up,
// names the file in one box, goes on, and leaves every byte on disk as it was.
#include "app/vinduer.h"
#include "controls/struktur.h"
#include "core/kalender.h"
#include "editor/win.h"
#include "forms/strukturmaker.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <optional>

namespace {

QStringList &vist() {
    return Dialoger::Test::vist();
}

// A tree and data file written by hand into mappe.
void skrivTrae(const QString &mappe, const QByteArray &trae, const QByteArray &data) {
    skrivBytes(mappe + QStringLiteral("struktur.txt"), trae);
    skrivBytes(mappe + QStringLiteral("data.txt"), data);
}

void tjekUroert(const QString &mappe, const QByteArray &trae, const QByteArray &data) {
    QCOMPARE(laesBytes(mappe + QStringLiteral("struktur.txt")), trae);
    QCOMPARE(laesBytes(mappe + QStringLiteral("data.txt")), data);
}

} // namespace

class TstSkadedeFiler : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString strukturDir() const {
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Struktur/");
    }
    QString aarsmappe(int aar) const {
        return strukturDir() + QStringLiteral("Dagbog %1/").arg(aar);
    }
    void aabnDato(const QDate &d) {
        vist().clear();
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    Twinform *startMedSide() {
        start();
        aabnDato(QDate(2025, 3, 5));
        return mainform->aktivtVindue();
    }
    void start() {
        opretVinduer();
        QVERIFY(mainform->isVisible());
        mainform->FormActivate();
    }
    void vaelgInfostruktur(const QString &navn) {
        strukturform->show();
        strukturform->LoadStrukturBoks();
        const auto fundet = strukturform->strukturboks->findItems(navn, Qt::MatchExactly);
        QVERIFY(!fundet.isEmpty());
        strukturform->strukturboks->setCurrentItem(fundet.first());
    }

private slots:
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void niveauspringIAaretsStrukturVedStart();
    void aarsmappeMedAndreBogstaver();
    void sidenavnUdenforSidemappenAabnesIkke_data();
    void sidenavnUdenforSidemappenAabnesIkke();
    void symlinketStrukturmappeSlettesSomLink();
    void optionsfilDerErEnMappe();
    void ctrlSLigeEfterFoersteTast();
    void billedklicheMisterAldrigBilledet_data();
    void billedklicheMisterAldrigBilledet();
    void sider_data();
    void sider();
    void storeSider_data();
    void storeSider();
};

void TstSkadedeFiler::niveauspringIAaretsStrukturVedStart() {
    const int iaar = QDate::currentDate().year();
    const QByteArray trae =
        QStringLiteral("Dagbog %1\r\n\t03 Marts\r\n\t\t\t\t03 05 Skæv\r\n").arg(iaar).toLatin1();
    const QByteArray data =
        QStringLiteral("0Dagbog %1\r\n103 Marts\r\n603 05 Skæv\r\n").arg(iaar).toLatin1();
    skrivTrae(aarsmappe(iaar), trae, data);
    const QString fil = aarsmappe(iaar) + QStringLiteral("struktur.txt");

    start();
    QTRY_COMPARE(vist().filter(fil),
                 QStringList{QStringLiteral("Fejl i filen \"%1\": Invalid level (4) for item "
                                            "\"03 05 Skæv\"")
                                 .arg(fil)});

    // Deleting in the partly read year is refused with the reason.
    vist().clear();
    mainform->Struktur->vaelgVed(1);
    Dialoger::Test::koeSvar(1);
    mainform->aSletStrukturElementExecute();
    QCOMPARE(vist().filter(QStringLiteral("kun delvist indlæst")).size(), 1);

    // Another year opens and is written as always.
    aabnDato(QDate(iaar - 1, 3, 5));
    QCOMPARE(vist(), QStringList());
    const QString dag = dagElementNavn(QDate(iaar - 1, 3, 5));
    QCOMPARE(
        laesBytes(aarsmappe(iaar - 1) + QStringLiteral("struktur.txt")),
        QStringLiteral("Dagbog %1\r\n\t03 Marts\r\n\t\t%2\r\n").arg(iaar - 1).arg(dag).toLatin1());
    QVERIFY(QFileInfo::exists(aarsmappe(iaar - 1) + QStringLiteral("tekstfiler/%1.html").arg(dag)));

    // Back in the damaged year, a date is refused with the file named again.
    aabnDato(QDate(iaar, 3, 5));
    QCOMPARE(vist().filter(fil).size(), 1);
    mainform->close();
    nedlaegVinduer();
    tjekUroert(aarsmappe(iaar), trae, data);
}

void TstSkadedeFiler::aarsmappeMedAndreBogstaver() {
    const QString anden = strukturDir() + QStringLiteral("dagbog 2025/");
    skrivTrae(anden, "Dagbog 2025\r\n", "0Dagbog 2025\r\n");
    start();
    if (QFileInfo::exists(aarsmappe(2025))) QSKIP("the file system ignores case");
    aabnDato(QDate(2025, 3, 5));
    QCOMPARE(vist().size(), 1);
    QVERIFY(vist().first().contains(QStringLiteral("\"%1dagbog 2025\"").arg(strukturDir())));
    QVERIFY(vist().first().contains(QStringLiteral("\"Dagbog 2025\"")));
    QVERIFY(!QFileInfo::exists(aarsmappe(2025)));
    QVERIFY(mainform->editorVinduer().isEmpty());
    tjekUroert(anden, "Dagbog 2025\r\n", "0Dagbog 2025\r\n");
}

void TstSkadedeFiler::sidenavnUdenforSidemappenAabnesIkke_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("op og ud") << QStringLiteral("../../ude");
    QTest::newRow("omvendt skråstreg") << QStringLiteral("..\\ude");
    QTest::newRow("punktum-punktum") << QStringLiteral("..");
}

// Neither opening the page nor renaming it in the structure maker touches the file outside.
void TstSkadedeFiler::sidenavnUdenforSidemappenAabnesIkke() {
    QFETCH(QString, navn);
    start();
    const QString info = strukturform->strukturDir + QStringLiteral("Ude/");
    QStringList ude;
    for (const QString &m : {aarsmappe(2025), info}) {
        skrivTrae(m, "Rod\r\n\tUde\r\n", "0Rod\r\n0" + navn.toLatin1() + "\r\n");
        ude << QDir::cleanPath(m + QStringLiteral("tekstfiler/") + navn + QStringLiteral(".html"));
        skrivBytes(ude.last(), "ude");
    }
    vist().clear();
    mainform->LoadStrukturen(QStringLiteral("Dagbog 2025"));
    QVERIFY(mainform->Struktur->vaelgVed(1));
    mainform->StrukturDblClick();
    QCOMPARE(vist(), QStringList{QStringLiteral("Fejl i filen \"%1\": %2")
                                     .arg(aarsmappe(2025) + QStringLiteral("data.txt"),
                                          TStruktur::ugyldigtSidenavn(navn))});
    QVERIFY(mainform->editorVinduer().isEmpty());

    vaelgInfostruktur(QStringLiteral("Ude"));
    strukturform->RedigerStruktur();
    QVERIFY(strukturform->infostruktur->vaelgVed(1));
    strukturform->beforeRediger();
    strukturform->tekstEdit->setText(QStringLiteral("Ude"));
    strukturform->dataEdit->setText(QStringLiteral("ny"));
    Dialoger::Test::koeSvar(1);
    strukturform->RedigerNode();
    for (const QString &f : ude)
        QCOMPARE(laesBytes(f), QByteArray("ude"));
    QVERIFY(!QFileInfo::exists(info + QStringLiteral("tekstfiler/ny.html")));
}

// Deleting a linked folder from the structure panel or the structure maker
// removes the link and keeps what it points to.
void TstSkadedeFiler::symlinketStrukturmappeSlettesSomLink() {
    const QString maal = rod->sti(QStringLiteral("andetsteds/"));
    skrivTrae(maal + QStringLiteral("aar/"), "Dagbog 2025\r\n", "0Dagbog 2025\r\n");
    skrivBytes(maal + QStringLiteral("aar/tekstfiler/Dagbog 2025.html"), "side");
    skrivBytes(maal + QStringLiteral("info/struktur.txt"), "Rod\r\n");
    QDir().mkpath(strukturDir());
    QVERIFY(
        QFile::link(maal + QStringLiteral("aar"), strukturDir() + QStringLiteral("Dagbog 2025")));
    start();

    mainform->LoadStrukturen(QStringLiteral("Dagbog 2025"));
    QVERIFY(mainform->Struktur->vaelgVed(0));
    vist().clear();
    Dialoger::Test::koeSvar(1);
    mainform->aSletStrukturElementExecute();
    QCOMPARE(vist().filter(QStringLiteral("kan ikke slettes")).size(), 0);
    QVERIFY(!QFileInfo(strukturDir() + QStringLiteral("Dagbog 2025")).isSymLink());
    tjekUroert(maal + QStringLiteral("aar/"), "Dagbog 2025\r\n", "0Dagbog 2025\r\n");
    QCOMPARE(laesBytes(maal + QStringLiteral("aar/tekstfiler/Dagbog 2025.html")),
             QByteArray("side"));

    const QString link = strukturform->strukturDir + QStringLiteral("Link");
    QVERIFY(QFile::link(maal + QStringLiteral("info"), link));
    vaelgInfostruktur(QStringLiteral("Link"));
    Dialoger::Test::koeSvar(1);
    strukturform->DeleteStruktur();
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(
        strukturform->strukturboks->findItems(QStringLiteral("Link"), Qt::MatchExactly).isEmpty());
    QCOMPARE(laesBytes(maal + QStringLiteral("info/struktur.txt")), QByteArray("Rod\r\n"));
}

// An option file in the way is named when it is read and, in one box, when the program closes.
void TstSkadedeFiler::optionsfilDerErEnMappe() {
    const QString fil =
        rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber/mainform.txt");
    QDir().mkpath(fil);
    start();
    QCOMPARE(vist().filter(fil).size(), 1);
    vist().clear();
    mainform->close();
    QCOMPARE(vist().size(), 1);
    QVERIFY(vist().first().startsWith(QStringLiteral("Indstillingerne kan ikke gemmes i:\n")));
    QVERIFY(vist().first().contains(fil));
    QVERIFY(QFileInfo(fil).isDir());
}

void TstSkadedeFiler::ctrlSLigeEfterFoersteTast() {
    Twinform *w = startMedSide();
    QVERIFY(w && !w->aGem->isEnabled());
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
    w->Editor->setFocus();
    w->Editor->setSelStart(0);
    // No wait between the key and the shortcut: the idle update has not run yet.
    QTest::keyClick(w->Editor, Qt::Key_X);
    QTest::keyClick(w->Editor, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!w->Editor->Modified());
    QVERIFY(laesBytes(w->Filnavn).startsWith("x<!DOCTYPE html>"));
}

void TstSkadedeFiler::billedklicheMisterAldrigBilledet_data() {
    QTest::addColumn<QString>("kilde");
    QTest::addColumn<bool>("besked");
    // A folder cannot be read as a picture; a link reaches the picture itself.
    QTest::newRow("kopien mislykkes") << QStringLiteral("hjemme/mappe/sol.png") << true;
    QTest::newRow("samme fil via link") << QStringLiteral("hjemme/link/sol.png") << false;
}

void TstSkadedeFiler::billedklicheMisterAldrigBilledet() {
    QFETCH(QString, kilde);
    QFETCH(bool, besked);
    Twinform *w = startMedSide();
    QVERIFY(w);
    const QString billede = mainform->Struktur->Billedmappe() + QStringLiteral("sol.png");
    skrivBytes(billede, "PNG brugt af andre sider");
    QDir().mkpath(rod->sti(QStringLiteral("hjemme/mappe/sol.png")));
    QFile::link(mainform->Struktur->Billedmappe(), rod->sti(QStringLiteral("hjemme/link")));
    Dialoger::Test::koeFil(rod->sti(kilde));
    w->PUbillede->findChild<QAction *>(QStringLiteral("mFunk08"))->trigger();
    QCOMPARE(laesBytes(billede), QByteArray("PNG brugt af andre sider"));
    QCOMPARE(vist().size(), besked ? 1 : 0);
    QCOMPARE(w->Editor->Text().contains(QStringLiteral("../Billeder/sol.png")), !besked);
    QCOMPARE(QDir(mainform->Struktur->Billedmappe()).entryList(QDir::Files),
             QStringList{QStringLiteral("sol.png")});
}

void TstSkadedeFiler::sider_data() {
    QTest::addColumn<QString>("slags");
    QTest::newRow("en mappe") << QStringLiteral("mappe");
    QTest::newRow("skrivebeskyttet side") << QStringLiteral("side");
    QTest::newRow("skrivebeskyttet mappe") << QStringLiteral("sidemappe");
}

// A folder is refused with its name; a page that cannot be saved keeps its
// old bytes and its text in the window.
void TstSkadedeFiler::sider() {
    QFETCH(QString, slags);
    start();
    const QString mappe = rod->sti(QStringLiteral("sider/"));
    const QString sti = mappe + QStringLiteral("side.html");
    const QByteArray bytes = "<html>\r\n<body>\r\n</body>\r\n</html>\r\n";
    std::optional<SomAlmindeligBruger> bruger;
    const auto laes = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (slags == u"mappe") {
        QDir().mkpath(sti);
    } else {
        skrivBytes(sti, bytes);
        if (slags == u"side") QFile::setPermissions(sti, laes);
        QFile::setPermissions(mappe, laes | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                         QFileDevice::ExeOther);
        bruger.emplace(*rod);
    }
    vist().clear();
    mainform->htmlFilnavn = sti;
    Twinform *w = nullptr;
    Dialoger::kommando([&] { w = mainform->openwin(sti); }, mainform);
    if (slags == u"mappe") {
        QVERIFY(!w);
        QCOMPARE(vist().filter(sti).size(), 1);
        QVERIFY(QFileInfo(sti).isDir());
        return;
    }
    QVERIFY(w);
    QCOMPARE(vist(), QStringList());
    QCOMPARE(w->Editor->Text().size(), qsizetype(bytes.size()) - 2); // the last break adds no line
    w->Editor->setSelStart(0);
    w->Editor->setSelText(QStringLiteral("z"));
    w->Editor->setModified(true);
    w->aGemExecute();
    bruger.reset();
    QVERIFY(w->Editor->Modified());
    QCOMPARE(vist().filter(sti).size(), 1);
    QCOMPARE(laesBytes(sti), bytes);
    w->lukUdenSpoergsmaal();
}

void TstSkadedeFiler::storeSider_data() {
    QTest::addColumn<QByteArray>("linje");
    QTest::addColumn<int>("gange");
    QTest::newRow("50 MB") << QByteArray(78, 'x') + "\r\n" << 50 * 1000 * 1000 / 80;
    QTest::newRow("én linje på 10 MB") << QByteArray(10 * 1000 * 1000, 'y') << 1;
}

// Huge pages: every character arrives, and written back they keep every byte;
// a final line break adds no line, and writing ends every line with one.
void TstSkadedeFiler::storeSider() {
    QFETCH(QByteArray, linje);
    QFETCH(int, gange);
    const QByteArray bytes = linje.repeated(gange);
    const QString sti = rod->sti(QStringLiteral("stor.html"));
    skrivBytes(sti, bytes);
    TRichEdit editor;
    editor.LoadFromFile(sti);
    const bool medSkift = bytes.endsWith("\r\n");
    QCOMPARE(editor.Text().size(), qsizetype(bytes.size()) - (medSkift ? 2 : 0));
    QVERIFY(!editor.Modified());
    QCOMPARE(laesBytes(sti), bytes);
    editor.SaveToFile(sti);
    QCOMPARE(laesBytes(sti), medSkift ? bytes : bytes + "\r\n");
}

DAGBOG_GUI_TEST_MAIN(TstSkadedeFiler)
#include "tst_skadedefiler.moc"
