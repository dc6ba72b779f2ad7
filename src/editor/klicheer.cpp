// The editor window's snippets, special characters, end tag and look-ups.
#include "app/vinduer.h"
#include "controls/struktur.h"
#include "editor/tagmenuer.h"
#include "forms/info.h"
#include "main/hint.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/trichedit.h"
#include "tags/taginfo.h"
#include "win.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>
#include <QUrl>

namespace {

// Where the user writes text, and where a heading goes.
const QString TEKST = QStringLiteral("TEKST");
const QString OVERSKRIFT = QStringLiteral("OVERSKRIFT");
const QString BILLEDE = QStringLiteral("\x01"); // the picture line, made from the chosen file

struct Kliche {
    const char *navn;
    const char *tekst;
    const char *hint;
    const char *hjaelp; // the element of "Programmet" that shows the snippet
    QStringList linjer;
    const char *bredde = nullptr; // a picture snippet's picture width
    bool separatorFoer = false;
};

const QList<Kliche> &tekstKlicheer() {
    static const QList<Kliche> liste{
        {"mFunk01", "Tekstafsnit", "Almindeligt tekstafsnit", "Tekst1", {"<p>", TEKST, "</p>"}},
        {"mFunk02",
         "Tilpasset tekstafsnit",
         "Tekstafsnit med tekst tilpasset til linjer",
         "Tekst2",
         {"<p class=\"tilpas\">", TEKST, "</p>"}},
        {"mFunk03",
         "Skjult tekst",
         "Tekst der kan udfoldes",
         "Tekst3",
         {"<p><div class=\"menuspalte\">",
          "<div class=\"header\" onmouseup=\"showBox(this)\">" + OVERSKRIFT + "</div>",
          "<div class=\"indhold\">", TEKST, "</div>", "</div></p>"},
         nullptr,
         true},
        {"mFunk04",
         "Kolonnetekst",
         "Tekst i to kolonner med overskrift",
         "Tekst4",
         {"<div class=\"kolonneKontainer\">",
          "<div class=\"kolonneOverskrift\">" + OVERSKRIFT + "</div>",
          "<div class=\"artikelIndhold\">", TEKST, "</div></div>"}},
        {"funk05",
         "Centreret tekst",
         "Tekstafsnit med centreret tekst",
         "Tekst5",
         {"<p class=\"centrer\">", TEKST + "<br>", TEKST + "<br>", TEKST, "</p>"},
         nullptr,
         true},
    };
    return liste;
}

const QList<Kliche> &billedKlicheer() {
    static const QList<Kliche> liste{
        {"mFunk08",
         "Billede med tekst...",
         "Billede med tekst",
         "Billed1",
         {"<div class=\"billedtekst\">", "<div>", BILLEDE, "</div>", "<div>", TEKST,
          "</div></div>"},
         "120px"},
        {"funk09",
         "Tekst med billede...",
         "",
         "Billed1a",
         {"<div class=\"billedtekstH\">", "<div>", TEKST, "</div>", "<div>", BILLEDE,
          "</div></div>"},
         "120px"},
        {"mFunk05",
         "Centreret billede...",
         "Centreret billede",
         "Billed2",
         {"<div class=\"centrer\">", BILLEDE, "</div>"},
         "100%",
         true},
        {"mFunk06",
         "Billede og venstretekst...",
         "Billedet anbringes til højre",
         "Billed3",
         {"<div class=\"boks1\">", "<div>", TEKST, "</div>", "<div>", BILLEDE, "</div></div>"},
         "100%",
         true},
        {"mFunk07",
         "Billede og højretekst...",
         "Billedet anbringes til venstre",
         "Billede4",
         {"<div class=\"boks2\">", "<div>", BILLEDE, "</div>", "<div>", TEKST, "</div></div>"},
         "100%"},
    };
    return liste;
}

const Kliche *findKliche(const QString &navn) {
    for (const QList<Kliche> *liste : {&tekstKlicheer(), &billedKlicheer()})
        for (const Kliche &k : *liste)
            if (navn == QLatin1String(k.navn)) return &k;
    return nullptr;
}

QString escape(const QString &t) {
    QString r;
    r.reserve(t.size());
    for (QChar c : t) {
        if (c == u'<')
            r += QStringLiteral("&lt;");
        else if (c == u'>')
            r += QStringLiteral("&gt;");
        else
            r += c;
    }
    return r;
}

QString gendan(const QString &t) {
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size();) {
        const QStringView fire = QStringView(t).mid(i, 4);
        if (fire == u"&lt;") {
            r += u'<';
            i += 4;
        } else if (fire == u"&gt;") {
            r += u'>';
            i += 4;
        } else {
            r += t[i++];
        }
    }
    return r;
}

void hjaelp(const QString &struktur, const QString &element) {
    infoform->HelpInfo(struktur, element);
}

// A CSS look-up: the word at the caret, else the combinator or percent sign there.
QString cssOrd(const Tinfotag &tag) {
    const QString ord = tag.FindOrdCSS();
    return ord.isEmpty() ? tag.FindTegnCSS() : ord;
}

} // namespace

