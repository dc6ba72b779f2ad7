#pragma once

// Shared set-up of the tag component tests: small lists, caret markers, and a
// text picture of the tag tree.

#include "tags/taginfo.h"

#include <QStringList>
#include <QTreeWidget>
#include <functional>

inline const QStringList &testTagliste() {
    static const QStringList l{"p", "div", "b", "i", "script", "style", "a", "ul", "li"};
    return l;
}

inline const QStringList &testNosluttagliste() {
    static const QStringList l{"br", "img", "input", "meta"};
    return l;
}

inline void saetTestlister(Tinfotag &t) {
    t.Tagliste().tilfoej(testTagliste());
    t.Nosluttagliste().tilfoej(testNosluttagliste());
    t.AlleTagliste().tilfoej(testTagliste());
    t.AlleTagliste().tilfoej(testNosluttagliste());
    t.Excludeliste().tilfoej(QStringList{"span"});
}

// Sets the editor text; '|' marks the caret, '[' and ']' a selection. Line
// breaks may be written CR LF; positions are counted as the editor counts them.
inline void saetTekst(TRichEdit &e, const QString &medMarkoerer) {
    QString tekst;
    int caret = -1, fra = -1, til = -1;
    const QString n = QString(medMarkoerer).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar c : n) {
        if (c == u'|')
            caret = int(tekst.size());
        else if (c == u'[')
            fra = int(tekst.size());
        else if (c == u']')
            til = int(tekst.size());
        else
            tekst += c;
    }
    e.setText(tekst);
    if (fra >= 0 && til >= 0)
        e.setSelection(fra, til - fra);
    else
        e.setSelStart(caret >= 0 ? caret : 0);
}

// One line per node: depth as indentation, text, [TagEnd], {AttrListe} when set.
inline QString traeTekst(QTreeWidget *trae) {
    QStringList linjer;
    std::function<void(QTreeWidgetItem *, int)> skriv = [&](QTreeWidgetItem *item, int dybde) {
        const TData *d = TagNode::PData(item);
        QString l = QString(dybde, u' ') + item->text(0) + u'[' +
                    QString::number(d ? d->TagEnd : -1) + u']';
        if (d && !d->AttrListe.isEmpty()) l += u'{' + d->AttrListe + u'}';
        linjer << l;
        for (int i = 0; i < item->childCount(); ++i)
            skriv(item->child(i), dybde + 1);
    };
    for (int i = 0; i < trae->topLevelItemCount(); ++i)
        skriv(trae->topLevelItem(i), 0);
    return linjer.join(u'\n');
}

// The node whose text is given, first in depth-first order.
inline QTreeWidgetItem *findNode(QTreeWidget *trae, const QString &tekst) {
    const auto fundne = trae->findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive);
    return fundne.isEmpty() ? nullptr : fundne.first();
}
