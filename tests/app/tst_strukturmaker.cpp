#include "app/vinduer.h"
#include "controls/struktur.h"
#include "forms/spm.h"
#include "forms/strukturmaker.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "testhjaelp.h"

#include "forms/info.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

QByteArray side(const QByteArray &titel) {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>" + titel +
           "</title>\r\n"
           "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">\r\n"
           "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">\r\n"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og "
           "funktioner/design.css\">\r\n"
           "<script type=\"text/javascript\" src=\"Design og "
           "funktioner/funktioner.js\"></script>\r\n"
           "</head>\r\n<body>\r\n<div class=\"spalteUb1\" style=\"width: 500px;\">\r\n"
           "<div class=\"overskrift\">" +
           titel + "</div>\r\n\r\n</div>\r\n</body>\r\n</html>\r\n";
}

} // namespace

class TstStrukturmaker : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    Tstrukturform *f() const { return strukturform; }
    QString mappe(const QString &navn) const { return f()->strukturDir + navn; }
    QStringList liste() const {
        QStringList navne;
        for (int i = 0; i < f()->strukturboks->count(); ++i)
            navne << f()->strukturboks->item(i)->text();
        return navne;
    }
    QString spurgt() const { return spmform->tekst->toPlainText(); }
    QStringList papirkurv() const { return QDir(rod->trash()).entryList(QDir::Files, QDir::Name); }
    void vaelgStruktur(const QString &navn) {
        f()->LoadStrukturBoks();
        const auto fundet = f()->strukturboks->findItems(navn, Qt::MatchExactly);
        QVERIFY(!fundet.isEmpty());
        f()->strukturboks->setCurrentItem(fundet.first());
    }
    // A structure written by hand: Rod with A (child A1) and B, a page for each.
    void laveStruktur(const QString &navn) {
        QDir(mappe(navn)).removeRecursively();
        QDir().mkpath(mappe(navn) + QStringLiteral("/tekstfiler"));
        skrivBytes(mappe(navn) + QStringLiteral("/struktur.txt"),
                   "Rod\r\n\tA\r\n\t\tA1\r\n\tB\r\n");
        skrivBytes(mappe(navn) + QStringLiteral("/data.txt"), "0Rod\r\n1A\r\n2A1\r\n3B\r\n");
        for (const char *s : {"Rod", "A", "A1", "B"})
            skrivBytes(mappe(navn) + QStringLiteral("/tekstfiler/%1.html").arg(QLatin1String(s)),
                       s);
        vaelgStruktur(navn);
        QTest::mouseClick(f()->redigerButton, Qt::LeftButton);
        QCOMPARE(f()->infostruktur->antal(), 4);
    }
    bool vaelgElement(const QString &tekst) {
        for (int i = 0; i < f()->infostruktur->antal(); ++i)
            if (f()->infostruktur->tekstVed(i) == tekst) {
                f()->infostruktur->vaelgVed(i);
                f()->beforeRediger();
                f()->insertAktiv = false;
                f()->opdaterHandlinger();
                return true;
            }
        return false;
    }
    void indtast(const QString &tekst) {
        f()->tekstEdit->setText(tekst);
        QTest::keyClick(f()->tekstEdit, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        strukturform->show();
    }
    void cleanupTestCase() {
        nedlaegVinduer();
        rod.reset();
    }
    void init() {
        Dialoger::Test::slaaTil(true); // also drops answers a row did not use
        spmform->tekst->clear();
        QDir(QFileInfo(rod->trash()).path()).removeRecursively();
        f()->EnsNavn->setChecked(true);
        f()->autoNavn->setChecked(true);
        f()->sorterCheck->setChecked(false);
        f()->gemCheck->setChecked(true);
    }

    void opretStruktur_data();
    void opretStruktur();
    void sletStruktur_data();
    void sletStruktur();
    void indsaet_data();
    void indsaet();
    void omdoeb_data();
    void omdoeb();
    void sletElement_data();
    void sletElement();
    void sorter_data();
    void sorter();
    void ikoner_data();
    void ikoner();
    void flyt_data();
    void flyt();
    void elementAfvisninger_data();
    void elementAfvisninger();
    void genindlaesViserInformation();
};

