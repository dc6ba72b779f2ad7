// The search page: a word is looked for in every file of the loaded structure's
// page folder, or of every structure's, and the pages that hold it are listed
// by their page names.
#include "mainform.h"

#include "app/vinduer.h"
#include "controls/listeraekke.h"
#include "controls/struktur.h"
#include "core/ordsoegning.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int raekkeHoejde = 21;
// A hit's own page, whichever structure the tree shows when it is opened.
constexpr int sideRolle = Qt::UserRole + 1;

// The line of the text that holds position i, without its line break.
QString linjenVed(const QString &tekst, qsizetype i) {
    qsizetype start = i;
    while (start > 0 && tekst[start - 1] != u'\n' && tekst[start - 1] != u'\r')
        --start;
    qsizetype slut = i;
    while (slut < tekst.size() && tekst[slut] != u'\n' && tekst[slut] != u'\r')
        ++slut;
    return tekst.mid(start, slut - start).trimmed();
}

// The hit list opens the selected hit on Enter as on a double click.
class Findliste : public QListWidget {
public:
    Findliste(QWidget *forael, std::function<void()> aabn)
        : QListWidget(forael)
        , m_aabn(std::move(aabn)) {}

protected:
    void keyPressEvent(QKeyEvent *e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            m_aabn();
            return;
        }
        QListWidget::keyPressEvent(e);
    }

private:
    std::function<void()> m_aabn;
};

} // namespace

QWidget *Tmainform::byggSoegeside() {
    auto *side3 = new QWidget;
    side3->setObjectName(QStringLiteral("side3"));
    auto *lodret = new QVBoxLayout(side3);

    const QString soegHint =
        QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter");
    aSearch = nyHandling(QStringLiteral("aSearch"), QStringLiteral("Søg"), soegHint,
                         QKeySequence(QStringLiteral("Ctrl+S")));
    aSearch->setProperty("kategori", QStringLiteral("Søg"));
    // The editor windows save with Ctrl+S; the search answers it only on this page.
    removeAction(aSearch);
    side3->addAction(aSearch);
    aSearch->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    aSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(aSearch, &QAction::triggered, this, &Tmainform::aSearchExecute);

    auto *linje = new QHBoxLayout;
    EditFind = new QLineEdit(side3);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    EditFind->setAccessibleName(QStringLiteral("Søgeord"));
    connect(EditFind, &QLineEdit::textChanged, this, &Tmainform::aSearchUpdate);
    connect(EditFind, &QLineEdit::returnPressed, this, [this] {
        aSearchUpdate();
        if (aSearch->isEnabled()) aSearchExecute();
    });
    linje->addWidget(EditFind, 1);
    sButton = new QToolButton(side3);
    sButton->setObjectName(QStringLiteral("sButton"));
    sButton->setDefaultAction(aSearch);
    hint(sButton, soegHint);
    linje->addWidget(sButton);
    lodret->addLayout(linje);
    AlleAarCheck = new QCheckBox(QStringLiteral("Alle år"), side3);
    AlleAarCheck->setObjectName(QStringLiteral("AlleAarCheck"));
    hint(AlleAarCheck, QStringLiteral("Søg i alle år og alle strukturer i dagbogen"));
    connect(AlleAarCheck, &QCheckBox::toggled, this, &Tmainform::aSearchUpdate);
    lodret->addWidget(AlleAarCheck);

    Findis = new Findliste(side3, [this] { FindisDblClick(); });
    Findis->setObjectName(QStringLiteral("Findis"));
    Findis->setAccessibleName(QStringLiteral("Fundne sider"));
    Findis->setSelectionMode(QAbstractItemView::SingleSelection);
    Findis->setItemDelegate(new TListeRaekke(raekkeHoejde, Findis));
    Findis->setUniformItemSizes(true);
    connect(Findis, &QListWidget::itemDoubleClicked, this, [this] { FindisDblClick(); });
    lodret->addWidget(Findis, 1);

    aSearch->setEnabled(false);
    return side3;
}

