#include "dagbogsbog.h"

#include "kalender.h"

#include <QRegularExpression>

namespace Dagbogsbog {

namespace {

// The book's own rules come after the user's, so a sheet always starts where a page starts.
const char *const bogensRegler = R"(
.bogForside { break-after: page; text-align: center; padding-top: 30vh; }
.bogForside h1 { font-size: 32pt; margin: 0 0 12pt 0; }
.bogIndhold { break-after: page; }
.bogIndhold h2 { margin-top: 0; }
.bogIndhold ul { list-style: none; padding-left: 0; }
.bogIndhold li.maaned { margin: 6pt 0; break-inside: avoid; }
.bogIndhold .dage { font-size: 8.5pt; column-count: 3; column-gap: 12pt; margin-left: 12pt; }
.bogIndhold a { color: inherit; text-decoration: none; display: flex; gap: 4pt; }
.bogIndhold .ark { margin-left: auto; min-width: 2.5em; text-align: right; flex: none; }
.bogSide { break-before: page; }
.bogSidenavn { font-size: 9pt; color: #555; border-bottom: 1px solid #999;
               margin-bottom: 12pt; padding-bottom: 2pt; }
img { max-width: 100%; }
)";

} // namespace

QString anker(int i) {
    return QStringLiteral("side%1").arg(i);
}

QString overskrift(const Side &side) {
    return side.dato.isValid() ? langDato(side.dato) : side.tekst;
}

QList<Side> udvalg(const QList<Side> &sider, bool tomme) {
    QList<Side> ud;
    for (const Side &s : sider)
        if (tomme || s.skrevet || !s.dato.isValid()) ud << s;
    return ud;
}

QString krop(const QString &html) {
    static const QRegularExpression start(QStringLiteral("<body\\b[^>]*>"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression slut(QStringLiteral("</body\\s*>"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch s = start.match(html);
    if (!s.hasMatch()) return html;
    const qsizetype fra = s.capturedEnd();
    const QRegularExpressionMatch e = slut.match(html, fra);
    return html.mid(fra, e.hasMatch() ? e.capturedStart() - fra : -1);
}

QString omskrivBilleder(const QString &krop,
                        const std::function<QString(const QString &fil)> &nyKilde) {
    static const QRegularExpression reference(
        QStringLiteral("\\b(src|href)(\\s*=\\s*)([\"'])\\.\\.[/\\\\]Billeder[/\\\\]([^\"']+)\\3"),
        QRegularExpression::CaseInsensitiveOption);
    QString ud;
    qsizetype sidst = 0;
    QRegularExpressionMatchIterator it = reference.globalMatch(krop);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString ny = nyKilde(m.captured(4));
        if (ny.isEmpty()) continue;
        ud += QStringView(krop).mid(sidst, m.capturedStart() - sidst);
        ud += m.captured(1) + m.captured(2) + m.captured(3) + ny + m.captured(3);
        sidst = m.capturedEnd();
    }
    ud += QStringView(krop).mid(sidst);
    return ud;
}

QString html(const QString &titel, const QList<Side> &sider, const QString &css,
             const QList<int> &ark) {
    QString ud;
    ud.reserve(4096 + sider.size() * 2600);
    ud += QStringLiteral("<!DOCTYPE html>\n<html lang=\"da\">\n<head>\n<meta charset=\"utf-8\">\n");
    ud += QStringLiteral("<title>") + titel.toHtmlEscaped() + QStringLiteral("</title>\n");
    // "</style" inside the user's sheet would end the element early.
    QString regler = css;
    regler.replace(QStringLiteral("</"), QStringLiteral("<\\/"));
    ud += QStringLiteral("<style>\n") + regler + QStringLiteral("\n</style>\n");
    ud +=
        QStringLiteral("<style>") + QString::fromUtf8(bogensRegler) + QStringLiteral("</style>\n");
    ud += QStringLiteral("</head>\n<body>\n");

    int dage = 0, skrevne = 0;
    for (const Side &s : sider)
        if (s.dato.isValid()) {
            ++dage;
            skrevne += s.skrevet;
        }
    const QString antal = !dage          ? QStringLiteral("%1 sider").arg(sider.size())
                          : skrevne == 1 ? QStringLiteral("1 skreven dag")
                                         : QStringLiteral("%1 skrevne dage").arg(skrevne);
    ud += QStringLiteral("<section class=\"bogForside\">\n<h1>") + titel.toHtmlEscaped() +
          QStringLiteral("</h1>\n<p>") + antal + QStringLiteral("</p>\n</section>\n");

    // Contents: the year and its months as entries, the days of a month beneath it.
    ud += QStringLiteral("<nav class=\"bogIndhold\">\n<h2>Indhold</h2>\n<ul>\n");
    bool iDage = false;
    bool iMaaned = false;
    auto lukDage = [&] {
        if (iDage) ud += QStringLiteral("</div>\n");
        iDage = false;
    };
    auto lukMaaned = [&] {
        lukDage();
        if (iMaaned) ud += QStringLiteral("</li>\n");
        iMaaned = false;
    };
    for (int i = 0; i < sider.size(); ++i) {
        const Side &s = sider[i];
        const QString link = QStringLiteral("<a href=\"#") + anker(i) +
                             QStringLiteral("\"><span>") + overskrift(s).toHtmlEscaped() +
                             QStringLiteral("</span><span class=\"ark\">") +
                             (i < ark.size() && ark[i] > 0 ? QString::number(ark[i]) : QString()) +
                             QStringLiteral("</span></a>");
        if (s.niveau >= 2) {
            if (!iDage) ud += QStringLiteral("<div class=\"dage\">\n");
            iDage = true;
            ud += link + u'\n';
            continue;
        }
        lukMaaned();
        ud += QStringLiteral("<li class=\"maaned\">") + link + u'\n';
        iMaaned = true;
    }
    lukMaaned();
    ud += QStringLiteral("</ul>\n</nav>\n");

    for (int i = 0; i < sider.size(); ++i) {
        ud += QStringLiteral("<section class=\"bogSide\" id=\"") + anker(i) +
              QStringLiteral("\">\n<div class=\"bogSidenavn\">") +
              overskrift(sider[i]).toHtmlEscaped() + QStringLiteral("</div>\n") + sider[i].krop +
              QStringLiteral("\n</section>\n");
    }
    ud += QStringLiteral("</body>\n</html>\n");
    return ud;
}

} // namespace Dagbogsbog
