// Saves killed at random moments: every file left is whole, either as it was
// before the save or as the save meant it. DAGBOG_DRAEB_ANTAL sets the number
// of kills (50 by default).
#include "gemmeindhold.h"
#include "testhjaelp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <limits>

static int antalDrab() {
    const int antal = qEnvironmentVariableIntValue("DAGBOG_DRAEB_ANTAL");
    return antal > 0 ? antal : 50;
}

class TestGemmeDraeb : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void draebtUnderGemning();
    void fuldDisk_data();
    void fuldDisk();

private:
    // The files of version v as the save functions write them.
    QByteArray forventet(int v, const QString &fil) const { return m_ref[v].value(fil); }
    // A fresh target folder holding version 0.
    QString nytMaal(const QString &navn) {
        const QString maal = m_dir.filePath(navn);
        QDir(maal).removeRecursively();
        QDir().mkpath(maal);
        for (const QString &fil : Gemmeindhold::filer())
            skrivBytes(maal + u'/' + fil, forventet(0, fil));
        return maal;
    }
    QStringList fremmedeFiler(const QString &maal) const {
        QStringList ud;
        for (const QString &f : QDir(maal).entryList(QDir::Files | QDir::Hidden))
            if (!Gemmeindhold::filer().contains(f)) ud << f;
        return ud;
    }

    QTemporaryDir m_dir;
    QString m_kilde;
    QHash<QString, QByteArray> m_ref[2];
    qint64 m_gemmetidMs = 1;
};

void TestGemmeDraeb::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_kilde = m_dir.filePath(QStringLiteral("kilde"));
    for (int v = 0; v < 2; ++v) {
        const QString kilde = m_kilde + QStringLiteral("/v%1").arg(v);
        const QString ref = m_dir.filePath(QStringLiteral("ref%1").arg(v));
        QVERIFY(QDir().mkpath(kilde) && QDir().mkpath(ref));
        Gemmeindhold::skrivKilde(kilde, v);
        TRichEdit editor;
        editor.setText(Gemmeindhold::sideTekst(v));
        TStruktur trae;
        Gemmeindhold::hentTrae(trae, kilde, ref);
        QElapsedTimer ur;
        ur.start();
        editor.SaveToFile(ref + QStringLiteral("/side.htm"));
        QVERIFY(trae.GemStruktur());
        m_gemmetidMs = std::max(m_gemmetidMs, ur.elapsed());
        for (const QString &fil : Gemmeindhold::filer())
            m_ref[v].insert(fil, laesBytes(ref + u'/' + fil));
    }
    for (const QString &fil : Gemmeindhold::filer())
        QVERIFY2(m_ref[0][fil] != m_ref[1][fil] && !m_ref[0][fil].isEmpty(), qPrintable(fil));
}

void TestGemmeDraeb::draebtUnderGemning() {
    const int antal = antalDrab();
    int blandet = 0, rester = 0;
    for (int i = 0; i < antal; ++i) {
        const QString maal = nytMaal(QStringLiteral("draeb"));
        QProcess barn;
        barn.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        barn.start(QStringLiteral(DAGBOG_GEMMEBARN), {QStringLiteral("loop"), m_kilde, maal});
        QVERIFY2(barn.waitForReadyRead(60000), "the child never got ready");
        QCOMPARE(barn.readLine().trimmed(), QByteArray("klar"));
        // Up to two rounds of saving, so kills land before, inside and between the writes.
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(m_gemmetidMs * 4000 + 1)));
        barn.kill();
        QVERIFY(barn.waitForFinished(30000));
        QCOMPARE(barn.exitStatus(), QProcess::CrashExit);
        for (const QString &fil : Gemmeindhold::filer()) {
            const QByteArray ind = laesBytes(maal + u'/' + fil);
            if (ind != forventet(0, fil) && ind != forventet(1, fil)) ++blandet;
        }
        // An unfinished temporary file may be left beside the real one.
        rester += fremmedeFiler(maal).size();
    }
    qInfo("kills %d, mixed files %d, temporary files left %d", antal, blandet, rester);
    QCOMPARE(blandet, 0);
}

void TestGemmeDraeb::fuldDisk_data() {
    QTest::addColumn<qint64>("graense");
    QTest::addColumn<QString>("fejlfil"); // the first tree file that does not fit
    qint64 mindst = std::numeric_limits<qint64>::max();
    for (const QString &fil : Gemmeindhold::filer())
        mindst = std::min(mindst, qint64(forventet(1, fil).size()));
    const QString data = QStringLiteral("data.txt");
    QTest::newRow("intet plads") << qint64(0) << data;
    QTest::newRow("halv fil") << mindst / 2 << data;
    // The data file must not be replaced alone, or its lines belong to another tree.
    QTest::newRow("kun data passer")
        << qint64(forventet(1, data).size()) << QStringLiteral("struktur.txt");
}

void TestGemmeDraeb::fuldDisk() {
    QFETCH(qint64, graense);
    QFETCH(QString, fejlfil);
    const QString maal = nytMaal(QStringLiteral("fuld"));
    QProcess barn;
    barn.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    barn.start(QStringLiteral(DAGBOG_GEMMEBARN),
               {QStringLiteral("fuld"), m_kilde, maal, QString::number(graense)});
    QVERIFY(barn.waitForFinished(60000));
    QCOMPARE(barn.exitCode(), 0);
    const QStringList ud = QString::fromUtf8(barn.readAllStandardOutput()).split(u'\n');
    for (const QString &fil : Gemmeindhold::filer())
        QVERIFY2(laesBytes(maal + u'/' + fil) == forventet(0, fil), qPrintable(fil));
    QCOMPARE(fremmedeFiler(maal), QStringList());
    // Neither save reports success, each shows one box naming its file.
    QCOMPARE(ud.value(0), QStringLiteral("0 0"));
    QCOMPARE(ud.value(1), QStringLiteral("Filen \"%1/side.htm\" kan ikke gemmes.").arg(maal));
    QCOMPARE(ud.value(2), QStringLiteral("Filen \"%1/%2\" kan ikke gemmes.").arg(maal, fejlfil));
}

int main(int argc, char **argv) {
    // A long run of kills outlasts the test framework's five minutes per function.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300000, antalDrab() * 3000)));
    QApplication app(argc, argv);
    TestGemmeDraeb test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gemmedraeb.moc"
