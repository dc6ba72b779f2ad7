// The history against the git command line on the same diary in the same run:
// the first import of a ten-year diary, a save with the history on and off,
// the versions of a page with 1,000 versions, and the repository's size for
// a ten-year diary saved 20 times a day (HISTORIK_AAR years, 10 by default).
#include "core/kalender.h"
#include "dagbogsgenerator.h"
#include "platform/historik.h"
#include "platform/tekstfil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double sek(const QElapsedTimer &ur) {
    return ur.nsecsElapsed() / 1e9;
}

double koer(const QStringList &arg) {
    QElapsedTimer ur;
    ur.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("git"), QStringList{"-c", "user.name=b", "-c", "user.email=b@b"} + arg);
    p.waitForFinished(-1);
    if (p.exitCode() != 0) std::fprintf(stderr, "git %s failed\n", qPrintable(arg.join(u' ')));
    return sek(ur);
}

QString dagside(const QString &bruger, const QDate &d) {
    return bruger + QStringLiteral("/Struktur/") + strukturNavnFor(d.year()) +
           QStringLiteral("/tekstfiler/") + dagElementNavn(d) + QStringLiteral(".html");
}

QStringList tekst(const QString &sti, int udgave) {
    QStringList l = Tekstfil::laesLinjer(sti);
    l.insert(l.size() - 3, QStringLiteral("<p>Tilføjet i udgave %1.</p>").arg(udgave));
    return l;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int aar = qEnvironmentVariableIsSet("HISTORIK_AAR")
                        ? qEnvironmentVariableIntValue("HISTORIK_AAR")
                        : 10;
    QTemporaryDir tmp;
    const QString strukturDir = Generator::rod(tmp.path());
    const QString bruger = QFileInfo(strukturDir + QStringLiteral("..")).canonicalFilePath();
    const int foersteAar = QDate::currentDate().year() - 9;
    int sider = 0;
    for (int y = foersteAar; y < foersteAar + 10; ++y)
        sider += Generator::aar(strukturDir, y);
    std::printf("A ten-year diary: %d pages\n\n", sider);

    // 1. The first import.
    const QString h = tmp.path() + QStringLiteral("/H.git");
    koer({"init", "-q", "--bare", h});
    const double gitImport =
        koer({"--git-dir=" + h, "--work-tree=" + bruger, "add", "-A", "Struktur"}) +
        koer({"--git-dir=" + h, "--work-tree=" + bruger, "commit", "-q", "-m", "import"});
    THistorik historik(bruger, QStringLiteral("Karen"));
    QElapsedTimer ur;
    ur.start();
    historik.start();
    historik.vent();
    const double vores = sek(ur);
    std::printf("first import: %.2f s, git add -A + commit: %.2f s, ratio %.2f\n", vores, gitImport,
                vores / gitImport);

    // 2. A save with the history on and off, on the user-interface thread.
    const QString side = dagside(bruger, QDate(foersteAar + 9, 3, 5));
    const int gemninger = 200;
    double til = 0, fra = 0;
    for (int i = 0; i < gemninger; ++i) {
        const bool paa = i % 2 == 0;
        historik.saetSlaaetTil(paa);
        // Turning it on compares the whole diary with the newest commit; that is
        // no part of a save, so the save is timed after it.
        historik.vent();
        const QStringList l = tekst(side, i);
        ur.restart();
        Tekstfil::skriv(side, l);
        QCoreApplication::processEvents();
        (paa ? til : fra) += sek(ur);
        historik.vent();
    }
    historik.saetSlaaetTil(true);
    historik.vent();
    std::printf("a save, history on: %.0f µs, off: %.0f µs, ratio %.2f\n",
                til / (gemninger / 2) * 1e6, fra / (gemninger / 2) * 1e6, til / fra);

    // 3. A page with 1,000 versions.
    const QString rel = side.mid(bruger.size() + 1);
    for (int i = Historik::udgaver(historik.repo(), rel).size(); i < 1000; ++i) {
        Tekstfil::skriv(side, tekst(side, 1000 + i));
        historik.vent();
    }
    ur.restart();
    const int antal = int(Historik::udgaver(historik.repo(), rel).size());
    const double udgaver = sek(ur);
    const double gitLog =
        koer({"--git-dir=" + historik.repo(), "log", "--format=%H%x09%at", "--", rel});
    std::printf("versions of a page (%d): %.3f s, git log -- path: %.3f s, ratio %.2f\n", antal,
                udgaver, gitLog, udgaver / gitLog);

    // 4. Every day of the years saved 20 times.
    ur.restart();
    int commits = 0;
    for (int y = foersteAar; y < foersteAar + aar; ++y)
        for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1)) {
            const QString dag = dagside(bruger, d);
            // The bytes go to the history as a save reports them; the disk's own
            // writing would only make the run slower, not the repository different.
            const QStringList linjer = Tekstfil::laesLinjer(dag);
            for (int i = 0; i < 20; ++i) {
                QStringList l = linjer;
                l.insert(l.size() - 3 - i % 5,
                         QStringLiteral("<p>Tilføjet i udgave %1.</p>").arg(i));
                Historik::skrevet(
                    dag, Tekstfil::kod(l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                                       Tekstfil::Kodning::Ansi));
                historik.vent();
                ++commits;
            }
        }
    const double tid = sek(ur);
    historik.vent();
    const qint64 dagbog = [&] {
        qint64 n = 0;
        QDirIterator it(bruger + QStringLiteral("/Struktur"), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            n += it.fileInfo().size();
        }
        return n;
    }();
    std::printf("%d years saved 20 times a day: %d commits in %.0f s (%.1f ms each), "
                "repository %.1f MB, diary itself %.1f MB\n",
                aar, commits, tid, tid / commits * 1e3, Historik::stoerrelse(historik.repo()) / 1e6,
                dagbog / 1e6);
    const double gc = koer({"--git-dir=" + historik.repo(), "gc", "-q", "--aggressive"});
    std::printf("after git gc --aggressive (baseline, %.0f s): %.1f MB\n", gc,
                Historik::stoerrelse(historik.repo()) / 1e6);
    return 0;
}
