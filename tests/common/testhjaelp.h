#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary root with a fresh copy of the delivered program folder.
// DAGBOG_ROOT and XDG_DATA_HOME point into it while the object lives, the
// locale is Danish and message boxes answer from the test queue.
class TestRod {
public:
    TestRod();
    ~TestRod();

    QString rod() const { return m_dir.path(); }
    QString sti(const QString &relativ) const { return m_dir.path() + u'/' + relativ; }
    QString trash() const;

private:
    QTemporaryDir m_dir;
};

QByteArray laesBytes(const QString &sti);
void skrivBytes(const QString &sti, const QByteArray &data);
// Copies a folder tree; paths in undtagen (relative to fra) are left out.
void kopierMappe(const QString &fra, const QString &til, const QStringList &undtagen = {});

// Headless runs get a virtual screen of the given fixture (skaerm-WxH.json)
// instead of the offscreen platform's small default one. Call before the
// application exists.
void brugTestskaerm(const char *fixtur);

// A QTest main for tests that show windows with an embedded browser: the
// browser needs shared OpenGL contexts before the application exists. The
// screen is the size the windows' defaults are made for.
#define DAGBOG_GUI_TEST_MAIN(Klasse)                                                               \
    int main(int argc, char **argv) {                                                              \
        brugTestskaerm("skaerm-1920x1080.json");                                                   \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        Klasse test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// While it lives, files are opened with the rights of an ordinary user even
// when the tests run as root (who reads and writes past every permission), so
// that unreadable and read-only files behave as a user would meet them.
// The temporary root is opened up so that such a user can reach into it.
class SomAlmindeligBruger {
public:
    explicit SomAlmindeligBruger(const TestRod &rod);
    ~SomAlmindeligBruger();
    SomAlmindeligBruger(const SomAlmindeligBruger &) = delete;
    SomAlmindeligBruger &operator=(const SomAlmindeligBruger &) = delete;

private:
    int m_foer = -1;
};
