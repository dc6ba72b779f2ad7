#include "optionfil.h"

#include "dialoger.h"
#include "tekstfil.h"

#include <QFileInfo>
#include <utility>

OptionLaeser::OptionLaeser(const QString &sti) {
    if (!QFileInfo::exists(sti)) return;
    try {
        m_linjer = Tekstfil::laesLinjer(sti);
        m_findes = true;
    } catch (const Tekstfil::FilFejl &f) {
        m_stoppet = true;
        Dialoger::fejl(f.besked());
    }
}

const QString *OptionLaeser::naeste() {
    if (m_stoppet) return nullptr;
    if (m_naeste >= m_linjer.size()) {
        m_stoppet = true;
        m_fejlLinje = m_naeste + 1;
        return nullptr;
    }
    return &m_linjer[m_naeste++];
}

bool OptionLaeser::tekst(QString &ud) {
    const QString *l = naeste();
    if (!l) return false;
    ud = *l;
    return true;
}

bool OptionLaeser::tal(int &ud) {
    const QString *l = naeste();
    if (!l) return false;
    bool ok = false;
    const int v = l->trimmed().toInt(&ok);
    if (!ok) {
        m_stoppet = true;
        m_fejlLinje = m_naeste;
        m_fejlVaerdi = *l;
        return false;
    }
    ud = v;
    return true;
}

bool OptionLaeser::flag(bool &ud) {
    int v = 0;
    if (!tal(v)) return false;
    ud = v != 0;
    return true;
}

namespace {
QStringList &mislykkede() {
    static QStringList liste;
    return liste;
}
} // namespace

bool skrivOptioner(const QString &sti, const QStringList &linjer) {
    try {
        Tekstfil::skriv(sti, linjer);
        mislykkede().removeAll(sti);
        return true;
    } catch (const Tekstfil::FilFejl &) {
        if (!mislykkede().contains(sti)) mislykkede().append(sti);
        return false;
    }
}

QStringList ikkeGemteOptioner() {
    return std::exchange(mislykkede(), {});
}
