#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <vector>

// Plain-text rich edit: word wrap on, vertical scroll bar only.
//
// Two position counts: an editor position counts a line break as one
// character (caret, selection, find results); a text offset counts in the
// whole text with every line break as CR LF. Lines are the displayed lines:
// a wrapped line is several lines, and only a real line break adds to a text
// offset.
class TRichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget *parent = nullptr);

    // Whole text, line breaks as CR LF; setting accepts CR LF, CR or LF.
    // Setting the text starts afresh: no undo step back, modified flag cleared.
    QString Text() const;
    void setText(const QString &tekst);

    int SelStart() const;
    int SelLength() const;
    // Line breaks as one CR each, so the length matches SelLength.
    QString SelText() const;
    void setSelStart(int pos);                 // caret there, nothing selected
    void setSelection(int start, int laengde); // anchor at start, caret at the end
    // Replaces the selection, caret after the insertion, modified flag set.
    void setSelText(const QString &tekst);

    // Caret (the moving end of the selection): displayed line and column, from 0.
    int CaretLinje() const;
    int CaretKolonne() const;

    int LinjeAntal() const;     // an empty editor has one line
    QString Linje(int n) const; // without its line break
    void ErstatLinje(int n, const QString &tekst);
    int LinjeStart(int n) const; // first editor position of line n, -1 outside
    int LinjeVed(int pos) const; // line holding an editor position

    int TekstOffset(int editorPos) const;
    int EditorPos(int tekstOffset) const;

    // Editor position of the first hit in [fra, fra + laengde), or -1.
    int FindText(const QString &s, int fra, int laengde, bool heleOrd,
                 bool ignorerCase = true) const;

    bool Modified() const;
    void setModified(bool m);

    void PasteFromClipboard(); // the clipboard's plain text at the caret

    // Throw Tekstfil::FilFejl; both clear the modified flag.
    void LoadFromFile(const QString &sti);
    void SaveToFile(const QString &sti);
    QStringList Linjer() const; // the text's lines as a file holds them

    // A popup list of names shown over the editor: while it is visible, Enter,
    // Tab and Esc are its keys.
    void setListe(QWidget *liste) { m_liste = liste; }

    QString FontNavn() const;
    int FontStoerrelse() const;
    void setFontNavn(const QString &navn);
    void setFontStoerrelse(int punkter);

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // What the line breaking of every block depends on; a change lays all out anew.
    struct Noegle {
        qreal bredde = -1;
        qreal margen = 0;
        QFont font;
        int ombrydning = -1;
        qreal tabulator = 0;
        int flag = 0;
        bool operator==(const Noegle &) const = default;
    };
    struct LinjeSted {
        QTextBlock blok;
        int linje = 0; // displayed line within the block
    };

    void tekstAendret(int fra, int fjernet, int tilfoejet);
    void opdaterSoegetekst(int fra, int fjernet, int tilfoejet);
    void sikrLinjer() const;
    void anvendVentendeStoerrelse() const;
    Noegle nuvaerendeNoegle() const;
    void byggFenwick() const;
    int linjerFoer(int blok) const;
    LinjeSted findLinje(int n) const;
    const QString &redigeringstekst(bool foldeKopi) const;
    static QString normaliser(const QString &tekst);

    // Displayed lines per block with a Fenwick tree over them, so a line number
    // and a block convert in O(log n). Blocks in [m_snavsFra, m_snavsTil] may
    // have changed since they were counted.
    QPointer<QWidget> m_liste;
    mutable bool m_bygget = false;
    mutable Noegle m_noegle;
    mutable std::vector<int> m_antal;
    mutable std::vector<int> m_fenwick;
    mutable bool m_fenwickGyldig = false;
    mutable int m_snavsFra = 0;
    mutable int m_snavsTil = -1;

    // The text with '\n' line breaks, and its case-folded copy, for searching.
    mutable QString m_tekst;
    mutable QString m_foldet;
    mutable bool m_tekstGyldig = false;
};
