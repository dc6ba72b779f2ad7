#pragma once

#include "core/ordforskel.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class TWebBrowser;
class Twinform;

// The earlier versions of one file of an editor window (its page, design.css
// or funktioner.js): newest first with the words each added and removed, the
// chosen one shown, its words compared with the editor's text, and fetched
// back into the editor as unsaved text.
class Thistorikform : public QWidget {
    Q_OBJECT
public:
    Thistorikform(Twinform *vindue, const QString &fil);

    void udgaveValgt();
    void hentUdgaveKnapClick();

    QLabel *forklaring;
    QTreeWidget *historikListe;
    TWebBrowser *udgaveVisning;
    TWebBrowser *forskelVisning;
    QPushButton *hentUdgaveKnap;
    QPushButton *LukKnap;

private:
    void laesUdgaver();
    Ordforskel::Ordtekst ordtekst(const QString &tekst) const;

    Twinform *m_vindue;
    QString m_fil;
    bool m_kode;           // design.css or funktioner.js: compared and shown as source
    QStringList m_tekster; // the versions' texts, as the list shows them
};
