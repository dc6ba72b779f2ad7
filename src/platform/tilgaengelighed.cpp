#include "tilgaengelighed.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRegularExpression>

namespace Tilgaengelighed {

namespace {

QString udenGenvej(QString tekst) {
    tekst.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return tekst.trimmed();
}

// The short part of a hint "kort|lang" is what the tool tip shows.
QString kortHint(const QWidget *w) {
    if (!w->toolTip().isEmpty()) return udenGenvej(w->toolTip());
    return udenGenvej(w->statusTip());
}

// Qt's own parts of composite controls, which carry no caption of their own.
QString indbyggetNavn(const QWidget *w) {
    static const QHash<QString, QString> navne{
        {QStringLiteral("qt_calendar_prevmonth"), QStringLiteral("Forrige måned")},
        {QStringLiteral("qt_calendar_nextmonth"), QStringLiteral("Næste måned")},
        {QStringLiteral("qt_calendar_yearedit"), QStringLiteral("År")},
        {QStringLiteral("qt_calendar_calendarview"), QStringLiteral("Dage i måneden")},
        {QStringLiteral("qt_toolbar_ext_button"), QStringLiteral("Flere knapper")},
    };
    return navne.value(w->objectName());
}

QString foreslaaetNavn(QWidget *w, const QHash<const QWidget *, QString> &etiketter) {
    for (const QString &n : {indbyggetNavn(w), etiketter.value(w), kortHint(w)})
        if (!n.isEmpty()) return n;
    if (auto *l = qobject_cast<QLineEdit *>(w); l && !l->placeholderText().isEmpty())
        return l->placeholderText();
    // Qt's own part of a control (the line of a combo box, the tab strip of a
    // tab widget, the view inside a web view) takes the name of that control.
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) return {};
    for (QWidget *op = w->parentWidget(); op; op = op->parentWidget())
        if (!op->accessibleName().isEmpty() || (erKontrol(op) && !navn(op).isEmpty()))
            return navn(op);
    return {};
}

void navngivVindue(QWidget *vindue) {
    const QList<QWidget *> boern = vindue->findChildren<QWidget *>();
    QHash<const QWidget *, QString> etiketter;
    for (QWidget *b : boern)
        if (auto *l = qobject_cast<QLabel *>(b); l && l->buddy())
            etiketter.insert(l->buddy(), udenGenvej(l->text()));
    for (QWidget *w : boern)
        if (erKontrol(w) && navn(w).isEmpty()) w->setAccessibleName(foreslaaetNavn(w, etiketter));
}

void navngivAabne() {
    for (QWidget *w : QApplication::topLevelWidgets())
        navngivVindue(w);
}

// Windows and editor windows shown while a screen reader listens get their names then.
class Navngiver : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Show && QAccessible::isActive() && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            if (w->isWindow() || qobject_cast<QMdiSubWindow *>(w)) navngivVindue(w);
        }
        return false;
    }
};

class Aktivering : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool aktiv) override {
        if (aktiv) navngivAabne();
    }
};

} // namespace

void navngivAlle() {
    // Nothing is named until a screen reader asks, so a start without one costs nothing.
    static Navngiver *navngiver = nullptr;
    if (navngiver) return;
    navngiver = new Navngiver(qApp);
    qApp->installEventFilter(navngiver);
    static Aktivering aktivering;
    QAccessible::installActivationObserver(&aktivering);
    if (QAccessible::isActive()) navngivAabne();
}

bool erKontrol(const QWidget *w) {
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton *>(w);
}

QString navn(QWidget *w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? udenGenvej(i->text(QAccessible::Name)) : QString();
}

} // namespace Tilgaengelighed
