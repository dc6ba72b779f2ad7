#include "sammenlign.h"

#include <algorithm>

namespace {

char16_t foldAZ(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

int sammenlignUdenCase(const QString &a, const QString &b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

bool ensAZ(const QString &a, const QString &b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (foldAZ(a[i].unicode()) != foldAZ(b[i].unicode())) return false;
    return true;
}

qsizetype SorteretListe::nedreGraense(const QString &ord) const {
    auto it =
        std::lower_bound(m_ord.cbegin(), m_ord.cend(), ord, [](const QString &x, const QString &y) {
            return sammenlignUdenCase(x, y) < 0;
        });
    return it - m_ord.cbegin();
}

void SorteretListe::tilfoej(const QString &ord) {
    const qsizetype i = nedreGraense(ord);
    if (i < m_ord.size() && sammenlignUdenCase(m_ord[i], ord) == 0) return;
    m_ord.insert(i, ord);
}

void SorteretListe::tilfoej(const QStringList &ord) {
    for (const QString &o : ord)
        tilfoej(o);
}

bool SorteretListe::findes(const QString &ord) const {
    const qsizetype i = nedreGraense(ord);
    return i < m_ord.size() && sammenlignUdenCase(m_ord[i], ord) == 0;
}
