#pragma once

#include <QWidget>

// A hint "short|long": the tool tip shows the short part, the status bar the long one.
inline void hint(QWidget *w, const QString &tekst) {
    const qsizetype streg = tekst.indexOf(u'|');
    w->setToolTip(streg < 0 ? tekst : tekst.left(streg));
    w->setStatusTip(streg < 0 ? tekst : tekst.mid(streg + 1));
}
