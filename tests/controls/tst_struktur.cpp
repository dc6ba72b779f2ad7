#include "controls/struktur.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

// One temporary root for the whole run; copying the program folder per case is slow.
TestRod *rod = nullptr;

// A fresh structure folder in the temporary root with the tree pointed at it.
struct Mappe {
    QString sti;
    TStruktur s;

    explicit Mappe(bool dataOn = true) {
        static int nr = 0;
        sti = rod->sti(QStringLiteral("Bruger/Struktur/%1/Dagbog 2024/").arg(++nr));
        QDir().mkpath(sti + QStringLiteral("tekstfiler"));
        s.setStrukturfile(sti + QStringLiteral("struktur.txt"));
        s.setDatafile(sti + QStringLiteral("data.txt"));
        s.setInfomappe(sti + QStringLiteral("tekstfiler/"));
        s.setDataOn(dataOn);
    }
    QString trae() const { return sti + QStringLiteral("struktur.txt"); }
    QString data() const { return sti + QStringLiteral("data.txt"); }
    QString side(const QString &navn) const {
        return sti + QStringLiteral("tekstfiler/") + navn + QStringLiteral(".html");
    }
    // Writes both files (data only when given) and loads them.
    void hent(const QByteArray &traeBytes, const QByteArray &dataBytes = {}) {
        skrivBytes(trae(), traeBytes);
        if (!dataBytes.isNull()) skrivBytes(data(), dataBytes);
        QVERIFY(s.HentStruktur());
    }
    QTreeWidgetItem *element(const QString &tekst) const {
        const auto fundne = s.findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive);
        return fundne.isEmpty() ? nullptr : fundne.first();
    }
    void vaelg(const QString &tekst) {
        if (tekst.isEmpty()) {
            s.setCurrentItem(nullptr);
            s.clearSelection();
        } else {
            s.setCurrentItem(element(tekst));
        }
    }
    QString valgt() const {
        const QTreeWidgetItem *e = s.valgtElement();
        return e ? e->text(0) : QString();
    }
};

// "a(b(c),d),e": texts with children in parentheses, siblings split by commas.
QString beskriv(const QTreeWidgetItem *forael) {
    QStringList dele;
    for (int i = 0; i < forael->childCount(); ++i) {
        const QTreeWidgetItem *e = forael->child(i);
        dele.append(e->childCount() ? e->text(0) + u'(' + beskriv(e) + u')' : e->text(0));
    }
    return dele.join(u',');
}
QString beskriv(const TStruktur &s) {
    return beskriv(s.invisibleRootItem());
}

const QByteArray dagbogTrae = "Dagbog 2024\r\n\t03 Marts\r\n\t\t03 05 Tirsdag\r\n";
const QByteArray dagbogData = "0Dagbog 2024\r\n103 Marts\r\n603 05 Tirsdag\r\n";

} // namespace

class TstStruktur : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { rod = new TestRod; }
    void cleanupTestCase() { delete rod; }
    void nyKontrol();
    void rundtur();
    void kodning_data();
    void kodning();
    void aldrigLaestSkrivesAnsi();
    void niveauer_data();
    void niveauer();
    void niveauFejl_data();
    void niveauFejl();
    void manglendeTraefil();
    void forKortDatafil();
    void genopbygDatafil();
    void tomTraeUdenDatafil();
    void datalinje_data();
    void datalinje();
    void dataOffGemmesSomNul();
    void gemUdenSti_data();
    void gemUdenSti();
    void findSide_data();
    void findSide();
    void setSelectedAlleredeValgt();
    void valgtPosition();
    void sletNode();
    void fileDeleteRB_data();
    void fileDeleteRB();
    void nyNode_data();
    void nyNode();
    void nyNodeSorterOgGem();
    void redigerNode();
    void musDown();
    void musUp_data();
    void musUp();
    void alphaSort_data();
    void alphaSort();
    void alphaSortKunTop();
    void skadedeFiler_data();
    void skadedeFiler();
    void delvisStrukturAendresIkke_data();
    void delvisStrukturAendresIkke();
    void ulaeseligTraefilRyddesFoerst();
    void sidenavnUdenforMappenSlettesIkke_data();
    void sidenavnUdenforMappenSlettesIkke();
};

void TstStruktur::nyKontrol() {
    TStruktur s;
    QVERIFY(s.Strukturfile().isEmpty() && s.Datafile().isEmpty() && s.Infomappe().isEmpty());
    QVERIFY(!s.DataOn());
    QVERIFY(!s.Modified());
    QCOMPARE(s.Flytmode(), naAdd);
    QVERIFY(s.isHeaderHidden());
    QCOMPARE(s.columnCount(), 1);
    QCOMPARE(s.getTheSelectedIndex(), -1);
}

