#include "app/vinduer.h"
#include "controls/struktur.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "testhjaelp.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <QtTest>

class TstKalenderpanel : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QDate dato() const { return mainform->kalender->selectedDate(); }
    void klik(const QString &navn) {
        QTest::mouseClick(mainform->findChild<QToolButton *>(navn), Qt::LeftButton);
    }
    void skriv(const QString &dag, const QString &maaned, const QString &aar) {
        mainform->dayEdit->setText(dag);
        mainform->monthEdit->setText(maaned);
        mainform->yearEdit->setText(aar);
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
    }
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void init() { Dialoger::Test::vist().clear(); }

    void navneFoelgerKalenderen();
    void opdaterAktiveresVedIndtastning();
    void trin_data();
    void trin();
    void indtastedeTal_data();
    void indtastedeTal();
    void dagDerIkkeFindesGiverFejl();
    void titlenFoelgerKalenderensAar();
    void helligdageOgAarknapper();
    void fedeDageErDagsiderne();
    void ugedageneSkaeresIkkeAf();
};

void TstKalenderpanel::navneFoelgerKalenderen() {
    mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
    QCOMPARE(mainform->yEdit->text(), QStringLiteral("Dagbog 2024"));
    QCOMPARE(mainform->mEdit->text(), QStringLiteral("03 Marts"));
    QCOMPARE(mainform->dEdit->text(), QStringLiteral("03 05 Tirsdag"));
    QCOMPARE(mainform->dayEdit->text(), QStringLiteral("5"));
    QCOMPARE(mainform->monthEdit->text(), QStringLiteral("3"));
    QCOMPARE(mainform->dData, QStringLiteral("03 05 Tirsdag"));
}

void TstKalenderpanel::opdaterAktiveresVedIndtastning() {
    mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
    QVERIFY(!mainform->Aopdater->isEnabled());
    QTest::keyClicks(mainform->dayEdit, QStringLiteral("7"));
    QVERIFY(mainform->Aopdater->isEnabled());
    klik(QStringLiteral("mNext"));
    QVERIFY(!mainform->Aopdater->isEnabled());
}

void TstKalenderpanel::trin_data() {
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QString>("knap");
    QTest::addColumn<QDate>("til");
    QTest::newRow("31 jan skudår") << QDate(2024, 1, 31) << "mNext" << QDate(2024, 2, 29);
    QTest::newRow("31 jan") << QDate(2023, 1, 31) << "mNext" << QDate(2023, 2, 28);
    QTest::newRow("31 mar tilbage") << QDate(2023, 3, 31) << "mPrev" << QDate(2023, 2, 28);
    QTest::newRow("29 feb næste år") << QDate(2024, 2, 29) << "yNext" << QDate(2025, 2, 28);
    QTest::newRow("29 feb forrige år") << QDate(2024, 2, 29) << "yPrev" << QDate(2023, 2, 28);
    QTest::newRow("i dag") << QDate(2001, 5, 5) << "datoLabel" << QDate::currentDate();
}

void TstKalenderpanel::trin() {
    QFETCH(QDate, fra);
    QFETCH(QString, knap);
    QFETCH(QDate, til);
    mainform->kalender->setSelectedDate(fra);
    klik(knap);
    QCOMPARE(dato(), til);
    QCOMPARE(mainform->yearEdit->text(), QString::number(til.year()));
}

void TstKalenderpanel::indtastedeTal_data() {
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QStringList>("felter");
    QTest::addColumn<QDate>("til");
    QTest::addColumn<bool>("opdaterAktiv");
    QTest::newRow("dag først") << QDate(2023, 1, 31) << QStringList{"5", "3", "2024"}
                               << QDate(2024, 3, 5) << false;
    QTest::newRow("dag afvist mod februar")
        << QDate(2023, 2, 15) << QStringList{"31", "3", "2023"} << QDate(2023, 3, 15) << false;
    QTest::newRow("dag 0 ignoreres")
        << QDate(2023, 2, 15) << QStringList{"0", "4", "2023"} << QDate(2023, 4, 15) << false;
    QTest::newRow("måned 13 ignoreres")
        << QDate(2023, 2, 15) << QStringList{"16", "13", "2023"} << QDate(2023, 2, 16) << false;
    QTest::newRow("intet accepteres")
        << QDate(2023, 2, 15) << QStringList{"0", "13", "0"} << QDate(2023, 2, 15) << true;
    QTest::newRow("foranstillede nuller")
        << QDate(2023, 2, 15) << QStringList{"07", "03", "2023"} << QDate(2023, 3, 7) << false;
}

void TstKalenderpanel::indtastedeTal() {
    QFETCH(QDate, fra);
    QFETCH(QStringList, felter);
    QFETCH(QDate, til);
    QFETCH(bool, opdaterAktiv);
    mainform->kalender->setSelectedDate(fra);
    skriv(felter[0], felter[1], felter[2]);
    QVERIFY(mainform->Aopdater->isEnabled());
    mainform->Aopdater->trigger();
    QCOMPARE(dato(), til);
    QCOMPARE(mainform->Aopdater->isEnabled(), opdaterAktiv);
    QVERIFY(Dialoger::Test::vist().isEmpty());
}

