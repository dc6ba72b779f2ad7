// The settings page: the editors' font, the program's style and the HTML bar.
#include "mainform.h"

#include "core/startmappe.h"
#include "platform/tekstfil.h"

#include "app/vinduer.h"
#include "controls/fontsizebox.h"
#include "core/sammenlign.h"
#include "editor/stavemarkering.h"
#include "editor/win.h"
#include "forms/info.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/ikoner.h"
#include "platform/stilarter.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The fonts of the font menu, mFont1 to mFont8.
const QStringList menuFonte{QStringLiteral("Arial"),          QStringLiteral("Courier New"),
                            QStringLiteral("Georgia"),        QStringLiteral("Lucida Calligraphy"),
                            QStringLiteral("Lucida Console"), QStringLiteral("Segoe Print"),
                            QStringLiteral("Tahoma"),         QStringLiteral("Verdana")};

int indeksAf(const QComboBox *boks, const QString &tekst) {
    return boks->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A combo box entry chosen by the user counts; a typed text only when it names an entry.
void vedValg(QComboBox *boks, const std::function<void()> &handling) {
    QObject::connect(boks, &QComboBox::activated, boks, [handling] { handling(); });
    if (!boks->isEditable()) return;
    QObject::connect(boks->lineEdit(), &QLineEdit::textEdited, boks,
                     [boks, handling](const QString &tekst) {
                         const int i = indeksAf(boks, tekst);
                         if (i < 0) return;
                         {
                             const QSignalBlocker blokering(boks);
                             boks->setCurrentIndex(i);
                         }
                         handling();
                     });
}

} // namespace

