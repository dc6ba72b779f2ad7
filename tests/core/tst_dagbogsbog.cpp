#include "core/dagbogsbog.h"

#include <QRegularExpression>
#include <QtTest>

namespace {
// A row of the text transforms: the book's body of a page, or its pictures made part of it.
// No output means the input is left as it is.
void rad(const char *navn, bool billeder, const QString &ind, const QString &ud = {}) {
    QTest::newRow(navn) << billeder << ind << (ud.isNull() ? ind : ud);
}
} // namespace

class TstDagbogsbog : public QObject {
    Q_OBJECT
private slots:
    void omskrivning_data();
    void omskrivning();
    void indholdOgSektioner();
    void tommeDageOgForside_data();
    void tommeDageOgForside();
};

void TstDagbogsbog::omskrivning_data() {
    QTest::addColumn<bool>("billeder");
    QTest::addColumn<QString>("ind");
    QTest::addColumn<QString>("ud");
    rad("krop: skabelon", false,
        "<html><head><title>T</title></head>\n<body>\n<p>Hej</p>\n</body>\n</html>",
        "\n<p>Hej</p>\n");
    rad("krop: store bogstaver og attributter", false,
        "<HTML><BODY class=\"x\" onload=\"f()\">Tekst</BODY></HTML>", "Tekst");
    rad("krop: body uden slut", false, "<body>Resten", "Resten");
    rad("krop: uden body", false, "<p>Bare tekst</p>");
    rad("krop: tbody er ikke body", false, "<table><tbody><tr><td>x</td></tr></tbody></table>");
    rad("billeder: src", true, "<img src=\"../Billeder/a b.jpg\" alt=\"x\">",
        "<img src=\"NY:a b.jpg\" alt=\"x\">");
    rad("billeder: enkelte anførselstegn og backslash", true, "<img src='..\\Billeder\\hus.png'>",
        "<img src='NY:hus.png'>");
    rad("billeder: link til billedet", true, "<a href=\"../Billeder/stor.jpg\">se</a>",
        "<a href=\"NY:stor.jpg\">se</a>");
    rad("billeder: andre mapper røres ikke", true,
        "<img src=\"../andet/a.jpg\"><img src=\"Billeder/a.jpg\">");
    rad("billeder: ukendt fil bliver stående", true,
        "<img src=\"../Billeder/mangler.jpg\"><img src=\"../Billeder/to.gif\">",
        "<img src=\"../Billeder/mangler.jpg\"><img src=\"NY:to.gif\">");
}

void TstDagbogsbog::omskrivning() {
    QFETCH(bool, billeder);
    QFETCH(QString, ind);
    QFETCH(QString, ud);
    const auto ny = [](const QString &fil) {
        return fil == QStringLiteral("mangler.jpg") ? QString() : QStringLiteral("NY:") + fil;
    };
    QCOMPARE(billeder ? Dagbogsbog::omskrivBilleder(ind, ny) : Dagbogsbog::krop(ind), ud);
}

void TstDagbogsbog::indholdOgSektioner() {
    const QList<Dagbogsbog::Side> sider{{"Dagbog 2024", 0, "<p>År</p>"},
                                        {"01 Januar", 1, "<p>Januar</p>"},
                                        {"01 01 Mandag", 2, "<p>Nytår & <b>sne</b></p>"},
                                        {"01 02 Tirsdag", 2, "<p>Tirsdag</p>"},
                                        {"02 Februar", 1, "<p>Februar</p>"}};
    const QString bog = Dagbogsbog::html("Dagbog <2024>", sider, "body { color: red }</style>");
    QVERIFY(bog.contains("<title>Dagbog &lt;2024&gt;</title>"));
    QVERIFY(bog.contains("body { color: red }<\\/style>"));
    // Every page once in the contents and once as a section, in tree order.
    const QString indhold = bog.section("<nav", 1).section("</nav>", 0, 0);
    QStringList links;
    for (const QRegularExpressionMatch &m :
         QRegularExpression("<a href=\"#(side\\d+)\"><span>([^<]*)</span>").globalMatch(indhold))
        links << m.captured(1) + '=' + m.captured(2);
    QCOMPARE(links, (QStringList{"side0=Dagbog 2024", "side1=01 Januar", "side2=01 01 Mandag",
                                 "side3=01 02 Tirsdag", "side4=02 Februar"}));
    QCOMPARE(bog.count("<section class=\"bogSide\""), 5);
    QVERIFY(bog.indexOf("id=\"side3\"") < bog.indexOf("id=\"side4\""));
    // The days of a month sit under it, the next month is an entry of its own.
    QVERIFY(QRegularExpression(
                "01 Januar<.*</a>\\s*<div class=\"dage\">.*01 02 Tirsdag<.*</a>\\s*</div>"
                "\\s*</li>\\s*<li class=\"maaned\"><a href=\"#side4\">",
                QRegularExpression::DotMatchesEverythingOption)
                .match(indhold)
                .hasMatch());
    QVERIFY(bog.contains("id=\"side2\">\n<div class=\"bogSidenavn\">01 01 Mandag</div>\n<p>Nytår & "
                         "<b>sne</b></p>"));
}

void TstDagbogsbog::tommeDageOgForside_data() {
    QTest::addColumn<bool>("tomme");
    QTest::addColumn<QStringList>("overskrifter"); // the sections, in order
    QTest::addColumn<QString>("forside");
    QTest::newRow("uden tomme dage")
        << false << QStringList{"Dagbog 2024", "03 Marts", "tirsdag 5. marts 2024"}
        << "1 skreven dag";
    QTest::newRow("med tomme dage")
        << true
        << QStringList{"Dagbog 2024", "03 Marts", "tirsdag 5. marts 2024", "onsdag 6. marts 2024"}
        << "1 skreven dag";
}

void TstDagbogsbog::tommeDageOgForside() {
    QFETCH(bool, tomme);
    QFETCH(QStringList, overskrifter);
    QFETCH(QString, forside);
    // The year and month pages stay also without a word; only days are left out.
    const QList<Dagbogsbog::Side> sider{{"Dagbog 2024", 0, "", {}, false},
                                        {"03 Marts", 1, "", {}, false},
                                        {"03 05 Tirsdag", 2, "<p>Sne</p>", {2024, 3, 5}, true},
                                        {"03 06 Onsdag", 2, "", {2024, 3, 6}, false}};
    const QList<Dagbogsbog::Side> bogen = Dagbogsbog::udvalg(sider, tomme);
    QStringList fundne;
    for (const Dagbogsbog::Side &s : bogen)
        fundne << Dagbogsbog::overskrift(s);
    QCOMPARE(fundne, overskrifter);
    const QString bog = Dagbogsbog::html("Dagbog 2024", bogen, {}, {3, 0, 12});
    QVERIFY(bog.contains("</h1>\n<p>" + forside + "</p>"));
    // The contents give each section's sheet; one not yet known keeps its room empty.
    QVERIFY(bog.contains("<span>tirsdag 5. marts 2024</span><span class=\"ark\">12</span>"));
    QVERIFY(bog.contains("<span>03 Marts</span><span class=\"ark\"></span>"));
    if (tomme)
        QVERIFY(bog.contains("<span>onsdag 6. marts 2024</span><span class=\"ark\"></span>"));
    QVERIFY(bog.contains("<div class=\"bogSidenavn\">tirsdag 5. marts 2024</div>"));
}

QTEST_APPLESS_MAIN(TstDagbogsbog)
#include "tst_dagbogsbog.moc"