void TstStruktur::rundtur() {
    Mappe m;
    m.s.NyNode(QStringLiteral("Dagbog 2024"), QStringLiteral("Dagbog 2024"), 0, false, false);
    m.s.setFlytmode(naAddChild);
    m.vaelg(QStringLiteral("Dagbog 2024"));
    m.s.NyNode(QStringLiteral("03 Marts"), QStringLiteral("03 Marts"), 1, false, false);
    m.vaelg(QStringLiteral("03 Marts"));
    m.s.NyNode(QStringLiteral("03 05 Tirsdag"), QStringLiteral("03 05 Tirsdag"), 6, false, true);
    QVERIFY(!m.s.Modified());
    QCOMPARE(laesBytes(m.trae()), dagbogTrae);
    QCOMPARE(laesBytes(m.data()), dagbogData);

    // Another control reading the same files sees the same tree.
    TStruktur igen;
    igen.setStrukturfile(m.trae());
    igen.setDatafile(m.data());
    igen.setDataOn(true);
    QVERIFY(igen.HentStruktur());
    QCOMPARE(beskriv(igen), QStringLiteral("Dagbog 2024(03 Marts(03 05 Tirsdag))"));
    const QStringList data{"0Dagbog 2024", "103 Marts", "603 05 Tirsdag"};
    const QList<int> ikoner{0, 1, 6};
    for (int i = 0; i < 3; ++i) {
        const QTreeWidgetItem *e = igen.elementVed(i);
        QCOMPARE(TStruktur::dataStreng(e), data[i]);
        QCOMPARE(TStruktur::ikonArt(e), ikoner[i]);
        QVERIFY(!e->icon(0).isNull());
    }
    QVERIFY(!igen.Modified());
    QVERIFY(igen.GemStruktur());
    QCOMPARE(laesBytes(m.trae()), dagbogTrae);
    QCOMPARE(laesBytes(m.data()), dagbogData);
}

void TstStruktur::kodning_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<int>("kodning");
    QTest::newRow("ansi") << QByteArray("\xC6"
                                        "ble\r\n\t\xD8l\r\n")
                          << int(Tekstfil::Kodning::Ansi);
    QTest::newRow("utf8") << QByteArray("\xEF\xBB\xBF\xC3\x86"
                                        "ble\r\n\t\xC3\x98l\r\n")
                          << int(Tekstfil::Kodning::Utf8);
    QTest::newRow("utf16le") << QByteArray("\xFF\xFE\xC6\0b\0l\0e\0\r\0\n\0\t\0\xD8\0l\0\r\0\n\0",
                                           24)
                             << int(Tekstfil::Kodning::Utf16LE);
    QTest::newRow("utf16be") << QByteArray("\xFE\xFF\0\xC6\0b\0l\0e\0\r\0\n\0\t\0\xD8\0l\0\r\0\n",
                                           24)
                             << int(Tekstfil::Kodning::Utf16BE);
}

void TstStruktur::kodning() {
    QFETCH(QByteArray, fil);
    QFETCH(int, kodning);
    Mappe m(false);
    m.hent(fil);
    QCOMPARE(beskriv(m.s), QStringLiteral("Æble(Øl)"));
    QCOMPARE(int(m.s.kodning()), kodning);
    m.s.setModified(true);
    QVERIFY(m.s.GemStruktur());
    QCOMPARE(laesBytes(m.trae()), fil);
}

void TstStruktur::aldrigLaestSkrivesAnsi() {
    Mappe m(false);
    QVERIFY(!m.s.HentStruktur()); // no tree file yet
    m.s.NyNode(QStringLiteral("Ål €"), {}, 0, false, true);
    QCOMPARE(laesBytes(m.trae()), QByteArray("\xC5l \x80\r\n"));
    QVERIFY(!QFile::exists(m.data())); // data off: no data file
}

void TstStruktur::niveauer_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QString>("trae");
    QTest::newRow("tab") << QByteArray("a\r\n\tb\r\n\t\tc\r\n\td\r\ne\r\n")
                         << QStringLiteral("a(b(c),d),e");
    QTest::newRow("blanke") << QByteArray("a\n b\n  c\n b2\n") << QStringLiteral("a(b(c),b2)");
    QTest::newRow("blank og tab") << QByteArray("a\n\tb\n\t c\n") << QStringLiteral("a(b(c))");
    QTest::newRow("kun CR") << QByteArray("a\r\tb\rc") << QStringLiteral("a(b),c");
    QTest::newRow("flere niveauer op")
        << QByteArray("a\n\tb\n\t\tc\n\t\t\td\ne\n") << QStringLiteral("a(b(c(d))),e");
    QTest::newRow("indrykket foerste linje")
        << QByteArray("\t\ta\n\t\t\tb\n\t\tc\n") << QStringLiteral("a(b),c");
    QTest::newRow("mindre end foerste linje")
        << QByteArray("\ta\nb\n\tc\n") << QStringLiteral("a,b(c)");
    QTest::newRow("blank inde i tekst")
        << QByteArray("a b\n\tc  d \n") << QStringLiteral("a b(c  d )");
    QTest::newRow("tom fil") << QByteArray("") << QString();
}

void TstStruktur::niveauer() {
    QFETCH(QByteArray, fil);
    QFETCH(QString, trae);
    Mappe m(false);
    m.s.setModified(true);
    m.hent(fil);
    QCOMPARE(beskriv(m.s), trae);
    QVERIFY(!m.s.Modified());
}

void TstStruktur::niveauFejl_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QString>("besked");
    QTest::addColumn<QString>("laest");
    QTest::newRow("to niveauer") << QByteArray("a\n\t\tb\n")
                                 << QStringLiteral("Invalid level (2) for item \"b\"")
                                 << QStringLiteral("a");
    QTest::newRow("senere linje") << QByteArray("a\n\tb\nc\n\t\t\t\tc d\n")
                                  << QStringLiteral("Invalid level (4) for item \"c d\"")
                                  << QStringLiteral("a(b),c");
    QTest::newRow("tab og blank") << QByteArray("a\n\t x\n")
                                  << QStringLiteral("Invalid level (2) for item \"x\"")
                                  << QStringLiteral("a");
}

