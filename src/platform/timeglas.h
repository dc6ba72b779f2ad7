#pragma once

#include <QApplication>

// The hourglass while a long command runs, restored however the command ends.
class Timeglas {
public:
    Timeglas() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Timeglas() { QApplication::restoreOverrideCursor(); }
    Timeglas(const Timeglas &) = delete;
    Timeglas &operator=(const Timeglas &) = delete;
};
