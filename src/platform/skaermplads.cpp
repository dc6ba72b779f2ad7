#include "skaermplads.h"

#include "core/skaerm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <limits>

namespace {

// The screen under the window's centre, else the one nearest to it.
QScreen *skaermFor(const QWidget *vindue) {
    const QPoint midt = vindue->geometry().center();
    if (QScreen *s = QGuiApplication::screenAt(midt)) return s;
    QScreen *naermest = QGuiApplication::primaryScreen();
    qint64 afstand = std::numeric_limits<qint64>::max();
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const qint64 dx = std::max({g.left() - midt.x(), 0, midt.x() - g.right()});
        const qint64 dy = std::max({g.top() - midt.y(), 0, midt.y() - g.bottom()});
        if (dx * dx + dy * dy < afstand) {
            afstand = dx * dx + dy * dy;
            naermest = s;
        }
    }
    return naermest;
}

// The frame is known only once a window is on the screen; before that the frame
// of a window seen earlier stands in for it.
QMargins ramme(const QWidget *vindue) {
    static QMargins kendt;
    const QRect ydre = vindue->frameGeometry(), indre = vindue->geometry();
    const QMargins m(indre.left() - ydre.left(), indre.top() - ydre.top(),
                     ydre.right() - indre.right(), ydre.bottom() - indre.bottom());
    if (!m.isNull()) kendt = m;
    return vindue->isVisible() && !m.isNull() ? m : kendt;
}

QPointer<QWidget> &hovedvinduet() {
    static QPointer<QWidget> h;
    return h;
}

class MidtVedVisning : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *objekt, QEvent *e) override {
        if (e->type() == QEvent::Show && hovedvinduet())
            Skaermplads::centrer(static_cast<QWidget *>(objekt), hovedvinduet());
        return false;
    }
};

// Fits the window again when it is shown, when its frame has become known.
class VedVisning : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *objekt, QEvent *e) override {
        // The platform puts the frame on just after the show event.
        if (e->type() == QEvent::Show) {
            auto *vindue = static_cast<QWidget *>(objekt);
            QTimer::singleShot(0, vindue, [vindue] { Skaermplads::tilpas(vindue); });
        }
        return false;
    }
};

} // namespace

namespace Skaermplads {

void tilpas(QWidget *vindue) {
    if (!vindue->property("tilpasVedVisning").toBool()) {
        vindue->setProperty("tilpasVedVisning", true);
        vindue->installEventFilter(new VedVisning(vindue));
    }
    const QScreen *s = skaermFor(vindue);
    if (!s) return;
    const QRect omraade = s->availableGeometry();
    const QMargins m = ramme(vindue);
    const int rammeBredde = m.left() + m.right(), rammeHoejde = m.top() + m.bottom();
    // A fixed width gives way to a narrower screen.
    if (vindue->minimumWidth() == vindue->maximumWidth() &&
        vindue->width() + rammeBredde > omraade.width())
        vindue->setFixedWidth(std::max(1, omraade.width() - rammeBredde));
    const QWidget *hoved = hovedvinduet();
    // A window centred on the main window stays over it.
    const bool fri =
        hoved && hoved != vindue && hoved->isVisible() && !vindue->property("centreret").toBool();
    const QRect undgaa = fri ? hoved->frameGeometry() : QRect();
    const QRect ydre =
        indenforOmraade(vindue->geometry() + m, omraade,
                        vindue->minimumSize() + QSize(rammeBredde, rammeHoejde), undgaa);
    const QRect indre = ydre - m;
    if (indre != vindue->geometry()) vindue->setGeometry(indre);
}

void centrer(QWidget *vindue, const QWidget *over) {
    QRect g = vindue->geometry();
    g.moveCenter(over->geometry().center());
    vindue->setGeometry(g);
    vindue->setProperty("centreret", true);
    tilpas(vindue);
}

void saetHovedvindue(QWidget *hoved) {
    hovedvinduet() = hoved;
}

void aabnesMidtOverHovedvinduet(QWidget *vindue) {
    vindue->installEventFilter(new MidtVedVisning(vindue));
}

} // namespace Skaermplads
