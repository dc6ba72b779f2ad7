#include "core/rotation.h"
#include "platform/sikkerhedskopi.h"
#include "platform/tekstfil.h"
#include "platform/zipfil.h"
#include "testhjaelp.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

class TstSikkerhedskopi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void treAarIKopien();
    void uaendretSpringesOver();
    void fejlRoererIkkeDagbogen_data();
    void fejlRoererIkkeDagbogen();
    void rotationPaaDisken();
    void udpakStruktur();
    void udpakAfviserFarligeNavne_data();
    void udpakAfviserFarligeNavne();

private:
    QScopedPointer<QTemporaryDir> tmp;
    QString bruger, kopier;
    QMap<QString, QByteArray> dagbog; // relative path -> bytes, as written
    void skriv(const QString &rel, const QByteArray &data) {
        skrivBytes(bruger + u'/' + rel, data);
        dagbog[rel] = data;
    }
    void lavDagbog(int aarstal);
    QMap<QString, QByteArray> udpakket(const QString &arkiv);
};

// Three years of day pages with Danish names and text, as the program makes them.
void TstSikkerhedskopi::lavDagbog(int aarstal) {
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (int aar = 2025 - aarstal; aar <= 2024; ++aar) {
        const QString mappe = QStringLiteral("Struktur/Dagbog %1/").arg(aar);
        QStringList struktur{QStringLiteral("Dagbog %1").arg(aar)},
            data{QStringLiteral("0Dagbog %1").arg(aar)};
        for (QDate d(aar, 1, 1); d.year() == aar; d = d.addDays(1)) {
            QString dag = d.toString(QStringLiteral("MM dd ")) + dansk.dayName(d.dayOfWeek());
            dag[6] = dag[6].toUpper();
            struktur << u'\t' + dag;
            data << u'3' + dag;
            const QString tekst =
                QStringLiteral("<p>Kære dagbog, %1: blæst, sol og æbleskiver.</p>")
                    .arg(dansk.toString(d, QLocale::LongFormat));
            skriv(mappe + QStringLiteral("tekstfiler/") + dag + QStringLiteral(".html"),
                  Tekstfil::kod(tekst, Tekstfil::Kodning::Ansi) + "\r\n");
        }
        skriv(mappe + QStringLiteral("struktur.txt"),
              Tekstfil::kod(struktur.join(QStringLiteral("\r\n")), Tekstfil::Kodning::Ansi));
        skriv(mappe + QStringLiteral("data.txt"),
              Tekstfil::kod(data.join(QStringLiteral("\r\n")), Tekstfil::Kodning::Ansi));
        QDir().mkpath(bruger + u'/' + mappe + QStringLiteral("Billeder"));
    }
    skriv(QStringLiteral("Struktur/design.css"), "body { color: #333; }\r\n");
    skriv(QStringLiteral("Struktur/funktioner.js"), "function showBox() {}\r\n");
    skriv(QStringLiteral("Egenskaber/mainform.txt"), "Sky\r\n64\r\n");
    // Unsaved text belongs to no backup.
    skrivBytes(bruger + QStringLiteral("/Egenskaber/Gendan/x.html-1.txt"), "kladde");
}

void TstSikkerhedskopi::init() {
    tmp.reset(new QTemporaryDir);
    bruger = tmp->path() + QStringLiteral("/Bruger");
    kopier = bruger + QStringLiteral("/Sikkerhedskopier/");
    dagbog.clear();
    // Three years where the content matters, one where only the archives do.
    const QByteArray test = QTest::currentTestFunction();
    lavDagbog(test == "treAarIKopien" || test == "udpakStruktur" ? 3 : 1);
}

void TstSikkerhedskopi::cleanup() {
    tmp.reset();
}

QMap<QString, QByteArray> TstSikkerhedskopi::udpakket(const QString &arkiv) {
    const QString ud = tmp->path() + QStringLiteral("/ud");
    QDir(ud).removeRecursively();
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-q"), arkiv, QStringLiteral("-d"), ud});
    p.waitForFinished(60000);
    QMap<QString, QByteArray> filer;
    QDirIterator it(ud, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        filer[sti.mid(ud.size() + 1)] = laesBytes(sti);
    }
    return filer;
}