void TstStrukturmaker::opretStruktur_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked"); // empty: created and listed
    QTest::newRow("ny") << "Rejser"
                        << "";
    QTest::newRow("tomt navn") << ""
                               << "Der mangler et strukturnavn!";
    QTest::newRow("samme navn uden store bogstaver")
        << "programmet"
        << "Der eksisterer en struktur med samme navn.\nFind på et nyt navn.";
    QTest::newRow("uden for strukturmappen") << "../Ude"
                                             << "Et strukturnavn må ikke indeholde \\ eller /.";
    QTest::newRow("mappen over")
        << ".."
        << "Et strukturnavn kan ikke være \".\" eller \"..\": de navne står for mapper.";
    // Only A-Z fold: a small "ø" is another name than "Ø".
    QTest::newRow("ø ved siden af Ø") << "øvelser"
                                      << "";
}

void TstStrukturmaker::opretStruktur() {
    QFETCH(QString, navn);
    QFETCH(QString, besked);
    f()->strukturBog->setCurrentIndex(0);
    QDir().mkpath(mappe(QStringLiteral("Øvelser")));
    f()->LoadStrukturBoks();
    const QStringList foer = liste();
    f()->tekstEdit->setText(QStringLiteral("x"));
    f()->navnEdit->setText(navn);
    QTest::mouseClick(f()->opretKnap, Qt::LeftButton);
    QVERIFY(f()->tekstEdit->text().isEmpty());
    if (!besked.isEmpty()) {
        QCOMPARE(Dialoger::Test::vist(), QStringList{besked});
        QCOMPARE(liste(), foer);
        QVERIFY(!QFileInfo::exists(mappe(QStringLiteral("../Ude"))));
        return;
    }
    QVERIFY(Dialoger::Test::vist().isEmpty());
    const QString design = mappe(navn) + QStringLiteral("/tekstfiler/Design og funktioner/");
    for (const QString &fil : {QStringLiteral("design.css"), QStringLiteral("funktioner.js")}) {
        QVERIFY(QFileInfo::exists(design + fil));
        QCOMPARE(laesBytes(design + fil), laesBytes(mainform->programDir + fil));
    }
    QVERIFY(QFileInfo(mappe(navn) + QStringLiteral("/Billeder")).isDir());
    QVERIFY(!QFileInfo::exists(mappe(navn) + QStringLiteral("/struktur.txt")));
    QVERIFY(liste().contains(navn));
    QCOMPARE(f()->strukturBog->currentWidget(), f()->side2);
    QCOMPARE(f()->InfoLabel->text(), QStringLiteral("Strukturnavn: ") + navn);
    QCOMPARE(f()->strukturName, navn);
    QCOMPARE(f()->infostruktur->antal(), 0);
    // The information window's structure menu offers the new structure at once.
    QStringList menu;
    for (QAction *a : infoform->strukturPU->actions())
        menu << a->text();
    QVERIFY2(menu.contains(QString(navn).replace(u'&', QStringLiteral("&&"))),
             qPrintable(menu.join(u',')));
}

void TstStrukturmaker::sletStruktur_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("besked"); // info box, or empty
    QTest::addColumn<bool>("slettet");
    QTest::newRow("ASP ja") << "ASP" << 1 << "" << true;
    QTest::newRow("ASP nej") << "ASP" << 2 << "" << false;
    QTest::newRow("beskyttet uden store bogstaver")
        << "eksempler" << 1 << "Denne fil må ikke slettes!\nDen anvendes til komponenteksempler."
        << false;
    QTest::newRow("Programmet")
        << "Programmet" << 1 << "Denne fil må ikke slettes!\nDen anvendes til program information."
        << false;
}

