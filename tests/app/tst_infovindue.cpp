#include "app/vinduer.h"
#include "controls/struktur.h"
#include "forms/info.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/twebbrowser.h"
#include "testhjaelp.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <QUrlQuery>
#include <QtTest>

class TstInfovindue : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString egenskaber() const {
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber/");
    }
    QString strukturmappe(const QString &navn) const {
        return rod->rod() + QStringLiteral("/Program/Struktur/") + navn;
    }
    // A small structure of its own: the elements "Dagbog" and "Anden", each with a page.
    void lavStruktur(const QString &navn, const QList<QPair<QString, QByteArray>> &filer) {
        const QString d = strukturmappe(navn);
        QDir().mkpath(d + QStringLiteral("/tekstfiler"));
        skrivBytes(d + QStringLiteral("/struktur.txt"), "Dagbog\r\nAnden\r\n");
        skrivBytes(d + QStringLiteral("/data.txt"), "0Dagbog\r\n3Anden\r\n");
        for (const auto &[fil, indhold] : filer)
            skrivBytes(d + QStringLiteral("/tekstfiler/") + fil, indhold);
    }
    // The windows of a user who has been here before: no welcome topic at start.
    static void start() {
        opretVinduer();
        mainform->brugerlevel = 1;
        mainform->FormActivate();
    }
    // Shows a topic and waits until its page is recorded.
    void vis(const QString &struktur, const QString &element, const QString &side) {
        infoform->HelpInfo(struktur, element);
        QTRY_COMPARE(infoform->Web->LocationName(), side);
        QTRY_COMPARE(infoform->hjemmeside, infoform->Struktur->Infomappe() + side);
    }
    static QStringList raekker(const QListWidget *liste) {
        QStringList r;
        for (int i = 0; i < liste->count(); ++i)
            r << liste->item(i)->text();
        return r;
    }
    // The four navigation actions as "1" (enabled) or "0": first, back, forward, last.
    static QString navigering() {
        QString s;
        for (const QAction *a :
             {infoform->Afirst, infoform->Aback, infoform->Aforward, infoform->Alast})
            s += a->isEnabled() ? u'1' : u'0';
        return s;
    }

private slots:
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void hjaelpInfo_data();
    void hjaelpInfo();
    void genindlaesIkke();
    void fjernetStrukturIHistorikken();
    void historik_data();
    void historik();
    void urlboks();
    void soegning_data();
    void soegning();
    void optioner_data();
    void optioner();
    void adressefelt();
    void strukturmenu();
    void musOverLink_data();
    void musOverLink();
    void musOverPaaSiden();
    void startfejlTekster_data();
    void startfejlTekster();
    void redigerKnap();
    void autoUdfold_data();
    void autoUdfold();
    void urlboksOptionsfejl_data();
    void urlboksOptionsfejl();
};

void TstInfovindue::hjaelpInfo_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<QString>("side");
    QTest::newRow("som skrevet") << "Fremgangsmåde"
                                 << "Fremgangsmåde"
                                 << "Fremgangsmåde.html";
    QTest::newRow("lille f") << "fremgangsmåde"
                             << "Fremgangsmåde"
                             << "Fremgangsmåde.html";
    QTest::newRow("stort Å findes ikke") << "FremgangsmÅde"
                                         << "Dagbog"
                                         << "Dagbog.html";
    QTest::newRow("tomt giver første") << ""
                                       << "Dagbog"
                                       << "Dagbog.html";
    QTest::newRow("dybt element") << "Html koder"
                                  << "Html koder"
                                  << "Html koder.html";
    QTest::newRow("ukendt") << "Findes ikke"
                            << "Dagbog"
                            << "Dagbog.html";
}

