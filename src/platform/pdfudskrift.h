#pragma once

#include <QObject>
#include <QString>

class QWebEnginePage;
class QWebEngineProfile;

// Prints a local HTML file to PDF with the browser engine: A4, portrait,
// margins of 15 mm at the sides and 18 mm at top and bottom. Nothing is
// written here; faerdig hands over the PDF.
class PdfUdskrift : public QObject {
    Q_OBJECT
public:
    explicit PdfUdskrift(QObject *parent = nullptr);
    ~PdfUdskrift() override;

    void start(const QString &htmlFil);

signals:
    // Comes once: the PDF, or an empty array with a Danish reason.
    void faerdig(const QByteArray &pdf, const QString &fejl);

private:
    QWebEngineProfile *m_profil;
    QWebEnginePage *m_side = nullptr;
};
