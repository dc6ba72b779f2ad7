#pragma once

#include <QStyledItemDelegate>

// The rows of the program's name lists (search hits, structures): a small
// green square before the name and a thin grey rule under each row.
class TListeRaekke : public QStyledItemDelegate {
public:
    TListeRaekke(int hoejde, QObject *forael);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_hoejde;
};
