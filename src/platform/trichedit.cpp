#include "trichedit.h"

#include "tekstfil.h"

#include "core/ordsoegning.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr QChar afsnitsskift(QChar::ParagraphSeparator);

using Ordsoegning::foldet;

QPlainTextDocumentLayout *layoutAf(const QTextDocument *doc) {
    return qobject_cast<QPlainTextDocumentLayout *>(doc->documentLayout());
}

// Qt's plain layout reads a change as reaching from its start over the removed and the
// added length together. A key whose block the highlighter colours again in the same
// edit (the block from its start, one character longer) thus reaches into the next
// block: its layout is dropped and the whole view repainted at every key. An edit that
// stays inside one block, with the block count unchanged, is passed as that block
// alone, so only the block is laid out and repainted, as in an editor without colours.
// A change of colours alone (same length) is left to Qt, which lays the block out when
// it is painted, and so is a very long block.
class Blokvisning : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int fra, int fjernet, int tilfoejet) override {
        constexpr int kortBlok = 20'000;
        const QTextBlock blok = document()->findBlock(fra);
        if (fjernet != tilfoejet && tilfoejet > 0 && blok.length() <= kortBlok &&
            fra + tilfoejet <= blok.position() + blok.length() &&
            document()->blockCount() == m_blokke)
            fjernet = 0;
        m_blokke = document()->blockCount();
        QPlainTextDocumentLayout::documentChanged(fra, fjernet, tilfoejet);
    }

private:
    int m_blokke = 1;
};

} // namespace

TRichEdit::TRichEdit(QWidget *parent)
    : QPlainTextEdit(parent) {
    auto *doc = new QTextDocument(this);
    doc->setDocumentLayout(new Blokvisning(doc));
    doc->setDefaultFont(font());
    // setDocument lays the document out at the viewport's width. At no width, as
    // Qt's own document is, until the editor gets its size: a long text put into an
    // editor never sized would otherwise be broken into lines at a default width.
    const QSize viewportStr = viewport()->size();
    viewport()->resize(0, viewportStr.height());
    setDocument(doc);
    viewport()->resize(viewportStr);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always on: a bar that comes and goes would change the width and force
    // every block of a long text to be laid out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(document(), &QTextDocument::contentsChange, this, &TRichEdit::tekstAendret);
}

// Line breaks of any kind become '\n', which the document turns into blocks.
QString TRichEdit::normaliser(const QString &tekst) {
    QString ud;
    ud.reserve(tekst.size());
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst[i];
        if (c == u'\r') {
            if (i + 1 < n && tekst[i + 1] == u'\n') ++i;
            ud += u'\n';
        } else if (c == QChar::LineSeparator || c == afsnitsskift) {
            ud += u'\n';
        } else {
            ud += c;
        }
    }
    return ud;
}

QString TRichEdit::Text() const {
    QString t = document()->toRawText();
    t.replace(afsnitsskift, QStringLiteral("\r\n"));
    return t;
}

void TRichEdit::setText(const QString &tekst) {
    setPlainText(normaliser(tekst));
    document()->clearUndoRedoStacks();
    document()->setModified(false);
}

int TRichEdit::SelStart() const {
    return textCursor().selectionStart();
}

int TRichEdit::SelLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

QString TRichEdit::SelText() const {
    QString t = textCursor().selectedText();
    t.replace(afsnitsskift, u'\r');
    return t;
}

void TRichEdit::setSelStart(int pos) {
    setSelection(pos, 0);
}

