#pragma once

#include "core/sammenlign.h"

#include <QList>
#include <QString>
#include <QStringList>

// Start and end tags of a piece of a page, read with the page's one rule
// (tekstomraader), for the matching tag and for the end tag to complete.
namespace Tagpar {

struct Tag {
    int linje = 0;   // index in the lines given
    int start = 0;   // column of its '<'
    int laengde = 0; // to after its '>', or to the line's end when it runs on
    QString navn;    // lower case
    bool slut = false;
    bool tom = false; // <x/> or an element without end tag: it has no partner
};

// The tags of the lines, read from state tilstand at the first line's start.
// udenSlut holds the elements that take no end tag.
QList<Tag> tags(const QStringList &linjer, int tilstand, const SorteretListe &udenSlut);

// The index of the partner of tags[i]: the end tag of a start tag, or the
// start tag of an end tag, counting nested elements of the same name. -1 when
// it is not among the tags.
int partner(const QList<Tag> &tags, int i);

// The innermost element still open after the last tag; empty when none is.
QString aabent(const QList<Tag> &tags);

} // namespace Tagpar
