#include "core/kalender.h"

#include <QDateTime>

#include <limits>

namespace {

const char16_t *const maaneder[] = {u"Januar",    u"Februar", u"Marts",    u"April",
                                    u"Maj",       u"Juni",    u"Juli",     u"August",
                                    u"September", u"Oktober", u"November", u"December"};

const char16_t *const ugedage[] = {u"Mandag", u"Tirsdag", u"Onsdag", u"Torsdag",
                                   u"Fredag", u"Lørdag",  u"Søndag"};

QString toCifre(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// "9. Maj - Torsdag ": day without leading zero.
QString helligdagTekst(const QDate &d) {
    return QString::number(d.day()) + QStringLiteral(". ") + maanedNavn(d.month()) +
           QStringLiteral(" - ") + makeDay(d.dayOfWeek());
}

// "24. December - Tirsdag ": the fixed holidays keep two digits.
QString fastHelligdagTekst(int aar, int maaned, int dag) {
    return toCifre(dag) + QLatin1Char('.') + makeMonth(maaned) + QStringLiteral(" - ") +
           makeDay(QDate(aar, maaned, dag).dayOfWeek());
}

} // namespace

QString maanedNavn(int maaned) {
    if (maaned < 1 || maaned > 12) return {};
    return QString::fromUtf16(maaneder[maaned - 1]);
}

QString ugedagNavn(int isoUgedag) {
    if (isoUgedag < 1 || isoUgedag > 7) return {};
    return QString::fromUtf16(ugedage[isoUgedag - 1]);
}

QString makeMonth(int maaned) {
    const QString navn = maanedNavn(maaned);
    return navn.isEmpty() ? navn : QLatin1Char(' ') + navn;
}

QString makeDay(int isoUgedag) {
    const QString navn = ugedagNavn(isoUgedag);
    return navn.isEmpty() ? navn : navn + QLatin1Char(' ');
}

QString getDato(const QDate &d) {
    return makeDay(d.dayOfWeek()) + toCifre(d.day()) + QLatin1Char('.') + makeMonth(d.month()) +
           QLatin1Char(' ') + QString::number(d.year());
}

QString getDato() {
    return getDato(QDate::currentDate());
}

QString langDato(const QDate &d) {
    return ugedagNavn(d.dayOfWeek()).toLower() + u' ' + QString::number(d.day()) +
           QStringLiteral(". ") + maanedNavn(d.month()).toLower() + u' ' +
           QString::number(d.year());
}

QString langTidspunkt(const QDateTime &t) {
    return langDato(t.date()) + QStringLiteral(" kl. ") + toCifre(t.time().hour()) + u'.' +
           toCifre(t.time().minute());
}

QString getKlokken(const QTime &t) {
    return toCifre(t.hour()) + QLatin1Char(':') + toCifre(t.minute()) + QLatin1Char(':') +
           toCifre(t.second());
}

QString getKlokken() {
    return getKlokken(QTime::currentTime());
}

int beregnPaaskeS(int &Maaned, int T) {
    const int a = T % 19;
    const int b = T % 4;
    const int c = T % 7;
    const int k = T / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int M = (15 - p + k - q) % 30;
    const int N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30;
    const int e = (2 * b + 4 * c + 6 * d + N) % 7;

    if (d == 29 && e == 6) {
        Maaned = 4;
        return 19;
    }
    if (d == 28 && e == 6 && a > 10) {
        Maaned = 4;
        return 18;
    }
    const int dag = 22 + d + e;
    if (dag > 31) {
        Maaned = 4;
        return d + e - 9;
    }
    Maaned = 3;
    return dag;
}

QDate paaskedag(int aar) {
    int maaned = 0;
    const int dag = beregnPaaskeS(maaned, aar);
    return QDate(aar, maaned, dag);
}

bool gyldigtHelligdagsAar(int aar) {
    return aar >= 1 && aar <= 9999;
}

QStringList helligdage(int aar) {
    if (!gyldigtHelligdagsAar(aar)) return {};
    const QDate paaske = paaskedag(aar);
    QStringList tekster;
    tekster << fastHelligdagTekst(aar, 1, 1);
    for (int forskydning : {-3, -2, 0, 1, 26, 39, 49, 50})
        tekster << helligdagTekst(paaske.addDays(forskydning));
    tekster << fastHelligdagTekst(aar, 12, 24) << fastHelligdagTekst(aar, 12, 25)
            << fastHelligdagTekst(aar, 12, 26);
    return tekster;
}

QString getString(const QString &S) {
    return S.size() == 1 ? QLatin1Char('0') + S : S;
}

// A digit string beyond the 32-bit range gives 0 with *ok false rather than a
// wrapped-around number: the calendar refuses 0, so a runaway entry changes nothing.
int EditInteger(const QString &S, bool *ok) {
    if (ok) *ok = true;
    const bool negativ = S.startsWith(QLatin1Char('-'));
    const qint64 graense = negativ ? -qint64(std::numeric_limits<int>::min())
                                   : qint64(std::numeric_limits<int>::max());
    qint64 vaerdi = 0;
    for (QChar c : S) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) continue;
        vaerdi = vaerdi * 10 + (c.unicode() - u'0');
        if (vaerdi > graense) {
            if (ok) *ok = false;
            return 0;
        }
    }
    return int(negativ ? -vaerdi : vaerdi);
}

QString strukturNavnFor(int aar) {
    return QStringLiteral("Dagbog ") + QString::number(aar);
}

int dagbogsAar(QStringView strukturNavn) {
    if (strukturNavn.size() != 11 || !strukturNavn.startsWith(u"Dagbog ")) return 0;
    int aar = 0;
    for (const QChar c : strukturNavn.mid(7)) {
        if (c < u'0' || c > u'9') return 0;
        aar = aar * 10 + (c.unicode() - u'0');
    }
    return aar;
}

QString maanedElementNavn(const QDate &d) {
    return getString(QString::number(d.month())) + QLatin1Char(' ') + maanedNavn(d.month());
}

QString dagElementNavn(const QDate &d) {
    return getString(QString::number(d.month())) + QLatin1Char(' ') +
           getString(QString::number(d.day())) + QLatin1Char(' ') + ugedagNavn(d.dayOfWeek());
}

QDate dagElementDato(int aar, QStringView navn) {
    if (navn.size() < 7 || navn[2] != u' ' || navn[5] != u' ') return {};
    const QDate d(aar, navn.left(2).toInt(), navn.mid(3, 2).toInt());
    return d.isValid() && dagElementNavn(d) == navn ? d : QDate();
}

// QDate clamps to the target month's last day, which is what the calendar wants.
QDate naesteMaaned(const QDate &d) {
    return d.addMonths(1);
}
QDate forrigeMaaned(const QDate &d) {
    return d.addMonths(-1);
}
QDate naesteAar(const QDate &d) {
    return d.addYears(1);
}
QDate forrigeAar(const QDate &d) {
    return d.addYears(-1);
}
