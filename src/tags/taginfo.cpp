#include "taginfo.h"

#include "platform/tekstfil.h"
#include "platform/timeglas.h"
#include "platform/trichedit.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QMetaMethod>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

const QString rodTekst = QStringLiteral("Hjemmeside");

bool erBogstavEllerCiffer(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The tag name after a '<' (or after the slash of an end tag): up to a space,
// '>', CR, '<' or the end; a '%' belongs to the name and ends it.
QString laesNavn(const QString &T, qsizetype fra) {
    qsizetype i = fra;
    for (; i < T.size(); ++i) {
        const QChar c = T.at(i);
        if (c == u' ' || c == u'>' || c == u'\r' || c == u'<') break;
        if (c == u'%') {
            ++i;
            break;
        }
    }
    return fra < T.size() ? T.mid(fra, i - fra) : QString();
}

// a * 100 / b rounded to the nearest integer, halves to even.
int procent(qint64 a, qint64 b) {
    const qint64 t = a * 100;
    qint64 q = t / b;
    const qint64 r = t % b;
    if (2 * r > b || (2 * r == b && (q & 1))) ++q;
    return int(q);
}

// Deletes a detached tree leaf by leaf from the end: no recursion however deep
// the tree, and no child list is searched or walked more than once.
void sletTrae(QTreeWidgetItem *rod) {
    QTreeWidgetItem *x = rod;
    while (x) {
        if (x->childCount() > 0) {
            x = x->child(x->childCount() - 1);
            continue;
        }
        QTreeWidgetItem *forael = x->parent();
        if (forael) forael->takeChild(forael->childCount() - 1);
        delete x;
        x = forael;
    }
}

void ryddTrae(QTreeWidget *trae) {
    while (trae->topLevelItemCount() > 0)
        sletTrae(trae->takeTopLevelItem(trae->topLevelItemCount() - 1));
    trae->clear();
}

// Calls f for every tag node after the first node, in depth-first order.
// Each text set on a live tree makes the view look for that row among its
// visible rows, which grows with the rows shown: with branches collapsed the
// marking becomes quadratic. The model stays quiet while the texts change and
// the view lays out once at the end (also when a list file stops the marking).
class StilleMaerkning {
public:
    explicit StilleMaerkning(QTreeWidget *trae)
        : m_trae(trae)
        , m_blokering(trae->model()) {}
    ~StilleMaerkning() {
        m_blokering.unblock();
        m_trae->doItemsLayout();
        m_trae->viewport()->update();
    }
    StilleMaerkning(const StilleMaerkning &) = delete;
    StilleMaerkning &operator=(const StilleMaerkning &) = delete;

private:
    QTreeWidget *m_trae;
    QSignalBlocker m_blokering;
};

template <typename F> void efterRoden(QTreeWidget *trae, F &&f) {
    std::vector<QTreeWidgetItem *> stak;
    for (int i = trae->topLevelItemCount() - 1; i >= 0; --i)
        stak.push_back(trae->topLevelItem(i));
    bool foerste = true;
    while (!stak.empty()) {
        QTreeWidgetItem *item = stak.back();
        stak.pop_back();
        for (int i = item->childCount() - 1; i >= 0; --i)
            stak.push_back(item->child(i));
        if (foerste) {
            foerste = false;
            continue;
        }
        if (TagNode *n = TagNode::fra(item)) f(n);
    }
}

} // namespace

TData *TagNode::PData(QTreeWidgetItem *item) {
    TagNode *n = fra(item);
    return n ? &n->Data : nullptr;
}

TagNode *TagNode::fra(QTreeWidgetItem *item) {
    return item && item->type() == Type ? static_cast<TagNode *>(item) : nullptr;
}

// Builds the tag tree while ReadStructure runs. Both backward searches of the
// reader look only for open elements, so the open nodes are kept in sets
// ordered like the tree's depth-first order; a search is then a look-up, not
// a walk back through everything read so far. New nodes can land in the
// middle of that order, so the order labels are kept with room between them
// and respread locally when a gap runs out.
class TagLaeser {
public:
    TagLaeser(const QString &tekst, TagNode *rod)
        : T(tekst)
        , m_rod(rod)
        , m_hale(rod)
        , aktuel(rod) {}

