#include "platform/dialoger.h"
#include "platform/optionfil.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using Tekstfil::Kodning;

class TstTekstfil : public QObject {
    Q_OBJECT
private slots:
    void ansiTabellenFoelgerReferencen();
    void laesning_data();
    void laesning();
    void skrivningErAnsiMedCrLf();
    void tegnUdenForAnsiOverleverGemOgHent();
    void kodningerRundtur_data();
    void kodningerRundtur();
    void tomListeGiverTomFil();
    void manglendeFilKasterDanskFejl();
    void mislykketSkrivningEfterladerGamleFil();
    void parErstattesSammen_data();
    void parErstattesSammen();
    void optionfil_data();
    void optionfil();
    void optionfilDerIkkeKanLaeses();
};

void TstTekstfil::ansiTabellenFoelgerReferencen() {
    QFile f(QStringLiteral(DAGBOG_FIXTURES_DIR "/cp1252.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    int raekker = 0;
    while (!f.atEnd()) {
        const QByteArray linje = f.readLine().trimmed();
        if (linje.startsWith('#') || linje.isEmpty()) continue;
        const QList<QByteArray> felter = linje.split('\t');
        const int byte = felter[0].toInt(nullptr, 16);
        const uint kode = felter[1].toUInt(nullptr, 16);
        QCOMPARE(uint(Tekstfil::fraAnsi(uchar(byte))), kode);
        char tilbage = 0;
        QVERIFY(Tekstfil::tilAnsi(QChar(char16_t(kode)), &tilbage));
        QCOMPARE(uchar(tilbage), uchar(byte));
        ++raekker;
    }
    QCOMPARE(raekker, 256);
    char b;
    QVERIFY(!Tekstfil::tilAnsi(QChar(0x0100), &b));
    QVERIFY(!Tekstfil::tilAnsi(QChar(0x2603), &b));
}

void TstTekstfil::laesning_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<int>("kodning");
    const QStringList aeoe{QStringLiteral("æø"), QStringLiteral("€å")};
    QTest::newRow("ansi crlf") << QByteArray("\xE6\xF8\r\n\x80\xE5\r\n") << aeoe
                               << int(Kodning::Ansi);
    QTest::newRow("ansi lf uden slut")
        << QByteArray("\xE6\xF8\n\x80\xE5") << aeoe << int(Kodning::Ansi);
    QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"} << int(Kodning::Ansi);
    QTest::newRow("blandet og tomme linjer")
        << QByteArray("a\r\n\r\nb\n\rc") << QStringList{"a", "", "b", "", "c"}
        << int(Kodning::Ansi);
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF\xC3\xA6\xC3\xB8\r\n\xE2\x82\xAC\xC3\xA5")
                              << aeoe << int(Kodning::Utf8);
    QTest::newRow("utf16le") << QByteArray("\xFF\xFE\xE6\0\xF8\0\n\0\xAC\x20\xE5\0", 12) << aeoe
                             << int(Kodning::Utf16LE);
    QTest::newRow("utf16be") << QByteArray("\xFE\xFF\0\xE6\0\xF8\0\r\0\n\x20\xAC\0\xE5", 14) << aeoe
                             << int(Kodning::Utf16BE);
    QTest::newRow("tom") << QByteArray() << QStringList{} << int(Kodning::Ansi);
    // A mark after the encoding's own is a character of the text.
    QTest::newRow("utf8 to bom") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                               "a")
                                 << QStringList{QStringLiteral("\uFEFFa")} << int(Kodning::Utf8);
    QTest::newRow("utf16le to bom")
        << QByteArray("\xFF\xFE\xFF\xFE"
                      "a\0",
                      6)
        << QStringList{QStringLiteral("\uFEFFa")} << int(Kodning::Utf16LE);
}

void TstTekstfil::laesning() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, linjer);
    QFETCH(int, kodning);
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("a.txt"));
    skrivBytes(fil, bytes);
    const Tekstfil::Indhold ind = Tekstfil::laes(fil);
    QCOMPARE(ind.linjer, linjer);
    QCOMPARE(int(ind.kodning), kodning);
}

