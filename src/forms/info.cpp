#include "info.h"

#include "app/vinduer.h"
#include "main/mainform.h"
#include "platform/optionfil.h"
#include "platform/twebbrowser.h"

#include <QVBoxLayout>

Tinfoform::Tinfoform(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("infoform"));
    setWindowTitle(QStringLiteral("Information"));
    setMinimumSize(818, 600);
    Web = new TWebBrowser(this);
    Web->setObjectName(QStringLiteral("Web"));
    (new QVBoxLayout(this))->addWidget(Web);
    optfil = mainform->optDir + QStringLiteral("infoform.txt");
    hentOpt();
}

void Tinfoform::hentOpt() {
    OptionLaeser o(optfil);
    if (!o.findes()) {
        setGeometry(61, 64, 819, 930);
        return;
    }
    int top = 64, left = 61, bredde = 819, hoejde = 930;
    const bool ok = o.tal(top) && o.tal(left) && o.tal(bredde) && o.tal(hoejde);
    setGeometry(left, top, bredde, hoejde);
    if (ok && o.tal(panelBredde) && o.flag(autoUdfold)) o.tekst(strukturnavn);
}

void Tinfoform::gemOpt() {
    skrivOptioner(optfil, {QString::number(y()), QString::number(x()), QString::number(width()),
                           QString::number(height()), QString::number(panelBredde),
                           autoUdfold ? QStringLiteral("1") : QStringLiteral("0"), strukturnavn});
}

void Tinfoform::HelpInfo(const QString &struktur, const QString &element) {
    strukturnavn = struktur;
    elementnavn = element;
    Web->Navigate(mainform->programDir + QStringLiteral("Struktur/") + struktur +
                  QStringLiteral("/tekstfiler/") + element + QStringLiteral(".html"));
    show();
    raise();
    activateWindow();
}
