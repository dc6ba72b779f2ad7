#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user and root: a second start hands its message to
// the first over a local socket and ends.
class TEnkeltInstans : public QObject {
    Q_OBJECT
public:
    // The socket's name for this user's diary under `rod`; another root, another
    // name. Outside Windows a path in the user's private runtime folder.
    static QString navnFor(const QString &bruger, const QString &rod);

    explicit TEnkeltInstans(const QString &navn, QObject *parent = nullptr);

    // Hands `besked` to the running program, or, when none answers, becomes
    // the running program itself. False when the message was handed over.
    bool start(const QByteArray &besked);

    // The two halves of start().
    bool send(const QByteArray &besked) const;
    bool lyt();

    QString navn() const { return m_navn; }

signals:
    // A later start's message, one per start: one line of at most 256 bytes.
    void besked(const QByteArray &besked);

private:
    void nyForbindelse();

    QString m_navn;
    QLocalServer *m_server = nullptr;
};
