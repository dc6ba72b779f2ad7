// Time of the check window's two markings (attributes shown, end tags checked)
// on a page of 16,000 div blocks (about 1.2 MB), with only the root, html and
// body unfolded, against the same tree fully collapsed and fully expanded,
// measured in the same run. Marking must not depend on which branches are
// folded: the partly unfolded tree may take at most three times the fully
// collapsed one. The end-tag check runs after the attributes are shown, as a
// user would run them, so that every text changes back.
#include "tags/taginfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

QString lavSide(int blokke) {
    QString side = QStringLiteral("<html>\r\n<body>\r\n");
    for (int i = 0; i < blokke; ++i)
        side += QStringLiteral("<div class=\"blok\" id=\"b%1\">\r\n<p>Tekst <b>fed</b> og "
                               "mere</p>\r\n</div>\r\n")
                    .arg(i, 5, 10, QLatin1Char('0'));
    side += QStringLiteral("</body>\r\n</html>\r\n");
    return side;
}

QTreeWidgetItem *barn(QTreeWidgetItem *forael, const QString &tag) {
    for (int i = 0; forael && i < forael->childCount(); ++i)
        if (Tinfotag::GetNodeTag(forael->child(i)->text(0)) == tag) return forael->child(i);
    return nullptr;
}

enum class Foldning { Sammenfoldet, Udfoldet, Delvis };

void fold(QTreeWidget &trae, Foldning f) {
    if (f == Foldning::Udfoldet) {
        trae.expandAll();
        return;
    }
    trae.collapseAll();
    if (f == Foldning::Sammenfoldet) return;
    QTreeWidgetItem *rod = trae.topLevelItem(0);
    QTreeWidgetItem *html = barn(rod, QStringLiteral("html"));
    QTreeWidgetItem *body = barn(html, QStringLiteral("body"));
    for (QTreeWidgetItem *e : {rod, html, body})
        if (e) e->setExpanded(true);
}

double maal(Tinfotag &tag, QTreeWidget &trae, Foldning f, const std::function<int()> &marker,
            bool efterAttributter) {
    double bedst = 1e300;
    for (int gang = 0; gang < 2; ++gang) {
        tag.ReadStructure();
        fold(trae, f);
        if (efterAttributter) {
            tag.VisAttributter(); // untimed preparation
            QApplication::processEvents();
        }
        QApplication::processEvents();
        QElapsedTimer ur;
        ur.start();
        marker();
        QApplication::processEvents(); // the view's own work counts too
        bedst = std::min(bedst, ur.nsecsElapsed() / 1e6);
    }
    return bedst;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Tinfotag tag;
    tag.Tagliste().tilfoej(QStringList{"html", "body", "div", "p", "b"});
    TRichEdit editor;
    editor.resize(900, 700);
    editor.show();
    QTreeWidget trae;
    trae.resize(400, 700);
    trae.show();
    tag.SetEditor(&editor);
    tag.SetTreeView(&trae);
    const QString side = lavSide(16000);
    editor.setText(side);
    editor.LinjeAntal();
    std::printf("side: %.2f MB, 16000 div-blokke\n", side.size() / 1e6);

    bool ok = true;
    const struct {
        const char *navn;
        std::function<int()> marker;
        bool efterAttributter;
    } markeringer[] = {{"VisAttributter", [&] { return tag.VisAttributter(); }, false},
                       {"EndtagsKontrol", [&] { return tag.EndtagsKontrol(); }, true}};
    for (const auto &m : markeringer) {
        const double sammen = maal(tag, trae, Foldning::Sammenfoldet, m.marker, m.efterAttributter);
        const double ud = maal(tag, trae, Foldning::Udfoldet, m.marker, m.efterAttributter);
        const double delvis = maal(tag, trae, Foldning::Delvis, m.marker, m.efterAttributter);
        const double forhold = delvis / sammen;
        std::printf("%-15s sammenfoldet: %8.1f ms   udfoldet: %8.1f ms   rod/html/body udfoldet: "
                    "%8.1f ms   forhold: %.2f\n",
                    m.navn, sammen, ud, delvis, forhold);
        if (forhold > 3) ok = false;
    }
    std::printf("%s\n", ok ? "OK: markeringen afhænger ikke af foldningen"
                           : "FOR LANGSOM: delvis udfoldet tager over tre gange det sammenfoldede");
    return ok ? 0 : 1;
}
