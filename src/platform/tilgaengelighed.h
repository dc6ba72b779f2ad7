#pragma once

#include <QString>

class QWidget;

// Names for screen readers. A control a user can reach gets the name a user
// sees: its caption, else its hint, else the label that points at it.
namespace Tilgaengelighed {

// Names every control as it is first shown, in every window made from now on.
void navngivAlle();

// Whether a user can reach the widget: it takes the keyboard focus or is a button.
bool erKontrol(const QWidget *w);

// The name a screen reader reads for the widget; empty when it has none.
QString navn(QWidget *w);

} // namespace Tilgaengelighed
