#pragma once

#include <QDate>
#include <QString>
#include <optional>

// A date as it is written on the command line: "ÅÅÅÅ-MM-DD" (2024-03-05) or
// "i-dag" for `idag`. Nothing when the text names no existing date.
std::optional<QDate> laesDatoTekst(const QString &tekst, const QDate &idag);
