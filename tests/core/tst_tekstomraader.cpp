#include "core/tekstomraader.h"

#include <QtTest>

// The words a page shows a reader, read line by line as the editor's marking does.
class TstTekstomraader : public QObject {
    Q_OBJECT
private slots:
    void ordPaaSiden_data();
    void ordPaaSiden();
};

namespace {

QStringList ordI(const QString &side) {
    QStringList ud;
    int tilstand = Tekstomraader::Tekst;
    for (const QString &linje : side.split(u'\n'))
        for (const Tekstomraader::Omraade &o : Tekstomraader::ord(linje, tilstand))
            ud << linje.mid(o.start, o.laengde);
    return ud;
}

} // namespace

void TstTekstomraader::ordPaaSiden_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("ord");
    using L = QStringList;
    QTest::newRow("ren tekst") << "Jeg gik en tur" << L{"Jeg", "gik", "en", "tur"};
    QTest::newRow("tagnavn og attributværdi") << "<p class=\"gikk\">Hej</p>" << L{"Hej"};
    QTest::newRow("værdi med > i") << "<a title='a > b' href=\"x.html\">Link</a>" << L{"Link"};
    QTest::newRow("kommentar") << "før <!-- gikk --> efter" << L{"før", "efter"};
    QTest::newRow("kommentar over linjer") << "a <!-- gikk\nturr\nslut --> b" << L{"a", "b"};
    QTest::newRow("entitet") << "blå&nbsp;bog &#229; &#xE5;" << L{"blå", "bog"};
    QTest::newRow("et & uden semikolon er tekst") << "Hansen & Søn" << L{"Hansen", "Søn"};
    QTest::newRow("script") << "<script>var gikk = 1;</script>efter" << L{"efter"};
    QTest::newRow("script over linjer med < i koden")
        << "<SCRIPT type=\"text/javascript\">\nif (a < b) gikk();\n</Script> ja" << L{"ja"};
    QTest::newRow("style over linjer") << "<style>\np { color: red }\n</style>Tekst" << L{"Tekst"};
    QTest::newRow("tag over linjer") << "<div\nclass=\"gikk\"\n>Inde</div>" << L{"Inde"};
    QTest::newRow("attributværdi over linjer") << "<img alt=\"gikk\nturr\">Under" << L{"Under"};
    QTest::newRow("< foran mellemrum er tekst") << "a < b og c" << L{"a", "b", "og", "c"};
    QTest::newRow("bindestreg og apostrof")
        << "e-mail-adresse Anne's - ord-" << L{"e-mail-adresse", "Anne's", "ord"};
    QTest::newRow("tal er ikke ord") << "Linje 12: 3dje år2024 ok" << L{"Linje", "ok"};
    QTest::newRow("doctype og sluttag")
        << "<!DOCTYPE html><title>Tirsdag 05. Marts</title>" << L{"Tirsdag", "Marts"};
    QTest::newRow("scripttag der lukkes i samme tag")
        << "<script src=\"a.js\"></script>Ja" << L{"Ja"};
}

void TstTekstomraader::ordPaaSiden() {
    QFETCH(QString, side);
    QFETCH(QStringList, ord);
    QCOMPARE(ordI(side), ord);
}

QTEST_APPLESS_MAIN(TstTekstomraader)
#include "tst_tekstomraader.moc"