void TstInfovindue::hjaelpInfo() {
    QFETCH(QString, element);
    QFETCH(QString, valgt);
    QFETCH(QString, side);
    start();
    QVERIFY(!infoform->isVisible());
    infoform->HelpInfo(QStringLiteral("Programmet"), element);
    QVERIFY(infoform->isVisible());
    QCOMPARE(infoform->windowTitle(), QStringLiteral("Programmet"));
    QCOMPARE(infoform->antalLabel->text(), QString::number(infoform->Struktur->antal()));
    QVERIFY(infoform->Struktur->antal() > 20);
    QCOMPARE(infoform->Struktur->valgtElement()->text(0), valgt);
    QCOMPARE(infoform->EditFind->text(), element);
    QTRY_COMPARE(infoform->Web->LocationName(), side);
    QTRY_COMPARE(infoform->Edit->text(), side);
    QCOMPARE(infoform->hjemmeside, infoform->Mappe + u'/' + side);
}

void TstInfovindue::genindlaesIkke() {
    start();
    vis(QStringLiteral("Programmet"), QStringLiteral("Strukturen"),
        QStringLiteral("Strukturen.html"));
    // A mark in the loaded tree survives a request in other letter case.
    infoform->Struktur->elementVed(0)->setText(0, QStringLiteral("Mærket"));
    infoform->HelpInfo(QStringLiteral("PROGRAMMET"), QString());
    QCOMPARE(infoform->Struktur->tekstVed(0), QStringLiteral("Mærket"));
    QCOMPARE(infoform->strukturnavn, QStringLiteral("PROGRAMMET"));

    // A structure without a folder: empty tree, the page stays.
    infoform->HelpInfo(QStringLiteral("Findes ikke"), QStringLiteral("Dagbog"));
    QCOMPARE(infoform->Struktur->antal(), 0);
    QCOMPARE(infoform->antalLabel->text(), QStringLiteral("0"));
    QCOMPARE(infoform->windowTitle(), QStringLiteral("Findes ikke"));
    QTRY_COMPARE_WITH_TIMEOUT(infoform->Web->LocationName(), QStringLiteral("Dagbog.html"), 10000);
    QVERIFY(!infoform->goToInfo(QStringLiteral("Dagbog")));
    // A folder without a tree file is an empty structure too, and nothing is reported.
    QDir().mkpath(strukturmappe(QStringLiteral("Uden træ/tekstfiler")));
    infoform->HelpInfo(QStringLiteral("Uden træ"), QString());
    QCOMPARE(infoform->Struktur->antal(), 0);
    QCOMPARE(infoform->Mappe, strukturmappe(QStringLiteral("Uden træ/tekstfiler")));
    QVERIFY(Dialoger::Test::vist().isEmpty());
}

void TstInfovindue::fjernetStrukturIHistorikken() {
    lavStruktur(QStringLiteral("Egen"), {{"Dagbog.html", "<html><title>Egen</title></html>"}});
    start();
    vis(QStringLiteral("Egen"), QString(), QStringLiteral("Dagbog.html"));
    vis(QStringLiteral("Programmet"), QStringLiteral("Kontrol"), QStringLiteral("Kontrol.html"));
    QDir(strukturmappe(QStringLiteral("Egen"))).removeRecursively();
    infoform->Aback->trigger();
    QCOMPARE(infoform->urlIndex, 0);
    QCOMPARE(urlform1->urlListe->currentRow(), 0);
    QCOMPARE(navigering(), QStringLiteral("0011"));
    // The next page is a visit of its own.
    vis(QStringLiteral("Programmet"), QStringLiteral("Rediger"), QStringLiteral("Rediger.html"));
    QCOMPARE(raekker(urlform1->urlListe), (QStringList{"Dagbog", "Kontrol", "Rediger"}));
    QCOMPARE(infoform->urlIndex, 2);
}