void TstTekstfil::skrivningErAnsiMedCrLf() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("b.txt"));
    QCOMPARE(Tekstfil::skriv(
                 fil, {QStringLiteral("Tirsdag 05. Marts"), QString(), QStringLiteral("æøå€")}),
             Kodning::Ansi);
    QCOMPARE(laesBytes(fil), QByteArray("Tirsdag 05. Marts\r\n\r\n\xE6\xF8\xE5\x80\r\n"));
}

void TstTekstfil::tegnUdenForAnsiOverleverGemOgHent() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("c.txt"));
    const QStringList linjer{QStringLiteral("snemand ☃ og ĉ"), QStringLiteral("æ")};
    QCOMPARE(Tekstfil::skriv(fil, linjer), Kodning::Utf8);
    QVERIFY(laesBytes(fil).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(Tekstfil::laesLinjer(fil), linjer);
}

void TstTekstfil::kodningerRundtur_data() {
    QTest::addColumn<int>("kodning");
    QTest::newRow("ansi") << int(Kodning::Ansi);
    QTest::newRow("utf8") << int(Kodning::Utf8);
    QTest::newRow("utf16le") << int(Kodning::Utf16LE);
    QTest::newRow("utf16be") << int(Kodning::Utf16BE);
}

void TstTekstfil::kodningerRundtur() {
    QFETCH(int, kodning);
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("d.txt"));
    const QStringList linjer{QStringLiteral("Dagbog 2024"), QStringLiteral("\t03 Marts"),
                             QStringLiteral("\t\t03 05 Tirsdag")};
    Tekstfil::skriv(fil, linjer, Kodning(kodning));
    const Tekstfil::Indhold ind = Tekstfil::laes(fil);
    QCOMPARE(ind.linjer, linjer);
    QCOMPARE(int(ind.kodning), kodning);
    QCOMPARE(laesBytes(fil),
             Tekstfil::kod(linjer.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                           Kodning(kodning)));
}

void TstTekstfil::tomListeGiverTomFil() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("tom.txt"));
    Tekstfil::skriv(fil, {});
    QVERIFY(QFile::exists(fil));
    QCOMPARE(laesBytes(fil), QByteArray());
}

void TstTekstfil::manglendeFilKasterDanskFejl() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("findes-ikke.txt"));
    try {
        Tekstfil::laes(fil);
        QFAIL("ingen fejl");
    } catch (const Tekstfil::FilFejl &f) {
        QCOMPARE(f.fil(), fil);
        QCOMPARE(f.besked(), QStringLiteral("Filen \"%1\" kan ikke åbnes.").arg(fil));
    }
}

void TstTekstfil::mislykketSkrivningEfterladerGamleFil() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("mappe/side.html"));
    skrivBytes(fil, "gammel\r\n");
    QFile::setPermissions(rod.sti(QStringLiteral("mappe")), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(rod.sti(QStringLiteral("mappe"))).isWritable())
        QSKIP("running with rights that ignore folder permissions");
    QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl, Tekstfil::skriv(fil, {QStringLiteral("ny")}));
    QCOMPARE(laesBytes(fil), QByteArray("gammel\r\n"));
}

void TstTekstfil::parErstattesSammen_data() {
    QTest::addColumn<bool>("foersteFandtes");
    QTest::addColumn<bool>("andenSpaerret"); // its replacement fails after the first's succeeded
    QTest::newRow("begge lykkes") << true << false;
    QTest::newRow("anden fejler") << true << true;
    QTest::newRow("anden fejler, første var ny") << false << true;
}

