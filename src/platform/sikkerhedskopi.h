#pragma once

#include "zipfil.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// The daily backup of a diary folder: its structures, design.css,
// funktioner.js and option files in one zip archive per day, with the
// structures the user made in the shared program folder. Runs without
// windows, so a worker thread can do it; it reads the diary and never writes it.
namespace Sikkerhedskopi {

enum class Udfald { Lavet, Uaendret, Fejl, Sprunget };

struct Resultat {
    Udfald udfald = Udfald::Fejl;
    QString arkiv;       // the archive's file name
    QStringList fjernet; // archives the rotation removed
    QString fejl;        // on Fejl: which file, and why
    QStringList udeladt; // entries that changed or vanished while they were read
    int laest = 0;       // files read in full to find out what changed
};

struct Arkiv {
    QString sti;
    QDate dato;
    qint64 stoerrelse = 0;
};

// Each file's checksum, remembered with its size and time in the backup
// folder, so that an unchanged diary is not read again in full.
class Kontrolsummer {
public:
    explicit Kontrolsummer(const QString &fil);
    QByteArray sum(const QString &sti); // empty when the file cannot be read
    int laest() const { return m_laest; }
    // Keeps what this run used; false when it cannot be written.
    bool gem() const;

private:
    struct Kendt {
        qint64 stoerrelse = 0;
        qint64 tid = 0;
        QByteArray sum;
    };
    QString m_fil;
    QHash<QString, Kendt> m_gamle, m_brugt;
    int m_laest = 0;
};

// In the archive, the program folder's structures lie under this prefix.
inline constexpr char programPraefiks[] = "Program/Struktur/";

// What goes into a backup: every folder and file under the user's Struktur/
// and Egenskaber/ (but not the recovery files), and every structure of the
// program folder's Struktur/ that is not a delivered one left unchanged.
QList<Zipfil::Kilde> indhold(const QString &brugerDir, const QString &programDir,
                             Kontrolsummer &summer);
// A digest of the names and checksums of that content.
// Empty when afbryd was set before every file was read.
QString fingeraftryk(const QList<Zipfil::Kilde> &indhold, Kontrolsummer &summer,
                     const std::atomic<bool> *afbryd = nullptr);

// Our archives in `kopiDir`, newest first.
QList<Arkiv> arkiver(const QString &kopiDir);

// Writes the archive of `idag` unless the newest archive already holds the
// same content; checks it; then removes what the rotation no longer keeps.
// `afbryd` skips the backup (Sprunget); the archives stay as they were.
Resultat lav(const QString &brugerDir, const QString &programDir, const QString &kopiDir,
             const QDate &idag, const std::atomic<bool> *afbryd = nullptr);

struct Struktur {
    QString navn;
    bool iProgrammappe = false;
    QString praefiks; // its entries' names begin with this
};
// The structures in an archive: the diary's, then the program folder's.
QList<Struktur> strukturer(const QString &arkiv);

} // namespace Sikkerhedskopi
