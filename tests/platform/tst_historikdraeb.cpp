// Commits killed at random moments: git accepts the repository, every commit
// made before is reachable, and the next start commits again. DAGBOG_DRAEB_ANTAL
// sets the number of kills (50 by default).
#include "historikhjaelp.h"
#include "platform/historik.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

static int antalDrab() {
    const int antal = qEnvironmentVariableIntValue("DAGBOG_DRAEB_ANTAL");
    return antal > 0 ? antal : 50;
}

class TstHistorikDraeb : public QObject {
    Q_OBJECT
private slots:
    void draebtUnderCommit() {
        QTemporaryDir tmp;
        const QString bruger = tmp.path() + QStringLiteral("/Bruger");
        const QString repo = bruger + QStringLiteral("/Historik.git");
        QDir().mkpath(bruger + QStringLiteral("/Struktur/Dagbog 2024/tekstfiler"));
        skrivBytes(bruger + QStringLiteral("/Struktur/design.css"), "body {}\r\n");
        const int antal = antalDrab();
        int commits = 0, doede = 0;
        for (int i = 0; i < antal; ++i) {
            QProcess barn;
            barn.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            barn.start(QStringLiteral(HISTORIKBARN), {bruger});
            QVERIFY2(barn.waitForReadyRead(60000), "the child never got ready");
            QCOMPARE(barn.readLine().trimmed(), QByteArray("klar"));
            // A commit takes some tens of milliseconds here: kills land in the middle of several.
            QThread::usleep(QRandomGenerator::global()->bounded(200000u));
            barn.kill();
            QVERIFY(barn.waitForFinished(30000));
            QCOMPARE(barn.exitStatus(), QProcess::CrashExit);
            const QList<QByteArray> meldt = barn.readAllStandardOutput().split('\n');
            QByteArray fsck;
            QVERIFY2(fsckRen(repo, &fsck), fsck.constData());
            // The last commit the child saw written is in the branch.
            QByteArray sidst;
            for (const QByteArray &m : meldt)
                if (m.size() == 40) sidst = m;
            if (!sidst.isEmpty())
                QVERIFY2(git(repo, {"merge-base", "--is-ancestor", sidst, "HEAD"}).kode == 0,
                         sidst.constData());
            commits += int(meldt.size()) - 1;
            // The next start goes on from what the kill left.
            const QString ny = QStringLiteral("<p>Efter drab %1</p>").arg(i);
            {
                THistorik h(bruger, QStringLiteral("Karen"));
                QSignalSpy fejl(&h, &THistorik::fejl);
                h.start();
                Tekstfil::skriv(bruger + QStringLiteral("/Struktur/design.css"), {ny});
                h.vent();
                QCoreApplication::processEvents();
                // A fault of the start is told; the save after it must land all the same.
                if (!fejl.isEmpty()) {
                    ++doede;
                    qInfo("kill %d, start after it: %s", i,
                          qPrintable(fejl.first().first().toString()));
                }
            }
            QCOMPARE(git(repo, {"show", "HEAD:Struktur/design.css"}).ud, ny.toUtf8() + "\r\n");
            QVERIFY(fsckRen(repo));
        }
        qInfo("kills %d, commits before the kills %d, failed restarts %d", antal, commits, doede);
    }
};

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300000, antalDrab() * 3000)));
    QCoreApplication app(argc, argv);
    TstHistorikDraeb test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_historikdraeb.moc"
