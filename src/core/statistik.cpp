#include "statistik.h"

#include "kalender.h"

#include <QLocale>
#include <algorithm>

namespace Statistik {

namespace {

QString iso(const QDate &d) {
    return d.toString(Qt::ISODate);
}

QString link(const QDate &d, const QString &tekst) {
    return QStringLiteral("<a href=\"dagbog:%1\">%2</a>").arg(iso(d), tekst.toHtmlEscaped());
}

QString kort(const QString &navn) {
    return navn.left(3).toLower();
}

QString tal(qint64 n) {
    return QLocale(QLocale::Danish, QLocale::Denmark).toString(n);
}

QString gennemsnit(const Oversigt &o) {
    const double g = o.skrevneDage ? double(o.ord) / o.skrevneDage : 0.0;
    return QLocale(QLocale::Danish, QLocale::Denmark).toString(g, 'f', 1);
}

QString stribeTekst(const Stribe &s) {
    QString t = QStringLiteral("%1 dage").arg(s.dage);
    if (s.dage > 0) t += QStringLiteral(", %1 til %2").arg(iso(s.fra), iso(s.til));
    return t;
}

QString stil(const Farver &f) {
    return QStringLiteral(
               "<style>body{background:%1;color:%2;font-family:sans-serif;font-size:10pt;"
               "margin:12px}h1{font-size:14pt;margin:0 0 8px}h2{font-size:11pt;margin:16px 0 "
               "6px}a{color:%3}svg text{fill:%2;font-size:9px}.s0{fill:%2;fill-opacity:.12}"
               ".s1{fill:%4;fill-opacity:.3}.s2{fill:%4;fill-opacity:.5}.s3{fill:%4;fill-"
               "opacity:.75}.s4{fill:%4}.idag{stroke:%2;stroke-width:2}.soejle{fill:%4}"
               "table{border-collapse:collapse}td,th{padding:2px 10px 2px 0;text-align:left;"
               "vertical-align:middle}td.tal{text-align:right}ol{columns:3;margin:0}"
               "@media print{body{background:#fff;color:#000}}</style>")
        .arg(f.baggrund, f.tekst, f.lenke, f.fremhaev);
}

QString side(const QString &titel, const QString &krop, const Farver &f) {
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"da\"><head><meta charset=\"utf-8\"><title>") +
           titel.toHtmlEscaped() + QStringLiteral("</title>") + stil(f) +
           QStringLiteral("</head><body>") + krop + QStringLiteral("</body></html>");
}

// The five shades from few words to many, each with the words it stands for.
QString forklaring(const std::array<int, 3> &g) {
    const QString titler[] = {
        QStringLiteral("0 ord"),
        QStringLiteral("1–%1 ord").arg(g[0]),
        QStringLiteral("op til %1 ord").arg(g[1]),
        QStringLiteral("op til %1 ord").arg(g[2]),
        QStringLiteral("over %1 ord").arg(g[2]),
    };
    QString s = QStringLiteral("<svg class=\"forklaring\" width=\"160\" height=\"14\">"
                               "<text x=\"0\" y=\"10\">Færre</text>");
    for (int i = 0; i < 5; ++i)
        s += QStringLiteral("<rect class=\"s%1\" x=\"%2\" y=\"1\" width=\"12\" height=\"12\" "
                            "rx=\"2\"><title>%3</title></rect>")
                 .arg(i)
                 .arg(34 + i * 14)
                 .arg(titler[i]);
    return s + QStringLiteral("<text x=\"106\" y=\"10\">Flere</text></svg>");
}

QString varmekort(const Oversigt &o, const QDate &idag) {
    constexpr int felt = 12, skridt = 14, venstre = 28, top = 16;
    const QDate nytaar(o.aar, 1, 1);
    const QDate mandag = nytaar.addDays(1 - nytaar.dayOfWeek());
    const auto kolonne = [&](const QDate &d) {
        return int((d.toJulianDay() - mandag.toJulianDay()) / 7);
    };
    const QDate nytaarsaften(o.aar, 12, 31);
    const int kolonner = kolonne(nytaarsaften) + 1;
    const std::array<int, 3> g = graenser(o.ordPrDag);
    QString s = QStringLiteral("<svg class=\"varmekort\" width=\"%1\" height=\"%2\">")
                    .arg(venstre + kolonner * skridt)
                    .arg(top + 7 * skridt);
    for (int m = 1; m <= 12; ++m)
        s += QStringLiteral("<text x=\"%1\" y=\"10\">%2</text>")
                 .arg(venstre + kolonne(QDate(o.aar, m, 1)) * skridt)
                 .arg(kort(maanedNavn(m)));
    for (int u = 1; u <= 7; ++u)
        s += QStringLiteral("<text x=\"0\" y=\"%1\">%2</text>")
                 .arg(top + (u - 1) * skridt + 10)
                 .arg(kort(ugedagNavn(u)));
    for (QDate d = nytaar; d <= nytaarsaften; d = d.addDays(1)) {
        const auto it = o.ordPrDag.constFind(d);
        const int ord = it == o.ordPrDag.cend() ? 0 : *it;
        QString felt_ =
            QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"2\" "
                           "class=\"s%4%5\"><title>%6: %7 ord</title></rect>")
                .arg(venstre + kolonne(d) * skridt)
                .arg(top + (d.dayOfWeek() - 1) * skridt)
                .arg(felt)
                .arg(skygge(ord, g))
                .arg(d == idag ? QStringLiteral(" idag") : QString())
                .arg(langDato(d))
                .arg(ord);
        if (it != o.ordPrDag.cend())
            felt_ = QStringLiteral("<a href=\"dagbog:%1\">").arg(iso(d)) + felt_ +
                    QStringLiteral("</a>");
        s += felt_;
    }
    return s + QStringLiteral("</svg>") + forklaring(g);
}

