#include "app/vinduer.h"
#include "editor/stavemarkering.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

// Spell checking in the page editor with the real Danish dictionary.
class TstStavekontrol : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString egenskaber(const QString &fil) const {
        return rod->rod() + u'/' + Mapper::brugernavn() + "/Egenskaber/" + fil;
    }
    static QCheckBox *kontakt() { return mainform->findChild<QCheckBox *>("StavekontrolCheck"); }
    void start() {
        opretVinduer();
        mainform->FormActivate();
        Dialoger::Test::vist().clear();
    }
    void stop() {
        for (Twinform *w : mainform->editorVinduer())
            w->Editor->setModified(false);
        mainform->close();
        nedlaegVinduer();
    }
    Twinform *aabnDag(int dag, const QString &tekst) {
        mainform->kalender->setSelectedDate(QDate(2024, 3, dag));
        QTest::mouseClick(mainform->findChild<QPushButton *>("ButtonOpret"), Qt::LeftButton);
        Twinform *w = mainform->aktivtVindue();
        w->Editor->setText(tekst);
        QApplication::processEvents(); // the first marking of a document waits for the event loop
        return w;
    }
    static QStringList markeret(const Twinform *w) {
        QStringList ud;
        for (QTextBlock b = w->Editor->document()->begin(); b.isValid(); b = b.next())
            for (const QTextLayout::FormatRange &f : b.layout()->formats())
                if (f.format.underlineStyle() == QTextCharFormat::WaveUnderline)
                    ud << b.text().mid(f.start, f.length);
        return ud;
    }
    // Right-click on the first occurrence of ord: the spelling menu, or none.
    static QMenu *hoejreklik(Twinform *w, const QString &ord) {
        QTextCursor c(w->Editor->document());
        c.setPosition(w->Editor->toPlainText().indexOf(ord) + 1);
        emit w->Editor->customContextMenuRequested(w->Editor->cursorRect(c).center());
        return w->Editor->findChild<QMenu *>("PUstavning");
    }
    static QAction *handling(QMenu *menu, const QString &navn) {
        for (QAction *a : menu->actions())
            if (a->objectName() == navn) return a;
        return nullptr;
    }

private slots:
    void init() {
        rod.reset(new TestRod);
        qunsetenv("DAGBOG_ORDBOGSMAPPE");
        if (Stavekontrol::findOrdbog().isEmpty()) QSKIP("the Danish dictionary is not installed");
        start();
    }
    void cleanup() {
        if (mainform) stop();
        qunsetenv("DAGBOG_ORDBOGSMAPPE");
        rod.reset();
    }

    void markering_data();
    void markering();
    void forslagErstatterOrdet();
    void ordetHuskes_data();
    void ordetHuskes();
    void kontaktenGaelderAlleVinduerOgGemmes();
    void udenOrdbogErKontaktenSlaaetFraMedHint();
};

void TstStavekontrol::markering_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("markeret");
    using L = QStringList;
    QTest::newRow("rigtig dansk") << "Jeg gik en tur i skoven" << L{};
    QTest::newRow("to fejl") << "Jeg gikk en turr" << L{"gikk", "turr"};
    QTest::newRow("attributværdi") << "<p class=\"gikk\">Hej</p>" << L{};
    QTest::newRow("kommentar") << "<!-- gikk -->" << L{};
    QTest::newRow("entitet") << "Godt&nbsp;nytår" << L{};
    QTest::newRow("script") << "<script>var gikk</script>" << L{};
    QTest::newRow("kommentar over linjer") << "<!--\ngikk\n-->\nturr" << L{"turr"};
    QTest::newRow("style over linjer") << "<style>\n.turr { color: red }\n</style>" << L{};
    QTest::newRow("æøå og stort begyndelsesbogstav") << "Blåbærgrøden smager godt. Sæbe" << L{};
    QTest::newRow("fejl efter et tag") << "<b>skovvven</b>" << L{"skovvven"};
}

void TstStavekontrol::markering() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, markeret);
    Twinform *w = aabnDag(5, tekst);
    QCOMPARE(TstStavekontrol::markeret(w), markeret);
    QVERIFY(!w->Editor->Modified()); // marking is no edit
}

