#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which parts of an HTML page are text between tags: what a reader sees,
// not tag names, attribute values, comments, entities or script and style
// code. A page is read line by line; the state at the end of one line is
// the state at the start of the next, so a comment or a script may span lines.
// The same reading gives the other parts their kinds, for colouring the code.
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
// Carried with a tag state: the tag opens a script or style element, or is a
// declaration (<!DOCTYPE ...>).
constexpr int AabnerScript = 0x10;
constexpr int AabnerStyle = 0x20;
constexpr int Erklaering = 0x40;

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

// What a part of a line is, for its colour.
enum class Slags : quint8 {
    Tekst,
    TagNavn,   // "<p", "</p" and the closing ">" or "/>"
    Attribut,  // an attribute name
    Vaerdi,    // an attribute value, or a string in CSS or JavaScript
    Kommentar, // an HTML, CSS or JavaScript comment
    Entitet,
    Erklaering, // <!DOCTYPE ...>
    Selektor,   // CSS
    Egenskab,   // CSS property name
    Noegleord,  // CSS at-rule or !important, JavaScript keyword
    Tal,        // a number, with its unit, or a CSS colour #rgb
};

struct Farveomraade {
    int start = 0;
    int laengde = 0;
    Slags slags = Slags::Tekst;
    bool operator==(const Farveomraade &) const = default;
};

// Every part of the line that is not plain text, in order. The CSS of style
// elements and the JavaScript of script elements are read as in their own files.
// With ord set, the words of the text between tags are added to it in the same reading.
QList<Farveomraade> htmlFarver(QStringView linje, int &tilstand, QList<Omraade> *ord = nullptr);
// A line of a style sheet and of a script file; tilstand starts at 0.
QList<Farveomraade> cssFarver(QStringView linje, int &tilstand);
QList<Farveomraade> jsFarver(QStringView linje, int &tilstand);

// Where in a style sheet a state stands: for completing the right names.
enum class CssSted { Selektor, Egenskab, Vaerdi, Kommentar };
CssSted cssSted(int tilstand);
// Inside a comment or a `template` string of a script.
bool jsIKommentarEllerStreng(int tilstand);
// The style sheet's or script's own state inside a style or script element.
int indlejretTilstand(int htmlTilstand);
// The keywords of JavaScript, sorted.
QStringList jsNoegleord();

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
