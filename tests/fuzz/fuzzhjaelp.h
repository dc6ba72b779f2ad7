#pragma once

// Shared set-up of the fuzz harnesses: one offscreen application for the whole
// run and a scratch folder for the inputs that must be files.

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// The application and the harnesses' widgets live until the process ends and
// are never destroyed: tearing them down at exit in the wrong order is no
// finding of ours.
inline void startApp() {
    static int argc = 1;
    static char navn[] = "fuzz";
    static char *argv[] = {navn, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
}

inline QString kladdemappe() {
    static QTemporaryDir mappe;
    return mappe.path();
}

inline QString skrivKladde(const QString &navn, const QByteArray &data) {
    const QString sti = kladdemappe() + u'/' + navn;
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (f.write(data) != data.size()) std::abort();
    return sti;
}

inline QByteArray somBytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}