void TstInfovindue::historik_data() {
    QTest::addColumn<QStringList>("besoeg"); // "structure/element" in visiting order
    QTest::addColumn<QStringList>("strukturer");
    QTest::addColumn<QStringList>("sider");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("navigering");
    QTest::newRow("en side") << QStringList{"Programmet/Dagbog"} << QStringList{"Programmet"}
                             << QStringList{"Dagbog"} << 0 << "0000";
    QTest::newRow("A B A") << QStringList{"Programmet/Strukturen", "Programmet/Kontrol",
                                          "Programmet/strukturen"}
                           << QStringList{"Programmet", "Programmet"}
                           << QStringList{"Strukturen", "Kontrol"} << 0 << "0011";
    QTest::newRow("A B C") << QStringList{"Programmet/Strukturen", "Programmet/Kontrol",
                                          "Programmet/Rediger"}
                           << QStringList{"Programmet", "Programmet", "Programmet"}
                           << QStringList{"Strukturen", "Kontrol", "Rediger"} << 2 << "1100";
    QTest::newRow("samme tekst i to strukturer")
        << QStringList{"Programmet/Dagbog", "Egen/Dagbog"} << QStringList{"Programmet", "Egen"}
        << QStringList{"Dagbog", "Dagbog"} << 1 << "1100";
}

void TstInfovindue::historik() {
    QFETCH(QStringList, besoeg);
    QFETCH(QStringList, strukturer);
    QFETCH(QStringList, sider);
    QFETCH(int, index);
    QFETCH(QString, navigering);
    lavStruktur(QStringLiteral("Egen"), {{"Dagbog.html", "<html><title>Egen</title></html>"}});
    start();
    QCOMPARE(TstInfovindue::navigering(), QStringLiteral("0000"));
    for (const QString &b : besoeg) {
        const QStringList del = b.split(u'/');
        infoform->HelpInfo(del[0], del[1]);
        const QString side =
            TStruktur::sideNavn(infoform->Struktur->valgtElement()) + QStringLiteral(".html");
        QTRY_COMPARE(infoform->Web->LocationName(), side);
        QTRY_COMPARE(infoform->hjemmeside, infoform->Struktur->Infomappe() + side);
    }
    QCOMPARE(raekker(urlform1->strukturliste), strukturer);
    QCOMPARE(raekker(urlform1->urlListe), sider);
    QCOMPARE(infoform->urlIndex, index);
    QCOMPARE(urlform1->urlListe->currentRow(), index);
    QCOMPARE(urlform1->strukturliste->currentRow(), index);
    QCOMPARE(TstInfovindue::navigering(), navigering);

    // Walking the history to its other end shows each entry and records nothing new.
    QAction *skridt = index == 0 ? infoform->Aforward : infoform->Aback;
    for (int i = 1; i < sider.size(); ++i) {
        skridt->trigger();
        const int forventet = index == 0 ? i : index - i;
        QCOMPARE(infoform->urlIndex, forventet);
        QTRY_COMPARE(infoform->Struktur->valgtElement()->text(0), sider[forventet]);
        QTRY_COMPARE(infoform->naviKlikket, false);
        QCOMPARE(infoform->windowTitle(), strukturer[forventet]);
        QCOMPARE(urlform1->urlListe->currentRow(), forventet);
    }
    QCOMPARE(raekker(urlform1->urlListe), sider);
    // A new page after the walk is recorded again.
    vis(QStringLiteral("Programmet"), QStringLiteral("Helligdage"),
        QStringLiteral("Helligdage.html"));
    QCOMPARE(urlform1->urlListe->count(), sider.size() + 1);
    QCOMPARE(infoform->urlIndex, sider.size());
}

