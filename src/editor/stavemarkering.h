#pragma once

#include "platform/stavekontrol.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QSyntaxHighlighter>

class QMenu;
class QPoint;
class TRichEdit;

// Spell checking for the whole program: one dictionary, the user's own word
// list (read at start, one word per line), the words ignored in this run, and
// the switch that turns it on or off in every editor window at once.
class TStavning : public QObject {
    Q_OBJECT
public:
    TStavning(const QString &ordbog, const QString &ordliste, QObject *parent = nullptr);

    bool ordbogFindes() const { return m_kontrol.klar(); }
    void saetSlaaetTil(bool til);
    bool aktiv() const { return m_til && m_kontrol.klar(); }

    bool korrekt(const QString &ord) const { return m_kontrol.korrekt(ord); }
    QStringList forslag(const QString &ord) const { return m_kontrol.forslag(ord, 7); }
    // Written to the word list at once (throws Tekstfil::FilFejl when it cannot
    // be, or when the list could not be read at start).
    void tilfoejOrdbog(const QString &ord);
    void ignorer(const QString &ord);

signals:
    // The switch or the word lists changed: the editors mark their pages anew.
    void aendret();

private:
    Stavekontrol m_kontrol;
    QString m_ordliste;
    QStringList m_egne;       // in the list's order
    QSet<QString> m_kendte;   // the same words, to look up
    bool m_ulaeselig = false; // the list is there but could not be read
    bool m_til = true;
};

// Marks the misspelt words of a page editor with a red wave, block by block.
// Only text between tags is checked.
class Stavemarkering : public QSyntaxHighlighter {
    Q_OBJECT
public:
    Stavemarkering(TRichEdit *editor, TStavning *stavning);

    // The marked word under an editor position; false when there is none.
    bool markeretOrd(int pos, int &start, int &laengde, QString &ord) const;
    // Right-click at a marked word: the spelling menu in front of the
    // editor's own menu. False (and nothing shown) when no marked word is there.
    bool visMenu(const QPoint &sted, QMenu *editorMenu);

protected:
    void highlightBlock(const QString &tekst) override;

private:
    void foelgSwitch();

    TRichEdit *m_editor;
    TStavning *m_stavning;
};