void Twinform::byggKlicheHandlinger() {
    aSlutkode = nyHandling(QStringLiteral("aSlutkode"), QStringLiteral("Slutkode"),
                           QStringLiteral("Indsæt slutkode: Ctrl+K"),
                           QKeySequence(QStringLiteral("Ctrl+K")));
    aHtmlInfo = nyHandling(QStringLiteral("aHtmlInfo"), QStringLiteral("Info..."),
                           QStringLiteral("Information om aktuelle kode: Ctrl+Alt+H"),
                           QKeySequence(QStringLiteral("Ctrl+Alt+H")));
    aCssInfo = nyHandling(QStringLiteral("aCssInfo"), QStringLiteral("Css info.."),
                          QStringLiteral("Information om aktuelle element: Ctrl+Alt+C"),
                          QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    aJsInfo = nyHandling(QStringLiteral("aJsInfo"), QStringLiteral("Js info..."),
                         QStringLiteral("Information om aktuelle element: Ctrl+Alt+J"),
                         QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    UdskiftSpecialtegn =
        nyHandling(QStringLiteral("UdskiftSpecialtegn"), QStringLiteral("Udskift"),
                   QStringLiteral("Udskift alle html kodetegn (<>) i valgte tekst"), {});
    GendanSpecialtegn =
        nyHandling(QStringLiteral("GendanSpecialtegn"), QStringLiteral("Annuller"),
                   QStringLiteral("Anuller udskiftning af html kodetegn: < og >"), {});
    ordbogUrl = nyHandling(QStringLiteral("ordbogUrl"), QStringLiteral("Ordbog..."),
                           QStringLiteral("Slå ordet op i web-ordbogen"), {});
    googleUrl = nyHandling(QStringLiteral("googleUrl"), QStringLiteral("Google..."),
                           QStringLiteral("Søg med Google"), {});
    connect(aSlutkode, &QAction::triggered, this, &Twinform::aSlutkodeExecute);
    connect(aHtmlInfo, &QAction::triggered, this, &Twinform::aHtmlInfoExecute);
    connect(aCssInfo, &QAction::triggered, this, &Twinform::aCssInfoExecute);
    connect(aJsInfo, &QAction::triggered, this, &Twinform::aJsInfoExecute);
    connect(UdskiftSpecialtegn, &QAction::triggered, this, &Twinform::UdskiftSpecialtegnExecute);
    connect(GendanSpecialtegn, &QAction::triggered, this, &Twinform::GendanSpecialtegnExecute);
    connect(ordbogUrl, &QAction::triggered, this, &Twinform::ordbogUrlExecute);
    connect(googleUrl, &QAction::triggered, this, &Twinform::googleUrlExecute);

    auto klicheMenu = [this](const QString &navn, const QList<Kliche> &liste) {
        auto *m = new QMenu(this);
        m->setObjectName(navn);
        for (const Kliche &k : liste) {
            if (k.separatorFoer) m->addSeparator();
            QAction *a = m->addAction(QString::fromUtf8(k.tekst));
            a->setObjectName(QString::fromLatin1(k.navn));
            a->setStatusTip(QString::fromUtf8(k.hint));
            const QString navnet = QString::fromLatin1(k.navn);
            connect(a, &QAction::triggered, this, [this, navnet] { skrivKliche(navnet); });
        }
        return m;
    };
    PUtekst = klicheMenu(QStringLiteral("PUtekst"), tekstKlicheer());
    PUbillede = klicheMenu(QStringLiteral("PUbillede"), billedKlicheer());

    PUspecialtegn = new QMenu(this);
    PUspecialtegn->setObjectName(QStringLiteral("PUspecialtegn"));
    for (const Specialtegn &t : specialtegn()) {
        QAction *a = PUspecialtegn->addAction(t.tekst);
        a->setObjectName(t.navn);
        a->setStatusTip(t.hint);
        const QString entitet = t.entitet;
        connect(a, &QAction::triggered, this, [this, entitet] {
            hoved->taginf->UdskrivKode(entitet, QString());
            XYinfo();
        });
    }
    PUspecialtegn->addSeparator();
    PUspecialtegn->addAction(UdskiftSpecialtegn);
    PUspecialtegn->addAction(GendanSpecialtegn);

    PUkode = kontekstMenu(QStringLiteral("PUkode"), {aHtmlInfo, nullptr, aCssInfo, aJsInfo, nullptr,
                                                     ordbogUrl, googleUrl, nullptr});
    QAction *mInformation = PUkode->addAction(QStringLiteral("Information..."));
    mInformation->setObjectName(QStringLiteral("mInformation"));
    mInformation->setStatusTip(QStringLiteral("Information om redigeringsfunktioner"));
    connect(mInformation, &QAction::triggered, this,
            [] { hjaelp(QStringLiteral("Programmet"), QStringLiteral("Rediger")); });
}

QToolButton *Twinform::splitKnap(QWidget *forael, const QString &navn, const QString &tekst,
                                 const QString &hinttekst, QMenu *menu) {
    auto *b = new QToolButton(forael);
    b->setObjectName(navn);
    b->setText(tekst);
    hint(b, hinttekst);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::MenuButtonPopup);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QToolButton *Twinform::infoKodelinjeKnap(QWidget *forael) {
    auto *b = new QToolButton(forael);
    b->setObjectName(QStringLiteral("infoKodelinjeKnap"));
    b->setText(QStringLiteral("Info"));
    hint(b, QStringLiteral("Information om redskabslinjen"));
    connect(b, &QToolButton::clicked, this,
            [] { hjaelp(QStringLiteral("Programmet"), QStringLiteral("Html koder")); });
    return b;
}

void Twinform::skrivKliche(const QString &navn) {
    const Kliche *k = findKliche(navn);
    if (!k) return;
    if (PreviewCheck->isChecked()) {
        hjaelp(QStringLiteral("Programmet"), QString::fromLatin1(k->hjaelp));
        XYinfo();
        return;
    }
    QString billedlinje;
    if (k->bredde) {
        const QString valgt = Dialoger::vaelgBillede(this, hoved->billedStartmappe());
        if (valgt.isEmpty()) {
            XYinfo();
            return;
        }
        hoved->billedmappeBrugt(QFileInfo(valgt).absolutePath());
        const QString mappe = hoved->Struktur->Billedmappe();
        // Other pages may show a picture of the same name: it is never replaced.
        const QString navnet = Mapper::kopierBillede(valgt, mappe);
        if (navnet.isEmpty()) {
            Dialoger::fejl(QStringLiteral("Billedet \"%1\" kan ikke kopieres til \"%2\".")
                               .arg(valgt, mappe + QFileInfo(valgt).fileName()),
                           this);
            XYinfo();
            return;
        }
        billedlinje = QStringLiteral("<img src=\"../Billeder/") + navnet +
                      QStringLiteral("\" title=\"\" Alt=\"Billede\" style=\"width: ") +
                      QString::fromLatin1(k->bredde) + QStringLiteral(";\">");
    }
    UdskrivLinje(QString());
    for (const QString &linje : k->linjer)
        UdskrivLinje(linje == BILLEDE ? billedlinje : linje);
    XYinfo();
}

void Twinform::erstatMarkering(QString (*omdan)(const QString &)) {
    TRichEdit *e = hoved->taginf->editor();
    if (!e) return;
    if (e->SelLength() == 0) {
        Dialoger::info(QStringLiteral("Der skal vælges en tekst!"), this);
        return;
    }
    const int start = e->SelStart();
    const QString r = omdan(e->SelText());
    e->setSelText(r);
    e->setSelection(start, int(r.size()));
    e->setFocus();
}

void Twinform::UdskiftSpecialtegnExecute() {
    erstatMarkering(escape);
}
void Twinform::GendanSpecialtegnExecute() {
    erstatMarkering(gendan);
}

void Twinform::aSlutkodeExecute() {
    Tinfotag *tag = hoved->taginf;
    if (tag->GetTag().isEmpty()) {
        Dialoger::info(QStringLiteral("Der er ingen aktuel kode."), this);
        return;
    }
    if (!tag->PosData().Tag.isEmpty() && tag->PosData().CurPos == cpBetween &&
        !tag->UdskrivSlutkode())
        Dialoger::info(QStringLiteral("Koden blev ikke fundet"), this);
}

void Twinform::aHtmlInfoExecute() {
    Tinfotag *tag = hoved->taginf;
    const QString t = tag->GetTag();
    const QString a = tag->PosData().Attribut.toLower();
    if (tag->PosData().CurPos == cpBetween || a.isEmpty()) {
        hjaelp(QStringLiteral("Html5"), t);
    } else if (a != QLatin1String("style")) {
        hjaelp(QStringLiteral("Html5"), a);
    } else {
        const QString w = cssOrd(*tag);
        if (w.isEmpty())
            hjaelp(QStringLiteral("Html5"), QStringLiteral("Globale Attributter"));
        else
            hjaelp(QStringLiteral("CSS"), w);
    }
}

void Twinform::aCssInfoExecute() {
    hjaelp(QStringLiteral("CSS"), cssOrd(*hoved->taginf));
}
void Twinform::aJsInfoExecute() {
    const QString ord = hoved->taginf->FindOrdJs();
    hjaelp(QStringLiteral("JavaScript"), ord.isEmpty() ? hoved->taginf->FindTegnJs() : ord);
}

// The word rides as a query value: "#", "&" and "+" would otherwise cut or change it.
static QString somQuery(const QString &ord) {
    return QString::fromLatin1(QUrl::toPercentEncoding(ord));
}

void Twinform::ordbogUrlExecute() {
    Dialoger::aabnAdresse(QStringLiteral("https://ordnet.dk/ddo/ordbog?query=") +
                          somQuery(hoved->taginf->FindOrdDk()));
}

void Twinform::googleUrlExecute() {
    const QString w = Editor->SelLength() > 0 ? Editor->SelText() : hoved->taginf->FindOrdDk();
    Dialoger::aabnAdresse(QStringLiteral("https://www.google.com/search?q=") + somQuery(w));
}
