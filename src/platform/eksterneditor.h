#pragma once

#include <QString>
#include <QStringList>

// The user's own page editor, started beside the program for the page shown.
namespace EksternEditor {

// Where an editor is looked for, most wanted first. On Windows the page editor's
// usual folders and then Notepad; elsewhere common editors that handle HTML.
QStringList kandidater();

// The first candidate that exists as a file; empty when there is none.
QString find(const QStringList &kandidater = EksternEditor::kandidater());

// Starts program with fil as its one argument, not through a shell, and does
// not wait. 33 when it started; otherwise 32 or less, the launch error codes the
// window explains: 2 no such program, 3 no such folder, 5 not runnable, 11 it
// failed to start.
int start(const QString &program, const QString &fil);

} // namespace EksternEditor
