#pragma once

#include <QString>

#include <functional>

// The folder a picture dialog opens in: the one last used for pictures, else
// the user's picture folder, else the home folder; the first that exists.
QString billedStartmappe(const QString &sidst, const QString &billeder, const QString &hjem,
                         const std::function<bool(const QString &)> &findes);
