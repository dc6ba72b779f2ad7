#include "mapper.h"

#include <QDir>
#include <QFile>
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

} // namespace Mapper
