#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

class TRichEdit;

// Watches the file an editor holds, with its size and time as loaded or last
// saved: an unmodified editor follows a change made by another window, another
// program or a sync tool; a modified one lets its save ask first.
class Filvagt : public QObject {
    Q_OBJECT
public:
    explicit Filvagt(TRichEdit *editor);

    // True when the file on disk is no longer the one loaded or last saved.
    bool aendretPaaDisk() const;

signals:
    void genindlaest();

private:
    void husk(const QString &sti);
    void filAendret();

    TRichEdit *m_editor;
    QFileSystemWatcher m_vagt;
    QString m_sti;
    qint64 m_stoerrelse = -1;
    QDateTime m_tid;
};
