#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

// Every text file of the program is read and written here: byte-order-mark
// detection on reading, Windows-1252 with CR LF on writing, atomic replace.
namespace Tekstfil {

enum class Kodning { Ansi, Utf8, Utf16LE, Utf16BE };

// A file that cannot be read or written; the message is the Danish text shown.
class FilFejl : public std::runtime_error {
public:
    FilFejl(const QString &fil, const QString &besked);
    QString fil() const { return m_fil; }
    QString besked() const { return m_besked; }

private:
    QString m_fil;
    QString m_besked;
};

struct Indhold {
    QStringList linjer;
    Kodning kodning = Kodning::Ansi;
};

// Windows-1252: one code point per byte, and back (false when not representable).
char32_t fraAnsi(unsigned char byte);
bool tilAnsi(QChar tegn, char *byte);
bool kanSkrivesAnsi(const QString &tekst);

// Only a byte-order mark makes a file anything but Windows-1252.
Kodning kodningAf(const QByteArray &data);
QString dekod(const QByteArray &data, Kodning *kodning = nullptr);
QByteArray kod(const QString &tekst, Kodning kodning);
QStringList splitLinjer(const QString &tekst);

Indhold laes(const QString &sti);
QStringList laesLinjer(const QString &sti);

// Writes every line followed by CR LF. Ansi text holding a character that
// Windows-1252 lacks is written as UTF-8 with a byte-order mark instead.
// Returns the encoding actually written.
Kodning skriv(const QString &sti, const QStringList &linjer, Kodning kodning = Kodning::Ansi);

// A file exactly as it was, such as a version of it kept in the history.
void skrivBytes(const QString &sti, const QByteArray &bytes);

// Files that belong together: none is replaced until every one has been
// written in full beside it, and when a replacement fails the files already
// replaced get their old content back, so a failed write leaves them all as
// they were.
struct Fil {
    QString sti;
    QStringList linjer;
    Kodning kodning = Kodning::Ansi;
};
void skrivAlle(const QList<Fil> &filer);

} // namespace Tekstfil
