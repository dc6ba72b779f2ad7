#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class PdfUdskrift;
class TStruktur;

// Writes a structure as one book: a PDF, or (for a target ending in .html)
// one self-contained HTML file with its pictures inside. The pages are read
// a few at a time between events, so the windows stay responsive; nothing in
// the structure is changed.
class TBogudskrift : public QObject {
    Q_OBJECT
public:
    struct Element {
        QString tekst;
        QString sidenavn;
        int niveau = 0;
    };

    // The elements of a loaded tree in tree order, with the folders it names.
    TBogudskrift(const TStruktur &struktur, const QString &titel, const QString &cssSti,
                 QObject *parent = nullptr);
    ~TBogudskrift() override;

    // A target ending in .html or .htm is written as HTML, every other as PDF.
    static bool somHtml(const QString &maal);
    // The picture `fil` of the picture folder `billedmappe` as the book may
    // use it: its canonical path when it lies inside that folder (also after
    // links and "..") and is at most 20 MB; empty otherwise, and then the
    // page's reference stays as it was.
    static QString billedfil(const QString &billedmappe, const QString &fil);

    void start(const QString &maal);
    void annuller();

    QString maal() const { return m_maal; }
    int antalSider() const { return int(m_elementer.size()); }
    // Pages whose file is missing or unreadable, skipped, in tree order.
    QStringList mangler() const { return m_mangler; }

signals:
    // Pages read so far of all; then once (alle, alle) while the file is made.
    void fremskridt(int laest, int alle);
    // ok false with an empty reason when cancelled.
    void faerdig(bool ok, const QString &fejl);

private:
    void laesNogle();
    void skrivBog();
    void slut(bool ok, const QString &fejl);

    QList<Element> m_elementer;
    QString m_titel, m_cssSti, m_sidemappe, m_billedmappe, m_maal;
    QStringList m_kroppe;
    QList<bool> m_findes;
    QStringList m_mangler;
    int m_naeste = 0;
    bool m_annulleret = false;
    bool m_koerer = false;
    std::unique_ptr<QTemporaryDir> m_tmp;
    PdfUdskrift *m_pdf = nullptr;
};
