#include "core/kalender.h"

#include <QtTest>

class TstKalender : public QObject {
    Q_OBJECT
private slots:
    void helligdageFuldtAar();
    void helligdageEnkelte_data();
    void helligdageEnkelte();
    void helligdageUdenforAar_data();
    void helligdageUdenforAar();
    void paaske_data();
    void paaske();
    void paaskeSomGregoriansk();
    void navne_data();
    void navne();
    void datoOgKlokken_data();
    void datoOgKlokken();
    void editInteger_data();
    void editInteger();
    void getString_data();
    void getString();
    void elementNavne_data();
    void elementNavne();
    void skridt_data();
    void skridt();
    void dagbogsAar_data();
    void dagbogsAar();
    void fremmedeDagnavne_data();
    void fremmedeDagnavne();
};

namespace {

// Meeus/Jones/Butcher, computed independently of the rule under test.
QDate gregorianskPaaske(int y) {
    const int a = y % 19;
    const int b = y / 100;
    const int c = y % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int maaned = (h + l - 7 * m + 114) / 31;
    const int dag = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, maaned, dag);
}

} // namespace

void TstKalender::helligdageFuldtAar() {
    const QStringList forventet{
        "01. Januar - Mandag ",    "28. Marts - Torsdag ",   "29. Marts - Fredag ",
        "31. Marts - Søndag ",     "1. April - Mandag ",     "26. April - Fredag ",
        "9. Maj - Torsdag ",       "19. Maj - Søndag ",      "20. Maj - Mandag ",
        "24. December - Tirsdag ", "25. December - Onsdag ", "26. December - Torsdag "};
    QCOMPARE(helligdage(2024), forventet);
}

void TstKalender::helligdageEnkelte_data() {
    QTest::addColumn<int>("aar");
    QTest::addColumn<int>("raekke");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("2025 skærtorsdag") << 2025 << 1 << "17. April - Torsdag ";
    QTest::newRow("2025 påskedag") << 2025 << 3 << "20. April - Søndag ";
    QTest::newRow("2025 pinsedag") << 2025 << 7 << "8. Juni - Søndag ";
    QTest::newRow("2018 skærtorsdag") << 2018 << 1 << "29. Marts - Torsdag ";
    QTest::newRow("2018 langfredag") << 2018 << 2 << "30. Marts - Fredag ";
    QTest::newRow("2018 påskedag") << 2018 << 3 << "1. April - Søndag ";
    QTest::newRow("2008 kristi himmelfart") << 2008 << 6 << "1. Maj - Torsdag ";
    QTest::newRow("2008 pinsedag") << 2008 << 7 << "11. Maj - Søndag ";
    QTest::newRow("2008 skærtorsdag") << 2008 << 1 << "20. Marts - Torsdag ";
    QTest::newRow("2038 anden pinsedag") << 2038 << 8 << "14. Juni - Mandag ";
    QTest::newRow("2023 nytårsdag") << 2023 << 0 << "01. Januar - Søndag ";
    QTest::newRow("2023 anden juledag") << 2023 << 11 << "26. December - Tirsdag ";
}

void TstKalender::helligdageEnkelte() {
    QFETCH(int, aar);
    QFETCH(int, raekke);
    QFETCH(QString, tekst);
    const QStringList tekster = helligdage(aar);
    QCOMPARE(tekster.size(), 12);
    QCOMPARE(tekster.at(raekke), tekst);
}

void TstKalender::helligdageUdenforAar_data() {
    QTest::addColumn<int>("aar");
    QTest::addColumn<bool>("gyldigt");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("-5") << -5 << false;
    QTest::newRow("10000") << 10000 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("9999") << 9999 << true;
}

void TstKalender::helligdageUdenforAar() {
    QFETCH(int, aar);
    QFETCH(bool, gyldigt);
    QCOMPARE(gyldigtHelligdagsAar(aar), gyldigt);
    QCOMPARE(helligdage(aar).size(), gyldigt ? 12 : 0);
}

