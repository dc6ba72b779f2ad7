#include "fuldfoerelse.h"

#include "core/tekstomraader.h"

namespace Fuldfoerelse {

namespace {

bool navnetegn(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

// The CSS place once the state at the caret is known.
Sted cssSted(QStringView linje, int navnStart, int kol, int kode) {
    Sted s;
    s.start = navnStart;
    s.praefiks = linje.mid(navnStart, kol - navnStart).toString();
    switch (Tekstomraader::cssSted(kode)) {
    case Tekstomraader::CssSted::Egenskab:
        s.art = Art::CssEgenskab;
        break;
    case Tekstomraader::CssSted::Vaerdi: {
        const qsizetype kolon = linje.lastIndexOf(u':', navnStart);
        if (kolon < 0) return {};
        qsizetype a = kolon;
        while (a > 0 && linje[a - 1].isSpace())
            --a;
        qsizetype b = a;
        while (b > 0 && navnetegn(linje[b - 1]))
            --b;
        if (b == a) return {};
        s.art = Art::CssVaerdi;
        s.egenskab = linje.mid(b, a - b).toString().toLower();
        break;
    }
    default:
        return {};
    }
    return s;
}

Sted jsSted(QStringView linje, int navnStart, int kol, int kode) {
    if (navnStart == kol || Tekstomraader::jsIKommentarEllerStreng(kode)) return {};
    Sted s;
    s.art = Art::Js;
    s.start = navnStart;
    s.praefiks = linje.mid(navnStart, kol - navnStart).toString();
    return s;
}

} // namespace

Sted sted(QStringView linje, int kol, int tilstand, Sprog sprog, QStringView foregaaende) {
    using namespace Tekstomraader;
    kol = qBound(0, kol, int(linje.size()));
    const QStringView foer = linje.left(kol);
    int navnStart = kol;
    while (navnStart > 0 && navnetegn(foer[navnStart - 1]))
        --navnStart;
    const QString praefiks = foer.mid(navnStart).toString();
    int t = tilstand;
    if (sprog == Sprog::Css) {
        cssFarver(foer, t);
        return cssSted(linje, navnStart, kol, t);
    }
    if (sprog == Sprog::Js) {
        jsFarver(foer, t);
        return jsSted(linje, navnStart, kol, t);
    }
    htmlFarver(foer, t);
    const int grund = t & 0x0f;
    Sted s;
    s.start = navnStart;
    s.praefiks = praefiks;
    const QChar foran = navnStart > 0 ? foer[navnStart - 1] : QChar();
    if (grund == Style) return cssSted(linje, navnStart, kol, indlejretTilstand(t));
    if (grund == Script) return jsSted(linje, navnStart, kol, indlejretTilstand(t));
    if (grund == Tekst) {
        if (foran == u'&') {
            s.art = Art::Entitet;
            s.start = navnStart - 1;
            s.praefiks = u'&' + praefiks;
        } else if (foran == u'<' && praefiks.isEmpty()) {
            s.art = Art::Tag;
        }
        return s;
    }
    if (grund != Tag || (t & Erklaering)) return {};
    if (foran == u'<') {
        s.art = Art::Tag;
    } else if (foran == u'/' && navnStart > 1 && foer[navnStart - 2] == u'<') {
        s.art = Art::Slutkode;
        s.start = navnStart - 2;
        s.praefiks = QStringLiteral("</") + praefiks;
    } else if (foran.isSpace()) {
        // An attribute name: its tag begins at the last "<" of the line, or
        // of the lines before when the line starts inside the tag.
        QStringView kilde = foer;
        qsizetype aaben = foer.lastIndexOf(u'<', navnStart);
        const int start = tilstand & 0x0f;
        if (aaben < 0 && (start == Tag || start == TagDobbelt || start == TagEnkelt)) {
            kilde = foregaaende;
            aaben = foregaaende.lastIndexOf(u'<');
        }
        if (aaben < 0) return {};
        qsizetype j = aaben + 1;
        while (j < kilde.size() && navnetegn(kilde[j]))
            ++j;
        if (j == aaben + 1) return {};
        s.art = Art::Attribut;
        s.tag = kilde.mid(aaben + 1, j - aaben - 1).toString().toLower();
    } else {
        return {};
    }
    return s;
}

QStringList udvalg(const QStringList &liste, QStringView praefiks) {
    QStringList ud;
    for (const QString &punkt : liste)
        if (punkt.startsWith(praefiks, Qt::CaseInsensitive) && punkt.size() > praefiks.size())
            ud << punkt;
    return ud;
}

QStringList cssVaerdier(const QStringList &vaerdilinjer, QStringView egenskab) {
    for (const QString &l : vaerdilinjer) {
        if (l.size() > egenskab.size() && l[egenskab.size()] == u':' &&
            QStringView(l).left(egenskab.size()).compare(egenskab, Qt::CaseInsensitive) == 0)
            return l.mid(egenskab.size() + 1).split(u' ', Qt::SkipEmptyParts);
    }
    return {};
}

} // namespace Fuldfoerelse
