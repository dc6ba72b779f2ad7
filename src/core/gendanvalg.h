#pragma once

#include <QByteArray>
#include <QString>

// Whether kept unsaved text is offered back at start, decided by content: the
// time of a file says nothing once a sync tool or a clock has touched it.
namespace Gendanvalg {

// What a page was: its size and a hash of its bytes, as one line.
QByteArray stempel(const QByteArray &indhold);

enum class Valg {
    Fjern,            // the page on disk holds the text: nothing to offer
    Tilbyd,           // the text differs from the page
    TilbydSideAendret // ... and the page changed after the editing began
};

// tekst: the kept text, its lines joined by CR LF; stempelVedStart: what the page
// was when the editing began, empty for a file kept before stamps were written;
// side and sideTekst: the page on disk as bytes and as lines joined by CR LF.
Valg vaelg(const QString &tekst, const QByteArray &stempelVedStart, const QByteArray &side,
           const QString &sideTekst);

} // namespace Gendanvalg
