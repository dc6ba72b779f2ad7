#include "tagpartner.h"

#include "core/tagpar.h"
#include "editor/kodemarkering.h"
#include "platform/trichedit.h"

#include <QTextBlock>

namespace {

// How many lines before or after the caret's line the partner may stand.
constexpr int soegeLinjer = 1000;

} // namespace

Tagpartner::Tagpartner(TRichEdit *editor, Kodemarkering *markering, const SorteretListe *udenSlut)
    : QObject(editor)
    , m_editor(editor)
    , m_markering(markering)
    , m_udenSlut(udenSlut) {
    setObjectName(QStringLiteral("Tagpartner"));
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &Tagpartner::opdater);
}

void Tagpartner::opdater() {
    const QList<QPair<int, int>> foer = m_markeret;
    m_markeret.clear();
    const QTextCursor c = m_editor->textCursor();
    const QTextBlock blok = c.block();
    const int kol = c.positionInBlock();
    const int tilstand = m_markering->tilstandFoer(blok);
    const QList<Tagpar::Tag> her = Tagpar::tags({blok.text()}, tilstand, *m_udenSlut);
    const Tagpar::Tag *tag = nullptr;
    for (const Tagpar::Tag &t : her)
        if (kol >= t.start && kol <= t.start + t.laengde) tag = &t;
    if (!c.hasSelection() && tag && !tag->tom) {
        // An end tag looks back, a start tag ahead; the caret's line ends or starts the stretch.
        QStringList linjer{blok.text()};
        QTextBlock foerste = blok;
        if (tag->slut) {
            for (int i = 0; i < soegeLinjer && foerste.previous().isValid(); ++i) {
                foerste = foerste.previous();
                linjer.prepend(foerste.text());
            }
        } else {
            for (QTextBlock b = blok.next(); b.isValid() && linjer.size() <= soegeLinjer;
                 b = b.next())
                linjer << b.text();
        }
        const QList<Tagpar::Tag> alle =
            Tagpar::tags(linjer, m_markering->tilstandFoer(foerste), *m_udenSlut);
        const int linje = tag->slut ? int(linjer.size()) - 1 : 0;
        int i = 0;
        while (i < alle.size() && !(alle[i].linje == linje && alle[i].start == tag->start))
            ++i;
        const int j = Tagpar::partner(alle, i);
        if (j >= 0) {
            const int foersteNr = foerste.blockNumber();
            for (const Tagpar::Tag &t : {alle[i], alle[j]}) {
                const QTextBlock b = m_editor->document()->findBlockByNumber(foersteNr + t.linje);
                m_markeret << qMakePair(b.position() + t.start, t.laengde);
            }
        }
    }
    if (m_markeret == foer) return;
    QList<QTextEdit::ExtraSelection> markeringer;
    for (const auto &[start, laengde] : m_markeret) {
        QTextEdit::ExtraSelection m;
        m.cursor = QTextCursor(m_editor->document());
        m.cursor.setPosition(start);
        m.cursor.setPosition(start + laengde, QTextCursor::KeepAnchor);
        // Bold and underlined keeps the design's colours readable on their background.
        m.format.setFontWeight(QFont::Bold);
        m.format.setFontUnderline(true);
        markeringer << m;
    }
    m_editor->setExtraSelections(markeringer);
}
