#include "ikoner.h"

// The resource lives in a static library: nothing would pull it into the
// program without this explicit start, which must sit outside any namespace.
static void startRessourcer() {
    static const bool startet = [] {
        Q_INIT_RESOURCE(ikoner);
        return true;
    }();
    Q_UNUSED(startet);
}

namespace Ikoner {

QString sti(const QString &navn) {
    startRessourcer();
    return QStringLiteral(":/ikoner/") + navn;
}

QList<QIcon> trae(int liste) {
    // The alternative list shares the pictures whose meaning is the same.
    static const char *const alternativ[10] = {"ikon-4", "ikon-8", "ikon-5", "ikon-9", "vbs-4",
                                               "vbs-5",  "vbs-6",  "vbs-7",  "vbs-8",  "ikon-9"};
    QList<QIcon> ud;
    for (int k = 0; k < 10; ++k) {
        const QString navn =
            liste == 1 ? QString::fromLatin1(alternativ[k]) : QStringLiteral("ikon-%1").arg(k);
        ud.append(QIcon(sti(QStringLiteral("trae/") + navn + QStringLiteral(".svg"))));
    }
    return ud;
}

QIcon program() {
    QIcon ikon;
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256})
        ikon.addFile(sti(QStringLiteral("dagbog-%1.png").arg(n)), QSize(n, n));
    return ikon;
}

} // namespace Ikoner
