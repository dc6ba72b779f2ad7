#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/win.h"
#include "forms/dagbog.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TstStrukturpanel : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString mappe(const QString &navn) const { return mainform->strukturDir + navn; }
    void aabnDato(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    void lukEditorer() {
        for (Twinform *w : mainform->editorVinduer())
            w->luk();
        QTRY_VERIFY(mainform->editorVinduer().isEmpty());
    }
    // Dagbog 2023 with March (two days) and April (one day): six elements.
    void nyt2023() {
        QDir(mappe(QStringLiteral("Dagbog 2023"))).removeRecursively();
        mainform->createStrukturPU();
        for (const QDate &d : {QDate(2023, 3, 5), QDate(2023, 3, 12), QDate(2023, 4, 1)})
            aabnDato(d);
        lukEditorer();
        QCOMPARE(mainform->Struktur->antal(), 6);
    }
    bool vaelg(const QString &tekst) {
        for (int i = 0; i < mainform->Struktur->antal(); ++i)
            if (mainform->Struktur->tekstVed(i) == tekst) return mainform->Struktur->vaelgVed(i);
        return false;
    }
    QStringList menu() const {
        QStringList tekster;
        for (const QAction *a : mainform->strukturPU->actions())
            tekster << a->text();
        return tekster;
    }
    QString spurgt() const { return spmform->tekst->toPlainText(); }
    QStringList papirkurv() const { return QDir(rod->trash()).entryList(QDir::Files, QDir::Name); }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
    }
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void init() {
        Dialoger::Test::vist().clear();
        spmform->tekst->clear();
        QDir(QFileInfo(rod->trash()).path()).removeRecursively();
    }

    void listeOgMenu_data();
    void listeOgMenu();
    void menuenIndlaeser_data();
    void menuenIndlaeser();
    void sletAktiv_data();
    void sletAktiv();
    void sletElement_data();
    void sletElement();
    void sletRoden_data();
    void sletRoden();
};

void TstStrukturpanel::listeOgMenu_data() {
    QTest::addColumn<QStringList>("indhold"); // a trailing "/" makes a folder
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QStringList>("menupunkter");
    QTest::addColumn<int>("niveau");
    QTest::newRow("år og programfiler")
        << QStringList{"Dagbog 2023/", "Dagbog 2024/", "CSS/", "design.css", "funktioner.js"}
        << QStringList{"CSS", "Dagbog 2023", "Dagbog 2024"}
        << QStringList{"Dagbog 2023", "Dagbog 2024"} << 1;
    QTest::newRow("kun filer") << QStringList{"design.css", "funktioner.js"} << QStringList{}
                               << QStringList{"Ingen strukturer"} << 0;
    QTest::newRow("kun A-Z foldes")
        << QStringList{"css/", "JAVASCRIPT/", "eksempler", "html5/", "Aſp/", "Rejse & ferie/"}
        << QStringList{"JAVASCRIPT", "Rejse & ferie", "css", "eksempler", "html5", "Aſp"}
        << QStringList{"Aſp", "Rejse && ferie"} << 1;
}

void TstStrukturpanel::listeOgMenu() {
    QFETCH(QStringList, indhold);
    QFETCH(QStringList, liste);
    QFETCH(QStringList, menupunkter);
    QFETCH(int, niveau);
    // The program's own design.css and funktioner.js stay; everything else is replaced.
    const QStringList filer{QStringLiteral("design.css"), QStringLiteral("funktioner.js")};
    QDir gammel(mainform->strukturDir);
    for (const QFileInfo &f : gammel.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            QDir(f.filePath()).removeRecursively();
        else if (!filer.contains(f.fileName()))
            QFile::remove(f.filePath());
    }
    for (const QString &navn : indhold) {
        if (navn.endsWith(u'/'))
            QDir().mkpath(mappe(navn));
        else if (!QFileInfo::exists(mappe(navn)))
            skrivBytes(mappe(navn), "x");
    }
    mainform->brugerlevel = 1;
    mainform->createStrukturPU();
    QStringList sorteret = mainform->SLstruk;
    sorteret.sort();
    liste.sort();
    QCOMPARE(sorteret, liste);
    QStringList vist = menu();
    vist.sort();
    QCOMPARE(vist, menupunkter);
    QCOMPARE(mainform->brugerlevel, niveau);
    const QAction *foerste = mainform->strukturPU->actions().value(0);
    QCOMPARE(foerste->statusTip(),
             niveau ? QStringLiteral("Struktur") : QStringLiteral("Opret struktur!"));
}

