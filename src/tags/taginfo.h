#pragma once

#include "core/sammenlign.h"
#include "platform/trichedit.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <memory>

enum TCursorPos { cpNone, cpInside, cpBetween, cpInsideEnd };

// What the last caret analysis (GetTag) found.
struct TPosData {
    TCursorPos CurPos = cpNone;
    QString Attribut;
    QString Tag;
    int PosIndex = 0; // text offset of the caret (CR LF counted as two)
};

// Attached to every node of the tag tree.
struct TData {
    int Index = 0;     // text offset of the tag's '<'; 0 for the root
    quint8 TagEnd = 1; // 0 open element, 1 closed, 3 surplus end tag
    QString AttrListe; // attribute names, space separated
};

// A node of the tag tree; the tree view owns it, so the data goes with it.
class TagNode : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 17;
    TagNode()
        : QTreeWidgetItem(Type) {}
    TData Data;

    // The node's data, or nullptr for an item that is no tag node.
    static TData *PData(QTreeWidgetItem *item);
    static TagNode *fra(QTreeWidgetItem *item);

    // Bookkeeping of the reader while it builds the tree: the nodes in
    // depth-first order as a linked list, labelled with increasing numbers.
    quint64 etiket = 0;
    TagNode *naeste = nullptr;
    TagNode *forrige = nullptr;
    int plads = 0; // index among the parent's children
};

class TagLaeser;

// The HTML analysis component: tag and attribute lists, the tag tree reader,
// the code checks, and the insertion primitives the tag menus use.
class Tinfotag : public QObject {
    Q_OBJECT
public:
    explicit Tinfotag(QObject *owner = nullptr);
    ~Tinfotag() override;

    const TPosData &PosData() const { return FPosData; }

    TRichEdit *Editor() const { return FEditor.data(); }
    TRichEdit *editor() const { return FEditor.data(); }
    void SetEditor(TRichEdit *value);

    QTreeWidget *TreeView() const { return FTreeView.data(); }
    void SetTreeView(QTreeWidget *value);

    int KontrolMode() const { return FKontrolMode; }
    void SetKontrolMode(int value) { FKontrolMode = value; }

    SorteretListe &Nosluttagliste() { return FNosluttagliste; }
    SorteretListe &Tagliste() { return FTagliste; }
    SorteretListe &UAttributliste() { return FUAttributliste; }
    SorteretListe &Excludeliste() { return FExcludeliste; }
    SorteretListe &AlleTagliste() { return FAlleTagliste; }

    // Replace a list with the lines of a file; throw Tekstfil::FilFejl and
    // leave the list as it was when the file cannot be read.
    void LoadNosluttagliste(const QString &Fname);
    void LoadTagliste(const QString &Fname);
    void LoadUAttributliste(const QString &Fname);
    void LoadExcludeliste(const QString &Fname);
    void LoadAlletagliste(const QString &Fname);

    // The word at the caret on its displayed line, or the selection unchanged.
    QString FindOrdDk() const;
    QString FindOrdCSS() const;
    QString FindOrdJs() const;
    // The run of combinator or operator characters at the caret, for a look-up where
    // no word stands (`>` between two selectors, `?.` or `===` in a script).
    QString FindTegnCSS() const;
    QString FindTegnJs() const;

    // Insertion primitives of the tag menus.
    void UdskrivKode(const QString &S1, const QString &S2);
    void InsertLine(const QString &S, bool newLine, bool defCursPos, bool setCursPos);
    bool UdskrivSlutkode();
    QString GetTag();

    // The tag tree.
    void ReadStructure();
    // Adds one tag under the current node; acts only while ReadStructure runs.
    void InsertNode(int Index, const QString &S, bool IsEndTag, bool NewSelected);
    static QString GetNodeTag(const QString &S);
    // Empties a tree view without the recursion of its own clean-up, which a
    // tree as deep as a page of unclosed elements would not survive.
    static void RydTrae(QTreeWidget *trae);
    int VisAttributter();
    void GotoTag();

    // The checks; each returns its count, or -1 without editor, tree view or nodes.
    int EndtagsKontrol();
    int ForMangeEndtag();
    int KodeKontrol();
    // Throws Tekstfil::FilFejl when an attribute file cannot be read.
    int AttributeKontrol(const QString &AttributeDir);

    int TagIndex = 0; // depth-first index of the node new tags go under
    int cursPos = 0;  // editor position kept by InsertLine

signals:
    void OnProgress(int value);

private:
    enum class Tegnklasse { Dk, CSS, Js, CssTegn, JsTegn };
    QString findOrd(Tegnklasse klasse) const;
    int caretTekstOffset() const;
    bool kanKontrollere() const;
    template <typename F> int kontroller(F &&perNode);
    void meld(int vaerdi);

    TPosData FPosData;
    // Not owned; cleared by themselves if the widget goes first.
    QPointer<TRichEdit> FEditor;
    QPointer<QTreeWidget> FTreeView;
    SorteretListe FNosluttagliste;
    SorteretListe FTagliste;
    SorteretListe FUAttributliste;
    SorteretListe FExcludeliste;
    SorteretListe FAlleTagliste;
    int FKontrolMode = 0;
    std::unique_ptr<TagLaeser> m_laeser; // only while a read runs
};
