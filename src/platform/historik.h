#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// The history of the user's diary: every version of every file under
// Struktur/, in a bare git repository Historik.git beside it, so that git
// itself can read it. The file layer reports what it writes; the files one
// user action changed become one commit, written by a worker thread in order.
// The windows ask their questions here and never touch git themselves.
namespace Historik {

// What the file layer reports; paths outside the diary's Struktur/ are ignored.
// A file written with these bytes:
void skrevet(const QString &sti, const QByteArray &bytes);
// A file or folder changed on disk or gone; read again when committed:
void aendret(const QString &sti);
// The message of the current action, in place of the one made from its files.
void beskriv(const QString &besked);

struct Udgave {
    QString commit;
    QDateTime tid;
    QString blob;
};

struct Slettet {
    QString sti;    // relative to the user's folder
    QDateTime tid;  // when it left the tree
    QString commit; // the newest commit that still held it
    QString blob;   // its last version
};

// Answers from the repository `repo`, from any thread; paths relative to the user's folder.
// The versions of a file, newest first: one per commit that changed it.
QList<Udgave> udgaver(const QString &repo, const QString &sti);
QByteArray indhold(const QString &repo, const QString &blob);
// The file as it was in a commit; empty when it was not there.
QByteArray indholdVed(const QString &repo, const QString &commit, const QString &sti);
// Files that left the tree and are not back, newest deletion first.
QList<Slettet> slettede(const QString &repo);
qint64 stoerrelse(const QString &repo);
// The newest commit; empty when there is none.
QString nyeste(const QString &repo);

} // namespace Historik

class HistorikArbejder;

class THistorik : public QObject {
    Q_OBJECT

public:
    // The history of the user's folder brugerDir, committed as forfatter.
    THistorik(const QString &brugerDir, const QString &forfatter, QObject *parent = nullptr);
    ~THistorik() override; // what is queued is written first

    QString repo() const;
    bool slaaetTil() const { return m_til; }
    // Off, nothing is noted; on again, start() catches up with the disk.
    void saetSlaaetTil(bool til);
    // Repairs the repository and commits what on disk differs from its newest
    // commit: on the first start, the whole diary.
    void start();
    // Hands over what is noted and waits until every queued commit is written.
    void vent();

signals:
    void fejl(const QString &hvorfor); // a commit failed, in Danish
    void skrevet();                    // a commit (or a check finding nothing new) went well
    void fremskridt(int faerdige, int ialt);

private:
    void noter(const QString &sti, const QByteArray *bytes);
    void overdrag();

    friend void Historik::skrevet(const QString &, const QByteArray &);
    friend void Historik::aendret(const QString &);
    friend void Historik::beskriv(const QString &);

    QString m_bruger;
    bool m_til = true;
    bool m_startet = false; // notes before the first start are covered by its look at the disk
    std::unique_ptr<HistorikArbejder> m_arbejder;
};
