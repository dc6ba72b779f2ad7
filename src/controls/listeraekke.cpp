#include "listeraekke.h"

#include <QPainter>

TListeRaekke::TListeRaekke(int hoejde, QObject *forael)
    : QStyledItemDelegate(forael)
    , m_hoejde(hoejde) {}

QSize TListeRaekke::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 16, m_hoejde};
}

void TListeRaekke::paint(QPainter *p, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const {
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    p->save();
    p->fillRect(r, valgt ? option.palette.highlight() : option.palette.base());
    p->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), QColor(192, 220, 192));
    p->setFont(option.font);
    p->setPen(valgt ? option.palette.highlightedText().color() : option.palette.text().color());
    p->drawText(QRect(r.left() + 16, r.top() + 3, r.width() - 16, r.height() - 3),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
    p->setPen(QPen(QColor(192, 192, 192), 1));
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p->restore();
}