void TstInfovindue::urlboks() {
    start();
    for (const char *e : {"Strukturen", "Kontrol", "Rediger"})
        vis(QStringLiteral("Programmet"), QString::fromUtf8(e), QString::fromUtf8(e) + ".html");
    infoform->urlListeKnap->click();
    QVERIFY(QTest::qWaitForWindowExposed(urlform1));
    // A click in one list selects the same row in the other.
    urlform1->strukturliste->setCurrentRow(1);
    QCOMPARE(urlform1->urlListe->currentRow(), 1);
    // A double-click on the third row shows that entry and selects it in both lists.
    infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Kontrol"));
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("Kontrol.html"));
    QCOMPARE(infoform->urlIndex, 1);
    QListWidget *liste = urlform1->strukturliste;
    const QPoint tredje = liste->visualItemRect(liste->item(2)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, tredje);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, tredje);
    QCOMPARE(infoform->urlIndex, 2);
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("Rediger.html"));
    QCOMPARE(infoform->Struktur->valgtElement()->text(0), QStringLiteral("Rediger"));
    QCOMPARE(urlform1->urlListe->currentRow(), 2);
    QCOMPARE(urlform1->urlListe->count(), 3);

    QPushButton *slet = urlform1->findChild<QPushButton *>(QStringLiteral("sletKnap"));
    QVERIFY(slet->isEnabled());
    slet->click();
    QCOMPARE(urlform1->urlListe->count(), 0);
    QCOMPARE(urlform1->strukturliste->count(), 0);
    QCOMPARE(infoform->urlIndex, -1);
    QCOMPARE(navigering(), QStringLiteral("0000"));
    QVERIFY(!slet->isEnabled());
    // The next page starts a new history.
    vis(QStringLiteral("Programmet"), QStringLiteral("Egenskaber"),
        QStringLiteral("Egenskaber.html"));
    QCOMPARE(raekker(urlform1->urlListe), QStringList{QStringLiteral("Egenskaber")});
    QCOMPARE(infoform->urlIndex, 0);

    // Closing writes the box's size.
    urlform1->resize(500, 400);
    urlform1->findChild<QPushButton *>(QStringLiteral("lukKnap"))->click();
    QVERIFY(!urlform1->isVisible());
    QCOMPARE(laesBytes(egenskaber() + QStringLiteral("urlboks1.txt")),
             QByteArray("500\r\n400\r\n"));
}

void TstInfovindue::soegning_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QStringList>("fund");
    QTest::newRow("helt ord, to filer") << "kanelsnegl" << QStringList{"Anden", "noter"};
    QTest::newRow("store bogstaver") << "KANELSNEGL" << QStringList{"Anden", "noter"};
    QTest::newRow("kun del af ord") << "snegl" << QStringList{};
    QTest::newRow("længere ord") << "kanelsnegle" << QStringList{"Dagbog"};
    QTest::newRow("markup søges med") << "title" << QStringList{"Anden", "Dagbog"};
}

void TstInfovindue::soegning() {
    QFETCH(QString, ord);
    QFETCH(QStringList, fund);
    lavStruktur(QStringLiteral("Egen"),
                {{"Dagbog.html", "<html><title>D</title>Kanelsnegle</html>"},
                 {"Anden.html", "<html><title>A</title>en kanelsnegl.</html>"},
                 {"noter.txt", "KANELSNEGL"}});
    QDir().mkpath(strukturmappe(QStringLiteral("Egen/tekstfiler/undermappe")));
    skrivBytes(strukturmappe(QStringLiteral("Egen/tekstfiler/undermappe/x.html")), "kanelsnegl");
    start();
    infoform->HelpInfo(QStringLiteral("Egen"), QStringLiteral("Anden"));
    // The topic stands in the search field; what is typed on the search page replaces it.
    QCOMPARE(infoform->EditFind->text(), QStringLiteral("Anden"));
    infoform->infoBog->setCurrentIndex(1);
    QTest::keyClicks(infoform->EditFind, ord);
    QCOMPARE(infoform->EditFind->text(), ord);
    QVERIFY(infoform->aSearch->isEnabled());
    QTest::keyClick(infoform->EditFind, Qt::Key_Return);
    QStringList fundet = raekker(infoform->Findis);
    fundet.sort();
    QCOMPARE(fundet, fund);
    if (fund.isEmpty()) return;
    // A click on a hit shows its page.
    QListWidget *liste = infoform->Findis;
    const int r = raekker(liste).indexOf(fund.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(r)).center());
    QTRY_COMPARE(infoform->Web->LocationName(), fund.first() + QStringLiteral(".html"));
}

