#include "vinduer.h"

#include "forms/dagbog.h"
#include "forms/find.h"
#include "forms/info.h"
#include "forms/kontrol.h"
#include "forms/memoUnit.h"
#include "forms/spm.h"
#include "forms/strukturmaker.h"
#include "forms/url1.h"
#include "main/mainform.h"
#include "platform/ikoner.h"
#include "platform/stilarter.h"
#include "platform/tilgaengelighed.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

Tmainform *mainform = nullptr;
TmemoForm *memoForm = nullptr;
Teditform *editform = nullptr;
Tspmform *spmform = nullptr;
Tdagbogform *dagbogform = nullptr;
Tinfoform *infoform = nullptr;
Tstrukturform *strukturform = nullptr;
Turlform1 *urlform1 = nullptr;
Tkontrolform *kontrolform = nullptr;

// Qt's own texts (the standard menus of text fields, file dialogs, standard
// buttons) in Danish, whatever language the machine is set to.
static void danskeQtTekster() {
    static QPointer<QTranslator> qt;
    if (qt) return;
    qt = new QTranslator(qApp);
    if (qt->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

void opretVinduer() {
    danskeQtTekster();
    // Every window, message box included, shows the program's own icon.
    QApplication::setWindowIcon(Ikoner::program());
    Tilgaengelighed::navngivAlle();
    Stilarter::anvend(QStringLiteral("Iceberg Classico")); // the look until the saved one is read
    mainform = new Tmainform;
    memoForm = new TmemoForm;
    editform = new Teditform;
    spmform = new Tspmform(mainform); // opens centred on the main window
    dagbogform = new Tdagbogform;
    infoform = new Tinfoform;
    strukturform = new Tstrukturform;
    // What the structure maker changes, the information window shows.
    QObject::connect(strukturform, &Tstrukturform::strukturerAendret, infoform,
                     &Tinfoform::createStrukturPU);
    QObject::connect(strukturform, &Tstrukturform::strukturGenindlaest, infoform,
                     [](const QString &navn) {
                         infoform->strukturnavn = navn;
                         infoform->LoadStruktur();
                     });
    urlform1 = new Turlform1;
    kontrolform = new Tkontrolform;
    mainform->show();
}

template <typename T> static void slet(T *&vindue) {
    delete vindue;
    vindue = nullptr;
}

void nedlaegVinduer() {
    slet(kontrolform);
    slet(urlform1);
    slet(strukturform);
    slet(infoform);
    slet(dagbogform);
    slet(spmform);
    slet(editform);
    slet(memoForm);
    slet(mainform);
}
