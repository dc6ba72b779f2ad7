#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Zip archives: the one place that knows the zip library. Entry names are
// UTF-8, so Danish letters survive in every unpacking program.
namespace Zipfil {

struct Post {
    QString navn; // relative, '/' between folders; a folder ends in '/'
    qint64 stoerrelse = 0;
};

// Writes a new archive at `sti` with the files and folders named in `poster`
// (relative to `rod`, folders ending in '/') and the archive comment. The
// archive is made under a temporary name and renamed when it is whole, so a
// failure never leaves a half archive under the real name. False on failure.
bool skriv(const QString &sti, const QString &rod, const QStringList &poster,
           const QString &kommentar);

// The archive comment; empty when there is none or the archive cannot be read.
QString kommentar(const QString &sti);

// The entries of an archive; false when it cannot be read.
bool poster(const QString &sti, QList<Post> *ud);

// Unpacks the entries whose names start with `praefiks` into the folder `maal`
// (which must not exist yet), named without the prefix. Entries that would
// land outside `maal` make the whole unpacking fail. False on failure, and
// then `maal` is removed again.
bool udpak(const QString &sti, const QString &praefiks, const QString &maal);

} // namespace Zipfil
