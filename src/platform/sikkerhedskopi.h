#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The daily backup of a diary folder: its structures, design.css,
// funktioner.js and option files in one zip archive per day. Runs without
// windows, so a worker thread can do it; it reads the diary and never writes it.
namespace Sikkerhedskopi {

enum class Udfald { Lavet, Uaendret, Fejl };

struct Resultat {
    Udfald udfald = Udfald::Fejl;
    QString arkiv;       // the archive's file name
    QStringList fjernet; // archives the rotation removed
};

struct Arkiv {
    QString sti;
    QDate dato;
    qint64 stoerrelse = 0;
};

// What goes into a backup: every folder and file under Struktur/ and
// Egenskaber/ (but not the recovery files), relative, folders ending in '/'.
QStringList indhold(const QString &brugerDir);
// A digest of the names and bytes of that content.
QString fingeraftryk(const QString &brugerDir, const QStringList &indhold);

// Our archives in `kopiDir`, newest first.
QList<Arkiv> arkiver(const QString &kopiDir);

// Writes the archive of `idag` unless the newest archive already holds the
// same content; then removes what the rotation no longer keeps.
Resultat lav(const QString &brugerDir, const QString &kopiDir, const QDate &idag);

// The structure names in an archive (the folders directly under Struktur/).
QStringList strukturer(const QString &arkiv);

} // namespace Sikkerhedskopi
