// The search page's whole-word search of a diary year and of ten years, next
// to `grep -rlwi` over the same folder, with the hits of both compared; and
// the way it searched before (each page loaded into the hidden editor).
#include "app/vinduer.h"
#include "controls/struktur.h"
#include "dagbogsgenerator.h"
#include "forms/find.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int gentagelser = 7;

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

// The two taken in turn, so a busy machine weighs on both alike.
struct Par {
    double a, b, forhold;
};
Par parvis(const std::function<void()> &a, const std::function<void()> &b) {
    std::vector<double> ta, tb, r;
    for (int i = 0; i < gentagelser; ++i) {
        ta.push_back(ms(a));
        tb.push_back(ms(b));
        r.push_back(tb.back() / ta.back());
    }
    return {median(ta), median(tb), median(r)};
}

QSet<QString> grep(const QString &ord, const QStringList &mapper) {
    QProcess p;
    p.start(QStringLiteral("grep"), QStringList{QStringLiteral("-rlwi"), ord} + mapper);
    p.waitForFinished(-1);
    QSet<QString> filer;
    for (const QByteArray &l : p.readAllStandardOutput().split('\n'))
        if (!l.isEmpty()) filer.insert(QDir::cleanPath(QString::fromLocal8Bit(l)));
    return filer;
}

// Every hit as the path of the page it opens.
QSet<QString> fund() {
    QSet<QString> s;
    for (int i = 0; i < mainform->Findis->count(); ++i)
        s.insert(QDir::cleanPath(mainform->Findis->item(i)->data(Qt::UserRole + 1).toString()));
    return s;
}

// Before: each file loaded into the hidden editor and searched there.
int medEditoren(const QString &mappe, const QString &ord) {
    int n = 0;
    QDirIterator it(mappe, QDir::Files);
    while (it.hasNext()) {
        editform->RE->LoadFromFile(it.next());
        if (editform->RE->FindText(ord, 0, editform->RE->document()->characterCount(), true,
                                   true) >= 0)
            ++n;
    }
    return n;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString strukturDir = Generator::rod(tmp.path());
    const int iAar = QDate::currentDate().year();
    int sider = 0;
    for (int y = iAar - 9; y <= iAar; ++y)
        sider += Generator::aar(strukturDir, y);
    const QString aarsmappe = strukturDir + strukturNavnFor(iAar) + QStringLiteral("/tekstfiler/");
    QStringList alleMapper;
    for (int y = iAar - 9; y <= iAar; ++y)
        alleMapper << strukturDir + strukturNavnFor(y) + QStringLiteral("/tekstfiler");
    qputenv("DAGBOG_ROOT", tmp.path().toUtf8());
    Dialoger::Test::slaaTil(true);
    opretVinduer();
    mainform->FormActivate();
    std::printf("Diary: ten years, %d pages; this year %lld pages\n", sider,
                qlonglong(QDir(aarsmappe).entryList(QDir::Files).size()));

    bool ensFund = true;
    std::printf("\n%-10s %-9s %6s %10s %10s %8s %14s\n", "word", "folder", "hits", "grep ms",
                "search ms", "ratio", "before ms");
    for (const QString &ord : {QStringLiteral("Sejltur"), QStringLiteral("tirsdag"),
                               QStringLiteral("Hvidovre"), QStringLiteral("div")}) {
        for (const bool alle : {false, true}) {
            const QStringList mapper = alle ? alleMapper : QStringList{aarsmappe};
            mainform->AlleAarCheck->setChecked(alle);
            const Par p = parvis([&] { grep(ord, mapper); }, [&] { mainform->FindTekst(ord); });
            const bool ens = fund() == grep(ord, mapper);
            ensFund = ensFund && ens;
            // The old way only ever searched one folder; ten years of it take long.
            double f = -1;
            if (!alle) {
                std::vector<double> t;
                for (int i = 0; i < 3; ++i)
                    t.push_back(ms([&] { medEditoren(aarsmappe, ord); }));
                f = median(t);
            }
            std::printf("%-10s %-9s %6lld %10.1f %10.1f %7.2fx %14s%s\n", qPrintable(ord),
                        alle ? "ten years" : "one year", qlonglong(mainform->Findis->count()), p.a,
                        p.b, p.forhold, f < 0 ? "-" : qPrintable(QString::number(f, 'f', 1)),
                        ens ? "" : "  HITS DIFFER FROM GREP");
        }
    }
    std::printf("\nMedians of %d runs taken in turn (ratio: median of the pairs' ratios);\n"
                "grep includes starting its process. \"before\": each page loaded into the\n"
                "hidden editor and searched there, as the search page did before.\n",
                gentagelser);
    nedlaegVinduer();
    return ensFund ? 0 : 1;
}
