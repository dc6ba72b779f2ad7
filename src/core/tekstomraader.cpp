#include "tekstomraader.h"

namespace Tekstomraader {

namespace {

bool starterMed(QStringView linje, qsizetype i, QStringView ord) {
    return linje.mid(i, ord.size()).compare(ord, Qt::CaseInsensitive) == 0;
}

bool erAsciiBogstav(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Length of an entity (&nbsp; &#229; &#xE5;) at i, 0 when there is none.
qsizetype entitet(QStringView linje, qsizetype i) {
    qsizetype j = i + 1;
    if (j < linje.size() && linje[j] == u'#') ++j;
    const qsizetype foerste = j;
    while (j < linje.size() && j - foerste < 32 && (linje[j].isLetterOrNumber()))
        ++j;
    if (j == foerste || j >= linje.size() || linje[j] != u';') return 0;
    return j + 1 - i;
}

} // namespace

QList<Omraade> tekstOmraader(QStringView linje, int &tilstand) {
    QList<Omraade> resultat;
    const qsizetype n = linje.size();
    qsizetype i = 0;
    qsizetype tekstStart = -1;
    auto slutTekst = [&](qsizetype slut) {
        if (tekstStart >= 0 && slut > tekstStart)
            resultat.append({int(tekstStart), int(slut - tekstStart)});
        tekstStart = -1;
    };
    auto efterTag = [&] {
        if (tilstand & AabnerScript)
            tilstand = Script;
        else if (tilstand & AabnerStyle)
            tilstand = Style;
        else
            tilstand = Tekst;
    };
    while (i < n) {
        const int grund = tilstand & 0x0f;
        const QChar c = linje[i];
        switch (grund) {
        case Tekst:
            if (c == u'<' && starterMed(linje, i, u"<!--")) {
                slutTekst(i);
                tilstand = Kommentar;
                i += 4;
                continue;
            }
            if (c == u'<' && i + 1 < n &&
                (erAsciiBogstav(linje[i + 1]) || linje[i + 1] == u'/' || linje[i + 1] == u'!' ||
                 linje[i + 1] == u'?')) {
                slutTekst(i);
                tilstand = Tag;
                // The element's name decides what follows its start tag.
                qsizetype j = i + 1;
                while (j < n && (linje[j].isLetterOrNumber()))
                    ++j;
                const QStringView navn = linje.mid(i + 1, j - i - 1);
                if (navn.compare(u"script", Qt::CaseInsensitive) == 0)
                    tilstand |= AabnerScript;
                else if (navn.compare(u"style", Qt::CaseInsensitive) == 0)
                    tilstand |= AabnerStyle;
                i = j;
                continue;
            }
            if (c == u'&') {
                if (const qsizetype l = entitet(linje, i)) {
                    slutTekst(i);
                    i += l;
                    continue;
                }
            }
            if (tekstStart < 0) tekstStart = i;
            ++i;
            continue;
        case Tag:
            if (c == u'>') {
                efterTag();
            } else if (c == u'"') {
                tilstand = (tilstand & ~0x0f) | TagDobbelt;
            } else if (c == u'\'') {
                tilstand = (tilstand & ~0x0f) | TagEnkelt;
            }
            ++i;
            continue;
        case TagDobbelt:
        case TagEnkelt:
            if (c == (grund == TagDobbelt ? u'"' : u'\'')) tilstand = (tilstand & ~0x0f) | Tag;
            ++i;
            continue;
        case Kommentar:
            if (c == u'-' && starterMed(linje, i, u"-->")) {
                tilstand = Tekst;
                i += 3;
                continue;
            }
            ++i;
            continue;
        case Script:
        case Style: {
            const QStringView slut = grund == Script ? QStringView(u"</script") : u"</style";
            if (c == u'<' && starterMed(linje, i, slut)) {
                tilstand = Tag;
                i += slut.size();
                continue;
            }
            ++i;
            continue;
        }
        default:
            tilstand = Tekst; // an unknown state from elsewhere: read on as text
            continue;
        }
    }
    slutTekst(n);
    return resultat;
}

QList<Omraade> ord(QStringView linje, int &tilstand) {
    QList<Omraade> resultat;
    const auto bindetegn = [](QChar c) { return c == u'-' || c == u'\'' || c == u'\u2019'; };
    for (const Omraade &o : tekstOmraader(linje, tilstand)) {
        const qsizetype slut = o.start + o.laengde;
        qsizetype i = o.start;
        while (i < slut) {
            if (!linje[i].isLetterOrNumber()) {
                ++i;
                continue;
            }
            const qsizetype start = i;
            bool tal = false;
            while (i < slut) {
                const QChar c = linje[i];
                if (c.isLetterOrNumber() || c.isMark()) {
                    tal = tal || c.isDigit();
                    ++i;
                } else if (bindetegn(c) && i + 1 < slut && linje[i + 1].isLetter() && i > start) {
                    ++i;
                } else {
                    break;
                }
            }
            if (!tal) resultat.append({int(start), int(i - start)});
        }
    }
    return resultat;
}

} // namespace Tekstomraader
