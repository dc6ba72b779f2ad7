#include "kommandolinje.h"

#include "app/vinduer.h"
#include "core/datotekst.h"
#include "main/mainform.h"
#include "platform/mapper.h"
#include "platform/programmappe.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace {

// Options the windowing library reads itself; they must not stop the start.
void tilfoejSkjulte(QCommandLineParser &p) {
    for (const char *navn : {"platform", "platformtheme", "platformpluginpath", "style",
                             "stylesheet", "session", "display", "geometry", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "qmljsdebugger"}) {
        QCommandLineOption o(QString::fromLatin1(navn), QString(), QStringLiteral("x"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
    for (const char *navn : {"reverse", "widgetcount", "sync", "nograb", "dograb"}) {
        QCommandLineOption o(QString::fromLatin1(navn));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
}

// The parser's headings in Danish, and the program's name as the user types it;
// the descriptions are ours already.
QString danskHjaelp(const QString &tekst) {
    QString ud = tekst.mid(tekst.indexOf(u'\n') + 1);
    ud.replace(QLatin1String("Options:"), QLatin1String("Tilvalg:"));
    ud.replace(QLatin1String("Arguments:"), QLatin1String("Argumenter:"));
    return QStringLiteral("Brug: dagbog [tilvalg] [FIL]\n") + ud;
}

Kommandolinje fejl(const QString &tekst) {
    Kommandolinje k;
    k.start = false;
    k.slutkode = 2;
    k.fejl = QStringLiteral("dagbog: ") + tekst;
    return k;
}

} // namespace

int Kommandolinje::afslut() const {
    if (!udskrift.isEmpty()) std::fputs(udskrift.toLocal8Bit().constData(), stdout);
    if (!fejl.isEmpty()) std::fprintf(stderr, "%s\n", fejl.toLocal8Bit().constData());
    return slutkode;
}

Kommandolinje laesKommandolinje(const QStringList &argumenter, const QDate &idag) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Dagbog med én HTML-side for hver dag."));
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption dato(
        QStringLiteral("dato"),
        QStringLiteral("Start med datoen DATO valgt og dens side åben, som \"Åben valgte dato\". "
                       "DATO skrives ÅÅÅÅ-MM-DD eller i-dag."),
        QStringLiteral("DATO"));
    const QCommandLineOption rod(
        QStringLiteral("rod"),
        QStringLiteral("Brug MAPPE som dagbogens rodmappe (som DAGBOG_ROOT) i stedet for "
                       "Dagbogsmappe i hjemmemappen."),
        QStringLiteral("MAPPE"));
    const QCommandLineOption udskriv(
        QStringLiteral("udskriv"),
        QStringLiteral("Skriv strukturen STRUKTUR som bog i PDF-filen FIL uden at åbne et vindue."),
        QStringLiteral("STRUKTUR"));
    const QCommandLineOption statistik(
        QStringLiteral("statistik"),
        QStringLiteral("Skriv tallene for dagbogen STRUKTUR (fx \"Dagbog 2024\") uden at åbne et "
                       "vindue: skrevne dage, ord, striber og de mest brugte ord."),
        QStringLiteral("STRUKTUR"));
    const QCommandLineOption hjaelp({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Vis denne hjælp."));
    const QCommandLineOption udgave({QStringLiteral("v"), QStringLiteral("version")},
                                    QStringLiteral("Vis programmets udgave."));
    QCommandLineOption programmappe(QStringLiteral("opdater-programmappe"), QString(),
                                    QStringLiteral("FRA"));
    programmappe.setFlags(QCommandLineOption::HiddenFromHelp);
    p.addOptions({dato, rod, udskriv, statistik, hjaelp, udgave, programmappe});
    p.addPositionalArgument(QStringLiteral("FIL"),
                            QStringLiteral("PDF-filen som --udskriv skriver bogen i."),
                            QStringLiteral("[FIL]"));
    tilfoejSkjulte(p);

    if (!p.parse(argumenter)) {
        const QStringList ukendte = p.unknownOptionNames();
        if (!ukendte.isEmpty())
            return fejl(
                QStringLiteral("Ukendt tilvalg \"%1\". Se dagbog --help.").arg(ukendte.first()));
        return fejl(QStringLiteral("Et tilvalg mangler sin værdi. Se dagbog --help."));
    }

    Kommandolinje k;
    if (p.isSet(hjaelp)) {
        k.start = false;
        k.udskrift = danskHjaelp(p.helpText());
        return k;
    }
    if (p.isSet(udgave)) {
        k.start = false;
        k.udskrift = QStringLiteral("Dagbog " DAGBOG_UDGAVE "\n");
        return k;
    }
    if (p.isSet(dato)) {
        const QString tekst = p.value(dato);
        k.dato = laesDatoTekst(tekst, idag);
        if (!k.dato)
            return fejl(QStringLiteral("Datoen \"%1\" findes ikke; skriv den som ÅÅÅÅ-MM-DD "
                                       "eller i-dag.")
                            .arg(tekst));
    }
    if (p.isSet(rod)) {
        k.rod = p.value(rod);
        if (k.rod.isEmpty()) return fejl(QStringLiteral("Tilvalget --rod mangler en mappe."));
    }
    if (p.isSet(statistik)) {
        k.statistik = true;
        k.statistikStruktur = p.value(statistik);
    }
    const QStringList rest = p.positionalArguments();
    if (p.isSet(programmappe)) {
        k.programmappeFra = p.value(programmappe);
        if (k.programmappeFra.isEmpty())
            return fejl(QStringLiteral("Tilvalget --opdater-programmappe mangler en mappe."));
    }
    if (p.isSet(udskriv)) {
        if (rest.size() != 1)
            return fejl(QStringLiteral("--udskriv skal have en struktur og én PDF-fil."));
        k.udskriv = true;
        k.udskrivStruktur = p.value(udskriv);
        k.udskrivFil = rest.first();
    } else if (!rest.isEmpty()) {
        return fejl(QStringLiteral("Ukendt argument \"%1\". Se dagbog --help.").arg(rest.first()));
    }
    return k;
}

int opdaterProgrammappeFraKommandolinje(const QString &fra) {
    const QString til = Mapper::rod() + QStringLiteral("/Program");
    const Programmappe::Opdatering r = Programmappe::opdater(fra, til, true);
    for (const QString &fil : r.beholdt)
        std::printf("%s\n",
                    QStringLiteral("Din ændrede fil er beholdt: Program/%1 (den nye ligger i "
                                   "Program/%2)")
                        .arg(fil, QLatin1String(Programmappe::nyeUdgaver))
                        .toLocal8Bit()
                        .constData());
    if (r.kopieret && !r.fejl) return 0;
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("dagbog: Programmappen %1 kunne ikke opdateres fra %2.")
                     .arg(QDir::toNativeSeparators(til), QDir::toNativeSeparators(fra))
                     .toLocal8Bit()
                     .constData());
    return 1;
}

QByteArray beskedTilKoerende(const Kommandolinje &k) {
    if (k.dato) return "dato " + k.dato->toString(Qt::ISODate).toLatin1();
    return "vis";
}

namespace {

void udfoerNu(const QByteArray &besked) {
    if (!mainform) return;
    // A minimised or hidden window comes back; the desktop decides whether it
    // also takes the focus from the program the user is in.
    if (mainform->isMinimized()) mainform->showNormal();
    if (!mainform->isVisible()) mainform->show();
    mainform->raise();
    mainform->activateWindow();
    if (besked.startsWith("dato ")) {
        const QDate d = QDate::fromString(QString::fromLatin1(besked.mid(5)), Qt::ISODate);
        if (d.isValid()) mainform->aabnDato(d);
    }
}

QList<QByteArray> &ventende() {
    static QList<QByteArray> koe;
    return koe;
}

// An open question may be about the selection a message would change (a
// deletion, say): the messages wait until it is answered.
void udfoerVentende() {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &udfoerVentende);
        return;
    }
    for (const QByteArray &b : std::exchange(ventende(), {}))
        udfoerNu(b);
}

} // namespace

void udfoerBesked(const QByteArray &besked) {
    ventende().append(besked);
    if (ventende().size() == 1) udfoerVentende();
}
