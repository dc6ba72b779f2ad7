#include "programmappe.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace Programmappe {

namespace {

QByteArray stempel(const QString &mappe) {
    QFile f(mappe + u'/' + QLatin1String(udgaveFil));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

// A failed copy leaves the old file; the next start tries again, since the
// stamp is copied last.
bool kopierFil(const QString &fra, const QString &til) {
    if (QFileInfo::exists(til) && !QFile::remove(til)) return false;
    return QFile::copy(fra, til) &&
           QFile::setPermissions(til, QFile::permissions(til) | QFile::WriteOwner);
}

} // namespace

QString installeretKopi() {
    const QString kopi = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../share/dagbog/Program"));
    return QFileInfo::exists(kopi + QStringLiteral("/Dir")) ? kopi : QString();
}

bool opdater(const QString &fra, const QString &til) {
    if (fra.isEmpty() || !QFileInfo(fra).isDir()) return false;
    const QByteArray nyt = stempel(fra);
    const bool findes = QFileInfo(til).isDir();
    if (findes && (nyt.isEmpty() || stempel(til) == nyt)) return false;
    if (!QDir().mkpath(til)) return false;

    bool alt = true;
    const QDir kilde(fra);
    QDirIterator it(fra, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        const QString relativ = kilde.relativeFilePath(sti);
        if (relativ == QLatin1String(udgaveFil)) continue;
        const QString maal = til + u'/' + relativ;
        alt = QDir().mkpath(QFileInfo(maal).path()) && kopierFil(sti, maal) && alt;
    }
    if (alt && !nyt.isEmpty())
        kopierFil(fra + u'/' + QLatin1String(udgaveFil), til + u'/' + QLatin1String(udgaveFil));
    return true;
}

} // namespace Programmappe
