// Child of the kill-safe save test, saving with the program's own functions.
//   gemmebarn loop KILDE MAAL        prints "klar", then saves version 1, 0, 1, ... until killed
//   gemmebarn fuld KILDE MAAL BYTES  saves version 1 once under a file-size limit and prints
//                                    the results and the error boxes shown
#include "gemmeindhold.h"
#include "platform/dialoger.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/resource.h>

int main(int argc, char **argv) {
    // A test that stops half-way leaves no child saving on its own.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() < 4) return 2;
    const QString kilde = arg[2], maal = arg[3];
    const QString side = maal + QStringLiteral("/side.htm");
    TRichEdit editor[2];
    TStruktur trae[2];
    for (int v = 0; v < 2; ++v) {
        editor[v].setText(Gemmeindhold::sideTekst(v));
        Gemmeindhold::hentTrae(trae[v], kilde + QStringLiteral("/v%1").arg(v), maal);
    }
    if (arg[1] == QLatin1String("loop")) {
        std::puts("klar");
        std::fflush(stdout);
        for (int v = 1;; v = 1 - v) {
            editor[v].SaveToFile(side);
            trae[v].GemStruktur();
        }
    }
    if (arg[1] != QLatin1String("fuld") || arg.size() < 5) return 2;
    // A write past the limit then fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t graense = arg[4].toULongLong();
    const rlimit r{graense, graense};
    if (setrlimit(RLIMIT_FSIZE, &r) != 0) return 3;
    Dialoger::Test::slaaTil(true);
    const bool sideGemt = Dialoger::kommando([&] { editor[1].SaveToFile(side); });
    const bool traeGemt = Dialoger::kommando([&] { trae[1].GemStruktur(); });
    std::printf("%d %d\n", sideGemt, traeGemt);
    for (const QString &t : Dialoger::Test::vist())
        std::puts(t.toUtf8().constData());
    return 0;
}