    void indsaet(int index, const QString &S, bool erSlutkode, bool nyValgt);
    int dfsIndeks(const TagNode *n) const;

private:
    struct EtiketMindre {
        using is_transparent = void;
        bool operator()(const TagNode *a, const TagNode *b) const { return a->etiket < b->etiket; }
        bool operator()(const TagNode *a, quint64 b) const { return a->etiket < b; }
        bool operator()(quint64 a, const TagNode *b) const { return a < b->etiket; }
    };
    using AabneNoder = std::set<TagNode *, EtiketMindre>;

    TagNode *nyKnude(TagNode *forael, const QString &tekst, int index, quint8 tagEnd);
    TagNode *foranNytBarn(TagNode *forael) const;
    void kaedInd(TagNode *efter, TagNode *ny);
    void spredEtiketter(TagNode *omkring);
    void aabn(TagNode *n);
    void luk(TagNode *n);
    QString attributter(int start, const QString &S) const;

    static constexpr int etiketBits = 62;
    static constexpr quint64 univers = quint64(1) << etiketBits;
    static constexpr quint64 skridt = quint64(1) << 24;

    const QString &T;
    TagNode *m_rod;
    TagNode *m_hale; // last node in depth-first order
    AabneNoder m_aabne;
    QHash<QString, AabneNoder> m_aabnePrNavn;

public:
    TagNode *aktuel;
};

void TagLaeser::indsaet(int index, const QString &S, bool erSlutkode, bool nyValgt) {
    if (erSlutkode) {
        const QString slut = u'/' + S;
        TagNode *match = nullptr;
        const auto navn = m_aabnePrNavn.constFind(S);
        if (navn != m_aabnePrNavn.cend()) {
            auto it = navn->upper_bound(aktuel->etiket);
            if (it != navn->begin()) match = *--it;
        }
        if (!match) {
            nyKnude(aktuel, slut, index, 3);
            return;
        }
        luk(match);
        // The root is never open, so a match lies after it and so does the current node.
        auto *forael = static_cast<TagNode *>(aktuel->parent());
        nyKnude(forael ? forael : aktuel, slut, index, 1);
        auto it = m_aabne.lower_bound(aktuel->etiket);
        if (it != m_aabne.begin()) aktuel = *--it;
        return;
    }
    TagNode *n = nyKnude(aktuel, S, index, nyValgt ? 0 : 1);
    if (nyValgt) {
        aabn(n);
        aktuel = n;
    }
    n->Data.AttrListe = attributter(index, S);
}

TagNode *TagLaeser::nyKnude(TagNode *forael, const QString &tekst, int index, quint8 tagEnd) {
    TagNode *efter = foranNytBarn(forael);
    auto *n = new TagNode;
    n->plads = forael->childCount();
    n->setText(0, tekst);
    n->Data.Index = index;
    n->Data.TagEnd = tagEnd;
    kaedInd(efter, n);
    forael->addChild(n);
    return n;
}

// A new last child comes right after the parent's last descendant, which is
// also the node before whatever follows the parent's subtree. Both are looked
// for at once, down the last children and up the ancestors, and the shorter
// way wins: deep trees are often deep on one side only.
TagNode *TagLaeser::foranNytBarn(TagNode *forael) const {
    TagNode *ned = forael;
    TagNode *op = forael;
    for (;;) {
        if (ned->childCount() == 0) return ned;
        ned = static_cast<TagNode *>(ned->child(ned->childCount() - 1));
        auto *f = static_cast<TagNode *>(op->parent());
        if (!f) return m_hale;
        if (op->plads + 1 < f->childCount())
            return static_cast<TagNode *>(f->child(op->plads + 1))->forrige;
        op = f;
    }
}

void TagLaeser::kaedInd(TagNode *efter, TagNode *ny) {
    auto naesteEtiket = [&] { return efter->naeste ? efter->naeste->etiket : univers; };
    if (naesteEtiket() - efter->etiket < 2) spredEtiketter(efter);
    const quint64 hul = naesteEtiket() - efter->etiket;
    ny->etiket = efter->etiket + (efter->naeste ? hul / 2 : std::min(skridt, hul / 2));
    ny->forrige = efter;
    ny->naeste = efter->naeste;
    if (efter->naeste)
        efter->naeste->forrige = ny;
    else
        m_hale = ny;
    efter->naeste = ny;
}

