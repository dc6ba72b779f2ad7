#include "ordsoegning.h"

namespace Ordsoegning {

bool erOrdtegn(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.isMark();
}

// ASCII, the bulk of a page, takes the short way.
QString foldet(const QString &s) {
    QString ud(s.size(), Qt::Uninitialized);
    const QChar *ind = s.constData();
    QChar *p = ud.data();
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = ind[i].unicode();
        if (c < 0x80) {
            p[i] = QChar(char16_t(c >= u'A' && c <= u'Z' ? c + 32 : c));
        } else {
            const char32_t f = QChar::toCaseFolded(char32_t(c));
            p[i] = QChar(f <= 0xFFFF ? char16_t(f) : c);
        }
    }
    return ud;
}

qsizetype find(const QString &tekst, const QString &soeg, const QString &moenster, qsizetype fra,
               qsizetype slut, bool heleOrd) {
    if (moenster.isEmpty()) return -1;
    for (qsizetype i = soeg.indexOf(moenster, fra); i >= 0 && i + moenster.size() <= slut;
         i = soeg.indexOf(moenster, i + 1)) {
        if (!heleOrd) return i;
        const bool fritFoer = i == 0 || !erOrdtegn(tekst[i - 1]);
        const qsizetype efter = i + moenster.size();
        const bool fritEfter = efter >= tekst.size() || !erOrdtegn(tekst[efter]);
        if (fritFoer && fritEfter) return i;
    }
    return -1;
}

// The tables come from the same two functions, so the rule cannot drift.
EnByteSoegning::EnByteSoegning(char32_t (*tegn)(unsigned char)) {
    for (int b = 0; b < 256; ++b) {
        const QChar c{char16_t(tegn(uchar(b)))};
        m_foldet[b] = foldet(QString(c)).front().unicode();
        m_ordtegn[b] = erOrdtegn(c);
    }
}

qsizetype EnByteSoegning::find(const QByteArray &data, const QString &foldetOrd) const {
    if (foldetOrd.isEmpty()) return -1;
    const qsizetype n = data.size();
    m_buffer.resize(n);
    const auto *b = reinterpret_cast<const uchar *>(data.constData());
    QChar *p = m_buffer.data();
    for (qsizetype i = 0; i < n; ++i)
        p[i] = QChar(m_foldet[b[i]]);
    const qsizetype m = foldetOrd.size();
    for (qsizetype i = m_buffer.indexOf(foldetOrd); i >= 0;
         i = m_buffer.indexOf(foldetOrd, i + 1)) {
        const bool fritFoer = i == 0 || !m_ordtegn[b[i - 1]];
        const bool fritEfter = i + m >= n || !m_ordtegn[b[i + m]];
        if (fritFoer && fritEfter) return i;
    }
    return -1;
}

} // namespace Ordsoegning