void TstStrukturmaker::sletStruktur() {
    QFETCH(QString, navn);
    QFETCH(int, svar);
    QFETCH(QString, besked);
    QFETCH(bool, slettet);
    QDir().mkpath(mappe(navn) + QStringLiteral("/tekstfiler"));
    vaelgStruktur(navn);
    QSignalSpy menu(f(), &Tstrukturform::strukturerAendret);
    Dialoger::Test::koeSvar(svar);
    QTest::mouseClick(f()->Button4, Qt::LeftButton);
    QCOMPARE(menu.count(), 1);
    if (besked.isEmpty()) {
        QCOMPARE(spurgt(),
                 QStringLiteral("Skal strukturen ") + navn + QStringLiteral(" slettes totalt?"));
        Dialoger::Test::vist().clear();
    } else {
        QCOMPARE(spurgt(), QString());
        QCOMPARE(Dialoger::Test::vist(), QStringList{besked});
    }
    QCOMPARE(QFileInfo::exists(mappe(navn)), !slettet);
    QCOMPARE(liste().contains(navn), !slettet);
    if (slettet) QCOMPARE(f()->infostruktur->Strukturfile(), QString());
}

void TstStrukturmaker::indsaet_data() {
    QTest::addColumn<bool>("ens");
    QTest::addColumn<QStringList>("tekster");
    QTest::addColumn<QByteArray>("struktur");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("sider");
    QTest::addColumn<int>("afviste");
    // The mode starts as "first sibling": a new element goes before the first one.
    QTest::newRow("ens tekst") << true << QStringList{"Egenskaber", "Æbler & pærer"}
                               << QByteArray("Æbler & pærer\r\nEgenskaber\r\n")
                               << QByteArray("0Æbler & pærer\r\n0Egenskaber\r\n")
                               << QStringList{"Egenskaber", "Æbler & pærer"} << 0;
    QTest::newRow("auto navn springer over")
        << false << QStringList{"Alfa", "Beta"} << QByteArray("Beta\r\nAlfa\r\n")
        << QByteArray("0dokument2\r\n0dokument0\r\n") << QStringList{"dokument0", "dokument2"} << 0;
    QTest::newRow("findes allerede")
        << true << QStringList{"Alfa", "Alfa"} << QByteArray("Alfa\r\n") << QByteArray("0Alfa\r\n")
        << QStringList{"Alfa"} << 1;
}

void TstStrukturmaker::indsaet() {
    QFETCH(bool, ens);
    QFETCH(QStringList, tekster);
    QFETCH(QByteArray, struktur);
    QFETCH(QByteArray, data);
    QFETCH(QStringList, sider);
    QFETCH(int, afviste);
    const QString navn = QStringLiteral("Ind%1").arg(QTest::currentDataTag()).remove(u' ');
    f()->navnEdit->setText(navn);
    f()->opretStruktur();
    const QString sidemappe = mappe(navn) + QStringLiteral("/tekstfiler/");
    // A page the user made by hand is never overwritten.
    skrivBytes(sidemappe + QStringLiteral("dokument1.html"), "egen");
    f()->EnsNavn->setChecked(ens);
    for (const QString &t : tekster)
        indtast(t);
    QCOMPARE(Dialoger::Test::vist().size(), afviste);
    if (afviste)
        QCOMPARE(Dialoger::Test::vist().first(),
                 QStringLiteral("Filnavnet:\n") + sidemappe +
                     QStringLiteral("Alfa.html\neksisterer allerede!"));
    QCOMPARE(laesBytes(mappe(navn) + QStringLiteral("/struktur.txt")),
             QString::fromUtf8(struktur).toLatin1());
    QCOMPARE(laesBytes(mappe(navn) + QStringLiteral("/data.txt")),
             QString::fromUtf8(data).toLatin1());
    for (int i = 0; i < sider.size(); ++i)
        QCOMPARE(laesBytes(sidemappe + sider[i] + QStringLiteral(".html")),
                 side(tekster[i].toLatin1()));
    QCOMPARE(laesBytes(sidemappe + QStringLiteral("dokument1.html")), QByteArray("egen"));
    if (!afviste) QVERIFY(f()->tekstEdit->text().isEmpty());
}

void TstStrukturmaker::omdoeb_data() {
    QTest::addColumn<QString>("ny");
    QTest::addColumn<int>("svar");
    QTest::addColumn<bool>("spurgt");
    QTest::addColumn<QString>("side"); // the page's name afterwards
    QTest::newRow("ja") << "Beta" << 1 << true << "Beta";
    QTest::newRow("nej") << "Beta" << 2 << true << "A";
    QTest::newRow("kun store bogstaver") << "a" << 1 << false << "A";
}