void TstStavekontrol::forslagErstatterOrdet() {
    Twinform *w = aabnDag(5, "<p>Jeg gikk en tur</p>");
    QVERIFY(!hoejreklik(w, "tur")); // a right word keeps the page menu
    w->findChild<QMenu *>("PopupMenu")->close();
    QMenu *menu = hoejreklik(w, "gikk");
    QVERIFY(menu);
    QList<QAction *> forslag;
    for (QAction *a : menu->actions())
        if (a->objectName().startsWith("mForslag")) forslag << a;
    QVERIFY(!forslag.isEmpty() && forslag.size() <= 7);
    const auto gik =
        std::find_if(forslag.begin(), forslag.end(), [](QAction *a) { return a->text() == "gik"; });
    QVERIFY(gik != forslag.end());
    (*gik)->trigger();
    QCOMPARE(w->Editor->Text(), "<p>Jeg gik en tur</p>");
    QVERIFY(w->Editor->Modified());
    QApplication::processEvents();
    QCOMPARE(markeret(w), QStringList());
    menu->close();
}

void TstStavekontrol::ordetHuskes_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QString>("valg");
    QTest::addColumn<QByteArray>("ordbog"); // none: the word is forgotten when the program ends
    QTest::newRow("tilføjet") << "Bjørnsquist"
                              << "mTilfoejOrdbog" << QByteArray("Bj\xf8rnsquist\r\n");
    QTest::newRow("ignoreret") << "turr"
                               << "mIgnorer" << QByteArray();
}

void TstStavekontrol::ordetHuskes() {
    QFETCH(QString, ord);
    QFETCH(QString, valg);
    QFETCH(QByteArray, ordbog);
    Twinform *w = aabnDag(5, "Vi spiste " + ord + " og gikk");
    QCOMPARE(markeret(w), (QStringList{ord, "gikk"}));
    QMenu *menu = hoejreklik(w, ord);
    QVERIFY(menu);
    QAction *a = handling(menu, valg);
    QVERIFY(a);
    a->trigger();
    menu->close();
    QCOMPARE(markeret(w), QStringList{"gikk"});
    const QString fil = egenskaber("ordbog.txt");
    if (ordbog.isEmpty())
        QVERIFY(!QFile::exists(fil));
    else
        QCOMPARE(laesBytes(fil), ordbog);
    stop();
    start();
    QCOMPARE(markeret(aabnDag(5, ord + " gikk")),
             (ordbog.isEmpty() ? QStringList{ord, "gikk"} : QStringList{"gikk"}));
}

void TstStavekontrol::kontaktenGaelderAlleVinduerOgGemmes() {
    QVERIFY(kontakt() && kontakt()->isEnabled() && kontakt()->isChecked());
    Twinform *a = aabnDag(5, "gikk");
    Twinform *b = aabnDag(6, "turr");
    kontakt()->click();
    QCOMPARE(markeret(a), QStringList());
    QCOMPARE(markeret(b), QStringList());
    QVERIFY(!hoejreklik(b, "turr"));
    b->findChild<QMenu *>("PopupMenu")->close();
    kontakt()->click();
    QApplication::processEvents();
    QCOMPARE(markeret(a), QStringList{"gikk"});
    QCOMPARE(markeret(b), QStringList{"turr"});
    kontakt()->click();
    stop();

    const QList<QByteArray> linjer = laesBytes(egenskaber("mainform.txt")).split('\n');
    QCOMPARE(linjer.size(), 17);             // sixteen lines, each ended by CR LF
    QCOMPARE(linjer[11], QByteArray("1\r")); // backups stay on
    QCOMPARE(linjer[12], QByteArray("0\r"));
    start();
    QVERIFY(!kontakt()->isChecked());
    QCOMPARE(markeret(aabnDag(5, "gikk")), QStringList());
}

void TstStavekontrol::udenOrdbogErKontaktenSlaaetFraMedHint() {
    stop();
    // An older option file of eleven lines: spell checking is on by default.
    skrivBytes(egenskaber("mainform.txt"),
               "Sky\r\n64\r\n906\r\n889\r\n930\r\n0\r\n\r\nCourier New\r\n10\r\n1\r\n0\r\n");
    qputenv("DAGBOG_ORDBOGSMAPPE", rod->sti("ingen").toUtf8());
    start();
    QVERIFY(!kontakt()->isEnabled());
    QVERIFY(!kontakt()->isChecked());
    QVERIFY(kontakt()->toolTip().contains("hunspell-da"));
    QVERIFY(mainform->findChild<QWidget *>("stavekontrolHint"));
    QCOMPARE(markeret(aabnDag(5, "gikk turr")), QStringList());
    stop();
    // The choice is kept for the day the dictionary is there.
    QCOMPARE(laesBytes(egenskaber("mainform.txt")).split('\n').value(12), QByteArray("1\r"));
}

DAGBOG_GUI_TEST_MAIN(TstStavekontrol)
#include "tst_stavekontrol.moc"