void TstKalenderpanel::dagDerIkkeFindesGiverFejl() {
    mainform->kalender->setSelectedDate(QDate(2023, 1, 31));
    skriv(QStringLiteral("31"), QStringLiteral("2"), QStringLiteral("2024"));
    mainform->Aopdater->trigger();
    QCOMPARE(dato(), QDate(2023, 1, 31));
    QCOMPARE(Dialoger::Test::vist().size(), 1);
    QCOMPARE(Dialoger::Test::vist().first(), QStringLiteral("Datoen 31.2.2023 findes ikke."));
}

void TstKalenderpanel::titlenFoelgerKalenderensAar() {
    mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
    QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                      Qt::LeftButton);
    QCOMPARE(mainform->Struktur->tekstVed(0), QStringLiteral("Dagbog 2024"));
    klik(QStringLiteral("yNext"));
    QCOMPARE(mainform->windowTitle(),
             mainform->brugernavn + QStringLiteral(" Dagbog: Dagbog 2025"));
    QCOMPARE(mainform->Struktur->tekstVed(0), QStringLiteral("Dagbog 2024"));
}

void TstKalenderpanel::helligdageOgAarknapper() {
    auto *aar = mainform->findChild<QLineEdit *>(QStringLiteral("aarEdit"));
    aar->setText(QStringLiteral("2024"));
    klik(QStringLiteral("hdButton"));
    QCOMPARE(mainform->findChild<QLabel *>(QStringLiteral("hdLabel1"))->text(),
             QStringLiteral("28. Marts - Torsdag "));
    QCOMPARE(mainform->findChild<QLabel *>(QStringLiteral("hdLabel11"))->text(),
             QStringLiteral("26. December - Torsdag "));
    QVERIFY(!mainform->yearNuButton->isEnabled());
    klik(QStringLiteral("yearFremButton10"));
    klik(QStringLiteral("yearTilbageButton"));
    QCOMPARE(aar->text(), QStringLiteral("2033"));
    QVERIFY(mainform->yearNuButton->isEnabled());
    QCOMPARE(mainform->findChild<QLabel *>(QStringLiteral("hdLabel1"))->text(),
             QStringLiteral("28. Marts - Torsdag "));
    aar->setText(QStringLiteral("0"));
    klik(QStringLiteral("hdButton"));
    QCOMPARE(Dialoger::Test::vist(),
             QStringList{QStringLiteral("Helligdage kan kun beregnes for årene 1 til 9999.")});
    QCOMPARE(mainform->findChild<QLabel *>(QStringLiteral("hdLabel1"))->text(),
             QStringLiteral("28. Marts - Torsdag "));
    klik(QStringLiteral("yearNuButton"));
    QCOMPARE(aar->text(), QString::number(QDate::currentDate().year()));
    QVERIFY(!mainform->yearNuButton->isEnabled());

    // At the main window's narrowest the whole year row shows, none of it folded away.
    mainform->show();
    mainform->resize(mainform->minimumSize());
    mainform->Bog->setCurrentIndex(4);
    QVERIFY(QTest::qWaitForWindowExposed(mainform));
    auto *raekke = mainform->findChild<QWidget *>(QStringLiteral("ToolBar12"));
    for (const char *navn :
         {"infoUr", "hdButton", "yearNuButton", "yearTilbageButton10", "yearTilbageButton",
          "aarEdit", "yearFremButton", "yearFremButton10"}) {
        QWidget *w = raekke->findChild<QWidget *>(QLatin1StringView(navn));
        QTRY_VERIFY2(w->isVisible(), navn);
        QVERIFY2(raekke->rect().contains(w->geometry()), navn);
    }
    QVERIFY(aar->width() > aar->fontMetrics().horizontalAdvance(aar->text()));
}

void TstKalenderpanel::fedeDageErDagsiderne() {
    for (const QDate &d : {QDate(2022, 6, 3), QDate(2022, 6, 17)}) {
        mainform->kalender->setSelectedDate(d);
        QTest::mouseClick(mainform->findChild<QPushButton *>(QStringLiteral("ButtonOpret")),
                          Qt::LeftButton);
    }
    mainform->kalender->setSelectedDate(QDate(2022, 6, 10));
    QList<int> fede;
    for (int dag = 1; dag <= 30; ++dag)
        if (mainform->kalender->dateTextFormat(QDate(2022, 6, dag)).fontWeight() == QFont::Bold)
            fede << dag;
    QCOMPARE(fede, (QList<int>{3, 17}));
}

void TstKalenderpanel::ugedageneSkaeresIkkeAf() {
    mainform->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainform));
    auto *v = mainform->kalender->findChild<QTableView *>();
    QVERIFY(v);
    const QAbstractItemModel *m = v->model();
    QStringList afskaaret;
    for (int k = 0; k < m->columnCount(); ++k) {
        const QString tekst = m->data(m->index(0, k)).toString();
        const QFont f = m->data(m->index(0, k), Qt::FontRole).value<QFont>();
        // The cell's text margin, as the item delegate leaves it on each side.
        const int margen = v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1;
        if (QFontMetrics(f).horizontalAdvance(tekst) + 2 * margen > v->columnWidth(k))
            afskaaret << tekst;
    }
    QCOMPARE(afskaaret, QStringList());
}

DAGBOG_GUI_TEST_MAIN(TstKalenderpanel)
#include "tst_kalenderpanel.moc"
