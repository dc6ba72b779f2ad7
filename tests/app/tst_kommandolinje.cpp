#include "app/kommandolinje.h"
#include "app/vinduer.h"
#include "core/kalender.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/enkeltinstans.h"
#include "platform/mapper.h"
#include "testhjaelp.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

class TstKommandolinje : public QObject {
    Q_OBJECT
private:
    // The program itself, for what only a real process shows: exit codes and a second start.
    static QProcess *program(const QStringList &argumenter, const QString &platform = "offscreen") {
        auto *p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(DAGBOG_PROGRAM), argumenter);
        return p;
    }
    static Kommandolinje laes(const QStringList &argumenter) {
        return laesKommandolinje(QStringList{"dagbog"} + argumenter, QDate(2026, 7, 1));
    }
    static QString datoFejl(const QString &tekst) {
        return QStringLiteral("dagbog: Datoen \"%1\" findes ikke; skriv den som ÅÅÅÅ-MM-DD eller "
                              "i-dag.")
            .arg(tekst);
    }
    static QString navn(const QString &rod) {
        return TEnkeltInstans::navnFor(Mapper::brugernavn(), rod);
    }

private slots:
    void datoer_data() {
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
    void datoer() {
        QFETCH(QString, tekst);
        QFETCH(QDate, forventet);
        const Kommandolinje k = laes({"--dato", tekst});
        QCOMPARE(k.start, forventet.isValid());
        QCOMPARE(k.dato.value_or(QDate()), forventet);
        QCOMPARE(k.fejl, forventet.isValid() ? QString() : datoFejl(tekst));
        if (!forventet.isValid())
            QCOMPARE(k.slutkode, 2);
        else
            QCOMPARE(beskedTilKoerende(k), "dato " + forventet.toString(Qt::ISODate).toLatin1());
    }

    void tilvalg_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("slutkode");  // -1: the program starts
        QTest::addColumn<QString>("tekst"); // the root, the start of standard output, or the error
        QTest::newRow("rod") << QStringList{"--rod", "/tmp/anden"} << -1 << "/tmp/anden";
        QTest::newRow("rod=") << QStringList{"--rod=/tmp/anden"} << -1 << "/tmp/anden";
        QTest::newRow("Qt's egne") << QStringList{"-platform", "offscreen", "-reverse"} << -1 << "";
        QTest::newRow("hjælp") << QStringList{"--help"} << 0 << "Brug: dagbog [tilvalg] [FIL]";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Brug: dagbog";
        QTest::newRow("udgave") << QStringList{"--version"} << 0 << "Dagbog " DAGBOG_UDGAVE "\n";
        QTest::newRow("ukendt") << QStringList{"--datum", "i-dag"} << 2
                                << "dagbog: Ukendt tilvalg \"datum\". Se dagbog --help.";
        QTest::newRow("uden værdi") << QStringList{"--dato"} << 2
                                    << "dagbog: Et tilvalg mangler sin værdi. Se dagbog --help.";
        QTest::newRow("løst argument") << QStringList{"bog.pdf"} << 2
                                       << "dagbog: Ukendt argument \"bog.pdf\". Se dagbog --help.";
        QTest::newRow("udskriv uden fil")
            << QStringList{"--udskriv", "Dagbog 2024"} << 2
            << "dagbog: --udskriv skal have en struktur og én PDF-fil.";
    }
    void tilvalg() {
        QFETCH(QStringList, argumenter);
        QFETCH(int, slutkode);
        QFETCH(QString, tekst);
        const Kommandolinje k = laes(argumenter);
        QCOMPARE(k.start, slutkode < 0);
        QCOMPARE(k.rod, slutkode < 0 ? tekst : QString());
        QVERIFY(!k.dato);
        if (slutkode < 0) return;
        QCOMPARE(k.slutkode, slutkode);
        QCOMPARE(k.fejl, slutkode ? tekst : QString());
        QVERIFY2(slutkode ? k.udskrift.isEmpty() : k.udskrift.startsWith(tekst),
                 qPrintable(k.udskrift));
    }

    // Under a window system that does not exist, a program that got as far as a window fails.
    void forkertDatoSlutterMed2FoerVindue() {
        QScopedPointer<QProcess> p(program({"--dato", "2024-02-31"}, "findes-ikke"));
        QVERIFY(p->waitForFinished(20000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 2);
        QCOMPARE(QString::fromUtf8(p->readAllStandardError().trimmed()), datoFejl("2024-02-31"));
        QVERIFY(p->readAllStandardOutput().isEmpty());
    }

    void navne_data() {
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
    void navne() {
        QFETCH(QString, bruger1);
        QFETCH(QString, bruger2);
        QFETCH(QString, rod2);
        QFETCH(bool, ens);
        const QString a = TEnkeltInstans::navnFor(bruger1, QDir::tempPath());
        QCOMPARE(a == TEnkeltInstans::navnFor(bruger2, rod2), ens);
        // A file in a folder only the user may enter.
        const QFileInfo sti(a);
        QVERIFY2(QRegularExpression("^dagbog-[A-Za-z0-9_-]+$").match(sti.fileName()).hasMatch(),
                 qPrintable(a));
        QVERIFY(sti.dir().path() != QDir::tempPath());
        QCOMPARE(QFile::permissions(sti.path()) & 0x0077, QFileDevice::Permissions());
    }

    // A second start under the same root hands its date over to the running program and ends.
    void datoGivesTilKoerendeProgram() {
        TestRod rod;
        opretVinduer();
        mainform->FormActivate();
        TEnkeltInstans instans(navn(rod.rod()));
        QVERIFY(instans.start("vis"));
        connect(&instans, &TEnkeltInstans::besked, &udfoerBesked);
        mainform->showMinimized();
        QScopedPointer<QProcess> p(program({"--dato", "2024-03-05"}));
        QTRY_COMPARE_WITH_TIMEOUT(p->state(), QProcess::NotRunning, 20000);
        QCOMPARE(p->exitCode(), 0);
        QTRY_VERIFY(mainform->aktivtVindue() != nullptr);
        QCOMPARE(mainform->aktivtVindue()->CapNavn, QStringLiteral("03 05 Tirsdag"));
        QCOMPARE(mainform->kalender->selectedDate(), QDate(2024, 3, 5));
        QVERIFY(!mainform->isMinimized());
        QCOMPARE(mainform->editorVinduer().size(), 3);
        QVERIFY(QFileInfo::exists(
            rod.sti(Mapper::brugernavn() + "/Struktur/Dagbog 2024/tekstfiler/03 05 Tirsdag.html")));
        // A diary under another root is not handed over.
        QVERIFY(!TEnkeltInstans(navn(rod.sti("andet"))).send("vis"));
        nedlaegVinduer();
    }

    // Only one short line is taken, and a silent connection is dropped.
    void forbindelser_data() {
        QTest::addColumn<QByteArray>("sendt");
        QTest::addColumn<QByteArray>("faaet");
        QTest::newRow("en linje") << QByteArray("vis\n") << QByteArray("vis");
        QTest::newRow("256 bytes") << QByteArray(256, 'x') + '\n' << QByteArray(256, 'x');
        QTest::newRow("for lang") << QByteArray(257, 'x') + '\n' << QByteArray();
        QTest::newRow("for lang uden linjeskift") << QByteArray(300, 'x') << QByteArray();
        QTest::newRow("tavs") << QByteArray() << QByteArray();
    }
    void forbindelser() {
        QFETCH(QByteArray, sendt);
        QFETCH(QByteArray, faaet);
        TestRod rod;
        TEnkeltInstans instans(navn(rod.rod()));
        QVERIFY(instans.lyt());
        QByteArrayList beskeder;
        connect(&instans, &TEnkeltInstans::besked, this,
                [&](const QByteArray &b) { beskeder << b; });
        QLocalSocket s;
        s.connectToServer(instans.navn());
        QVERIFY(s.waitForConnected(2000));
        s.write(sendt);
        QTRY_COMPARE_WITH_TIMEOUT(s.state(), QLocalSocket::UnconnectedState, 6000);
        QCOMPARE(beskeder, faaet.isEmpty() ? QByteArrayList() : QByteArrayList{faaet});
    }

    // A message that comes while a question is open waits for the answer.
    void beskedVenterPaaSpoergsmaal() {
        TestRod rod;
        opretVinduer();
        mainform->FormActivate();
        const QDate foer = mainform->kalender->selectedDate();
        QDialog spoergsmaal;
        spoergsmaal.setModal(true);
        spoergsmaal.show();
        udfoerBesked("dato 2024-03-05");
        QTest::qWait(500);
        QCOMPARE(mainform->kalender->selectedDate(), foer);
        spoergsmaal.accept();
        QTRY_COMPARE(mainform->kalender->selectedDate(), QDate(2024, 3, 5));
        nedlaegVinduer();
    }

    // A program killed without cleaning up leaves its socket behind; it does not block.
    void efterladtSoklenSpaerrerIkke() {
        TestRod rod;
        QScopedPointer<QProcess> p(program({}));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(navn(rod.rod())), 20000);
        p->kill();
        QVERIFY(p->waitForFinished(10000));
        QVERIFY(QFileInfo::exists(navn(rod.rod())));
        TEnkeltInstans instans(navn(rod.rod()));
        QVERIFY(instans.start("vis"));
        QByteArray faaet;
        connect(&instans, &TEnkeltInstans::besked, this, [&](const QByteArray &b) { faaet = b; });
        QVERIFY(!TEnkeltInstans(navn(rod.rod())).start("dato 2024-03-05"));
        QTRY_COMPARE(faaet, QByteArray("dato 2024-03-05"));
    }

    // A year of pages whose figures this test counts itself; the program, without a
    // window system, prints the same.
    void statistikTaellerEfterReglen() {
        TestRod rod;
        qputenv("XDG_CACHE_HOME", rod.sti(QStringLiteral("cache")).toUtf8());
        const QString mappe =
            rod.sti(Mapper::brugernavn() + QStringLiteral("/Struktur/Dagbog 2023/tekstfiler/"));
        const QStringList slags{"gl&aelig;de", "e-mail", "42", "<b>s</b>ol"};
        int skrevne = 0, stribe = 0, laengste = 0;
        qint64 ord = 0;
        for (QDate d(2023, 1, 1); d.year() == 2023; d = d.addDays(1)) {
            const int n =
                d.dayOfYear() % 13 == 0 || d.dayOfYear() % 29 == 0 ? 0 : d.dayOfYear() % 9 + 1;
            QStringList tekst;
            for (int i = 0; i < n; ++i)
                tekst << slags[(i + d.day()) % slags.size()];
            skrivBytes(mappe + dagElementNavn(d) + QStringLiteral(".html"),
                       QStringLiteral("<html><head><title>%1</title></head><body><div "
                                      "class=\"overskrift\">%1</div><p>%2</p></body></html>")
                           .arg(dagElementNavn(d), tekst.join(u' '))
                           .toLatin1());
            stribe = n ? stribe + 1 : 0;
            skrevne += n > 0;
            ord += n;
            laengste = std::max(laengste, stribe);
        }
        QScopedPointer<QProcess> p(program({"--statistik", "Dagbog 2023"}, "findes-ikke"));
        QVERIFY(p->waitForFinished(20000));
        QCOMPARE(p->exitCode(), 0);
        const QStringList linjer = QString::fromUtf8(p->readAllStandardOutput()).split(u'\n');
        QCOMPARE(linjer.value(0), QStringLiteral("Skrevne dage: %1").arg(skrevne));
        QCOMPARE(linjer.value(1), QStringLiteral("Ord: %1").arg(ord));
        QVERIFY2(
            linjer.value(2).startsWith(QStringLiteral("Længste stribe: %1 dage, ").arg(laengste)),
            qPrintable(linjer.value(2)));

        QScopedPointer<QProcess> q(program({"--statistik", "Dagbog 1999"}, "findes-ikke"));
        QVERIFY(q->waitForFinished(20000));
        QCOMPARE(q->exitCode(), 2);
        QCOMPARE(QString::fromUtf8(q->readAllStandardError()),
                 QStringLiteral("dagbog: Dagbogen \"Dagbog 1999\" findes ikke.\n"));
        QVERIFY(q->readAllStandardOutput().isEmpty());
    }
};

DAGBOG_GUI_TEST_MAIN(TstKommandolinje)
#include "tst_kommandolinje.moc"
