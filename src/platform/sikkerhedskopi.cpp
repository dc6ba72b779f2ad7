#include "sikkerhedskopi.h"

#include "core/rotation.h"
#include "zipfil.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Sikkerhedskopi {

namespace {

const QString kommentarHoved = QStringLiteral("Dagbog sikkerhedskopi ");

} // namespace

QStringList indhold(const QString &brugerDir) {
    QStringList ud;
    const QString gendan = QStringLiteral("Egenskaber/Gendan/");
    for (const QString &top : {QStringLiteral("Struktur"), QStringLiteral("Egenskaber")}) {
        const QString start = brugerDir + u'/' + top;
        if (!QFileInfo(start).isDir()) continue;
        ud.append(top + u'/');
        QDirIterator it(start, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo f = it.fileInfo();
            QString rel = f.filePath().mid(brugerDir.size() + 1);
            if (f.isDir()) rel += u'/';
            // Unsaved text is kept apart; it changes with every pause in typing.
            if (rel.startsWith(gendan) || rel == gendan) continue;
            if (f.isDir() || f.isFile()) ud.append(rel);
        }
    }
    std::sort(ud.begin(), ud.end());
    return ud;
}

QString fingeraftryk(const QString &brugerDir, const QStringList &indhold) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString &navn : indhold) {
        h.addData(navn.toUtf8());
        h.addData(QByteArrayView("\0", 1));
        if (navn.endsWith(u'/')) continue;
        QFile f(brugerDir + u'/' + navn);
        if (f.open(QIODevice::ReadOnly)) h.addData(&f);
        h.addData(QByteArray::number(f.size()));
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

Resultat lav(const QString &brugerDir, const QString &kopiDir, const QDate &idag) {
    Resultat r;
    r.arkiv = Rotation::arkivnavn(idag);
    if (!QDir().mkpath(kopiDir) || !QFileInfo(kopiDir).isDir()) return r;
    const QStringList poster = indhold(brugerDir);
    const QString kommentar = kommentarHoved + fingeraftryk(brugerDir, poster);
    const QList<Arkiv> alle = arkiver(kopiDir);
    if (!alle.isEmpty() && Zipfil::kommentar(alle.first().sti) == kommentar) {
        r.udfald = Udfald::Uaendret;
    } else {
        if (!Zipfil::skriv(kopiDir + u'/' + r.arkiv, brugerDir, poster, kommentar)) return r;
        r.udfald = Udfald::Lavet;
    }
    QList<QDate> datoer;
    for (const Arkiv &a : arkiver(kopiDir))
        datoer.append(a.dato);
    for (const QDate &d : Rotation::fjern(datoer)) {
        const QString navn = Rotation::arkivnavn(d);
        if (QFile::remove(kopiDir + u'/' + navn)) r.fjernet.append(navn);
    }
    return r;
}

QStringList strukturer(const QString &arkiv) {
    QList<Zipfil::Post> poster;
    QStringList ud;
    if (!Zipfil::poster(arkiv, &poster)) return ud;
    const QString praefiks = QStringLiteral("Struktur/");
    for (const Zipfil::Post &p : poster) {
        if (!p.navn.startsWith(praefiks)) continue;
        const QString rest = p.navn.mid(praefiks.size());
        const qsizetype skraa = rest.indexOf(u'/');
        if (skraa <= 0) continue;
        const QString navn = rest.left(skraa);
        if (!ud.contains(navn)) ud.append(navn);
    }
    std::sort(ud.begin(), ud.end());
    return ud;
}

} // namespace Sikkerhedskopi
