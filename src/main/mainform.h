#pragma once

#include <QColor>
#include <QFuture>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <functional>

#include <atomic>
#include <memory>

class QAction;
class QBoxLayout;
class QCalendarWidget;
class QDate;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QVBoxLayout;
class QMdiArea;
class QMenu;
class QTabBar;
class QTabWidget;
class QTimer;
class QTreeWidgetItem;
class QToolButton;
class TStruktur;
class TFontSizeComboBox;
class Tinfotag;
class TStavning;
class TBogudskrift;
class Twinform;
class Tsikkerhedform;
class Tslettedeform;
class THistorik;
class Tstatistikform;
template <typename T> class QFutureWatcher;
namespace Sikkerhedskopi {
struct Resultat;
}

// The main window: start-up and shut-down, the calendar and the day pages,
// the structure panel, the document tabs and the settings.
class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override; // waits for a backup under way

    // Start-up and shut-down
    void FormShow();
    void FormActivate();
    // Once after the program folder's refresh: the user's changed files it kept.
    void visBeholdteFiler(const QStringList &filer);
    // The settings from the option file (the first start's without it), read
    // before the window is built; the window's place is returned.
    QRect hentOpt();
    void visOpt(const QRect &sted); // the settings and place in the built window
    void gemOpt();

    // Calendar and day pages
    void kalenderChange();
    void AopdaterExecute();
    void mNextClick();
    void mPrevClick();
    void yNextClick();
    void yPrevClick();
    void datoLabelClick();
    void BogChange(int side);
    bool opretNyStruktur();
    void opretStruktur();
    void ButtonOpretClick();
    void StrukturDblClick();
    void visDatomappeClick();
    void AdagbogExecute();
    void markerDagsider();
    // The calendar's own colours (weekends, today) made for the design in effect.
    void kalenderFarver();
    QColor kalenderfarve(quint32 farve) const;
    // The date selected and its page opened, as "Åben valgte dato" does.
    void aabnDato(const QDate &dato);

    // "På denne dag" and "Tilfældig dag"
    int opdaterMinder(); // the number of days listed
    void visMinderVedStart();
    void minderListeAktiveret(QListWidgetItem *raekke);
    void tilfaeldigKnapClick();
    std::function<int(int)> tilfaeldigTal; // [0, n); the tests set their own
    QListWidget *minderListe = nullptr;
    QTimer *minderUr = nullptr;

    // Holidays
    void hdButtonClick();
    void skiftAar(int delta);
    void yearNuButtonClick();

    // Structure panel
    void LoadStruktur();
    void LoadStrukturen(const QString &sName);
    void createStrukturPU();
    void opdaterAntal();
    void aSletStrukturElementUpdate();
    void aSletStrukturElementExecute();

    // Document search
    void FindTekst(const QString &ord);
    // `struktur` names the hits of "Alle år"; `moenster` is the folded word.
    int FindDokumenter(const QString &mappe, const QString &struktur, const QString &moenster);
    int InsertInList(const QString &sti, const QString &struktur, const QString &moenster);
    void aSearchExecute();
    void aSearchUpdate();
    void FindisDblClick();

    // Documents and tabs
    Twinform *openwin(const QString &sti);
    QList<Twinform *> editorVinduer() const;
    Twinform *aktivtVindue() const;
    void InsertTab();
    QString faneNavn(int indeks) const; // the page name of a tab, as written
    void SetTCindex();
    void fokusTab(const QString &navn);
    // A small mark beside the name of a page with unsaved changes.
    void visAendret(const QString &navn, bool aendret);
    void CloseTab(const QString &navn);
    void tcChange(int indeks);
    void UpdateWeb();

    // Settings page: styles, fonts, the HTML bar
    void indstillingerVedStart();
    void loadDesign();
    void SetNewDesign(const QString &navn);
    void newDesign();
    void designBoxChange();
    void GetFontNames();
    void FontFelter(const QString &fontnavn);
    int FontFelterSize(const QString &fontnavn, int stoerrelse);
    int FontNewFont(const QString &fontnavn, int stoerrelse);
    void FontNameChange();
    void SizBoxChange();
    void mFontClick(const QString &fontnavn); // mFont1 to mFont8
    void mFontGemClick();
    void mfontHentClick();
    void HtmlKoderCheckClick();
    void StavekontrolCheckClick();
    void visStavekontrol(); // the check box and every editor follow stavekontrol
    void FarverCheckClick();
    void PreviewSidenCheckClick();
    // A window saved design.css or funktioner.js: the others reload what they have not changed.
    void filGemt(const QString &sti, Twinform *afsender);

    // The diary as a book
    QAction *nyUdskrivHandling();
    void aUdskrivDagbogExecute();
    void aUdskrivDagbogUpdate();
    QAction *aUdskrivDagbog = nullptr;
    TBogudskrift *bogudskrift = nullptr; // the book being written, if any
    // Daily backups and their restore window
    void sikkerhedskopiVedGem();  // the first save of the day starts one
    void sikkerhedskopiVedSlut(); // at program end, waiting for it
    void SikkerhedskopiCheckClick();
    void sikkerhedKnapClick();
    QString kopiDir() const;
    // Where the picture dialog opens, and the folder a picture was last taken from.
    QString billedStartmappe() const;
    void billedmappeBrugt(const QString &mappe);
    bool sikkerhedskopier = true;
    QCheckBox *SikkerhedskopiCheck;
    Tsikkerhedform *sikkerhedform = nullptr;
    Tslettedeform *slettedeform = nullptr; // made when first wanted
    void slettedeKnapClick();
    // Every saved version of every file, in Historik.git beside the diary
    THistorik *historik = nullptr;
    bool tidligereUdgaver = true;
    QCheckBox *HistorikCheck;
    QLabel *historikStoerrelse;
    void HistorikCheckClick();
    void visHistorikStoerrelse();
    // The years in figures, made on first use
    void statistikKnapClick();
    Tstatistikform *statistikform = nullptr;
    QCheckBox *udskrivTommeCheck;

    // Code checks
    void ReadHtmlStruktur();
    void visAttributter();
    void kontrolMSlutkoder();
    void kontrolFmSlutkoder();
    void kontrolKoder();
    void kontrolAttributter();
    void showProgress(int Value);
    void KontrolGotoTag();

    // Paths and shared state
    QString programDir;
    QString brugernavn;
    QString brugerDir;
    QString strukturDir;
    QString designName;
    QString funktionName;
    QString optDir;
    QString optfilnavn;
    QString htmllistedir;
    QString attributedir;
    QString htmlFilnavn;
    QStringList SLstruk;
    bool opstart = false;
    int brugerlevel = 0;
    bool openMedDagbog = false;
    Tinfotag *taginf = nullptr;

    // Settings
    QString designNavn;
    QString bogstavName;
    int bogstavSize = 10;
    bool visHtmlBar = false;
    bool stavekontrol = true;  // spell checking in every page editor
    bool farver = true;        // colours of the code in the editors
    bool previewSiden = false; // the page's preview beside its editor
    TStavning *stavning = nullptr;
    QString OldFontname;
    QString OldFontSizname;

    // Names of the selected date
    bool opdater = false;
    QString strukturNavn;
    QString maanedNavn;
    QString dagNavn;
    QString yTekst, yData, mTekst, mData, dTekst, dData;
    bool yMade = false, mMade = false, dMade = false;

    // Controls
    QTabBar *tc;
    QTabWidget *Bog;
    QMdiArea *klient;
    QCalendarWidget *kalender = nullptr;
    QLineEdit *yEdit, *mEdit, *dEdit, *dayEdit, *monthEdit, *yearEdit;
    QToolButton *datoLabel;
    TStruktur *Struktur;
    QList<QIcon> strukturImage; // the element pictures of the tree, by icon kind
    QLabel *antalLabel;
    QMenu *strukturPU;
    QLineEdit *EditFind;
    QToolButton *sButton;
    QCheckBox *AlleAarCheck;
    QListWidget *Findis;
    QLabel *LabelDato, *klokkenLabel;
    QLineEdit *aarEdit;
    QToolButton *yearNuButton;
    QList<QLabel *> hdLabels;
    QCheckBox *HtmlKoderCheck;
    QCheckBox *StavekontrolCheck;
    QCheckBox *FarverCheck;
    QCheckBox *PreviewSidenCheck;
    QComboBox *designBox;
    QComboBox *FontName;
    TFontSizeComboBox *SizBox;
    QMenu *FontPU;
    QTimer *Timer;
    QTimer *TimerKlokken;

    QAction *aLukAktuelle, *aLukAlle, *aLukProg, *aInformation, *Adagbog, *Aopdater;
    QAction *aSletStrukturElement = nullptr;
    QAction *aSearch;