void TstSikkerhedskopi::treAarIKopien() {
    const Sikkerhedskopi::Resultat r = Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 12, 31));
    QCOMPARE(int(r.udfald), int(Sikkerhedskopi::Udfald::Lavet));
    QCOMPARE(r.arkiv, QStringLiteral("Dagbog-2024-12-31.zip"));
    const QString arkiv = kopier + r.arkiv;
    QVERIFY(!QFileInfo::exists(arkiv + QStringLiteral(".tmp")));

    QProcess test;
    test.start(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-qq"), arkiv});
    QVERIFY(test.waitForFinished(60000));
    QCOMPARE(test.exitCode(), 0);

    const QMap<QString, QByteArray> ud = udpakket(arkiv);
    QCOMPARE(ud.size(), dagbog.size());
    QCOMPARE(ud.size(), 3 * 2 + 365 + 365 + 366 + 3);
    for (auto it = dagbog.cbegin(); it != dagbog.cend(); ++it)
        QVERIFY2(ud.value(it.key()) == it.value(), qPrintable(it.key()));
    QVERIFY(ud.contains(QStringLiteral("Struktur/Dagbog 2024/tekstfiler/03 02 Lørdag.html")));
    QVERIFY(QFileInfo(tmp->path() + QStringLiteral("/ud/Struktur/Dagbog 2023/Billeder")).isDir());
    QCOMPARE(Sikkerhedskopi::strukturer(arkiv),
             QStringList({"Dagbog 2022", "Dagbog 2023", "Dagbog 2024"}));
}

void TstSikkerhedskopi::uaendretSpringesOver() {
    QCOMPARE(int(Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 5, 1)).udfald),
             int(Sikkerhedskopi::Udfald::Lavet));
    // Only the recovery folder changed: nothing to keep.
    skrivBytes(bruger + QStringLiteral("/Egenskaber/Gendan/y.html-2.txt"), "mere kladde");
    QCOMPARE(int(Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 5, 2)).udfald),
             int(Sikkerhedskopi::Udfald::Uaendret));
    QVERIFY(!QFileInfo::exists(kopier + QStringLiteral("Dagbog-2024-05-02.zip")));
    // A page removed is a change too, though no file got newer.
    QVERIFY(QFile::remove(bruger +
                          QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/01 01 Mandag.html")));
    QCOMPARE(int(Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 5, 3)).udfald),
             int(Sikkerhedskopi::Udfald::Lavet));
    // The same bytes written again are no change.
    skriv(QStringLiteral("Struktur/design.css"),
          dagbog.value(QStringLiteral("Struktur/design.css")));
    QCOMPARE(int(Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 5, 4)).udfald),
             int(Sikkerhedskopi::Udfald::Uaendret));
}

void TstSikkerhedskopi::fejlRoererIkkeDagbogen_data() {
    QTest::addColumn<QString>("hindring");
    QTest::newRow("mappen er en fil") << "fil";
    QTest::newRow("arkivet kan ikke omdøbes") << "mappe";
}

void TstSikkerhedskopi::fejlRoererIkkeDagbogen() {
    QFETCH(QString, hindring);
    const QString foer = Sikkerhedskopi::fingeraftryk(bruger, Sikkerhedskopi::indhold(bruger));
    if (hindring == QStringLiteral("fil"))
        skrivBytes(bruger + QStringLiteral("/Sikkerhedskopier"), "ikke en mappe");
    else // a folder in the way of the archive's name
        QVERIFY(QDir().mkpath(kopier + QStringLiteral("Dagbog-2024-06-01.zip/x")));
    const Sikkerhedskopi::Resultat r = Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 6, 1));
    QCOMPARE(int(r.udfald), int(Sikkerhedskopi::Udfald::Fejl));
    QCOMPARE(Sikkerhedskopi::fingeraftryk(bruger, Sikkerhedskopi::indhold(bruger)), foer);
    QVERIFY(!QFileInfo::exists(kopier + QStringLiteral("Dagbog-2024-06-01.zip.tmp")));
}

