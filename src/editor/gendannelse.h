#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

class TRichEdit;
class Tmainform;

// Keeps the unsaved text of one editor in a recovery file in the user's
// Egenskaber/Gendan/ folder, so a crash or a power cut loses at most the last
// two seconds of typing. The file is written in a worker thread, atomically,
// and removed as soon as the editor is no longer modified (saved, answered
// "Nej", undone, reloaded). It also keeps what the file was when the editing
// began, so the next start decides by content whether to offer the text.
class Gendannelse : public QObject {
    Q_OBJECT
public:
    static constexpr int ventetid = 2000; // ms after the last key stroke

    // One recovery file for `maal` (the file the editor holds) as edited in
    // the window of the page `vindue`; owned by the editor.
    Gendannelse(TRichEdit *editor, const QString &maal, const QString &vindue,
                const QString &mappe);

    // Writes the current text now (still off the user-interface thread).
    void skrivNu();
    // Takes text without removing the recovery file on the way.
    void saetTekst(const QString &tekst);

    // A recovery file as read back.
    struct Fil {
        QString sti;        // the recovery file itself
        QString maal;       // the file it belongs to
        QString vindue;     // the page whose window held the editor
        QByteArray stempel; // the file when the editing began; empty in older files
        QString tekst;
        QDateTime tid;
    };
    static bool laes(const QString &sti, Fil *ud);
    static QString filnavn(const QString &maal, const QString &vindue);
    static QString mappe(const QString &optDir);
    // Waits for the writes that are under way.
    static void ventPaaSkrivning();

    // At start: offers every kept text that differs from its file back, one
    // question each; "Ja" opens it modified in an editor window, "Nej" puts the
    // recovery file in Kasseret/ (kept there for 30 days), closing the question
    // keeps it for the next start.
    static void tilbydVedStart(Tmainform *hoved);

private:
    void aendret();
    void modifikation(bool aendret);
    void fjern();

    TRichEdit *m_editor;
    QString m_maal;
    QString m_vindue;
    QString m_filsti;
    QByteArray m_stempel;
    QTimer m_ur;
    bool m_stille = false;
};