void TstInfovindue::optioner_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QRect>("geometri");
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("udfold");
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QByteArray>("gemt");
    QTest::newRow("mangler") << QByteArray() << QRect(61, 64, 819, 930) << 250 << false << ""
                             << QByteArray("64\r\n61\r\n819\r\n930\r\n250\r\n0\r\n\r\n");
    QTest::newRow("hel") << QByteArray("10\r\n20\r\n900\r\n700\r\n300\r\n1\r\nProgrammet\r\n")
                         << QRect(20, 10, 900, 700) << 300 << true << "Programmet"
                         << QByteArray("10\r\n20\r\n900\r\n700\r\n300\r\n1\r\nProgrammet\r\n");
    QTest::newRow("fejl i linje 3")
        << QByteArray("10\r\n20\r\nbred\r\n700\r\n300\r\n1\r\nProgrammet\r\n")
        << QRect(20, 10, 819, 930) << 250 << false << ""
        << QByteArray("10\r\n20\r\n819\r\n930\r\n250\r\n0\r\n\r\n");
    QTest::newRow("smalt panel og lille vindue")
        << QByteArray("10\r\n20\r\n500\r\n300\r\n100\r\n0\r\nIngen\r\n") << QRect(20, 10, 818, 600)
        << 250 << false << "Ingen" << QByteArray("10\r\n20\r\n818\r\n600\r\n250\r\n0\r\nIngen\r\n");
}

void TstInfovindue::optioner() {
    QFETCH(QByteArray, fil);
    QFETCH(QRect, geometri);
    QFETCH(int, panel);
    QFETCH(bool, udfold);
    QFETCH(QString, struktur);
    QFETCH(QByteArray, gemt);
    const QString sti = egenskaber() + QStringLiteral("infoform.txt");
    if (!fil.isEmpty()) {
        QDir().mkpath(egenskaber());
        skrivBytes(sti, fil);
    }
    start();
    QCOMPARE(infoform->geometry(), geometri);
    QCOMPARE(infoform->panelBredde, panel);
    QCOMPARE(infoform->autoUdfold, udfold);
    QCOMPARE(infoform->strukturnavn, struktur);
    // The structure of line 7 is ready at start.
    QCOMPARE(infoform->newNavn, struktur);
    QCOMPARE(infoform->Struktur->antal() > 0, struktur == QStringLiteral("Programmet"));
    infoform->gemOpt();
    QCOMPARE(laesBytes(sti), gemt);
}

void TstInfovindue::adressefelt() {
    start();
    vis(QStringLiteral("Programmet"), QStringLiteral("Dagbog"), QStringLiteral("Dagbog.html"));
    infoform->Edit->clear();
    QVERIFY(!infoform->Ago->isEnabled());
    QTest::keyClicks(infoform->Edit, QStringLiteral("Søgning.html"));
    QVERIFY(infoform->Ago->isEnabled());
    QTest::keyClick(infoform->Edit, Qt::Key_Return);
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("Søgning.html"));
    QTRY_COMPARE(infoform->Struktur->valgtElement()->text(0), QStringLiteral("Søgning"));
    QCOMPARE(infoform->urlIndex, 1);

    // Without the extension it is no file of the page folder: a web search.
    infoform->Edit->setText(QStringLiteral("Helligdage C#&x"));
    infoform->Ago->trigger();
    QTRY_COMPARE(
        QUrlQuery(infoform->Web->url()).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
        QStringLiteral("Helligdage C#&x"));
    QCOMPARE(infoform->Web->url().host(), QStringLiteral("www.google.com"));
}

