#include "ordforskel.h"

#include <QHash>

#include <vector>

namespace Ordforskel {

Ordtekst ordtekst(const Tekstomraader::Sidetekst &side) {
    Ordtekst t;
    const QString &s = side.tekst;
    t.foer = side.ord.isEmpty() ? s : s.left(side.ord.first().start);
    t.ord.reserve(side.ord.size());
    t.efter.reserve(side.ord.size());
    for (qsizetype i = 0; i < side.ord.size(); ++i) {
        const Tekstomraader::Omraade &o = side.ord[i];
        const int slut = o.start + o.laengde;
        const int naeste = i + 1 < side.ord.size() ? side.ord[i + 1].start : int(s.size());
        t.ord.append(s.mid(o.start, o.laengde));
        t.efter.append(s.mid(slut, naeste - slut));
    }
    return t;
}

Ordtekst afSide(QStringView html) {
    return ordtekst(Tekstomraader::sidetekst(html));
}

Ordtekst afKode(QStringView kode) {
    // Escaped into a page, so that a "<" in a script is text and not a tag.
    return afSide(QStringLiteral("<body><pre>") + kode.toString().toHtmlEscaped() +
                  QStringLiteral("</pre></body>"));
}

namespace {

// Marks the words of a that go and those of b that come, as few as possible:
// Myers' comparison, split where the paths from both ends meet, so that it
// needs linear space even when a whole page was replaced.
class Sammenligning {
public:
    Sammenligning(const std::vector<int> &a, const std::vector<int> &b)
        : fjernet(a.size())
        , tilfoejet(b.size())
        , m_a(a)
        , m_b(b) {
        del(0, int(a.size()), 0, int(b.size()));
    }

    std::vector<bool> fjernet, tilfoejet;

private:
    void del(int a0, int a1, int b0, int b1) {
        while (a0 < a1 && b0 < b1 && m_a[size_t(a0)] == m_b[size_t(b0)])
            ++a0, ++b0;
        while (a0 < a1 && b0 < b1 && m_a[size_t(a1 - 1)] == m_b[size_t(b1 - 1)])
            --a1, --b1;
        int x = 0, y = 0;
        if (a0 == a1 || b0 == b1 || !moedes(a0, a1, b0, b1, x, y)) {
            for (int i = a0; i < a1; ++i)
                fjernet[size_t(i)] = true;
            for (int j = b0; j < b1; ++j)
                tilfoejet[size_t(j)] = true;
            return;
        }
        del(a0, a0 + x, b0, b0 + y);
        del(a0 + x, a1, b0 + y, b1);
    }

    // Where a shortest path through a[a0, a1) and b[b0, b1), followed from
    // both ends at once, meets itself; diagonals that leave the grid are dropped.
    bool moedes(int a0, int a1, int b0, int b1, int &xUd, int &yUd) const {
        const int n = a1 - a0, m = b1 - b0, delta = n - m;
        const int maksD = (n + m + 1) / 2;
        const bool forfra = delta % 2 != 0;
        std::vector<int> v1(size_t(2 * maksD + 2), -1), v2(v1);
        int *f = v1.data() + maksD, *b = v2.data() + maksD;
        f[1] = 0;
        b[1] = 0;
        auto A = [&](int i) { return m_a[size_t(a0 + i)]; };
        auto B = [&](int j) { return m_b[size_t(b0 + j)]; };
        int k1start = 0, k1slut = 0, k2start = 0, k2slut = 0;
        for (int d = 0; d < maksD; ++d) {
            for (int k = -d + k1start; k <= d - k1slut; k += 2) {
                int x = k == -d || (k != d && f[k - 1] < f[k + 1]) ? f[k + 1] : f[k - 1] + 1;
                int y = x - k;
                while (x < n && y < m && A(x) == B(y))
                    ++x, ++y;
                f[k] = x;
                if (x > n) {
                    k1slut += 2;
                } else if (y > m) {
                    k1start += 2;
                } else if (forfra) {
                    const int c = delta - k;
                    if (c >= -maksD && c <= maksD + 1 && b[c] != -1 && x >= n - b[c]) {
                        xUd = x, yUd = y;
                        return true;
                    }
                }
            }
            for (int c = -d + k2start; c <= d - k2slut; c += 2) {
                int x = c == -d || (c != d && b[c - 1] < b[c + 1]) ? b[c + 1] : b[c - 1] + 1;
                int y = x - c;
                while (x < n && y < m && A(n - 1 - x) == B(m - 1 - y))
                    ++x, ++y;
                b[c] = x;
                if (x > n) {
                    k2slut += 2;
                } else if (y > m) {
                    k2start += 2;
                } else if (!forfra) {
                    const int k = delta - c;
                    if (k >= -maksD && k <= maksD + 1 && f[k] != -1 && f[k] >= n - x) {
                        xUd = f[k], yUd = f[k] - k;
                        return true;
                    }
                }
            }
        }
        return false;
    }