// Respreads the labels of the smallest aligned label range around a node that
// is sparse enough; the order stays, so the ordered sets stay valid.
void TagLaeser::spredEtiketter(TagNode *omkring) {
    TagNode *foerste = omkring;
    TagNode *sidste = omkring;
    qint64 antal = 1;
    for (int i = 1; i <= etiketBits; ++i) {
        const quint64 stoerrelse = quint64(1) << i;
        const quint64 basis = omkring->etiket & ~(stoerrelse - 1);
        while (foerste->forrige && foerste->forrige->etiket >= basis) {
            foerste = foerste->forrige;
            ++antal;
        }
        while (sidste->naeste && sidste->naeste->etiket - basis < stoerrelse) {
            sidste = sidste->naeste;
            ++antal;
        }
        if (double(antal + 1) * 2 > double(stoerrelse) * std::pow(1.4, -i)) continue;
        const quint64 afstand = stoerrelse / quint64(antal + 1);
        quint64 etiket = basis;
        for (TagNode *n = foerste;; n = n->naeste) {
            n->etiket = etiket;
            etiket += afstand;
            if (n == sidste) break;
        }
        return;
    }
    throw std::length_error("for mange koder");
}

void TagLaeser::aabn(TagNode *n) {
    m_aabne.insert(n);
    m_aabnePrNavn[n->text(0)].insert(n);
}

void TagLaeser::luk(TagNode *n) {
    n->Data.TagEnd = 1;
    m_aabne.erase(n);
    const auto it = m_aabnePrNavn.find(n->text(0));
    if (it != m_aabnePrNavn.end()) {
        it->erase(n);
        if (it->empty()) m_aabnePrNavn.erase(it);
    }
}

// The attribute names of the tag whose '<' is at start: words outside double
// quotes, each name followed by one space, one more for a value.
QString TagLaeser::attributter(int start, const QString &S) const {
    QString resultat;
    bool iCitat = false;
    bool iNavn = false;
    for (qsizetype i = std::max<qsizetype>(0, start + S.size() - 1); i < T.size(); ++i) {
        const QChar c = T.at(i);
        if (c == u'>') {
            if (!resultat.isEmpty()) resultat += u' ';
            break;
        }
        if (c == u'"') {
            iCitat = !iCitat;
        } else if (iCitat) {
            continue;
        } else if (c == u' ') {
            if (iNavn) resultat += u' ';
            iNavn = true;
        } else if (c == u'=') {
            iNavn = false;
            resultat += u' ';
        } else if (iNavn) {
            resultat += c;
        }
    }
    return resultat;
}

int TagLaeser::dfsIndeks(const TagNode *n) const {
    int i = 0;
    for (const TagNode *x = m_rod; x && x != n; x = x->naeste)
        ++i;
    return i;
}

// ---------------------------------------------------------------------------

Tinfotag::Tinfotag(QObject *owner)
    : QObject(owner) {
    setObjectName(QStringLiteral("taginf"));
}

// A page of elements left open makes a tree as deep as the page is long; the
// tree view's own clean-up would free it by recursion, so it is freed here.
Tinfotag::~Tinfotag() {
    if (FTreeView) ryddTrae(FTreeView);
}

void Tinfotag::SetEditor(TRichEdit *value) {
    FEditor = value;
}

void Tinfotag::SetTreeView(QTreeWidget *value) {
    FTreeView = value;
}

namespace {
// The file is read completely before the list changes.
void erstatListe(SorteretListe &liste, const QString &fil) {
    const QStringList linjer = Tekstfil::laesLinjer(fil);
    liste.ryd();
    liste.tilfoej(linjer);
}
} // namespace

void Tinfotag::LoadNosluttagliste(const QString &Fname) {
    erstatListe(FNosluttagliste, Fname);
}
void Tinfotag::LoadTagliste(const QString &Fname) {
    erstatListe(FTagliste, Fname);
}
void Tinfotag::LoadUAttributliste(const QString &Fname) {
    erstatListe(FUAttributliste, Fname);
}
void Tinfotag::LoadExcludeliste(const QString &Fname) {
    erstatListe(FExcludeliste, Fname);
}
void Tinfotag::LoadAlletagliste(const QString &Fname) {
    erstatListe(FAlleTagliste, Fname);
}