QWidget *Tmainform::byggIndstillingsside() {
    auto *side4 = new QWidget;
    side4->setObjectName(QStringLiteral("side4"));
    auto *lodret = new QVBoxLayout(side4);
    auto knap = [side4](const QString &navn, const QString &hinttekst,
                        QStyle::StandardPixmap ikon) {
        auto *b = new QToolButton(side4);
        b->setObjectName(navn);
        b->setIcon(side4->style()->standardIcon(ikon));
        hint(b, hinttekst);
        return b;
    };

    auto *fontRaekke = new QHBoxLayout;
    auto *infoButFont = knap(QStringLiteral("infoButFont"), QStringLiteral("Information: Font"),
                             QStyle::SP_MessageBoxInformation);
    connect(infoButFont, &QToolButton::clicked, this,
            [] { infoform->HelpInfo(QStringLiteral("Programmet"), QStringLiteral("Egenskaber")); });
    fontRaekke->addWidget(infoButFont);
    fontRaekke->addWidget(new QLabel(QStringLiteral("Vælg font"), side4), 1);
    lodret->addLayout(fontRaekke);

    FontName = new QComboBox(side4);
    FontName->setObjectName(QStringLiteral("FontName"));
    FontName->setEditable(true);
    FontName->setInsertPolicy(QComboBox::NoInsert);
    vedValg(FontName, [this] { FontNameChange(); });
    lodret->addWidget(FontName);

    auto *stoerrelseRaekke = new QHBoxLayout;
    SizBox = new TFontSizeComboBox(side4);
    SizBox->setObjectName(QStringLiteral("SizBox"));
    SizBox->setMaxVisibleItems(24);
    connect(SizBox, &TFontSizeComboBox::OnChange, this, &Tmainform::SizBoxChange);
    stoerrelseRaekke->addWidget(SizBox, 1);

    auto *fontKnap = new QToolButton(side4);
    fontKnap->setObjectName(QStringLiteral("fontKnap"));
    fontKnap->setText(QStringLiteral("Hent font"));
    hint(fontKnap, QStringLiteral("Nogle fonte"));
    fontKnap->setPopupMode(QToolButton::InstantPopup);
    FontPU = new QMenu(fontKnap);
    FontPU->setObjectName(QStringLiteral("FontPU"));
    for (int i = 0; i < menuFonte.size(); ++i) {
        const QString fontnavn = menuFonte[i];
        QAction *a = FontPU->addAction(fontnavn);
        a->setObjectName(QStringLiteral("mFont%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, fontnavn] { mFontClick(fontnavn); });
    }
    fontKnap->setMenu(FontPU);
    stoerrelseRaekke->addWidget(fontKnap);

    auto *mfontHent = knap(QStringLiteral("mfontHent"), QStringLiteral("Hent gemte font"),
                           QStyle::SP_DialogOpenButton);
    connect(mfontHent, &QToolButton::clicked, this, &Tmainform::mfontHentClick);
    stoerrelseRaekke->addWidget(mfontHent);
    auto *mFontGem = knap(QStringLiteral("mFontGem"),
                          QStringLiteral("Gem nuværende fontnavn og størrelse som standardfont"),
                          QStyle::SP_DialogSaveButton);
    connect(mFontGem, &QToolButton::clicked, this, &Tmainform::mFontGemClick);
    stoerrelseRaekke->addWidget(mFontGem);
    lodret->addLayout(stoerrelseRaekke);

    lodret->addSpacing(12);
    lodret->addWidget(new QLabel(QStringLiteral("Vælg design"), side4));
    designBox = new QComboBox(side4);
    designBox->setObjectName(QStringLiteral("designBox"));
    vedValg(designBox, [this] { designBoxChange(); });
    lodret->addWidget(designBox);

    lodret->addSpacing(12);
    HtmlKoderCheck = new QCheckBox(QStringLiteral("Html koder"), side4);
    HtmlKoderCheck->setObjectName(QStringLiteral("HtmlKoderCheck"));
    hint(HtmlKoderCheck, QStringLiteral("Vælg om der skal vises html koder"));
    connect(HtmlKoderCheck, &QCheckBox::toggled, this, &Tmainform::HtmlKoderCheckClick);
    lodret->addWidget(HtmlKoderCheck);

    StavekontrolCheck = new QCheckBox(QStringLiteral("Stavekontrol"), side4);
    StavekontrolCheck->setObjectName(QStringLiteral("StavekontrolCheck"));
    connect(StavekontrolCheck, &QCheckBox::toggled, this, &Tmainform::StavekontrolCheckClick);
    lodret->addWidget(StavekontrolCheck);
    if (stavning->ordbogFindes()) {
        hint(StavekontrolCheck,
             QStringLiteral("Marker stavefejl i sidens tekst med en rød bølgelinje"));
    } else {
        // Without the dictionary there is nothing to switch on; say what to install.
        const QString mangler =
            QStringLiteral("Stavekontrol kræver den danske ordbog. Installer pakken %1.")
                .arg(Stavekontrol::ordbogspakke());
        StavekontrolCheck->setEnabled(false);
        hint(StavekontrolCheck, mangler);
        auto *hintLabel = new QLabel(mangler, side4);
        hintLabel->setObjectName(QStringLiteral("stavekontrolHint"));
        hintLabel->setWordWrap(true);
        lodret->addWidget(hintLabel);
    }
    FarverCheck = new QCheckBox(QStringLiteral("Farver i koden"), side4);
    FarverCheck->setObjectName(QStringLiteral("FarverCheck"));
    FarverCheck->setChecked(farver);
    hint(FarverCheck,
         QStringLiteral("Vis koder, attributter, værdier og kommentarer i hver sin farve"));
    connect(FarverCheck, &QCheckBox::toggled, this, &Tmainform::FarverCheckClick);
    lodret->addWidget(FarverCheck);

    PreviewSidenCheck = new QCheckBox(QStringLiteral("Preview ved siden af"), side4);
    PreviewSidenCheck->setObjectName(QStringLiteral("PreviewSidenCheck"));
    PreviewSidenCheck->setChecked(previewSiden);
    hint(PreviewSidenCheck,
         QStringLiteral("Vis siden ved siden af koden, mens du skriver, også før den er gemt"));
    connect(PreviewSidenCheck, &QCheckBox::toggled, this, &Tmainform::PreviewSidenCheckClick);
    lodret->addWidget(PreviewSidenCheck);
    byggSikkerhedsfelt(side4, lodret);
    byggHistorikfelt(side4, lodret);
    lodret->addStretch();

    auto *hpPanel04 = new QFrame(side4);
    hpPanel04->setObjectName(QStringLiteral("hpPanel04"));
    hpPanel04->setFrameShape(QFrame::StyledPanel);
    auto *panel = new QHBoxLayout(hpPanel04);
    auto *ikon = new QLabel(hpPanel04);
    ikon->setObjectName(QStringLiteral("Image1"));
    ikon->setPixmap(Ikoner::program().pixmap(48, 48));
    panel->addWidget(ikon);
    auto *versionTekst =
        new QLabel(QStringLiteral("Version information\nQuendra version 1.0\n2022"), hpPanel04);
    versionTekst->setObjectName(QStringLiteral("versionLabel"));
    panel->addWidget(versionTekst, 1);
    lodret->addWidget(hpPanel04);
    return side4;
}

void Tmainform::indstillingerVedStart() {
    loadDesign();
    OldFontname.clear();
    GetFontNames();
    FontFelter(bogstavName);
    FontFelterSize(bogstavName, bogstavSize);
}

void Tmainform::loadDesign() {
    if (designNavn.isEmpty()) designNavn = QStringLiteral("Sky");
    const QSignalBlocker blokering(designBox);
    designBox->clear();
    QStringList navne = Stilarter::navne();
    std::sort(navne.begin(), navne.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    designBox->addItems(navne);
    designBox->setCurrentIndex(designBox->findText(designNavn, Qt::MatchFixedString));
    designBox->setMaxVisibleItems(designBox->count());
}

void Tmainform::SetNewDesign(const QString &navn) {
    if (ensAZ(navn, designNavn)) return;
    designNavn = navn;
    if (!Stilarter::anvend(navn))
        Dialoger::fejl(QStringLiteral("Designet \"%1\" findes ikke.").arg(navn), this);
}

void Tmainform::newDesign() {
    if (designBox->currentIndex() < 0) return;
    if (!editorVinduer().isEmpty()) {
        Dialoger::info(QStringLiteral("Luk alle dokumenter og prøv igen!"), this);
        return;
    }
    SetNewDesign(designBox->currentText());
}

void Tmainform::designBoxChange() {
    newDesign();
}

void Tmainform::GetFontNames() {
    // Only what is installed: a menu font missing here would be drawn as a stand-in.
    QStringList navne = QFontDatabase::families();
    for (QAction *a : FontPU->actions()) {
        const bool installeret = navne.contains(a->text());
        a->setEnabled(installeret);
        a->setStatusTip(installeret ? QString() : QStringLiteral("Fonten er ikke installeret"));
    }
    std::sort(navne.begin(), navne.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker blokering(FontName);
    FontName->clear();
    FontName->addItems(navne);
}

void Tmainform::FontFelter(const QString &fontnavn) {
    if (fontnavn == OldFontname) return;
    OldFontname = fontnavn;
    if (FontName->count() == 0) return;
    const QSignalBlocker blokering(FontName);
    FontName->setCurrentIndex(indeksAf(FontName, fontnavn));
    // A font that is not installed is still the one the editors were given: the box names it.
    if (FontName->currentIndex() < 0) FontName->setEditText(fontnavn);
}

int Tmainform::FontFelterSize(const QString &fontnavn, int stoerrelse) {
    if (fontnavn != OldFontSizname) {
        SizBox->SetFontName(fontnavn);
        OldFontSizname = fontnavn;
    }
    const QSignalBlocker blokering(SizBox);
    const int i = indeksAf(SizBox, QString::number(stoerrelse));
    SizBox->setCurrentIndex(i >= 0 ? i : (SizBox->count() > 0 ? 0 : -1));
    return SizBox->currentIndex() >= 0 ? SizBox->currentText().toInt() : 0;
}

int Tmainform::FontNewFont(const QString &fontnavn, int stoerrelse) {
    int resultat = bogstavSize;
    for (Twinform *w : editorVinduer()) {
        for (TRichEdit *e : {w->Editor, w->EditorDesign, w->EditorFunktioner}) {
            if (!fontnavn.isEmpty()) e->setFontNavn(fontnavn);
            if (stoerrelse > 0) e->setFontStoerrelse(stoerrelse);
        }
        resultat = w->Editor->FontStoerrelse();
    }
    return resultat;
}

void Tmainform::FontNameChange() {
    if (FontName->currentIndex() < 0) return;
    const QString navn = FontName->itemText(FontName->currentIndex());
    const int brugt = FontNewFont(navn, 0);
    const int tilbudt = FontFelterSize(navn, brugt);
    // A font without sizes of its own keeps the size in use.
    if (tilbudt > 0 && tilbudt != brugt) FontNewFont(navn, tilbudt);
    OldFontname = navn;
}

void Tmainform::SizBoxChange() {
    if (SizBox->currentIndex() < 0) return;
    FontNewFont(QString(), SizBox->currentText().toInt());
}

void Tmainform::mFontClick(const QString &fontnavn) {
    FontFelter(fontnavn);
    FontNameChange();
}

void Tmainform::mFontGemClick() {
    // Only what the lists offer becomes the standard; a half-typed text is not a font.
    if (indeksAf(FontName, FontName->currentText()) >= 0) bogstavName = FontName->currentText();
    const int stoerrelse = SizBox->currentText().toInt();
    if (indeksAf(SizBox, SizBox->currentText()) >= 0 && stoerrelse > 0) bogstavSize = stoerrelse;
}

void Tmainform::mfontHentClick() {
    FontFelterSize(bogstavName, bogstavSize);
    SizBoxChange();
    FontFelter(bogstavName);
    FontNameChange();
}

void Tmainform::HtmlKoderCheckClick() {
    visHtmlBar = HtmlKoderCheck->isChecked();
    for (Twinform *w : editorVinduer())
        w->HtmlBar->setVisible(visHtmlBar);
}

void Tmainform::visStavekontrol() {
    {
        const QSignalBlocker blokering(StavekontrolCheck);
        StavekontrolCheck->setChecked(stavekontrol && stavning->ordbogFindes());
    }
    stavning->saetSlaaetTil(stavekontrol);
}

void Tmainform::FarverCheckClick() {
    farver = FarverCheck->isChecked();
    for (Twinform *w : editorVinduer())
        w->saetFarver(farver);
}

void Tmainform::PreviewSidenCheckClick() {
    previewSiden = PreviewSidenCheck->isChecked();
    for (Twinform *w : editorVinduer())
        w->visPreviewSiden(previewSiden);
}

void Tmainform::StavekontrolCheckClick() {
    // The stored choice stays while the dictionary is missing.
    if (!stavning->ordbogFindes()) return;
    stavekontrol = StavekontrolCheck->isChecked();
    stavning->saetSlaaetTil(stavekontrol);
}

static QString billedmappeFil(const QString &optDir) {
    return optDir + QStringLiteral("billedmappe.txt");
}

QString Tmainform::billedStartmappe() const {
    QString sidst;
    try {
        if (QFileInfo::exists(billedmappeFil(optDir)))
            sidst = Tekstfil::laesLinjer(billedmappeFil(optDir)).value(0);
    } catch (const Tekstfil::FilFejl &) {
        // An unreadable note of the last folder just means none.
    }
    return ::billedStartmappe(
        sidst, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath(),
        [](const QString &m) { return QFileInfo(m).isDir(); });
}

void Tmainform::billedmappeBrugt(const QString &mappe) {
    Dialoger::kommando([&] { Tekstfil::skriv(billedmappeFil(optDir), {mappe}); }, this);
}
