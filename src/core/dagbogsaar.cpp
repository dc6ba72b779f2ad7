#include "dagbogsaar.h"

#include "kalender.h"

#include <QDate>
#include <QStringList>

namespace Dagbogsaar {

QString skabelon(int niveau, const QString &aar, const QString &maaned, const QString &dag) {
    auto ord = [](const QString &tekst, int n) { return tekst.split(u' ').value(n - 1); };
    QString titel;
    QString klasse;
    switch (niveau) {
    case 1:
        titel = aar;
        klasse = QStringLiteral("overskriftAar");
        break;
    case 2:
        titel = ord(maaned, 2) + u' ' + ord(aar, 2);
        klasse = QStringLiteral("overskriftMaaned");
        break;
    default:
        titel = ord(dag, 3) + u' ' + ord(dag, 2) + QStringLiteral(". ") + ord(maaned, 2);
        klasse = QStringLiteral("overskrift");
        break;
    }
    const QStringList linjer{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + titel + QStringLiteral("</title>"),
        QStringLiteral(
            "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">"),
        QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
        QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"..\\..\\design.css\">"),
        QStringLiteral("<script type=\"text/javascript\" src=\"..\\..\\funktioner.js\"></script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<div class=\"") + klasse + QStringLiteral("\">") + titel +
            QStringLiteral("</div>"),
        QStringLiteral("<DIV class=\"HovedSpalte\">"),
        QString(),
        QStringLiteral("</DIV>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return linjer.join(u'\n');
}

QList<Element> traeFraSider(int aar, const QSet<QString> &sider) {
    QList<Element> maaneder;
    for (int m = 1; m <= 12; ++m) {
        const QDate foerste(aar, m, 1);
        if (!foerste.isValid()) return {};
        QList<Element> dage;
        for (int d = 1; d <= foerste.daysInMonth(); ++d) {
            const QString navn = dagElementNavn(QDate(aar, m, d));
            if (sider.contains(navn)) dage.append({2, navn, true});
        }
        const QString navn = maanedElementNavn(foerste);
        if (dage.isEmpty() && !sider.contains(navn)) continue;
        maaneder.append({1, navn, sider.contains(navn)});
        maaneder.append(dage);
    }
    const QString navn = strukturNavnFor(aar);
    if (maaneder.isEmpty() && !sider.contains(navn)) return {};
    return QList<Element>{{0, navn, sider.contains(navn)}} + maaneder;
}

} // namespace Dagbogsaar
