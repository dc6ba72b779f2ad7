#pragma once

#include "platform/tekstfil.h"

#include <QCollator>
#include <QIcon>
#include <QList>
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <functional>

// Where a new or moved element goes, relative to a reference element.
enum TNodeAttachMode {
    naAdd,           // last sibling
    naAddFirst,      // first sibling
    naAddChild,      // last child
    naAddChildFirst, // first child
    naInsert         // just before
};

// A tree or data file whose content cannot be taken up; the message is the
// text shown to the user.
class StrukturFejl : public Tekstfil::FilFejl {
public:
    using Tekstfil::FilFejl::FilFejl;
};

// The tree of a structure folder: the element tree (struktur.txt), each
// element's data string (data.txt: icon kind digit + page name) and the pages
// in the page folder.
class TStruktur : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(QString Strukturfile READ Strukturfile WRITE setStrukturfile)
    Q_PROPERTY(QString Datafile READ Datafile WRITE setDatafile)
    Q_PROPERTY(QString Infomappe READ Infomappe WRITE setInfomappe)
    Q_PROPERTY(QString Billedmappe READ Billedmappe WRITE setBilledmappe)
    Q_PROPERTY(QString Htmlmappe READ Htmlmappe WRITE setHtmlmappe)
    Q_PROPERTY(bool DataOn READ DataOn WRITE setDataOn)
    Q_PROPERTY(bool Modified READ Modified WRITE setModified)
    Q_PROPERTY(int Flytmode READ flytmodeTal WRITE setFlytmodeTal)

public:
    // Item data roles: the data string (invalid QVariant = none) and the icon kind (-1 = none).
    static constexpr int DataRolle = Qt::UserRole;
    static constexpr int IkonRolle = Qt::UserRole + 1;

    explicit TStruktur(QWidget *parent = nullptr);
    ~TStruktur() override;

    QString Strukturfile() const { return FStrukturfile; }
    void setStrukturfile(const QString &v) { FStrukturfile = v; }
    QString Datafile() const { return FDatafile; }
    void setDatafile(const QString &v) { FDatafile = v; }
    QString Infomappe() const { return FInfomappe; }
    void setInfomappe(const QString &v) { FInfomappe = v; }
    QString Billedmappe() const { return FBilledmappe; }
    void setBilledmappe(const QString &v) { FBilledmappe = v; }
    QString Htmlmappe() const { return FHtmlmappe; }
    void setHtmlmappe(const QString &v) { FHtmlmappe = v; }
    bool DataOn() const { return FDataOn; }
    void setDataOn(bool v) { FDataOn = v; }
    bool Modified() const { return FModified; }
    void setModified(bool v) { FModified = v; }
    TNodeAttachMode Flytmode() const { return FFlytmode; }
    void setFlytmode(TNodeAttachMode v) { FFlytmode = v; }

    // The image list the icon kinds index into.
    void setBilleder(const QList<QIcon> &billeder);
    QList<QIcon> billeder() const { return m_billeder; }

    // Throw Tekstfil::FilFejl (StrukturFejl for bad content) with the text to show.
    bool HentStruktur();
    bool GemStruktur();

    void NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void SletNode();
    QString SelectedData() const;
    bool setSelected(const QString &DataUrl);
    QString getNodeTekst(const QString &DataUrl);
    int getTheSelectedIndex() const;
    static bool FileDeleteRB(const QString &AFileName);
    // Puts the deleted page side back, with the elements deleted with it, as
    // the tree stood in the commit `commit` of the history `repo`: under its old
    // parent (the root element when that is gone too), before the first old
    // sibling still there. Pages are written as they were, unless a file is in
    // the way; elements already in the tree are kept. Saves the tree and returns
    // the element put back, or nullptr when the page was not in that tree.
    QTreeWidgetItem *GendanSlettet(const QString &repo, const QString &commit, const QString &side);

    void MusDown(int X, int Y);
    void MusUp(int X, int Y, bool somGrundnode);
    bool musFlytter() const { return MouseDown; }

    void AlphaSort(bool rekursiv);

    // Element helpers for the owners; positions are pre-order from 0.
    int antal() const;
    QTreeWidgetItem *elementVed(int index) const;
    QString tekstVed(int index) const;
    bool vaelgVed(int index);
    QList<QTreeWidgetItem *> elementer() const;
    QTreeWidgetItem *valgtElement() const;
    void ryd(); // empties the tree; also lifts the save block of a failed load

    static QString dataStreng(const QTreeWidgetItem *element); // empty when none
    static bool harData(const QTreeWidgetItem *element);
    static QString sideNavn(const QTreeWidgetItem *element);
    // A path or page name reduced to its bare name: after the last separator,
    // without the last extension.
    static QString bartNavn(const QString &sti);
    static int ikonArt(const QTreeWidgetItem *element);
    // A page name from the data file names a page inside the page folder only
    // when it has no folder separator and is not "." or "..".
    static bool gyldigtSidenavn(const QString &navn);
    static QString ugyldigtSidenavn(const QString &navn); // the Danish refusal

    // True after a load that stopped before the tree was whole; saving is refused then.
    bool ufuldstaendig() const { return m_ufuldstaendig; }
    // Throws StrukturFejl with the Danish reason when the tree is not whole;
    // adding, editing, deleting and sorting call it before they change anything.
    void kraevHel() const;

    // The encoding the tree file is written back in.
    Tekstfil::Kodning kodning() const { return m_kodning; }

    // Used by the elements' sort order.
    bool foer(const QString &a, const QString &b) const;

private:
    int flytmodeTal() const { return FFlytmode; }
    void setFlytmodeTal(int v) { FFlytmode = TNodeAttachMode(v); }

    // Visits the elements in pre-order until besoeg returns false.
    void gennemgaa(const std::function<bool(QTreeWidgetItem *, int niveau)> &besoeg) const;
    QTreeWidgetItem *findSide(const QString &DataUrl) const;
    void laesTrae(const QStringList &linjer);
    void laesData();
    void saetData(QTreeWidgetItem *element, const QString &Data, int Index);
    void saetIkon(QTreeWidgetItem *element, int art);
    void efterAendring(bool sorter, bool gem);
    void placer(QTreeWidgetItem *element, QTreeWidgetItem *ref, TNodeAttachMode mode);
    void slutFlyt();
    void vaelg(QTreeWidgetItem *element);
    void flyt(QTreeWidgetItem *element, QTreeWidgetItem *ref, TNodeAttachMode mode);

    QString FStrukturfile;
    QString FDatafile;
    QString FInfomappe;
    QString FBilledmappe;
    QString FHtmlmappe;
    bool FDataOn = false;
    bool FModified = false;
    TNodeAttachMode FFlytmode = naAdd;
    bool MouseDown = false;
    QPersistentModelIndex NodeDown;
    QPersistentModelIndex NodeUp;

    QList<QIcon> m_billeder;
    Tekstfil::Kodning m_kodning = Tekstfil::Kodning::Ansi;
    // Set when a load stopped half-way: saving would then overwrite the
    // files with a truncated tree, so it is refused until the next load.
    bool m_ufuldstaendig = false;
    QCollator m_collator;
};
