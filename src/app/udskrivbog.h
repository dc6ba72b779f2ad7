#pragma once

#include <QString>

// dagbog --udskriv "<structure>" <file.pdf|file.html>: writes the user's
// structure as a book without a window; progress on standard error.
// 0 when written, 1 when it could not be written, 2 for a structure that
// does not exist (or missing arguments).
int udskrivDagbogFraKommandolinje(const QString &struktur, const QString &fil);
