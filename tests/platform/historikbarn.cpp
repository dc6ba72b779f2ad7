// Child of the history's kill test: saves a page and commits it, over and over.
//   historikbarn BRUGER   prints "klar", then for each save the commit that holds it
#include "platform/historik.h"
#include "platform/tekstfil.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

int main(int argc, char **argv) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString bruger = QString::fromLocal8Bit(argv[1]);
    const QString side =
        bruger + QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html");
    THistorik h(bruger, QStringLiteral("Barn"));
    h.start();
    h.vent();
    std::puts("klar");
    std::fflush(stdout);
    for (int i = 0;; ++i) {
        // Two files per action, and a new one now and then: trees change at several levels.
        Tekstfil::skrivAlle(
            {{side, {QStringLiteral("<p>Udgave %1</p>").arg(i)}},
             {bruger + QStringLiteral("/Struktur/Dagbog 2024/tekstfiler/%1.html").arg(i % 50),
              {QString::number(i)}}});
        h.vent();
        std::printf("%s\n", qPrintable(Historik::nyeste(h.repo())));
        std::fflush(stdout);
    }
}
