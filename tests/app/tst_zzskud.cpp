#include "app/vinduer.h"
#include "forms/info.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/twebbrowser.h"
#include "testhjaelp.h"
#include <QtTest>
class TstZzskud : public QObject {
    Q_OBJECT
private slots:
    void skud() {
        TestRod rod;
        Dialoger::Test::slaaTil(true);
        opretVinduer();
        mainform->brugerlevel = 1;
        mainform->FormActivate();
        const QStringList liste = qEnvironmentVariable("SKUD").split(u';');
        for (const QString &s : liste) {
            const QStringList d = s.split(u'|');
            infoform->resize(1100, 820);
            infoform->HelpInfo(d[0], d[1]);
            QTest::qWait(2500);
            infoform->grab().save(d[2]);
        }
        nedlaegVinduer();
    }
};
DAGBOG_GUI_TEST_MAIN(TstZzskud)
#include "tst_zzskud.moc"
