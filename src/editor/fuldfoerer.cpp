#include "fuldfoerer.h"

#include "core/tagpar.h"
#include "core/tekstomraader.h"
#include "editor/kodemarkering.h"
#include "editor/tagmenuer.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"
#include "tags/taginfo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QTimer>

namespace {

// How far back the open element for an end tag is looked for.
constexpr int slutkodeLinjer = 1000;

} // namespace

Fuldfoerelseslister::Fuldfoerelseslister(Tinfotag *tag, const QString &dir)
    : m_tag(tag)
    , m_dir(dir) {}

QStringList Fuldfoerelseslister::laes(const QString &relativ) const {
    auto it = m_filer.constFind(relativ);
    if (it != m_filer.constEnd()) return *it;
    QStringList linjer;
    const QString sti = m_dir + relativ;
    // A missing or unreadable list offers nothing; the editor goes on as before.
    if (QFileInfo(sti).isFile()) try {
            linjer = Tekstfil::laesLinjer(sti);
        } catch (const Tekstfil::FilFejl &) {
        }
    m_filer.insert(relativ, linjer);
    return linjer;
}

const SorteretListe &Fuldfoerelseslister::udenSlutkode() const {
    return m_tag->Nosluttagliste();
}

QStringList Fuldfoerelseslister::liste(const Fuldfoerelse::Sted &sted) const {
    using Fuldfoerelse::Art;
    switch (sted.art) {
    case Art::Tag:
        return m_tag->AlleTagliste().ord();
    case Art::Attribut:
        if (sted.tag.contains(u'/') || sted.tag.contains(u'\\')) return {};
        return laes(QStringLiteral("Attributes/%1.txt").arg(sted.tag));
    case Art::Entitet: {
        QStringList ud;
        for (const Specialtegn &t : specialtegn())
            ud << t.entitet;
        return ud;
    }
    case Art::CssEgenskab:
        return laes(QStringLiteral("Css/Egenskaber.txt"));
    case Art::CssVaerdi:
        return Fuldfoerelse::cssVaerdier(laes(QStringLiteral("Css/Vaerdier.txt")), sted.egenskab);
    case Art::Js:
        return Tekstomraader::jsNoegleord() + laes(QStringLiteral("Js/Navne.txt"));
    case Art::Slutkode:
    case Art::Ingen:
        break;
    }
    return {};
}

Fuldfoerer::Fuldfoerer(TRichEdit *editor, Kodemarkering *markering,
                       const Fuldfoerelseslister *lister)
    : QObject(editor)
    , m_editor(editor)
    , m_markering(markering)
    , m_lister(lister)
    , m_completer(new QCompleter(this))
    , m_model(new QStringListModel(this)) {
    setObjectName(QStringLiteral("Fuldfoerer"));
    m_completer->setObjectName(QStringLiteral("fuldfoerelse"));
    m_completer->setModel(m_model);
    m_completer->setWidget(editor);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->popup()->setObjectName(QStringLiteral("fuldfoerelsesliste"));
    editor->setListe(m_completer->popup());
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), this,
            &Fuldfoerer::indsaet);
    connect(editor->document(), &QTextDocument::contentsChange, this, &Fuldfoerer::tekstAendret);
}

void Fuldfoerer::tekstAendret(int pos, int fjernet, int tilfoejet) {
    if (m_indsaetter || !m_editor->isVisible()) return;
    // Only a key typed (or erased) at the caret opens or narrows the list;
    // the caret has moved after the change once the event is done.
    const bool tastet = (tilfoejet == 1 && fjernet == 0) || (fjernet == 1 && tilfoejet == 0);
    if (!tastet) {
        m_completer->popup()->hide();
        return;
    }
    QTimer::singleShot(0, this, [this, pos, tilfoejet] {
        const int caret = m_editor->textCursor().position();
        if (caret == pos + tilfoejet) vis();
    });
}

Fuldfoerelse::Sted Fuldfoerer::stedVedCaret() const {
    const QTextCursor c = m_editor->textCursor();
    const QTextBlock blok = c.block();
    const int tilstand = m_markering->tilstandFoer(blok);
    // Inside a tag begun on an earlier line: the lines back to its "<".
    QString foregaaende;
    if (const int t = tilstand & 0x0f; t >= Tekstomraader::Tag && t <= Tekstomraader::TagEnkelt) {
        QTextBlock b = blok.previous();
        for (int i = 0; i < slutkodeLinjer && b.isValid(); ++i, b = b.previous()) {
            foregaaende.prepend(b.text() + u'\n');
            if (b.text().contains(u'<')) break;
        }
    }
    return Fuldfoerelse::sted(blok.text(), c.positionInBlock(), tilstand, m_markering->sprog(),
                              foregaaende);
}

QString Fuldfoerer::slutkode() const {
    // The element open at the caret, read from a bounded stretch before it.
    const QTextCursor c = m_editor->textCursor();
    QTextBlock blok = c.block();
    QStringList linjer{blok.text().left(c.positionInBlock())};
    for (int i = 0; i < slutkodeLinjer && blok.previous().isValid(); ++i) {
        blok = blok.previous();
        linjer.prepend(blok.text());
    }
    const QString navn = Tagpar::aabent(
        Tagpar::tags(linjer, m_markering->tilstandFoer(blok), m_lister->udenSlutkode()));
    return navn.isEmpty() ? QString() : QStringLiteral("</%1>").arg(navn);
}

QStringList Fuldfoerer::forslag() const {
    const Fuldfoerelse::Sted s = stedVedCaret();
    if (s.art == Fuldfoerelse::Art::Ingen) return {};
    QStringList liste;
    if (s.art == Fuldfoerelse::Art::Slutkode) {
        const QString k = slutkode();
        if (!k.isEmpty()) liste << k;
    } else {
        liste = m_lister->liste(s);
    }
    return Fuldfoerelse::udvalg(liste, s.praefiks);
}

void Fuldfoerer::vis() {
    const QStringList punkter = forslag();
    QAbstractItemView *popup = m_completer->popup();
    if (punkter.isEmpty()) {
        popup->hide();
        return;
    }
    m_model->setStringList(punkter);
    QRect r = m_editor->cursorRect();
    r.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() + 8);
    m_completer->complete(r);
    popup->setCurrentIndex(m_model->index(0));
}

void Fuldfoerer::indsaet(const QString &punkt) {
    const Fuldfoerelse::Sted s = stedVedCaret();
    if (s.art == Fuldfoerelse::Art::Ingen) return;
    QTextCursor c = m_editor->textCursor();
    const int caret = c.position();
    c.setPosition(c.block().position() + s.start);
    c.setPosition(caret, QTextCursor::KeepAnchor);
    m_indsaetter = true;
    // An attribute comes with its quotes, the caret between them.
    if (s.art == Fuldfoerelse::Art::Attribut) {
        c.insertText(punkt + QStringLiteral("=\"\""));
        c.movePosition(QTextCursor::Left);
    } else {
        c.insertText(punkt);
    }
    m_indsaetter = false;
    m_editor->setTextCursor(c);
}
