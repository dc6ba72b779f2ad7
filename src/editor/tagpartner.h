#pragma once

#include <QObject>
#include <QPair>

class Kodemarkering;
class SorteretListe;
class TRichEdit;

// With the caret on a start or end tag, marks it and its partner. The partner
// is looked for within a bounded stretch of lines; beyond it, or when there is
// none, nothing is marked.
class Tagpartner : public QObject {
    Q_OBJECT
public:
    Tagpartner(TRichEdit *editor, Kodemarkering *markering, const SorteretListe *udenSlut);
    // The marked tags as (editor position, length), empty when none are.
    QList<QPair<int, int>> markeret() const { return m_markeret; }

private:
    void opdater();

    TRichEdit *m_editor;
    Kodemarkering *m_markering;
    const SorteretListe *m_udenSlut;
    QList<QPair<int, int>> m_markeret;
};
