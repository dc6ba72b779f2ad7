// The history store read back with the git command line.
#include "historikhjaelp.h"
#include "platform/historik.h"
#include "platform/mapper.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString side = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
const QString struktur = QStringLiteral("Struktur/Dagbog 2024/struktur.txt");
const QString data = QStringLiteral("Struktur/Dagbog 2024/data.txt");
} // namespace

class TstHistorik : public QObject {
    Q_OBJECT
private:
    QScopedPointer<QTemporaryDir> tmp;
    QString bruger;
    QString sti(const QString &rel) const { return bruger + u'/' + rel; }
    QString repo() const { return sti(QStringLiteral("Historik.git")); }
    void gem(const QString &rel, const QString &tekst) { Tekstfil::skriv(sti(rel), {tekst}); }
    int antalCommits() const {
        return git(repo(), {"rev-list", "--count", "HEAD"}).ud.trimmed().toInt();
    }
    QStringList filerIHoved() const {
        return QString::fromUtf8(git(repo(), {"ls-tree", "-r", "--name-only", "HEAD"}).ud)
            .split(u'\n', Qt::SkipEmptyParts);
    }
    QString nyesteBesked() const {
        return QString::fromUtf8(git(repo(), {"log", "-1", "--format=%s"}).ud.trimmed());
    }

private slots:
    void init() {
        tmp.reset(new QTemporaryDir);
        bruger = tmp->path() + QStringLiteral("/Bruger");
        QDir().mkpath(sti(QStringLiteral("Struktur/Dagbog 2024/tekstfiler")));
        QDir().mkpath(sti(QStringLiteral("Egenskaber")));
        skrivBytes(sti(side), "<p>Første tekst</p>\r\n");
        skrivBytes(sti(struktur), "Dagbog 2024\r\n");
        skrivBytes(sti(data), "0Dagbog 2024\r\n");
        skrivBytes(sti(QStringLiteral("Struktur/design.css")), "body {}\r\n");
    }

