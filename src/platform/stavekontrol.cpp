#include "stavekontrol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <hunspell/hunspell.hxx>

namespace {

const QString ordbogsnavn = QStringLiteral("da_DK");

} // namespace

QString Stavekontrol::findOrdbog(const QString &programDir) {
    QStringList mapper;
    const QString valgt = qEnvironmentVariable("DAGBOG_ORDBOGSMAPPE");
    if (!valgt.isEmpty()) {
        mapper << valgt;
    } else {
        if (!programDir.isEmpty()) mapper << programDir + QStringLiteral("/Ordbog");
        mapper << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell")
               << QStringLiteral("/usr/share/myspell/dicts");
    }
    for (const QString &m : std::as_const(mapper)) {
        const QString grund = QDir(m).filePath(ordbogsnavn);
        if (QFileInfo::exists(grund + QStringLiteral(".aff")) &&
            QFileInfo::exists(grund + QStringLiteral(".dic")))
            return grund;
    }
    return {};
}

QString Stavekontrol::ordbogspakke() {
    return QStringLiteral("hunspell-da");
}

Stavekontrol::Stavekontrol(const QString &ordbog) {
    if (ordbog.isEmpty()) return;
    const QByteArray aff = QFile::encodeName(ordbog + QStringLiteral(".aff"));
    const QByteArray dic = QFile::encodeName(ordbog + QStringLiteral(".dic"));
    if (!QFileInfo::exists(QString::fromLocal8Bit(aff)) ||
        !QFileInfo::exists(QString::fromLocal8Bit(dic)))
        return;
    m_aff = aff;
    m_dic = dic;
}

Stavekontrol::~Stavekontrol() = default;

Hunspell *Stavekontrol::hunspell() const {
    if (m_hunspell || m_aff.isEmpty()) return m_hunspell.get();
    m_hunspell = std::make_unique<Hunspell>(m_aff.constData(), m_dic.constData());
    const QString kodning = QString::fromStdString(m_hunspell->get_dict_encoding()).toUpper();
    // The dictionaries in use are UTF-8 or ISO 8859-1; other 8-bit sets read as Latin-1.
    m_utf8 = kodning.isEmpty() || kodning.contains(QStringLiteral("UTF-8")) ||
             kodning.contains(QStringLiteral("UTF8"));
    return m_hunspell.get();
}

bool Stavekontrol::kod(const QString &ord, std::string &ud) const {
    if (m_utf8) {
        ud = ord.toStdString();
        return true;
    }
    for (QChar c : ord)
        if (c.unicode() > 0xff) return false;
    const QByteArray latin = ord.toLatin1();
    ud.assign(latin.constData(), size_t(latin.size()));
    return true;
}

QString Stavekontrol::afkod(const std::string &tekst) const {
    return m_utf8 ? QString::fromStdString(tekst)
                  : QString::fromLatin1(tekst.data(), qsizetype(tekst.size()));
}

bool Stavekontrol::egetOrd(const QString &ord) const {
    if (m_egne.contains(ord)) return true;
    // As the dictionary does with its own words: a word given in small
    // letters is right capitalised and in capitals, one given capitalised
    // is right in capitals.
    const QString smaa = ord.toLower();
    if (smaa == ord) return false;
    const QString stort = smaa.left(1).toUpper() + smaa.mid(1);
    if (ord == stort) return m_egne.contains(smaa);
    return ord == ord.toUpper() && (m_egne.contains(smaa) || m_egne.contains(stort));
}

bool Stavekontrol::korrekt(const QString &ord) const {
    if (!klar() || ord.isEmpty() || egetOrd(ord)) return true;
    const auto fundet = m_svar.constFind(ord);
    if (fundet != m_svar.cend()) return *fundet;
    Hunspell *h = hunspell();
    std::string kodet;
    const bool svar = !kod(ord, kodet) || h->spell(kodet);
    // A page repeats its words; the answers are kept for this run.
    if (m_svar.size() > 200000) m_svar.clear();
    m_svar.insert(ord, svar);
    return svar;
}

QStringList Stavekontrol::forslag(const QString &ord, int hoejst) const {
    QStringList ud;
    Hunspell *h = hunspell();
    std::string kodet;
    if (!h || !kod(ord, kodet)) return ud;
    for (const std::string &f : h->suggest(kodet)) {
        if (ud.size() >= hoejst) break;
        ud << afkod(f);
    }
    return ud;
}

void Stavekontrol::tilfoej(const QString &ord) {
    // Kept beside the dictionary rather than added to it: adding is slow
    // enough to make a long word list hold up the start.
    m_egne.insert(ord);
}