void TstInfovindue::strukturmenu() {
    lavStruktur(QStringLiteral("Egen"), {{"Dagbog.html", "<html><title>E</title></html>"}});
    skrivBytes(strukturmappe(QStringLiteral("fil.txt")), "ikke en struktur");
    start();
    QCOMPARE(raekker(strukturform->strukturboks).size(), 5);
    infoform->show();
    QStringList navne;
    for (const QAction *a : infoform->strukturPU->actions())
        navne << a->data().toString();
    navne.sort();
    QCOMPARE(navne, (QStringList{"CSS", "Egen", "Html5", "JavaScript", "Programmet"}));
    for (QAction *a : infoform->strukturPU->actions())
        if (a->data() == QStringLiteral("Egen")) a->trigger();
    QCOMPARE(infoform->windowTitle(), QStringLiteral("Egen"));
    QTRY_COMPARE(infoform->Web->LocationName(), QStringLiteral("Dagbog.html"));
    infoform->smKnap->click();
    QVERIFY(strukturform->isVisible());

    // Without structures the menu says so and does nothing.
    for (const char *s : {"Egen", "Programmet", "Html5", "CSS", "JavaScript"})
        QDir(strukturmappe(QLatin1String(s))).removeRecursively();
    strukturform->LoadStrukturBoks();
    infoform->createStrukturPU();
    QCOMPARE(infoform->strukturPU->actions().size(), 1);
    QCOMPARE(infoform->strukturPU->actions().first()->text(), QStringLiteral("Ingen strukturer"));
    infoform->strukturPU->actions().first()->trigger();
    QCOMPARE(infoform->windowTitle(), QStringLiteral("Egen"));
}

void TstInfovindue::musOverLink_data() {
    QTest::addColumn<QStringList>("element"); // tag, href, parent tag, parent href
    QTest::addColumn<QString>("url");
    const QString web = QStringLiteral("@Kontrol.html"); // @: the page folder's address
    QTest::newRow("link") << QStringList{"A", web, "P", ""} << web;
    QTest::newRow("billede i link") << QStringList{"IMG", "", "A", web} << web;
    QTest::newRow("billede uden link") << QStringList{"IMG", "", "DIV", ""} << "";
    QTest::newRow("tekst i link") << QStringList{"SPAN", "", "A", web} << "";
    QTest::newRow("tomt href") << QStringList{"A", "", "BODY", ""} << "";
    QTest::newRow("ugyldigt href") << QStringList{"A", "ikke en adresse", "BODY", ""} << "";
}

void TstInfovindue::musOverLink() {
    QFETCH(QStringList, element);
    QFETCH(QString, url);
    start();
    vis(QStringLiteral("Programmet"), QStringLiteral("Dagbog"), QStringLiteral("Dagbog.html"));
    const QString mappe = QUrl::fromLocalFile(infoform->Struktur->Infomappe()).toString();
    for (QString *t : {&element[1], &element[3], &url})
        t->replace(u'@', mappe);
    // A link rested on before: the next element replaces it.
    emit infoform->Web->MusOver(QStringLiteral("A"), QStringLiteral("https://example.org/før"),
                                QStringLiteral("P"), QString());
    QCOMPARE(infoform->globalUrl, QStringLiteral("https://example.org/før"));
    emit infoform->Web->MusOver(element[0], element[1], element[2], element[3]);
    QCOMPARE(infoform->globalUrl, url);
    QCOMPARE(infoform->infobar->currentMessage(), url);
    // A page's new window opens here when the mouse is on a link.
    if (url.isEmpty()) return;
    bool haandteret = false;
    emit infoform->Web->NytVindue(QUrl(QStringLiteral("about:blank")), &haandteret);
    QVERIFY(haandteret);
    QTRY_COMPARE(infoform->Web->url().toString(), url);
}

void TstInfovindue::musOverPaaSiden() {
    lavStruktur(QStringLiteral("Egen"),
                {{"Dagbog.html", "<html><title>D</title><body><a href=\"Anden.html\">"
                                 "<img id=\"b\" alt=\"billede\"></a><p id=\"t\">tekst</p>"
                                 "</body></html>"}});
    start();
    vis(QStringLiteral("Egen"), QString(), QStringLiteral("Dagbog.html"));
    const QString maal =
        QUrl::fromLocalFile(infoform->Struktur->Infomappe() + QStringLiteral("Anden.html"))
            .toString();
    const auto musOver = [](const char *id) {
        infoform->Web->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').dispatchEvent("
                           "new MouseEvent('mouseover', {bubbles: true}))")
                .arg(QLatin1StringView(id)));
    };
    // The page's bridge connects a moment after the document is ready.
    QDeadlineTimer frist(15000);
    while (infoform->globalUrl.isEmpty() && !frist.hasExpired()) {
        musOver("b");
        QTest::qWait(100);
    }
    QCOMPARE(QUrl(infoform->globalUrl).toString(), maal);
    QCOMPARE(QUrl(infoform->infobar->currentMessage()).toString(), maal);
    musOver("t");
    QTRY_VERIFY(infoform->globalUrl.isEmpty());
    QCOMPARE(infoform->infobar->currentMessage(), QString());
}