    void treGemningerGiverFireUdgaver() {
        THistorik h(bruger, QStringLiteral("Karen"));
        h.start();
        h.vent();
        QCOMPARE(nyesteBesked(), QStringLiteral("Dagbogen som den var, da historikken begyndte"));
        for (const char *t : {"Anden", "Tredje", "Fjerde"}) {
            gem(side, QStringLiteral("<p>%1 tekst, æøå</p>").arg(QLatin1String(t)));
            h.vent();
        }
        const QList<QByteArray> log =
            git(repo(), {"log", "--format=%H %an", "--", side}).ud.trimmed().split('\n');
        QCOMPARE(log.size(), 4);
        QVERIFY(log.first().endsWith(" Karen"));
        QCOMPARE(git(repo(), {"show", "HEAD:" + side}).ud, laesBytes(sti(side)));
        QCOMPARE(nyesteBesked(), QStringLiteral("Gemt: Dagbog 2024 › 03 05 Tirsdag"));
        QByteArray fsck;
        QVERIFY2(fsckRen(repo(), &fsck), fsck.constData());
        // The platform's own answer agrees with git, newest first.
        const QList<Historik::Udgave> u = Historik::udgaver(repo(), side);
        QCOMPARE(u.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(u[i].commit.toLatin1(), log[i].left(40));
        QCOMPARE(Historik::indhold(repo(), u.last().blob), QByteArray("<p>Første tekst</p>\r\n"));
    }

    void handlinger_data() {
        QTest::addColumn<int>("handling");
        QTest::addColumn<int>("nyeCommits");
        QTest::addColumn<QString>("besked");
        QTest::addColumn<QStringList>("filer"); // HEAD's tree afterwards
        const QStringList alle{data, struktur, side, QStringLiteral("Struktur/design.css")};
        QTest::newRow("træet gemt samlet")
            << 0 << 1 << "Gemt: Dagbog 2024 › data.txt og 1 fil mere" << alle;
        QTest::newRow("billede kopieret")
            << 1 << 1 << "Gemt: Dagbog 2024 › Billeder › hav.jpg"
            << QStringList{"Struktur/Dagbog 2024/Billeder/hav.jpg", data, struktur, side,
                           "Struktur/design.css"};
        QTest::newRow("år slettet med besked")
            << 2 << 1 << "Slettet: Dagbog 2024 med 1 side" << QStringList{"Struktur/design.css"};
        QTest::newRow("indstillinger røres ikke") << 3 << 0 << QString() << alle;
        QTest::newRow("side fjernet og ny skrevet")
            << 4 << 1 << "Omdøbt: Dagbog 2024 › 03 05 Tirsdag til 03 06 Onsdag"
            << QStringList{data, struktur, "Struktur/Dagbog 2024/tekstfiler/03 06 Onsdag.html",
                           "Struktur/design.css"};
    }
    void handlinger() {
        QFETCH(int, handling);
        QFETCH(int, nyeCommits);
        QFETCH(QString, besked);
        QFETCH(QStringList, filer);
        THistorik h(bruger, QStringLiteral("Karen"));
        h.start();
        h.vent();
        const int foer = antalCommits();
        const QString ny = QStringLiteral("Struktur/Dagbog 2024/tekstfiler/03 06 Onsdag.html");
        switch (handling) {
        case 0:
            Tekstfil::skrivAlle({{sti(struktur), {"Dagbog 2024", "\t03 Marts"}},
                                 {sti(data), {"0Dagbog 2024", "103 Marts"}}});
            break;
        case 1:
            skrivBytes(tmp->filePath("hav.jpg"), QByteArray(5000, '\xff'));
            QDir().mkpath(sti("Struktur/Dagbog 2024/Billeder"));
            QVERIFY(Mapper::kopierOver(tmp->filePath("hav.jpg"),
                                       sti("Struktur/Dagbog 2024/Billeder/hav.jpg")));
            break;
        case 2:
            Historik::beskriv(QStringLiteral("Slettet: Dagbog 2024 med 1 side"));
            QVERIFY(Mapper::sletMappe(sti("Struktur/Dagbog 2024")));
            break;
        case 3:
            gem(QStringLiteral("Egenskaber/mainform.txt"), QStringLiteral("Sky"));
            break;
        case 4:
            QFile::rename(sti(side), sti(ny));
            Historik::aendret(sti(side));
            Historik::aendret(sti(ny));
            break;
        }
        h.vent();
        QCOMPARE(antalCommits(), foer + nyeCommits);
        if (nyeCommits) QCOMPARE(nyesteBesked(), besked);
        QCOMPARE(filerIHoved(), filer);
        QVERIFY(fsckRen(repo()));
    }

    // A deleted file is found with its last version.
    void slettedeSider() {
        THistorik h(bruger, QStringLiteral("Karen"));
        h.start();
        gem(side, QStringLiteral("<p>Sidste ord</p>"));
        h.vent();
        QFile::remove(sti(side));
        Historik::aendret(sti(side));
        h.vent();
        const QList<Historik::Slettet> s = Historik::slettede(repo());
        QCOMPARE(s.size(), 1);
        QCOMPARE(s[0].sti, side);
        QCOMPARE(Historik::indhold(repo(), s[0].blob), QByteArray("<p>Sidste ord</p>\r\n"));
        QCOMPARE(Historik::indholdVed(repo(), s[0].commit, side),
                 QByteArray("<p>Sidste ord</p>\r\n"));
    }

    // The next start repairs what a crash or a disk fault left; saving goes on all along.
    void reparation_data() {
        QTest::addColumn<int>("skade");
        QTest::addColumn<int>("tilbage"); // newest commits lost to the damage
        QTest::newRow("gammel lås") << 0 << 0;
        QTest::newRow("ødelagt reference") << 1 << 0;
        QTest::newRow("nyeste commit ulæseligt") << 2 << 1;
    }
    void reparation() {
        QFETCH(int, skade);
        QFETCH(int, tilbage);
        QStringList commits;
        {
            THistorik h(bruger, QStringLiteral("Karen"));
            h.start();
            for (const char *t : {"a", "b"}) {
                gem(side, QLatin1String(t));
                h.vent();
                commits.prepend(Historik::nyeste(repo()));
            }
        }
        const QString ref = repo() + QStringLiteral("/refs/heads/main");
        if (skade == 0) skrivBytes(ref + QStringLiteral(".lock"), "");
        if (skade == 1) skrivBytes(ref, "ikke en commit\n");
        if (skade == 2)
            QVERIFY(QFile::remove(repo() + QStringLiteral("/objects/") + commits[0].left(2) + u'/' +
                                  commits[0].mid(2)));
        THistorik h(bruger, QStringLiteral("Karen"));
        QSignalSpy fejl(&h, &THistorik::fejl);
        h.start();
        gem(side, QStringLiteral("c"));
        h.vent();
        // The branch goes on from the newest whole commit (the start may add one for the disk).
        QCOMPARE(git(repo(), {"merge-base", "--is-ancestor", commits[tilbage], "HEAD"}).kode, 0);
        QCOMPARE(git(repo(), {"show", "HEAD:" + side}).ud, QByteArray("c\r\n"));
        QVERIFY(fsckRen(repo()));
        QCoreApplication::processEvents();
        QCOMPARE(fejl.size(), 0);
    }

    // A lock held by another program: the page is saved, the reason reported.
    void laastHistorikStopperIkkeGemning() {
        THistorik h(bruger, QStringLiteral("Karen"));
        QSignalSpy fejl(&h, &THistorik::fejl);
        h.start();
        h.vent();
        skrivBytes(repo() + QStringLiteral("/refs/heads/main.lock"), "");
        gem(side, QStringLiteral("<p>Gemt alligevel</p>"));
        h.vent();
        QCOMPARE(laesBytes(sti(side)), QByteArray("<p>Gemt alligevel</p>\r\n"));
        QVERIFY(fejl.wait(5000));
        QCOMPARE(fejl.first().first().toString(),
                 QStringLiteral("Historik.git er låst af et andet program"));
    }
};

QTEST_GUILESS_MAIN(TstHistorik)
#include "tst_historik.moc"