void TstStruktur::niveauFejl() {
    QFETCH(QByteArray, fil);
    QFETCH(QString, besked);
    QFETCH(QString, laest);
    Mappe m;
    skrivBytes(m.trae(), fil);
    skrivBytes(m.data(), "0a\r\n0b\r\n0c\r\n");
    try {
        m.s.HentStruktur();
        QFAIL("no error");
    } catch (const Tekstfil::FilFejl &fejl) {
        QCOMPARE(fejl.besked(), besked);
    }
    QCOMPARE(beskriv(m.s), laest);
    // Saving the truncated tree would destroy both files.
    QVERIFY(m.s.ufuldstaendig());
    QVERIFY(!m.s.GemStruktur());
    QCOMPARE(laesBytes(m.trae()), fil);
    QCOMPARE(laesBytes(m.data()), QByteArray("0a\r\n0b\r\n0c\r\n"));

    // Emptying the tree on purpose starts over and may be saved.
    m.s.ryd();
    m.s.NyNode(QStringLiteral("ny"), QStringLiteral("ny"), 0, false, true);
    QCOMPARE(laesBytes(m.trae()), QByteArray("ny\r\n"));
}

void TstStruktur::manglendeTraefil() {
    Mappe m;
    m.hent(dagbogTrae, dagbogData);
    QFile::remove(m.trae());
    QVERIFY(!m.s.HentStruktur());
    QCOMPARE(m.s.antal(), 0);
}

void TstStruktur::forKortDatafil() {
    Mappe m;
    skrivBytes(m.trae(), "a\n\tb\n\tc\nd\n");
    skrivBytes(m.data(), "1a\r\n2b\r\n");
    try {
        m.s.HentStruktur();
        QFAIL("no error");
    } catch (const StrukturFejl &fejl) {
        QCOMPARE(fejl.besked(), QStringLiteral("List index out of bounds (2)"));
    }
    QCOMPARE(beskriv(m.s), QStringLiteral("a(b,c),d"));
    QCOMPARE(TStruktur::dataStreng(m.s.elementVed(0)), QStringLiteral("1a"));
    QCOMPARE(TStruktur::ikonArt(m.s.elementVed(1)), 2);
    QVERIFY(!TStruktur::harData(m.s.elementVed(2)));
    QVERIFY(!TStruktur::harData(m.s.elementVed(3)));
    // The tree is whole, so saving fills the missing lines instead of losing any.
    QVERIFY(m.s.GemStruktur());
    QCOMPARE(laesBytes(m.data()), QByteArray("1a\r\n2b\r\n0\r\n0\r\n"));
}

void TstStruktur::genopbygDatafil() {
    Mappe m;
    m.hent("Dagbog 2024\r\n\t03 Marts\r\n");
    QCOMPARE(laesBytes(m.data()), QByteArray("0Dagbog 2024\r\n003 Marts\r\n"));
    QCOMPARE(TStruktur::sideNavn(m.s.elementVed(1)), QStringLiteral("03 Marts"));
    QCOMPARE(TStruktur::ikonArt(m.s.elementVed(1)), 0);
}

void TstStruktur::tomTraeUdenDatafil() {
    Mappe m;
    m.hent("");
    QCOMPARE(m.s.antal(), 0);
    QVERIFY(!QFile::exists(m.data()));
}

void TstStruktur::datalinje_data() {
    QTest::addColumn<QByteArray>("linje");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("ikon");
    QTest::addColumn<QString>("side");
    QTest::newRow("normal") << QByteArray("603 05 Tirsdag") << QStringLiteral("603 05 Tirsdag") << 6
                            << QStringLiteral("03 05 Tirsdag");
    QTest::newRow("kun ciffer") << QByteArray("9") << QStringLiteral("9") << 9 << QString();
    QTest::newRow("uden ciffer") << QByteArray("Marts") << QStringLiteral("0Marts") << 0
                                 << QStringLiteral("Marts");
    QTest::newRow("tom") << QByteArray("") << QStringLiteral("0") << 0 << QString();
    QTest::newRow("utf8") << QByteArray("\xEF\xBB\xBF"
                                        "3\xC3\x85r")
                          << QStringLiteral("3År") << 3 << QStringLiteral("År");
}

void TstStruktur::datalinje() {
    QFETCH(QByteArray, linje);
    QFETCH(QString, data);
    QFETCH(int, ikon);
    QFETCH(QString, side);
    Mappe m;
    m.hent("a\r\n", linje + "\r\nekstra linje\r\n");
    const QTreeWidgetItem *e = m.s.elementVed(0);
    QCOMPARE(TStruktur::dataStreng(e), data);
    QCOMPARE(TStruktur::ikonArt(e), ikon);
    QCOMPARE(TStruktur::sideNavn(e), side);
}

void TstStruktur::dataOffGemmesSomNul() {
    Mappe m;
    m.hent("a\r\n", "5a\r\n");
    m.s.setDataOn(false);
    m.s.NyNode(QStringLiteral("b"), QStringLiteral("ignoreret"), 4, false, false);
    const QTreeWidgetItem *b = m.element(QStringLiteral("b"));
    QVERIFY(!TStruktur::harData(b));
    QCOMPARE(TStruktur::ikonArt(b), -1);
    QVERIFY(b->icon(0).isNull());
    m.s.setDataOn(true);
    QVERIFY(m.s.GemStruktur());
    QCOMPARE(laesBytes(m.data()), QByteArray("5a\r\n0\r\n"));
    QCOMPARE(laesBytes(m.trae()), QByteArray("a\r\nb\r\n"));
}

