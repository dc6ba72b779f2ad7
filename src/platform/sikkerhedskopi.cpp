#include "sikkerhedskopi.h"

#include "core/rotation.h"
#include "programmappe.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace Sikkerhedskopi {

namespace {

const QString kommentarHoved = QStringLiteral("Dagbog sikkerhedskopi ");
// Beside the archives: the cache must never be part of what it describes.
const QString summerFil = QStringLiteral(".kontrolsummer.txt");

// The folders and files under `mappe`, named `praefiks` + their path below
// it, folders ending in '/'; `udenfor` says what to leave out.
void tilfoej(QList<Zipfil::Kilde> &ud, const QString &mappe, const QString &praefiks,
             const std::function<bool(const QString &)> &udenfor = {}) {
    ud.append({praefiks, QString()});
    QDirIterator it(mappe, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo f = it.fileInfo();
        if (!f.isDir() && !f.isFile()) continue;
        const QString navn = praefiks + f.filePath().mid(mappe.size() + 1) +
                             (f.isDir() ? QStringLiteral("/") : QString());
        if (!udenfor || !udenfor(navn)) ud.append({navn, f.isDir() ? QString() : f.filePath()});
    }
}

// A structure of the program folder exactly as it was delivered.
bool leveretUaendret(const QString &mappe, const QString &relativ,
                     const QHash<QString, QByteArray> &leverede, Kontrolsummer &summer) {
    bool nogen = false;
    QDirIterator it(mappe, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        const auto fundet = leverede.constFind(relativ + sti.mid(mappe.size()));
        if (fundet == leverede.cend() || *fundet != summer.sum(sti)) return false;
        nogen = true;
    }
    return nogen;
}

} // namespace

Kontrolsummer::Kontrolsummer(const QString &fil)
    : m_fil(fil) {
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return;
    while (!f.atEnd()) {
        const QList<QByteArray> dele = f.readLine().chopped(1).split(' ');
        if (dele.size() < 4) continue;
        Kendt k{dele[1].toLongLong(), dele[2].toLongLong(), dele[0]};
        m_gamle.insert(QString::fromUtf8(dele.mid(3).join(' ')), k);
    }
}

QByteArray Kontrolsummer::sum(const QString &sti) {
    const QFileInfo info(sti);
    const Kendt *k = nullptr;
    if (auto it = m_brugt.constFind(sti); it != m_brugt.cend())
        k = &*it;
    else if (auto it = m_gamle.constFind(sti); it != m_gamle.cend())
        k = &*it;
    const qint64 tid = info.lastModified().toMSecsSinceEpoch();
    if (k && k->stoerrelse == info.size() && k->tid == tid) {
        m_brugt.insert(sti, *k);
        return k->sum;
    }
    const QByteArray ny = Programmappe::kontrolsum(sti);
    ++m_laest;
    if (!ny.isEmpty()) m_brugt.insert(sti, {info.size(), tid, ny});
    return ny;
}

bool Kontrolsummer::gem() const {
    QByteArray ud;
    for (auto it = m_brugt.cbegin(); it != m_brugt.cend(); ++it)
        ud += it->sum + ' ' + QByteArray::number(it->stoerrelse) + ' ' +
              QByteArray::number(it->tid) + ' ' + it.key().toUtf8() + '\n';
    QSaveFile f(m_fil);
    return f.open(QIODevice::WriteOnly) && f.write(ud) == ud.size() && f.commit();
}

QList<Zipfil::Kilde> indhold(const QString &brugerDir, const QString &programDir,
                             Kontrolsummer &summer) {
    QList<Zipfil::Kilde> ud;
    if (QFileInfo(brugerDir + QStringLiteral("/Struktur")).isDir())
        tilfoej(ud, brugerDir + QStringLiteral("/Struktur"), QStringLiteral("Struktur/"));
    // Unsaved text is kept apart; it changes with every pause in typing.
    if (QFileInfo(brugerDir + QStringLiteral("/Egenskaber")).isDir())
        tilfoej(ud, brugerDir + QStringLiteral("/Egenskaber"), QStringLiteral("Egenskaber/"),
                [](const QString &navn) {
                    return navn.startsWith(QStringLiteral("Egenskaber/Gendan/"));
                });
    const QString strukturer = programDir + QStringLiteral("/Struktur");
    if (!programDir.isEmpty() && QFileInfo(strukturer).isDir()) {
        const QHash<QString, QByteArray> leverede = Programmappe::leverede(programDir);
        const QStringList navne = QDir(strukturer).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &navn : navne) {
            const QString mappe = strukturer + u'/' + navn;
            if (leveretUaendret(mappe, QStringLiteral("Struktur/") + navn, leverede, summer))
                continue;
            tilfoej(ud, mappe, QLatin1String(programPraefiks) + navn + u'/');
        }
    }
    std::sort(ud.begin(), ud.end(),
              [](const Zipfil::Kilde &a, const Zipfil::Kilde &b) { return a.navn < b.navn; });
    return ud;
}