void TstStrukturmaker::omdoeb() {
    QFETCH(QString, ny);
    QFETCH(int, svar);
    QFETCH(bool, spurgt);
    QFETCH(QString, side);
    laveStruktur(QStringLiteral("Omdoeb"));
    QVERIFY(vaelgElement(QStringLiteral("A")));
    QCOMPARE(f()->dataEdit->text(), QStringLiteral("A"));
    QCOMPARE(f()->ikonIndex, 1);
    f()->tekstEdit->setText(ny);
    Dialoger::Test::koeSvar(svar);
    f()->Arediger->trigger();
    QCOMPARE(this->spurgt().isEmpty(), !spurgt);
    const QString sidemappe = mappe(QStringLiteral("Omdoeb")) + QStringLiteral("/tekstfiler/");
    QCOMPARE(laesBytes(sidemappe + side + QStringLiteral(".html")), QByteArray("A"));
    QCOMPARE(QFileInfo::exists(sidemappe + QStringLiteral("A.html")), side == u"A");
    QCOMPARE(QFileInfo::exists(sidemappe + QStringLiteral("Beta.html")), side == u"Beta");
    const QByteArray data =
        laesBytes(mappe(QStringLiteral("Omdoeb")) + QStringLiteral("/data.txt"));
    QCOMPARE(data, svar == 1 ? "0Rod\r\n1" + ny.toLatin1() + "\r\n2A1\r\n3B\r\n"
                             : QByteArray("0Rod\r\n1A\r\n2A1\r\n3B\r\n"));
}

void TstStrukturmaker::sletElement_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("spm");
    QTest::addColumn<QStringList>("kurv");
    QTest::addColumn<int>("tilbage");
    QTest::newRow("med underelementer")
        << "A" << 1 << "Skal elementet A med underelementer slettes?"
        << QStringList{"A.html", "A1.html"} << 2;
    QTest::newRow("blad") << "B" << 1 << "Skal elementet B slettes?" << QStringList{"B.html"} << 3;
    QTest::newRow("første element") << "Rod" << 1 << "Skal hele strukturen slettes?"
                                    << QStringList{"A.html", "B.html", "Rod.html"} << 0;
    QTest::newRow("nej") << "B" << 2 << "Skal elementet B slettes?" << QStringList{} << 4;
}

void TstStrukturmaker::sletElement() {
    QFETCH(QString, element);
    QFETCH(int, svar);
    QFETCH(QString, spm);
    QFETCH(QStringList, kurv);
    QFETCH(int, tilbage);
    laveStruktur(QStringLiteral("Slet"));
    QVERIFY(vaelgElement(element));
    QVERIFY(f()->Aslet->isEnabled());
    Dialoger::Test::koeSvar(svar);
    f()->Aslet->trigger();
    QCOMPARE(spurgt(), spm);
    QCOMPARE(papirkurv(), kurv);
    QCOMPARE(f()->infostruktur->antal(), tilbage);
    // Deleting only marks the tree changed.
    QCOMPARE(f()->Agem->isEnabled(), svar == 1);
    QCOMPARE(laesBytes(mappe(QStringLiteral("Slet")) + QStringLiteral("/struktur.txt")),
             QByteArray("Rod\r\n\tA\r\n\t\tA1\r\n\tB\r\n"));
}

void TstStrukturmaker::sorter_data() {
    QTest::addColumn<int>("svar");
    QTest::addColumn<QByteArray>("struktur");
    QTest::newRow("ja")
        << 1 << QByteArray("Rod\r\n\tb\r\n\tC\r\n\t\tA\r\n\t\ta\r\n\tZ\r\n\tÆ\r\n\tØ\r\n\tAa\r\n");
    QTest::newRow("nej")
        << 2 << QByteArray("Rod\r\n\tØ\r\n\tC\r\n\t\ta\r\n\t\tA\r\n\tb\r\n\tAa\r\n\tÆ\r\n\tZ\r\n");
}