// --- Word at the caret -------------------------------------------------------

QString Tinfotag::FindOrdDk() const {
    return findOrd(Tegnklasse::Dk);
}
QString Tinfotag::FindOrdCSS() const {
    return findOrd(Tegnklasse::CSS);
}
QString Tinfotag::FindOrdJs() const {
    return findOrd(Tegnklasse::Js);
}
QString Tinfotag::FindTegnCSS() const {
    return findOrd(Tegnklasse::CssTegn);
}
QString Tinfotag::FindTegnJs() const {
    return findOrd(Tegnklasse::JsTegn);
}

QString Tinfotag::findOrd(Tegnklasse klasse) const {
    if (!FEditor) return {};
    if (FEditor->SelLength() > 0) return FEditor->SelText();
    auto hoerer = [klasse](QChar tegn) {
        const char16_t c = tegn.unicode();
        if (c > 0xFF) return false;
        switch (klasse) {
        case Tegnklasse::CSS:
            return c == u'-' || c == u'@' || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        case Tegnklasse::Js:
            return erBogstavEllerCiffer(c) || c == u'_';
        case Tegnklasse::Dk:
            return erBogstavEllerCiffer(c) || c == u'_' || c == u'Å' || c == u'Æ' || c == u'Ø' ||
                   c == u'å' || c == u'æ' || c == u'ø';
        case Tegnklasse::CssTegn:
            return QStringView(u"*,>+~|&:%").contains(tegn);
        case Tegnklasse::JsTegn:
            return QStringView(u"=!<>?.+-*/%&|^~:`").contains(tegn);
        }
        return false;
    };
    const QString linje = FEditor->Linje(FEditor->CaretLinje());
    const qsizetype x = std::clamp<qsizetype>(FEditor->CaretKolonne(), 0, linje.size());
    qsizetype fra = x;
    while (fra > 0 && hoerer(linje.at(fra - 1)))
        --fra;
    qsizetype til = x;
    while (til < linje.size() && hoerer(linje.at(til)))
        ++til;
    return linje.mid(fra, til - fra);
}

// --- Insertion primitives ----------------------------------------------------

void Tinfotag::UdskrivKode(const QString &S1, const QString &S2) {
    if (!FEditor) return;
    FEditor->setSelText(S1);
    // Read back rather than counted, so a line break in S1 counts as the editor counts it.
    const int mellem = FEditor->SelStart();
    FEditor->setSelText(S2);
    FEditor->setModified(true);
    FEditor->setSelStart(mellem);
    FEditor->setFocus();
}

void Tinfotag::InsertLine(const QString &S, bool newLine, bool defCursPos, bool setCursPos) {
    if (!FEditor) return;
    if (FEditor->SelLength() > 0) FEditor->setSelText(QString());
    const QString tekst = newLine ? S + u'\n' : S;
    const int linje = FEditor->CaretLinje();
    FEditor->setSelection(FEditor->LinjeStart(linje), int(FEditor->Linje(linje).size()));
    FEditor->setSelText(tekst);
    if (defCursPos) cursPos = FEditor->SelStart();
    if (setCursPos) FEditor->setSelStart(cursPos);
    FEditor->setFocus();
    FEditor->setModified(true);
}

bool Tinfotag::UdskrivSlutkode() {
    const QString t = FPosData.Tag;
    if (!FEditor || !FTagliste.findes(t)) return false;
    if (FPosData.CurPos != cpBetween) return false;
    const int p = FEditor->SelStart();
    FEditor->setSelText(QStringLiteral("</") + t + u'>');
    FEditor->setSelStart(p);
    return true;
}

// Characters of the whole CR LF text left of the caret. Only lines that begin
// after a real line break add to the editor position, one each.
int Tinfotag::caretTekstOffset() const {
    const int start = FEditor->SelStart();
    const int slut = start + FEditor->SelLength();
    const int y = FEditor->LinjeVed(slut);
    if (y <= 0) return slut - std::max(0, FEditor->LinjeStart(0));
    const int linjeStart = FEditor->LinjeStart(y);
    const int brud = FEditor->TekstOffset(linjeStart) - linjeStart;
    return start + brud;
}

