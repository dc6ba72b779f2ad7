#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// Zip archives: the one place that knows the zip library. Entry names are
// UTF-8, so Danish letters survive in every unpacking program.
namespace Zipfil {

struct Post {
    QString navn; // relative, '/' between folders; a folder ends in '/'
    qint64 stoerrelse = 0;
};

// An entry to write: its name in the archive (a folder ends in '/') and the
// file it is read from (empty for a folder).
struct Kilde {
    QString navn;
    QString sti;
};

struct Skrivning {
    QString fejl;        // empty when the archive was written; else which file and why
    QStringList udeladt; // entries whose file vanished or changed while it was read
    bool afbrudt = false;
};

// Writes a new archive at `sti` with the entries of `kilder` and the archive
// comment. A file that vanishes or changes while it is read is left out (and
// named) rather than failing the archive. The archive is made under a
// temporary name, opened again and checked entry by entry (size and CRC),
// and only then renamed, so a failure never leaves a half or broken archive
// under the real name. `afbryd`, when set, stops the writing; nothing is left.
Skrivning skriv(const QString &sti, const QList<Kilde> &kilder, const QString &kommentar,
                const std::atomic<bool> *afbryd = nullptr);

// Reads every entry of an archive back and checks its size and CRC; empty
// when all is well, else what is wrong.
QString kontroller(const QString &sti);

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
