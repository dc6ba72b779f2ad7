#include "tekstomraader.h"

#include <QLatin1StringView>
#include <algorithm>

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

void ordI(QStringView linje, Omraade o, QList<Omraade> &resultat) {
    const auto bindetegn = [](QChar c) { return c == u'-' || c == u'\'' || c == u'\u2019'; };
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
            ordI(linje, {int(start), int(laengde)}, *ord);
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
        ordI(linje, o, resultat);
    return resultat;
}

} // namespace Tekstomraader
