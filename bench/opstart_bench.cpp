// Start of the real dagbog binary to its main window drawn, with a full current
// year (a returning user), next to a bare Qt window with one web view showing a
// local page; and the
// memory (resident set) of the main process with three editor windows open,
// next to that bare window. Each figure is measured in child processes of this
// one, taken in turn.
#include "app/vinduer.h"
#include "dagbogsgenerator.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

namespace {

QElapsedTimer &ur() {
    static QElapsedTimer u;
    return u;
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void meld(const char *hvad, double tal) {
    std::printf("%s %.1f\n", hvad, tal);
    std::fflush(stdout);
}

// The baseline: one window, one web view, one local page.
int bar(const QString &side, bool hukommelse) {
    QMainWindow w;
    auto *v = new QWebEngineView(&w);
    w.setCentralWidget(v);
    w.resize(889, 930);
    QObject::connect(v, &QWebEngineView::loadFinished, [&] {
        QTimer::singleShot(0, [&] {
            if (hukommelse)
                QTimer::singleShot(2000, [] {
                    meld("RSS", rssKb());
                    QCoreApplication::quit();
                });
            else {
                meld("VIST", ur().nsecsElapsed() / 1e6);
                QCoreApplication::quit();
            }
        });
    });
    v->load(QUrl::fromLocalFile(side));
    w.show();
    return QApplication::exec();
}

// The program's windows as main() makes them, with three pages open: the memory.
int dagbogHukommelse() {
    Dialoger::Test::slaaTil(true);
    opretVinduer();
    QTimer::singleShot(0, [] {
        const QDate i = QDate::currentDate();
        for (const QDate &d : {i, i.addDays(-1), i.addDays(-2)})
            mainform->aabnDato(d);
        // Time for the three previews to load and settle.
        QTimer::singleShot(4000, [] {
            meld("VINDUER", mainform->editorVinduer().size());
            meld("RSS", rssKb());
            QCoreApplication::quit();
        });
    });
    const int r = QApplication::exec();
    nedlaegVinduer();
    return r;
}

struct Svar {
    double vist = -1, rss = -1, vinduer = -1;
    double internVist = -1; // as the child itself counts from its main()
};

// This program with the arguments, or (program given) the real Dagbog binary
// as a user starts it, up to its main window drawn.
Svar koer(const QStringList &argumenter, const QString &rod,
          const QString &program = QCoreApplication::applicationFilePath()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DAGBOG_ROOT"), rod);
    env.insert(QStringLiteral("DAGBOG_STARTMAALING"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer u;
    u.start();
    p.start(program, argumenter);
    Svar s;
    while (p.state() != QProcess::NotRunning || p.canReadLine()) {
        if (!p.canReadLine() && !p.waitForReadyRead(60000)) break;
        while (p.canReadLine()) {
            const QList<QByteArray> l = p.readLine().trimmed().split(' ');
            if (l.size() == 1 && l[0] == "VIST") s.vist = u.nsecsElapsed() / 1e6;
            if (l.size() < 2) continue;
            if (l[0] == "VIST") {
                s.vist = u.nsecsElapsed() / 1e6; // from the start of the process
                s.internVist = l[1].toDouble();
            }
            if (l[0] == "RSS") s.rss = l[1].toDouble();
            if (l[0] == "VINDUER") s.vinduer = l[1].toDouble();
        }
    }
    p.waitForFinished(60000);
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    ur().start();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    const bool hukommelse = a.contains(QStringLiteral("--hukommelse"));
    if (a.contains(QStringLiteral("--bar"))) return bar(a.last(), hukommelse);
    if (a.contains(QStringLiteral("--dagbog"))) return dagbogHukommelse();

    // --lav MAPPE: only the generated root, for profiling a start by hand.
    if (a.size() == 3 && a[1] == QLatin1String("--lav")) {
        Generator::aar(Generator::rod(a[2]), QDate::currentDate().year());
        return 0;
    }
    // --par N: more pairs, for a steadier median on a busy machine; --program FIL:
    // another build of dagbog (an older one, to compare in the same period).
    const qsizetype parIndeks = a.indexOf(QStringLiteral("--par"));
    const int par = parIndeks > 0 ? std::max(1, a.value(parIndeks + 1).toInt()) : 5;
    const qsizetype programIndeks = a.indexOf(QStringLiteral("--program"));
    const QString program =
        programIndeks > 0 ? a.value(programIndeks + 1) : QStringLiteral(DAGBOG_PROGRAM);
    QTemporaryDir tmp;
    const QString strukturDir = Generator::rod(tmp.path());
    const int sider = Generator::aar(strukturDir, QDate::currentDate().year());
    const QString side = strukturDir + strukturNavnFor(QDate::currentDate().year()) +
                         QStringLiteral("/tekstfiler/") + dagElementNavn(QDate::currentDate()) +
                         QStringLiteral(".html");
    std::printf("Current year: %d pages. %d pairs, taken in turn.\n\n", sider, par);

    std::vector<double> tb, td, r;
    for (int i = 0; i < par; ++i) {
        const Svar b = koer({QStringLiteral("--bar"), side}, tmp.path());
        const Svar d = koer({}, tmp.path(), program);
        tb.push_back(b.vist);
        td.push_back(d.vist);
        r.push_back(d.vist / b.vist);
        std::printf("  pair %d: bare %.0f ms (%.0f in main), dagbog %.0f ms, ratio %.2fx\n", i + 1,
                    b.vist, b.internVist, d.vist, d.vist / b.vist);
    }
    std::printf("Start to window shown: bare web view %.0f ms, the dagbog binary %.0f ms, ratio "
                "%.2fx (medians)\n\n",
                median(tb), median(td), median(r));

    const Svar b =
        koer({QStringLiteral("--bar"), QStringLiteral("--hukommelse"), side}, tmp.path());
    const Svar d = koer({QStringLiteral("--dagbog"), QStringLiteral("--hukommelse")}, tmp.path());
    std::printf("Resident memory of the main process: bare web view %.0f MB, Dagbog with %.0f "
                "editor windows %.0f MB, ratio %.2fx\n",
                b.rss / 1024, d.vinduer, d.rss / 1024, d.rss / b.rss);
    return 0;
}
