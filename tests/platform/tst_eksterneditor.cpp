#include "platform/eksterneditor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstEksternEditor : public QObject {
    Q_OBJECT
    QTemporaryDir mappe;

    QString sti(const QString &navn) const { return mappe.filePath(navn); }
    void skriv(const QString &navn, const QByteArray &indhold, bool koerbar) {
        QDir().mkpath(QFileInfo(sti(navn)).path());
        QFile f(sti(navn));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(indhold);
        f.close();
        if (koerbar) f.setPermissions(f.permissions() | QFile::ExeOwner);
    }

private slots:
    void foersteDerFindesVinder_data();
    void foersteDerFindesVinder();
    void stiMedBlankeErEtArgument();
    void startfejl_data();
    void startfejl();
};

void TstEksternEditor::foersteDerFindesVinder_data() {
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QString>("valgt");
    QTest::newRow("begge: den første") << QStringList{"a/editor", "c/notesblok"} << "a/editor";
    QTest::newRow("kun den sidste") << QStringList{"c/notesblok"} << "c/notesblok";
    QTest::newRow("den midterste") << QStringList{"b/editor", "c/notesblok"} << "b/editor";
    QTest::newRow("ingen") << QStringList{} << "";
    QTest::newRow("en mappe tæller ikke") << QStringList{"a/editor/"} << "";
}

void TstEksternEditor::foersteDerFindesVinder() {
    QFETCH(QStringList, findes);
    QFETCH(QString, valgt);
    for (const QString &f : findes) {
        if (f.endsWith(u'/'))
            QDir().mkpath(sti(f));
        else
            skriv(f, "x", true);
    }
    const QStringList kandidater{sti("a/editor"), sti("b/editor"), sti("c/notesblok")};
    QCOMPARE(EksternEditor::find(kandidater), valgt.isEmpty() ? QString() : sti(valgt));
    for (const char *d : {"a", "b", "c"})
        QDir(sti(QLatin1StringView(d))).removeRecursively();
}

void TstEksternEditor::stiMedBlankeErEtArgument() {
    // The editor writes down how many arguments it got and the first one.
    skriv("editor",
          "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/args.tmp\"\n"
          "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args.txt\"\n",
          true);
    const QString side = sti("mappe med blanke/side 1; \"2\" $HOME.html");
    skriv("mappe med blanke/side 1; \"2\" $HOME.html", "<html></html>", false);
    QCOMPARE(EksternEditor::start(sti("editor"), side), 33);
    QTRY_VERIFY(QFile::exists(sti("args.txt")));
    QFile f(sti("args.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("1\n") + side + u'\n');
}

void TstEksternEditor::startfejl_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("kode");
    QTest::newRow("ingen sådan fil") << "findes-ikke" << 2;
    QTest::newRow("ingen sådan mappe") << "ingen-mappe/editor" << 3;
    QTest::newRow("ikke kørbar") << "tekst" << 5;
    QTest::newRow("ikke et program") << "skrald" << 11;
    QTest::newRow("tomt navn") << "" << 2;
}

void TstEksternEditor::startfejl() {
    QFETCH(QString, program);
    QFETCH(int, kode);
    skriv("tekst", "#!/bin/sh\n", false);
    skriv("skrald", QByteArray(64, '\x7f'), true);
    skriv("side.html", "<html></html>", false);
    QCOMPARE(EksternEditor::start(program.isEmpty() ? QString() : sti(program), sti("side.html")),
             kode);
}

QTEST_GUILESS_MAIN(TstEksternEditor)
#include "tst_eksterneditor.moc"
