#include "optionfil.h"

#include "tekstfil.h"

#include <QFileInfo>

OptionLaeser::OptionLaeser(const QString &sti) {
    if (!QFileInfo::exists(sti)) return;
    try {
        m_linjer = Tekstfil::laesLinjer(sti);
        m_findes = true;
    } catch (const Tekstfil::FilFejl &) {
        m_stoppet = true;
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

bool skrivOptioner(const QString &sti, const QStringList &linjer) {
    try {
        Tekstfil::skriv(sti, linjer);
        return true;
    } catch (const Tekstfil::FilFejl &) {
        return false;
    }
}