void TstStrukturpanel::menuenIndlaeser_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("rod");
    QTest::newRow("dagbogsår") << "Dagbog 2023"
                               << "Dagbog 2023";
    QTest::newRow("navn med &") << "Rejse & ferie"
                                << "Rejse & ferie";
}

void TstStrukturpanel::menuenIndlaeser() {
    QFETCH(QString, navn);
    QFETCH(QString, rod);
    nyt2023();
    skrivBytes(mappe(QStringLiteral("Rejse & ferie/struktur.txt")), "Rejse & ferie\r\nTogtur\r\n");
    mainform->kalender->setSelectedDate(QDate(2024, 6, 1));
    mainform->createStrukturPU();
    QAction *punkt = nullptr;
    for (QAction *a : mainform->strukturPU->actions())
        if (a->text() == QString(navn).replace(u'&', QStringLiteral("&&"))) punkt = a;
    QVERIFY(punkt);
    punkt->trigger();
    QCOMPARE(mainform->Struktur->tekstVed(0), rod);
    QCOMPARE(mainform->windowTitle(), mainform->brugernavn + QStringLiteral(" Dagbog: ") + navn);
    QCOMPARE(mainform->antalLabel->text(), QString::number(mainform->Struktur->antal()));
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2024, 6, 1));
    QCOMPARE(Dialoger::Test::vist(), QStringList{});
}

void TstStrukturpanel::sletAktiv_data() {
    QTest::addColumn<bool>("valgt");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("aktiv");
    QTest::newRow("valgt uden vinduer") << true << false << true;
    QTest::newRow("valgt med et åbent vindue") << true << true << false;
    QTest::newRow("intet valgt") << false << false << false;
}

void TstStrukturpanel::sletAktiv() {
    QFETCH(bool, valgt);
    QFETCH(bool, editor);
    QFETCH(bool, aktiv);
    nyt2023();
    if (editor) aabnDato(QDate(2023, 3, 5));
    if (valgt)
        QVERIFY(vaelg(QStringLiteral("03 Marts")));
    else
        mainform->Struktur->clearSelection();
    QTRY_COMPARE(mainform->aSletStrukturElement->isEnabled(), aktiv);
    auto *knap = mainform->findChild<QToolButton *>(QStringLiteral("ToolButton2"));
    QCOMPARE(knap->defaultAction(), mainform->aSletStrukturElement);
    QCOMPARE(knap->toolTip(), QStringLiteral("Slet valgte element"));
    QTest::mouseClick(knap, Qt::LeftButton);
    QCOMPARE(Dialoger::Test::vist().size(), aktiv ? 1 : 0);
    QCOMPARE(mainform->Struktur->antal(), 6);
    lukEditorer();
}

void TstStrukturpanel::sletElement_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("spoergsmaal");
    QTest::addColumn<QStringList>("slettet");
    QTest::newRow("måned, ja") << "03 Marts" << 1
                               << "Skal elementet 03 Marts med underelementer slettes?"
                               << QStringList{"03 05 Søndag", "03 12 Søndag", "03 Marts"};
    QTest::newRow("dag, ja") << "03 12 Søndag" << 1 << "Skal elementet 03 12 Søndag slettes?"
                             << QStringList{"03 12 Søndag"};
    QTest::newRow("måned, nej") << "03 Marts" << 2
                                << "Skal elementet 03 Marts med underelementer slettes?"
                                << QStringList{};
}