void TRichEdit::setSelection(int start, int laengde) {
    const int maks = document()->characterCount() - 1;
    const int a = qBound(0, start, maks);
    const int b = qBound(0, start + laengde, maks);
    QTextCursor c = textCursor();
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void TRichEdit::setSelText(const QString &tekst) {
    QTextCursor c = textCursor();
    c.insertText(normaliser(tekst));
    setTextCursor(c);
    document()->setModified(true);
}

// ---- displayed lines ----

TRichEdit::Noegle TRichEdit::nuvaerendeNoegle() const {
    const QTextDocument *doc = document();
    const QTextOption o = doc->defaultTextOption();
    Noegle k;
    // The width the layout breaks lines at, read from the first block's first line.
    const QTextBlock foerste = doc->firstBlock();
    layoutAf(doc)->ensureBlockLayout(foerste);
    k.bredde = foerste.layout()->lineCount() > 0 ? foerste.layout()->lineAt(0).width() : -1;
    k.margen = doc->documentMargin();
    k.font = doc->defaultFont();
    k.ombrydning = int(o.wrapMode());
    k.tabulator = o.tabStopDistance();
    k.flag = int(o.flags());
    return k;
}

// A widget resized while hidden gets its resize events only when shown; the
// lines asked for before that must already follow the new width. The frame
// places the viewport, and the viewport's resize relays out the text.
void TRichEdit::anvendVentendeStoerrelse() const {
    if (isVisible()) return;
    auto *self = const_cast<TRichEdit *>(this);
    for (QWidget *w : {static_cast<QWidget *>(self), viewport()}) {
        if (!w->testAttribute(Qt::WA_PendingResizeEvent)) continue;
        QResizeEvent e(w->size(), QSize());
        QCoreApplication::sendEvent(w, &e);
        w->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

// Keeps the search copies in step with an edit, so a search after typing
// costs no copy of the whole text.
void TRichEdit::opdaterSoegetekst(int fra, int fjernet, int tilfoejet) {
    if (!m_tekstGyldig) return;
    QTextDocument *doc = document();
    const qsizetype nyLaengde = doc->characterCount() - 1;
    // The document may count its closing separator in both lengths.
    const qsizetype gammelSlut = qMin(qsizetype(fra) + fjernet, m_tekst.size());
    const qsizetype nySlut = qMin(qsizetype(fra) + tilfoejet, nyLaengde);
    if (fra < 0 || fra > gammelSlut || fra > nySlut ||
        m_tekst.size() - (gammelSlut - fra) + (nySlut - fra) != nyLaengde) {
        m_tekstGyldig = false;
        return;
    }
    QTextCursor c(doc);
    c.setPosition(fra);
    c.setPosition(int(nySlut), QTextCursor::KeepAnchor);
    QString ny = c.selectedText();
    ny.replace(afsnitsskift, u'\n');
    if (m_foldet.size() == m_tekst.size())
        m_foldet.replace(fra, gammelSlut - fra, foldet(ny));
    else
        m_foldet.clear();
    m_tekst.replace(fra, gammelSlut - fra, ny);
}

void TRichEdit::tekstAendret(int fra, int fjernet, int tilfoejet) {
    opdaterSoegetekst(fra, fjernet, tilfoejet);
    if (!m_bygget) return;
    const QTextDocument *doc = document();
    const int blokke = doc->blockCount();
    const int slut = qBound(0, fra + tilfoejet, doc->characterCount() - 1);
    const int b0 = doc->findBlock(qMax(0, fra)).blockNumber();
    const int b1 = doc->findBlock(slut).blockNumber();
    const int diff = blokke - int(m_antal.size());
    const int b1gammel = b1 - diff; // last old block that the change touched
    if (b0 < 0 || b1 < b0 || b1gammel < b0 || b1gammel >= int(m_antal.size())) {
        m_bygget = false; // not a change we can follow: count everything again
        return;
    }
    if (diff != 0) {
        m_antal.erase(m_antal.begin() + b0, m_antal.begin() + b1gammel + 1);
        m_antal.insert(m_antal.begin() + b0, b1 - b0 + 1, 0);
        m_fenwickGyldig = false;
    }
    // Move the range still to count past the change, then add the changed blocks.
    if (m_snavsFra <= m_snavsTil) {
        auto flyt = [&](int x, int indeni) {
            if (x < b0) return x;
            if (x > b1gammel) return x + diff;
            return indeni;
        };
        m_snavsFra = qMin(flyt(m_snavsFra, b0), b0);
        m_snavsTil = qMax(flyt(m_snavsTil, b1), b1);
    } else {
        m_snavsFra = b0;
        m_snavsTil = b1;
    }
}

void TRichEdit::sikrLinjer() const {
    taelLinjer(-1);
}

bool TRichEdit::taelLinjer(int maksMs) const {
    QElapsedTimer ur;
    ur.start();
    anvendVentendeStoerrelse();
    QTextDocument *doc = document();
    QPlainTextDocumentLayout *lay = layoutAf(doc);
    const Noegle k = nuvaerendeNoegle();
    const int blokke = doc->blockCount();
    if (!m_bygget || !(k == m_noegle) || int(m_antal.size()) != blokke) {
        if (m_bygget && !(k == m_noegle))
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                b.clearLayout();
        m_noegle = k;
        m_antal.assign(blokke, 0);
        m_fenwickGyldig = false;
        m_snavsFra = 0;
        m_snavsTil = blokke - 1;
        m_bygget = true;
    }
    if (m_snavsFra > m_snavsTil) return true;

    bool aendret = false;
    bool udloebet = false;
    {
        // One size change for the view afterwards instead of one per block.
        const QSignalBlocker stille(lay);
        QTextBlock b = doc->findBlockByNumber(m_snavsFra);
        for (int i = m_snavsFra; i <= m_snavsTil && b.isValid(); ++i, b = b.next()) {
            if (maksMs >= 0 && ur.elapsed() > maksMs) {
                m_snavsFra = i; // the rest in a later step
                udloebet = true;
                break;
            }
            lay->ensureBlockLayout(b);
            const int n = qMax(1, b.layout()->lineCount());
            if (n == m_antal[i]) continue;
            if (m_fenwickGyldig)
                for (size_t j = size_t(i) + 1; j < m_fenwick.size(); j += j & (~j + 1))
                    m_fenwick[j] += n - m_antal[i];
            m_antal[i] = n;
            aendret = true;
        }
    }
    if (aendret) emit lay->documentSizeChanged(lay->documentSize());
    if (udloebet) return false;
    m_snavsFra = 0;
    m_snavsTil = -1;
    if (!m_fenwickGyldig) byggFenwick();
    return true;
}

void TRichEdit::byggFenwick() const {
    const size_t n = m_antal.size();
    m_fenwick.assign(n + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        m_fenwick[i] += m_antal[i - 1];
        const size_t j = i + (i & (~i + 1));
        if (j <= n) m_fenwick[j] += m_fenwick[i];
    }
    m_fenwickGyldig = true;
}

// Displayed lines in the blocks before block number blok.
int TRichEdit::linjerFoer(int blok) const {
    int sum = 0;
    for (size_t i = size_t(blok); i > 0; i -= i & (~i + 1))
        sum += m_fenwick[i];
    return sum;
}

TRichEdit::LinjeSted TRichEdit::findLinje(int n) const {
    sikrLinjer();
    if (n < 0) return {};
    const size_t antal = m_antal.size();
    size_t blok = 0;
    int rest = n;
    size_t trin = 1;
    while (trin * 2 <= antal)
        trin *= 2;
    for (; trin > 0; trin /= 2) {
        if (blok + trin <= antal && m_fenwick[blok + trin] <= rest) {
            blok += trin;
            rest -= m_fenwick[blok];
        }
    }
    if (blok >= antal) return {};
    const QTextBlock b = document()->findBlockByNumber(int(blok));
    // Qt may have dropped the layout of an unchanged block near an edit.
    layoutAf(document())->ensureBlockLayout(b);
    if (rest >= b.layout()->lineCount()) return {};
    return {b, rest};
}

int TRichEdit::LinjeAntal() const {
    sikrLinjer();
    return linjerFoer(int(m_antal.size()));
}

int TRichEdit::LinjeStart(int n) const {
    const LinjeSted s = findLinje(n);
    if (!s.blok.isValid()) return -1;
    return s.blok.position() + s.blok.layout()->lineAt(s.linje).textStart();
}

int TRichEdit::LinjeVed(int pos) const {
    sikrLinjer();
    const QTextDocument *doc = document();
    pos = qBound(0, pos, doc->characterCount() - 1);
    const QTextBlock b = doc->findBlock(pos);
    layoutAf(doc)->ensureBlockLayout(b);
    const QTextLine l = b.layout()->lineForTextPosition(pos - b.position());
    return linjerFoer(b.blockNumber()) + (l.isValid() ? l.lineNumber() : 0);
}

QString TRichEdit::Linje(int n) const {
    const LinjeSted s = findLinje(n);
    if (!s.blok.isValid()) return {};
    const QTextLayout *tl = s.blok.layout();
    const int start = tl->lineAt(s.linje).textStart();
    const int slut =
        s.linje + 1 < tl->lineCount() ? tl->lineAt(s.linje + 1).textStart() : s.blok.length() - 1;
    return s.blok.text().mid(start, slut - start);
}

void TRichEdit::ErstatLinje(int n, const QString &tekst) {
    const LinjeSted s = findLinje(n);
    if (!s.blok.isValid()) return;
    const QTextLayout *tl = s.blok.layout();
    const int start = s.blok.position() + tl->lineAt(s.linje).textStart();
    const int slut = s.linje + 1 < tl->lineCount()
                         ? s.blok.position() + tl->lineAt(s.linje + 1).textStart()
                         : s.blok.position() + s.blok.length() - 1;
    QTextCursor c(document());
    c.setPosition(start);
    c.setPosition(slut, QTextCursor::KeepAnchor);
    c.insertText(normaliser(tekst));
    setTextCursor(c);
    document()->setModified(true);
}

int TRichEdit::CaretLinje() const {
    return LinjeVed(textCursor().position());
}

int TRichEdit::CaretKolonne() const {
    const int pos = textCursor().position();
    return pos - LinjeStart(LinjeVed(pos));
}

// ---- the two position counts ----

// Every real line break before a position is one block boundary.
int TRichEdit::TekstOffset(int editorPos) const {
    const QTextDocument *doc = document();
    editorPos = qBound(0, editorPos, doc->characterCount() - 1);
    return editorPos + doc->findBlock(editorPos).blockNumber();
}

int TRichEdit::EditorPos(int tekstOffset) const {
    const QTextDocument *doc = document();
    if (tekstOffset <= 0) return 0;
    // The last block whose text offset (position + block number) is at or before the offset.
    int lav = 0, hoej = doc->blockCount() - 1;
    while (lav < hoej) {
        const int midt = (lav + hoej + 1) / 2;
        if (doc->findBlockByNumber(midt).position() + midt <= tekstOffset)
            lav = midt;
        else
            hoej = midt - 1;
    }
    const QTextBlock b = doc->findBlockByNumber(lav);
    // An offset on the CR or LF of a break stands at the end of the block.
    return qMin(tekstOffset - lav, b.position() + b.length() - 1);
}

// ---- search ----

const QString &TRichEdit::redigeringstekst(bool foldeKopi) const {
    if (!m_tekstGyldig) {
        m_tekst = document()->toRawText();
        m_tekst.replace(afsnitsskift, u'\n');
        m_foldet.clear();
        m_tekstGyldig = true;
    }
    if (!foldeKopi) return m_tekst;
    // Searching a folded copy with a folded pattern is far faster than Qt's
    // case-insensitive search, which folds every character on every call.
    if (m_foldet.size() != m_tekst.size()) m_foldet = foldet(m_tekst);
    return m_foldet;
}

int TRichEdit::FindText(const QString &s, int fra, int laengde, bool heleOrd,
                        bool ignorerCase) const {
    if (s.isEmpty()) return -1;
    const QString &t = redigeringstekst(false);
    const QString &soeg = redigeringstekst(ignorerCase);
    const qsizetype start = qBound(qsizetype(0), qsizetype(fra), t.size());
    const qsizetype slut = qBound(start, qsizetype(fra) + qMax(0, laengde), t.size());
    return int(Ordsoegning::find(t, soeg, ignorerCase ? foldet(s) : s, start, slut, heleOrd));
}

// ---- modified flag, clipboard, keys ----

bool TRichEdit::Modified() const {
    return document()->isModified();
}

void TRichEdit::setModified(bool m) {
    document()->setModified(m);
}

void TRichEdit::PasteFromClipboard() {
    if (const QMimeData *m = QGuiApplication::clipboard()->mimeData()) insertFromMimeData(m);
}

// Pasted and dropped text is always plain text, whatever else the source offers.
void TRichEdit::insertFromMimeData(const QMimeData *source) {
    if (!source || !source->hasText() || isReadOnly()) return;
    const QString tekst = normaliser(source->text());
    if (tekst.isEmpty()) return;
    QTextCursor c = textCursor();
    c.insertText(tekst);
    setTextCursor(c);
    ensureCursorVisible();
}

// Shift+Enter would put a line separator inside the block; the text only knows
// real line breaks.
void TRichEdit::keyPressEvent(QKeyEvent *e) {
    // Left unhandled, these keys go on to the popup list (to take an item or close it).
    static const int listetaster[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
                                      Qt::Key_Escape};
    if (m_liste && m_liste->isVisible() && std::ranges::count(listetaster, e->key())) {
        e->ignore();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent uden(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text(),
                       e->isAutoRepeat(), ushort(e->count()));
        QPlainTextEdit::keyPressEvent(&uden);
        e->setAccepted(uden.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

// ---- files ----

void TRichEdit::LoadFromFile(const QString &sti) {
    const Tekstfil::Indhold ind = Tekstfil::laes(sti);
    setText(ind.linjer.join(u'\n'));
    moveCursor(QTextCursor::Start);
    emit filIndlaest(sti);
}

// One line per block; an empty editor writes an empty file, and a last empty
// block is kept so the text comes back exactly as it was.
QStringList TRichEdit::Linjer() const {
    QStringList linjer;
    const QTextDocument *doc = document();
    if (doc->characterCount() > 1) {
        linjer.reserve(doc->blockCount());
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            linjer.append(b.text());
    }
    return linjer;
}

void TRichEdit::SaveToFile(const QString &sti) {
    Tekstfil::skriv(sti, Linjer());
    document()->setModified(false);
    emit filGemt(sti);
}

// ---- font ----

QString TRichEdit::FontNavn() const {
    return font().family();
}

int TRichEdit::FontStoerrelse() const {
    return font().pointSize();
}

void TRichEdit::setFontNavn(const QString &navn) {
    QFont f = font();
    f.setFamily(navn);
    setFont(f);
}

void TRichEdit::setFontStoerrelse(int punkter) {
    if (punkter <= 0) return;
    QFont f = font();
    f.setPointSize(punkter);
    setFont(f);
}
