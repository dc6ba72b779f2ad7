#include "app/vinduer.h"
#include "forms/dagbog.h"
#include "forms/info.h"
#include "forms/kontrol.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/mainform.h"
#include "platform/mapper.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QtTest>

// Runs on two small screens: 1400 x 1000 with 1000 x 800 to its right.
class TstSkaermplads : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    QString egenskaber() const {
        return rod->rod() + u'/' + Mapper::brugernavn() + QStringLiteral("/Egenskaber/");
    }
    static void start() {
        opretVinduer();
        mainform->brugerlevel = 1; // no welcome, which would show the information window
    }
    static void stop() {
        if (dagbogform->isVisible()) dagbogform->close();
        mainform->close();
        nedlaegVinduer();
    }
    // The window of that name, shown; none if it is missing or never appears.
    static QWidget *vis(const QString &navn) {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == navn) {
                w->show();
                return QTest::qWaitForWindowExposed(w) ? w : nullptr;
            }
        return nullptr;
    }

private slots:
    void init() { rod.reset(new TestRod); }
    void cleanup() {
        if (mainform) nedlaegVinduer();
        rod.reset();
    }
    void vinduetPasserSkaermen_data();
    void vinduetPasserSkaermen();
    void pladsenHoldesFemGange_data();
    void pladsenHoldesFemGange();
};

void TstSkaermplads::vinduetPasserSkaermen_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<int>("skaerm");
    // No file: the window's defaults.
    const auto rad = [](const char *raekke, const char *navn, const char *fil = "",
                        const char *indhold = "", int skaerm = 0) {
        QTest::newRow(raekke) << navn << fil << QByteArray(indhold) << skaerm;
    };
    rad("hovedvindue, standard", "mainform");
    rad("hovedvindue, for højt", "mainform", "mainform.txt",
        "Sky\r\n64\r\n300\r\n889\r\n1300\r\n0\r\n\r\nCourier New\r\n10\r\n1\r\n0\r\n");
    rad("læser, standard", "dagbogform");
    rad("læser på den lille skærm", "dagbogform", "Dagbog.txt", "14\r\n1500\r\n956\r\n0\r\n1\r\n",
        1);
    rad("information, standard", "infoform");
    rad("information uden for skærmen", "infoform", "infoform.txt",
        "64\r\n2500\r\n819\r\n930\r\n250\r\n0\r\nProgrammet\r\n", 1);
    rad("kontrol over kanten", "kontrolform", "kontrol.txt", "-300\r\n100\r\n286\r\n528\r\n");
    rad("urlboks for stor", "urlform1", "urlboks1.txt", "1600\r\n1200\r\n");
    rad("strukturkonstruktør", "strukturform");
}

void TstSkaermplads::vinduetPasserSkaermen() {
    QFETCH(QString, navn);
    QFETCH(QString, fil);
    QFETCH(QByteArray, indhold);
    QFETCH(int, skaerm);
    if (!fil.isEmpty()) {
        QDir().mkpath(egenskaber());
        skrivBytes(egenskaber() + fil, indhold);
    }
    start();
    QWidget *w = vis(navn);
    QVERIFY(w);
    const QRect omraade = QGuiApplication::screens().value(skaerm)->availableGeometry();
    QVERIFY2(omraade.contains(w->frameGeometry()),
             qPrintable(QDebug::toString(w->frameGeometry())));
    QVERIFY(w->width() >= w->minimumWidth() && w->height() >= w->minimumHeight());
    stop();
}

void TstSkaermplads::pladsenHoldesFemGange_data() {
    QTest::addColumn<QString>("navn");
    for (const char *navn : {"infoform", "kontrolform", "dagbogform", "urlform1", "mainform"})
        QTest::newRow(navn) << QString::fromLatin1(navn);
}

void TstSkaermplads::pladsenHoldesFemGange() {
    QFETCH(QString, navn);
    QList<QRect> pladser;
    for (int gang = 0; gang < 5; ++gang) {
        start();
        QWidget *w = vis(navn);
        QVERIFY(w);
        if (gang == 0 && w != urlform1) w->setGeometry(QRect(QPoint(43, 31), w->size()));
        QCoreApplication::processEvents();
        pladser << w->geometry();
        w->close();
        stop();
    }
    QCOMPARE(pladser, QList<QRect>(5, pladser.first()));
}

int main(int argc, char **argv) {
    brugTestskaerm("skaerme-smaa.json");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TstSkaermplads test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skaermplads.moc"
