#pragma once

class QWidget;

namespace Skaermplads {

// Moves and, where its minimum allows, shrinks a top-level window so that it
// with its frame lies inside the free area of the screen it stands on (or the
// nearest one); a fixed width gives way. From then on it is fitted again each
// time it is shown, once its frame is known.
void tilpas(QWidget *vindue);

// Puts a window's centre on another's and then fits it to the screen.
void centrer(QWidget *vindue, const QWidget *over);

// The window that fitting leaves uncovered where it can (the main window).
void saetHovedvindue(QWidget *hoved);

// Windows without a place of their own open centred on the main window, each
// time they are shown.
void aabnesMidtOverHovedvinduet(QWidget *vindue);

} // namespace Skaermplads
