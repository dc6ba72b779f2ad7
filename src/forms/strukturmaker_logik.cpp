#include "strukturmaker.h"

#include "core/sammenlign.h"
#include "platform/ikoner.h"

#include <QFileInfo>

namespace Strukturmaker {

namespace {

struct Knap {
    const char *tekst;
    int billede;
};

// Button positions 0-9 of the two icon lists.
constexpr Knap knapper[2][10] = {
    {{"Objekt", 4},
     {"Information", 3},
     {"Grøn bog", 0},
     {"Rød bog", 1},
     {"Egenskab", 8},
     {"Eksempel", 2},
     {"Rød bog åben", 7},
     {"Kategori", 6},
     {"Metode", 5},
     {"Andet", 9}},
    {{"Objekt", 0},
     {"Egenskab", 1},
     {"Metode", 2},
     {"Andet", 3},
     {"Enum", 4},
     {"Konstant", 5},
     {"Keys", 6},
     {"Key", 7},
     {"Tekst", 8},
     {"Andet", 9}},
};

struct Beskyttet {
    const char *navn;
    const char *grund;
};

constexpr Beskyttet beskyttede[] = {
    {"CSS", "Den anvendes til CSS information."},
    {"Eksempler", "Den anvendes til komponenteksempler."},
    {"Html5", "Den anvendes til HTML information."},
    {"JavaScript", "Den anvendes til JavaScript information."},
    {"Programmet", "Den anvendes til program information."},
};

int gyldigListe(int liste) {
    return liste == 1 ? 1 : 0;
}

} // namespace

QStringList standardSide(const QString &titel) {
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>") + titel + QStringLiteral("</title>"),
            QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; "
                           "charset=windows-1252\">"),
            QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
            QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og "
                           "funktioner/design.css\">"),
            QStringLiteral("<script type=\"text/javascript\" src=\"Design og "
                           "funktioner/funktioner.js\"></script>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<div class=\"spalteUb1\" style=\"width: 500px;\">"),
            QStringLiteral("<div class=\"overskrift\">") + titel + QStringLiteral("</div>"),
            QString(),
            QStringLiteral("</div>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

QString beskyttet(const QString &navn) {
    for (const Beskyttet &b : beskyttede)
        if (ensAZ(navn, QString::fromUtf8(b.navn))) return QString::fromUtf8(b.grund);
    return {};
}

bool erStrukturnavn(const QString &indgang) {
    return !indgang.isEmpty() && !indgang.contains(u'.');
}

QString navnFejl(const QString &navn, const QString &slags) {
    if (navn.contains(u'/') || navn.contains(u'\\'))
        return QStringLiteral("Et ") + slags + QStringLiteral(" må ikke indeholde \\ eller /.");
    if (navn == u"." || navn == u"..")
        return QStringLiteral("Et ") + slags +
               QStringLiteral(" kan ikke være \".\" eller \"..\": de navne står for mapper.");
    return {};
}

int ikonliste(const QString &strukturnavn) {
    return ensAZ(strukturnavn, QStringLiteral("VBS")) ? 1 : 0;
}

QString knapTekst(int liste, int position) {
    if (position < 0 || position > 9) return {};
    return QString::fromUtf8(knapper[gyldigListe(liste)][position].tekst);
}

int knapBillede(int liste, int position) {
    if (position < 0 || position > 9) return -1;
    return knapper[gyldigListe(liste)][position].billede;
}

int knapFor(int liste, int k) {
    for (int p = 0; p < 10; ++p)
        if (knapBillede(liste, p) == k) return p;
    return -1;
}

QString ikonTekst(int liste, int k) {
    const int p = knapFor(liste, k);
    if (p < 0) return {};
    // The caption of a taken-over "Information" has always been spelt this way.
    if (gyldigListe(liste) == 0 && k == 3) return QStringLiteral("Element ikon: Iformation");
    return QStringLiteral("Element ikon: ") + knapTekst(liste, p);
}

QList<QIcon> billeder(int liste) {
    return Ikoner::trae(liste);
}

QString autoFilnavn(const QString &sidemappe, int n) {
    QString navn = QStringLiteral("dokument") + QString::number(n);
    while (QFileInfo::exists(sidemappe + navn + QStringLiteral(".html")))
        navn = QStringLiteral("dokument") + QString::number(++n);
    return navn;
}

} // namespace Strukturmaker
