#include "tekstomraader.h"

#include <QLatin1StringView>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace Tekstomraader {

namespace {

bool starterMed(QStringView linje, qsizetype i, QStringView ord) {
    return linje.mid(i, ord.size()).compare(ord, Qt::CaseInsensitive) == 0;
}

bool erAsciiBogstav(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool erCifre(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool erNavnetegn(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
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

// End of the string that starts at i with its quote: after the closing quote,
// or the line's end (then *aaben is set).
qsizetype strengSlut(QStringView linje, qsizetype i, QChar citat, bool escape, bool *aaben) {
    qsizetype j = i;
    while (j < linje.size()) {
        if (escape && linje[j] == u'\\') {
            j += 2;
            continue;
        }
        if (linje[j] == citat) return j + 1;
        ++j;
    }
    if (aaben) *aaben = true;
    return linje.size();
}

// Where the marker ends, searching from i: after it, or the line's end.
qsizetype slutEfter(QStringView linje, qsizetype i, QStringView markoer, bool *fundet) {
    const qsizetype j = linje.indexOf(markoer, i);
    *fundet = j >= 0;
    return j >= 0 ? j + markoer.size() : linje.size();
}

// The style sheet's state: comment, declaration value, block depth, and
// whether the outer block holds rules (@media) or declarations.
constexpr int cssKommentar = 0x01;
constexpr int cssVaerdi = 0x02;
constexpr int cssDybde = 0x0C; // 0..3
constexpr int cssGruppe = 0x10;
constexpr int cssAtRegel = 0x20;  // after an at-rule's name, before its { or ;
constexpr int cssAtGruppe = 0x40; // that at-rule's block holds rules
constexpr int jsKommentar = 0x01;
constexpr int jsSkabelon = 0x02; // a `template` string over lines

template <typename Ud> void laesCss(QStringView linje, int &t, qsizetype forskyd, Ud &&ud) {
    const qsizetype n = linje.size();
    qsizetype i = 0;
    auto fra = [&](qsizetype a, qsizetype b, Slags s) {
        if (b > a) ud(s, forskyd + a, b - a);
    };
    while (i < n) {
        const QChar c = linje[i];
        if (t & cssKommentar) {
            bool fundet = false;
            const qsizetype j = slutEfter(linje, i, u"*/", &fundet);
            fra(i, j, Slags::Kommentar);
            if (fundet) t &= ~cssKommentar;
            i = j;
            continue;
        }
        const int dybde = (t & cssDybde) >> 2;
        const bool selektorNiveau =
            !(t & cssAtRegel) && (dybde == 0 || ((t & cssGruppe) && dybde == 1));
        if (c == u'/' && i + 1 < n && linje[i + 1] == u'*') {
            t |= cssKommentar;
            ud(Slags::Kommentar, forskyd + i, 2);
            i += 2;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype j = strengSlut(linje, i + 1, c, true, nullptr);
            fra(i, j, Slags::Vaerdi);
            i = j;
            continue;
        }
        if (c == u'{') {
            if (t & cssAtRegel && t & cssAtGruppe && dybde == 0) t |= cssGruppe;
            t &= ~(cssAtRegel | cssAtGruppe | cssVaerdi);
            t = (t & ~cssDybde) | (std::min(dybde + 1, 3) << 2);
            ++i;
            continue;
        }
        if (c == u'}') {
            t &= ~(cssVaerdi | cssAtRegel | cssAtGruppe);
            t = (t & ~cssDybde) | (std::max(dybde - 1, 0) << 2);
            if (dybde <= 1) t &= ~cssGruppe;
            ++i;
            continue;
        }
        if (c == u';') {
            t &= ~(cssVaerdi | cssAtRegel | cssAtGruppe);
            ++i;
            continue;
        }
        if (c == u'@' && i + 1 < n && erNavnetegn(linje[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && erNavnetegn(linje[j]))
                ++j;
            fra(i, j, Slags::Noegleord);
            const QStringView navn = linje.mid(i + 1, j - i - 1);
            static const QLatin1StringView erklaeringer[] = {
                QLatin1StringView("counter-style"), QLatin1StringView("font-face"),
                QLatin1StringView("page"), QLatin1StringView("property")};
            t |= cssAtRegel;
            if (std::none_of(
                    std::begin(erklaeringer), std::end(erklaeringer),
                    [&](QLatin1StringView e) { return navn.compare(e, Qt::CaseInsensitive) == 0; }))
                t |= cssAtGruppe;
            i = j;
            continue;
        }
        if (selektorNiveau) {
            if (erNavnetegn(c) || c == u'.' || c == u'#' || c == u':' || c == u'*') {
                qsizetype j = i + 1;
                while (j < n && (erNavnetegn(linje[j]) || linje[j] == u'.' || linje[j] == u'#' ||
                                 linje[j] == u':' || linje[j] == u'*'))
                    ++j;
                fra(i, j, Slags::Selektor);
                i = j;
                continue;
            }
            ++i;
            continue;
        }
        if (!(t & cssVaerdi) && !(t & cssAtRegel)) {
            if (c == u':') {
                t |= cssVaerdi;
                ++i;
                continue;
            }
            if (erNavnetegn(c)) {
                qsizetype j = i + 1;
                while (j < n && erNavnetegn(linje[j]))
                    ++j;
                fra(i, j, Slags::Egenskab);
                i = j;
                continue;
            }
            ++i;
            continue;
        }
        // A value, or the prelude of an at-rule.
        const bool tal = erCifre(c) || ((c == u'.' || c == u'-' || c == u'+') && i + 1 < n &&
                                        erCifre(linje[i + 1]));
        if (tal || (c == u'#' && i + 1 < n && linje[i + 1].isLetterOrNumber())) {
            qsizetype j = i + 1;
            while (j < n && (linje[j].isLetterOrNumber() || linje[j] == u'.' || linje[j] == u'%'))
                ++j;
            fra(i, j, Slags::Tal);
            i = j;
            continue;
        }
        if (c == u'!' && i + 1 < n && erAsciiBogstav(linje[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && erNavnetegn(linje[j]))
                ++j;
            fra(i, j, Slags::Noegleord);
            i = j;
            continue;
        }
        if (erNavnetegn(c)) {
            qsizetype j = i + 1;
            while (j < n && erNavnetegn(linje[j]))
                ++j;
            fra(i, j, Slags::Vaerdi);
            i = j;
            continue;
        }
        ++i;
    }
}

const QLatin1StringView jsOrd[] = {
    QLatin1StringView("async"),     QLatin1StringView("await"),      QLatin1StringView("break"),
    QLatin1StringView("case"),      QLatin1StringView("catch"),      QLatin1StringView("class"),
    QLatin1StringView("const"),     QLatin1StringView("continue"),   QLatin1StringView("debugger"),
    QLatin1StringView("default"),   QLatin1StringView("delete"),     QLatin1StringView("do"),
    QLatin1StringView("else"),      QLatin1StringView("export"),     QLatin1StringView("extends"),
    QLatin1StringView("false"),     QLatin1StringView("finally"),    QLatin1StringView("for"),
    QLatin1StringView("function"),  QLatin1StringView("if"),         QLatin1StringView("import"),
    QLatin1StringView("in"),        QLatin1StringView("instanceof"), QLatin1StringView("let"),
    QLatin1StringView("new"),       QLatin1StringView("null"),       QLatin1StringView("of"),
    QLatin1StringView("return"),    QLatin1StringView("static"),     QLatin1StringView("super"),
    QLatin1StringView("switch"),    QLatin1StringView("this"),       QLatin1StringView("throw"),
    QLatin1StringView("true"),      QLatin1StringView("try"),        QLatin1StringView("typeof"),
    QLatin1StringView("undefined"), QLatin1StringView("var"),        QLatin1StringView("void"),
    QLatin1StringView("while"),     QLatin1StringView("with"),       QLatin1StringView("yield")};

bool erJsNoegleord(QStringView ord) {
    const auto *slut = std::end(jsOrd);
    const auto *it =
        std::lower_bound(std::begin(jsOrd), slut, ord, [](QLatin1StringView a, QStringView b) {
            return QStringView(b).compare(a) > 0;
        });
    return it != slut && ord.compare(*it) == 0;
}

template <typename Ud> void laesJs(QStringView linje, int &t, qsizetype forskyd, Ud &&ud) {
    const qsizetype n = linje.size();
    qsizetype i = 0;
    auto fra = [&](qsizetype a, qsizetype b, Slags s) {
        if (b > a) ud(s, forskyd + a, b - a);
    };
    while (i < n) {
        const QChar c = linje[i];
        if (t & jsKommentar) {
            bool fundet = false;
            const qsizetype j = slutEfter(linje, i, u"*/", &fundet);
            fra(i, j, Slags::Kommentar);
            if (fundet) t &= ~jsKommentar;
            i = j;
            continue;
        }
        if (t & jsSkabelon) {
            bool aaben = false;
            const qsizetype j = strengSlut(linje, i, u'`', true, &aaben);
            fra(i, j, Slags::Vaerdi);
            if (!aaben) t &= ~jsSkabelon;
            i = j;
            continue;
        }
        if (c == u'/' && i + 1 < n && linje[i + 1] == u'/') {
            fra(i, n, Slags::Kommentar);
            break;
        }
        if (c == u'/' && i + 1 < n && linje[i + 1] == u'*') {
            t |= jsKommentar;
            ud(Slags::Kommentar, forskyd + i, 2);
            i += 2;
            continue;
        }
        if (c == u'`') {
            t |= jsSkabelon;
            ud(Slags::Vaerdi, forskyd + i, 1);
            ++i;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype j = strengSlut(linje, i + 1, c, true, nullptr);
            fra(i, j, Slags::Vaerdi);
            i = j;
            continue;
        }
        if (erCifre(c)) {
            qsizetype j = i + 1;
            while (j < n && (linje[j].isLetterOrNumber() || linje[j] == u'.' || linje[j] == u'_'))
                ++j;
            fra(i, j, Slags::Tal);
            i = j;
            continue;
        }
        if (c.isLetter() || c == u'_' || c == u'$') {
            qsizetype j = i + 1;
            while (j < n && (linje[j].isLetterOrNumber() || linje[j] == u'_' || linje[j] == u'$'))
                ++j;
            if (erJsNoegleord(linje.mid(i, j - i))) fra(i, j, Slags::Noegleord);
            i = j;
            continue;
        }
        ++i;
    }
}

// The one reading of an HTML line. ud(slags, start, laengde) gets the text
// ranges and, when farver is set, every coloured part as well.
template <bool farver, typename Ud> void laesHtml(QStringView linje, int &tilstand, Ud &&ud) {
    const qsizetype n = linje.size();
    qsizetype i = 0;
    qsizetype tekstStart = -1;
    bool efterLig = false; // an attribute's = was read: next comes its value
    auto slutTekst = [&](qsizetype slut) {
        if (tekstStart >= 0 && slut > tekstStart) ud(Slags::Tekst, tekstStart, slut - tekstStart);
        tekstStart = -1;
    };
    auto farve = [&](Slags s, qsizetype a, qsizetype b) {
        if constexpr (farver) {
            if (b > a) ud(s, a, b - a);
        }
    };
    auto efterTag = [&] {
        if (tilstand & AabnerScript)
            tilstand = Script;
        else if (tilstand & AabnerStyle)
            tilstand = Style;
        else
            tilstand = Tekst;
    };
    auto grundMed = [&](int grund) { tilstand = (tilstand & 0x70) | grund; };
    while (i < n) {
        const int grund = tilstand & 0x0f;
        const QChar c = linje[i];
        switch (grund) {
        case Tekst:
            if (c == u'<' && starterMed(linje, i, u"<!--")) {
                slutTekst(i);
                tilstand = Kommentar;
                farve(Slags::Kommentar, i, i + 4);
                i += 4;
                continue;
            }
            if (c == u'<' && i + 1 < n &&
                (erAsciiBogstav(linje[i + 1]) || linje[i + 1] == u'/' || linje[i + 1] == u'!' ||
                 linje[i + 1] == u'?')) {
                slutTekst(i);
                tilstand = Tag;
                efterLig = false;
                if (linje[i + 1] == u'!') {
                    tilstand |= Erklaering;
                    ++i;
                    continue;
                }
                // The element's name decides what follows its start tag.
                qsizetype j = i + 1;
                if (linje[j] == u'/') ++j;
                const qsizetype navnStart = j;
                while (j < n && erNavnetegn(linje[j]))
                    ++j;
                farve(Slags::TagNavn, i, j);
                const QStringView navn = linje.mid(navnStart, j - navnStart);
                if (navnStart == i + 1) {
                    if (navn.compare(u"script", Qt::CaseInsensitive) == 0)
                        tilstand |= AabnerScript;
                    else if (navn.compare(u"style", Qt::CaseInsensitive) == 0)
                        tilstand |= AabnerStyle;
                }
                i = j;
                continue;
            }
            if (c == u'&') {
                if (const qsizetype l = entitet(linje, i)) {
                    slutTekst(i);
                    farve(Slags::Entitet, i, i + l);
                    i += l;
                    continue;
                }
            }
            if (tekstStart < 0) tekstStart = i;
            ++i;
            continue;
        case Tag: {
            if (tilstand & Erklaering) {
                // From its "<!" (or the line's start) to its ">".
                const qsizetype start = i > 0 && linje[i - 1] == u'<' ? i - 1 : i;
                const qsizetype j = linje.indexOf(u'>', i);
                farve(Slags::Erklaering, start, j < 0 ? n : j + 1);
                if (j < 0) {
                    i = n;
                    continue;
                }
                tilstand = Tekst;
                i = j + 1;
                continue;
            }
            if (c == u'>') {
                farve(Slags::TagNavn, i, i + 1);
                efterTag();
                ++i;
                continue;
            }
            if (c == u'"' || c == u'\'') {
                bool aaben = false;
                const qsizetype j = strengSlut(linje, i + 1, c, false, &aaben);
                farve(Slags::Vaerdi, i, j);
                if (aaben) grundMed(c == u'"' ? TagDobbelt : TagEnkelt);
                efterLig = false;
                i = j;
                continue;
            }
            if (c == u'=') {
                efterLig = true;
                ++i;
                continue;
            }
            if (c.isSpace()) {
                ++i;
                continue;
            }
            if (c == u'/' && !efterLig) {
                farve(Slags::TagNavn, i, i + 1);
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < n && !linje[j].isSpace() && linje[j] != u'>' && linje[j] != u'=' &&
                   linje[j] != u'"' && linje[j] != u'\'' && (efterLig || linje[j] != u'/'))
                ++j;
            farve(efterLig ? Slags::Vaerdi : Slags::Attribut, i, j);
            efterLig = false;
            i = j;
            continue;
        }
        case TagDobbelt:
        case TagEnkelt: {
            bool aaben = false;
            const qsizetype j =
                strengSlut(linje, i, grund == TagDobbelt ? u'"' : u'\'', false, &aaben);
            farve(Slags::Vaerdi, i, j);
            if (!aaben) grundMed(Tag);
            i = j;
            continue;
        }
        case Kommentar: {
            bool fundet = false;
            const qsizetype j = slutEfter(linje, i, u"-->", &fundet);
            farve(Slags::Kommentar, i, j);
            if (fundet) tilstand = Tekst;
            i = j;
            continue;
        }
        case Script:
        case Style: {
            // The code runs to its end tag, whatever the code's own strings say.
            const QStringView slut = grund == Script ? QStringView(u"</script") : u"</style";
            qsizetype j = linje.indexOf(slut, i, Qt::CaseInsensitive);
            if (j < 0) j = n;
            if constexpr (farver) {
                int kode = (tilstand >> 8) & 0xff;
                const QStringView stykke = linje.mid(i, j - i);
                auto flyt = [&](Slags s, qsizetype a, qsizetype l) { ud(s, a, l); };
                if (grund == Script)
                    laesJs(stykke, kode, i, flyt);
                else
                    laesCss(stykke, kode, i, flyt);
                tilstand = grund | (kode << 8);
            }
            if (j < n) {
                farve(Slags::TagNavn, j, j + slut.size());
                tilstand = Tag;
                efterLig = false;
                i = j + slut.size();
                continue;
            }
            i = n;
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

// The reading for the word counts: each text range as tekst(start, slut),
// each entity in the text as ent(start, laengde), and each tag that starts and
// ends in the line as tag(start, slut), its < and > included.
template <typename TekstFn, typename EntitetFn, typename TagFn>
void laes(QStringView linje, int &tilstand, TekstFn &&tekst, EntitetFn &&ent, TagFn &&tag) {
    qsizetype tagStart = -1;
    laesHtml<true>(linje, tilstand, [&](Slags s, qsizetype start, qsizetype laengde) {
        switch (s) {
        case Slags::Tekst:
            tekst(start, start + laengde);
            break;
        case Slags::Entitet:
            ent(start, laengde);
            break;
        case Slags::TagNavn:
            if (linje[start] == u'<') {
                tagStart = start;
            } else if (linje[start] == u'>' && tagStart >= 0) {
                tag(tagStart, start + 1);
                tagStart = -1;
            }
            break;
        case Slags::Erklaering:
            tagStart = -1;
            break;
        default:
            break;
        }
    });
}

} // namespace

QList<Omraade> tekstOmraader(QStringView linje, int &tilstand) {
    QList<Omraade> resultat;
    laesHtml<false>(linje, tilstand, [&](Slags, qsizetype start, qsizetype laengde) {
        resultat.append({int(start), int(laengde)});
    });
    return resultat;
}

QList<Farveomraade> htmlFarver(QStringView linje, int &tilstand, QList<Omraade> *ord) {
    QList<Farveomraade> resultat;
    laesHtml<true>(linje, tilstand, [&](Slags s, qsizetype start, qsizetype laengde) {
        if (s != Slags::Tekst)
            resultat.append({int(start), int(laengde), s});
        else if (ord)
            findOrd(linje, start, start + laengde, false, *ord);
    });
    return resultat;
}

QList<Farveomraade> cssFarver(QStringView linje, int &tilstand) {
    QList<Farveomraade> resultat;
    laesCss(linje, tilstand, 0, [&](Slags s, qsizetype start, qsizetype laengde) {
        resultat.append({int(start), int(laengde), s});
    });
    return resultat;
}

QList<Farveomraade> jsFarver(QStringView linje, int &tilstand) {
    QList<Farveomraade> resultat;
    laesJs(linje, tilstand, 0, [&](Slags s, qsizetype start, qsizetype laengde) {
        resultat.append({int(start), int(laengde), s});
    });
    return resultat;
}

CssSted cssSted(int t) {
    if (t & cssKommentar) return CssSted::Kommentar;
    if (t & cssVaerdi) return CssSted::Vaerdi;
    const int dybde = (t & cssDybde) >> 2;
    if (t & cssAtRegel || dybde == 0 || (t & cssGruppe && dybde == 1)) return CssSted::Selektor;
    return CssSted::Egenskab;
}

bool jsIKommentarEllerStreng(int t) {
    return t & (jsKommentar | jsSkabelon);
}

int indlejretTilstand(int htmlTilstand) {
    return (htmlTilstand >> 8) & 0xff;
}

QStringList jsNoegleord() {
    QStringList ud;
    for (QLatin1StringView o : jsOrd)
        ud << QString(o);
    return ud;
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
