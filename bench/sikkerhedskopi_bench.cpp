// Closing the program with an unchanged diary of 1 GB on a new day: the daily
// backup must find out that nothing changed. Measured against the way it was
// found out before (every file read and hashed in full), in the same run, on
// the same generated diary: twenty years of day pages and 1 GB of pictures
// in a temporary folder.
#include "dagbogsgenerator.h"
#include "platform/programmappe.h"
#include "platform/sikkerhedskopi.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 maal = qint64(1) << 30;

// The earlier fingerprint: the names and every byte of every file.
QString fuldtFingeraftryk(const QList<Zipfil::Kilde> &indhold) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const Zipfil::Kilde &k : indhold) {
        h.addData(k.navn.toUtf8());
        h.addData(QByteArrayView("\0", 1));
        if (k.sti.isEmpty()) continue;
        QFile f(k.sti);
        if (f.open(QIODevice::ReadOnly)) h.addData(&f);
        h.addData(QByteArray::number(f.size()));
    }
    return QString::fromLatin1(h.result().toHex());
}

double sekunder(const QElapsedTimer &t) {
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString rod = tmp.path();
    const QString program = rod + QStringLiteral("/Program");
    Programmappe::opdater(QStringLiteral(DAGBOG_DATA_DIR), program, true);
    const QString bruger = rod + QStringLiteral("/bruger");
    const QString strukturDir = bruger + QStringLiteral("/Struktur/");
    int sider = 0;
    for (int y = 2005; y <= 2024; ++y)
        sider += Generator::aar(strukturDir, y);
    qint64 bytes = 0;
    int billeder = 0;
    QByteArray billede(2 << 20, '\0');
    for (int y = 2005; bytes < maal; y = y == 2024 ? 2005 : y + 1) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(billede.data()),
                                              billede.size() / 4);
        Generator::skriv(strukturDir + strukturNavnFor(y) +
                             QStringLiteral("/Billeder/billede%1.jpg").arg(++billeder),
                         billede);
        bytes += billede.size();
    }
    std::printf("diary: %d pages, %d pictures, %.2f GB\n", sider, billeder, bytes / 1e9);

    const QString kopier = bruger + QStringLiteral("/Sikkerhedskopier");
    QElapsedTimer t;
    t.start();
    const Sikkerhedskopi::Resultat foerste =
        Sikkerhedskopi::lav(bruger, program, kopier, QDate(2025, 1, 1));
    std::printf("first backup (archive written, read back and checked): %.2f s, %d files read\n",
                sekunder(t), foerste.laest);

    // Closing on the next day, nothing changed: the archive's comment is compared.
    t.restart();
    const Sikkerhedskopi::Resultat anden =
        Sikkerhedskopi::lav(bruger, program, kopier, QDate(2025, 1, 2));
    const double nu = sekunder(t);
    t.restart();
    Sikkerhedskopi::Kontrolsummer tom(tmp.filePath(QStringLiteral("tom.txt")));
    const QString foer = fuldtFingeraftryk(Sikkerhedskopi::indhold(bruger, program, tom));
    const double tidligere = sekunder(t);
    std::printf("closing, unchanged diary, before (every byte read and hashed): %.3f s\n",
                tidligere);
    std::printf("closing, unchanged diary, now: %.3f s (%s, %d files read) = %.0f x faster\n", nu,
                anden.udfald == Sikkerhedskopi::Udfald::Uaendret ? "unchanged" : "NOT unchanged",
                anden.laest, tidligere / nu);

    // One page changed: only that page is read again.
    Generator::skriv(strukturDir + QStringLiteral("Dagbog 2024/tekstfiler/03 05 Tirsdag.html"),
                     Generator::side(QStringLiteral("03 05 Tirsdag"), QStringLiteral("x"), 1));
    t.restart();
    Sikkerhedskopi::Kontrolsummer summer(kopier + QStringLiteral("/.kontrolsummer.txt"));
    Sikkerhedskopi::fingeraftryk(Sikkerhedskopi::indhold(bruger, program, summer), summer);
    std::printf("one page changed, finding out: %.3f s, %d file read (digest %s)\n", sekunder(t),
                summer.laest(), qPrintable(foer.left(8)));
    return anden.udfald == Sikkerhedskopi::Udfald::Uaendret ? 0 : 1;
}
