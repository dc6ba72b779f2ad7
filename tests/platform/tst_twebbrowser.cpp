#include "platform/tekstfil.h"
#include "platform/twebbrowser.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QtTest>
#include <memory>

// Pages are written the way the program writes them: Windows-1252, CR LF.
static void skrivSide(const QString &sti, const QStringList &linjer) {
    QDir().mkpath(QFileInfo(sti).absolutePath());
    Tekstfil::skriv(sti, linjer);
}

static QStringList dagside(const QString &titel, const QString &tekst) {
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html><head>"),
            QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; "
                           "charset=windows-1252\">"),
            QStringLiteral("<title>%1</title>").arg(titel),
            QStringLiteral("<link rel=\"stylesheet\" href=\"..\\..\\design.css\">"),
            QStringLiteral("<script src=\"..\\..\\funktioner.js\"></script>"),
            QStringLiteral("</head><body>"),
            QStringLiteral("<h1 id=\"o\">%1</h1>").arg(titel),
            QStringLiteral("<p id=\"t\">%1</p>").arg(tekst),
            QStringLiteral("</body></html>")};
}

class TstTWebBrowser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dagsideMedDesignOgAnsi_data();
    void dagsideMedDesignOgAnsi();
    void sammeSideIgenVisesSomGemt_data();
    void sammeSideIgenVisesSomGemt();
    void titelSkiftNavngiverDenViste();
    void musOver_data();
    void musOver();
    void nytVindueIsammeVisning_data();
    void nytVindueIsammeVisning();
    void tilUrl_data();
    void tilUrl();
    void gyldigUrl_data();
    void gyldigUrl();
    void sidenLavesFoersteGangDenBruges_data();
    void sidenLavesFoersteGangDenBruges();
    void kontekstmenuPaaDansk();

private:
    bool naviger(const QString &sti);
    QVariant js(const QString &kode);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TWebBrowser> m_bro;
    QString m_mappe; // the year's page folder, spaces and Danish letters in its path
    QString m_side;  // a day page in it
};

void TstTWebBrowser::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_mappe = m_dir->path() + QStringLiteral("/Strukturæøå/Dagbog 2024/tekstfiler");
    m_side = m_mappe + QStringLiteral("/03 05 Tirsdag.html");
    skrivSide(m_dir->path() + QStringLiteral("/Strukturæøå/design.css"),
              {QStringLiteral("h1 { color: rgb(1, 2, 3); }")});
    skrivSide(m_dir->path() + QStringLiteral("/Strukturæøå/funktioner.js"),
              {QStringLiteral("var funktionerIndlaest = 'ja';")});
    skrivSide(m_side, dagside(QStringLiteral("Tirsdag – æøå ÆØÅ"), QStringLiteral("Første tekst")));
    m_bro = std::make_unique<TWebBrowser>();
    m_bro->resize(400, 300);
    m_bro->show();
}

void TstTWebBrowser::cleanup() {
    m_bro.reset();
    m_dir.reset();
}

bool TstTWebBrowser::naviger(const QString &sti) {
    QSignalSpy faerdig(m_bro.get(), &TWebBrowser::DokumentFaerdig);
    m_bro->Navigate(sti);
    return faerdig.wait(15000) && faerdig.first().first().toBool();
}

QVariant TstTWebBrowser::js(const QString &kode) {
    // Shared, so a late answer after a timeout writes into live memory.
    auto svar = std::make_shared<std::pair<bool, QVariant>>();
    m_bro->page()->runJavaScript(kode, [svar](const QVariant &v) { *svar = {true, v}; });
    if (!QTest::qWaitFor([svar] { return svar->first; }, 15000))
        return QStringLiteral("(intet svar)");
    return svar->second;
}

void TstTWebBrowser::dagsideMedDesignOgAnsi_data() {
    QTest::addColumn<bool>("omvendtSkraastreg");
    QTest::newRow("skråstreg") << false;
    QTest::newRow("omvendt skråstreg") << true;
}

void TstTWebBrowser::dagsideMedDesignOgAnsi() {
    QFETCH(bool, omvendtSkraastreg);
    QVERIFY(!m_bro->HarDokument());
    QString sti = m_side;
    if (omvendtSkraastreg) sti.replace(u'/', u'\\');
    QVERIFY(naviger(sti));
    QVERIFY(m_bro->HarDokument());
    QCOMPARE(m_bro->title(), QStringLiteral("Tirsdag – æøå ÆØÅ"));
    QCOMPARE(js(QStringLiteral("document.getElementById('t').innerText")).toString(),
             QStringLiteral("Første tekst"));
    QCOMPARE(js(QStringLiteral("getComputedStyle(document.getElementById('o')).color")).toString(),
             QStringLiteral("rgb(1, 2, 3)"));
    QCOMPARE(js(QStringLiteral("typeof funktionerIndlaest == 'undefined' ? '' : "
                               "funktionerIndlaest"))
                 .toString(),
             QStringLiteral("ja"));
    QCOMPARE(m_bro->LocationName(), QStringLiteral("03 05 Tirsdag.html"));
    QCOMPARE(m_bro->LocationURL(), QUrl::fromLocalFile(m_side).toString());
    QCOMPARE(m_mappe + u'/' + m_bro->LocationName(), m_side);
}

