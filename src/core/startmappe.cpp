#include "startmappe.h"

QString billedStartmappe(const QString &sidst, const QString &billeder, const QString &hjem,
                         const std::function<bool(const QString &)> &findes) {
    for (const QString &m : {sidst, billeder})
        if (!m.isEmpty() && findes(m)) return m;
    return hjem;
}
