#include "platform/twebbrowser.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QWebChannel>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace {

// Our scripts and the page bridge live apart from the page's own scripts, so
// a page's functions cannot clash with them.
constexpr quint32 verden = QWebEngineScript::ApplicationWorld;

// A scheme of two letters or more: "C:" is a drive, not a scheme.
const QRegularExpression &skemaMoenster() {
    static const QRegularExpression m(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    return m;
}

QString medSkraastreg(QString sti) {
    return sti.replace(u'\\', u'/');
}

QString sammenlignbar(const QUrl &adresse) {
    return adresse.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded);
}

// Reports every element the mouse enters. The listener sits on the document
// in the capture phase, so a page that stops the event still reports it.
const char *musScript = R"(
(function () {
    if (window.__dagbogMus) return;
    window.__dagbogMus = true;
    function href(el) {
        if (!el || !el.getAttribute) return '';
        var raa = el.getAttribute('href');
        if (!raa) return '';
        try { return new URL(raa, document.baseURI).href; } catch (e) { return raa; }
    }
    function tag(el) { return el && el.tagName ? String(el.tagName).toUpperCase() : ''; }
    new QWebChannel(qt.webChannelTransport, function (kanal) {
        var bro = kanal.objects.dagbogMus;
        document.addEventListener('mouseover', function (e) {
            var el = e.target;
            if (!el || !el.tagName) return;
            var far = el.parentElement;
            bro.musOver(tag(el), href(el), tag(far), href(far));
        }, true);
    });
})();
)";

// The program's own links (dagbog:ÅÅÅÅ-MM-DD). The engine hands a link to an
// unknown scheme to the desktop, and only after a click by the user's own hand;
// registered, it navigates like any link and the page below stops it. The
// engine takes schemes only before its first page.
void registrerEgetSkema() {
    QWebEngineUrlScheme skema(TWebBrowser::egetSkema);
    skema.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    QWebEngineUrlScheme::registerScheme(skema);
}

// Without a handler in the profile the engine blocks the scheme's links before
// the page is asked. The page refuses them all, so this one only ever says no.
class EgetSkemaSvar : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob *job) override {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registrerEgetSkema)

// The page: reports navigations and leaves new windows to the browser.
class TWebBroSide : public QWebEnginePage {
public:
    explicit TWebBroSide(TWebBrowser *browser)
        : QWebEnginePage(browser)
        , m_browser(browser) {}

protected:
    bool acceptNavigationRequest(const QUrl &adresse, NavigationType, bool) override {
        if (adresse.scheme() == QLatin1String(TWebBrowser::egetSkema)) {
            emit m_browser->EgetLink(adresse);
            return false;
        }
        emit m_browser->FoerNavigation(adresse);
        return true;
    }
    // New windows are answered in newWindowRequested; no second view opens.
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    TWebBrowser *m_browser;
};

// The object the page's mouse script calls through the web channel.
class TWebBroMus : public QObject {
    Q_OBJECT
public:
    explicit TWebBroMus(TWebBrowser *browser)
        : QObject(browser)
        , m_browser(browser) {}

public slots:
    void musOver(const QString &tag, const QString &href, const QString &foraelderTag,
                 const QString &foraelderHref) {
        emit m_browser->MusOver(tag, href, foraelderTag, foraelderHref);
    }

private:
    TWebBrowser *m_browser;
};

TWebBrowser::TWebBrowser(QWidget *parent)
    : QWebEngineView(parent) {
    setAccessibleName(QStringLiteral("Sidevisning"));
}

void TWebBrowser::showEvent(QShowEvent *e) {
    opretSide();
    QWebEngineView::showEvent(e);
}

QMenu *TWebBrowser::kontekstmenu() {
    struct Punkt {
        const char *navn, *tekst;
        QWebEnginePage::WebAction handling;
    };
    static const Punkt punkter[] = {
        {"webTilbage", "Tilbage", QWebEnginePage::Back},
        {"webFrem", "Frem", QWebEnginePage::Forward},
        {"webGenindlaes", "Genindlæs", QWebEnginePage::Reload},
        {"webKopier", "Kopiér", QWebEnginePage::Copy},
        {"webMarkerAlt", "Markér alt", QWebEnginePage::SelectAll},
    };
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->setObjectName(QStringLiteral("webMenu"));
        for (const Punkt &p : punkter) {
            if (p.handling == QWebEnginePage::Copy) m_menu->addSeparator();
            QAction *a = m_menu->addAction(QString::fromUtf8(p.tekst));
            a->setObjectName(QString::fromLatin1(p.navn));
            a->setData(int(p.handling));
            connect(a, &QAction::triggered, this,
                    [this, h = p.handling] { page()->triggerAction(h); });
        }
    }
    for (QAction *a : m_menu->actions())
        if (!a->isSeparator())
            a->setEnabled(
                page()->action(QWebEnginePage::WebAction(a->data().toInt()))->isEnabled());
    return m_menu;
}

