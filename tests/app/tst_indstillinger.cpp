#include "app/vinduer.h"
#include "controls/fontsizebox.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/stilarter.h"
#include "platform/trichedit.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

class TstIndstillinger : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString optionsfil() const {
        return rod->rod() + u'/' + Mapper::brugernavn() +
               QStringLiteral("/Egenskaber/mainform.txt");
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
    void aabnDato(const QDate &d) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    void aabnToSider() {
        aabnDato(QDate(2024, 3, 5));
        aabnDato(QDate(2024, 3, 6));
        // A new year opens its year and month pages too.
        QVERIFY(mainform->editorVinduer().size() >= 2);
    }
    // What a user's pick from the drop-down list does.
    static void vaelg(QComboBox *boks, const QString &tekst) {
        const int i = boks->findText(tekst);
        QVERIFY2(i >= 0, qPrintable(tekst));
        boks->setCurrentIndex(i);
        emit boks->activated(i);
    }
    // The same font in every editor of every open window.
    static QStringList overalt(const QString &font) {
        return QStringList(3 * mainform->editorVinduer().size(), font);
    }
    static QStringList editorFonte() {
        QStringList f;
        for (Twinform *w : mainform->editorVinduer())
            for (TRichEdit *e : {w->Editor, w->EditorDesign, w->EditorFunktioner})
                f << e->FontNavn() + u' ' + QString::number(e->FontStoerrelse());
        return f;
    }
    template <typename T> static T *find(const QString &navn) {
        return mainform->findChild<T *>(navn);
    }

    static bool installeret(const QString &font) {
        return QFontDatabase::families().contains(font);
    }
    // The look the application had before any design: the platform's own.
    QString startstil;
    QColor startvindue;

private slots:
    void initTestCase() {
        startstil = QApplication::style()->name();
        startvindue = QApplication::palette().color(QPalette::Window);
    }
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }

    void foersteStart();
    void designFraOptionsfil_data();
    void designFraOptionsfil();
    void designValg_data();
    void designValg();
    void menufontIAlleEditorer_data();
    void menufontIAlleEditorer();
    void skrevetFontnavnTaellerKunHelt();
    void standardfontGemmesOgHentes();
    void htmlKoderVisesIAabneVinduer();
    void fontlistenHarKunInstalleredeFonte();
};

void TstIndstillinger::foersteStart() {
    start();
    auto *designBox = find<QComboBox>(QStringLiteral("designBox"));
    QCOMPARE(designBox->currentText(), QStringLiteral("Sky"));
    QStringList navne;
    for (int i = 0; i < designBox->count(); ++i)
        navne << designBox->itemText(i);
    QCOMPARE(navne, QStringList({"Aqua Light Slate", "Carbon", "Iceberg Classico", "Jet", "Sky",
                                 "Smokey Quartz Kamri", "Windows"}));
    QCOMPARE(Stilarter::aktiv(), QStringLiteral("Iceberg Classico"));
    QCOMPARE(find<QComboBox>(QStringLiteral("FontName"))->currentText(),
             QStringLiteral("Courier New"));
    QCOMPARE(find<TFontSizeComboBox>(QStringLiteral("SizBox"))->currentText(),
             QStringLiteral("10"));
    QCOMPARE(find<QCheckBox>(QStringLiteral("HtmlKoderCheck"))->isChecked(), false);
    QStringList menu;
    for (QAction *a : find<QMenu>(QStringLiteral("FontPU"))->actions())
        menu << a->objectName() + u'=' + a->text();
    QCOMPARE(menu, QStringList({"mFont1=Arial", "mFont2=Courier New", "mFont3=Georgia",
                                "mFont4=Lucida Calligraphy", "mFont5=Lucida Console",
                                "mFont6=Segoe Print", "mFont7=Tahoma", "mFont8=Verdana"}));
}

void TstIndstillinger::designFraOptionsfil_data() {
    QTest::addColumn<QByteArray>("linje1");
    QTest::addColumn<QString>("stil");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<QStringList>("beskeder");
    QTest::newRow("kendt") << QByteArray("Carbon") << "Carbon"
                           << "Carbon" << QStringList();
    QTest::newRow("anden store/små") << QByteArray("jet") << "Jet"
                                     << "Jet" << QStringList();
    QTest::newRow("ukendt") << QByteArray("Marmor") << "Iceberg Classico" << QString()
                            << QStringList{"Designet \"Marmor\" findes ikke."};
}

