#include "eksterneditor.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace EksternEditor {

QStringList kandidater() {
#ifdef Q_OS_WIN
    QStringList liste;
    for (const char *programmer : {"Program Files", "Program Files (x86)"})
        for (const char *drev : {"C", "D", "E"})
            liste << QStringLiteral("%1:/%2/Ravlo/Ravlo.exe")
                         .arg(QLatin1StringView(drev), QLatin1StringView(programmer));
    liste << QStringLiteral("C:/Windows/System32/notepad.exe");
    return liste;
#else
    // Editors with HTML highlighting first, plain text editors after.
    return {QStringLiteral("/usr/bin/bluefish"), QStringLiteral("/usr/bin/kate"),
            QStringLiteral("/usr/bin/gedit"),    QStringLiteral("/usr/bin/gnome-text-editor"),
            QStringLiteral("/usr/bin/pluma"),    QStringLiteral("/usr/bin/xed"),
            QStringLiteral("/usr/bin/mousepad"), QStringLiteral("/usr/bin/featherpad")};
#endif
}

QString find(const QStringList &kandidater) {
    for (const QString &sti : kandidater)
        if (QFileInfo(sti).isFile()) return sti;
    return {};
}

int start(const QString &program, const QString &fil) {
    const QFileInfo info(program);
    if (!info.dir().exists()) return 3;
    if (!info.isFile()) return 2;
    if (!info.isExecutable()) return 5;
    QProcess proces;
    proces.setProgram(program);
    proces.setArguments({fil});
    return proces.startDetached() ? 33 : 11;
}

} // namespace EksternEditor