void TstStruktur::gemUdenSti_data() {
    QTest::addColumn<bool>("dataOn");
    QTest::addColumn<bool>("udenTrae");
    QTest::addColumn<bool>("udenData");
    QTest::addColumn<bool>("gemt");
    QTest::newRow("data on, ingen datafil") << true << false << true << false;
    QTest::newRow("ingen traefil") << true << true << false << false;
    QTest::newRow("data off, ingen datafil") << false << false << true << true;
}

void TstStruktur::gemUdenSti() {
    QFETCH(bool, dataOn);
    QFETCH(bool, udenTrae);
    QFETCH(bool, udenData);
    QFETCH(bool, gemt);
    Mappe m(dataOn);
    m.s.NyNode(QStringLiteral("a"), QStringLiteral("a"), 0, false, false);
    if (udenTrae) m.s.setStrukturfile({});
    if (udenData) m.s.setDatafile({});
    QCOMPARE(m.s.GemStruktur(), gemt);
    QCOMPARE(m.s.Modified(), !gemt);
    QCOMPARE(QFile::exists(m.trae()), gemt);
    QVERIFY(!QFile::exists(m.data()));
}

void TstStruktur::findSide_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("position");
    QTest::newRow("windows sti") << QStringLiteral("C:\\somewhere\\03 05 Tirsdag.html")
                                 << QStringLiteral("Tirsdag") << 2;
    QTest::newRow("unix sti") << QStringLiteral("/et/andet/sted/03 05 Tirsdag.html")
                              << QStringLiteral("Tirsdag") << 2;
    QTest::newRow("blot navn") << QStringLiteral("03 Marts") << QStringLiteral("Marts") << 1;
    QTest::newRow("anden endelse")
        << QStringLiteral("x/Dagbog 2024.htm") << QStringLiteral("Aaret") << 0;
    QTest::newRow("andet bogstav")
        << QStringLiteral("C:\\somewhere\\03 05 tirsdag.html") << QString() << -1;
    QTest::newRow("ukendt") << QStringLiteral("04 April") << QString() << -1;
}

void TstStruktur::findSide() {
    QFETCH(QString, url);
    QFETCH(QString, tekst);
    QFETCH(int, position);
    Mappe m;
    // Element texts differ from page names, so a hit on the text would show.
    m.hent("Aaret\r\n\tMarts\r\n\t\tTirsdag\r\n\tTirsdag\r\n",
           "0Dagbog 2024\r\n103 Marts\r\n603 05 Tirsdag\r\n6andet\r\n");
    QCOMPARE(m.s.getNodeTekst(url), tekst);
    if (!tekst.isEmpty()) {
        QCOMPARE(m.valgt(), tekst);
        QCOMPARE(m.s.getTheSelectedIndex(), position);
        QCOMPARE(m.s.SelectedData(), TStruktur::sideNavn(m.s.valgtElement()));
    } else {
        QVERIFY(!m.s.valgtElement());
    }
    m.vaelg({});
    QCOMPARE(m.s.setSelected(url), !tekst.isEmpty());
    QCOMPARE(m.valgt(), tekst);

    m.vaelg({});
    m.s.setDataOn(false);
    QCOMPARE(m.s.getNodeTekst(url), QString());
    QVERIFY(!m.s.setSelected(url));
    QVERIFY(!m.s.valgtElement());
}

void TstStruktur::setSelectedAlleredeValgt() {
    Mappe m;
    m.hent(dagbogTrae, dagbogData);
    QVERIFY(m.s.setSelected(QStringLiteral("03 Marts")));
    QSignalSpy spy(&m.s, &QTreeWidget::currentItemChanged);
    QVERIFY(!m.s.setSelected(QStringLiteral("C:\\x\\tekstfiler\\03 Marts.html")));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m.valgt(), QStringLiteral("03 Marts"));
    QCOMPARE(m.s.getNodeTekst(QStringLiteral("03 Marts")), QStringLiteral("03 Marts"));
    QCOMPARE(spy.count(), 0);

    // Selecting an element inside a folded branch unfolds it.
    m.s.collapseAll();
    QVERIFY(m.s.setSelected(QStringLiteral("03 05 Tirsdag")));
    QVERIFY(m.element(QStringLiteral("03 Marts"))->isExpanded());
    QVERIFY(m.element(QStringLiteral("Dagbog 2024"))->isExpanded());
}

void TstStruktur::valgtPosition() {
    Mappe m;
    QVERIFY(!m.s.HentStruktur());
    QCOMPARE(m.s.getTheSelectedIndex(), -1);
    m.hent("a\r\n\tb\r\n\t\tc\r\nd\r\n\te\r\n");
    QVERIFY(!m.s.valgtElement());
    QCOMPARE(m.s.getTheSelectedIndex(), 4);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(m.s.vaelgVed(i));
        QCOMPARE(m.s.getTheSelectedIndex(), i);
        QCOMPARE(m.s.tekstVed(i), QString(QChar(u'a' + i)));
    }
    QVERIFY(!m.s.vaelgVed(5));
    QCOMPARE(m.s.antal(), 5);
}

