#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// The program's own pictures, kept in its resource.
namespace Ikoner {

// The ten element pictures of a structure tree, indexed by icon kind: list 0
// is the normal list, list 1 the alternative one.
QList<QIcon> trae(int liste);

// The program's icon in every size it is drawn in.
QIcon program();

// The resource path of one of the pictures ("bogryg.svg").
QString sti(const QString &navn);

} // namespace Ikoner
