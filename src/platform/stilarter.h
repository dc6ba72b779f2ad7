#pragma once

#include <QString>
#include <QStringList>

// The program's looks ("designs"). Each applies to every window at once.
namespace Stilarter {

QStringList navne();
// False, and nothing changes, for a name that is not one of navne().
bool anvend(const QString &navn);
// The name of the style in effect; empty before the first anvend().
QString aktiv();

} // namespace Stilarter