void TstInfovindue::startfejlTekster_data() {
    QTest::addColumn<QList<int>>("koder");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0") << QList<int>{0}
                       << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
    QTest::newRow("2") << QList<int>{2} << "Den specificerede fil blev ikke fundet.";
    QTest::newRow("3") << QList<int>{3} << "Stien blev ikke fundet.";
    QTest::newRow("5") << QList<int>{5} << "Operationssystemet forbød adgang til filen.";
    QTest::newRow("8") << QList<int>{8}
                       << "Der var ikke hukommelse nok til at fuldføre operationen.";
    QTest::newRow("11") << QList<int>{11}
                        << "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).";
    QTest::newRow("26") << QList<int>{26} << "Der opstod en \"sharing violation\".";
    QTest::newRow("27") << QList<int>{27} << "Filnavnsassociatonen er ukomplet eller invalid";
    QTest::newRow("28") << QList<int>{28}
                        << "\"DDE transaction\" kunne ikke udføres fordi \"the request timed "
                           "out\".";
    QTest::newRow("29") << QList<int>{29} << "\"DDE transaction\" mislykkedes.";
    QTest::newRow("30") << QList<int>{30}
                        << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                           "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.";
    QTest::newRow("31") << QList<int>{31}
                        << "Der er ikke associeret noget program til givne filefternavn.";
    QTest::newRow("32") << QList<int>{32}
                        << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
    QList<int> oevrige{-1, 1, 4, 6, 7, 9, 10, 33};
    for (int k = 12; k <= 25; ++k)
        oevrige << k;
    QTest::newRow("alle andre") << oevrige << "Meningsløs operation eller ukendt fejl.";
}

void TstInfovindue::startfejlTekster() {
    QFETCH(QList<int>, koder);
    QFETCH(QString, tekst);
    for (int kode : koder)
        QCOMPARE(Tinfoform::fejlTekst(kode), tekst);
}

void TstInfovindue::redigerKnap() {
    // A stand-in editor that writes down its arguments, one per line.
    const QString editor = rod->rod() + QStringLiteral("/editor");
    const QString uddata = rod->rod() + QStringLiteral("/args.txt");
    skrivBytes(editor, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.tmp\"\n"
                       "mv \"$0.tmp\" \"$(dirname \"$0\")/args.txt\"\n");
    QFile(editor).setPermissions(QFile::permissions(editor) | QFile::ExeOwner);
    start();
    QCOMPARE(infoform->tbRediger->isEnabled(), !infoform->htmlProgram.isEmpty());
    infoform->htmlProgram = editor;
    infoform->tbRediger->setEnabled(true);
    vis(QStringLiteral("Programmet"), QStringLiteral("Html koder"),
        QStringLiteral("Html koder.html"));
    infoform->tbRediger->click();
    QTRY_VERIFY(QFile::exists(uddata));
    QCOMPARE(QString::fromUtf8(laesBytes(uddata)),
             QStringLiteral("1\n") + infoform->hjemmeside + u'\n');
    QVERIFY(Dialoger::Test::vist().isEmpty());

    // A page that is no file: nothing happens.
    infoform->hjemmeside = infoform->Mappe + QStringLiteral("/findes ikke.html");
    infoform->tbRediger->click();
    QVERIFY(Dialoger::Test::vist().isEmpty());

    // An editor that has gone since the start is explained.
    QFile::remove(editor);
    infoform->runFilname(infoform->Mappe + QStringLiteral("/Dagbog.html"));
    QCOMPARE(Dialoger::Test::vist(), QStringList{QStringLiteral("Fejlinformation")});
}

