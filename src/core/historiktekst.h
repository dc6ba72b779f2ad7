#pragma once

#include <QString>
#include <QStringList>

// The words of the history: where a file lies, told the way the user sees it,
// and the message of a commit made from the files one action changed. Paths
// are relative to the user's folder ("Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html").
namespace Historiktekst {

// "Dagbog 2024 › 03 05 Tirsdag", "Dagbog 2024 › Billeder › foto.jpg", "design.css".
QString sted(const QString &sti);

// "Gemt: …", "Slettet: …", "Omdøbt: … til …", with " og N filer mere" when
// the action touched more files than the one named.
QString besked(const QStringList &gemte, const QStringList &fjernede);

// "Slettet: 03 Marts med 31 sider": an element deleted with the pages below it.
QString sletning(const QString &element, int underliggendeSider);
// "Gendannet: 03 Marts med 31 sider": a deleted element put back with its pages.
QString gendannelse(const QString &element, int underliggendeSider);

} // namespace Historiktekst
