#include "historiktekst.h"

namespace Historiktekst {

namespace {

const QString pil = QStringLiteral(" › ");

bool erSide(const QString &sti) {
    return sti.contains(QLatin1String("/tekstfiler/")) && sti.endsWith(QLatin1String(".html"));
}

// The page the user will recognise first; else the first file.
QString hovedfil(const QStringList &stier) {
    for (const QString &s : stier)
        if (erSide(s)) return s;
    return stier.value(0);
}

QString flere(int antal) {
    if (antal <= 0) return QString();
    return antal == 1 ? QStringLiteral(" og 1 fil mere")
                      : QStringLiteral(" og %1 filer mere").arg(antal);
}

} // namespace

QString sted(const QString &sti) {
    QString s = sti;
    if (s.startsWith(QLatin1String("Struktur/"))) s.remove(0, 9);
    if (s.endsWith(u'/')) s.chop(1);
    if (erSide(sti)) {
        s.chop(5);
        s.replace(QLatin1String("/tekstfiler/"), QLatin1String("/"));
    }
    return s.split(u'/').join(pil);
}

QString besked(const QStringList &gemte, const QStringList &fjernede) {
    if (gemte.size() == 1 && fjernede.size() == 1 && erSide(gemte[0]) && erSide(fjernede[0]))
        return QStringLiteral("Omdøbt: ") + sted(fjernede[0]) + QStringLiteral(" til ") +
               sted(gemte[0]).section(pil, -1);
    if (gemte.isEmpty())
        return QStringLiteral("Slettet: ") + sted(hovedfil(fjernede)) + flere(fjernede.size() - 1);
    return QStringLiteral("Gemt: ") + sted(hovedfil(gemte)) +
           flere(gemte.size() + fjernede.size() - 1);
}

namespace {

QString medSider(const QString &handling, const QString &element, int sider) {
    if (sider <= 0) return handling + QStringLiteral(": ") + element;
    return QStringLiteral("%1: %2 med %3 %4")
        .arg(handling, element)
        .arg(sider)
        .arg(sider == 1 ? QStringLiteral("side") : QStringLiteral("sider"));
}

} // namespace

QString sletning(const QString &element, int underliggendeSider) {
    return medSider(QStringLiteral("Slettet"), element, underliggendeSider);
}

QString gendannelse(const QString &element, int underliggendeSider) {
    return medSider(QStringLiteral("Gendannet"), element, underliggendeSider);
}

} // namespace Historiktekst
