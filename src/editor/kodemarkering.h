#pragma once

#include "core/fuldfoerelse.h"
#include "core/tekstomraader.h"

#include <QElapsedTimer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTimer>

class TRichEdit;
class QTextBlock;

// Colours the code of one editor (HTML, CSS or JavaScript) in the colours of
// the design in effect. A long page is done block by block from its start in
// short steps between events, so the editor answers at once; a block not done
// yet shows plain text until its turn.
class Kodemarkering : public QSyntaxHighlighter {
    Q_OBJECT
public:
    Kodemarkering(TRichEdit *editor, Fuldfoerelse::Sprog sprog);

    Fuldfoerelse::Sprog sprog() const { return m_sprog; }
    void saetFarver(bool til);
    bool farver() const { return m_farver; }
    // The reading state at the start of a block; plain text where it is unknown.
    int tilstandFoer(const QTextBlock &blok) const;
    // True once every block has been done (for tests and benchmarks).
    bool faerdig() const;

protected:
    void highlightBlock(const QString &tekst) override;
    // A subclass that needs the blocks for more than colours (spelling).
    virtual bool andetArbejde() const { return false; }
    // The words between tags of an HTML block, read in the same pass as its colours.
    virtual void markerOrd(const QString &, const QList<Tekstomraader::Omraade> &) {}
    // Attaches the highlighter when it has work, else detaches it; every block again.
    void foelg();
    bool eventFilter(QObject *objekt, QEvent *e) override;

    TRichEdit *m_editor;

private:
    void nyeFormater();
    void naesteSkridt();
    void tekstAendret(int pos);

    Fuldfoerelse::Sprog m_sprog;
    bool m_farver = false;
    QTextCharFormat m_format[int(Tekstomraader::Slags::Tal) + 1];
    int m_klarTil = -1;    // blocks up to this number may be done
    int m_sidsteKlar = -1; // the last block done in the current step
    int m_skridt = 200;    // blocks per step, grown or shrunk to keep a step short
    int m_antalBlokke = 1;
    QTimer m_timer;
};