void TstIndstillinger::designFraOptionsfil() {
    QFETCH(QByteArray, linje1);
    QFETCH(QString, stil);
    QFETCH(QString, valgt);
    QFETCH(QStringList, beskeder);
    skrivBytes(optionsfil(), linje1 + "\r\n64\r\n906\r\n889\r\n930\r\n0\r\n\r\nLiberation "
                                      "Serif\r\n14\r\n1\r\n1\r\n");
    Dialoger::Test::vist().clear();
    opretVinduer();
    QCOMPARE(Dialoger::Test::vist().filter(QStringLiteral("Designet")), beskeder);
    QCOMPARE(Stilarter::aktiv(), stil);
    QCOMPARE(find<QComboBox>(QStringLiteral("designBox"))->currentText(), valgt);
    QCOMPARE(find<QComboBox>(QStringLiteral("FontName"))->currentText(),
             QStringLiteral("Liberation Serif"));
    QCOMPARE(find<TFontSizeComboBox>(QStringLiteral("SizBox"))->currentText(),
             QStringLiteral("14"));
    QVERIFY(find<QCheckBox>(QStringLiteral("HtmlKoderCheck"))->isChecked());
}

void TstIndstillinger::designValg_data() {
    QTest::addColumn<QString>("valg");
    QTest::addColumn<bool>("dokument");
    QTest::addColumn<QString>("stil");
    QTest::addColumn<QString>("designNavn");
    QTest::addColumn<QStringList>("beskeder");
    QTest::newRow("uden dokument") << "Carbon" << false << "Carbon"
                                   << "Carbon" << QStringList();
    QTest::newRow("platformens egen") << "Windows" << false << "Windows"
                                      << "Windows" << QStringList();
    QTest::newRow("med dokument") << "Carbon" << true << "Iceberg Classico"
                                  << "Sky" << QStringList{"Luk alle dokumenter og prøv igen!"};
    QTest::newRow("samme design") << "Sky" << false << "Iceberg Classico"
                                  << "Sky" << QStringList();
}

void TstIndstillinger::designValg() {
    QFETCH(QString, valg);
    QFETCH(bool, dokument);
    QFETCH(QString, stil);
    QFETCH(QString, designNavn);
    QFETCH(QStringList, beskeder);
    start();
    if (dokument) aabnDato(QDate(2024, 3, 5));
    const QColor foer = mainform->palette().color(QPalette::Window);
    Dialoger::Test::vist().clear();
    auto *designBox = find<QComboBox>(QStringLiteral("designBox"));
    vaelg(designBox, valg);
    QCOMPARE(Dialoger::Test::vist().filter(QStringLiteral("Luk alle")), beskeder);
    QCOMPARE(Stilarter::aktiv(), stil);
    QCOMPARE(mainform->designNavn, designNavn);
    QCOMPARE(designBox->currentText(), valg);
    QCOMPARE(mainform->palette().color(QPalette::Window) != foer, stil != "Iceberg Classico");
    QCOMPARE(qApp->styleSheet().isEmpty(), stil == "Windows");
    if (stil == "Windows") {
        // The platform's own style, under the program's readable edges.
        const auto *egen = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(egen);
        QCOMPARE(egen->baseStyle()->name(), startstil);
        QCOMPARE(QApplication::palette().color(QPalette::Window), startvindue);
    }
}

void TstIndstillinger::menufontIAlleEditorer_data() {
    QTest::addColumn<QString>("punkt");
    QTest::addColumn<int>("brugt");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("stoerrelse");
    QTest::newRow("Verdana, størrelsen bliver") << "mFont8" << 10 << "Verdana" << 10;
    QTest::newRow("Arial, størrelsen tilbydes") << "mFont1" << 12 << "Arial" << 12;
    QTest::newRow("Arial, størrelsen tilbydes ikke") << "mFont1" << 13 << "Arial" << 8;
    QTest::newRow("Courier New, størrelsen tilbydes ikke") << "mFont2" << 13 << "Courier New" << 8;
}

void TstIndstillinger::menufontIAlleEditorer() {
    QFETCH(QString, punkt);
    QFETCH(int, brugt);
    QFETCH(QString, font);
    QFETCH(int, stoerrelse);
    start();
    aabnToSider();
    for (Twinform *w : mainform->editorVinduer())
        for (TRichEdit *e : {w->Editor, w->EditorDesign, w->EditorFunktioner})
            e->setFontStoerrelse(brugt);
    find<QAction>(punkt)->trigger();
    // A font this machine lacks is offered in the menu but cannot be chosen.
    QCOMPARE(find<QAction>(punkt)->isEnabled(), installeret(font));
    const QString forventet = installeret(font)
                                  ? font + u' ' + QString::number(stoerrelse)
                                  : QStringLiteral("Courier New ") + QString::number(brugt);
    QCOMPARE(editorFonte(), overalt(forventet));
    QCOMPARE(find<QComboBox>(QStringLiteral("FontName"))->currentText(),
             installeret(font) ? font : QStringLiteral("Courier New"));
    // The standard font is not touched: a new window still starts with it.
    QCOMPARE(mainform->bogstavName, QStringLiteral("Courier New"));
    QCOMPARE(mainform->bogstavSize, 10);
}