void TstStruktur::sletNode() {
    Mappe m;
    m.hent("Aar\r\n\tMaaned\r\n\t\tDag1\r\n\t\t\tNote\r\n\t\tDag2\r\n\tAnden\r\n",
           "0aar\r\n1maaned\r\n6dag1\r\n6note\r\n6dag2\r\n1anden\r\n");
    for (const char *navn : {"aar", "maaned", "dag1", "note", "dag2", "anden"})
        skrivBytes(m.side(QLatin1String(navn)), navn);
    const QByteArray traeFoer = laesBytes(m.trae());
    m.vaelg(QStringLiteral("Maaned"));
    m.s.SletNode();
    QCOMPARE(beskriv(m.s), QStringLiteral("Aar(Anden)"));
    QVERIFY(m.s.Modified());
    QCOMPARE(laesBytes(m.trae()), traeFoer); // the caller saves
    for (const char *navn : {"maaned", "dag1", "dag2"}) {
        QVERIFY2(!QFile::exists(m.side(QLatin1String(navn))), navn);
        QCOMPARE(laesBytes(rod->trash() + u'/' + QLatin1String(navn) + ".html"), QByteArray(navn));
    }
    for (const char *navn : {"aar", "note", "anden"})
        QVERIFY2(QFile::exists(m.side(QLatin1String(navn))), navn);
}

void TstStruktur::fileDeleteRB_data() {
    QTest::addColumn<QString>("xdg"); // the user's data folder, under the root
    QTest::addColumn<bool>("flyttet");
    QTest::newRow("papirkurven findes") << "xdg" << true;
    QTest::newRow("datamappen mangler") << "ny/xdg" << true;
    QTest::newRow("en fil i vejen") << "fil/xdg" << false;
}

