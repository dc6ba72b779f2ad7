#include "platform/sidetaelling.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The counts of a year's pages are kept by size and time, in the user's cache folder.
class TstSidetaelling : public QObject {
    Q_OBJECT
private slots:
    void gemtEfterStoerrelseOgTid();
};

void TstSidetaelling::gemtEfterStoerrelseOgTid() {
    TestRod rod;
    const QString cache = rod.sti(QStringLiteral("cache"));
    qputenv("XDG_CACHE_HOME", cache.toUtf8());
    const QString strukturDir = rod.sti(QStringLiteral("Struktur/"));
    const QString side = strukturDir + QStringLiteral("Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
    const auto skriv = [&](const QByteArray &tekst, const QDateTime &tid) {
        skrivBytes(side, "<body>" + tekst + "</body>");
        QFile f(side);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(tid, QFileDevice::FileModificationTime));
    };
    const auto ord = [&] {
        return Sidetaelling::aar(strukturDir, 2024).dage.value({2024, 3, 5}).ord;
    };
    const QDateTime tid = QDateTime::currentDateTime().addSecs(-60);
    // Not a day of 2024: left out.
    skrivBytes(strukturDir + QStringLiteral("Dagbog 2024/tekstfiler/03 05 Onsdag.html"),
               "<body>x</body>");

    skriv("en to tre", tid);
    QCOMPARE(ord(), 3);
    QCOMPARE(Sidetaelling::aar(strukturDir, 2024).dage.size(), 1);
    QVERIFY(Sidetaelling::cachefil(strukturDir, 2024).startsWith(cache + u'/'));
    QVERIFY(QFile::exists(Sidetaelling::cachefil(strukturDir, 2024)));

    // The same size and time: what was counted is used, from memory and then from the file.
    skriv("ni-ti-elv", tid);
    QCOMPARE(ord(), 3);
    Sidetaelling::glem();
    QCOMPARE(ord(), 3);
    // A new time (or size) counts the page again.
    skriv("ni-ti-elv", tid.addSecs(1));
    QCOMPARE(ord(), 1);
    Sidetaelling::glem();
    QCOMPARE(ord(), 1);

    // The year's word sum follows a page changed or removed while the other
    // pages' counts come from the file.
    const QString anden = strukturDir + QStringLiteral("Dagbog 2024/tekstfiler/03 06 Onsdag.html");
    skrivBytes(anden, "<body>Hav og hav</body>");
    const auto hyppighed = [&] { return Sidetaelling::aar(strukturDir, 2024).hyppighed; };
    QCOMPARE(hyppighed(), (QHash<QString, int>{{"ni-ti-elv", 1}, {"hav", 2}, {"og", 1}}));
    Sidetaelling::glem();
    skriv("sol", tid.addSecs(2));
    QCOMPARE(hyppighed(), (QHash<QString, int>{{"sol", 1}, {"hav", 2}, {"og", 1}}));
    QVERIFY(QFile::remove(anden));
    Sidetaelling::glem();
    QCOMPARE(hyppighed(), (QHash<QString, int>{{"sol", 1}}));
}

QTEST_GUILESS_MAIN(TstSidetaelling)
#include "tst_sidetaelling.moc"