void TstStrukturmaker::sorter() {
    QFETCH(int, svar);
    QFETCH(QByteArray, struktur);
    const QString m = mappe(QStringLiteral("Sorter"));
    QDir().mkpath(m + QStringLiteral("/tekstfiler"));
    skrivBytes(
        m + QStringLiteral("/struktur.txt"),
        QString::fromUtf8("Rod\r\n\tØ\r\n\tC\r\n\t\ta\r\n\t\tA\r\n\tb\r\n\tAa\r\n\tÆ\r\n\tZ\r\n")
            .toLatin1());
    skrivBytes(m + QStringLiteral("/data.txt"), QByteArray("0x\r\n").repeated(9));
    vaelgStruktur(QStringLiteral("Sorter"));
    QTest::mouseClick(f()->redigerButton, Qt::LeftButton);
    Dialoger::Test::koeSvar(svar);
    QTest::mouseClick(f()->findChild<QAbstractButton *>(QStringLiteral("sorterKnap")),
                      Qt::LeftButton);
    QCOMPARE(spurgt(), QStringLiteral("Skal elementerne i strukturen sorteres alfabetisk?"));
    QCOMPARE(f()->Agem->isEnabled(), svar == 1);
    if (f()->Agem->isEnabled()) f()->Agem->trigger();
    QCOMPARE(laesBytes(m + QStringLiteral("/struktur.txt")),
             QString::fromUtf8(struktur).toLatin1());
}

void TstStrukturmaker::ikoner_data() {
    QTest::addColumn<QString>("struktur");
    QTest::addColumn<QStringList>("knapper");
    QTest::addColumn<int>("klik");          // button position clicked
    QTest::addColumn<int>("ikon");          // icon kind chosen by the click
    QTest::addColumn<QString>("titel");     // caption after the click
    QTest::addColumn<QString>("overtaget"); // caption after taking over icon kind 3
    QTest::newRow("VBS") << "vbs" << QStringList{"Objekt",   "Egenskab", "Metode", "Andet", "Enum",
                                                 "Konstant", "Keys",     "Key",    "Tekst", "Andet"}
                         << 1 << 1 << "Element ikon: Egenskab"
                         << "Element ikon: Andet";
    QTest::newRow("andre") << "Ikoner"
                           << QStringList{"Objekt",   "Information", "Grøn bog",     "Rød bog",
                                          "Egenskab", "Eksempel",    "Rød bog åben", "Kategori",
                                          "Metode",   "Andet"}
                           << 1 << 3 << "Element ikon: Information"
                           << "Element ikon: Iformation";
}

void TstStrukturmaker::ikoner() {
    QFETCH(QString, struktur);
    QFETCH(QStringList, knapper);
    QFETCH(int, klik);
    QFETCH(int, ikon);
    QFETCH(QString, titel);
    QFETCH(QString, overtaget);
    laveStruktur(struktur);
    QStringList vist;
    for (int p = 0; p < 10; ++p)
        vist << f()->ikonKnapper->button(p)->text();
    QCOMPARE(vist, knapper);
    QTest::mouseClick(f()->ikonKnapper->button(klik), Qt::LeftButton);
    QCOMPARE(f()->ikonIndex, ikon);
    QCOMPARE(f()->ikonboks->title(), titel);
    QVERIFY(vaelgElement(QStringLiteral("B"))); // icon kind 3
    QCOMPARE(f()->ikonboks->title(), overtaget);
    QVERIFY(f()->ikonKnapper->button(Strukturmaker::knapFor(f()->ikonlisteNummer, 3))->isChecked());
}

void TstStrukturmaker::flyt_data() {
    QTest::addColumn<QString>("fra");
    QTest::addColumn<QString>("til");
    QTest::addColumn<int>("metode"); // item of the radio group
    QTest::addColumn<QByteArray>("struktur");
    QTest::newRow("sidste på linie") << "A1"
                                     << "B" << 0 << QByteArray("Rod\r\n\tA\r\n\tB\r\n\tA1\r\n");
    QTest::newRow("før") << "B"
                         << "A" << 2 << QByteArray("Rod\r\n\tB\r\n\tA\r\n\t\tA1\r\n");
    QTest::newRow("sidste underpunkt")
        << "B"
        << "A" << 3 << QByteArray("Rod\r\n\tA\r\n\t\tA1\r\n\t\tB\r\n");
    QTest::newRow("første element flyttes ikke") << "Rod"
                                                 << "B" << 3 << QByteArray();
}

