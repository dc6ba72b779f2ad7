#include "app/kommandolinje.h"
#include "app/vinduer.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/enkeltinstans.h"
#include "platform/mapper.h"
#include "testhjaelp.h"

#include <QCalendarWidget>
#include <QDir>
#include <QProcess>
#include <QtTest>

class TstKommandolinje : public QObject {
    Q_OBJECT
private:
    // The program itself, for what only a real process shows: exit codes and a second start.
    static QProcess *program(const QStringList &argumenter, const QString &platform) {
        auto *p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(DAGBOG_PROGRAM), argumenter);
        return p;
    }

    static QString datoFejl(const QString &tekst) {
        return QStringLiteral("dagbog: Datoen \"%1\" findes ikke; skriv den som ÅÅÅÅ-MM-DD eller "
                              "i-dag.")
            .arg(tekst);
    }
    static Kommandolinje laes(const QStringList &argumenter) {
        return laesKommandolinje(QStringList{QStringLiteral("dagbog")} + argumenter,
                                 QDate(2026, 7, 1));
    }

private slots:
    void datoer_data();
    void datoer();
    void tilvalg_data();
    void tilvalg();
    void forkertDatoSlutterMed2FoerVindue();
    void navne_data();
    void navne();
    void datoGivesTilKoerendeProgram();
    void efterladtSoklenSpaerrerIkke();
};

void TstKommandolinje::datoer_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QDate>("forventet"); // invalid: refused
    QTest::newRow("skuddag") << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("i-dag") << "i-dag" << QDate(2026, 7, 1);
    QTest::newRow("I-DAG") << "I-DAG" << QDate(2026, 7, 1);
    QTest::newRow("29. februar uden skudår") << "2023-02-29" << QDate();
    QTest::newRow("år 0") << "0000-01-01" << QDate();
    QTest::newRow("uden nuller") << "2024-3-5" << QDate();
    QTest::newRow("dansk form") << "05-03-2024" << QDate();
    QTest::newRow("tom") << "" << QDate();
}

void TstKommandolinje::datoer() {
    QFETCH(QString, tekst);
    QFETCH(QDate, forventet);
    const Kommandolinje k = laes({QStringLiteral("--dato"), tekst});
    QCOMPARE(k.start, forventet.isValid());
    QCOMPARE(k.dato.value_or(QDate()), forventet);
    QCOMPARE(k.fejl, forventet.isValid() ? QString() : datoFejl(tekst));
    if (!forventet.isValid())
        QCOMPARE(k.slutkode, 2);
    else
        QCOMPARE(beskedTilKoerende(k), "dato " + forventet.toString(Qt::ISODate).toLatin1());
}

void TstKommandolinje::tilvalg_data() {
    QTest::addColumn<QStringList>("argumenter");
    QTest::addColumn<int>("slutkode"); // -1: the program starts
    QTest::addColumn<QString>("rod");
    QTest::addColumn<QString>("tekst"); // start of standard output, or the error line
    QTest::newRow("rod") << QStringList{"--rod", "/tmp/anden"} << -1 << "/tmp/anden"
                         << "";
    QTest::newRow("rod=") << QStringList{"--rod=/tmp/anden"} << -1 << "/tmp/anden"
                          << "";
    QTest::newRow("Qt's egne") << QStringList{"-platform", "offscreen", "-reverse"} << -1 << ""
                               << "";
    QTest::newRow("hjælp") << QStringList{"--help"} << 0 << ""
                           << "Brug: dagbog [tilvalg] [FIL]";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << ""
                        << "Brug: dagbog";
    QTest::newRow("udgave") << QStringList{"--version"} << 0 << ""
                            << "Dagbog " DAGBOG_UDGAVE "\n";
    QTest::newRow("ukendt") << QStringList{"--datum", "i-dag"} << 2 << ""
                            << "dagbog: Ukendt tilvalg \"datum\". Se dagbog --help.";
    QTest::newRow("uden værdi") << QStringList{"--dato"} << 2 << ""
                                << "dagbog: Et tilvalg mangler sin værdi. Se dagbog --help.";
    QTest::newRow("løst argument") << QStringList{"bog.pdf"} << 2 << ""
                                   << "dagbog: Ukendt argument \"bog.pdf\". Se dagbog --help.";
    QTest::newRow("udskriv uden fil") << QStringList{"--udskriv", "Dagbog 2024"} << 2 << ""
                                      << "dagbog: --udskriv skal have en struktur og én PDF-fil.";
}

void TstKommandolinje::tilvalg() {
    QFETCH(QStringList, argumenter);
    QFETCH(int, slutkode);
    QFETCH(QString, rod);
    QFETCH(QString, tekst);
    const Kommandolinje k = laes(argumenter);
    QCOMPARE(k.start, slutkode < 0);
    QCOMPARE(k.rod, rod);
    QVERIFY(!k.dato);
    if (slutkode < 0) return;
    QCOMPARE(k.slutkode, slutkode);
    QCOMPARE(k.fejl, slutkode ? tekst : QString());
    QVERIFY2(slutkode ? k.udskrift.isEmpty() : k.udskrift.startsWith(tekst),
             qPrintable(k.udskrift));
}

