#pragma once

#include <QIcon>
#include <QList>
#include <QPalette>
#include <QString>

// The program's own pictures, kept in its resource.
namespace Ikoner {

// The ten element pictures of a structure tree, indexed by icon kind: list 0
// is the normal list, list 1 the alternative one.
QList<QIcon> trae(int liste);

// The program's icon in every size it is drawn in.
QIcon program();

// Simple line pictures drawn in the text colour of the design in effect when
// they are painted, so that they stay visible in every design and follow a
// change of design without being set again.
enum class Tegning {
    Luk,
    LukAlle,
    LukProgram,
    Aendret,
    Venstre,
    Hoejre,
    Op,
    Ned,
    Foerste,
    Sidste,
    Genindlaes,
    Mere,
    Liste,
    Detaljer,
    Soeg,
    Info,
    Slet,
    Aabn
};
QIcon tegnet(Tegning t, QPalette::ColorRole rolle = QPalette::ButtonText);

// The resource path of one of the pictures ("bogryg.svg").
QString sti(const QString &navn);

} // namespace Ikoner
