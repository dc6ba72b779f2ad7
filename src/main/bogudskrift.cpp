#include "bogudskrift.h"

#include "controls/struktur.h"
#include "core/dagbogsbog.h"
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
                           QObject *parent)
    : QObject(parent)
    , m_titel(titel)
    , m_cssSti(cssSti)
    , m_sidemappe(struktur.Infomappe())
    , m_billedmappe(struktur.Billedmappe()) {
    // An element without a data string has its text as page name, as a rebuilt data file gives.
    for (const QTreeWidgetItem *e : struktur.elementer())
        m_elementer.append(
            {e->text(0), TStruktur::harData(e) ? TStruktur::sideNavn(e) : e->text(0), niveauAf(e)});
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
        QString krop;
        try {
            if (e.sidenavn.isEmpty() || !QFileInfo(sti).isFile())
                throw Tekstfil::FilFejl(sti, QString());
            krop = Dagbogsbog::krop(Tekstfil::laesLinjer(sti).join(u'\n'));
        } catch (const Tekstfil::FilFejl &) {
            m_mangler << e.tekst;
            m_kroppe << QString();
            m_findes << false;
            continue;
        }
        m_kroppe << krop;
        m_findes << true;
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
        sider.append({m_elementer[i].tekst, m_elementer[i].niveau,
                      Dagbogsbog::omskrivBilleder(m_kroppe[i], nyKilde)});
    }
    QString css;
    try {
        if (QFileInfo::exists(m_cssSti)) css = Tekstfil::laesLinjer(m_cssSti).join(u'\n');
    } catch (const Tekstfil::FilFejl &) {
        // The book is written in the engine's own style then.
    }
    const QByteArray bog = Dagbogsbog::html(m_titel, sider, css).toUtf8();

    QString fejl;
    if (html) {
        slut(gem(m_maal, bog, fejl), fejl);
        return;
    }
    m_tmp = std::make_unique<QTemporaryDir>();
    const QString midlertidig = m_tmp->filePath(QStringLiteral("bog.html"));
    if (!m_tmp->isValid() || !gem(midlertidig, bog, fejl)) {
        slut(false, fejl);
        return;
    }
    m_pdf = new PdfUdskrift(this);
    connect(m_pdf, &PdfUdskrift::faerdig, this, [this](const QByteArray &pdf, const QString &f) {
        m_pdf->deleteLater();
        m_pdf = nullptr;
        if (m_annulleret) {
            slut(false, QString());
            return;
        }
        QString fejl = f;
        slut(!pdf.isEmpty() && gem(m_maal, pdf, fejl), fejl);
    });
    m_pdf->start(midlertidig);
}

void TBogudskrift::slut(bool ok, const QString &fejl) {
    if (!m_koerer) return;
    m_koerer = false;
    m_tmp.reset();
    emit faerdig(ok && !m_annulleret, m_annulleret ? QString() : fejl);
}
