#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class QToolButton;
class TWebBrowser;

// The diary reader: the loaded diary two pages at a time, like an open book.
// The pages are the elements of the main window's tree in tree order.
class Tdagbogform : public QWidget {
    Q_OBJECT
public:
    explicit Tdagbogform(QWidget *parent = nullptr);
    ~Tdagbogform() override;

    void hentOpt();
    void gemOpt();
    // The page counts follow the number of elements in the main window's tree.
    void saetAntal(int n);

    // Shows the spread whose left page is the element at position p.
    void visDagbog(int p);
    // Shows the spread holding the month element with the text maaned.
    void goToManned(const QString &maaned);
    QString slutside() const;

    void AgoExecute();
    void AbackExecute();
    void AforwardExecute();
    void AfirstExecute();
    void AlastExecute();
    void AlukProgramExecute();
    void KnapRedigerClick();
    void hideShowButtonClick();
    void PUmaanedPopup();

    bool opstart = true;
    int sideIndex1 = 0;
    int sideIndex2 = 1;
    QString filnavn1;
    QString filnavn2;
    QString optFilnavn;
    QString maanedItem;
    int antalSider = 0;
    int restAntal = 0;
    int maxIndex = -2;

    QWidget *menuPanel;
    QToolButton *hideShowButton;
    QToolBar *NavigateBar;
    QLabel *Label1;
    QLineEdit *Edit;
    QToolButton *opdaterKnap;
    QToolButton *Button1;
    QMenu *PUmaaned;
    QToolButton *KnapRediger;
    QToolButton *KnapUdskriv;
    QToolButton *Button2;
    QCheckBox *DagbogCheck;
    TWebBrowser *Web1;
    TWebBrowser *Web2;

    QAction *Ago, *Aback, *Aforward, *Afirst, *Alast, *AlukProgram;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QAction *nyHandling(const QString &navn, const QString &tekst, const QString &hint,
                        const QIcon &ikon);
    void byggMenulinje();
    void FormShow();
    void FormKeyDown(const QKeyEvent *e);
    void opdaterHandlinger();

    // The press last acted on: a press that is not taken travels on to the
    // parents of its receiver and must not run its action twice.
    const QKeyEvent *m_sidsteTast = nullptr;
    quint64 m_sidsteTid = 0;
};
