#include "enkeltinstans.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int ventetid = 2000; // ms; the running program may be busy with a page
constexpr int tomgang = 3000;  // ms a connection may stay open without its line
constexpr int hoejstLinje = 256;

} // namespace

QString TEnkeltInstans::navnFor(const QString &bruger, const QString &rod) {
    // The same folder written two ways is the same diary.
    QString sti = QFileInfo(rod).absoluteFilePath();
    if (QFileInfo(sti).exists()) sti = QFileInfo(sti).canonicalFilePath();
    sti = QDir::cleanPath(sti);
    const QByteArray hash =
        QCryptographicHash::hash((bruger + u'\n' + sti).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    // The user in plain characters, for whoever looks there; the hash tells
    // users and roots apart.
    QString b = bruger;
    b.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    const QString navn = QStringLiteral("dagbog-%1-%2").arg(b.left(32), QString::fromLatin1(hash));
#ifdef Q_OS_WIN
    return navn;
#else
    // In the user's own runtime folder, not the shared temporary one, where
    // another user could take the name first.
    const QString mappe = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return mappe.isEmpty() ? navn : mappe + u'/' + navn;
#endif
}

TEnkeltInstans::TEnkeltInstans(const QString &navn, QObject *parent)
    : QObject(parent)
    , m_navn(navn) {}

bool TEnkeltInstans::send(const QByteArray &besked) const {
    QLocalSocket s;
    s.connectToServer(m_navn);
    if (!s.waitForConnected(ventetid)) return false;
    s.write(besked + '\n');
    if (!s.waitForBytesWritten(ventetid)) return false;
    // The running program closes the connection when it has read the message.
    if (s.state() == QLocalSocket::ConnectedState) s.waitForDisconnected(ventetid);
    return true;
}

bool TEnkeltInstans::lyt() {
    if (!m_server) {
        m_server = new QLocalServer(this);
        // Only this user may hand dates to this user's diary.
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &TEnkeltInstans::nyForbindelse);
    }
    if (m_server->isListening()) return true;
    if (m_server->listen(m_navn)) return true;
    // Nobody answered on the name, so what lies there was left by a program that
    // ended without cleaning up.
    QLocalServer::removeServer(m_navn);
    return m_server->listen(m_navn);
}

bool TEnkeltInstans::start(const QByteArray &besked) {
    if (send(besked)) return false;
    if (lyt()) return true;
    // Two starts at once: the other may have won the name meanwhile.
    return !send(besked);
}

void TEnkeltInstans::nyForbindelse() {
    while (QLocalSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        auto afbryd = [s] {
            s->abort();
            s->deleteLater();
        };
        // One short line, soon: anything else is not a start of ours.
        QTimer::singleShot(tomgang, s, afbryd);
        auto laes = [this, s, afbryd] {
            if (!s->canReadLine()) {
                if (s->bytesAvailable() > hoejstLinje) afbryd();
                return;
            }
            const QByteArray linje = s->readLine();
            if (linje.size() > hoejstLinje + 1) {
                afbryd();
                return;
            }
            s->disconnectFromServer();
            emit besked(linje.trimmed());
        };
        connect(s, &QLocalSocket::readyRead, this, laes);
        laes();
    }
}
