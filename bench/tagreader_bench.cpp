// Time to read the tag tree of a large page into the check window's tree view,
// for a 1 MB and a 4 MB page, nested and flat markup. Reading must grow about
// linearly: the 4 MB page may take at most about 4.5 times the 1 MB page.
#include "tags/taginfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <cstdio>

namespace {

const QString indlejret =
    QStringLiteral("<div class=\"x\">\r\n<p>tekst <b>fed</b> og <a href=\"y\">link</a></p>\r\n"
                   "<ul><li>a</li><li>b</li></ul>\r\n</div>\r\n");
const QString flad = QStringLiteral("<p>x</p>\r\n");

QString lavSide(const QString &stykke, qsizetype bytes) {
    QString side = QStringLiteral("<html>\r\n<body>\r\n");
    side.reserve(bytes + 64);
    while (side.size() < bytes)
        side += stykke;
    side += QStringLiteral("</body>\r\n</html>\r\n");
    return side;
}

struct Maaling {
    double ms = 0;
    int noder = 0;
};

int taelNoder(QTreeWidgetItem *item) {
    int n = 1;
    for (int i = 0; i < item->childCount(); ++i)
        n += taelNoder(item->child(i));
    return n;
}

Maaling maal(Tinfotag &tag, TRichEdit &editor, QTreeWidget &trae, const QString &side) {
    editor.setText(side);
    QApplication::processEvents();
    editor.LinjeAntal(); // lay the text out before the clock starts, as a shown page is
    double bedst = 1e300;
    for (int gang = 0; gang < 3; ++gang) {
        QElapsedTimer ur;
        ur.start();
        tag.ReadStructure();
        bedst = std::min(bedst, ur.nsecsElapsed() / 1e6);
    }
    return {bedst, taelNoder(trae.topLevelItem(0))};
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Tinfotag tag;
    tag.Tagliste().tilfoej(
        QStringList{"html", "body", "div", "p", "b", "a", "ul", "li", "script", "style"});
    tag.Nosluttagliste().tilfoej(QStringList{"br", "img", "input", "meta"});
    TRichEdit editor;
    editor.resize(900, 700);
    editor.show();
    QTreeWidget trae;
    trae.show();
    tag.SetEditor(&editor);
    tag.SetTreeView(&trae);
    int meldinger = 0;
    QObject::connect(&tag, &Tinfotag::OnProgress, [&meldinger](int) { ++meldinger; });

    bool ok = true;
    const struct {
        const char *navn;
        const QString &stykke;
    } slags[] = {{"indlejret", indlejret}, {"flad", flad}};
    for (const auto &s : slags) {
        const Maaling en = maal(tag, editor, trae, lavSide(s.stykke, 1 << 20));
        const Maaling fire = maal(tag, editor, trae, lavSide(s.stykke, 4 << 20));
        const double forhold = fire.ms / en.ms;
        std::printf(
            "%-10s 1 MB: %8.1f ms (%7d noder)   4 MB: %8.1f ms (%7d noder)   4MB/1MB: %.2f\n",
            s.navn, en.ms, en.noder, fire.ms, fire.noder, forhold);
        if (forhold > 4.5 || en.ms > 1000) ok = false;
    }
    std::printf("fremskridtsmeldinger i alt: %d\n", meldinger);
    std::printf("%s\n", ok ? "OK: lineær og under et sekund pr. MB"
                           : "FOR LANGSOM: mere end 4,5 gange eller over et sekund pr. MB");
    return ok ? 0 : 1;
}
