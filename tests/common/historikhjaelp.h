// The git command line as the independent reader of the history.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct GitSvar {
    int kode = -1;
    QByteArray ud;
    QByteArray fejl;
};

inline GitSvar git(const QString &repo, const QStringList &arg) {
    QProcess p;
    p.start(QStringLiteral("git"), QStringList{QStringLiteral("--git-dir=") + repo} + arg);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// `git fsck --strict` accepts the repository with nothing to say.
inline bool fsckRen(const QString &repo, QByteArray *hvad = nullptr) {
    const GitSvar s = git(repo, {QStringLiteral("fsck"), QStringLiteral("--strict"),
                                 QStringLiteral("--no-progress")});
    if (hvad) *hvad = s.ud + s.fejl;
    return s.kode == 0 && s.fejl.isEmpty();
}
