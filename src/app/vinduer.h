#pragma once

class Tmainform;
class TmemoForm;
class Teditform;
class Tspmform;
class Tdagbogform;
class Tinfoform;
class Tstrukturform;
class Turlform1;
class Tkontrolform;

// The nine windows, created once in this order and kept until the program ends.
extern Tmainform *mainform;
extern TmemoForm *memoForm;
extern Teditform *editform;
extern Tspmform *spmform;
extern Tdagbogform *dagbogform;
extern Tinfoform *infoform;
extern Tstrukturform *strukturform;
extern Turlform1 *urlform1;
extern Tkontrolform *kontrolform;

// Creates the nine windows in their order and shows the main window.
void opretVinduer();
// Frees them in reverse order (the program's end, and between tests).
void nedlaegVinduer();
