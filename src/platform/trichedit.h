#pragma once

#include <QPlainTextEdit>

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
    QString Text() const;
    void setText(const QString &tekst);

    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    void setSelStart(int pos);                  // caret there, nothing selected
    void setSelection(int start, int laengde);  // anchor at start, caret at the end
    // Replaces the selection, caret after the insertion, modified flag set.
    void setSelText(const QString &tekst);

    // Caret (the moving end of the selection): displayed line and column, from 0.
    int CaretLinje() const;
    int CaretKolonne() const;

    int LinjeAntal() const;                      // an empty editor has one line
    QString Linje(int n) const;                  // without its line break
    void ErstatLinje(int n, const QString &tekst);
    int LinjeStart(int n) const;                 // first editor position of line n
    int LinjeVed(int pos) const;                 // line holding an editor position

    int TekstOffset(int editorPos) const;
    int EditorPos(int tekstOffset) const;

    // Editor position of the first hit in [fra, fra + laengde), or -1.
    int FindText(const QString &s, int fra, int laengde, bool heleOrd, bool ignorerCase = true) const;

    bool Modified() const;
    void setModified(bool m);

    void PasteFromClipboard();   // the clipboard's plain text at the caret

    // Throw Tekstfil::FilFejl; both clear the modified flag.
    void LoadFromFile(const QString &sti);
    void SaveToFile(const QString &sti);

    QString FontNavn() const;
    int FontStoerrelse() const;
    void setFontNavn(const QString &navn);
    void setFontStoerrelse(int punkter);

protected:
    void insertFromMimeData(const QMimeData *source) override;
};