QString Tinfotag::GetTag() {
    if (!FEditor) return {};
    const QString T = FEditor->Text();
    if (T.size() > 1 && T.at(0) != u'<') return {};
    FPosData.CurPos = cpNone;
    FPosData.Tag.clear();
    FPosData.Attribut.clear();
    FPosData.PosIndex = caretTekstOffset();
    const qsizetype p = std::min<qsizetype>(FPosData.PosIndex, T.size());
    if (p < 1) return {};

    qsizetype s = -1;
    bool forbiLukket = false;
    for (qsizetype i = p - 1; i >= 0; --i) {
        if (T.at(i) == u'<') {
            s = i;
            break;
        }
        if (T.at(i) == u'>') forbiLukket = true;
    }

    if (forbiLukket || s < 0) {
        // Between tags: the innermost element still open left of the caret.
        int taeller = 0;
        for (qsizetype i = p - 1; i >= 0; --i) {
            if (T.at(i) != u'<') continue;
            if (i + 1 < T.size() && T.at(i + 1) == u'/') {
                ++taeller;
                continue;
            }
            const QString navn = laesNavn(T, i + 1);
            if (!FNosluttagliste.findes(navn)) --taeller;
            if (taeller == -1) {
                FPosData.CurPos = cpBetween;
                FPosData.Tag = navn;
                return navn;
            }
        }
        return {};
    }

    if (s == T.size() - 1) {
        FPosData.CurPos = cpInside;
        return {};
    }
    if (T.at(s + 1) == u'/') {
        FPosData.CurPos = cpInsideEnd;
        FPosData.Tag = laesNavn(T, s + 2);
        return FPosData.Tag;
    }
    FPosData.CurPos = cpInside;
    FPosData.Tag = laesNavn(T, s + 1);
    // The attribute whose quoted value holds the caret: a quote right after
    // '=' on the way left, then the name back to the nearest space.
    bool fundet = false;
    for (qsizetype i = p - 1; i > s; --i) {
        const QChar c = T.at(i);
        if (fundet) {
            if (c == u' ') break;
            FPosData.Attribut.prepend(c);
        } else if (c == u'"' || c == u'\'') {
            if (T.at(i - 1) != u'=') break;
            fundet = true;
            --i;
        }
    }
    return FPosData.Tag;
}

// --- The tag tree ------------------------------------------------------------

void Tinfotag::meld(int vaerdi) {
    emit OnProgress(vaerdi);
}

void Tinfotag::ReadStructure() {
    const bool melder = isSignalConnected(QMetaMethod::fromSignal(&Tinfotag::OnProgress));
    if (melder) meld(0);
    if (!FEditor || !FTreeView) {
        if (melder) meld(100);
        return;
    }
    {
        Timeglas vent;
        const qint64 linjeAntal = melder ? std::max(1, FEditor->LinjeAntal()) : 1;
        ryddTrae(FTreeView);
        auto *rod = new TagNode;
        rod->setText(0, rodTekst);
        TagIndex = 0;

        const QString T = FEditor->Text();
        m_laeser = std::make_unique<TagLaeser>(T, rod);
        // The tree is built detached from the view and handed over at the end,
        // also when the read stops half-way.
        struct Aflevering {
            Tinfotag *self;
            TagNode *rod;
            ~Aflevering() {
                self->TagIndex = self->m_laeser->dfsIndeks(self->m_laeser->aktuel);
                self->m_laeser.reset();
                if (self->FTreeView) self->FTreeView->addTopLevelItem(rod);
            }
        } aflevering{this, rod};

        QString navn;
        bool iNavn = false;
        bool slutkode = false;
        int start = 0;
        bool scriptMode = false;
        qint64 linjetaeller = 0;
        const qsizetype n = T.size();
        const QChar *d = T.constData();

        auto klassificer = [&] {
            if (FExcludeliste.findes(navn)) return;
            if (FNosluttagliste.findes(navn)) {
                InsertNode(start, navn, false, false);
                return;
            }
            const bool kendt = FTagliste.findes(navn);
            if (!kendt && scriptMode) return;
            const bool scriptEllerStyle =
                kendt && (navn.compare(u"script", Qt::CaseInsensitive) == 0 ||
                          navn.compare(u"style", Qt::CaseInsensitive) == 0);
            if (slutkode) {
                InsertNode(start, navn, true, false);
                if (scriptEllerStyle) scriptMode = false;
            } else {
                InsertNode(start, navn, false, true);
                if (scriptEllerStyle) scriptMode = true;
            }
        };

        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = d[i];
            if (c == u'\r') {
                if (melder) meld(procent(linjetaeller, linjeAntal));
                ++linjetaeller;
            } else if (c == u'\n') {
                // a line break neither ends nor extends a name
            } else if (c == u'<') {
                if (i == n - 1) break;
                const QChar naeste = d[i + 1];
                if (naeste == u'/') {
                    slutkode = true;
                    start = int(i);
                    ++i;
                } else {
                    slutkode = false;
                    if (naeste == u' ' || naeste == u'!' || naeste == u'%' || naeste == u'-' ||
                        naeste == u'<' || naeste == u'>' || naeste == u'?') {
                        iNavn = false;
                        navn.clear();
                        start = 0;
                        continue;
                    }
                    start = int(i);
                }
                iNavn = true;
                navn.clear();
            } else if (iNavn) {
                if (c != u' ' && c != u'>') {
                    navn += c;
                } else {
                    klassificer();
                    iNavn = false;
                    navn.clear();
                }
            }
        }
    }
    if (melder) meld(100);
}