QString maanedssoejler(const Oversigt &o) {
    constexpr int bredde = 36, hoejde = 120, top = 14, bund = 16;
    const qint64 stoerst =
        std::max<qint64>(1, *std::max_element(o.ordPrMaaned.begin(), o.ordPrMaaned.end()));
    QString s = QStringLiteral("<svg class=\"maaneder\" width=\"%1\" height=\"%2\">")
                    .arg(12 * bredde)
                    .arg(top + hoejde + bund);
    for (int m = 0; m < 12; ++m) {
        const int h = int(hoejde * o.ordPrMaaned[m] / stoerst);
        s += QStringLiteral("<rect class=\"soejle\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\">"
                            "<title>%5: %6 ord</title></rect>")
                 .arg(m * bredde + 4)
                 .arg(top + hoejde - h)
                 .arg(bredde - 8)
                 .arg(h)
                 .arg(maanedNavn(m + 1).toLower(), tal(o.ordPrMaaned[m]));
        s += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                 .arg(m * bredde + 4)
                 .arg(top + hoejde - h - 3)
                 .arg(tal(o.ordPrMaaned[m]));
        s += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                 .arg(m * bredde + 6)
                 .arg(top + hoejde + 12)
                 .arg(kort(maanedNavn(m + 1)));
    }
    return s + QStringLiteral("</svg>");
}

} // namespace

Sidetal taelSide(const Tekstomraader::Sidetekst &side) {
    Sidetal t;
    t.ord = int(side.ord.size());
    t.billeder = int(side.billeder.size());
    for (const Tekstomraader::Omraade &o : side.ord) {
        const QStringView ord = QStringView(side.tekst).mid(o.start, o.laengde);
        if (std::any_of(ord.begin(), ord.end(), [](QChar c) { return c.isDigit(); })) continue;
        ++t.hyppighed[ord.toString().toLower()];
    }
    return t;
}

Stribe laengsteStribe(const QList<QDate> &skrevne) {
    Stribe bedst, nu;
    for (const QDate &d : skrevne) {
        if (nu.dage > 0 && nu.til.addDays(1) == d) {
            ++nu.dage;
            nu.til = d;
        } else {
            nu = {1, d, d};
        }
        if (nu.dage > bedst.dage) bedst = nu;
    }
    return bedst;
}

