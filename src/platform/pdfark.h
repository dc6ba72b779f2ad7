#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// A printed PDF read back and numbered: the sheets its linked places lie on,
// and a number at the foot of every sheet. The engine's printing has no
// page-margin boxes, so this is done on the finished file.
namespace Pdfark {

// The sheet (from 1) of each named place: an element with that id that a link
// of the printed page pointed to. 0 for a name the PDF does not hold; empty
// when the PDF cannot be read.
QList<int> ark(const QByteArray &pdf, const QStringList &navne);

// The PDF with every sheet's number centred at its foot; empty when it cannot be read.
QByteArray nummerer(const QByteArray &pdf);

} // namespace Pdfark
