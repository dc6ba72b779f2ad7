#include "stavemarkering.h"

#include "core/tekstomraader.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QFileInfo>
#include <QMenu>
#include <QTextBlock>

TStavning::TStavning(const QString &ordbog, const QString &ordliste, QObject *parent)
    : QObject(parent)
    , m_kontrol(ordbog)
    , m_ordliste(ordliste) {
    setObjectName(QStringLiteral("stavning"));
    if (!QFileInfo::exists(m_ordliste)) return;
    try {
        const QStringList linjer = Tekstfil::laesLinjer(m_ordliste);
        m_egne.reserve(linjer.size());
        m_kendte.reserve(linjer.size());
        for (const QString &linje : linjer) {
            const QString ord = linje.trimmed();
            if (ord.isEmpty() || m_kendte.contains(ord)) continue;
            m_kendte.insert(ord);
            m_egne << ord;
            m_kontrol.tilfoej(ord);
        }
    } catch (const Tekstfil::FilFejl &) {
        // The words in it would be lost by writing it anew; it stays as it is.
        m_ulaeselig = true;
    }
}

bool TStavning::korrekt(const QString &ord) const {
    // The dictionary keeps its answers for the run.
    return m_kontrol.korrekt(ord);
}

void TStavning::saetSlaaetTil(bool til) {
    if (til == m_til) return;
    m_til = til;
    emit aendret();
}

void TStavning::tilfoejOrdbog(const QString &ord) {
    if (ord.isEmpty()) return;
    if (m_ulaeselig)
        throw Tekstfil::FilFejl(
            m_ordliste, QStringLiteral("Ordbogen \"%1\" kunne ikke læses, da programmet startede. "
                                       "Ordet er ikke tilføjet, så filen ikke overskrives.")
                            .arg(m_ordliste));
    if (!m_kendte.contains(ord)) {
        QStringList ny = m_egne;
        ny << ord;
        Tekstfil::skriv(m_ordliste, ny);
        m_egne = ny;
        m_kendte.insert(ord);
    }
    m_kontrol.tilfoej(ord);
    emit aendret();
}

void TStavning::ignorer(const QString &ord) {
    m_kontrol.tilfoej(ord);
    emit aendret();
}

Stavemarkering::Stavemarkering(TRichEdit *editor, TStavning *stavning)
    : Kodemarkering(editor, Fuldfoerelse::Sprog::Html)
    , m_stavning(stavning) {
    setObjectName(QStringLiteral("Stavemarkering"));
    m_boelge.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    m_boelge.setUnderlineColor(Qt::red);
    connect(m_stavning, &TStavning::aendret, this, &Stavemarkering::foelg);
    foelg();
}

void Stavemarkering::markerOrd(const QString &tekst, const QList<Tekstomraader::Omraade> &ord) {
    for (const Tekstomraader::Omraade &o : ord) {
        const QString w = tekst.mid(o.start, o.laengde);
        if (m_stavning->korrekt(w)) continue;
        // The wave joins the word's colour, if it has one.
        QTextCharFormat f = format(o.start);
        f.merge(m_boelge);
        setFormat(o.start, o.laengde, f);
    }
}

bool Stavemarkering::markeretOrd(int pos, int &start, int &laengde, QString &ord) const {
    if (!document() || !m_stavning->aktiv()) return false;
    const QTextBlock blok = document()->findBlock(pos);
    if (!blok.isValid()) return false;
    int tilstand = tilstandFoer(blok);
    const QString tekst = blok.text();
    const int i = pos - blok.position();
    for (const Tekstomraader::Omraade &o : Tekstomraader::ord(tekst, tilstand)) {
        if (i < o.start || i > o.start + o.laengde) continue;
        const QString w = tekst.mid(o.start, o.laengde);
        if (m_stavning->korrekt(w)) return false;
        start = blok.position() + o.start;
        laengde = o.laengde;
        ord = w;
        return true;
    }
    return false;
}

bool Stavemarkering::visMenu(const QPoint &sted, QMenu *editorMenu) {
    int start = 0, laengde = 0;
    QString ord;
    if (!markeretOrd(m_editor->cursorForPosition(sted).position(), start, laengde, ord))
        return false;
    auto *menu = new QMenu(m_editor);
    menu->setObjectName(QStringLiteral("PUstavning"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QStringList forslag = m_stavning->forslag(ord);
    for (int i = 0; i < forslag.size(); ++i) {
        QAction *a = menu->addAction(forslag[i]);
        a->setObjectName(QStringLiteral("mForslag%1").arg(i + 1));
        const QString nyt = forslag[i];
        connect(a, &QAction::triggered, m_editor, [editor = m_editor, start, laengde, ord, nyt] {
            // The word is replaced only where it still stands.
            editor->setSelection(start, laengde);
            if (editor->SelText() != ord) return;
            editor->setSelText(nyt);
        });
    }
    if (forslag.isEmpty()) menu->addAction(QStringLiteral("Ingen forslag"))->setEnabled(false);
    menu->addSeparator();
    QAction *tilfoej = menu->addAction(QStringLiteral("Tilføj til ordbog"));
    tilfoej->setObjectName(QStringLiteral("mTilfoejOrdbog"));
    connect(tilfoej, &QAction::triggered, m_editor,
            [this, ord] { Dialoger::kommando([&] { m_stavning->tilfoejOrdbog(ord); }, m_editor); });
    QAction *ignorer = menu->addAction(QStringLiteral("Ignorer"));
    ignorer->setObjectName(QStringLiteral("mIgnorer"));
    connect(ignorer, &QAction::triggered, m_editor, [this, ord] { m_stavning->ignorer(ord); });
    if (editorMenu) {
        menu->addSeparator();
        menu->addActions(editorMenu->actions());
    }
    menu->popup(m_editor->viewport()->mapToGlobal(sted));
    return true;
}
