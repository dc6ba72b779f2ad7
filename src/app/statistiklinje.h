#pragma once

#include <QString>

// dagbog --statistik "Dagbog 2024": the year in figures on standard output,
// without a window. 0 when printed; 2 (one line on standard error) for a name
// that is no diary structure of the user's.
int statistikFraKommandolinje(const QString &struktur);