// A window system that does not exist: a program that got as far as a window would fail.
void TstKommandolinje::forkertDatoSlutterMed2FoerVindue() {
    QScopedPointer<QProcess> p(
        program({QStringLiteral("--dato"), QStringLiteral("2024-02-31")}, "findes-ikke"));
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 2);
    QCOMPARE(QString::fromUtf8(p->readAllStandardError().trimmed()), datoFejl("2024-02-31"));
    QVERIFY(p->readAllStandardOutput().isEmpty());
}

void TstKommandolinje::navne_data() {
    QTest::addColumn<QString>("bruger1");
    QTest::addColumn<QString>("bruger2");
    QTest::addColumn<QString>("rod2");
    QTest::addColumn<bool>("ens"); // the first under the temporary folder
    const QString tmp = QDir::tempPath();
    QTest::newRow("skråstreg til sidst") << "anne"
                                         << "anne" << tmp + "/" << true;
    QTest::newRow("omvej") << "anne"
                           << "anne" << tmp + "/x/.." << true;
    QTest::newRow("anden rod") << "anne"
                               << "anne" << tmp + "/b" << false;
    QTest::newRow("anden bruger") << "anne"
                                  << "bo" << tmp << false;
    QTest::newRow("særlige tegn") << "Søren Ø"
                                  << "S_ren__" << tmp << false;
}

void TstKommandolinje::navne() {
    QFETCH(QString, bruger1);
    QFETCH(QString, bruger2);
    QFETCH(QString, rod2);
    QFETCH(bool, ens);
    const QString a = TEnkeltInstans::navnFor(bruger1, QDir::tempPath());
    QCOMPARE(a == TEnkeltInstans::navnFor(bruger2, rod2), ens);
    // It becomes a file name in the temporary folder.
    QVERIFY2(QRegularExpression(QStringLiteral("^dagbog-[A-Za-z0-9_-]+$")).match(a).hasMatch(),
             qPrintable(a));
}

void TstKommandolinje::datoGivesTilKoerendeProgram() {
    TestRod rod;
    opretVinduer();
    mainform->FormActivate();
    TEnkeltInstans instans(TEnkeltInstans::navnFor(Mapper::brugernavn(), rod.rod()));
    QVERIFY(instans.start("vis"));
    connect(&instans, &TEnkeltInstans::besked, &udfoerBesked);
    mainform->showMinimized();

    // A second start under the same root hands its date over and ends.
    QScopedPointer<QProcess> p(program({QStringLiteral("--dato"), QStringLiteral("2024-03-05")},
                                       QStringLiteral("offscreen")));
    QTRY_COMPARE_WITH_TIMEOUT(p->state(), QProcess::NotRunning, 20000);
    QCOMPARE(p->exitCode(), 0);
    QTRY_VERIFY(mainform->aktivtVindue() != nullptr);
    QCOMPARE(mainform->aktivtVindue()->CapNavn, QStringLiteral("03 05 Tirsdag"));
    QCOMPARE(mainform->kalender->selectedDate(), QDate(2024, 3, 5));
    QVERIFY(!mainform->isMinimized());
    QCOMPARE(mainform->editorVinduer().size(), 3);
    QVERIFY(QFileInfo::exists(
        rod.sti(Mapper::brugernavn() + "/Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html")));

    // A diary under another root is not handed over: it would start its own program.
    TEnkeltInstans andet(TEnkeltInstans::navnFor(Mapper::brugernavn(), rod.sti("andet")));
    QVERIFY(!andet.send("vis"));
    nedlaegVinduer();
}

void TstKommandolinje::efterladtSoklenSpaerrerIkke() {
    TestRod rod;
    const QString navn = TEnkeltInstans::navnFor(Mapper::brugernavn(), rod.rod());
    const QString sokkel = QDir::tempPath() + u'/' + navn;
    // A program that ends without cleaning up leaves its socket behind.
    QScopedPointer<QProcess> p(program({}, QStringLiteral("offscreen")));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(sokkel), 20000);
    p->kill();
    QVERIFY(p->waitForFinished(10000));
    QVERIFY(QFileInfo::exists(sokkel));

    TEnkeltInstans instans(navn);
    QVERIFY(instans.start("vis"));
    QByteArray faaet;
    connect(&instans, &TEnkeltInstans::besked, this, [&](const QByteArray &b) { faaet = b; });
    TEnkeltInstans naeste(navn);
    QVERIFY(!naeste.start("dato 2024-03-05"));
    QTRY_COMPARE(faaet, QByteArray("dato 2024-03-05"));
}

DAGBOG_GUI_TEST_MAIN(TstKommandolinje)
#include "tst_kommandolinje.moc"
