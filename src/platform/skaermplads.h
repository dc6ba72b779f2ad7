#pragma once

class QWidget;

namespace Skaermplads {

// Moves and, where its minimum allows, shrinks a top-level window so that it
// with its frame lies inside the free area of the screen it stands on.
void tilpas(QWidget *vindue);

// The free area's width of the screen a window stands on, less its frame;
// for windows whose width is fixed.
int friBredde(const QWidget *vindue);

// Puts a window's centre on another's and then fits it to the screen.
void centrer(QWidget *vindue, const QWidget *over);

} // namespace Skaermplads
