#include "dialoger.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

#include <exception>

namespace Dialoger {

namespace {

bool testTilstand = false;
QQueue<int> &svarKoe() {
    static QQueue<int> koe;
    return koe;
}

void besked(QMessageBox::Icon ikon, const QString &titel, const QString &tekst, QWidget *forael) {
    if (testTilstand) {
        Test::vist().append(tekst);
        return;
    }
    QMessageBox boks(ikon, titel, tekst, QMessageBox::NoButton, forael);
    boks.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boks.exec();
}

} // namespace

void info(const QString &tekst, QWidget *forael) {
    besked(QMessageBox::Information, QStringLiteral("Information"), tekst, forael);
}

void fejl(const QString &tekst, QWidget *forael) {
    besked(QMessageBox::Critical, QStringLiteral("Fejl"), tekst, forael);
}

bool kommando(const std::function<void()> &udfoer, QWidget *forael) {
    try {
        udfoer();
        return true;
    } catch (const std::exception &e) {
        fejl(QString::fromUtf8(e.what()), forael);
        return false;
    }
}

int visModal(QDialog *dialog) {
    if (!testTilstand) return dialog->exec();
    Test::vist().append(dialog->windowTitle());
    const int svar = svarKoe().isEmpty() ? 2 : svarKoe().dequeue();
    dialog->setResult(svar);
    return svar;
}

namespace Test {
void slaaTil(bool til) {
    testTilstand = til;
    svarKoe().clear();
    vist().clear();
}
bool erSlaaetTil() {
    return testTilstand;
}
void koeSvar(int svar) {
    svarKoe().enqueue(svar);
}
QStringList &vist() {
    static QStringList liste;
    return liste;
}
} // namespace Test

} // namespace Dialoger
