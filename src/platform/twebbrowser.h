#pragma once

#include <QUrl>
#include <QWebEngineView>

class QMenu;
class QWebChannel;

// The embedded browser of the preview, the diary reader and the information
// window. Wraps the engine's view with the few operations those windows use:
// navigation to a path or address, the location of the page shown, and the
// page events as signals.
class TWebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit TWebBrowser(QWidget *parent = nullptr);

    // The scheme of links into the diary itself; they never navigate.
    static constexpr char egetSkema[] = "dagbog";

    // A local file path (absolute, '/' or '\' as separator) or an address with
    // a scheme (http:, https:, file:, ...). Navigating to the page shown loads
    // it again from disk, so a page saved meanwhile shows its new text.
    void Navigate(const QString &stiEllerAdresse);

    // A local page: its file name (page folder + this is its path).
    // Any other page: its address.
    QString LocationName() const;
    QString LocationURL() const;

    // True once a page (or the engine's error page) has finished loading.
    bool HarDokument() const { return m_harDokument; }

    // An absolute address with a known scheme and the parts that scheme
    // needs, or an absolute local path that exists. The empty text never is.
    static bool GyldigUrl(const QString &tekst);

    // What Navigate loads for a path or address.
    static QUrl TilUrl(const QString &stiEllerAdresse);

    // The engine starts with the first page; a view nobody has used yet (in a
    // window not shown so far) has none. These make it first.
    QWebEnginePage *page() const;
    QUrl url() const;
    QString title() const;
    void load(const QUrl &adresse);

    // The short Danish menu of a right click (the engine's own menu is English):
    // Tilbage, Frem, Genindlæs, Kopiér, Markér alt, enabled as the page allows.
    QMenu *kontekstmenu();

signals:
    // Before every navigation of the view, frames included.
    void FoerNavigation(const QUrl &adresse);
    // A link into the diary itself (egetSkema) was followed; the page stays.
    void EgetLink(const QUrl &adresse);
    void DokumentFaerdig(bool ok);
    // At least once for every page loaded, possibly more often.
    void TitelSkift(const QString &titel);
    // The page asks for a new window showing adresse. A handler that shows
    // the page itself (for instance by navigating this view elsewhere) sets
    // *haandteret; otherwise this view navigates to adresse.
    void NytVindue(const QUrl &adresse, bool *haandteret);
    // The mouse entered an element: its tag name in capitals, its href, its
    // parent's tag name and href. An href is given resolved against the page
    // (as the link would navigate) and is empty when absent or empty.
    void MusOver(const QString &tag, const QString &href, const QString &foraelderTag,
                 const QString &foraelderHref);

protected:
    void showEvent(QShowEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    void opretSide() const;
    void lavSide();
    void nytVinduesOenske(const QUrl &adresse);
    void indsaetMusScript();

    friend class TWebBroSide;
    friend class TWebBroMus;

    QWebChannel *m_kanal = nullptr;
    QMenu *m_menu = nullptr;
    bool m_sideLavet = false;
    bool m_harDokument = false;
    bool m_titelMeldt = false;
};