void TstTWebBrowser::sammeSideIgenVisesSomGemt_data() {
    QTest::addColumn<QString>("anker");
    QTest::newRow("hele siden") << "";
    QTest::newRow("med anker") << "#t";
}

void TstTWebBrowser::sammeSideIgenVisesSomGemt() {
    QFETCH(QString, anker);
    const QString adresse = QUrl::fromLocalFile(m_side).toString() + anker;
    QVERIFY(naviger(adresse));
    skrivSide(m_side, dagside(QStringLiteral("Tirsdag – æøå ÆØÅ"), QStringLiteral("Anden tekst")));
    skrivSide(m_dir->path() + QStringLiteral("/Strukturæøå/design.css"),
              {QStringLiteral("h1 { color: rgb(4, 5, 6); }")});
    QVERIFY(naviger(adresse));
    QCOMPARE(js(QStringLiteral("document.body.innerText")).toString().trimmed(),
             QStringLiteral("Tirsdag – æøå ÆØÅ\n\nAnden tekst"));
    QCOMPARE(js(QStringLiteral("getComputedStyle(document.getElementById('o')).color")).toString(),
             QStringLiteral("rgb(4, 5, 6)"));
}

void TstTWebBrowser::titelSkiftNavngiverDenViste() {
    const QString anden = m_mappe + QStringLiteral("/03 06 Onsdag.html");
    skrivSide(anden, dagside(QStringLiteral("Onsdag"), QStringLiteral("x")));
    // Until its title is parsed the engine may report a page by its address.
    QStringList titler, navne; // as they were when reported
    connect(m_bro.get(), &TWebBrowser::TitelSkift, this, [&](const QString &titel) {
        titler << titel;
        navne << m_bro->LocationName();
    });

    QVERIFY(naviger(m_side));
    QVERIFY(naviger(anden));
    QVERIFY(titler.contains(QStringLiteral("Tirsdag – æøå ÆØÅ")));
    QCOMPARE(titler.last(), QStringLiteral("Onsdag"));
    navne.removeDuplicates();
    QCOMPARE(navne, QStringList({QStringLiteral("03 05 Tirsdag.html"),
                                 QStringLiteral("03 06 Onsdag.html")}));
    // The same page again, title unchanged, must still be reported.
    QSignalSpy titel(m_bro.get(), &TWebBrowser::TitelSkift);
    QVERIFY(naviger(anden));
    QVERIFY(titel.count() >= 1);
}

void TstTWebBrowser::musOver_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("foraelderTag");
    QTest::addColumn<QString>("foraelderHref");
    // "@" stands for the page's folder.
    QTest::newRow("link") << "l"
                          << "A"
                          << "@/andet side.html"
                          << "P"
                          << "";
    QTest::newRow("billede i link") << "i"
                                    << "IMG"
                                    << ""
                                    << "A"
                                    << "http://example.com/x";
    QTest::newRow("link med tom href") << "tom"
                                       << "A"
                                       << ""
                                       << "DIV"
                                       << "";
    QTest::newRow("tekst") << "s"
                           << "SPAN"
                           << ""
                           << "DIV"
                           << "";
    QTest::newRow("link til side ovenover") << "op"
                                            << "A"
                                            << "@/../../design.css"
                                            << "DIV"
                                            << "";
}

