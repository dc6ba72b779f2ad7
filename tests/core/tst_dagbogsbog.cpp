#include "core/dagbogsbog.h"

#include <QRegularExpression>
#include <QtTest>

class TstDagbogsbog : public QObject {
    Q_OBJECT
private slots:
    void krop_data();
    void krop();
    void billeder_data();
    void billeder();
    void indholdOgSektioner();
};

void TstDagbogsbog::krop_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("krop");
    QTest::newRow("skabelon")
        << "<html><head><title>T</title></head>\n<body>\n<p>Hej</p>\n</body>\n</html>"
        << "\n<p>Hej</p>\n";
    QTest::newRow("store bogstaver og attributter")
        << "<HTML><BODY class=\"x\" onload=\"f()\">Tekst</BODY></HTML>"
        << "Tekst";
    QTest::newRow("body uden slut") << "<body>Resten"
                                    << "Resten";
    QTest::newRow("uden body") << "<p>Bare tekst</p>"
                               << "<p>Bare tekst</p>";
    QTest::newRow("tbody er ikke body") << "<table><tbody><tr><td>x</td></tr></tbody></table>"
                                        << "<table><tbody><tr><td>x</td></tr></tbody></table>";
}

void TstDagbogsbog::krop() {
    QFETCH(QString, side);
    QFETCH(QString, krop);
    QCOMPARE(Dagbogsbog::krop(side), krop);
}

void TstDagbogsbog::billeder_data() {
    QTest::addColumn<QString>("krop");
    QTest::addColumn<QString>("ud");
    QTest::newRow("src") << "<img src=\"../Billeder/a b.jpg\" alt=\"x\">"
                         << "<img src=\"NY:a b.jpg\" alt=\"x\">";
    QTest::newRow("enkelte anførselstegn og backslash") << "<img src='..\\Billeder\\hus.png'>"
                                                        << "<img src='NY:hus.png'>";
    QTest::newRow("link til billedet") << "<a href=\"../Billeder/stor.jpg\">se</a>"
                                       << "<a href=\"NY:stor.jpg\">se</a>";
    QTest::newRow("andre mapper røres ikke")
        << "<img src=\"../andet/a.jpg\"><img src=\"Billeder/a.jpg\">"
        << "<img src=\"../andet/a.jpg\"><img src=\"Billeder/a.jpg\">";
    QTest::newRow("ukendt fil bliver stående")
        << "<img src=\"../Billeder/mangler.jpg\"><img src=\"../Billeder/to.gif\">"
        << "<img src=\"../Billeder/mangler.jpg\"><img src=\"NY:to.gif\">";
}

void TstDagbogsbog::billeder() {
    QFETCH(QString, krop);
    QFETCH(QString, ud);
    QCOMPARE(Dagbogsbog::omskrivBilleder(krop,
                                         [](const QString &fil) {
                                             return fil == QStringLiteral("mangler.jpg")
                                                        ? QString()
                                                        : QStringLiteral("NY:") + fil;
                                         }),
             ud);
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
    // Every page once in the contents, linked to its own section, in tree order.
    const QString indhold = bog.section("<nav", 1).section("</nav>", 0, 0);
    QStringList links;
    for (const QRegularExpressionMatch &m :
         QRegularExpression("<a href=\"#(side\\d+)\">([^<]*)</a>").globalMatch(indhold))
        links << m.captured(1) + '=' + m.captured(2);
    QCOMPARE(links, (QStringList{"side0=Dagbog 2024", "side1=01 Januar", "side2=01 01 Mandag",
                                 "side3=01 02 Tirsdag", "side4=02 Februar"}));
    // The days of a month sit under it, the next month is an entry of its own.
    QVERIFY(QRegularExpression("01 Januar</a>\\s*<div class=\"dage\">.*01 02 Tirsdag</a>\\s*</div>"
                               "\\s*</li>\\s*<li class=\"maaned\"><a href=\"#side4\">",
                               QRegularExpression::DotMatchesEverythingOption)
                .match(indhold)
                .hasMatch());
    QCOMPARE(bog.count("<section class=\"bogSide\""), 5);
    QVERIFY(bog.contains("id=\"side2\">\n<div class=\"bogSidenavn\">01 01 Mandag</div>\n<p>Nytår & "
                         "<b>sne</b></p>"));
    QVERIFY(bog.indexOf("id=\"side3\"") < bog.indexOf("id=\"side4\""));
}

QTEST_APPLESS_MAIN(TstDagbogsbog)
#include "tst_dagbogsbog.moc"