    const std::vector<int> &m_a, &m_b;
};

void tilfoej(QList<Stykke> &ud, Slags slags, const QString &tekst, int ord) {
    if (!ud.isEmpty() && ud.last().slags == slags) {
        ud.last().tekst += tekst;
        ud.last().ord += ord;
    } else {
        ud.append({slags, tekst, ord});
    }
}

} // namespace

QList<Stykke> forskel(const Ordtekst &gammel, const Ordtekst &ny) {
    // Words as numbers, so that the comparison compares integers.
    QHash<QString, int> numre;
    auto tal = [&numre](const QStringList &ord) {
        std::vector<int> ud;
        ud.reserve(size_t(ord.size()));
        for (const QString &o : ord) {
            auto it = numre.constFind(o);
            if (it == numre.constEnd()) it = numre.insert(o, int(numre.size()));
            ud.push_back(it.value());
        }
        return ud;
    };
    const std::vector<int> a = tal(gammel.ord), b = tal(ny.ord);
    const Sammenligning s(a, b);
    QList<Stykke> ud;
    if (!ny.foer.isEmpty()) ud.append({Slags::Beholdt, ny.foer, 0});
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && s.fjernet[i]) {
            tilfoej(ud, Slags::Fjernet, gammel.ord[qsizetype(i)] + gammel.efter[qsizetype(i)], 1);
            ++i;
        } else if (j < b.size() && s.tilfoejet[j]) {
            tilfoej(ud, Slags::Tilfoejet, ny.ord[qsizetype(j)] + ny.efter[qsizetype(j)], 1);
            ++j;
        } else {
            tilfoej(ud, Slags::Beholdt, ny.ord[qsizetype(j)] + ny.efter[qsizetype(j)], 1);
            ++i, ++j;
        }
    }
    return ud;
}

Antal antal(const QList<Stykke> &stykker) {
    Antal a;
    for (const Stykke &s : stykker) {
        if (s.slags == Slags::Tilfoejet) a.tilfoejet += s.ord;
        if (s.slags == Slags::Fjernet) a.fjernet += s.ord;
    }
    return a;
}

QString antalTekst(const Antal &a) {
    return QStringLiteral("+%1 \u2212%2 ord").arg(a.tilfoejet).arg(a.fjernet);
}

QString html(const QList<Stykke> &stykker) {
    QString ud;
    for (const Stykke &s : stykker) {
        // The last word of a text has nothing after it; the next run must not touch it.
        if (!ud.isEmpty() && !ud.back().isSpace() && !s.tekst.isEmpty() && !s.tekst[0].isSpace())
            ud += u' ';
        // The blanks after a run stay outside its colour.
        qsizetype slut = s.tekst.size();
        while (slut > 0 && s.tekst[slut - 1].isSpace())
            --slut;
        const QString ord = s.tekst.left(slut).toHtmlEscaped();
        switch (s.slags) {
        case Slags::Beholdt:
            ud += ord;
            break;
        case Slags::Tilfoejet:
            ud += QStringLiteral("<ins style=\"color:#0b5c1e;background:#d8f5dd;"
                                 "text-decoration:none\">") +
                  ord + QStringLiteral("</ins>");
            break;
        case Slags::Fjernet:
            ud += QStringLiteral("<del style=\"color:#9c1020;background:#fde2e2\">") + ord +
                  QStringLiteral("</del>");
            break;
        }
        ud += s.tekst.mid(slut).toHtmlEscaped();
    }
    return ud;
}

} // namespace Ordforskel
