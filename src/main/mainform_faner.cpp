// The document tabs and the editor windows in the client area.
#include "mainform.h"

#include "controls/struktur.h"
#include "editor/win.h"
#include "platform/ikoner.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

QList<Twinform *> Tmainform::editorVinduer() const {
    QList<Twinform *> vinduer;
    for (QMdiSubWindow *sub : klient->subWindowList(QMdiArea::CreationOrder))
        if (auto *w = qobject_cast<Twinform *>(sub->widget())) vinduer.append(w);
    return vinduer;
}

Twinform *Tmainform::aktivtVindue() const {
    QMdiSubWindow *sub = klient->activeSubWindow();
    if (!sub) sub = klient->currentSubWindow();
    return sub ? qobject_cast<Twinform *>(sub->widget()) : nullptr;
}

Twinform *Tmainform::openwin(const QString &sti) {
    for (Twinform *w : editorVinduer()) {
        if (w->Filnavn == sti) {
            w->bringFrem();
            return w;
        }
    }
    // The new window opens the hand-over path; callers set both to the same path.
    return Twinform::aaben(this, htmlFilnavn);
}

QString Tmainform::faneNavn(int indeks) const {
    return tc->tabData(indeks).toString();
}

void Tmainform::InsertTab() {
    Twinform *w = aktivtVindue();
    if (!w) return;
    const QSignalBlocker blok(tc);
    // The tab bar would take a single "&" as a mnemonic mark; the name rides along as data.
    const int i = tc->addTab(QString(w->CapNavn).replace(u'&', QStringLiteral("&&")));
    tc->setTabData(i, w->CapNavn);
    visAendret(w->CapNavn, w->harAendringer());
}

void Tmainform::visAendret(const QString &navn, bool aendret) {
    for (int i = 0; i < tc->count(); ++i)
        if (faneNavn(i) == navn)
            tc->setTabIcon(i, aendret ? Ikoner::tegnet(Ikoner::Tegning::Aendret) : QIcon());
}

void Tmainform::SetTCindex() {
    Twinform *w = aktivtVindue();
    if (!w || tc->count() == 0) return;
    fokusTab(w->CapNavn);
}

void Tmainform::fokusTab(const QString &navn) {
    for (int i = 0; i < tc->count(); ++i) {
        if (faneNavn(i) == navn) {
            const QSignalBlocker blok(tc);
            tc->setCurrentIndex(i);
            return;
        }
    }
}

void Tmainform::CloseTab(const QString &navn) {
    for (int i = 0; i < tc->count(); ++i) {
        if (faneNavn(i) == navn) {
            const QSignalBlocker blok(tc);
            tc->removeTab(i);
            return;
        }
    }
}

void Tmainform::tcChange(int indeks) {
    const QString navn = faneNavn(indeks);
    for (Twinform *w : editorVinduer()) {
        if (w->CapNavn == navn) {
            w->bringFrem();
            Struktur->getNodeTekst(navn);
            return;
        }
    }
}

void Tmainform::UpdateWeb() {
    for (Twinform *w : editorVinduer())
        w->visPreview();
}

void Tmainform::filGemt(const QString &sti, Twinform *afsender) {
    for (Twinform *w : editorVinduer())
        if (w != afsender) w->genindlaesHvisUaendret(sti);
    UpdateWeb();
}