void Tinfotag::InsertNode(int Index, const QString &S, bool IsEndTag, bool NewSelected) {
    if (m_laeser) m_laeser->indsaet(Index, S, IsEndTag, NewSelected);
}

void Tinfotag::RydTrae(QTreeWidget *trae) {
    if (trae) ryddTrae(trae);
}

QString Tinfotag::GetNodeTag(const QString &S) {
    const qsizetype mellemrum = S.indexOf(u' ');
    return mellemrum < 0 ? S : S.left(mellemrum);
}

int Tinfotag::VisAttributter() {
    if (!kanKontrollere()) return -1;
    Timeglas vent;
    int antal = 0;
    StilleMaerkning stille(FTreeView);
    efterRoden(FTreeView, [&](TagNode *n) {
        if (n->Data.AttrListe.isEmpty()) return;
        n->setText(0, GetNodeTag(n->text(0)) + u' ' + n->Data.AttrListe);
        ++antal;
    });
    return antal;
}

void Tinfotag::GotoTag() {
    if (!FEditor || !FTreeView) return;
    QTreeWidgetItem *valgt = FTreeView->currentItem();
    if (!valgt || !valgt->isSelected()) {
        const QList<QTreeWidgetItem *> markerede = FTreeView->selectedItems();
        valgt = markerede.isEmpty() ? nullptr : markerede.first();
    }
    if (!valgt) return;
    if (!valgt->parent() && FTreeView->indexOfTopLevelItem(valgt) == 0) {
        FEditor->setSelection(0, 0);
        return;
    }
    const TData *data = TagNode::PData(valgt);
    if (!data) return;
    const QString ord = GetNodeTag(valgt->text(0));
    // The line number is at least the number of line breaks before the tag, so
    // the search starts at or before it.
    const int editorLaengde = std::max(0, FEditor->document()->characterCount() - 1);
    const int tekstLaengde = FEditor->TekstOffset(editorLaengde);
    const int sted = std::clamp(data->Index, 0, editorLaengde);
    const int fra = std::max(0, data->Index - std::max(0, FEditor->LinjeVed(sted)));
    const int fundet = FEditor->FindText(u'<' + ord, fra, tekstLaengde, false, true);
    const int selStart = fundet < 0 ? 0 : fundet + 1;
    const int laengde = (FKontrolMode == 4 && data->TagEnd == 3) ? 2 : int(ord.size());
    FEditor->setSelection(selStart, laengde);
}

// --- Checks -------------------------------------------------------------------

bool Tinfotag::kanKontrollere() const {
    return FEditor && FTreeView && FTreeView->topLevelItemCount() > 0;
}

template <typename F> int Tinfotag::kontroller(F &&perNode) {
    if (!kanKontrollere()) return -1;
    Timeglas vent;
    int antal = 0;
    StilleMaerkning stille(FTreeView);
    // A list file that cannot be read stops the marking: later nodes keep their
    // texts, and the caller is told rather than shown a count as if complete.
    efterRoden(FTreeView, [&](TagNode *n) { perNode(n, antal); });
    return antal;
}

