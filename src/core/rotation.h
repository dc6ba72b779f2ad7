#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// The rules of the daily backups, without any file access: the archive names,
// which archives the rotation keeps, and the name of a restored structure.
namespace Rotation {

// "Dagbog-2024-03-05.zip".
QString arkivnavn(const QDate &dato);
// The date in an archive name of ours; invalid for every other file name.
QDate datoAfArkiv(const QString &filnavn);

// The archives to keep: the newest `dage` archives, and the newest archive of
// each of the newest `maaneder` months that have one. Sorted, newest first.
QList<QDate> behold(QList<QDate> datoer, int dage = 7, int maaneder = 12);
// The rest: what the rotation removes on `idag`. Sorted, oldest first. Nothing
// when an archive is newer than `idag`: the clock has been set back, and the
// newest days are not known.
QList<QDate> fjern(const QList<QDate> &datoer, const QDate &idag, int dage = 7, int maaneder = 12);

// "<navn> (gendannet ÅÅÅÅ-MM-DD)", or with " 2", " 3", ... added when a folder
// of that name is already there.
QString gendannetNavn(const QString &navn, const QDate &dato,
                      const std::function<bool(const QString &)> &optaget);

} // namespace Rotation
