#pragma once

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class TStruktur;

// The pieces of the structure maker that need no window.
namespace Strukturmaker {

// The lines of a new element's page, with the title and heading T.
QStringList standardSide(const QString &titel);

// Why a structure may not be deleted (the second line of the refusal); empty
// when it may.
QString beskyttet(const QString &navn);

// Entries of the structure folder that are structures: no extension.
bool erStrukturnavn(const QString &indgang);

// Why a name would not stay one folder or file inside its folder, as the
// message names it (slags: "strukturnavn", "filnavn"); empty when it is fine.
QString navnFejl(const QString &navn, const QString &slags);

// The structure "VBS" shows its elements with the alternative icon list.
int ikonliste(const QString &strukturnavn);

// The icon buttons: caption and picture at a position, in icon list 0 or 1.
QString knapTekst(int liste, int position);
int knapBillede(int liste, int position);
// The button showing icon kind k, and the caption when k is taken over from an element.
int knapFor(int liste, int k);
QString ikonTekst(int liste, int k);

// The pictures of icon list 0 or 1.
QList<QIcon> billeder(int liste);

// "dokument" + n, counting up from n past the pages that exist in the folder.
QString autoFilnavn(const QString &sidemappe, int n);

} // namespace Strukturmaker

// Creates, opens and deletes information structures and edits their elements.
class Tstrukturform : public QWidget {
    Q_OBJECT
public:
    explicit Tstrukturform(QWidget *parent = nullptr);

    // Side 1: the structures.
    void LoadStrukturBoks();
    void opretStruktur();
    void DeleteStruktur();
    void RedigerStruktur();
    void ClearToNew(bool Efocus);

    // Side 2: the elements.
    void beforeRediger();
    void setIkon(int ikonNumber);
    bool InsertAutoFilnavn();
    void InsertNode();
    void RedigerNode();
    void DeleteNode();
    void KontrollerFilnavn();
    void OpretFil();
    void sorterNoder();
    void setFlytMode();
    void ReloadStruktur();
    void VisStruktur();
    void opdaterHandlinger();

    QString strukturDir;
    QString strukturName;
    int ikonlisteNummer = 0;
    int ikonIndex = 0;
    bool insertAktiv = true;

    QTabWidget *strukturBog;
    QWidget *side1;
    QWidget *side2;
    QStatusBar *infobar = nullptr;

    QListWidget *strukturboks = nullptr;
    QPushButton *OpdaterInfoButton;
    QPushButton *redigerButton;
    QPushButton *Button4;
    QLineEdit *navnEdit;
    QPushButton *opretKnap;
    QPlainTextEdit *nyMemo;
    QPlainTextEdit *Memo;

    QLabel *InfoLabel;
    QLineEdit *elementEdit;
    TStruktur *infostruktur = nullptr;
    QGroupBox *ikonboks;
    QButtonGroup *ikonKnapper;
    QLineEdit *tekstEdit;
    QLineEdit *dataEdit;
    QCheckBox *gemCheck;
    QCheckBox *sorterCheck;
    QCheckBox *autoNavn;
    QCheckBox *EnsNavn;
    QCheckBox *flytmodeBox;
    QGroupBox *flytBox;
    QButtonGroup *flytKnapper;

    QAction *Aclear;
    QAction *Ainsert;
    QAction *Arediger;
    QAction *Aslet;
    QAction *Agem;
    QAction *Areload;

signals:
    // A structure was created or deleted: the structure menus must be built again.
    void strukturerAendret();
    // The element editor reloaded this structure: the information window shows it anew.
    void strukturGenindlaest(const QString &navn);

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    QWidget *byggSide1();
    QWidget *byggSide2();
    QAction *nyHandling(const QString &navn, const QString &tekst, const QString &hint,
                        const QKeySequence &genvej);
    void visIkonliste();
    void ikonKlik(int position);
    void tekstEnter();
    void dataEnter();
    void aabn(const QString &navn);
    bool aktuel() const;
    bool skrivSide(); // "Opret fil" without emptying the fields
    QString sidemappe() const;
};
