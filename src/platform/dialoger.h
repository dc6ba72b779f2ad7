#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QFileDialog;
class QWidget;

namespace Tekstfil {
class FilFejl;
}

// The message boxes of the program. Tests switch on the answer queue so that
// no box ever blocks: shown texts are recorded and answers taken from the queue.
namespace Dialoger {

void info(const QString &tekst, QWidget *forael = nullptr); // "Information", OK
void fejl(const QString &tekst, QWidget *forael = nullptr); // "Fejl", OK

// Runs one command; an error (a file that cannot be read or written) stops it
// with one Danish error box, and the program goes on. False when it failed.
bool kommando(const std::function<void()> &udfoer, QWidget *forael = nullptr);
// The text of that box: the reader's message, with the file named when it lacks it.
QString fejltekst(const Tekstfil::FilFejl &fejl);

// An open-file dialog; empty when cancelled. A name typed without extension
// gets the default extension.
QString vaelgFil(QWidget *forael, const QString &titel, const QString &filtre,
                 const QString &standardEndelse = QString());
// The picture dialog: opens in startmappe, lists the picture formats and
// shows the picture chosen before it is taken. Empty when cancelled; tests
// answer it from the file queue.
QString vaelgBillede(QWidget *forael, const QString &startmappe);
// The dialog itself, not yet shown.
QFileDialog *billedDialog(QWidget *forael, const QString &startmappe);

// A save-file dialog starting at forslag; empty when cancelled. It does not
// ask about an existing file: the caller does, once the name is final. Tests
// answer it from the same queue as vaelgFil.
QString vaelgGemFil(QWidget *forael, const QString &titel, const QString &forslag,
                    const QString &filtre);
// Hands a web address to the user's web browser.
void aabnAdresse(const QString &adresse);

// Shows a dialog modally (or answers from the queue) and returns its result.
int visModal(QDialog *dialog);

namespace Test {
void slaaTil(bool til);
bool erSlaaetTil();
void koeSvar(int svar); // answers for visModal; 2 when the queue is empty
// Answers for vaelgFil, as if typed; cancelled when the queue is empty.
void koeFil(const QString &sti);
QString &billedStartmappe(); // where the last picture dialog opened
QStringList &vist();         // texts of the info and error boxes, dialog titles, web addresses and
                             // the paths a save dialog suggests
} // namespace Test

} // namespace Dialoger
