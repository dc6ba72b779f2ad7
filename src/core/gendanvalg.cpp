#include "gendanvalg.h"

#include <QCryptographicHash>

namespace Gendanvalg {

QByteArray stempel(const QByteArray &indhold) {
    return QByteArray::number(indhold.size()) + ' ' +
           QCryptographicHash::hash(indhold, QCryptographicHash::Sha256).toHex();
}

Valg vaelg(const QString &tekst, const QByteArray &stempelVedStart, const QByteArray &side,
           const QString &sideTekst) {
    if (tekst == sideTekst) return Valg::Fjern;
    if (!stempelVedStart.isEmpty() && stempelVedStart != stempel(side))
        return Valg::TilbydSideAendret;
    return Valg::Tilbyd;
}

} // namespace Gendanvalg