Stribe nuvaerendeStribe(const QList<QDate> &skrevne, const QDate &idag) {
    // The run that holds the last written day up to idag, when it reaches idag or its eve.
    auto it = std::upper_bound(skrevne.cbegin(), skrevne.cend(), idag);
    if (it == skrevne.cbegin()) return {};
    --it;
    if (*it < idag.addDays(-1)) return {};
    Stribe s{1, *it, *it};
    while (it != skrevne.cbegin() && std::prev(it)->addDays(1) == *it) {
        --it;
        ++s.dage;
        s.fra = *it;
    }
    return s;
}

std::array<int, 3> graenser(const QMap<QDate, int> &ordPrDag) {
    QList<int> skrevne;
    for (const int n : ordPrDag)
        if (n > 0) skrevne << n;
    if (skrevne.isEmpty()) return {1, 1, 1};
    std::sort(skrevne.begin(), skrevne.end());
    const auto kvart = [&](int i) { return skrevne[(skrevne.size() - 1) * i / 4]; };
    return {kvart(1), kvart(2), kvart(3)};
}

int skygge(int ord, const std::array<int, 3> &g) {
    if (ord <= 0) return 0;
    if (ord <= g[0]) return 1;
    if (ord <= g[1]) return 2;
    if (ord <= g[2]) return 3;
    return 4;
}

Aarstal saml(int aar, const QMap<QDate, Sidetal> &dage) {
    Aarstal a;
    for (auto it = dage.cbegin(); it != dage.cend(); ++it) {
        if (it.key().year() != aar) continue;
        a.dage.insert(it.key(), {it->ord, it->billeder, {}});
        for (auto h = it->hyppighed.cbegin(); h != it->hyppighed.cend(); ++h)
            a.hyppighed[h.key()] += *h;
    }
    return a;
}

Oversigt opsummer(int aar, const Aarstal &tal, const QSet<QString> &stopord, const QDate &idag) {
    Oversigt o;
    o.aar = aar;
    QList<QDate> skrevne;
    for (auto it = tal.dage.cbegin(); it != tal.dage.cend(); ++it) {
        const QDate d = it.key();
        const Sidetal &t = *it;
        o.ordPrDag.insert(d, t.ord);
        o.billeder += t.billeder;
        if (t.ord == 0) continue;
        skrevne << d;
        o.ord += t.ord;
        o.ordPrMaaned[d.month() - 1] += t.ord;
        if (t.ord > o.laengsteSideOrd) {
            o.laengsteSideOrd = t.ord;
            o.laengsteSide = d;
        }
    }
    o.skrevneDage = int(skrevne.size());
    o.laengste = laengsteStribe(skrevne);
    o.nuvaerende = nuvaerendeStribe(skrevne, idag);
    for (auto h = tal.hyppighed.cbegin(); h != tal.hyppighed.cend(); ++h)
        if (!stopord.contains(h.key())) o.mestBrugte.append({h.key(), *h});
    // Most used first; equals in alphabetical order, so the list is the same every time.
    const auto foer = [](const QPair<QString, int> &a, const QPair<QString, int> &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    };
    const qsizetype n = std::min<qsizetype>(30, o.mestBrugte.size());
    std::partial_sort(o.mestBrugte.begin(), o.mestBrugte.begin() + n, o.mestBrugte.end(), foer);
    o.mestBrugte.resize(n);
    return o;
}

QStringList tekst(const Oversigt &o) {
    QStringList l{QStringLiteral("Skrevne dage: %1").arg(o.skrevneDage),
                  QStringLiteral("Ord: %1").arg(o.ord),
                  QStringLiteral("Længste stribe: ") + stribeTekst(o.laengste),
                  QStringLiteral("Nuværende stribe: ") + stribeTekst(o.nuvaerende),
                  QStringLiteral("Gennemsnit pr. skreven dag: ") + gennemsnit(o)};
    if (o.laengsteSide.isValid())
        l << QStringLiteral("Længste side: %1 (%2 ord)")
                 .arg(iso(o.laengsteSide))
                 .arg(o.laengsteSideOrd);
    l << QStringLiteral("Billeder: %1").arg(o.billeder);
    QStringList maaneder;
    for (int m = 0; m < 12; ++m)
        maaneder << QStringLiteral("%1 %2").arg(maanedNavn(m + 1).toLower()).arg(o.ordPrMaaned[m]);
    l << QStringLiteral("Ord pr. måned: ") + maaneder.join(QStringLiteral(", "));
    QStringList mest;
    for (const auto &[ord, n] : o.mestBrugte)
        mest << QStringLiteral("%1 (%2)").arg(ord).arg(n);
    l << QStringLiteral("Mest brugte ord: ") + mest.join(QStringLiteral(", "));
    return l;
}

