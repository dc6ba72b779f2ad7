#include "datotekst.h"

#include <QRegularExpression>

std::optional<QDate> laesDatoTekst(const QString &tekst, const QDate &idag) {
    const QString t = tekst.trimmed();
    if (t.compare(QLatin1String("i-dag"), Qt::CaseInsensitive) == 0) return idag;
    // Exactly four, two and two digits: QDate's own reader would take "2024-3-5" and signs.
    static const QRegularExpression iso(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch m = iso.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid()) return std::nullopt;
    return d;
}
