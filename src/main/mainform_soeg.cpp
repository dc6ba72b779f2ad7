// The search page: a word is looked for in every file of the loaded structure's
// page folder, and the pages that hold it are listed by their page names.
#include "mainform.h"

#include "app/vinduer.h"
#include "controls/listeraekke.h"
#include "controls/struktur.h"
#include "forms/find.h"
#include "hint.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/timeglas.h"
#include "platform/trichedit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int raekkeHoejde = 21;

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

    Findis = new Findliste(side3, [this] { FindisDblClick(); });
    Findis->setObjectName(QStringLiteral("Findis"));
    Findis->setSelectionMode(QAbstractItemView::SingleSelection);
    Findis->setItemDelegate(new TListeRaekke(raekkeHoejde, Findis));
    Findis->setUniformItemSizes(true);
    connect(Findis, &QListWidget::itemDoubleClicked, this, [this] { FindisDblClick(); });
    lodret->addWidget(Findis, 1);

    aSearch->setEnabled(false);
    return side3;
}

void Tmainform::aSearchUpdate() {
    aSearch->setEnabled(!EditFind->text().isEmpty() && Struktur->antal() > 0);
}

void Tmainform::aSearchExecute() {
    FindTekst(EditFind->text());
}

void Tmainform::FindTekst(const QString &ord) {
    const QString mappe = Struktur->Infomappe();
    // An empty folder name would mean the working folder: that is no page folder.
    if (mappe.isEmpty() || !QDir(mappe).exists()) {
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
    FindDokumenter(ord);
}

int Tmainform::FindDokumenter(const QString &ord) {
    const QString mappe = Struktur->Infomappe();
    int fund = 0;
    // The hits keep the order in which the file system lists the folder.
    QDirIterator it(mappe, {QStringLiteral("*")},
                    QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    try {
        while (it.hasNext()) {
            const QString sti = it.next();
            if (QFileInfo(sti).isFile() && InsertInList(sti, ord)) ++fund;
        }
    } catch (const Tekstfil::FilFejl &) {
        // A file that cannot be read ends the search; the hits so far stay.
    }
    return fund;
}

bool Tmainform::InsertInList(const QString &sti, const QString &ord) {
    TRichEdit *RE = editform->RE;
    RE->LoadFromFile(sti);
    if (RE->FindText(ord, 0, RE->document()->characterCount(), true, true) < 0) return false;
    Findis->addItem(TStruktur::bartNavn(sti));
    return true;
}

void Tmainform::FindisDblClick() {
    const QListWidgetItem *raekke = Findis->currentItem();
    if (!raekke || !raekke->isSelected()) return;
    htmlFilnavn = Struktur->Infomappe() + raekke->text() + QStringLiteral(".html");
    Dialoger::kommando([this] { openwin(htmlFilnavn); }, this);
}
