#include "tekstomraader.h"

#include <QRegularExpression>
#include <array>

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

// Reads a line through the states. Reports each text range as tekst(start, slut),
// each entity in the text as ent(start, laengde), and each tag that starts and
// ends in the line as tag(start, slut), its < and > included.
template <typename TekstFn, typename EntitetFn, typename TagFn>
void laes(QStringView linje, int &tilstand, TekstFn &&tekst, EntitetFn &&ent, TagFn &&tag) {
    const qsizetype n = linje.size();
    qsizetype i = 0;
    qsizetype tekstStart = -1;
    qsizetype tagStart = -1;
    auto slutTekst = [&](qsizetype slut) {
        if (tekstStart >= 0 && slut > tekstStart) tekst(tekstStart, slut);
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
                tagStart = i;
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
                    ent(i, l);
                    i += l;
                    continue;
                }
            }
            if (tekstStart < 0) tekstStart = i;
            ++i;
            continue;
        case Tag:
            if (c == u'>') {
                if (tagStart >= 0) tag(tagStart, i + 1);
                tagStart = -1;
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
                tagStart = i;
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
}

// The words of [fra, slut): runs of letters or digits, joined by a hyphen or an
// apostrophe with a letter after it. medTal: a run holding a digit counts too
// (counting); without it such a run is no word (spelling).
void findOrd(QStringView tekst, qsizetype fra, qsizetype slut, bool medTal,
             QList<Omraade> &resultat) {
    const auto bindetegn = [](QChar c) { return c == u'-' || c == u'\'' || c == u'\u2019'; };
    qsizetype i = fra;
    while (i < slut) {
        if (!tekst[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool tal = false;
        while (i < slut) {
            const QChar c = tekst[i];
            if (c.isLetterOrNumber() || c.isMark()) {
                tal = tal || c.isDigit();
                ++i;
            } else if (bindetegn(c) && i + 1 < slut && tekst[i + 1].isLetter() && i > start &&
                       (!medTal || tekst[i - 1].isLetter() || tekst[i - 1].isMark())) {
                ++i;
            } else {
                break;
            }
        }
        if (medTal || !tal) resultat.append({int(start), int(i - start)});
    }
}

// The Latin-1 entities in code point order from 160.
constexpr std::array<const char16_t *, 96> latin1Navne{
    u"nbsp",   u"iexcl",  u"cent",   u"pound",  u"curren", u"yen",    u"brvbar", u"sect",
    u"uml",    u"copy",   u"ordf",   u"laquo",  u"not",    u"shy",    u"reg",    u"macr",
    u"deg",    u"plusmn", u"sup2",   u"sup3",   u"acute",  u"micro",  u"para",   u"middot",
    u"cedil",  u"sup1",   u"ordm",   u"raquo",  u"frac14", u"frac12", u"frac34", u"iquest",
    u"Agrave", u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig",  u"Ccedil",
    u"Egrave", u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc",  u"Iuml",
    u"ETH",    u"Ntilde", u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",   u"times",
    u"Oslash", u"Ugrave", u"Uacute", u"Ucirc",  u"Uuml",   u"Yacute", u"THORN",  u"szlig",
    u"agrave", u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",  u"aelig",  u"ccedil",
    u"egrave", u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc",  u"iuml",
    u"eth",    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",   u"divide",
    u"oslash", u"ugrave", u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn",  u"yuml"};

struct NavnTegn {
    const char16_t *navn;
    char16_t tegn;
};
constexpr NavnTegn andreNavne[]{
    {u"amp", u'&'},         {u"lt", u'<'},          {u"gt", u'>'},          {u"quot", u'"'},
    {u"apos", u'\''},       {u"ndash", u'\u2013'},  {u"mdash", u'\u2014'},  {u"lsquo", u'\u2018'},
    {u"rsquo", u'\u2019'},  {u"sbquo", u'\u201A'},  {u"ldquo", u'\u201C'},  {u"rdquo", u'\u201D'},
    {u"bdquo", u'\u201E'},  {u"hellip", u'\u2026'}, {u"euro", u'\u20AC'},   {u"bull", u'\u2022'},
    {u"trade", u'\u2122'},  {u"ensp", u'\u2002'},   {u"emsp", u'\u2003'},   {u"thinsp", u'\u2009'},
    {u"zwnj", u'\u200C'},   {u"zwj", u'\u200D'},    {u"OElig", u'\u0152'},  {u"oelig", u'\u0153'},
    {u"Scaron", u'\u0160'}, {u"scaron", u'\u0161'}, {u"Yuml", u'\u0178'},   {u"dagger", u'\u2020'},
    {u"Dagger", u'\u2021'}, {u"permil", u'\u2030'}, {u"lsaquo", u'\u2039'}, {u"rsaquo", u'\u203A'},
};

// What an entity shows; an unknown name shows as written, as a browser does.
QString afkod(QStringView entitet) {
    const QStringView navn = entitet.mid(1, entitet.size() - 2);
    if (navn.startsWith(u'#')) {
        bool ok = false;
        const char32_t v = navn.size() > 1 && (navn[1] == u'x' || navn[1] == u'X')
                               ? navn.mid(2).toUInt(&ok, 16)
                               : navn.mid(1).toUInt(&ok, 10);
        if (!ok || v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
            return QString(u'\uFFFD');
        return QString::fromUcs4(&v, 1);
    }
    for (size_t i = 0; i < latin1Navne.size(); ++i)
        if (navn == QStringView(latin1Navne[i])) return QString(QChar(char16_t(160 + i)));
    for (const NavnTegn &e : andreNavne)
        if (navn == QStringView(e.navn)) return QString(QChar(e.tegn));
    return entitet.toString();
}

// Tags that a browser does not set apart from the text around them.
bool erIndlejret(QStringView navn) {
    static constexpr const char16_t *indlejrede[]{
        u"a",    u"abbr",   u"b",      u"big", u"cite", u"code", u"del", u"em",
        u"font", u"i",      u"ins",    u"kbd", u"mark", u"q",    u"s",   u"small",
        u"span", u"strike", u"strong", u"sub", u"sup",  u"u",    u"var"};
    for (const char16_t *n : indlejrede)
        if (navn.compare(QStringView(n), Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

QList<Omraade> tekstOmraader(QStringView linje, int &tilstand) {
    QList<Omraade> resultat;
    laes(
        linje, tilstand,
        [&](qsizetype start, qsizetype slut) {
            resultat.append({int(start), int(slut - start)});
        },
        [](qsizetype, qsizetype) {}, [](qsizetype, qsizetype) {});
    return resultat;
}

QList<Omraade> ord(QStringView linje, int &tilstand) {
    QList<Omraade> resultat;
    for (const Omraade &o : tekstOmraader(linje, tilstand))
        findOrd(linje, o.start, o.start + o.laengde, false, resultat);
    return resultat;
}

Sidetekst sidetekst(QStringView side) {
    static const QRegularExpression overskriftKlasse(
        QStringLiteral("\\sclass\\s*=\\s*[\"']?overskrift"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kilde(
        QStringLiteral("\\ssrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    Sidetekst s;
    QString &ud = s.tekst;
    ud.reserve(side.size() / 2);
    bool mellemrum = false; // a blank is owed before the next character
    int iOverskrift = 0;    // the depth of divs inside the heading
    bool efterKrop = false;
    auto tilfoej = [&](QStringView t) {
        if (iOverskrift > 0 || efterKrop) return;
        for (const QChar c : t) {
            if (c.isSpace()) {
                mellemrum = true;
            } else {
                if (mellemrum && !ud.isEmpty()) ud += u' ';
                mellemrum = false;
                ud += c;
            }
        }
    };
    int tilstand = Tekst;
    laes(
        side, tilstand,
        [&](qsizetype start, qsizetype slut) { tilfoej(side.mid(start, slut - start)); },
        [&](qsizetype start, qsizetype laengde) { tilfoej(afkod(side.mid(start, laengde))); },
        [&](qsizetype start, qsizetype slut) {
            const QStringView tag = side.mid(start, slut - start);
            const bool lukker = tag.size() > 1 && tag[1] == u'/';
            qsizetype j = lukker ? 2 : 1;
            while (j < tag.size() && tag[j].isLetterOrNumber())
                ++j;
            const QStringView navn = tag.mid(lukker ? 2 : 1, j - (lukker ? 2 : 1));
            if (navn.compare(u"body", Qt::CaseInsensitive) == 0) {
                // What came before the body (the title) is no part of the page's text.
                if (!lukker) {
                    ud.clear();
                    mellemrum = false;
                }
                efterKrop = lukker;
                if (!lukker) s.billeder.clear();
            } else if (!lukker && !efterKrop && navn.compare(u"img", Qt::CaseInsensitive) == 0) {
                const QRegularExpressionMatch m = kilde.match(tag);
                if (m.hasMatch()) s.billeder << m.captured(m.lastCapturedIndex());
            } else if (navn.compare(u"div", Qt::CaseInsensitive) == 0) {
                if (lukker) {
                    if (iOverskrift > 0) --iOverskrift;
                } else if (iOverskrift > 0 || overskriftKlasse.match(tag).hasMatch()) {
                    ++iOverskrift;
                }
            }
            if (!erIndlejret(navn)) mellemrum = true;
        });
    findOrd(ud, 0, ud.size(), true, s.ord);
    return s;
}

} // namespace Tekstomraader