void TWebBrowser::contextMenuEvent(QContextMenuEvent *e) {
    kontekstmenu()->popup(e->globalPos());
}

QWebEnginePage *TWebBrowser::page() const {
    opretSide();
    return QWebEngineView::page();
}

QUrl TWebBrowser::url() const {
    opretSide();
    return QWebEngineView::url();
}

QString TWebBrowser::title() const {
    opretSide();
    return QWebEngineView::title();
}

void TWebBrowser::load(const QUrl &adresse) {
    opretSide();
    QWebEngineView::load(adresse);
}

// The page with its settings, the web channel and the mouse script; made once.
void TWebBrowser::opretSide() const {
    if (m_sideLavet) return;
    auto *self = const_cast<TWebBrowser *>(this);
    self->lavSide();
}

void TWebBrowser::lavSide() {
    m_sideLavet = true;
    auto *side = new TWebBroSide(this);
    QWebEngineSettings *s = side->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    // Day pages link ..\..\design.css and ..\..\funktioner.js.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    // Pages are written in Windows-1252; one without a charset is read so.
    s->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    setPage(side);
    QWebEngineProfile *profil = side->profile();
    if (!profil->urlSchemeHandler(egetSkema))
        profil->installUrlSchemeHandler(egetSkema, new EgetSkemaSvar(profil));

    m_kanal = new QWebChannel(this);
    m_kanal->registerObject(QStringLiteral("dagbogMus"), new TWebBroMus(this));
    side->setWebChannel(m_kanal, verden);
    indsaetMusScript();

    connect(
        side, &QWebEnginePage::newWindowRequested, this,
        [this](QWebEngineNewWindowRequest &oenske) { nytVinduesOenske(oenske.requestedUrl()); });
    connect(side, &QWebEnginePage::loadStarted, this, [this] { m_titelMeldt = false; });
    connect(side, &QWebEnginePage::titleChanged, this, [this](const QString &titel) {
        m_titelMeldt = true;
        emit TitelSkift(titel);
    });
    connect(side, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_harDokument = true;
        // The engine reports a title only when it differs from the last one;
        // a page loaded again with its old title is reported here.
        if (!m_titelMeldt) {
            m_titelMeldt = true;
            emit TitelSkift(title());
        }
        emit DokumentFaerdig(ok);
    });
}

void TWebBrowser::indsaetMusScript() {
    QFile kanalJs(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!kanalJs.open(QIODevice::ReadOnly)) {
        qWarning("TWebBrowser: qwebchannel.js mangler; musen følges ikke");
        return;
    }
    QWebEngineScript script;
    script.setName(QStringLiteral("dagbogMus"));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(verden);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QString::fromUtf8(kanalJs.readAll()) + QString::fromUtf8(musScript));
    page()->scripts().insert(script);
}

void TWebBrowser::nytVinduesOenske(const QUrl &adresse) {
    bool haandteret = false;
    emit NytVindue(adresse, &haandteret);
    if (!haandteret && !adresse.isEmpty()) load(adresse);
}

QUrl TWebBrowser::TilUrl(const QString &stiEllerAdresse) {
    const QString t = stiEllerAdresse.trimmed();
    if (t.isEmpty()) return {};
    if (skemaMoenster().match(t).hasMatch()) return QUrl(t);
    return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(medSkraastreg(t)).absoluteFilePath()));
}

void TWebBrowser::Navigate(const QString &stiEllerAdresse) {
    const QUrl adresse = TilUrl(stiEllerAdresse);
    if (adresse.isEmpty()) return;
    // The same address again means "show it as it is now": the engine would
    // otherwise treat it as nothing new, or serve the old copy.
    if (!url().isEmpty() && sammenlignbar(adresse) == sammenlignbar(url()))
        page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    else
        load(adresse);
}

QString TWebBrowser::LocationName() const {
    const QUrl adresse = url();
    if (adresse.isLocalFile()) return QFileInfo(adresse.toLocalFile()).fileName();
    return adresse.toString();
}

QString TWebBrowser::LocationURL() const {
    return url().toString();
}

bool TWebBrowser::GyldigUrl(const QString &tekst) {
    if (tekst.isEmpty()) return false;
    if (!skemaMoenster().match(tekst).hasMatch()) {
        const QFileInfo fil(medSkraastreg(tekst));
        return fil.isAbsolute() && fil.exists();
    }
    const QUrl adresse(tekst, QUrl::StrictMode);
    if (!adresse.isValid()) return false;
    const QString skema = adresse.scheme().toLower();
    if (skema == u"http" || skema == u"https" || skema == u"ftp") return !adresse.host().isEmpty();
    if (skema == u"file" || skema == u"mailto" || skema == u"news" || skema == u"about")
        return !adresse.path().isEmpty();
    return false;
}

#include "twebbrowser.moc"