QString fingeraftryk(const QList<Zipfil::Kilde> &indhold, Kontrolsummer &summer,
                     const std::atomic<bool> *afbryd) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const Zipfil::Kilde &k : indhold) {
        // The first backup of a large diary reads it all; "Spring over" may not wait for that.
        if (afbryd && afbryd->load()) return {};
        h.addData(k.navn.toUtf8());
        h.addData(QByteArrayView("\0", 1));
        if (!k.sti.isEmpty()) h.addData(summer.sum(k.sti));
    }
    return QString::fromLatin1(h.result().toHex());
}

QList<Arkiv> arkiver(const QString &kopiDir) {
    QList<Arkiv> ud;
    const QFileInfoList filer = QDir(kopiDir).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &f : filer) {
        const QDate d = Rotation::datoAfArkiv(f.fileName());
        if (d.isValid()) ud.append({f.filePath(), d, f.size()});
    }
    std::sort(ud.begin(), ud.end(), [](const Arkiv &a, const Arkiv &b) { return a.dato > b.dato; });
    return ud;
}

Resultat lav(const QString &brugerDir, const QString &programDir, const QString &kopiDir,
             const QDate &idag, const std::atomic<bool> *afbryd) {
    Resultat r;
    r.arkiv = Rotation::arkivnavn(idag);
    if (!QDir().mkpath(kopiDir) || !QFileInfo(kopiDir).isDir()) {
        r.fejl = QDir::toNativeSeparators(QDir::cleanPath(kopiDir)) +
                 QStringLiteral(": mappen kan ikke oprettes");
        return r;
    }
    Kontrolsummer summer(kopiDir + u'/' + summerFil);
    const QList<Zipfil::Kilde> poster = indhold(brugerDir, programDir, summer);
    const QString aftryk = fingeraftryk(poster, summer, afbryd);
    const QString kommentar = kommentarHoved + aftryk;
    r.laest = summer.laest();
    // A cache that cannot be written only costs time at the next backup; the
    // sums read before a skip are kept for it too.
    summer.gem();
    if (aftryk.isEmpty() || (afbryd && afbryd->load())) {
        r.udfald = Udfald::Sprunget;
        return r;
    }
    const QList<Arkiv> alle = arkiver(kopiDir);
    if (!alle.isEmpty() && Zipfil::kommentar(alle.first().sti) == kommentar) {
        r.udfald = Udfald::Uaendret;
    } else {
        const Zipfil::Skrivning s =
            Zipfil::skriv(kopiDir + u'/' + r.arkiv, poster, kommentar, afbryd);
        if (s.afbrudt) {
            r.udfald = Udfald::Sprunget;
            return r;
        }
        if (!s.fejl.isEmpty()) {
            r.fejl = s.fejl;
            return r;
        }
        r.udeladt = s.udeladt;
        r.udfald = Udfald::Lavet;
    }
    QList<QDate> datoer;
    for (const Arkiv &a : arkiver(kopiDir))
        datoer.append(a.dato);
    for (const QDate &d : Rotation::fjern(datoer, idag)) {
        const QString navn = Rotation::arkivnavn(d);
        if (QFile::remove(kopiDir + u'/' + navn)) r.fjernet.append(navn);
    }
    return r;
}

QList<Struktur> strukturer(const QString &arkiv) {
    QList<Zipfil::Post> poster;
    QList<Struktur> ud;
    if (!Zipfil::poster(arkiv, &poster)) return ud;
    for (const bool program : {false, true}) {
        const QString praefiks =
            program ? QLatin1String(programPraefiks) : QStringLiteral("Struktur/");
        QStringList navne;
        for (const Zipfil::Post &p : poster) {
            if (!p.navn.startsWith(praefiks)) continue;
            const QString rest = p.navn.mid(praefiks.size());
            const qsizetype skraa = rest.indexOf(u'/');
            if (skraa > 0 && !navne.contains(rest.left(skraa))) navne.append(rest.left(skraa));
        }
        std::sort(navne.begin(), navne.end());
        for (const QString &n : navne)
            ud.append({n, program, praefiks + n + u'/'});
    }
    return ud;
}

} // namespace Sikkerhedskopi
