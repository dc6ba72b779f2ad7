#include "pdfudskrift.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

PdfUdskrift::PdfUdskrift(QObject *parent)
    : QObject(parent)
    // A profile of its own in memory only: printing leaves no cache behind.
    , m_profil(new QWebEngineProfile(this)) {}

PdfUdskrift::~PdfUdskrift() {
    delete m_side; // before its profile
}

void PdfUdskrift::start(const QString &htmlFil) {
    delete m_side;
    m_side = new QWebEnginePage(m_profil);
    m_side->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_side->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    QPointer<QWebEnginePage> side = m_side;
    connect(m_side, &QWebEnginePage::loadFinished, this, [this, side](bool ok) {
        if (!side || side != m_side) return;
        if (!ok) {
            emit faerdig({}, QStringLiteral("Bogen kunne ikke sættes op til udskrift."));
            return;
        }
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(15, 18, 15, 18), QPageLayout::Millimeter);
        side->printToPdf(
            [this, side](const QByteArray &pdf) {
                if (!side || side != m_side) return;
                if (pdf.isEmpty())
                    emit faerdig({}, QStringLiteral("PDF-filen kunne ikke dannes."));
                else
                    emit faerdig(pdf, QString());
            },
            layout);
    });
    m_side->load(QUrl::fromLocalFile(htmlFil));
}
