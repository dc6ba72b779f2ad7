#include "sidetaelling.h"

#include "core/kalender.h"
#include "dagbogsider.h"
#include "tekstfil.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

namespace Sidetaelling {

namespace {

// A page as it was counted; its word frequencies are kept apart (below).
struct Side {
    qint64 stoerrelse = -1;
    qint64 tid = 0;
    qint32 ord = 0, billeder = 0;
};

// A year's pages by file name, their frequencies summed, and each page's own
// frequencies. An unchanged year needs only the first two; the third, the bulk
// of the file, is read only when a page has to be counted again.
struct Aarspost {
    QHash<QString, Side> sider;
    QHash<QString, int> sum;
    QHash<QString, QHash<QString, int>> hyppighed;
    bool helt = false; // hyppighed holds every page
};

constexpr quint32 maerke = 0x44475354; // "DGST"
constexpr quint32 udgave = 2;

QHash<QString, Aarspost> &hukommelse() {
    static QHash<QString, Aarspost> h;
    return h;
}

QDataStream &operator<<(QDataStream &s, const Side &p) {
    return s << p.stoerrelse << p.tid << p.ord << p.billeder;
}
QDataStream &operator>>(QDataStream &s, Side &p) {
    return s >> p.stoerrelse >> p.tid >> p.ord >> p.billeder;
}

// A damaged or older file gives an empty year, counted anew rather than trusted.
Aarspost laesCache(const QString &fil, bool helt) {
    Aarspost p;
    p.helt = true;
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return p;
    QDataStream s(&f);
    quint32 m = 0, u = 0;
    s >> m >> u;
    if (m != maerke || u != udgave) return p;
    s >> p.sider >> p.sum;
    if (helt) s >> p.hyppighed;
    if (s.status() != QDataStream::Ok) return Aarspost{{}, {}, {}, true};
    p.helt = helt;
    return p;
}

void skrivCache(const QString &fil, const Aarspost &p) {
    QDir().mkpath(QFileInfo(fil).path());
    QSaveFile f(fil);
    if (!f.open(QIODevice::WriteOnly)) return;
    QDataStream s(&f);
    s << maerke << udgave << p.sider << p.sum << p.hyppighed;
    f.commit(); // a cache that cannot be written is only slower next time
}

struct Fil {
    QString navn;
    QDate dato;
    qint64 stoerrelse, tid;
};

} // namespace

QString cachefil(const QString &strukturDir, int aar) {
    const QString mappe = QFileInfo(strukturDir + strukturNavnFor(aar)).absoluteFilePath();
    const QByteArray noegle =
        QCryptographicHash::hash(mappe.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/dagbog/sidetal-") + QString::fromLatin1(noegle) +
           QStringLiteral(".bin");
}

Statistik::Aarstal aar(const QString &strukturDir, int aar) {
    const QString mappe = strukturDir + strukturNavnFor(aar) + QStringLiteral("/tekstfiler/");
    const QString cache = cachefil(strukturDir, aar);
    auto fundet = hukommelse().find(cache);
    if (fundet == hukommelse().end()) fundet = hukommelse().insert(cache, laesCache(cache, false));
    Aarspost &gemt = *fundet;

    QList<Fil> filer;
    bool aendret = false;
    QDirIterator it(mappe, {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QFileInfo f = it.fileInfo();
        const QString navn = f.fileName();
        const QDate d = dagElementDato(aar, QStringView(navn).chopped(5));
        if (!d.isValid()) continue;
        filer.append({navn, d, f.size(), f.lastModified().toMSecsSinceEpoch()});
        const auto g = gemt.sider.constFind(navn);
        aendret = aendret || g == gemt.sider.cend() || g->stoerrelse != filer.last().stoerrelse ||
                  g->tid != filer.last().tid;
    }
    aendret = aendret || filer.size() != gemt.sider.size();

    if (aendret) {
        if (!gemt.helt) gemt = laesCache(cache, true);
        Aarspost nye;
        nye.helt = true;
        for (const Fil &f : filer) {
            Side s = gemt.sider.value(f.navn);
            QHash<QString, int> h = gemt.hyppighed.value(f.navn);
            if (s.stoerrelse != f.stoerrelse || s.tid != f.tid) {
                const auto side = Dagbogsider::laes(mappe + f.navn);
                if (!side) continue;
                const Statistik::Sidetal t = Statistik::taelSide(*side);
                s = {f.stoerrelse, f.tid, t.ord, t.billeder};
                h = t.hyppighed;
            }
            for (auto i = h.cbegin(); i != h.cend(); ++i)
                nye.sum[i.key()] += *i;
            nye.sider.insert(f.navn, s);
            nye.hyppighed.insert(f.navn, std::move(h));
        }
        gemt = std::move(nye);
        skrivCache(cache, gemt);
    }

    Statistik::Aarstal ud;
    ud.hyppighed = gemt.sum;
    for (const Fil &f : filer) {
        const auto s = gemt.sider.constFind(f.navn);
        if (s != gemt.sider.cend()) ud.dage.insert(f.dato, {s->ord, s->billeder, {}});
    }
    return ud;
}

void glem() {
    hukommelse().clear();
}

QSet<QString> stopord(const QString &programDir) {
    QSet<QString> ud;
    try {
        for (const QString &l :
             Tekstfil::laesLinjer(programDir + QStringLiteral("/Dir/Stopord.txt")))
            if (!l.trimmed().isEmpty()) ud.insert(l.trimmed().toLower());
    } catch (const Tekstfil::FilFejl &) {
        // Without the list the words used most include the small words too.
    }
    return ud;
}

} // namespace Sidetaelling