void TstKalender::paaske_data() {
    QTest::addColumn<int>("aar");
    QTest::addColumn<int>("maaned");
    QTest::addColumn<int>("dag");
    QTest::newRow("2024") << 2024 << 3 << 31;
    QTest::newRow("2025") << 2025 << 4 << 20;
    QTest::newRow("2008") << 2008 << 3 << 23;
    QTest::newRow("undtagelse d=29") << 1981 << 4 << 19;
    QTest::newRow("undtagelse d=28") << 1954 << 4 << 18;
    QTest::newRow("2049 d=28 a=16") << 2049 << 4 << 18;
    QTest::newRow("2285 tidligst") << 2285 << 3 << 22;
    QTest::newRow("1943 senest") << 1943 << 4 << 25;
}

void TstKalender::paaske() {
    QFETCH(int, aar);
    QFETCH(int, maaned);
    QFETCH(int, dag);
    int m = 0;
    QCOMPARE(beregnPaaskeS(m, aar), dag);
    QCOMPARE(m, maaned);
}

void TstKalender::paaskeSomGregoriansk() {
    for (int aar = 1583; aar <= 9999; ++aar) {
        int m = 0;
        const int dag = beregnPaaskeS(m, aar);
        const QDate regel(aar, m, dag);
        if (regel != gregorianskPaaske(aar))
            QFAIL(qPrintable(QStringLiteral("%1: %2 mod %3")
                                 .arg(aar)
                                 .arg(regel.toString(Qt::ISODate),
                                      gregorianskPaaske(aar).toString(Qt::ISODate))));
    }
}

void TstKalender::navne_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("maaned");
    QTest::addColumn<QString>("dag");
    QTest::addColumn<QString>("maanedUden");
    QTest::addColumn<QString>("dagUden");
    QTest::newRow("0") << 0 << ""
                       << ""
                       << ""
                       << "";
    QTest::newRow("1") << 1 << " Januar"
                       << "Mandag "
                       << "Januar"
                       << "Mandag";
    QTest::newRow("6") << 6 << " Juni"
                       << "Lørdag "
                       << "Juni"
                       << "Lørdag";
    QTest::newRow("7") << 7 << " Juli"
                       << "Søndag "
                       << "Juli"
                       << "Søndag";
    QTest::newRow("8") << 8 << " August"
                       << ""
                       << "August"
                       << "";
    QTest::newRow("12") << 12 << " December"
                        << ""
                        << "December"
                        << "";
    QTest::newRow("13") << 13 << ""
                        << ""
                        << ""
                        << "";
    QTest::newRow("-1") << -1 << ""
                        << ""
                        << ""
                        << "";
}

void TstKalender::navne() {
    QFETCH(int, nummer);
    QFETCH(QString, maaned);
    QFETCH(QString, dag);
    QFETCH(QString, maanedUden);
    QFETCH(QString, dagUden);
    QCOMPARE(makeMonth(nummer), maaned);
    QCOMPARE(makeDay(nummer), dag);
    QCOMPARE(maanedNavn(nummer), maanedUden);
    QCOMPARE(ugedagNavn(nummer), dagUden);
}

void TstKalender::datoOgKlokken_data() {
    QTest::addColumn<QDate>("dato");
    QTest::addColumn<QTime>("tid");
    QTest::addColumn<QString>("datoTekst");
    QTest::addColumn<QString>("klokken");
    QTest::addColumn<QString>("tidspunkt");
    QTest::newRow("tirsdag") << QDate(2024, 3, 5) << QTime(9, 5, 3) << "Tirsdag 05. Marts 2024"
                             << "09:05:03"
                             << "tirsdag 5. marts 2024 kl. 09.05";
    QTest::newRow("søndag") << QDate(2024, 3, 31) << QTime(0, 0, 0) << "Søndag 31. Marts 2024"
                            << "00:00:00"
                            << "søndag 31. marts 2024 kl. 00.00";
    QTest::newRow("lørdag") << QDate(2022, 1, 1) << QTime(23, 59, 59) << "Lørdag 01. Januar 2022"
                            << "23:59:59"
                            << "lørdag 1. januar 2022 kl. 23.59";
    QTest::newRow("onsdag") << QDate(2025, 12, 10) << QTime(12, 30, 7) << "Onsdag 10. December 2025"
                            << "12:30:07"
                            << "onsdag 10. december 2025 kl. 12.30";
}

