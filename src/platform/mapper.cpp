#include "mapper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace Mapper {

QString rod() {
    const QString env = qEnvironmentVariable("DAGBOG_ROOT");
    QString r;
#ifdef Q_OS_WIN
    r = QStringLiteral("C:/Dagbogsmappe");
#else
    r = QDir::homePath() + QStringLiteral("/Dagbogsmappe");
#endif
    if (!env.isEmpty()) r = QDir::fromNativeSeparators(env);
    while (r.size() > 1 && r.endsWith(u'/'))
        r.chop(1);
    return r;
}

QString brugernavn() {
    QString navn;
#ifdef Q_OS_WIN
    wchar_t buf[256];
    DWORD n = 255;
    if (GetUserNameW(buf, &n) && n > 1) navn = QString::fromWCharArray(buf, int(n) - 1);
#else
    if (const passwd *pw = getpwuid(geteuid()); pw && pw->pw_name)
        navn = QString::fromLocal8Bit(pw->pw_name);
#endif
    return navn.isEmpty() ? QStringLiteral("Bruger") : navn;
}

void opretMappe(const QString &sti) {
    if (!QDir(sti).exists()) QDir().mkdir(sti);
}

void kopierHvisMangler(const QString &fra, const QString &til) {
    if (!QFile::exists(til)) QFile::copy(fra, til);
}

bool sletMappe(const QString &sti) {
    const QFileInfo info(sti);
    if (info.isSymLink()) return QFile::remove(sti);
    if (!info.exists()) return true;
    // Links inside are removed as links; the walk does not enter them.
    return QDir(sti).removeRecursively() && !QFileInfo::exists(sti);
}

bool kopierOver(const QString &fra, const QString &til) {
    const QString kilde = QFileInfo(fra).canonicalFilePath();
    if (kilde.isEmpty()) return false;
    if (kilde == QFileInfo(til).canonicalFilePath()) return true;
    QFile ind(fra);
    if (!ind.open(QIODevice::ReadOnly)) return false;
    QSaveFile ud(til);
    if (!ud.open(QIODevice::WriteOnly)) return false;
    char buf[1 << 16];
    for (;;) {
        const qint64 n = ind.read(buf, sizeof buf);
        if (n < 0) return false;
        if (n == 0) break;
        if (ud.write(buf, n) != n) return false;
    }
    return ud.commit();
}

static bool sammeIndhold(const QString &a, const QString &b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd())
        if (fa.read(1 << 16) != fb.read(1 << 16)) return false;
    return true;
}

QString kopierBillede(const QString &fra, const QString &mappe) {
    const QFileInfo kilde(fra);
    if (!kilde.isFile()) return QString();
    const QString endelse = kilde.suffix().isEmpty() ? QString() : u'.' + kilde.suffix();
    QString navn = kilde.fileName();
    for (int n = 2;; ++n) {
        const QString til = mappe + navn;
        const QFileInfo maal(til);
        if (!maal.exists() && !maal.isSymLink()) return kopierOver(fra, til) ? navn : QString();
        if (maal.canonicalFilePath() == kilde.canonicalFilePath() || sammeIndhold(fra, til))
            return navn;
        navn = kilde.completeBaseName() + QStringLiteral(" (%1)").arg(n) + endelse;
    }
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
static QString hjemmekurv() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}

// The freedesktop trash: the home trash, or a trash at the top of another
// disk ($top/.Trash-$uid or $top/.Trash/$uid), always as <trash>/files/<name>.
static bool iEnKurv(const QString &sti) {
    const QFileInfo fil(sti);
    if (sti.isEmpty() || !fil.isAbsolute() || !fil.exists()) return false;
    const QDir filer = fil.absoluteDir();
    if (filer.dirName() != QStringLiteral("files")) return false;
    const QString kurv = QFileInfo(filer.absolutePath()).absolutePath();
    if (QFileInfo(kurv).canonicalFilePath() == QFileInfo(hjemmekurv()).canonicalFilePath())
        return true;
    const QString uid = QString::number(getuid());
    const QFileInfo k(kurv);
    return k.fileName() == QStringLiteral(".Trash-") + uid ||
           (k.fileName() == uid &&
            QFileInfo(k.absolutePath()).fileName() == QStringLiteral(".Trash"));
}
#endif

bool tilPapirkurv(const QString &sti) {
    const QString fil = QFileInfo(sti).absoluteFilePath();
    QString iKurv;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QDir().mkpath(hjemmekurv() + QStringLiteral("/files"));
    QDir().mkpath(hjemmekurv() + QStringLiteral("/info"));
    if (!QFile::moveToTrash(fil, &iKurv)) return false;
    if (iEnKurv(iKurv)) return true;
    // Put back what went astray, and the note Qt wrote beside it.
    const QFileInfo forkert(iKurv);
    const QString info = forkert.absolutePath() + QStringLiteral("/../info/") + forkert.fileName() +
                         QStringLiteral(".trashinfo");
    if (forkert.exists()) QFile::rename(forkert.absoluteFilePath(), fil);
    QFile::remove(info);
    QDir().rmdir(forkert.absolutePath());
    QDir().rmdir(QFileInfo(info).absolutePath());
    return false;
#else
    return QFile::moveToTrash(fil, &iKurv);
#endif
}

} // namespace Mapper