// The page goes to the user's trash or stays where it is; nothing strays into
// the working folder, and a page that cannot go keeps its element.
void TstStruktur::fileDeleteRB() {
    QFETCH(QString, xdg);
    QFETCH(bool, flyttet);
    Mappe m;
    m.hent("Aar\r\n\tDag\r\n", "0aar\r\n6dag\r\n");
    skrivBytes(rod->sti(QStringLiteral("fil")), "i vejen");
    const QString arbejde = rod->sti(QStringLiteral("arbejde/") + QTest::currentDataTag());
    QDir().mkpath(arbejde);
    const QString foer = QDir::currentPath();
    QDir::setCurrent(arbejde);
    qputenv("XDG_DATA_HOME", rod->sti(xdg).toUtf8());
    QVERIFY(!TStruktur::FileDeleteRB(m.side(QStringLiteral("findes ikke"))));
    skrivBytes(m.side(QStringLiteral("dag")), "indhold");
    m.vaelg(QStringLiteral("Dag"));
    bool fejl = false;
    try {
        m.s.SletNode();
    } catch (const Tekstfil::FilFejl &f) {
        fejl = f.besked().startsWith(QStringLiteral("Siden \"") +
                                     QDir::toNativeSeparators(m.side(QStringLiteral("dag"))) +
                                     QStringLiteral("\" kunne ikke lægges i papirkurven"));
    }
    QDir::setCurrent(foer);
    qputenv("XDG_DATA_HOME", rod->sti(QStringLiteral("xdg")).toUtf8());
    QCOMPARE(fejl, !flyttet);
    QCOMPARE(beskriv(m.s), flyttet ? QStringLiteral("Aar") : QStringLiteral("Aar(Dag)"));
    QCOMPARE(laesBytes(m.side(QStringLiteral("dag"))), flyttet ? QByteArray() : "indhold");
    if (flyttet)
        QCOMPARE(laesBytes(rod->sti(xdg + QStringLiteral("/Trash/files/dag.html"))), "indhold");
    QCOMPARE(QDir(arbejde).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void TstStruktur::nyNode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<QString>("trae");
    QTest::newRow("add") << int(naAdd) << "a"
                         << "R(a,b(b1),x)";
    QTest::newRow("add first") << int(naAddFirst) << "b1"
                               << "R(a,b(x,b1))";
    QTest::newRow("add child") << int(naAddChild) << "a"
                               << "R(a(x),b(b1))";
    QTest::newRow("add child first") << int(naAddChildFirst) << "b"
                                     << "R(a,b(x,b1))";
    QTest::newRow("add child last") << int(naAddChild) << "b"
                                    << "R(a,b(b1,x))";
    QTest::newRow("insert") << int(naInsert) << "b"
                            << "R(a,x,b(b1))";
    QTest::newRow("intet valgt: add") << int(naAdd) << ""
                                      << "R(a,b(b1)),x";
    QTest::newRow("intet valgt: insert") << int(naInsert) << ""
                                         << "x,R(a,b(b1))";
    QTest::newRow("intet valgt: child") << int(naAddChild) << ""
                                        << "R(a,b(b1),x)";
}

void TstStruktur::nyNode() {
    QFETCH(int, mode);
    QFETCH(QString, valgt);
    QFETCH(QString, trae);
    Mappe m;
    m.hent("R\r\n\ta\r\n\tb\r\n\t\tb1\r\n", "0R\r\n1a\r\n1b\r\n6b1\r\n");
    m.vaelg(valgt);
    m.s.setFlytmode(TNodeAttachMode(mode));
    m.s.NyNode(QStringLiteral("x"), QStringLiteral("side x"), 3, false, false);
    QCOMPARE(beskriv(m.s), trae);
    QCOMPARE(m.valgt(), valgt); // the new element is not selected
    QVERIFY(m.s.Modified());
    const QTreeWidgetItem *x = m.element(QStringLiteral("x"));
    QCOMPARE(TStruktur::dataStreng(x), QStringLiteral("3side x"));
    QCOMPARE(TStruktur::ikonArt(x), 3);

    m.s.NyNode(QString(), QStringLiteral("tom"), 1, false, true);
    QCOMPARE(beskriv(m.s), trae);
}

void TstStruktur::nyNodeSorterOgGem() {
    Mappe m;
    QVERIFY(!m.s.HentStruktur());
    m.s.NyNode(QStringLiteral("Dagbog 2024"), QStringLiteral("Dagbog 2024"), 0, false, true);
    QVERIFY(!m.s.valgtElement()); // first element, still not selected
    QVERIFY(!m.s.Modified());
    QCOMPARE(laesBytes(m.trae()), QByteArray("Dagbog 2024\r\n"));
    QCOMPARE(laesBytes(m.data()), QByteArray("0Dagbog 2024\r\n"));

    m.s.setFlytmode(naAddChild);
    m.vaelg(QStringLiteral("Dagbog 2024"));
    m.s.NyNode(QStringLiteral("03 Marts"), QStringLiteral("03 Marts"), 1, false, true);
    m.s.NyNode(QStringLiteral("02 Februar"), QStringLiteral("02 Februar"), 1, true, true);
    QVERIFY(m.s.Modified()); // sorting wins over saving
    QCOMPARE(beskriv(m.s), QStringLiteral("Dagbog 2024(02 Februar,03 Marts)"));
    QCOMPARE(laesBytes(m.data()), QByteArray("0Dagbog 2024\r\n103 Marts\r\n"));
    QVERIFY(m.s.GemStruktur());
    QCOMPARE(laesBytes(m.data()), QByteArray("0Dagbog 2024\r\n102 Februar\r\n103 Marts\r\n"));
}

void TstStruktur::redigerNode() {
    Mappe m;
    m.hent("a\r\nb\r\n", "0a\r\n0b\r\n");
    m.s.RedigerNode(QStringLiteral("ny"), QStringLiteral("ny"), 2, false, true);
    QCOMPARE(beskriv(m.s), QStringLiteral("a,b")); // nothing selected
    QVERIFY(!m.s.Modified());

    m.vaelg(QStringLiteral("b"));
    m.s.RedigerNode(QString(), QStringLiteral("x"), 2, false, true);
    QCOMPARE(TStruktur::dataStreng(m.element(QStringLiteral("b"))), QStringLiteral("0b"));

    m.s.RedigerNode(QStringLiteral("B2"), QStringLiteral("side b"), 5, false, false);
    QCOMPARE(beskriv(m.s), QStringLiteral("a,B2"));
    QCOMPARE(m.s.SelectedData(), QStringLiteral("side b"));
    QCOMPARE(TStruktur::ikonArt(m.s.valgtElement()), 5);
    QVERIFY(m.s.Modified());
    QCOMPARE(laesBytes(m.data()), QByteArray("0a\r\n0b\r\n"));
    // The data file keeps one digit, so the icon kind stays within 0..9.
    for (const auto &[ind, ud] : {std::pair{9, "9s"}, {12, "9s"}, {-1, "0s"}}) {
        m.s.RedigerNode(QStringLiteral("B2"), QStringLiteral("s"), ind, false, false);
        QCOMPARE(TStruktur::dataStreng(m.s.valgtElement()), QLatin1String(ud));
    }
    m.s.RedigerNode(QStringLiteral("0b"), QStringLiteral("side b"), 5, true, false);
    QCOMPARE(beskriv(m.s), QStringLiteral("0b,a"));
    QCOMPARE(m.valgt(), QStringLiteral("0b"));
}

void TstStruktur::musDown() {
    Mappe m;
    m.hent("R\r\n\ta\r\n");
    m.s.expandAll();
    m.s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m.s));
    const QPoint rod = m.s.visualItemRect(m.element(QStringLiteral("R"))).center();
    const QPoint a = m.s.visualItemRect(m.element(QStringLiteral("a"))).center();

    m.s.MusDown(rod.x(), rod.y());
    QVERIFY(!m.s.musFlytter());
    QCOMPARE(m.s.viewport()->cursor().shape(), Qt::ArrowCursor);
    m.s.MusDown(a.x(), a.y());
    QVERIFY(m.s.musFlytter());
    QCOMPARE(m.s.viewport()->cursor().shape(), Qt::PointingHandCursor);
    m.s.MusDown(a.x(), a.y()); // cancels
    QVERIFY(!m.s.musFlytter());
    QCOMPARE(m.s.viewport()->cursor().shape(), Qt::ArrowCursor);
    m.s.MusUp(rod.x(), rod.y(), false);
    QCOMPARE(beskriv(m.s), QStringLiteral("R(a)"));
    QVERIFY(!m.s.Modified());
}

