#include "struktur.h"

#include "core/historiktekst.h"
#include "core/slettedesider.h"
#include "platform/historik.h"
#include "platform/mapper.h"

#include "platform/ikoner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStyle>

namespace {

// Sorts by the tree's locale-aware text order instead of plain code points.
class Element : public QTreeWidgetItem {
public:
    explicit Element(const QString &tekst)
        : QTreeWidgetItem(UserType) {
        setText(0, tekst);
    }

    bool operator<(const QTreeWidgetItem &andet) const override {
        if (auto *trae = qobject_cast<TStruktur *>(treeWidget()))
            return trae->foer(text(0), andet.text(0));
        return QTreeWidgetItem::operator<(andet);
    }
};

bool erBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

TStruktur::TStruktur(QWidget *parent)
    : QTreeWidget(parent)
    , m_billeder(Ikoner::trae(0))
    , m_collator(QLocale()) {
    setAccessibleName(QStringLiteral("Struktur"));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

TStruktur::~TStruktur() = default;

void TStruktur::setBilleder(const QList<QIcon> &billeder) {
    m_billeder = billeder;
    gennemgaa([this](QTreeWidgetItem *e, int) {
        saetIkon(e, ikonArt(e));
        return true;
    });
}

// --- element data ---------------------------------------------------------

QString TStruktur::dataStreng(const QTreeWidgetItem *element) {
    return element->data(0, DataRolle).toString();
}

bool TStruktur::harData(const QTreeWidgetItem *element) {
    return element->data(0, DataRolle).isValid();
}

QString TStruktur::sideNavn(const QTreeWidgetItem *element) {
    return dataStreng(element).mid(1);
}

bool TStruktur::gyldigtSidenavn(const QString &navn) {
    return !navn.contains(u'/') && !navn.contains(u'\\') && navn != u"." && navn != u"..";
}

QString TStruktur::ugyldigtSidenavn(const QString &navn) {
    return QStringLiteral("Sidenavnet \"%1\" peger uden for sidemappen og bruges ikke.").arg(navn);
}

int TStruktur::ikonArt(const QTreeWidgetItem *element) {
    const QVariant v = element->data(0, IkonRolle);
    return v.isValid() ? v.toInt() : -1;
}

void TStruktur::saetIkon(QTreeWidgetItem *element, int art) {
    element->setData(0, IkonRolle, art);
    element->setIcon(0, art >= 0 && art < m_billeder.size() ? m_billeder[art] : QIcon());
}

void TStruktur::saetData(QTreeWidgetItem *element, const QString &Data, int Index) {
    if (FDataOn) {
        // The data file keeps the icon kind as one digit.
        const int art = std::clamp(Index, 0, 9);
        element->setData(0, DataRolle, QString::number(art) + Data);
        saetIkon(element, art);
    } else {
        saetIkon(element, -1);
    }
}

// --- traversal ------------------------------------------------------------

void TStruktur::gennemgaa(const std::function<bool(QTreeWidgetItem *, int)> &besoeg) const {
    struct Trin {
        QTreeWidgetItem *forael;
        int naeste;
    };
    QList<Trin> stak{{invisibleRootItem(), 0}};
    while (!stak.isEmpty()) {
        Trin &t = stak.last();
        if (t.naeste >= t.forael->childCount()) {
            stak.removeLast();
            continue;
        }
        QTreeWidgetItem *e = t.forael->child(t.naeste++);
        if (!besoeg(e, int(stak.size()) - 1)) return;
        if (e->childCount() > 0) stak.append({e, 0});
    }
}

QList<QTreeWidgetItem *> TStruktur::elementer() const {
    QList<QTreeWidgetItem *> ud;
    gennemgaa([&ud](QTreeWidgetItem *e, int) {
        ud.append(e);
        return true;
    });
    return ud;
}

int TStruktur::antal() const {
    int n = 0;
    gennemgaa([&n](QTreeWidgetItem *, int) {
        ++n;
        return true;
    });
    return n;
}

QTreeWidgetItem *TStruktur::elementVed(int index) const {
    QTreeWidgetItem *fundet = nullptr;
    if (index < 0) return nullptr;
    int i = 0;
    gennemgaa([&](QTreeWidgetItem *e, int) {
        if (i++ < index) return true;
        fundet = e;
        return false;
    });
    return fundet;
}

QString TStruktur::tekstVed(int index) const {
    const QTreeWidgetItem *e = elementVed(index);
    return e ? e->text(0) : QString();
}

bool TStruktur::vaelgVed(int index) {
    QTreeWidgetItem *e = elementVed(index);
    if (!e) return false;
    vaelg(e);
    return true;
}

QTreeWidgetItem *TStruktur::valgtElement() const {
    QTreeWidgetItem *e = currentItem();
    return e && e->isSelected() ? e : nullptr;
}

void TStruktur::ryd() {
    slutFlyt();
    clear();
    FModified = false;
    m_ufuldstaendig = false; // a deliberate fresh start may be saved
}

void TStruktur::vaelg(QTreeWidgetItem *element) {
    setCurrentItem(element);
    scrollToItem(element); // also unfolds its ancestors
}

// --- files ----------------------------------------------------------------

bool TStruktur::HentStruktur() {
    slutFlyt();
    // The old tree goes first: should the read fail, nothing of it may stay on
    // screen under the new paths, and nothing may be saved over them.
    clear();
    FModified = false;
    m_kodning = Tekstfil::Kodning::Ansi;
    if (!QFileInfo(FStrukturfile).isFile()) {
        m_ufuldstaendig = false;
        return false;
    }
    m_ufuldstaendig = true;
    const Tekstfil::Indhold indhold = Tekstfil::laes(FStrukturfile);
    m_kodning = indhold.kodning;
    laesTrae(indhold.linjer);
    if (FDataOn) laesData();
    m_ufuldstaendig = false;
    FModified = false;
    viewport()->update();
    return true;
}

void TStruktur::laesTrae(const QStringList &linjer) {
    // The path from a top-level element down to the last line's element,
    // with each line's own level count.
    struct Led {
        int niveau;
        QTreeWidgetItem *element;
    };
    QList<Led> sti;
    QList<QTreeWidgetItem *> top;
    for (const QString &linje : linjer) {
        int niveau = 0;
        while (niveau < linje.size() && erBlank(linje[niveau]))
            ++niveau;
        const QString tekst = linje.mid(niveau);
        if (!sti.isEmpty() && niveau > sti.last().niveau + 1) {
            addTopLevelItems(top);
            throw StrukturFejl(
                FStrukturfile,
                QStringLiteral("Invalid level (%1) for item \"%2\"").arg(niveau).arg(tekst));
        }
        auto *e = new Element(tekst);
        if (!sti.isEmpty() && niveau == sti.last().niveau + 1) {
            sti.last().element->addChild(e);
            sti.append({niveau, e});
            continue;
        }
        while (!sti.isEmpty() && sti.last().niveau > niveau)
            sti.removeLast();
        if (sti.isEmpty()) {
            top.append(e);
            sti.append({niveau, e});
        } else {
            // A sibling of the nearest earlier element of this level.
            if (QTreeWidgetItem *forael = sti.last().element->parent())
                forael->addChild(e);
            else
                top.append(e);
            sti.last().element = e;
        }
    }
    addTopLevelItems(top);
}

void TStruktur::laesData() {
    if (FDatafile.isEmpty()) return;
    const QList<QTreeWidgetItem *> alle = elementer();
    if (!QFileInfo(FDatafile).isFile()) {
        if (alle.isEmpty()) return;
        QStringList linjer;
        linjer.reserve(alle.size());
        for (const QTreeWidgetItem *e : alle)
            linjer.append(u'0' + e->text(0));
        Tekstfil::skriv(FDatafile, linjer);
    }
    const QStringList linjer = Tekstfil::laesLinjer(FDatafile);
    for (qsizetype i = 0; i < alle.size(); ++i) {
        if (i >= linjer.size()) {
            // The tree itself is whole; saving may fill in the missing lines.
            m_ufuldstaendig = false;
            FModified = false;
            throw StrukturFejl(FDatafile, QStringLiteral("List index out of bounds (%1)").arg(i));
        }
        const QString &linje = linjer[i];
        // A line without its digit keeps the whole line as page name.
        const bool medArt = !linje.isEmpty() && linje[0] >= u'0' && linje[0] <= u'9';
        const int art = medArt ? linje[0].unicode() - u'0' : 0;
        alle[i]->setData(0, DataRolle, medArt ? linje : u'0' + linje);
        saetIkon(alle[i], art);
    }
}

bool TStruktur::GemStruktur() {
    if (FStrukturfile.isEmpty()) return false;
    if (FDataOn && FDatafile.isEmpty()) return false;
    if (m_ufuldstaendig) return false;
    QStringList trae, data;
    gennemgaa([&](QTreeWidgetItem *e, int niveau) {
        trae.append(QString(niveau, u'\t') + e->text(0));
        data.append(harData(e) ? dataStreng(e) : QStringLiteral("0"));
        return true;
    });
    // The data file's lines belong to the tree's: both are replaced or neither.
    QList<Tekstfil::Fil> filer;
    if (FDataOn) filer.append({FDatafile, data});
    filer.append({FStrukturfile, trae, m_kodning});
    Tekstfil::skrivAlle(filer);
    FModified = false;
    return true;
}

// --- editing --------------------------------------------------------------

void TStruktur::placer(QTreeWidgetItem *element, QTreeWidgetItem *ref, TNodeAttachMode mode) {
    QTreeWidgetItem *forael = ref->parent() ? ref->parent() : invisibleRootItem();
    switch (mode) {
    case naAdd:
        forael->addChild(element);
        break;
    case naAddFirst:
        forael->insertChild(0, element);
        break;
    case naAddChild:
        ref->addChild(element);
        break;
    case naAddChildFirst:
        ref->insertChild(0, element);
        break;
    case naInsert:
        forael->insertChild(forael->indexOfChild(ref), element);
        break;
    }
}

void TStruktur::efterAendring(bool sorter, bool gem) {
    if (sorter) {
        AlphaSort(true);
        FModified = true;
    } else if (gem) {
        FModified = true; // stays set should the save fail
        GemStruktur();
    } else {
        FModified = true;
    }
}

void TStruktur::kraevHel() const {
    if (!m_ufuldstaendig) return;
    throw StrukturFejl(FStrukturfile,
                       QStringLiteral("Strukturen i \"%1\" blev kun delvist indlæst, så den "
                                      "hverken gemmes, udvides, slettes i eller sorteres. "
                                      "Filerne er ikke ændret.")
                           .arg(FStrukturfile));
}

void TStruktur::NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter,
                       bool gem) {
    if (Tekst.isEmpty()) return;
    kraevHel();
    auto *e = new Element(Tekst);
    if (topLevelItemCount() == 0) {
        addTopLevelItem(e);
    } else {
        QTreeWidgetItem *ref = valgtElement();
        placer(e, ref ? ref : topLevelItem(0), FFlytmode);
    }
    saetData(e, Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter,
                            bool gem) {
    QTreeWidgetItem *e = valgtElement();
    if (Tekst.isEmpty() || !e) return;
    kraevHel();
    e->setText(0, Tekst);
    saetData(e, Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::SletNode() {
    QTreeWidgetItem *valgt = valgtElement();
    if (!valgt) return;
    kraevHel(); // its pages would go while the files still list them
    QList<QTreeWidgetItem *> sider;
    for (int i = 0; i < valgt->childCount(); ++i)
        sider.append(valgt->child(i));
    sider.append(valgt);
    int slettede = 0;
    for (const QTreeWidgetItem *e : sider) {
        if (!harData(e) || !gyldigtSidenavn(sideNavn(e))) continue;
        const QString fil = FInfomappe + sideNavn(e) + QStringLiteral(".html");
        // A page that cannot go to the trash keeps its element.
        if (!QFileInfo(fil).isFile()) continue;
        if (!FileDeleteRB(fil))
            throw Tekstfil::FilFejl(fil,
                                    QStringLiteral("Siden \"%1\" kunne ikke lægges i "
                                                   "papirkurven, så elementet er ikke slettet.")
                                        .arg(QDir::toNativeSeparators(fil)));
        if (e != valgt) ++slettede;
    }
    Historik::beskriv(Historiktekst::sletning(valgt->text(0), slettede));
    slutFlyt();
    delete valgt;
    FModified = true;
}

bool TStruktur::FileDeleteRB(const QString &AFileName) {
    if (AFileName.isEmpty() || !QFileInfo::exists(AFileName)) return false;
    if (!Mapper::tilPapirkurv(AFileName)) return false;
    Historik::aendret(AFileName);
    return true;
}

QTreeWidgetItem *TStruktur::GendanSlettet(const QString &repo, const QString &commit,
                                          const QString &side) {
    kraevHel();
    const QDir bruger(QFileInfo(repo).path());
    auto ved = [&](const QString &fil) {
        return Historik::indholdVed(repo, commit, bruger.relativeFilePath(fil));
    };
    auto linjer = [&](const QString &fil) {
        return Tekstfil::splitLinjer(Tekstfil::dekod(ved(fil)));
    };
    const SlettedeSider::Placering p = SlettedeSider::placering(
        SlettedeSider::trae(linjer(FStrukturfile), linjer(FDatafile)), side);
    if (p.gren.isEmpty()) return nullptr;

    // The pages first: should one fail, the tree does not yet name it.
    int underliggende = 0;
    for (const SlettedeSider::Element &e : p.gren) {
        const QString navn = SlettedeSider::sideNavn(e);
        if (!gyldigtSidenavn(navn) || findSide(navn)) continue;
        const QString fil = FInfomappe + navn + QStringLiteral(".html");
        if (QFileInfo::exists(fil)) continue; // never over a page written since
        const QByteArray bytes = ved(fil);
        if (bytes.isEmpty()) continue;
        Tekstfil::skrivBytes(fil, bytes);
        if (e.niveau > 0) ++underliggende;
    }

    QTreeWidgetItem *forael = findSide(p.foraelder);
    if (!forael) forael = topLevelItemCount() > 0 ? topLevelItem(0) : invisibleRootItem();
    int plads = forael->childCount();
    for (const QString &efter : p.efterfoelger)
        if (QTreeWidgetItem *e = findSide(efter); e && e->parent() == forael) {
            plads = forael->indexOfChild(e);
            break;
        }
    // The elements of each level from the top down; one already in the tree
    // (put back on its own before) takes the elements under it.
    QList<QTreeWidgetItem *> sti;
    for (const SlettedeSider::Element &e : p.gren) {
        const QString navn = SlettedeSider::sideNavn(e);
        QTreeWidgetItem *element = navn.isEmpty() ? nullptr : findSide(navn);
        if (!element) {
            element = new Element(e.tekst);
            element->setData(0, DataRolle, e.data);
            saetIkon(element, e.data[0].unicode() - u'0');
            if (e.niveau == 0)
                forael->insertChild(plads, element);
            else
                sti.value(e.niveau - 1, forael)->addChild(element);
        }
        sti.resize(e.niveau);
        sti.append(element);
    }
    Historik::beskriv(Historiktekst::gendannelse(p.gren.first().tekst, underliggende));
    FModified = true;
    GemStruktur();
    vaelg(sti.first());
    return sti.first();
}

void TStruktur::AlphaSort(bool rekursiv) {
    kraevHel();
    m_collator = QCollator(QLocale());
    // The model's own sort keeps selection and expanded elements in place.
    if (rekursiv)
        sortItems(0, Qt::AscendingOrder);
    else
        invisibleRootItem()->sortChildren(0, Qt::AscendingOrder);
}

bool TStruktur::foer(const QString &a, const QString &b) const {
    return m_collator.compare(a, b) < 0;
}

// --- look-up --------------------------------------------------------------

QString TStruktur::SelectedData() const {
    const QTreeWidgetItem *e = valgtElement();
    if (!FDataOn || !e || !harData(e)) return {};
    return sideNavn(e);
}

QTreeWidgetItem *TStruktur::findSide(const QString &DataUrl) const {
    const QString noegle = bartNavn(DataUrl);
    QTreeWidgetItem *fundet = nullptr;
    gennemgaa([&](QTreeWidgetItem *e, int) {
        if (harData(e) && sideNavn(e) == noegle) fundet = e;
        return fundet == nullptr;
    });
    return fundet;
}

bool TStruktur::setSelected(const QString &DataUrl) {
    if (!FDataOn) return false;
    QTreeWidgetItem *e = findSide(DataUrl);
    if (!e || e == valgtElement()) return false;
    vaelg(e);
    return true;
}

QString TStruktur::getNodeTekst(const QString &DataUrl) {
    if (!FDataOn) return {};
    QTreeWidgetItem *e = findSide(DataUrl);
    if (!e) return {};
    if (e != valgtElement()) vaelg(e);
    return e->text(0);
}

int TStruktur::getTheSelectedIndex() const {
    const QTreeWidgetItem *valgt = valgtElement();
    int i = -1;
    bool fundet = false;
    gennemgaa([&](QTreeWidgetItem *e, int) {
        ++i;
        fundet = e == valgt;
        return !fundet;
    });
    return i;
}

// --- moving with the mouse ------------------------------------------------

void TStruktur::slutFlyt() {
    if (MouseDown) viewport()->unsetCursor();
    MouseDown = false;
    NodeDown = QPersistentModelIndex();
    NodeUp = QPersistentModelIndex();
}

void TStruktur::MusDown(int X, int Y) {
    if (MouseDown) {
        slutFlyt();
        return;
    }
    QTreeWidgetItem *e = itemAt(X, Y);
    NodeDown = e ? QPersistentModelIndex(indexFromItem(e)) : QPersistentModelIndex();
    if (e && e != topLevelItem(0)) {
        MouseDown = true;
        viewport()->setCursor(Qt::PointingHandCursor);
    }
}

void TStruktur::MusUp(int X, int Y, bool somGrundnode) {
    if (!MouseDown) return;
    QTreeWidgetItem *ned = NodeDown.isValid() ? itemFromIndex(NodeDown) : nullptr;
    slutFlyt();
    QTreeWidgetItem *op = itemAt(X, Y);
    if (!op || !ned || op == ned) return;
    NodeUp = QPersistentModelIndex(indexFromItem(op));
    if (somGrundnode)
        flyt(ned, topLevelItem(0), naInsert);
    else
        flyt(ned, op, FFlytmode);
    FModified = true;
}

void TStruktur::flyt(QTreeWidgetItem *element, QTreeWidgetItem *ref, TNodeAttachMode mode) {
    // A target inside the moved subtree has no place to go.
    for (QTreeWidgetItem *p = ref; p; p = p->parent())
        if (p == element) return;
    QTreeWidgetItem *valgt = valgtElement();
    QList<QTreeWidgetItem *> udfoldet;
    QList<QTreeWidgetItem *> stak{element};
    while (!stak.isEmpty()) {
        QTreeWidgetItem *e = stak.takeLast();
        if (e->isExpanded()) udfoldet.append(e);
        for (int i = 0; i < e->childCount(); ++i)
            stak.append(e->child(i));
    }
    QTreeWidgetItem *forael = element->parent() ? element->parent() : invisibleRootItem();
    forael->takeChild(forael->indexOfChild(element));
    placer(element, ref, mode);
    for (QTreeWidgetItem *e : udfoldet)
        e->setExpanded(true);
    if (valgt) setCurrentItem(valgt);
}

// "C:\x\tekstfiler\03 Marts.html" and "03 Marts" both give "03 Marts".
QString TStruktur::bartNavn(const QString &url) {
    const qsizetype skille = std::max(url.lastIndexOf(u'/'), url.lastIndexOf(u'\\'));
    QString navn = url.mid(skille + 1);
    const qsizetype punktum = navn.lastIndexOf(u'.');
    if (punktum >= 0) navn.truncate(punktum);
    return navn;
}