void Tmainform::aSearchUpdate() {
    aSearch->setEnabled(!EditFind->text().isEmpty() &&
                        (Struktur->antal() > 0 || AlleAarCheck->isChecked()));
}

void Tmainform::aSearchExecute() {
    FindTekst(EditFind->text());
}

// The page folders searched: the tree's, or with "Alle år" every structure's,
// in name order, each with the structure's name for its hits.
QList<QPair<QString, QString>> Tmainform::soegemapper() const {
    QList<QPair<QString, QString>> mapper;
    if (!AlleAarCheck->isChecked()) {
        const QString mappe = Struktur->Infomappe();
        // An empty folder name would mean the working folder: that is no page folder.
        if (!mappe.isEmpty() && QDir(mappe).exists()) mapper.append({mappe, QString()});
        return mapper;
    }
    const QStringList navne =
        QDir(strukturDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &navn : navne) {
        const QString mappe = strukturDir + navn + QStringLiteral("/tekstfiler/");
        if (QDir(mappe).exists()) mapper.append({mappe, navn});
    }
    return mapper;
}

void Tmainform::FindTekst(const QString &ord) {
    const QList<QPair<QString, QString>> mapper = soegemapper();
    if (mapper.isEmpty()) {
        Dialoger::info(QStringLiteral("Filerne blev ikke fundet."), this);
        return;
    }
    Findis->clear();
    Findis->repaint();
    if (ord.isEmpty()) {
        Dialoger::info(QStringLiteral("Der mangler en søgetekst."), this);
        return;
    }
    Timeglas vent;
    const QString moenster = Ordsoegning::foldet(ord);
    for (const auto &[mappe, struktur] : mapper)
        if (FindDokumenter(mappe, struktur, moenster) < 0) break;
}

// The hits keep the order in which the file system lists the folder. A file
// that cannot be read ends the search (-1); the hits so far stay.
int Tmainform::FindDokumenter(const QString &mappe, const QString &struktur,
                              const QString &moenster) {
    int fund = 0;
    QDirIterator it(mappe, {QStringLiteral("*")},
                    QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString sti = it.next();
        if (!it.fileInfo().isFile()) continue;
        const int svar = InsertInList(sti, struktur, moenster);
        if (svar < 0) return -1;
        fund += svar;
    }
    return fund;
}

// The file's text is searched as it lies on disk, markup included, by the
// editor's own find rule, without loading it into an editor.
int Tmainform::InsertInList(const QString &sti, const QString &struktur, const QString &moenster) {
    static const Ordsoegning::EnByteSoegning ansi(&Tekstfil::fraAnsi);
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = f.readAll();
    QString tekst;
    qsizetype hit;
    if (Tekstfil::kodningAf(data) != Tekstfil::Kodning::Ansi) {
        tekst = Tekstfil::dekod(data);
        hit = Ordsoegning::find(tekst, Ordsoegning::foldet(tekst), moenster, 0, tekst.size(), true);
    } else {
        hit = ansi.find(data, moenster);
        if (hit >= 0) tekst = Tekstfil::dekod(data);
    }
    if (hit < 0) return 0;
    const QString side = TStruktur::bartNavn(sti);
    auto *raekke =
        new QListWidgetItem(struktur.isEmpty() ? side : struktur + QStringLiteral(": ") + side);
    raekke->setData(sideRolle, QFileInfo(sti).path() + u'/' + side + QStringLiteral(".html"));
    raekke->setToolTip(linjenVed(tekst, hit));
    Findis->addItem(raekke);
    return 1;
}

void Tmainform::FindisDblClick() {
    const QListWidgetItem *raekke = Findis->currentItem();
    if (!raekke || !raekke->isSelected()) return;
    htmlFilnavn = raekke->data(sideRolle).toString();
    Dialoger::kommando([this] { openwin(htmlFilnavn); }, this);
}