void TstStrukturmaker::flyt() {
    QFETCH(QString, fra);
    QFETCH(QString, til);
    QFETCH(int, metode);
    QFETCH(QByteArray, struktur);
    laveStruktur(QStringLiteral("Flyt"));
    // On its indicator: a radio button only takes clicks on its indicator and label.
    QAbstractButton *knap = f()->flytKnapper->button(metode);
    QTest::mouseClick(knap, Qt::LeftButton, {}, QPoint(8, knap->height() / 2));
    TStruktur *t = f()->infostruktur;
    t->expandAll();
    auto midte = [t](const QString &tekst) {
        return t->visualItemRect(t->findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive).first())
            .center();
    };
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, midte(fra));
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, midte(til));
    QCOMPARE(f()->Agem->isEnabled(), !struktur.isEmpty());
    if (struktur.isEmpty()) return;
    f()->Agem->trigger();
    QCOMPARE(laesBytes(mappe(QStringLiteral("Flyt")) + QStringLiteral("/struktur.txt")), struktur);
}

void TstStrukturmaker::elementAfvisninger_data() {
    QTest::addColumn<bool>("ens");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("filnavn"); // typed when "Ens tekst" is off
    QTest::addColumn<bool>("rediger");    // else Enter in the text field
    QTest::addColumn<QString>("besked");
    const QString skilletegn = QStringLiteral("Et filnavn må ikke indeholde \\ eller /.");
    QTest::newRow("tom tekst med ens tekst") << true << ""
                                             << "" << false << "Der mangler et filnavn!";
    QTest::newRow("filnavn med skilletegn") << false << "Alfa"
                                            << "a/b" << false << skilletegn;
    QTest::newRow("filnavnet ..")
        << false << "Alfa"
        << ".." << false
        << "Et filnavn kan ikke være \".\" eller \"..\": de navne står for mapper.";
    QTest::newRow("omdøb til skilletegn") << false << "A"
                                          << "a\\b" << true << skilletegn;
}

void TstStrukturmaker::elementAfvisninger() {
    QFETCH(bool, ens);
    QFETCH(QString, tekst);
    QFETCH(QString, filnavn);
    QFETCH(bool, rediger);
    QFETCH(QString, besked);
    laveStruktur(QStringLiteral("Afvis"));
    const QString sidemappe = mappe(QStringLiteral("Afvis")) + QStringLiteral("/tekstfiler/");
    const QStringList sider = QDir(sidemappe).entryList(QDir::Files);
    f()->EnsNavn->setChecked(ens);
    f()->autoNavn->setChecked(false);
    if (rediger) QVERIFY(vaelgElement(QStringLiteral("A")));
    f()->tekstEdit->setText(tekst);
    f()->dataEdit->setText(filnavn);
    if (!rediger) f()->insertAktiv = true;
    Dialoger::Test::vist().clear();
    if (rediger)
        f()->Arediger->trigger();
    else if (ens)
        QTest::keyClick(f()->tekstEdit, Qt::Key_Return);
    else
        QTest::keyClick(f()->dataEdit, Qt::Key_Return);
    QCOMPARE(Dialoger::Test::vist(), QStringList{besked});
    QCOMPARE(f()->infostruktur->antal(), 4);
    QCOMPARE(QDir(sidemappe).entryList(QDir::Files), sider);
    // Nothing made up is left in the file name field.
    QCOMPARE(f()->dataEdit->text(), filnavn);
}

void TstStrukturmaker::genindlaesViserInformation() {
    laveStruktur(QStringLiteral("Genindlaes"));
    infoform->hide();
    f()->Areload->trigger();
    QVERIFY(infoform->isVisible());
    QCOMPARE(infoform->strukturnavn, QStringLiteral("Genindlaes"));
    QCOMPARE(infoform->Struktur->antal(), 4);
}

DAGBOG_GUI_TEST_MAIN(TstStrukturmaker)
#include "tst_strukturmaker.moc"