// Forty days of use, a page changed each day: the folder holds exactly the
// archives the rotation keeps.
void TstSikkerhedskopi::rotationPaaDisken() {
    const QString side = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/01 15 Mandag.html");
    QList<QDate> forventet;
    for (int i = 0; i < 40; ++i) {
        const QDate d = QDate(2025, 1, 15).addDays(i);
        skriv(side, QByteArray("<p>Dag ") + QByteArray::number(i) + "</p>\r\n");
        QCOMPARE(int(Sikkerhedskopi::lav(bruger, kopier, d).udfald),
                 int(Sikkerhedskopi::Udfald::Lavet));
    }
    QStringList navne = QDir(kopier).entryList(QDir::Files, QDir::Name);
    QStringList ventet{"Dagbog-2025-01-31.zip"};
    for (int dag = 17; dag <= 23; ++dag)
        ventet << QStringLiteral("Dagbog-2025-02-%1.zip").arg(dag);
    QCOMPARE(navne, ventet);
    // The newest holds the last change.
    QCOMPARE(udpakket(kopier + ventet.last()).value(side), QByteArray("<p>Dag 39</p>\r\n"));
}

void TstSikkerhedskopi::udpakStruktur() {
    Sikkerhedskopi::lav(bruger, kopier, QDate(2024, 12, 31));
    const QString arkiv = kopier + QStringLiteral("Dagbog-2024-12-31.zip");
    const QString maal = bruger + QStringLiteral("/Struktur/Dagbog 2023 (gendannet 2024-12-31)");
    QVERIFY(Zipfil::udpak(arkiv, QStringLiteral("Struktur/Dagbog 2023/"), maal));
    int antal = 0;
    for (auto it = dagbog.cbegin(); it != dagbog.cend(); ++it) {
        if (!it.key().startsWith(QStringLiteral("Struktur/Dagbog 2023/"))) continue;
        const QString ny = maal + it.key().mid(QStringLiteral("Struktur/Dagbog 2023").size());
        QVERIFY2(laesBytes(ny) == it.value(), qPrintable(ny));
        ++antal;
    }
    QCOMPARE(antal, 365 + 2);
    QVERIFY(QFileInfo(maal + QStringLiteral("/Billeder")).isDir());
    // Never over a folder that is there.
    const QByteArray side = laesBytes(maal + QStringLiteral("/data.txt"));
    QVERIFY(!Zipfil::udpak(arkiv, QStringLiteral("Struktur/Dagbog 2022/"), maal));
    QCOMPARE(laesBytes(maal + QStringLiteral("/data.txt")), side);
}

void TstSikkerhedskopi::udpakAfviserFarligeNavne_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("op af mappen") << "Struktur/A/../../uden.txt";
    QTest::newRow("omvendt skråstreg") << "Struktur/A/..\\uden.txt";
}

void TstSikkerhedskopi::udpakAfviserFarligeNavne() {
    QFETCH(QString, navn);
    skrivBytes(bruger + QStringLiteral("/Struktur/A/ok.txt"), "ok");
    skrivBytes(bruger + u'/' + navn, "x");
    const QString arkiv = tmp->path() + QStringLiteral("/ond.zip");
    QVERIFY(Zipfil::skriv(arkiv, bruger, {QStringLiteral("Struktur/A/ok.txt"), navn}, {}));
    const QString maal = tmp->path() + QStringLiteral("/ny/A");
    QVERIFY(!Zipfil::udpak(arkiv, QStringLiteral("Struktur/A/"), maal));
    QVERIFY(!QFileInfo::exists(maal));
    QVERIFY(!QFileInfo::exists(tmp->path() + QStringLiteral("/ny/uden.txt")));
}

QTEST_GUILESS_MAIN(TstSikkerhedskopi)
#include "tst_sikkerhedskopi.moc"
