#pragma once

#include "editor/kodemarkering.h"
#include "platform/stavekontrol.h"

#include <QObject>
#include <QSet>
#include <QStringList>

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

    // Answers are kept: a page repeats its words, and the dictionary is slow to ask.
    bool korrekt(const QString &ord) const;
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

// The page editor's highlighter: the colours of its HTML and, in the same
// pass over a block, a red wave under misspelt words. Only text between tags
// is checked.
class Stavemarkering : public Kodemarkering {
    Q_OBJECT
public:
    Stavemarkering(TRichEdit *editor, TStavning *stavning);

    // The marked word under an editor position; false when there is none.
    bool markeretOrd(int pos, int &start, int &laengde, QString &ord) const;
    // Right-click at a marked word: the spelling menu in front of the
    // editor's own menu. False (and nothing shown) when no marked word is there.
    bool visMenu(const QPoint &sted, QMenu *editorMenu);

protected:
    bool andetArbejde() const override { return m_stavning->aktiv(); }
    void markerOrd(const QString &tekst, const QList<Tekstomraader::Omraade> &ord) override;

private:
    TStavning *m_stavning;
    QTextCharFormat m_boelge;
};