void TstStruktur::musUp_data() {
    QTest::addColumn<QString>("fra");
    QTest::addColumn<QString>("til");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("somGrundnode");
    QTest::addColumn<QString>("trae");
    QTest::addColumn<bool>("modified");
    QTest::newRow("add") << "a"
                         << "b1" << int(naAdd) << false << "R(b(b1,a),c)" << true;
    QTest::newRow("add first") << "a"
                               << "b1" << int(naAddFirst) << false << "R(b(a,b1),c)" << true;
    QTest::newRow("add child") << "a"
                               << "b1" << int(naAddChild) << false << "R(b(b1(a)),c)" << true;
    QTest::newRow("add child first")
        << "c"
        << "b" << int(naAddChildFirst) << false << "R(a,b(c,b1))" << true;
    QTest::newRow("insert") << "a"
                            << "c" << int(naInsert) << false << "R(b(b1),a,c)" << true;
    QTest::newRow("med undertrae") << "b"
                                   << "c" << int(naAddChild) << false << "R(a,c(b(b1)))" << true;
    QTest::newRow("som grundnode") << "b1"
                                   << "c" << int(naAddChild) << true << "b1,R(a,b,c)" << true;
    QTest::newRow("i eget undertrae") << "b"
                                      << "b1" << int(naAddChild) << false << "R(a,b(b1),c)" << true;
    QTest::newRow("paa sig selv") << "b"
                                  << "b" << int(naAdd) << false << "R(a,b(b1),c)" << false;
    QTest::newRow("udenfor") << "b"
                             << "" << int(naAdd) << false << "R(a,b(b1),c)" << false;
}

void TstStruktur::musUp() {
    QFETCH(QString, fra);
    QFETCH(QString, til);
    QFETCH(int, mode);
    QFETCH(bool, somGrundnode);
    QFETCH(QString, trae);
    QFETCH(bool, modified);
    Mappe m;
    m.hent("R\r\n\ta\r\n\tb\r\n\t\tb1\r\n\tc\r\n", "0R\r\n1a\r\n1b\r\n1b1\r\n1c\r\n");
    m.s.resize(300, 400);
    m.s.expandAll();
    m.s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m.s));
    m.vaelg(QStringLiteral("c"));
    m.s.setFlytmode(TNodeAttachMode(mode));
    const QPoint ned = m.s.visualItemRect(m.element(fra)).center();
    const QPoint op = til.isEmpty() ? QPoint(5, m.s.viewport()->height() - 5)
                                    : m.s.visualItemRect(m.element(til)).center();
    QVERIFY(!m.s.itemAt(op) == til.isEmpty());

    m.s.MusDown(ned.x(), ned.y());
    QVERIFY(m.s.musFlytter());
    m.s.MusUp(op.x(), op.y(), somGrundnode);
    QVERIFY(!m.s.musFlytter());
    QCOMPARE(m.s.viewport()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(beskriv(m.s), trae);
    QCOMPARE(m.s.Modified(), modified);
    QCOMPARE(m.valgt(), QStringLiteral("c"));
    // The moved element keeps its data string.
    QCOMPARE(TStruktur::sideNavn(m.element(fra)), fra);
}

void TstStruktur::alphaSort_data() {
    QTest::addColumn<QStringList>("tekster");
    QTest::addColumn<QStringList>("sorteret");
    QTest::newRow("dage") << QStringList{"03 10 Søndag", "03 01 Fredag", "03 05 Tirsdag"}
                          << QStringList{"03 01 Fredag", "03 05 Tirsdag", "03 10 Søndag"};
    QTest::newRow("dansk") << QStringList{"Ål", "Aarhus", "Ørred", "Æble", "Zebra", "abe"}
                           << QStringList{"abe", "Zebra", "Æble", "Ørred", "Ål", "Aarhus"};
    QTest::newRow("store og smaa")
        << QStringList{"b", "B", "a", "A"} << QStringList{"A", "a", "B", "b"};
}

void TstStruktur::alphaSort() {
    QFETCH(QStringList, tekster);
    QFETCH(QStringList, sorteret);
    Mappe m;
    m.hent("Dagbog\r\n\tMaaned\r\n");
    m.s.setFlytmode(naAddChild);
    m.vaelg(QStringLiteral("Maaned"));
    for (const QString &t : tekster)
        m.s.NyNode(t, t, 6, false, false);
    m.s.expandAll();
    m.vaelg(tekster.first());
    m.s.AlphaSort(true);
    QCOMPARE(beskriv(m.s), QStringLiteral("Dagbog(Maaned(%1))").arg(sorteret.join(u',')));
    QCOMPARE(m.valgt(), tekster.first());
    QVERIFY(m.element(QStringLiteral("Maaned"))->isExpanded());
}

void TstStruktur::alphaSortKunTop() {
    Mappe m(false);
    m.hent("c\r\n\tz\r\n\ty\r\nb\r\na\r\n");
    m.s.AlphaSort(false);
    QCOMPARE(beskriv(m.s), QStringLiteral("a,b,c(z,y)"));
    m.s.AlphaSort(true);
    QCOMPARE(beskriv(m.s), QStringLiteral("a,b,c(y,z)"));
}

template <qsizetype N> QByteArray bytes(const char (&s)[N]) {
    return QByteArray(s, N - 1);
}

void TstStruktur::skadedeFiler_data() {
    QTest::addColumn<QByteArray>("trae");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("laest"); // null: whatever the bytes give
    const QByteArray data3 = "0a\r\n0b\r\n0c\r\n";
    QTest::newRow("utf-32le bom") << bytes("\xFF\xFE\0\0a\0\0\0") << data3 << QString();
    QTest::newRow("utf-32be bom") << bytes("\0\0\xFE\xFF\x61") << data3 << QString();
    QTest::newRow("bom alene") << bytes("\xEF\xBB\xBF") << data3 << QString();
    QTest::newRow("halv utf-16") << bytes("\xFF\xFE\x61") << data3 << QString();
    QTest::newRow("binært skrald")
        << bytes("\x01\x02\0\xFF\x9D\r\r\n\x7F\x81") << data3 << QString();
    QTest::newRow("datafil længere")
        << bytes("a\r\n") << bytes("1a\r\n2b\r\n3c\r\n") << QStringLiteral("a");
    QTest::newRow("datafil binær")
        << bytes("a\r\n") << bytes("\xFE\xFF\0\0\x01") << QStringLiteral("a");
}