void TstStrukturpanel::sletElement() {
    QFETCH(QString, element);
    QFETCH(int, svar);
    QFETCH(QString, spoergsmaal);
    QFETCH(QStringList, slettet);
    nyt2023();
    const QString aar = mappe(QStringLiteral("Dagbog 2023/"));
    const QByteArray traeFoer = laesBytes(aar + QStringLiteral("struktur.txt"));
    const QByteArray dataFoer = laesBytes(aar + QStringLiteral("data.txt"));
    dagbogform->sideIndex1 = 2;
    QVERIFY(vaelg(element));
    Dialoger::Test::koeSvar(svar);
    QTRY_VERIFY(mainform->aSletStrukturElement->isEnabled());
    mainform->aSletStrukturElement->trigger();
    QCOMPARE(spurgt(), spoergsmaal);

    QStringList iKurven;
    for (const QString &s : slettet)
        iKurven << s + QStringLiteral(".html");
    iKurven.sort();
    QCOMPARE(papirkurv(), iKurven);
    const int antal = 6 - slettet.size();
    QCOMPARE(mainform->Struktur->antal(), antal);
    QCOMPARE(mainform->antalLabel->text(), QString::number(antal));
    QCOMPARE(dagbogform->antalSider, antal);
    QCOMPARE(dagbogform->sideIndex1, slettet.isEmpty() ? 2 : 0);
    if (slettet.isEmpty()) {
        QCOMPARE(laesBytes(aar + QStringLiteral("struktur.txt")), traeFoer);
        QCOMPARE(laesBytes(aar + QStringLiteral("data.txt")), dataFoer);
        return;
    }
    QStringList traeet, sider;
    for (const QString &l : Tekstfil::laesLinjer(aar + QStringLiteral("struktur.txt")))
        traeet << l.trimmed();
    for (const QString &l : Tekstfil::laesLinjer(aar + QStringLiteral("data.txt")))
        sider << l.mid(1);
    QCOMPARE(traeet.size(), antal);
    QCOMPARE(sider.size(), antal);
    for (const QString &s : slettet) {
        QVERIFY2(!traeet.contains(s), qPrintable(s));
        QVERIFY2(!sider.contains(s), qPrintable(s));
        QVERIFY(!QFileInfo::exists(aar + QStringLiteral("tekstfiler/") + s + ".html"));
    }
}

void TstStrukturpanel::sletRoden_data() {
    QTest::addColumn<int>("svar");
    QTest::addColumn<QDate>("kalender");
    QTest::newRow("ja") << 1 << QDate(2023, 3, 5);
    QTest::newRow("nej") << 2 << QDate(2023, 3, 5);
    QTest::newRow("ja efter kalenderen skiftede år") << 1 << QDate(2025, 1, 2);
}

void TstStrukturpanel::sletRoden() {
    QFETCH(int, svar);
    QFETCH(QDate, kalender);
    aabnDato(QDate(2025, 1, 2)); // another year that must survive
    lukEditorer();
    nyt2023();
    mainform->kalender->setSelectedDate(kalender);
    const QString aar = mappe(QStringLiteral("Dagbog 2023"));
    QVERIFY(vaelg(QStringLiteral("Dagbog 2023")));
    Dialoger::Test::koeSvar(svar);
    QTRY_VERIFY(mainform->aSletStrukturElement->isEnabled());
    mainform->aSletStrukturElement->trigger();
    QCOMPARE(spurgt().split(u'\n'),
             (QStringList{"Mappe slettres:", aar, "Billeder bliver også slettede.", "",
                          "Skal hele strukturen slettes permanent?"}));
    QVERIFY(QFileInfo::exists(mappe(QStringLiteral("Dagbog 2025/struktur.txt"))));
    QVERIFY(papirkurv().isEmpty());
    if (svar != 1) {
        QVERIFY(QFileInfo::exists(aar + QStringLiteral("/tekstfiler/03 Marts.html")));
        QCOMPARE(mainform->Struktur->antal(), 6);
        return;
    }
    QVERIFY(!QFileInfo::exists(aar));
    QCOMPARE(mainform->Struktur->antal(), 0);
    QCOMPARE(mainform->strukturNavn, QString());
    QVERIFY(!mainform->SLstruk.contains(QStringLiteral("Dagbog 2023")));
    QVERIFY(mainform->SLstruk.contains(QStringLiteral("Dagbog 2025")));
    QCOMPARE(dagbogform->maxIndex, 0);
    QVERIFY(!dagbogform->isVisible());
}

DAGBOG_GUI_TEST_MAIN(TstStrukturpanel)
#include "tst_strukturpanel.moc"
