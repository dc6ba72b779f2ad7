#include "bogudskrift.h"

#include "controls/struktur.h"
#include "core/kalender.h"
#include "core/tekstomraader.h"
#include "platform/optionfil.h"
#include "platform/pdfark.h"
#include "platform/pdfudskrift.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUrl>

namespace {

int niveauAf(const QTreeWidgetItem *e) {
    int n = 0;
    for (const QTreeWidgetItem *p = e->parent(); p; p = p->parent())
        ++n;
    return n;
}

bool gem(const QString &sti, const QByteArray &data, QString &fejl) {
    QSaveFile f(sti);
    if (f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit()) return true;
    fejl = QStringLiteral("Filen \"%1\" kan ikke skrives.").arg(QDir::toNativeSeparators(sti));
    return false;
}

} // namespace

TBogudskrift::TBogudskrift(const TStruktur &struktur, const QString &titel, const QString &cssSti,
                           bool tommeSider, QObject *parent)
    : QObject(parent)
    , m_titel(titel)
    , m_cssSti(cssSti)
    , m_sidemappe(struktur.Infomappe())
    , m_billedmappe(struktur.Billedmappe())
    , m_tomme(tommeSider) {
    const int aar = dagbogsAar(titel);
    // An element without a data string has its text as page name, as a rebuilt data file gives.
    for (const QTreeWidgetItem *e : struktur.elementer())
        m_elementer.append({e->text(0), TStruktur::harData(e) ? TStruktur::sideNavn(e) : e->text(0),
                            niveauAf(e), aar ? dagElementDato(aar, e->text(0)) : QDate()});
}

namespace {
QString tommeFil(const QString &egenskaber) {
    return QDir(egenskaber).filePath(QStringLiteral("udskrivning.txt"));
}
} // namespace

bool TBogudskrift::tommeSider(const QString &egenskaber) {
    bool til = false;
    OptionLaeser(tommeFil(egenskaber)).flag(til);
    return til;
}

void TBogudskrift::gemTommeSider(const QString &egenskaber, bool til) {
    skrivOptioner(tommeFil(egenskaber), {til ? QStringLiteral("1") : QStringLiteral("0")});
}

TBogudskrift::~TBogudskrift() = default;

bool TBogudskrift::somHtml(const QString &maal) {
    return maal.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
           maal.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
}

QString TBogudskrift::billedfil(const QString &billedmappe, const QString &fil) {
    constexpr qint64 hoejst = 20 * 1024 * 1024;
    const QString mappe = QFileInfo(billedmappe).canonicalFilePath();
    const QFileInfo f(billedmappe + u'/' + fil);
    const QString sti = f.canonicalFilePath();
    if (mappe.isEmpty() || !sti.startsWith(mappe + u'/') || !f.isFile() || f.size() > hoejst)
        return {};
    return sti;
}

void TBogudskrift::start(const QString &maal) {
    if (m_koerer) return;
    m_koerer = true;
    m_annulleret = false;
    m_maal = maal;
    m_kroppe.clear();
    m_findes.clear();
    m_skrevne.clear();
    m_ark.clear();
    m_omgang = 0;
    m_mangler.clear();
    m_naeste = 0;
    QTimer::singleShot(0, this, &TBogudskrift::laesNogle);
}

void TBogudskrift::annuller() {
    if (!m_koerer) return;
    m_annulleret = true;
    // The page printer cannot be stopped half-way; its result is thrown away.
    if (!m_pdf) QTimer::singleShot(0, this, [this] { slut(false, QString()); });
}

void TBogudskrift::laesNogle() {
    if (m_annulleret || !m_koerer) return;
    const int slutter = qMin(m_naeste + 16, int(m_elementer.size()));
    for (; m_naeste < slutter; ++m_naeste) {
        const Element &e = m_elementer[m_naeste];
        const QString sti = m_sidemappe + e.sidenavn + QStringLiteral(".html");
        QString side;
        try {
            if (e.sidenavn.isEmpty() || !QFileInfo(sti).isFile())
                throw Tekstfil::FilFejl(sti, QString());
            side = Tekstfil::laesLinjer(sti).join(u'\n');
        } catch (const Tekstfil::FilFejl &) {
            m_mangler << e.tekst;
            m_kroppe << QString();
            m_findes << false;
            m_skrevne << false;
            continue;
        }
        m_kroppe << Dagbogsbog::krop(side);
        m_findes << true;
        m_skrevne << (!e.dato.isValid() || !Tekstomraader::sidetekst(side).ord.isEmpty());
    }
    emit fremskridt(m_naeste, int(m_elementer.size()));
    if (m_naeste < m_elementer.size())
        QTimer::singleShot(0, this, &TBogudskrift::laesNogle);
    else
        skrivBog();
}

