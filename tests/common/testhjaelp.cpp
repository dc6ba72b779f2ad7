#include "testhjaelp.h"

#include "platform/dialoger.h"
#include "platform/programmappe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// The generated reference structures hold thousands of pages that no test
// writes to; each root gets hard links to them instead of copies, which would
// cost seconds per test case. Removing the root removes the links only, and
// the program replaces files whole (a new file), so the delivered pages stay
// as they are. Where links are impossible the pages are copied.
const QStringList referencer{QStringLiteral("Struktur/Html5"), QStringLiteral("Struktur/CSS"),
                             QStringLiteral("Struktur/JavaScript")};

bool hardLink(const QString &fra, const QString &til) {
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(fra).constData(), QFile::encodeName(til).constData()) == 0;
#else
    Q_UNUSED(fra);
    Q_UNUSED(til);
    return false;
#endif
}

void linkMappe(const QString &fra, const QString &til) {
    QDir().mkpath(til);
    QDirIterator it(fra, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString kilde = it.next();
        const QString maal = til + kilde.mid(fra.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(maal);
        else if (!hardLink(kilde, maal))
            QFile::copy(kilde, maal);
    }
}
} // namespace

TestRod::TestRod() {
    const QString data = QStringLiteral(DAGBOG_DATA_DIR);
    const QString program = rod() + QStringLiteral("/Program");
    kopierMappe(data, program, referencer);
    for (const QString &r : referencer)
        if (QFileInfo::exists(data + u'/' + r)) linkMappe(data + u'/' + r, program + u'/' + r);
    // As the program's refresh leaves it: the delivered files listed.
    static const QHash<QString, QByteArray> leverede = [&] {
        QHash<QString, QByteArray> liste;
        QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString sti = it.next();
            liste.insert(sti.mid(data.size() + 1), Programmappe::kontrolsum(sti));
        }
        return liste;
    }();
    Programmappe::gemLeverede(program, leverede);
    QDir().mkpath(rod() + QStringLiteral("/xdg"));
    qputenv("DAGBOG_ROOT", rod().toUtf8());
    qputenv("XDG_DATA_HOME", (rod() + QStringLiteral("/xdg")).toUtf8());
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    Dialoger::Test::slaaTil(true);
}

TestRod::~TestRod() {
    qunsetenv("DAGBOG_ROOT");
    Dialoger::Test::slaaTil(false);
}

void brugTestskaerm(const char *fixtur) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=") + DAGBOG_FIXTURES_DIR + '/' + fixtur);
}

QString TestRod::trash() const {
    return rod() + QStringLiteral("/xdg/Trash/files");
}

QByteArray laesBytes(const QString &sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void skrivBytes(const QString &sti, const QByteArray &data) {
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

void kopierMappe(const QString &fra, const QString &til, const QStringList &undtagen) {
    QDir().mkpath(til);
    QDirIterator it(fra, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString kilde = it.next();
        const QString relativ = kilde.mid(fra.size() + 1);
        bool spring = false;
        for (const QString &u : undtagen)
            spring = spring || relativ == u || relativ.startsWith(u + u'/');
        if (spring) continue;
        const QString maal = til + kilde.mid(fra.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(maal);
        else
            QFile::copy(kilde, maal);
    }
}

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

SomAlmindeligBruger::SomAlmindeligBruger(const TestRod &rod) {
#ifdef Q_OS_LINUX
    if (geteuid() != 0) return;
    const QFileDevice::Permissions aaben = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther;
    for (QString sti = rod.rod(); sti.size() > 1; sti = QFileInfo(sti).path())
        if (QFileInfo(sti).isDir() && !(QFile::permissions(sti) & QFileDevice::ExeGroup))
            QFile::setPermissions(sti, QFile::permissions(sti) | aaben);
    QDirIterator it(rod.rod(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString mappe = it.next();
        QFile::setPermissions(mappe, QFile::permissions(mappe) | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
    }
    m_foer = setfsuid(65534);
#else
    Q_UNUSED(rod);
#endif
}

SomAlmindeligBruger::~SomAlmindeligBruger() {
#ifdef Q_OS_LINUX
    if (m_foer >= 0) setfsuid(uid_t(m_foer));
#endif
}
