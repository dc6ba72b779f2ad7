#include "skaermplads.h"

#include "core/skaerm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QScreen *skaermFor(const QWidget *vindue) {
    QScreen *s = QGuiApplication::screenAt(vindue->geometry().center());
    return s ? s : QGuiApplication::primaryScreen();
}

// The frame is known only once the window has been shown; before that it counts as none.
QMargins ramme(const QWidget *vindue) {
    const QRect ydre = vindue->frameGeometry(), indre = vindue->geometry();
    return QMargins(indre.left() - ydre.left(), indre.top() - ydre.top(),
                    ydre.right() - indre.right(), ydre.bottom() - indre.bottom());
}

} // namespace

namespace Skaermplads {

void tilpas(QWidget *vindue) {
    const QScreen *s = skaermFor(vindue);
    if (!s) return;
    const QMargins m = ramme(vindue);
    const QSize rammeTillaeg(m.left() + m.right(), m.top() + m.bottom());
    const QRect ydre = indenforOmraade(vindue->geometry() + m, s->availableGeometry(),
                                       vindue->minimumSize() + rammeTillaeg);
    const QRect indre = ydre - m;
    if (indre != vindue->geometry()) vindue->setGeometry(indre);
}

int friBredde(const QWidget *vindue) {
    const QScreen *s = skaermFor(vindue);
    if (!s) return QWIDGETSIZE_MAX;
    const QMargins m = ramme(vindue);
    return s->availableGeometry().width() - m.left() - m.right();
}

void centrer(QWidget *vindue, const QWidget *over) {
    QRect g = vindue->geometry();
    g.moveCenter(over->geometry().center());
    vindue->setGeometry(g);
    tilpas(vindue);
}

} // namespace Skaermplads
