// "På denne dag" for a date with ten earlier years of the generated diary,
// next to `cat` reading the same ten pages, taken in turn in the same run.
#include "core/kalender.h"
#include "core/minder.h"
#include "dagbogsgenerator.h"
#include "platform/dagbogsider.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int gentagelser = 15;

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

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString strukturDir = tmp.path() + QStringLiteral("/Struktur/");
    const QDate valgt(2024, 3, 5);
    for (int y = valgt.year() - 10; y < valgt.year(); ++y)
        Generator::aar(strukturDir, y);
    QStringList filer;
    for (const QDate &d : Minder::datoer(valgt, Dagbogsider::aar(strukturDir)))
        filer << Dagbogsider::sti(strukturDir, d);

    int listede = 0;
    std::vector<double> tCat, tMinder, forhold;
    for (int i = 0; i < gentagelser; ++i) {
        tCat.push_back(ms([&] {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.start(QStringLiteral("cat"), filer);
            p.waitForFinished(-1);
        }));
        tMinder.push_back(
            ms([&] { listede = int(Dagbogsider::minder(strukturDir, valgt).size()); }));
        forhold.push_back(tMinder.back() / tCat.back());
    }
    const double r = median(forhold);
    std::printf("På denne dag, %s, over %lld earlier years: %d pages listed\n",
                qPrintable(valgt.toString(Qt::ISODate)), qlonglong(filer.size()), listede);
    std::printf("%-34s %8.2f ms\n", "cat of the same ten pages", median(tCat));
    std::printf("%-34s %8.2f ms\n", "På denne dag (list the pages)", median(tMinder));
    std::printf("%-34s %8.2fx (goal at most 5x)\n", "ratio", r);
    std::printf("Medians of %d runs taken in turn; cat includes starting its process.\n",
                gentagelser);
    return listede == 10 && r <= 5 ? 0 : 1;
}
