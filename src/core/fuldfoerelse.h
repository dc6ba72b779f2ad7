#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What the editors may complete at the caret, read with the page's one rule.
namespace Fuldfoerelse {

enum class Sprog { Html, Css, Js };

enum class Art {
    Ingen,
    Tag,         // a tag name after "<"
    Slutkode,    // after "</": the end tag of the element open there
    Attribut,    // an attribute name inside a start tag; tag says whose
    Entitet,     // after "&"
    CssEgenskab, // a property name in a declaration block
    CssVaerdi,   // a keyword after "property:"; egenskab says whose
    Js,          // a keyword or a name
};

struct Sted {
    Art art = Art::Ingen;
    int start = 0;    // column where the text the item replaces begins
    QString praefiks; // what is typed of it so far
    QString tag;
    QString egenskab;
};

// The place at column kol of the line; tilstand is the state at the line's
// start, as the highlighter keeps it for each line. foregaaende is the text
// of the lines before, read for a tag that began on one of them.
Sted sted(QStringView linje, int kol, int tilstand, Sprog sprog, QStringView foregaaende = {});

// The items of liste that begin with praefiks (case does not matter), in
// their order; the item equal to praefiks is left out, nothing is left to add.
QStringList udvalg(const QStringList &liste, QStringView praefiks);

// The keywords of the value of a property, from the lines of the generated
// list ("property:keyword keyword ...").
QStringList cssVaerdier(const QStringList &vaerdilinjer, QStringView egenskab);

} // namespace Fuldfoerelse