void TstKalender::datoOgKlokken() {
    QFETCH(QDate, dato);
    QFETCH(QTime, tid);
    QFETCH(QString, datoTekst);
    QFETCH(QString, klokken);
    QFETCH(QString, tidspunkt);
    QCOMPARE(getDato(dato), datoTekst);
    QCOMPARE(getKlokken(tid), klokken);
    QCOMPARE(langTidspunkt(QDateTime(dato, tid)), tidspunkt);
}

void TstKalender::editInteger_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("tal");
    QTest::addColumn<bool>("gyldigt");
    QTest::newRow("blandet") << "1a2" << 12 << true;
    QTest::newRow("negativ med nul") << "-07" << -7 << true;
    QTest::newRow("tom") << "" << 0 << true;
    QTest::newRow("bogstaver") << "abc" << 0 << true;
    QTest::newRow("kun minus") << "-" << 0 << true;
    QTest::newRow("minus ikke først") << "1-2" << 12 << true;
    QTest::newRow("år") << "2024" << 2024 << true;
    QTest::newRow("mange nuller") << "000000000000005" << 5 << true;
    QTest::newRow("største") << "2147483647" << 2147483647 << true;
    QTest::newRow("mindste") << "-2147483648" << int(-2147483647 - 1) << true;
    QTest::newRow("lige over") << "2147483648" << 0 << false;
    QTest::newRow("lige under") << "-2147483649" << 0 << false;
    QTest::newRow("alt for stort") << "99999999999" << 0 << false;
    QTest::newRow("ikke-ascii cifre") << "٣4" << 4 << true;
}

void TstKalender::editInteger() {
    QFETCH(QString, tekst);
    QFETCH(int, tal);
    QFETCH(bool, gyldigt);
    bool ok = !gyldigt;
    QCOMPARE(EditInteger(tekst, &ok), tal);
    QCOMPARE(ok, gyldigt);
    QCOMPARE(EditInteger(tekst), tal);
}

void TstKalender::getString_data() {
    QTest::addColumn<QString>("ind");
    QTest::addColumn<QString>("ud");
    QTest::newRow("tom") << ""
                         << "";
    QTest::newRow("et ciffer") << "5"
                               << "05";
    QTest::newRow("et tegn") << "x"
                             << "0x";
    QTest::newRow("to cifre") << "12"
                              << "12";
    QTest::newRow("tre cifre") << "123"
                               << "123";
}

void TstKalender::getString() {
    QFETCH(QString, ind);
    QFETCH(QString, ud);
    QCOMPARE(::getString(ind), ud);
}

void TstKalender::elementNavne_data() {
    QTest::addColumn<QDate>("dato");
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QString>("maaned");
    QTest::addColumn<QString>("dag");
    QTest::newRow("5. marts 2024") << QDate(2024, 3, 5) << "Dagbog 2024"
                                   << "03 Marts"
                                   << "03 05 Tirsdag";
    QTest::newRow("31. december 1999") << QDate(1999, 12, 31) << "Dagbog 1999"
                                       << "12 December"
                                       << "12 31 Fredag";
    QTest::newRow("1. januar 2023") << QDate(2023, 1, 1) << "Dagbog 2023"
                                    << "01 Januar"
                                    << "01 01 Søndag";
}

