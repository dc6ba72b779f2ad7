#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// The Danish dictionary: whether a word is spelt right, and suggestions.
// The dictionary's own encoding (its SET line) is handled here; callers
// give and get QStrings. It is read at the first question, not at
// construction: the program's start does not wait for it.
class Stavekontrol {
public:
    // The path of the dictionary without ".aff"/".dic", or empty when it is
    // not installed. DAGBOG_ORDBOGSMAPPE names the one folder to look in.
    static QString findOrdbog(const QString &programDir = QString());
    // The package that brings the dictionary.
    static QString ordbogspakke();

    explicit Stavekontrol(const QString &ordbog);
    ~Stavekontrol();
    Stavekontrol(const Stavekontrol &) = delete;
    Stavekontrol &operator=(const Stavekontrol &) = delete;

    bool klar() const { return !m_aff.isEmpty(); }
    // A word the dictionary cannot even hold in its encoding counts as right:
    // it cannot be judged, and a mark would be a false alarm.
    bool korrekt(const QString &ord) const;
    QStringList forslag(const QString &ord, int hoejst = 7) const;
    // The word counts as right from now on (the user's own word list, "ignore").
    void tilfoej(const QString &ord);

private:
    Hunspell *hunspell() const;
    bool kod(const QString &ord, std::string &ud) const;
    QString afkod(const std::string &tekst) const;
    bool egetOrd(const QString &ord) const;

    QByteArray m_aff, m_dic; // empty when the dictionary is not there
    mutable std::unique_ptr<Hunspell> m_hunspell;
    mutable bool m_utf8 = true;
    QSet<QString> m_egne;
    mutable QHash<QString, bool> m_svar;
};