void TstTWebBrowser::musOver() {
    QFETCH(QString, id);
    QFETCH(QString, tag);
    QFETCH(QString, href);
    QFETCH(QString, foraelderTag);
    QFETCH(QString, foraelderHref);
    skrivSide(m_side,
              {QStringLiteral("<html><body>"),
               QStringLiteral("<p>tekst <a id=\"l\" href=\"andet side.html\">link</a></p>"),
               QStringLiteral("<div><a href=\"http://example.com/x\"><img id=\"i\" alt=\"b\"></a>"),
               QStringLiteral("<a id=\"tom\" href=\"\">tom</a> <span id=\"s\">x</span>"),
               QStringLiteral("<a id=\"op\" href=\"..\\..\\design.css\">op</a></div>"),
               QStringLiteral("</body></html>")});
    // Relative targets come back resolved against the page, as a click would go.
    const QString mappeUrl = QUrl::fromLocalFile(m_mappe).toString(QUrl::FullyEncoded);
    const auto loes = [&](const QString &h) {
        return h.startsWith(u'@') ? QUrl(mappeUrl + h.mid(1))
                                        .adjusted(QUrl::NormalizePathSegments)
                                        .toString(QUrl::FullyEncoded)
                                  : h;
    };
    QVERIFY(naviger(m_side));
    QSignalSpy mus(m_bro.get(), &TWebBrowser::MusOver);
    // The bridge connects a moment after the document is ready.
    QDeadlineTimer frist(15000);
    do {
        js(QStringLiteral("document.getElementById('%1').dispatchEvent(new MouseEvent('mouseover', "
                          "{bubbles: true}))")
               .arg(id));
        if (mus.isEmpty()) mus.wait(200);
    } while (mus.isEmpty() && !frist.hasExpired());
    QVERIFY(!mus.isEmpty());
    const QList<QVariant> a = mus.last();
    QCOMPARE(a.at(0).toString(), tag);
    QCOMPARE(QUrl(a.at(1).toString()).toString(QUrl::FullyEncoded), loes(href));
    QCOMPARE(a.at(2).toString(), foraelderTag);
    QCOMPARE(a.at(3).toString(), foraelderHref);
}

void TstTWebBrowser::nytVindueIsammeVisning_data() {
    QTest::addColumn<bool>("handlerViserSelv");
    QTest::newRow("standard: samme visning følger linket") << false;
    QTest::newRow("handleren viser sin egen side") << true;
}

void TstTWebBrowser::nytVindueIsammeVisning() {
    QFETCH(bool, handlerViserSelv);
    const QString maal = m_mappe + QStringLiteral("/mål side.html");
    const QString egen = m_mappe + QStringLiteral("/egen.html");
    skrivSide(maal,
              {QStringLiteral("<html><head><title>Mål</title></head><body>mål</body></html>")});
    skrivSide(egen,
              {QStringLiteral("<html><head><title>Egen</title></head><body>egen</body></html>")});
    skrivSide(m_side,
              {QStringLiteral("<html><body>"),
               QStringLiteral("<a id=\"ny\" href=\"mål side.html\" target=\"_blank\">ny</a>"),
               QStringLiteral("</body></html>")});

    QSignalSpy foer(m_bro.get(), &TWebBrowser::FoerNavigation);
    QVERIFY(naviger(m_side));
    QCOMPARE(foer.count(), 1);
    QCOMPARE(foer.first().first().toUrl(), QUrl::fromLocalFile(m_side));

    QList<QUrl> oensket;
    connect(m_bro.get(), &TWebBrowser::NytVindue, this, [&](const QUrl &adresse, bool *h) {
        oensket << adresse;
        if (handlerViserSelv) {
            *h = true;
            m_bro->Navigate(egen);
        }
    });
    QSignalSpy faerdig(m_bro.get(), &TWebBrowser::DokumentFaerdig);
    js(QStringLiteral("document.getElementById('ny').click()"));
    QTRY_VERIFY_WITH_TIMEOUT(faerdig.count() >= 1, 15000);

    QCOMPARE(oensket, QList<QUrl>{QUrl::fromLocalFile(maal)});
    const QString vist = handlerViserSelv ? egen : maal;
    QCOMPARE(m_bro->url(), QUrl::fromLocalFile(vist));
    QCOMPARE(m_bro->LocationName(), QFileInfo(vist).fileName());
    QCOMPARE(foer.last().first().toUrl(), QUrl::fromLocalFile(vist));
}

void TstTWebBrowser::tilUrl_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QUrl>("url");
    const QUrl fil = QUrl::fromLocalFile(QStringLiteral("/tmp/a b/æø.html"));
    QTest::newRow("sti") << "/tmp/a b/æø.html" << fil;
    QTest::newRow("sti med omvendt skråstreg") << "\\tmp\\a b\\æø.html" << fil;
    QTest::newRow("sti med ..") << "/tmp/a b/c/../æø.html" << fil;
    QTest::newRow("sti med blanke omkring") << "  /tmp/a b/æø.html " << fil;
    QTest::newRow("file-adresse") << "file:///tmp/a%20b/x.html"
                                  << QUrl::fromLocalFile(QStringLiteral("/tmp/a b/x.html"));
    // A search typed in the address field goes on unencoded.
    QTest::newRow("søgning") << "https://www.example.com/search?q=blå bog"
                             << QUrl(QStringLiteral(
                                    "https://www.example.com/search?q=bl%C3%A5%20bog"));
    QTest::newRow("tom") << "" << QUrl();
}

