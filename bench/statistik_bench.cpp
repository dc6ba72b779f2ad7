// The statistics of the generated diary (one year, and all ten years) counted
// by the words rule, next to `sed 's/<[^>]*>//g' | wc -w` over the same pages in
// the same run; and a second opening, which reuses the counts kept per page.
#include "core/kalender.h"
#include "core/statistik.h"
#include "dagbogsgenerator.h"
#include "platform/dagbogsider.h"
#include "platform/sidetaelling.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double ms(const std::function<void()> &f) {
    QElapsedTimer ur;
    ur.start();
    f();
    return ur.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void sedWc(const QStringList &mapper) {
    QStringList filer;
    for (const QString &m : mapper)
        filer << m + QStringLiteral("/*.html");
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"),
             QStringLiteral("sed 's/<[^>]*>//g' ") +
                 filer.replaceInStrings(QStringLiteral(" "), QStringLiteral("\\ ")).join(u' ') +
                 QStringLiteral(" | wc -w")});
    p.waitForFinished(-1);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    qputenv("XDG_CACHE_HOME", (tmp.path() + QStringLiteral("/cache")).toUtf8());
    const QString strukturDir = tmp.path() + QStringLiteral("/Struktur/");
    const QDate idag(2024, 1, 1);
    for (int y = 2014; y <= 2023; ++y)
        Generator::aar(strukturDir, y);
    const auto tael = [&](const QList<int> &aar) {
        for (const int y : aar)
            Statistik::opsummer(y, Sidetaelling::aar(strukturDir, y), {}, idag);
    };
    const auto fjernCache = [&] {
        Sidetaelling::glem();
        QDir(tmp.path() + QStringLiteral("/cache")).removeRecursively();
    };
    bool ok = true;
    std::printf("%-12s %10s %12s %8s %14s %14s\n", "pages", "sed|wc ms", "first ms", "ratio",
                "again mem ms", "again file ms");
    for (const QList<int> &aar : {QList<int>{2023}, Dagbogsider::aar(strukturDir)}) {
        QStringList mapper;
        for (const int y : aar)
            mapper << strukturDir + strukturNavnFor(y) + QStringLiteral("/tekstfiler");
        std::vector<double> tSed, tFoerst, forhold, tHuk, tFil;
        for (int i = 0; i < 5; ++i) {
            tSed.push_back(ms([&] { sedWc(mapper); }));
            fjernCache();
            tFoerst.push_back(ms([&] { tael(aar); }));
            forhold.push_back(tFoerst.back() / tSed.back());
            tHuk.push_back(ms([&] { tael(aar); }));
            Sidetaelling::glem();
            tFil.push_back(ms([&] { tael(aar); }));
        }
        const double r = median(forhold), foerst = median(tFoerst);
        std::printf("%-12s %10.1f %12.1f %7.2fx %14.1f %14.1f\n",
                    aar.size() == 1 ? "one year" : "ten years", median(tSed), foerst, r,
                    median(tHuk), median(tFil));
        ok = ok && r <= 3 && median(tHuk) < foerst / 10 && median(tFil) < foerst / 10;
    }
    std::printf("Medians of 5 runs taken in turn; sed|wc includes starting its processes.\n"
                "\"again\": a second opening, from memory and (after forgetting it) from the\n"
                "cache file; goals: first at most 3x sed|wc, again under a tenth of the first.\n");
    return ok ? 0 : 1;
}
