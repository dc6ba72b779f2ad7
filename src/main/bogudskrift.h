#pragma once

#include "core/dagbogsbog.h"

#include <QDate>
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
        QDate dato; // a day's, when the title names a diary year
    };

    // The elements of a loaded tree in tree order, with the folders it names.
    // The days without a word are left out unless tommeSider.
    TBogudskrift(const TStruktur &struktur, const QString &titel, const QString &cssSti,
                 bool tommeSider, QObject *parent = nullptr);
    ~TBogudskrift() override;

    // A target ending in .html or .htm is written as HTML, every other as PDF.
    static bool somHtml(const QString &maal);
    // The picture `fil` of the picture folder `billedmappe` as the book may
    // use it: its canonical path when it lies inside that folder (also after
    // links and "..") and is at most 20 MB; empty otherwise, and then the
    // page's reference stays as it was.
    static QString billedfil(const QString &billedmappe, const QString &fil);

    // The switch "Udskriv tomme sider", kept in the user's Egenskaber folder
    // for the main window and the command line alike; off until set.
    static bool tommeSider(const QString &egenskaber);
    static void gemTommeSider(const QString &egenskaber, bool til);

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
    void udskriv();
    void udskrevet(const QByteArray &pdf, const QString &fejl);
    void slut(bool ok, const QString &fejl);

    QList<Element> m_elementer;
    QString m_titel, m_cssSti, m_sidemappe, m_billedmappe, m_maal;
    bool m_tomme;
    QStringList m_kroppe;
    QList<bool> m_findes, m_skrevne;
    // The PDF is printed again with the contents' sheet numbers until they stay put.
    QList<Dagbogsbog::Side> m_sider;
    QString m_css;
    QList<int> m_ark;
    int m_omgang = 0;
    QStringList m_mangler;
    int m_naeste = 0;
    bool m_annulleret = false;
    bool m_koerer = false;
    std::unique_ptr<QTemporaryDir> m_tmp;
    PdfUdskrift *m_pdf = nullptr;
};
