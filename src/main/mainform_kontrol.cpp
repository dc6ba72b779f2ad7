// The check wrappers: each runs one check of the tag component and reports it in Danish.
#include "mainform.h"

#include "app/vinduer.h"
#include "editor/win.h"
#include "forms/kontrol.h"
#include "platform/dialoger.h"
#include "tags/taginfo.h"

#include <QProgressBar>

namespace {

// The sentence for a count: n < 0, 0, 1 and more than 1.
QString saetning(int n, const QString &nul, const QString &en, const QString &flere) {
    if (n < 0) return QStringLiteral("Der er ikke indlæst struktur");
    if (n == 0) return nul;
    if (n == 1) return en;
    return flere.arg(n);
}

} // namespace

void Tmainform::ReadHtmlStruktur() {
    kontrolform->saetStatus(QString());
    taginf->SetKontrolMode(0);
    taginf->ReadStructure();
}

void Tmainform::visAttributter() {
    taginf->SetKontrolMode(0);
    kontrolform->saetStatus(saetning(
        taginf->VisAttributter(), QStringLiteral("Ingen koder med attributter"),
        QStringLiteral("1 kode med attributter"), QStringLiteral("%1 koder med attributter")));
}

void Tmainform::kontrolMSlutkoder() {
    taginf->SetKontrolMode(1);
    kontrolform->saetStatus(saetning(
        taginf->EndtagsKontrol(), QStringLiteral("Der mangler ikke slutkoder"),
        QStringLiteral("Der mangler 1 slutkode"), QStringLiteral("Der mangler %1 slutkoder")));
}

void Tmainform::kontrolKoder() {
    taginf->SetKontrolMode(2);
    kontrolform->saetStatus(saetning(taginf->KodeKontrol(), QStringLiteral("Ingen ukendte koder"),
                                     QStringLiteral("1 ukendt kode"),
                                     QStringLiteral("%1 ukendte koder")));
}

void Tmainform::kontrolAttributter() {
    taginf->SetKontrolMode(3);
    Dialoger::kommando(
        [this] {
            kontrolform->saetStatus(saetning(
                taginf->AttributeKontrol(attributedir), QStringLiteral("Ingen ukendte attributter"),
                QStringLiteral("1 ukendt attribut"), QStringLiteral("%1 ukendte attributter")));
        },
        kontrolform);
}

void Tmainform::kontrolFmSlutkoder() {
    taginf->SetKontrolMode(4);
    kontrolform->saetStatus(saetning(taginf->ForMangeEndtag(),
                                     QStringLiteral("Der er ikke for mange slutkoder"),
                                     QStringLiteral("Der er 1 slutkode for meget"),
                                     QStringLiteral("Der er %1 slutkoder for meget")));
}

void Tmainform::showProgress(int Value) {
    kontrolform->pBar->setValue(Value);
    kontrolform->saetStatus(QString::number(Value) + u'%');
}

void Tmainform::KontrolGotoTag() {
    if (editorVinduer().isEmpty() || !taginf->editor()) return;
    taginf->editor()->setFocus();
    taginf->GotoTag();
}
