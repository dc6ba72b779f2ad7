#include "core/ordforskel.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Ordforskel;

namespace {

// "=kept |-removed |+added ": the runs in one line.
QString kort(const QList<Stykke> &stykker) {
    QStringList ud;
    for (const Stykke &s : stykker)
        ud << QString(s.slags == Slags::Beholdt     ? u'='
                      : s.slags == Slags::Tilfoejet ? u'+'
                                                    : u'-') +
                  s.tekst;
    return ud.join(u'|');
}

Ordtekst afOrd(const QList<int> &ord) {
    Ordtekst t;
    for (int o : ord) {
        t.ord << QString::number(o);
        t.efter << QStringLiteral(" ");
    }
    return t;
}

int lcs(const QList<int> &a, const QList<int> &b) {
    QList<QList<int>> l(a.size() + 1, QList<int>(b.size() + 1));
    for (qsizetype i = a.size() - 1; i >= 0; --i)
        for (qsizetype j = b.size() - 1; j >= 0; --j)
            l[i][j] = a[i] == b[j] ? l[i + 1][j + 1] + 1 : std::max(l[i + 1][j], l[i][j + 1]);
    return l[0][0];
}

} // namespace

class TstOrdforskel : public QObject {
    Q_OBJECT
private slots:
    void sider_data() {
        QTest::addColumn<QString>("gammel");
        QTest::addColumn<QString>("ny");
        QTest::addColumn<QString>("stykker");
        QTest::addColumn<int>("tilfoejet");
        QTest::addColumn<int>("fjernet");
        QTest::newRow("uændret") << "<p>Hej verden.</p>"
                                 << "<p>Hej verden.</p>"
                                 << "=Hej verden." << 0 << 0;
        QTest::newRow("ord ind i midten") << "<p>Hej verden</p>"
                                          << "<p>Hej store verden</p>"
                                          << "=Hej |+store |=verden" << 1 << 0;
        QTest::newRow("ord erstattet") << "<p>Vejret var godt i dag.</p>"
                                       << "<p>Vejret var skidt i dag.</p>"
                                       << "=Vejret var |-godt |+skidt |=i dag." << 1 << 1;
        QTest::newRow("slutningen væk") << "<p>Vi gik hjem. Så regnede det.</p>"
                                        << "<p>Vi gik hjem.</p>"
                                        << "=Vi gik hjem.|-Så regnede det." << 0 << 3;
        // The words rule: tags, the template heading and entities are no words.
        QTest::newRow("kun koderne ændret")
            << "<body><div class=\"overskrift\">Tirsdag</div><p>Hej verden</p></body>"
            << "<body><div class=\"overskrift\">Onsdag</div><p>Hej <b>verden</b></p></body>"
            << "=Hej verden" << 0 << 0;
        QTest::newRow("entiteter") << "<p>R&oslash;dgr&oslash;d</p>"
                                   << "<p>Rødgrød med fløde</p>"
                                   << "=Rødgrød |+med fløde" << 2 << 0;
        QTest::newRow("tom før") << ""
                                 << "<p>Første ord</p>"
                                 << "+Første ord" << 2 << 0;
        QTest::newRow("alt væk") << "<p>a b c</p>"
                                 << ""
                                 << "-a b c" << 0 << 3;
        // Of the two shortest ways, one word goes and one comes.
        QTest::newRow("gentagne ord") << "<p>a b a b</p>"
                                      << "<p>b a b a</p>"
                                      << "-a |=b a b |+a" << 1 << 1;
    }
    void sider() {
        QFETCH(QString, gammel);
        QFETCH(QString, ny);
        QFETCH(QString, stykker);
        QFETCH(int, tilfoejet);
        QFETCH(int, fjernet);
        const QList<Stykke> f = forskel(afSide(gammel), afSide(ny));
        QCOMPARE(kort(f), stykker);
        QCOMPARE(antal(f), (Antal{tilfoejet, fjernet}));
    }

    void kodeOgHtml() {
        // A script's "<" is text, and comes out escaped.
        const QList<Stykke> f =
            forskel(afKode(u"if (a < b && c) visFejl();"), afKode(u"if (a < d && c) visFejl();"));
        QCOMPARE(antal(f), (Antal{1, 1}));
        QCOMPARE(
            html(f),
            QStringLiteral("if (a &lt; "
                           "<del style=\"color:#9c1020;background:#fde2e2\">b &amp;&amp;</del> "
                           "<ins style=\"color:#0b5c1e;background:#d8f5dd;text-decoration:none\">"
                           "d &amp;&amp;</ins> c) visFejl();"));
        QCOMPARE(antalTekst(antal(f)), QStringLiteral("+1 \u22121 ord"));
    }

    // Random texts: the kept words are a longest common run, and the runs
    // give back both texts.
    void faerrestMuligeAendringer() {
        QRandomGenerator tilfaeldig(27);
        for (int n = 0; n < 300; ++n) {
            QList<int> a, b;
            for (int i = int(tilfaeldig.bounded(30)); i > 0; --i)
                a << int(tilfaeldig.bounded(4));
            for (int i = int(tilfaeldig.bounded(30)); i > 0; --i)
                b << int(tilfaeldig.bounded(4));
            const Ordtekst ga = afOrd(a), nb = afOrd(b);
            const QList<Stykke> f = forskel(ga, nb);
            QString gammel, ny;
            for (const Stykke &s : f) {
                if (s.slags != Slags::Tilfoejet) gammel += s.tekst;
                if (s.slags != Slags::Fjernet) ny += s.tekst;
            }
            QCOMPARE(gammel, ga.ord.join(u' ') + (a.isEmpty() ? "" : " "));
            QCOMPARE(ny, nb.ord.join(u' ') + (b.isEmpty() ? "" : " "));
            const Antal t = antal(f);
            QCOMPARE(t.fjernet + t.tilfoejet, int(a.size() + b.size()) - 2 * lcs(a, b));
        }
    }
};

QTEST_APPLESS_MAIN(TstOrdforskel)
#include "tst_ordforskel.moc"