// Garbage never takes down the reader nor changes a byte on disk, and what
// was read saves and reads back the same.
void TstStruktur::skadedeFiler() {
    QFETCH(QByteArray, trae);
    QFETCH(QByteArray, data);
    QFETCH(QString, laest);
    Mappe m;
    skrivBytes(m.trae(), trae);
    skrivBytes(m.data(), data);
    QVERIFY(m.s.HentStruktur());
    QVERIFY(!m.s.ufuldstaendig());
    if (!laest.isNull()) QCOMPARE(beskriv(m.s), laest);
    QCOMPARE(laesBytes(m.trae()), trae);
    QCOMPARE(laesBytes(m.data()), data);
    const QString foer = beskriv(m.s);
    QVERIFY(m.s.GemStruktur());
    QVERIFY(m.s.HentStruktur());
    QCOMPARE(beskriv(m.s), foer);
}

void TstStruktur::delvisStrukturAendresIkke_data() {
    QTest::addColumn<QString>("handling");
    for (const char *h : {"ny", "rediger", "slet", "sorter"})
        QTest::newRow(h) << QString::fromLatin1(h);
}

// Each change of a partly loaded tree is refused before anything changes.
void TstStruktur::delvisStrukturAendresIkke() {
    QFETCH(QString, handling);
    Mappe m;
    const QByteArray trae = "b\r\n\ta\r\n\t\t\tc\r\n", data = "0b\r\n0a\r\n0c\r\n";
    skrivBytes(m.trae(), trae);
    skrivBytes(m.data(), data);
    skrivBytes(m.side(QStringLiteral("a")), "side");
    QVERIFY_THROWS_EXCEPTION(StrukturFejl, m.s.HentStruktur());
    m.vaelg(QStringLiteral("a"));
    try {
        if (handling == u"ny")
            m.s.NyNode(QStringLiteral("x"), QStringLiteral("x"), 0, false, true);
        else if (handling == u"rediger")
            m.s.RedigerNode(QStringLiteral("x"), QStringLiteral("x"), 0, false, true);
        else if (handling == u"slet")
            m.s.SletNode();
        else
            m.s.AlphaSort(true);
        QFAIL("no refusal");
    } catch (const StrukturFejl &f) {
        QCOMPARE(f.fil(), m.trae());
        QVERIFY(f.besked().contains(QStringLiteral("kun delvist indlæst")));
    }
    QCOMPARE(beskriv(m.s), QStringLiteral("b(a)"));
    QCOMPARE(laesBytes(m.trae()), trae);
    QCOMPARE(laesBytes(m.data()), data);
    QCOMPARE(laesBytes(m.side(QStringLiteral("a"))), QByteArray("side"));
}

// A year whose tree file cannot be read leaves none of the old year's
// elements under the new paths, where a save would overwrite it.
void TstStruktur::ulaeseligTraefilRyddesFoerst() {
#ifndef Q_OS_LINUX
    QSKIP("needs a file the test can make unreadable");
#endif
    Mappe m;
    m.hent(dagbogTrae, dagbogData);
    Mappe anden;
    const QByteArray trae = "Dagbog 2023\r\n", data = "0Dagbog 2023\r\n";
    skrivBytes(anden.trae(), trae);
    skrivBytes(anden.data(), data);
    QFile::setPermissions(anden.trae(), QFileDevice::WriteOwner);
    m.s.setStrukturfile(anden.trae());
    m.s.setDatafile(anden.data());
    m.s.setInfomappe(anden.sti + QStringLiteral("tekstfiler/"));
    {
        SomAlmindeligBruger bruger(*rod);
        QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl, m.s.HentStruktur());
    }
    QCOMPARE(m.s.antal(), 0);
    QVERIFY(!m.s.GemStruktur());
    QVERIFY_THROWS_EXCEPTION(StrukturFejl, m.s.NyNode(QStringLiteral("x"), {}, 0, false, true));
    QFile::setPermissions(anden.trae(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(laesBytes(anden.trae()), trae);
    QCOMPARE(laesBytes(anden.data()), data);
}

void TstStruktur::sidenavnUdenforMappenSlettesIkke_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("skråstreg op") << QStringLiteral("../ude");
    QTest::newRow("omvendt skråstreg") << QStringLiteral("..\\ude");
    QTest::newRow("undermappe") << QStringLiteral("under/ude");
}

void TstStruktur::sidenavnUdenforMappenSlettesIkke() {
    QFETCH(QString, navn);
    Mappe m;
    const QString ude = m.sti + QStringLiteral("tekstfiler/") + navn + QStringLiteral(".html");
    skrivBytes(ude, "ude");
    m.hent("a\r\n\tb\r\n", "0a\r\n0" + navn.toLatin1() + "\r\n");
    m.vaelg(QStringLiteral("b"));
    m.s.SletNode();
    QCOMPARE(beskriv(m.s), QStringLiteral("a"));
    QCOMPARE(laesBytes(ude), QByteArray("ude"));
}

QTEST_MAIN(TstStruktur)
#include "tst_struktur.moc"
