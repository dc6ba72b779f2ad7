#include "tagpar.h"

#include "core/tekstomraader.h"

namespace Tagpar {

QList<Tag> tags(const QStringList &linjer, int tilstand, const SorteretListe &udenSlut) {
    using Tekstomraader::Slags;
    QList<Tag> ud;
    bool iTag = false; // the last tag has not met its '>' yet
    for (int l = 0; l < linjer.size(); ++l) {
        const QString &linje = linjer[l];
        for (const Tekstomraader::Farveomraade &o : Tekstomraader::htmlFarver(linje, tilstand)) {
            if (o.slags != Slags::TagNavn) continue;
            if (linje[o.start] == u'<') {
                Tag t;
                t.linje = l;
                t.start = o.start;
                t.slut = o.laengde > 1 && linje[o.start + 1] == u'/';
                t.navn =
                    linje.mid(o.start + (t.slut ? 2 : 1), o.laengde - (t.slut ? 2 : 1)).toLower();
                t.laengde = int(linje.size()) - o.start;
                t.tom = !t.slut && (t.navn.isEmpty() || udenSlut.findes(t.navn));
                if (!t.navn.isEmpty()) {
                    ud.append(t);
                    iTag = true;
                } else {
                    iTag = false;
                }
            } else if (iTag && linje[o.start] == u'/') {
                ud.last().tom = true;
            } else if (iTag && linje[o.start] == u'>') {
                Tag &t = ud.last();
                if (t.linje == l) t.laengde = o.start + 1 - t.start;
                iTag = false;
            }
        }
    }
    return ud;
}

int partner(const QList<Tag> &tags, int i) {
    if (i < 0 || i >= tags.size() || tags[i].tom) return -1;
    const Tag &t = tags[i];
    const int trin = t.slut ? -1 : 1;
    int dybde = 0;
    for (int j = i + trin; j >= 0 && j < tags.size(); j += trin) {
        const Tag &a = tags[j];
        if (a.tom || a.navn != t.navn) continue;
        if (a.slut == t.slut)
            ++dybde;
        else if (dybde-- == 0)
            return j;
    }
    return -1;
}

QString aabent(const QList<Tag> &tags) {
    // Walking back, every end tag closes one earlier element of its name.
    QStringList lukkede;
    for (qsizetype j = tags.size() - 1; j >= 0; --j) {
        const Tag &t = tags[j];
        if (t.tom) continue;
        if (t.slut) {
            lukkede << t.navn;
        } else if (const qsizetype k = lukkede.lastIndexOf(t.navn); k >= 0) {
            lukkede.remove(k);
        } else {
            return t.navn;
        }
    }
    return {};
}

} // namespace Tagpar