// The second file lies in a shared folder (sticky bit) and belongs to someone
// else: writing beside it works, replacing it does not.
void TstTekstfil::parErstattesSammen() {
    QFETCH(bool, foersteFandtes);
    QFETCH(bool, andenSpaerret);
    TestRod rod;
    QTemporaryDir delt; // outside the root, whose folders the ordinary user gets opened up
    const QString data = rod.sti(QStringLiteral("egen/data.txt"));
    const QString trae = delt.filePath(QStringLiteral("struktur.txt"));
    if (foersteFandtes) skrivBytes(data, "0gammel\r\n");
    skrivBytes(trae, "gammel\r\n");
    QDir().mkpath(rod.sti(QStringLiteral("egen")));
    const auto alle = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(rod.sti(QStringLiteral("egen")), alle);
    QFile::setPermissions(trae, alle);
    QVERIFY(::chmod(QFile::encodeName(delt.path()).constData(), andenSpaerret ? 01777 : 0777) == 0);
    if (andenSpaerret && geteuid() != 0) QSKIP("needs a file of another user");
    SomAlmindeligBruger bruger(rod);
    const QList<Tekstfil::Fil> filer{{data, {QStringLiteral("0ny")}},
                                     {trae, {QStringLiteral("ny")}}};
    if (andenSpaerret) {
        QVERIFY_THROWS_EXCEPTION(Tekstfil::FilFejl, Tekstfil::skrivAlle(filer));
    } else {
        Tekstfil::skrivAlle(filer);
    }
    QCOMPARE(laesBytes(trae), andenSpaerret ? "gammel\r\n" : "ny\r\n");
    QCOMPARE(QFile::exists(data), foersteFandtes || !andenSpaerret);
    if (foersteFandtes) QCOMPARE(laesBytes(data), andenSpaerret ? "0gammel\r\n" : "0ny\r\n");
    QCOMPARE(QDir(rod.sti(QStringLiteral("egen"))).entryList(QDir::Files).size(),
             qsizetype(QFile::exists(data)));
}

void TstTekstfil::optionfil_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("tal");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("alleLaest");
    QTest::newRow("hel") << QByteArray("Sky\r\n42\r\n1\r\n") << "Sky" << 42 << true << true;
    QTest::newRow("mangler sidste") << QByteArray("Sky\r\n42\r\n") << "Sky" << 42 << false << false;
    QTest::newRow("ikke et tal") << QByteArray("Sky\r\nx\r\n1\r\n") << "Sky" << -1 << false
                                 << false;
    QTest::newRow("flag 7 er ja") << QByteArray("Jet\n-3\n7\n") << "Jet" << -3 << true << true;
    QTest::newRow("bom og skrald")
        << QByteArray("\xEF\xBB\xBFSky\r\n\x01\x02\r\n1\r\n") << "Sky" << -1 << false << false;
    QTest::newRow("tal med blanke")
        << QByteArray("Sky\r\n 42 \r\n1\r\n") << "Sky" << 42 << true << true;
    QTest::newRow("tal for stort")
        << QByteArray("Sky\r\n99999999999\r\n1\r\n") << "Sky" << -1 << false << false;
    QTest::newRow("kun linjeskift") << QByteArray("\r\n\r\n\r\n") << "" << -1 << false << false;
    QTest::newRow("nul-tegn") << QByteArray("S\0y\r\n4\0\r\n1\r\n", 11)
                              << QStringView(u"S\0y", 3).toString() << 4 << true << true;
}

// An option file that is there but cannot be read is named in an error box;
// its values keep their defaults.
void TstTekstfil::optionfilDerIkkeKanLaeses() {
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("opt.txt"));
    QDir().mkpath(fil);
    OptionLaeser o(fil);
    QString n = QStringLiteral("før");
    QVERIFY(!o.tekst(n));
    QCOMPARE(n, QStringLiteral("før"));
    QCOMPARE(Dialoger::Test::vist(),
             QStringList{QStringLiteral("Filen \"%1\" kan ikke åbnes.").arg(fil)});
    QVERIFY(!skrivOptioner(fil, {QStringLiteral("x")}));
    QCOMPARE(ikkeGemteOptioner(), QStringList{fil});
    QVERIFY(ikkeGemteOptioner().isEmpty());
}

void TstTekstfil::optionfil() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, navn);
    QFETCH(int, tal);
    QFETCH(bool, flag);
    QFETCH(bool, alleLaest);
    TestRod rod;
    const QString fil = rod.sti(QStringLiteral("opt.txt"));
    skrivBytes(fil, bytes);
    OptionLaeser o(fil);
    QVERIFY(o.findes());
    QString n = QStringLiteral("før");
    int t = -1;
    bool f = false;
    const bool ok = o.tekst(n) && o.tal(t) && o.flag(f);
    QCOMPARE(ok, alleLaest);
    QCOMPARE(n, navn);
    QCOMPARE(t, tal);
    QCOMPARE(f, flag);
    QVERIFY(!OptionLaeser(rod.sti(QStringLiteral("ingen.txt"))).findes());
}

QTEST_GUILESS_MAIN(TstTekstfil)
#include "tst_tekstfil.moc"
