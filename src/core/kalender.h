#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

// Danish month and weekday names, the date and time texts, Easter and the
// holiday list, and the names of a date's diary elements.

// " Januar" ... " December" (leading blank, so it follows "05." directly);
// empty for any other number.
QString makeMonth(int maaned);
// "Mandag " ... "Søndag " for ISO weekdays 1-7 (trailing blank); empty otherwise.
QString makeDay(int isoUgedag);

// The same names without blanks.
QString maanedNavn(int maaned);
QString ugedagNavn(int isoUgedag);

// "Tirsdag 05. Marts 2024".
QString getDato(const QDate &d);
QString getDato();
// "tirsdag 5. marts 2024".
QString langDato(const QDate &d);
// "tirsdag 5. marts 2024 kl. 21.14".
QString langTidspunkt(const QDateTime &t);
// "09:05:03".
QString getKlokken(const QTime &t);
QString getKlokken();

// Day of month of Easter Sunday in year T; Maaned receives its month (3 or 4).
int beregnPaaskeS(int &Maaned, int T);
QDate paaskedag(int aar);

// The holiday computation is meant for these years only.
bool gyldigtHelligdagsAar(int aar);
// The twelve holiday texts of a year, in row order: Nytårsdag, Skærtorsdag,
// Langfredag, Påskedag, Anden påskedag, Store bededag, Kristi himmelfartsdag,
// Pinsedag, Anden pinsedag, Juleaften, Juledag, Anden juledag.
QStringList helligdage(int aar);

// A single character gets a leading "0".
QString getString(const QString &S);
// The number in a typed text: its digits in order, negative when the text
// begins with "-", 0 when it has none.
int EditInteger(const QString &S, bool *ok = nullptr);

// Names of the diary elements a date belongs to.
QString strukturNavnFor(int aar); // "Dagbog 2024"
// The year of a diary structure: one named exactly "Dagbog " and four digits
// (not a restored copy, not an information structure); 0 for any other name.
int dagbogsAar(QStringView strukturNavn);
QString maanedElementNavn(const QDate &d); // "03 Marts"
QString dagElementNavn(const QDate &d);    // "03 05 Tirsdag"
// The date in year aar whose day element is named navn; invalid for any other name.
QDate dagElementDato(int aar, QStringView navn);

// Calendar steps; a day the target month lacks becomes its last day.
QDate naesteMaaned(const QDate &d);
QDate forrigeMaaned(const QDate &d);
QDate naesteAar(const QDate &d);
QDate forrigeAar(const QDate &d);