int Tinfotag::EndtagsKontrol() {
    return kontroller([this](TagNode *n, int &antal) {
        const QString w = GetNodeTag(n->text(0));
        if (n->Data.TagEnd != 0) {
            n->setText(0, w);
        } else if (FTagliste.findes(n->text(0))) {
            n->setText(0, w + QStringLiteral(" Mangler slutkode"));
            ++antal;
        } else {
            n->setText(0, w + QStringLiteral(" Ukendt kode"));
        }
    });
}

int Tinfotag::ForMangeEndtag() {
    return kontroller([](TagNode *n, int &antal) {
        const QString w = GetNodeTag(n->text(0));
        if (n->Data.TagEnd == 3) {
            n->setText(0, w + QStringLiteral(" Slutkode?"));
            ++antal;
        } else {
            n->setText(0, w);
        }
    });
}

int Tinfotag::KodeKontrol() {
    return kontroller([this](TagNode *n, int &antal) {
        const QString w = GetNodeTag(n->text(0));
        if (w.startsWith(u'/')) {
            const QString navn = w.mid(1);
            if (FTagliste.findes(navn)) {
                n->setText(0, u'/' + navn);
            } else {
                n->setText(0, u'/' + navn + QStringLiteral(" Ukendt slutkode"));
                ++antal;
            }
        } else if (!w.isEmpty() && FAlleTagliste.findes(w)) {
            n->setText(0, w);
        } else {
            // also a node without a name (a '<' followed by a line break)
            n->setText(0, w + QStringLiteral(" Ukendt kode"));
            ++antal;
        }
    });
}

namespace {
// The attribute file of a tag: the name as written, else in lower case, so
// that DIV finds div.txt on a file system that minds case. A name holding a
// path separator has no file.
QString attributFil(const QString &dir, const QString &tag) {
    if (tag.isEmpty() || tag.contains(u'/') || tag.contains(u'\\')) return {};
    const QString somSkrevet = dir + tag + QStringLiteral(".txt");
    if (QFileInfo(somSkrevet).isFile()) return somSkrevet;
    const QString smaa = dir + tag.toLower() + QStringLiteral(".txt");
    if (smaa != somSkrevet && QFileInfo(smaa).isFile()) return smaa;
    return {};
}

// data-* and aria-* belong to every element.
bool friAttribut(const QString &navn) {
    for (const QLatin1String forstavelse : {QLatin1String("data-"), QLatin1String("aria-")})
        if (navn.size() > forstavelse.size() && navn.startsWith(forstavelse, Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

int Tinfotag::AttributeKontrol(const QString &AttributeDir) {
    // Each file is read once per check, however many tags use it.
    QHash<QString, std::shared_ptr<SorteretListe>> tilladtePrFil;
    std::optional<QStringList> haendelser;
    auto tilladte = [&](const QString &fil) -> const SorteretListe & {
        auto &liste = tilladtePrFil[fil];
        if (!liste) {
            if (!haendelser) {
                haendelser.emplace();
                for (const QString &navn :
                     {QStringLiteral("_formEvents.txt"), QStringLiteral("_mediaEvents.txt")}) {
                    if (QFileInfo(AttributeDir + navn).isFile())
                        *haendelser += Tekstfil::laesLinjer(AttributeDir + navn);
                }
            }
            auto ny = std::make_shared<SorteretListe>();
            ny->tilfoej(Tekstfil::laesLinjer(fil));
            ny->tilfoej(*haendelser);
            liste = ny;
        }
        return *liste;
    };

    return kontroller([&](TagNode *n, int &antal) {
        const QString w = GetNodeTag(n->text(0));
        const QString &attr = n->Data.AttrListe;
        if (attr.isEmpty()) {
            n->setText(0, w);
            return;
        }
        const QString fil = attributFil(AttributeDir, w);
        if (fil.isEmpty()) {
            n->setText(0, w + QStringLiteral(" Ukendt"));
            ++antal;
            return;
        }
        const SorteretListe &kendte = tilladte(fil);
        QString marker;
        QString ord;
        for (const QChar c : attr) {
            if (c != u' ') {
                ord += c;
                continue;
            }
            if (!ord.isEmpty() && !friAttribut(ord) && !kendte.findes(ord)) {
                marker += QStringLiteral(" Ukendt: ") + ord;
                ++antal;
            }
            ord.clear();
        }
        n->setText(0, w + marker);
    });
}