QString html(const Oversigt &o, const QDate &idag, const Farver &f) {
    const QString titel = strukturNavnFor(o.aar);
    QString k = QStringLiteral("<h1>") + titel.toHtmlEscaped() + QStringLiteral("</h1>");
    k += varmekort(o, idag);
    k += QStringLiteral("<h2>Ord pr. måned</h2>") + maanedssoejler(o);
    const auto raekke = [](const QString &navn, const QString &vaerdi) {
        return QStringLiteral("<tr><th>") + navn + QStringLiteral("</th><td>") + vaerdi +
               QStringLiteral("</td></tr>");
    };
    const auto stribe = [](const Stribe &s) {
        QString t = QStringLiteral("%1 dage").arg(s.dage);
        if (s.dage > 0)
            t += QStringLiteral(", ") + link(s.fra, langDato(s.fra)) + QStringLiteral(" til ") +
                 link(s.til, langDato(s.til));
        return t;
    };
    k += QStringLiteral("<h2>Tal</h2><table>");
    k += raekke(QStringLiteral("Skrevne dage"), tal(o.skrevneDage));
    k += raekke(QStringLiteral("Ord i alt"), tal(o.ord));
    k += raekke(QStringLiteral("Gennemsnit pr. skreven dag"), gennemsnit(o));
    k += raekke(QStringLiteral("Længste stribe"), stribe(o.laengste));
    k += raekke(QStringLiteral("Nuværende stribe"), stribe(o.nuvaerende));
    k += raekke(QStringLiteral("Længste side"),
                o.laengsteSide.isValid()
                    ? link(o.laengsteSide, langDato(o.laengsteSide)) +
                          QStringLiteral(" (%1 ord)").arg(tal(o.laengsteSideOrd))
                    : QStringLiteral("–"));
    k += raekke(QStringLiteral("Billeder"), tal(o.billeder));
    k += QStringLiteral("</table><h2>Mest brugte ord</h2><ol>");
    for (const auto &[ord, n] : o.mestBrugte)
        k += QStringLiteral("<li>%1 (%2)</li>").arg(ord.toHtmlEscaped(), tal(n));
    k += QStringLiteral("</ol>");
    return side(titel, k, f);
}

QString aarHtml(const QList<Oversigt> &aar, const Farver &f) {
    qint64 flestOrd = 1;
    int flestDage = 1;
    for (const Oversigt &o : aar) {
        flestOrd = std::max(flestOrd, o.ord);
        flestDage = std::max(flestDage, o.skrevneDage);
    }
    const auto soejle = [](double andel) {
        return QStringLiteral("<svg width=\"200\" height=\"12\"><rect class=\"soejle\" x=\"0\" "
                              "y=\"1\" width=\"%1\" height=\"10\"/></svg>")
            .arg(int(200 * andel));
    };
    QString k = QStringLiteral("<h1>Alle år</h1><table><tr><th>År</th><th colspan=\"2\">Ord</th>"
                               "<th colspan=\"2\">Skrevne dage</th></tr>");
    for (const Oversigt &o : aar)
        k += QStringLiteral("<tr><th>%1</th><td class=\"tal\">%2</td><td>%3</td>"
                            "<td class=\"tal\">%4</td><td>%5</td></tr>")
                 .arg(o.aar)
                 .arg(tal(o.ord), soejle(double(o.ord) / flestOrd), tal(o.skrevneDage),
                      soejle(double(o.skrevneDage) / flestDage));
    k += QStringLiteral("</table>");
    return side(QStringLiteral("Alle år"), k, f);
}

} // namespace Statistik
