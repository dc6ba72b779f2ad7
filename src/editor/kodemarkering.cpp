#include "kodemarkering.h"

#include "platform/kodefarver.h"
#include "platform/trichedit.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The state of a block whose turn has not come: no reading ends in it.
constexpr int ikkeKlar = 1 << 30;
// How long one step may keep the events waiting.
constexpr int skridtMs = 12;
// A line longer than this (a page saved as one line) is only read for the state
// it leaves: marking it would hold the editor for seconds at a time.
constexpr int langLinje = 100'000;

} // namespace

Kodemarkering::Kodemarkering(TRichEdit *editor, Fuldfoerelse::Sprog sprog)
    : QSyntaxHighlighter(static_cast<QObject *>(editor))
    , m_editor(editor)
    , m_sprog(sprog) {
    setObjectName(QStringLiteral("Kodemarkering"));
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &Kodemarkering::naesteSkridt);
    // Connected before the highlighter's own handler, so the frontier has moved when it runs.
    connect(editor->document(), &QTextDocument::contentsChange, this,
            [this](int pos, int, int) { tekstAendret(pos); });
    m_antalBlokke = editor->document()->blockCount();
    // A new design brings new colours; its name is set after its palette, so read it afterwards.
    editor->installEventFilter(this);
    nyeFormater();
}

bool Kodemarkering::eventFilter(QObject *objekt, QEvent *e) {
    if (objekt == m_editor && e->type() == QEvent::PaletteChange && m_farver)
        QTimer::singleShot(0, this, [this] {
            nyeFormater();
            foelg();
        });
    return QSyntaxHighlighter::eventFilter(objekt, e);
}

void Kodemarkering::nyeFormater() {
    using Tekstomraader::Slags;
    using namespace Kodefarver;
    const Saet s = aktivt();
    const auto farve = [&](Slags slags, Rolle r) { m_format[int(slags)].setForeground(s[r]); };
    farve(Slags::TagNavn, Tag);
    farve(Slags::Selektor, Tag);
    farve(Slags::Attribut, Attribut);
    farve(Slags::Egenskab, Attribut);
    farve(Slags::Vaerdi, Vaerdi);
    farve(Slags::Kommentar, Kommentar);
    farve(Slags::Entitet, Entitet);
    farve(Slags::Erklaering, Erklaering);
    farve(Slags::Noegleord, Noegleord);
    farve(Slags::Tal, Tal);
    m_format[int(Slags::Kommentar)].setFontItalic(true);
}

void Kodemarkering::saetFarver(bool til) {
    if (til == m_farver) return;
    m_farver = til;
    if (til) nyeFormater();
    foelg();
}

void Kodemarkering::foelg() {
    // Detached, the highlighter leaves no marks behind and costs nothing per key.
    if (!m_farver && !andetArbejde()) {
        m_timer.stop();
        if (document()) setDocument(nullptr);
        return;
    }
    m_klarTil = -1;
    m_sidsteKlar = -1;
    if (document() != m_editor->document())
        setDocument(m_editor->document());
    else
        rehighlight();
    // The top of the page at once, so a short page never shows itself unmarked.
    naesteSkridt();
    m_timer.start();
}

void Kodemarkering::tekstAendret(int pos) {
    // Lines added or removed before the frontier move it with the blocks that were done;
    // many lines at once (a new text, a long paste) are done in steps from where they begin.
    QTextDocument *d = m_editor->document();
    const int antal = d->blockCount();
    const int blok = d->findBlock(pos).blockNumber();
    if (antal - m_antalBlokke > 1000)
        m_klarTil = std::min(m_klarTil, blok);
    else if (blok <= m_klarTil)
        m_klarTil = std::max(m_klarTil + antal - m_antalBlokke, blok);
    m_antalBlokke = antal;
    if (document() && !faerdig()) m_timer.start();
}

bool Kodemarkering::faerdig() const {
    return !document() || m_klarTil >= document()->blockCount() - 1;
}

void Kodemarkering::naesteSkridt() {
    if (!document() || faerdig()) {
        m_timer.stop();
        return;
    }
    QElapsedTimer ur;
    ur.start();
    const int fra = m_klarTil + 1;
    m_klarTil = std::min(fra + m_skridt, document()->blockCount() - 1);
    // A block whose state did not change ends QSyntaxHighlighter's run early;
    // carry on after it until the step is done.
    for (int b = fra; b <= m_klarTil;) {
        m_sidsteKlar = b - 1;
        rehighlightBlock(document()->findBlockByNumber(b));
        b = std::max(b + 1, m_sidsteKlar + 1);
    }
    const qint64 ms = ur.elapsed();
    if (ms < skridtMs / 2)
        m_skridt = std::min(m_skridt * 2, 1 << 16);
    else if (ms > skridtMs)
        m_skridt = std::max(m_skridt / 2, 1);
}

int Kodemarkering::tilstandFoer(const QTextBlock &blok) const {
    const QTextBlock forrige = blok.previous();
    const int t = forrige.isValid() ? forrige.userState() : -1;
    return t < 0 || t == ikkeKlar ? Tekstomraader::Tekst : t;
}

void Kodemarkering::highlightBlock(const QString &tekst) {
    const int nummer = currentBlock().blockNumber();
    if (nummer > m_klarTil) {
        setCurrentBlockState(ikkeKlar);
        return;
    }
    m_sidsteKlar = std::max(m_sidsteKlar, nummer);
    const int forrige = previousBlockState();
    int tilstand = forrige < 0 || forrige == ikkeKlar ? Tekstomraader::Tekst : forrige;
    const bool ord = andetArbejde() && m_sprog == Fuldfoerelse::Sprog::Html;
    if (tekst.size() > langLinje) {
        if (m_sprog == Fuldfoerelse::Sprog::Html)
            Tekstomraader::tekstOmraader(tekst, tilstand);
        else if (m_sprog == Fuldfoerelse::Sprog::Css)
            Tekstomraader::cssFarver(tekst, tilstand);
        else
            Tekstomraader::jsFarver(tekst, tilstand);
        setCurrentBlockState(tilstand);
        return;
    }
    if (!m_farver) {
        if (ord) markerOrd(tekst, Tekstomraader::ord(tekst, tilstand));
        setCurrentBlockState(tilstand);
        return;
    }
    QList<Tekstomraader::Omraade> ordene;
    const QList<Tekstomraader::Farveomraade> omraader =
        m_sprog == Fuldfoerelse::Sprog::Html
            ? Tekstomraader::htmlFarver(tekst, tilstand, ord ? &ordene : nullptr)
        : m_sprog == Fuldfoerelse::Sprog::Css ? Tekstomraader::cssFarver(tekst, tilstand)
                                              : Tekstomraader::jsFarver(tekst, tilstand);
    for (const Tekstomraader::Farveomraade &o : omraader)
        setFormat(o.start, o.laengde, m_format[int(o.slags)]);
    if (ord) markerOrd(tekst, ordene);
    setCurrentBlockState(tilstand);
}
