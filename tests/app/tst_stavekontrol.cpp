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
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber/") + fil;
    }
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
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
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
        const int pos = w->Editor->toPlainText().indexOf(ord) + 1;
        QTextCursor c(w->Editor->document());
        c.setPosition(pos);
        const QPoint sted = w->Editor->cursorRect(c).center();
        emit w->Editor->customContextMenuRequested(sted);
        return w->Editor->findChild<QMenu *>(QStringLiteral("PUstavning"));
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
    void tilfoejetOrdErRigtigtEfterGenstart();
    void ignoreretOrdGaelderKunDenneKoersel();
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
    Twinform *w = aabnDag(5, QStringLiteral("<p>Jeg gikk en tur</p>"));
    QVERIFY(!hoejreklik(w, QStringLiteral("tur"))); // a right word keeps the page menu
    w->findChild<QMenu *>(QStringLiteral("PopupMenu"))->close();
    QMenu *menu = hoejreklik(w, QStringLiteral("gikk"));
    QVERIFY(menu);
    QAction *gik = nullptr;
    int forslag = 0;
    for (QAction *a : menu->actions()) {
        if (!a->objectName().startsWith(QStringLiteral("mForslag"))) continue;
        ++forslag;
        if (a->text() == QStringLiteral("gik")) gik = a;
    }
    QVERIFY(forslag >= 1 && forslag <= 7);
    QVERIFY(gik);
    QVERIFY(handling(menu, QStringLiteral("mTilfoejOrdbog")));
    QVERIFY(handling(menu, QStringLiteral("mIgnorer")));
    gik->trigger();
    QCOMPARE(w->Editor->Text(), QStringLiteral("<p>Jeg gik en tur</p>"));
    QVERIFY(w->Editor->Modified());
    QApplication::processEvents();
    QCOMPARE(markeret(w), QStringList());
    menu->close();
}

void TstStavekontrol::tilfoejetOrdErRigtigtEfterGenstart() {
    Twinform *w = aabnDag(5, QStringLiteral("Vi spiste Bjørnsquist og gikk"));
    QCOMPARE(markeret(w), (QStringList{"Bjørnsquist", "gikk"}));
    QMenu *menu = hoejreklik(w, QStringLiteral("Bjørnsquist"));
    QVERIFY(menu);
    QAction *tilfoej = handling(menu, QStringLiteral("mTilfoejOrdbog"));
    QVERIFY(tilfoej);
    tilfoej->trigger();
    menu->close();
    QCOMPARE(markeret(w), QStringList{"gikk"});
    QCOMPARE(laesBytes(egenskaber(QStringLiteral("ordbog.txt"))), QByteArray("Bj\xf8rnsquist\r\n"));

    stop();
    start();
    w = aabnDag(5, QStringLiteral("Bjørnsquist gikk"));
    QCOMPARE(markeret(w), QStringList{"gikk"});
}

void TstStavekontrol::ignoreretOrdGaelderKunDenneKoersel() {
    Twinform *w = aabnDag(5, QStringLiteral("turr og gikk"));
    QMenu *menu = hoejreklik(w, QStringLiteral("turr"));
    QVERIFY(menu);
    QVERIFY(handling(menu, QStringLiteral("mIgnorer")));
    handling(menu, QStringLiteral("mIgnorer"))->trigger();
    menu->close();
    QCOMPARE(markeret(w), QStringList{"gikk"});
    QVERIFY(!QFile::exists(egenskaber(QStringLiteral("ordbog.txt"))));
    stop();
    start();
    w = aabnDag(5, QStringLiteral("turr"));
    QCOMPARE(markeret(w), QStringList{"turr"});
}

void TstStavekontrol::kontaktenGaelderAlleVinduerOgGemmes() {
    auto *kontakt = mainform->findChild<QCheckBox *>(QStringLiteral("StavekontrolCheck"));
    QVERIFY(kontakt && kontakt->isEnabled() && kontakt->isChecked());
    Twinform *a = aabnDag(5, QStringLiteral("gikk"));
    Twinform *b = aabnDag(6, QStringLiteral("turr"));
    QCOMPARE(markeret(a), QStringList{"gikk"});
    kontakt->click();
    QCOMPARE(markeret(a), QStringList());
    QCOMPARE(markeret(b), QStringList());
    QVERIFY(!hoejreklik(b, QStringLiteral("turr")));
    b->findChild<QMenu *>(QStringLiteral("PopupMenu"))->close();
    kontakt->click();
    QApplication::processEvents();
    QCOMPARE(markeret(a), QStringList{"gikk"});
    QCOMPARE(markeret(b), QStringList{"turr"});
    kontakt->click();
    stop();

    const QList<QByteArray> linjer =
        laesBytes(egenskaber(QStringLiteral("mainform.txt"))).split('\n');
    QCOMPARE(linjer.size(), 14);             // thirteen lines, each ended by CR LF
    QCOMPARE(linjer[11], QByteArray("1\r")); // backups stay on
    QCOMPARE(linjer[12], QByteArray("0\r"));
    start();
    kontakt = mainform->findChild<QCheckBox *>(QStringLiteral("StavekontrolCheck"));
    QVERIFY(!kontakt->isChecked());
    QCOMPARE(markeret(aabnDag(5, QStringLiteral("gikk"))), QStringList());
}

void TstStavekontrol::udenOrdbogErKontaktenSlaaetFraMedHint() {
    stop();
    // An older option file of eleven lines: spell checking is on by default.
    skrivBytes(egenskaber(QStringLiteral("mainform.txt")),
               "Sky\r\n64\r\n906\r\n889\r\n930\r\n0\r\n\r\nCourier New\r\n10\r\n1\r\n0\r\n");
    qputenv("DAGBOG_ORDBOGSMAPPE", rod->sti(QStringLiteral("ingen")).toUtf8());
    start();
    auto *kontakt = mainform->findChild<QCheckBox *>(QStringLiteral("StavekontrolCheck"));
    QVERIFY(!kontakt->isEnabled());
    QVERIFY(!kontakt->isChecked());
    QVERIFY(kontakt->toolTip().contains(QStringLiteral("hunspell-da")));
    QVERIFY(mainform->findChild<QWidget *>(QStringLiteral("stavekontrolHint")));
    QCOMPARE(markeret(aabnDag(5, QStringLiteral("gikk turr"))), QStringList());
    stop();
    // The choice is kept for the day the dictionary is there.
    QCOMPARE(laesBytes(egenskaber(QStringLiteral("mainform.txt"))).split('\n').value(12),
             QByteArray("1\r"));
}

DAGBOG_GUI_TEST_MAIN(TstStavekontrol)
#include "tst_stavekontrol.moc"