void TstInfovindue::autoUdfold_data() {
    QTest::addColumn<bool>("til");
    QTest::addColumn<QString>("fra");
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QString>("udfoldet"); // the unfolded elements afterwards
    QTest::newRow("søskende") << true << "A"
                              << "B"
                              << "Rod B";
    QTest::newRow("ned i grenen") << true << "B"
                                  << "B1"
                                  << "Rod B B1";
    QTest::newRow("fra barnebarn til anden gren") << true << "A1"
                                                  << "B"
                                                  << "Rod B";
    QTest::newRow("slået fra") << false << "A"
                               << "B"
                               << "Rod A";
}

void TstInfovindue::autoUdfold() {
    QFETCH(bool, til);
    QFETCH(QString, fra);
    QFETCH(QString, mod);
    QFETCH(QString, udfoldet);
    const QString d = strukturmappe(QStringLiteral("Gren"));
    QDir().mkpath(d + QStringLiteral("/tekstfiler"));
    skrivBytes(d + QStringLiteral("/struktur.txt"), "Rod\r\n\tA\r\n\t\tA1\r\n\tB\r\n\t\tB1\r\n");
    skrivBytes(d + QStringLiteral("/data.txt"), "0Rod\r\n1A\r\n2A1\r\n3B\r\n4B1\r\n");
    start();
    infoform->strukturnavn = QStringLiteral("Gren");
    infoform->LoadStruktur();
    TStruktur *t = infoform->Struktur;
    auto element = [t](const QString &tekst) {
        for (QTreeWidgetItem *e : t->elementer())
            if (e->text(0) == tekst) return e;
        return static_cast<QTreeWidgetItem *>(nullptr);
    };
    t->collapseAll();
    for (QTreeWidgetItem *e = element(fra); e; e = e->parent())
        e->setExpanded(true);
    t->setCurrentItem(element(fra));
    infoform->autoUdfold = til;
    t->setCurrentItem(element(mod));
    QStringList aabne;
    for (QTreeWidgetItem *e : t->elementer())
        if (e->isExpanded()) aabne << e->text(0);
    QCOMPARE(aabne.join(u' '), udfoldet);
}

void TstInfovindue::urlboksOptionsfejl_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QSize>("stoerrelse");
    QTest::addColumn<QString>("fejl"); // the last line of the message, or none
    QTest::newRow("i orden") << QByteArray("500\r\n400\r\n") << QSize(500, 400) << "";
    QTest::newRow("ikke et tal") << QByteArray("500\r\nabc\r\n") << QSize(500, 374)
                                 << "Linje 2: \"abc\" er ikke et tal.";
    QTest::newRow("tom fil") << QByteArray() << QSize(459, 374) << "Linje 1 mangler eller er tom.";
}

void TstInfovindue::urlboksOptionsfejl() {
    QFETCH(QByteArray, fil);
    QFETCH(QSize, stoerrelse);
    QFETCH(QString, fejl);
    const QString sti = egenskaber() + QStringLiteral("urlboks1.txt");
    QDir().mkpath(egenskaber());
    skrivBytes(sti, fil);
    Dialoger::Test::vist().clear();
    start();
    QCOMPARE(urlform1->size(), stoerrelse);
    const QStringList vist = Dialoger::Test::vist().filter(QStringLiteral("Urlboksens"));
    if (fejl.isEmpty()) {
        QVERIFY(vist.isEmpty());
        return;
    }
    QCOMPARE(vist, QStringList{QStringLiteral("Urlboksens indstillinger kunne ikke læses fra\n") +
                               QDir::toNativeSeparators(sti) + u'\n' + fejl});
}

DAGBOG_GUI_TEST_MAIN(TstInfovindue)
#include "tst_infovindue.moc"
