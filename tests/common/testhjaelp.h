#pragma once

#include <QString>
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
void kopierMappe(const QString &fra, const QString &til);
