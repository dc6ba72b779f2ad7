#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which parts of an HTML page are text between tags: what a reader sees,
// not tag names, attribute values, comments, entities or script and style
// code. A page is read line by line; the state at the end of one line is
// the state at the start of the next, so a comment or a script may span lines.
namespace Tekstomraader {

enum Tilstand : int {
    Tekst = 0,
    Tag = 1,        // between < and >
    TagDobbelt = 2, // in an attribute value in "..."
    TagEnkelt = 3,  // in an attribute value in '...'
    Kommentar = 4,  // between <!-- and -->
    Script = 5,     // the code of a script element
    Style = 6,      // the rules of a style element
};
// Carried with a tag state: the tag opens a script or style element.
constexpr int AabnerScript = 0x10;
constexpr int AabnerStyle = 0x20;

struct Omraade {
    int start = 0;
    int laengde = 0;
    bool operator==(const Omraade &) const = default;
};

// The ranges of the line that are text between tags. tilstand is the state
// at the start of the line on entry and the state at its end on return.
QList<Omraade> tekstOmraader(QStringView linje, int &tilstand);

// The words in those ranges: letters, with a hyphen or an apostrophe between
// letters. A run holding a digit is no word.
QList<Omraade> ord(QStringView linje, int &tilstand);

// The text a writer put on a page, as the word counts read it: the text of
// <body> outside tags, comments, scripts and styles, entities decoded, the
// template's heading (<div class="overskrift...">) left out, each run of blanks
// one blank. Its words are as above, except that a number counts as a word;
// a day is written when its page has at least one.
struct Sidetekst {
    QString tekst;
    QList<Omraade> ord;   // ranges in tekst
    QStringList billeder; // the src of each picture in the body, as written
};
Sidetekst sidetekst(QStringView side);

} // namespace Tekstomraader