void TstIndstillinger::skrevetFontnavnTaellerKunHelt() {
    start();
    aabnToSider();
    auto *felt = find<QComboBox>(QStringLiteral("FontName"))->lineEdit();
    felt->clear();
    QTest::keyClicks(felt, QStringLiteral("Liberation Ser"));
    QCOMPARE(editorFonte(), overalt(QStringLiteral("Courier New 10")));
    QTest::keyClicks(felt, QStringLiteral("if"));
    QCOMPARE(editorFonte(), overalt(QStringLiteral("Liberation Serif 10")));
    auto *stoerrelse = find<TFontSizeComboBox>(QStringLiteral("SizBox"))->lineEdit();
    stoerrelse->clear();
    QTest::keyClicks(stoerrelse, QStringLiteral("13"));
    QCOMPARE(editorFonte(), overalt(QStringLiteral("Liberation Serif 10")));
}

void TstIndstillinger::standardfontGemmesOgHentes() {
    start();
    vaelg(find<QComboBox>(QStringLiteral("FontName")), QStringLiteral("Liberation Serif"));
    vaelg(find<TFontSizeComboBox>(QStringLiteral("SizBox")), QStringLiteral("14"));
    QTest::mouseClick(find<QToolButton>(QStringLiteral("mFontGem")), Qt::LeftButton);
    stop();
    QCOMPARE(laesBytes(optionsfil()).split('\n').mid(7, 2),
             QList<QByteArray>({"Liberation Serif\r", "14\r"}));

    start();
    QCOMPARE(find<QComboBox>(QStringLiteral("FontName"))->currentText(),
             QStringLiteral("Liberation Serif"));
    QCOMPARE(find<TFontSizeComboBox>(QStringLiteral("SizBox"))->currentText(),
             QStringLiteral("14"));
    aabnToSider();
    QCOMPARE(editorFonte(), overalt(QStringLiteral("Liberation Serif 14")));
    find<QAction>(QStringLiteral("mFont3"))->trigger();
    QCOMPARE(editorFonte(), overalt(installeret(QStringLiteral("Georgia"))
                                        ? QStringLiteral("Georgia 14")
                                        : QStringLiteral("Liberation Serif 14")));
    QTest::mouseClick(find<QToolButton>(QStringLiteral("mfontHent")), Qt::LeftButton);
    QCOMPARE(editorFonte(), overalt(QStringLiteral("Liberation Serif 14")));
    QCOMPARE(find<QComboBox>(QStringLiteral("FontName"))->currentText(),
             QStringLiteral("Liberation Serif"));
}

void TstIndstillinger::htmlKoderVisesIAabneVinduer() {
    start();
    aabnToSider();
    auto *check = find<QCheckBox>(QStringLiteral("HtmlKoderCheck"));
    for (bool til : {true, false, true}) {
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(mainform->visHtmlBar, til);
        for (Twinform *w : mainform->editorVinduer())
            QCOMPARE(w->HtmlBar->isHidden(), !til);
    }
    aabnDato(QDate(2024, 3, 7));
    QVERIFY(!mainform->editorVinduer().last()->HtmlBar->isHidden());
}

void TstIndstillinger::fontlistenHarKunInstalleredeFonte() {
    start();
    auto *fontName = find<QComboBox>(QStringLiteral("FontName"));
    QStringList liste;
    for (int i = 0; i < fontName->count(); ++i)
        liste << fontName->itemText(i);
    QStringList installerede = QFontDatabase::families();
    std::sort(installerede.begin(), installerede.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(liste, installerede);
    // Every menu font stays in the menu, installed or not.
    const QList<QAction *> menu = find<QMenu>(QStringLiteral("FontPU"))->actions();
    QCOMPARE(menu.size(), 8);
    for (QAction *a : menu)
        QCOMPARE(a->isEnabled(), installeret(a->text()));
    // The standard font is named even where it is a stand-in.
    QCOMPARE(fontName->currentText(), QStringLiteral("Courier New"));
    QCOMPARE(fontName->currentIndex() >= 0, installeret(QStringLiteral("Courier New")));
}

DAGBOG_GUI_TEST_MAIN(TstIndstillinger)
#include "tst_indstillinger.moc"
