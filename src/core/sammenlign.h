#pragma once

#include <QString>
#include <QStringList>

// Equality that folds only the letters A-Z; æ, ø, å and all others must match.
bool ensAZ(const QString &a, const QString &b);

// The sorted, duplicate-free word lists of tags and attributes: look-ups are a
// binary search that ignores case. An empty line is one empty entry.
class SorteretListe {
public:
    void ryd() { m_ord.clear(); }
    void tilfoej(const QString &ord);
    void tilfoej(const QStringList &ord);
    bool findes(const QString &ord) const;
    qsizetype antal() const { return m_ord.size(); }
    const QStringList &ord() const { return m_ord; }

private:
    qsizetype nedreGraense(const QString &ord) const;
    QStringList m_ord;
};
