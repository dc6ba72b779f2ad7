// A whole diary year (378 pages of about 2 KB) written as one PDF, against
// one page written the same way in the same run; the PDF is checked with
// pdfinfo and pdftotext when they are installed.
#include "controls/struktur.h"
#include "main/bogudskrift.h"
#include "platform/tekstfil.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const QStringList maaneder{"Januar", "Februar", "Marts",     "April",   "Maj",      "Juni",
                           "Juli",   "August",  "September", "Oktober", "November", "December"};
const QStringList ugedage{"Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Søndag"};

QStringList side(const QString &titel, const QString &navn) {
    QStringList l{"<!DOCTYPE html>",
                  "<html>",
                  "<head>",
                  "<title>" + titel + "</title>",
                  "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">",
                  "<link rel=\"stylesheet\" type=\"text/css\" href=\"..\\..\\design.css\">",
                  "</head>",
                  "<body>",
                  "<div class=\"overskrift\">" + titel + "</div>",
                  "<DIV class=\"HovedSpalte\">"};
    qsizetype n = 0;
    for (int i = 0; n < 1800; ++i) {
        l << QStringLiteral("<p>%1: i dag gik vi en tur langs stranden, vinden kom fra vest, og "
                            "vi drak kaffe hos naboen bagefter (%2).</p>")
                 .arg(navn)
                 .arg(i);
        n += l.last().size();
    }
    l << "</DIV>"
      << "</body>"
      << "</html>";
    return l;
}

// Writes a structure folder with the given elements (text, level) and their pages.
void lavStruktur(const QString &mappe, const QList<QPair<QString, int>> &elementer) {
    QDir().mkpath(mappe + "/tekstfiler");
    QDir().mkpath(mappe + "/Billeder");
    QStringList trae, data;
    for (const auto &[tekst, niveau] : elementer) {
        trae << QString(niveau, u'\t') + tekst;
        data << QString::number(niveau == 0 ? 0 : niveau == 1 ? 1 : 6) + tekst;
        Tekstfil::skriv(mappe + "/tekstfiler/" + tekst + ".html", side(tekst, tekst));
    }
    Tekstfil::skriv(mappe + "/struktur.txt", trae);
    Tekstfil::skriv(mappe + "/data.txt", data);
}

double skrivBog(const QString &mappe, const QString &maal) {
    TStruktur t;
    t.setDataOn(true);
    t.setStrukturfile(mappe + "/struktur.txt");
    t.setDatafile(mappe + "/data.txt");
    t.setInfomappe(mappe + "/tekstfiler/");
    t.setBilledmappe(mappe + "/Billeder/");
    t.HentStruktur();
    TBogudskrift bog(t, QDir(mappe).dirName(), QString(), false);
    QEventLoop loekke;
    bool ok = false;
    QObject::connect(&bog, &TBogudskrift::faerdig, &loekke, [&](bool o, const QString &) {
        ok = o;
        loekke.quit();
    });
    QElapsedTimer ur;
    ur.start();
    bog.start(maal);
    loekke.exec();
    const double s = ur.nsecsElapsed() / 1e9;
    if (!ok) std::printf("FAILED: %s\n", qPrintable(maal));
    return s;
}

QString koer(const QString &program, const QStringList &argumenter) {
    QProcess p;
    p.start(program, argumenter);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir rod;

    QList<QPair<QString, int>> aar{{"Dagbog 2024", 0}};
    for (int m = 1; m <= 12; ++m) {
        const QString mm = QString::number(m).rightJustified(2, u'0');
        aar.append({mm + " " + maaneder[m - 1], 1});
        for (int d = 1; d <= QDate(2024, m, 1).daysInMonth(); ++d)
            aar.append({mm + " " + QString::number(d).rightJustified(2, u'0') + " " +
                            ugedage[QDate(2024, m, d).dayOfWeek() - 1],
                        2});
    }
    aar.resize(378); // the year, twelve months and 365 days
    lavStruktur(rod.filePath("Dagbog 2024"), aar);
    lavStruktur(rod.filePath("En side"), {{"En side", 0}});

    // Warm the engine up once, so neither figure pays for its start.
    skrivBog(rod.filePath("En side"), rod.filePath("opvarmning.pdf"));
    const double en = skrivBog(rod.filePath("En side"), rod.filePath("en.pdf"));
    const double hele = skrivBog(rod.filePath("Dagbog 2024"), rod.filePath("aar.pdf"));

    std::printf("pages in the year: %lld\n", static_cast<long long>(aar.size()));
    std::printf("one page to PDF (baseline):   %.2f s\n", en);
    std::printf("the whole year to PDF:        %.2f s (%.1f x one page, %.1f ms per page)\n", hele,
                hele / en, hele * 1000 / aar.size());
    if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        const QString info = koer("pdfinfo", {rod.filePath("aar.pdf")});
        const int ark = info.section("Pages:", 1).trimmed().section(u'\n', 0, 0).toInt();
        const QString tekst = koer("pdftotext", {rod.filePath("aar.pdf"), "-"});
        int maanederFundet = 0;
        for (int m = 0; m < 12; ++m)
            if (tekst.contains(QString::number(m + 1).rightJustified(2, u'0') + " " + maaneder[m]))
                ++maanederFundet;
        std::printf("sheets in the PDF: %d (pages + title + contents = %lld)\n", ark,
                    static_cast<long long>(aar.size() + 2));
        std::printf("months found in the PDF's text: %d of 12\n", maanederFundet);
        std::printf("text of day page \"07 14 Søndag\" found: %s\n",
                    tekst.contains("07 14 Søndag: i dag gik vi en tur") ? "yes" : "no");
        std::printf("PDF size: %.1f MB\n", QFileInfo(rod.filePath("aar.pdf")).size() / 1e6);
    }
    return 0;
}
