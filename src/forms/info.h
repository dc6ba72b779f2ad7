#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;
class TStruktur;
class TWebBrowser;

// The help and reference viewer: one information structure at a time, its
// element tree on the left and the selected element's page on the right, with
// a visit history the URL box shows.
class Tinfoform : public QWidget {
    Q_OBJECT
public:
    explicit Tinfoform(QWidget *parent = nullptr);

    // Shows element S (empty: the first one) of structure sName and comes to the front.
    void HelpInfo(const QString &sName, const QString &S);
    bool goToInfo(const QString &openNodetekst);
    void goToStruktur(int aIndex);
    void LoadStruktur();
    void createStrukturPU();
    void UrlLister(const QString &Urlen);
    void FindTekst(const QString &aTekst);
    void hentOpt();
    void gemOpt();

    void StrukturClick();
    void AgoExecute();
    void AbackExecute();
    void AforwardExecute();
    void AfirstExecute();
    void AlastExecute();
    void FindisClick();
    // The navigation actions follow the history; the URL box calls this after clearing it.
    void opdaterHandlinger();

    // The external page editor and the launch errors.
    void runFilname(const QString &aFilename);
    static QString fejlTekst(int Nr);
    void ErrorInfo(int Nr);

    // History entries: the URL box's two lists.
    int antalBesoeg() const;
    QString besoegStruktur(int i) const;
    QString besoegSide(int i) const;

    QString strukturdir;
    QString strukturnavn;
    QString newNavn;
    QString Mappe;
    QString optFilnavn;
    bool opstart = true;
    int urlIndex = -1;
    bool naviKlikket = false;
    QString oldUrl;
    QString hjemmeside;
    QString htmlProgram;
    QString globalUrl;
    int panelBredde = 200;
    bool autoUdfold = false;

    QList<QIcon> strukturImage;
    QList<QIcon> ImageListVBS;

    QSplitter *deler;
    QWidget *leftPanel;
    QTabWidget *infoBog;
    TStruktur *Struktur;
    QToolButton *ToolButton8;
    QMenu *strukturPU;
    QToolButton *expandKnap;
    QToolButton *collapseKnap;
    QLabel *Label1;
    QLabel *antalLabel;
    QLineEdit *EditFind;
    QToolButton *sButton;
    QListWidget *Findis;
    QToolBar *NavigateBar;
    QLineEdit *Edit;
    QToolButton *urlListeKnap;
    QToolButton *tbRediger;
    QToolButton *smKnap;
    TWebBrowser *Web;
    QStatusBar *infobar;

    QAction *Afirst, *Aback, *Aforward, *Alast, *Ago, *aSearch;

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QAction *nyHandling(const QString &navn, const QString &hintTekst, const QIcon &ikon);
    QWidget *byggStrukturside();
    QWidget *byggSoegeside();
    QWidget *byggBrowserpanel();
    void visElement(QTreeWidgetItem *element);
    void vaelgRaekke(int i);
    void PUonclick(const QString &caption);
    void WebTitleChange();
    void MusOver(const QString &tag, const QString &href, const QString &foraelderTag,
                 const QString &foraelderHref);
    QStringList strukturNavne() const;
};
