#pragma once

#include <QWidget>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class Fuldfoerelseslister;
class Kodemarkering;
class Stavemarkering;
class TRichEdit;
class TWebBrowser;
class Tmainform;

// One page in an editor window inside the main window: preview, page editor,
// and the user's design.css and funktioner.js.
class Twinform : public QWidget {
    Q_OBJECT
public:
    // Creates the window for the page (throws Tekstfil::FilFejl when it cannot be read).
    static Twinform *aaben(Tmainform *hoved, const QString &sti);

    void FormActivate();
    void bringFrem();
    void luk();                // closes the window through its close handling
    void lukUdenSpoergsmaal(); // at program end, after the files have been asked about
    // Asks about every modified file of this window; false when a save failed.
    bool spoergOmGem();
    // Unsaved changes in any of the three editors: what closing would ask about.
    bool harAendringer() const;

    void XYinfo();
    void UdskrivLinje(const QString &S);
    void visPreview(); // the preview shows the file on disk
    void genindlaesHvisUaendret(const QString &sti);
    // Puts recovered unsaved text into the editor of `maal`, modified and not saved.
    void gendanTekst(const QString &maal, const QString &tekst);
    // The editor of the page, design.css or funktioner.js; nullptr for any other file.
    TRichEdit *editorTil(const QString &fil) const;

    void aGemExecute();
    void aGemDesignExecute();
    void aGemFunktionerExecute();
    void aKodeKontrolExecute();
    void aHistorikExecute();
    void aNyLinjeExecute();
    void pasteFromInfoExecute();
    void EditorBogChange(int side);

    // Snippets, special characters and look-ups
    void aSlutkodeExecute();
    void aHtmlInfoExecute();
    void aCssInfoExecute();
    void aJsInfoExecute();
    void UdskiftSpecialtegnExecute();
    void GendanSpecialtegnExecute();
    void ordbogUrlExecute();
    void googleUrlExecute();

    QString Filnavn;
    QString CapNavn;
    bool opstart = true;
    unsigned LinieAntal = 0;
    int posY = 0;
    unsigned posX = 0;
    bool musNede = false;

    QTabWidget *EditorBog;
    TWebBrowser *Web;
    TRichEdit *Editor;
    TRichEdit *EditorDesign;
    TRichEdit *EditorFunktioner;
    QToolBar *HtmlBar;
    QList<QLabel *> InfoPaneler;
    QCheckBox *PreviewCheck;
    QAction *EditCut1, *EditCopy1, *EditPaste1, *EditSelectAll1, *EditUndo1, *EditDelete1;
    QAction *aGem, *aGemDesign, *aGemFunktioner, *aKodeKontrol, *pasteFromInfo, *aNyLinje;
    QAction *aHistorik;
    QAction *aSlutkode, *aHtmlInfo, *aCssInfo, *aJsInfo, *UdskiftSpecialtegn, *GendanSpecialtegn,
        *ordbogUrl, *googleUrl;
    QMenu *PUtekst, *PUbillede, *PUspecialtegn, *PUkode;
    Stavemarkering *stavemarkering = nullptr; // on the page editor: colours and spelling
    Kodemarkering *kodeDesign = nullptr;
    Kodemarkering *kodeFunktioner = nullptr;
    std::unique_ptr<Fuldfoerelseslister> fuldfoerelseslister;
    void saetFarver(bool til); // colours of the code in all three editors
    // The page's preview beside its editor, refreshed from the unsaved text.
    void visPreviewSiden(bool til);
    QString previewSidenFil() const;
    TWebBrowser *PreviewSiden = nullptr; // made when first wanted

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    Twinform(Tmainform *hoved, const QString &sti);
    ~Twinform() override;
    QMdiSubWindow *subVindue() const;
    QAction *nyHandling(const QString &navn, const QString &tekst, const QString &hint,
                        const QKeySequence &genvej);
    QWidget *byggRedigerside();
    TRichEdit *nyEditor(const QString &navn);
    QMenu *kontekstMenu(const QString &navn, const QList<QAction *> &handlinger);
    void byggKlicheHandlinger();
    QToolButton *splitKnap(QWidget *forael, const QString &navn, const QString &tekst,
                           const QString &hinttekst, QMenu *menu);
    QToolButton *infoKodelinjeKnap(QWidget *forael);
    void skrivKliche(const QString &navn);
    void erstatMarkering(QString (*omdan)(const QString &));
    void opdaterHandlinger();
    void byggGendannelse();
    bool gemFil(TRichEdit *editor, const QString &sti);
    bool spoerg(TRichEdit *editor, const QStringList &linjer, const QString &sti);

    void opdaterPreviewSiden();

    Tmainform *hoved;
    bool udenSpoergsmaal = false;
    class QSplitter *redigerDeler;
    class QTimer *previewUr;
    class QTimer *taelleUr = nullptr; // the next step of counting a long page's lines
};
