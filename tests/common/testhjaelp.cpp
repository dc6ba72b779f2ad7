#include "testhjaelp.h"

#include "platform/dialoger.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QtTest>

TestRod::TestRod() {
    kopierMappe(QStringLiteral(DAGBOG_DATA_DIR), rod() + QStringLiteral("/Program"));
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

void kopierMappe(const QString &fra, const QString &til) {
    QDir().mkpath(til);
    QDirIterator it(fra, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString kilde = it.next();
        const QString maal = til + kilde.mid(fra.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(maal);
        else
            QFile::copy(kilde, maal);
    }
}
