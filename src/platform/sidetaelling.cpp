#include "sidetaelling.h"

#include "core/kalender.h"
#include "dagbogsider.h"
#include "tekstfil.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

namespace Sidetaelling {

namespace {

struct Post {
    qint64 stoerrelse = -1;
    qint64 tid = 0;
    Statistik::Sidetal tal;
};
using Poster = QHash<QString, Post>; // by file name

constexpr quint32 maerke = 0x44475354; // "DGST"
constexpr quint32 udgave = 1;

QHash<QString, Poster> &hukommelse() {
    static QHash<QString, Poster> h;
    return h;
}

QDataStream &operator<<(QDataStream &s, const Post &p) {
    return s << p.stoerrelse << p.tid << qint32(p.tal.ord) << qint32(p.tal.billeder)
             << p.tal.hyppighed;
}
QDataStream &operator>>(QDataStream &s, Post &p) {
    qint32 ord = 0, billeder = 0;
    s >> p.stoerrelse >> p.tid >> ord >> billeder >> p.tal.hyppighed;
    p.tal.ord = ord;
    p.tal.billeder = billeder;
    return s;
}

Poster laesCache(const QString &fil) {
    Poster p;
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return p;
    QDataStream s(&f);
    quint32 m = 0, u = 0;
    s >> m >> u;
    if (m != maerke || u != udgave) return p;
    s >> p;
    // A damaged file is counted anew rather than trusted.
    if (s.status() != QDataStream::Ok) p.clear();
    return p;
}

void skrivCache(const QString &fil, const Poster &p) {
    QDir().mkpath(QFileInfo(fil).path());
    QSaveFile f(fil);
    if (!f.open(QIODevice::WriteOnly)) return;
    QDataStream s(&f);
    s << maerke << udgave << p;
    f.commit(); // a cache that cannot be written is only slower next time
}

} // namespace

QString cachefil(const QString &strukturDir, int aar) {
    const QString mappe = QFileInfo(strukturDir + strukturNavnFor(aar)).absoluteFilePath();
    const QByteArray noegle =
        QCryptographicHash::hash(mappe.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/dagbog/sidetal-") + QString::fromLatin1(noegle) +
           QStringLiteral(".bin");
}

QMap<QDate, Statistik::Sidetal> aar(const QString &strukturDir, int aar) {
    const QString mappe = strukturDir + strukturNavnFor(aar) + QStringLiteral("/tekstfiler/");
    const QString fil = cachefil(strukturDir, aar);
    auto fundet = hukommelse().find(fil);
    if (fundet == hukommelse().end()) fundet = hukommelse().insert(fil, laesCache(fil));
    Poster &gemte = *fundet;
    Poster nye;
    bool aendret = false;
    QMap<QDate, Statistik::Sidetal> ud;
    const QFileInfoList filer =
        QDir(mappe).entryInfoList({QStringLiteral("*.html")}, QDir::Files, QDir::NoSort);
    for (const QFileInfo &f : filer) {
        const QString navn = f.fileName();
        const QDate d = dagElementDato(aar, QStringView(navn).chopped(5));
        if (!d.isValid()) continue;
        const qint64 tid = f.lastModified().toMSecsSinceEpoch();
        Post p = gemte.value(navn);
        if (p.stoerrelse != f.size() || p.tid != tid) {
            const auto side = Dagbogsider::laes(f.filePath());
            if (!side) continue;
            p = {f.size(), tid, Statistik::taelSide(*side)};
            aendret = true;
        }
        ud.insert(d, p.tal);
        nye.insert(navn, std::move(p));
    }
    aendret = aendret || nye.size() != gemte.size();
    if (aendret) {
        gemte = std::move(nye);
        skrivCache(fil, gemte);
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