protected:
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    void byggVindue();
    QWidget *byggKalenderside();
    void byggMinder(QWidget *side, QVBoxLayout *lodret);
    QWidget *byggStrukturside();
    QWidget *byggSoegeside();
    QWidget *byggIndstillingsside();
    void sletStrukturen();
    void sletElement(QTreeWidgetItem *valgt);
    QWidget *byggHelligdagsside();
    QAction *nyHandling(const QString &navn, const QString &tekst, const QString &hint,
                        const QKeySequence &genvej);
    void opdaterHandlinger();
    QList<QPair<QString, QString>> soegemapper() const;
    void gemNySide(const QString &sideNavn, const QString &html);
    void genopbygDagbogsaar();
    void aabnSide(const QString &sideNavn);
    bool gemAendredeSider();
    void indlaesLister();
    QString sideSti(const QString &sideNavn) const;
    void byggSikkerhedsfelt(QWidget *side, QBoxLayout *lodret);
    void startSikkerhedskopi();
    void byggHistorikfelt(QWidget *side, QBoxLayout *lodret);
    void historikFejl(const QString &hvorfor);
    void historikFremskridt(int faerdige, int ialt);
    bool historikFejlVist = false;
    QFuture<Sikkerhedskopi::Resultat> koerSikkerhedskopi();
    Sikkerhedskopi::Resultat ventPaaSikkerhedskopi(QFuture<Sikkerhedskopi::Resultat> f);
    void sikkerhedskopiFaerdig(const Sikkerhedskopi::Resultat &r);

    QFutureWatcher<Sikkerhedskopi::Resultat> *kopiVagt = nullptr;
    // Set by "Spring over"; the worker stops at the next file.
    std::shared_ptr<std::atomic<bool>> kopiAfbryd = std::make_shared<std::atomic<bool>>(false);
    bool kopiFejlVist = false;
    // Kept unsaved text is offered once, before the first editor window opens.
    bool gendannelseTilbudt = false;
    bool tegnet = false; // the window has been drawn once
    void tilbydGendannelse();
};