void TstKalender::elementNavne() {
    QFETCH(QDate, dato);
    QFETCH(QString, struktur);
    QFETCH(QString, maaned);
    QFETCH(QString, dag);
    QCOMPARE(strukturNavnFor(dato.year()), struktur);
    QCOMPARE(maanedElementNavn(dato), maaned);
    QCOMPARE(dagElementNavn(dato), dag);
    QCOMPARE(dagElementDato(dato.year(), dag), dato);
}

void TstKalender::skridt_data() {
    QTest::addColumn<QDate>("fra");
    QTest::addColumn<QString>("skridt");
    QTest::addColumn<QDate>("til");
    QTest::newRow("31/1 skudår") << QDate(2024, 1, 31) << "mNext" << QDate(2024, 2, 29);
    QTest::newRow("31/1 almindeligt") << QDate(2023, 1, 31) << "mNext" << QDate(2023, 2, 28);
    QTest::newRow("31/3 tilbage") << QDate(2023, 3, 31) << "mPrev" << QDate(2023, 2, 28);
    QTest::newRow("15/1 tilbage over nytår")
        << QDate(2024, 1, 15) << "mPrev" << QDate(2023, 12, 15);
    QTest::newRow("31/12 frem over nytår") << QDate(2023, 12, 31) << "mNext" << QDate(2024, 1, 31);
    QTest::newRow("29/2 næste år") << QDate(2024, 2, 29) << "yNext" << QDate(2025, 2, 28);
    QTest::newRow("29/2 forrige år") << QDate(2024, 2, 29) << "yPrev" << QDate(2023, 2, 28);
    QTest::newRow("5/3 næste år") << QDate(2024, 3, 5) << "yNext" << QDate(2025, 3, 5);
}

void TstKalender::skridt() {
    QFETCH(QDate, fra);
    QFETCH(QString, skridt);
    QFETCH(QDate, til);
    QDate resultat;
    if (skridt == "mNext")
        resultat = naesteMaaned(fra);
    else if (skridt == "mPrev")
        resultat = forrigeMaaned(fra);
    else if (skridt == "yNext")
        resultat = naesteAar(fra);
    else
        resultat = forrigeAar(fra);
    QCOMPARE(resultat, til);
}

void TstKalender::dagbogsAar_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("aar");
    QTest::newRow("dagbog") << "Dagbog 2024" << 2024;
    QTest::newRow("gendannet kopi") << "Dagbog 2024 (gendannet 2026-12-01)" << 0;
    QTest::newRow("informationsstruktur") << "Programmet" << 0;
    QTest::newRow("tre cifre") << "Dagbog 999" << 0;
    QTest::newRow("fem cifre") << "Dagbog 20245" << 0;
    QTest::newRow("små bogstaver") << "dagbog 2024" << 0;
    QTest::newRow("bogstav blandt cifrene") << "Dagbog 20a4" << 0;
    QTest::newRow("andre cifre end 0-9") << "Dagbog \u0662\u0660\u0662\u0664" << 0;
}

void TstKalender::dagbogsAar() {
    QFETCH(QString, navn);
    QFETCH(int, aar);
    QCOMPARE(::dagbogsAar(navn), aar);
}

// Names in a year's page folder that are no day of that year.
void TstKalender::fremmedeDagnavne_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("forkert ugedag") << "03 05 Onsdag";
    QTest::newRow("29/2 i et almindeligt år") << "02 29 Onsdag";
    QTest::newRow("måned") << "03 Marts";
    QTest::newRow("uden nuller") << "3 5 Tirsdag";
    QTest::newRow("tilføjet tekst") << "03 05 Tirsdag kopi";
}

void TstKalender::fremmedeDagnavne() {
    QFETCH(QString, navn);
    QVERIFY(!dagElementDato(2023, navn).isValid());
}

QTEST_GUILESS_MAIN(TstKalender)
#include "tst_kalender.moc"
