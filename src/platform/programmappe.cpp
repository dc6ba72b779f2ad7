#include "programmappe.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

namespace Programmappe {

namespace {

QByteArray stempel(const QString &mappe) {
    QFile f(mappe + u'/' + QLatin1String(udgaveFil));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

bool skrivFil(const QString &sti, const QByteArray &data) {
    if (!QDir().mkpath(QFileInfo(sti).path())) return false;
    QSaveFile f(sti);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

// A structure's tree and data file are one unit; every other file is its own.
QString enhed(const QString &relativ) {
    const QString navn = QFileInfo(relativ).fileName();
    if (navn == QLatin1String("struktur.txt") || navn == QLatin1String("data.txt"))
        return relativ.left(relativ.size() - navn.size());
    return relativ;
}

} // namespace

QString installeretKopi() {
    const QString kopi = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../share/dagbog/Program"));
    return QFileInfo::exists(kopi + QStringLiteral("/Dir")) ? kopi : QString();
}

QByteArray kontrolsum(const QString &sti) {
    QFile f(sti);
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !h.addData(&f)) return {};
    return h.result().toHex();
}

bool gemLeverede(const QString &programDir, const QHash<QString, QByteArray> &liste) {
    QStringList navne = liste.keys();
    navne.sort();
    QByteArray ud;
    for (const QString &navn : std::as_const(navne))
        ud += liste.value(navn) + ' ' + navn.toUtf8() + '\n';
    return skrivFil(programDir + u'/' + QLatin1String(leveretFil), ud);
}

QHash<QString, QByteArray> leverede(const QString &programDir) {
    QHash<QString, QByteArray> ud;
    QFile f(programDir + u'/' + QLatin1String(leveretFil));
    if (!f.open(QIODevice::ReadOnly)) return ud;
    while (!f.atEnd()) {
        const QByteArray linje = f.readLine().chopped(1);
        const qsizetype mellem = linje.indexOf(' ');
        if (mellem > 0) ud.insert(QString::fromUtf8(linje.mid(mellem + 1)), linje.left(mellem));
    }
    return ud;
}

Opdatering opdater(const QString &fra, const QString &til, bool altid) {
    Opdatering r;
    if (fra.isEmpty() || !QFileInfo(fra).isDir()) return r;
    const QByteArray nyt = stempel(fra);
    const bool findes = QFileInfo(til).isDir();
    if (findes && !altid && (nyt.isEmpty() || stempel(til) == nyt)) return r;
    if (!QDir().mkpath(til)) {
        r.fejl = true;
        return r;
    }
    r.kopieret = true;

    // The delivered files, by the unit they are replaced in.
    QMap<QString, QStringList> enheder;
    const QDir kilde(fra);
    QDirIterator it(fra, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relativ = kilde.relativeFilePath(it.next());
        if (relativ == QLatin1String(udgaveFil) || relativ == QLatin1String(leveretFil)) continue;
        enheder[enhed(relativ)].append(relativ);
    }

    QHash<QString, QByteArray> liste = leverede(til);
    for (const QStringList &filer : std::as_const(enheder)) {
        struct Fil {
            QString relativ;
            QByteArray data, sum;
            bool ens;
        };
        QList<Fil> nye;
        bool egen = false; // the user changed a file of this unit
        for (const QString &relativ : filer) {
            QFile f(fra + u'/' + relativ);
            if (!f.open(QIODevice::ReadOnly)) {
                r.fejl = true;
                continue;
            }
            Fil n{relativ, f.readAll(), {}, false};
            n.sum = QCryptographicHash::hash(n.data, QCryptographicHash::Sha256).toHex();
            const QString maal = til + u'/' + relativ;
            if (QFileInfo::exists(maal)) {
                const QByteArray har = kontrolsum(maal);
                n.ens = har == n.sum;
                if (!n.ens && liste.value(relativ) != har) egen = true;
            }
            nye.append(n);
        }
        for (const Fil &n : std::as_const(nye)) {
            if (n.ens) {
                liste.insert(n.relativ, n.sum);
            } else if (!egen) {
                if (skrivFil(til + u'/' + n.relativ, n.data))
                    liste.insert(n.relativ, n.sum);
                else
                    r.fejl = true;
            } else if (liste.value(n.relativ) != n.sum) {
                // Outside Struktur/, so the information search does not list it.
                if (!skrivFil(til + u'/' + QLatin1String(nyeUdgaver) + u'/' + n.relativ, n.data))
                    r.fejl = true;
                if (QFileInfo::exists(til + u'/' + n.relativ)) r.beholdt.append(n.relativ);
            }
        }
    }
    r.beholdt.sort();
    if (!gemLeverede(til, liste)) r.fejl = true;
    // The stamp last: after a failure the next start tries again.
    if (!r.fejl && !nyt.isEmpty())
        r.fejl = !skrivFil(til + u'/' + QLatin1String(udgaveFil), nyt + '\n');
    return r;
}

} // namespace Programmappe
