#pragma once

#include <QStringList>

// Reads a window's option file: one value per line in a fixed order. A file
// that is there but cannot be read is reported in an error box. The first
// missing or unreadable line stops the reading silently; every later read
// fails too, so the values read before it stay and the rest keep theirs.
class OptionLaeser {
public:
    explicit OptionLaeser(const QString &sti);

    bool findes() const { return m_findes; }
    bool tekst(QString &ud);
    bool tal(int &ud);
    bool flag(bool &ud); // any number but 0 is yes

    // The line (from 1) at which the reading stopped, 0 while it has not; and
    // its text (empty for a missing line). For windows that report the fault.
    int fejlLinje() const { return m_fejlLinje; }
    QString fejlVaerdi() const { return m_fejlVaerdi; }

private:
    const QString *naeste();

    QStringList m_linjer;
    int m_naeste = 0;
    bool m_findes = false;
    bool m_stoppet = false;
    int m_fejlLinje = 0;
    QString m_fejlVaerdi;
};

// Writes the lines of an option file; false when the file cannot be written.
// A failed file is remembered until ikkeGemteOptioner takes the list, so that
// the program can name them all in one box at close.
bool skrivOptioner(const QString &sti, const QStringList &linjer);
QStringList ikkeGemteOptioner(); // and forgets them