void TBogudskrift::skrivBog() {
    const bool html = somHtml(m_maal);
    // In the PDF the engine reads the pictures from their folder; the HTML
    // file carries them inside, so it can be sent on by itself.
    QHash<QString, QString> kilder;
    const QMimeDatabase typer;
    auto nyKilde = [&](const QString &fil) -> QString {
        const auto fundet = kilder.constFind(fil);
        if (fundet != kilder.cend()) return *fundet;
        const QString sti = billedfil(m_billedmappe, fil);
        QString ny;
        if (!sti.isEmpty()) {
            if (!html) {
                ny = QUrl::fromLocalFile(sti).toString();
            } else {
                QFile f(sti);
                if (f.open(QIODevice::ReadOnly))
                    ny = QStringLiteral("data:") + typer.mimeTypeForFile(sti).name() +
                         QStringLiteral(";base64,") + QString::fromLatin1(f.readAll().toBase64());
            }
        }
        kilder.insert(fil, ny);
        return ny;
    };

    QList<Dagbogsbog::Side> sider;
    for (int i = 0; i < m_elementer.size(); ++i) {
        if (!m_findes[i]) continue;
        const Element &e = m_elementer[i];
        sider.append({e.tekst, e.niveau, Dagbogsbog::omskrivBilleder(m_kroppe[i], nyKilde), e.dato,
                      m_skrevne[i]});
    }
    m_sider = Dagbogsbog::udvalg(sider, m_tomme);
    m_css.clear();
    try {
        if (QFileInfo::exists(m_cssSti)) m_css = Tekstfil::laesLinjer(m_cssSti).join(u'\n');
    } catch (const Tekstfil::FilFejl &) {
        // The book is written in the engine's own style then.
    }

    QString fejl;
    if (html) {
        slut(gem(m_maal, Dagbogsbog::html(m_titel, m_sider, m_css).toUtf8(), fejl), fejl);
        return;
    }
    m_tmp = std::make_unique<QTemporaryDir>();
    m_pdf = new PdfUdskrift(this);
    connect(m_pdf, &PdfUdskrift::faerdig, this, &TBogudskrift::udskrevet);
    udskriv();
}

void TBogudskrift::udskriv() {
    if (m_annulleret) {
        slut(false, QString());
        return;
    }
    QString fejl;
    const QString midlertidig = m_tmp->filePath(QStringLiteral("bog.html"));
    if (!m_tmp->isValid() ||
        !gem(midlertidig, Dagbogsbog::html(m_titel, m_sider, m_css, m_ark).toUtf8(), fejl)) {
        slut(false, fejl);
        return;
    }
    m_pdf->start(midlertidig);
}

void TBogudskrift::udskrevet(const QByteArray &pdf, const QString &fejl) {
    if (m_annulleret || pdf.isEmpty()) {
        slut(false, m_annulleret ? QString() : fejl);
        return;
    }
    // Each page's section lies where the contents' link to it points.
    QStringList ankre;
    for (int i = 0; i < m_sider.size(); ++i)
        ankre << Dagbogsbog::anker(i);
    const QList<int> ark = Pdfark::ark(pdf, ankre);
    // The numbers take room kept for them, so the second printing normally ends it.
    if (!ark.isEmpty() && ark != m_ark && ++m_omgang < 3) {
        m_ark = ark;
        // Not from within the printer's own answer.
        QTimer::singleShot(0, this, &TBogudskrift::udskriv);
        return;
    }
    const QByteArray nummereret = Pdfark::nummerer(pdf);
    QString f;
    if (nummereret.isEmpty())
        slut(false, QStringLiteral("Siderne kunne ikke nummereres."));
    else
        slut(gem(m_maal, nummereret, f), f);
}

void TBogudskrift::slut(bool ok, const QString &fejl) {
    if (!m_koerer) return;
    m_koerer = false;
    if (m_pdf) m_pdf->deleteLater();
    m_pdf = nullptr;
    m_tmp.reset();
    emit faerdig(ok && !m_annulleret, m_annulleret ? QString() : fejl);
}