void TstTWebBrowser::tilUrl() {
    QFETCH(QString, tekst);
    QFETCH(QUrl, url);
    QCOMPARE(TWebBrowser::TilUrl(tekst), url);
}

void TstTWebBrowser::gyldigUrl_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("gyldig");
    const QString fil = QCoreApplication::applicationFilePath();
    QTest::newRow("tom") << "" << false;
    QTest::newRow("http") << "http://www.example.com/" << true;
    QTest::newRow("https med forespørgsel") << "https://example.com/a?b=c#d" << true;
    QTest::newRow("ftp") << "ftp://ftp.example.com/fil.txt" << true;
    QTest::newRow("mailto") << "mailto:navn@example.com" << true;
    QTest::newRow("file") << "file:///tmp/side.html" << true;
    QTest::newRow("store bogstaver i skema") << "HTTP://EXAMPLE.COM" << true;
    QTest::newRow("http uden vært") << "http://" << false;
    QTest::newRow("mailto uden modtager") << "mailto:" << false;
    QTest::newRow("relativ side") << "andet.html" << false;
    QTest::newRow("relativ med mapper") << "../andet/side.html" << false;
    QTest::newRow("vært uden skema") << "www.example.com" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("mellemrum i vært") << "http://exa mple.com/" << false;
    QTest::newRow("ukendt skema") << "foo://bar/baz" << false;
    QTest::newRow("eksisterende sti") << fil << true;
    QTest::newRow("eksisterende sti med omvendt skråstreg")
        << QString(fil).replace(u'/', u'\\') << true;
    QTest::newRow("manglende sti") << fil + QStringLiteral(".mangler") << false;
    QTest::newRow("relativt filnavn") << QFileInfo(fil).fileName() << false;
}

void TstTWebBrowser::gyldigUrl() {
    QFETCH(QString, tekst);
    QFETCH(bool, gyldig);
    QCOMPARE(TWebBrowser::GyldigUrl(tekst), gyldig);
}

void TstTWebBrowser::sidenLavesFoersteGangDenBruges_data() {
    QTest::addColumn<int>("brug");
    QTest::newRow("vist") << 0;
    QTest::newRow("adresse") << 1;
    QTest::newRow("titel") << 2;
    QTest::newRow("side") << 3;
    QTest::newRow("naviger") << 4;
}

void TstTWebBrowser::sidenLavesFoersteGangDenBruges() {
    QFETCH(int, brug);
    // A view in a window not shown yet has no page, so it starts no engine.
    TWebBrowser b;
    QVERIFY(!b.findChild<QWebChannel *>());
    switch (brug) {
    case 0:
        b.show();
        break;
    case 1:
        QVERIFY(b.url().isEmpty());
        break;
    case 2:
        QVERIFY(b.title().isEmpty());
        break;
    case 3:
        QVERIFY(b.page());
        break;
    case 4:
        b.Navigate(m_side);
        break;
    }
    // Whichever came first, the page is ours, with its settings and the mouse bridge.
    QVERIFY(b.findChild<QWebChannel *>());
    const QWebEnginePage *side = static_cast<QWebEngineView &>(b).page();
    QCOMPARE(side->settings()->defaultTextEncoding(), QStringLiteral("windows-1252"));
    QVERIFY(side->settings()->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
    QCOMPARE(side->webChannel(), b.findChild<QWebChannel *>());
}

void TstTWebBrowser::kontekstmenuPaaDansk() {
    const QString anden = m_mappe + QStringLiteral("/03 06 Onsdag.html");
    skrivSide(anden, dagside(QStringLiteral("Onsdag"), QStringLiteral("Anden side")));
    QVERIFY(naviger(m_side));
    QVERIFY(naviger(anden));
    QMenu *m = m_bro->kontekstmenu();
    QStringList tekster, slaaetTil;
    for (QAction *a : m->actions()) {
        tekster << a->text();
        if (a->isEnabled() && !a->isSeparator()) slaaetTil << a->text();
    }
    QCOMPARE(tekster, (QStringList{"Tilbage", "Frem", "Genindlæs", "", "Kopiér", "Markér alt"}));
    // Nothing is selected to copy, and there is no page ahead.
    QCOMPARE(slaaetTil, (QStringList{"Tilbage", "Genindlæs", "Markér alt"}));
    QSignalSpy faerdig(m_bro.get(), &TWebBrowser::DokumentFaerdig);
    m->actions().constFirst()->trigger();
    QVERIFY(faerdig.wait(15000));
    QCOMPARE(m_bro->url(), QUrl::fromLocalFile(m_side));
}

// The engine wants shared GL contexts set before the application exists.
int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TstTWebBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_twebbrowser.moc"
