#pragma once

#include "core/fuldfoerelse.h"
#include "core/sammenlign.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class Kodemarkering;
class QCompleter;
class QStringListModel;
class TRichEdit;
class Tinfotag;

// The program's own lists the editors complete from, each read when first needed.
class Fuldfoerelseslister {
public:
    // dir is the program folder's Dir/ with its Attributes/, Css/ and Js/ lists.
    Fuldfoerelseslister(Tinfotag *tag, const QString &dir);
    QStringList liste(const Fuldfoerelse::Sted &sted) const;
    const SorteretListe &udenSlutkode() const;

private:
    QStringList laes(const QString &relativ) const;

    Tinfotag *m_tag;
    QString m_dir;
    mutable QHash<QString, QStringList> m_filer;
};

// A popup list of names while one types in an editor: it narrows with each
// letter; Enter or Tab take the chosen item while it is shown, Esc closes it,
// and a character that cannot be in a name closes it and is typed.
class Fuldfoerer : public QObject {
    Q_OBJECT
public:
    Fuldfoerer(TRichEdit *editor, Kodemarkering *markering, const Fuldfoerelseslister *lister);
    QCompleter *completer() const { return m_completer; }
    // The items the list would offer at the caret now.
    QStringList forslag() const;

private:
    void tekstAendret(int pos, int fjernet, int tilfoejet);
    void vis();
    void indsaet(const QString &punkt);
    Fuldfoerelse::Sted stedVedCaret() const;
    QString slutkode() const;

    TRichEdit *m_editor;
    Kodemarkering *m_markering;
    const Fuldfoerelseslister *m_lister;
    QCompleter *m_completer;
    QStringListModel *m_model;
    bool m_indsaetter = false;
};
