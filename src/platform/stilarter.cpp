#include "stilarter.h"

#include "core/sammenlign.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

// The colours a style is made of; everything else of the palette follows from them.
struct Stil {
    const char *navn;
    QRgb vindue, base, tekst, knap, markering, markeringTekst, link;
    const char *stilark;
};

const Stil stile[] = {
    {"Aqua Light Slate", 0xE6ECF0, 0xFFFFFF, 0x1E2A33, 0xD3DEE6, 0x26A4B5, 0xFFFFFF, 0x167C8A,
     "QToolTip { color: #1E2A33; background: #E9F7F9; border: 1px solid #26A4B5; }"
     "QStatusBar { border-top: 1px solid #B9C7D1; }"},
    {"Carbon", 0x2D2D2D, 0x1E1E1E, 0xE2E2E2, 0x3A3A3A, 0x4E86C8, 0xFFFFFF, 0x7FB2F0,
     "QToolTip { color: #E2E2E2; background: #3A3A3A; border: 1px solid #5A5A5A; }"
     "QStatusBar { border-top: 1px solid #202020; }"},
    {"Iceberg Classico", 0xE9F1F7, 0xFFFFFF, 0x10243A, 0xDAE6F0, 0x3A78C2, 0xFFFFFF, 0x2A5E9E,
     "QToolTip { color: #10243A; background: #F4F9FD; border: 1px solid #9DB8D2; }"
     "QStatusBar { border-top: 1px solid #C3D5E4; }"},
    {"Jet", 0x161616, 0x0B0B0B, 0xF0F0F0, 0x242424, 0xC89B3C, 0x000000, 0xE0B860,
     "QToolTip { color: #F0F0F0; background: #242424; border: 1px solid #C89B3C; }"
     "QStatusBar { border-top: 1px solid #050505; }"},
    {"Sky", 0xDCEDFC, 0xFFFFFF, 0x0B2545, 0xC5DFF4, 0x1E88E5, 0xFFFFFF, 0x1565C0,
     "QToolTip { color: #0B2545; background: #F0F8FF; border: 1px solid #1E88E5; }"
     "QStatusBar { border-top: 1px solid #A9CDEB; }"},
    {"Smokey Quartz Kamri", 0x4A4340, 0x3A3431, 0xEDE6E0, 0x5A514C, 0xC08A5A, 0x1E1A18, 0xE2B48A,
     "QToolTip { color: #EDE6E0; background: #5A514C; border: 1px solid #C08A5A; }"
     "QStatusBar { border-top: 1px solid #322C2A; }"},
};

const QString windowsNavn = QStringLiteral("Windows");
QString aktivNavn;

// The platform's own look is what the application had before any design was
// applied: its default style with the desktop's palette.
struct Platformen {
    QString stil;
    QPalette palet;
};
const Platformen &platformen() {
    static const Platformen p{QApplication::style()->name(), QApplication::palette()};
    return p;
}

QPalette palet(const Stil &s) {
    const QColor vindue(s.vindue), base(s.base), tekst(s.tekst), knap(s.knap);
    QPalette p(knap, vindue);
    p.setColor(QPalette::Window, vindue);
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Base, base);
    // Alternate rows lean a little towards the window colour.
    p.setColor(QPalette::AlternateBase,
               QColor((vindue.red() + base.red()) / 2, (vindue.green() + base.green()) / 2,
                      (vindue.blue() + base.blue()) / 2));
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::Button, knap);
    p.setColor(QPalette::ButtonText, tekst);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, tekst);
    p.setColor(QPalette::PlaceholderText,
               QColor((tekst.red() + base.red()) / 2, (tekst.green() + base.green()) / 2,
                      (tekst.blue() + base.blue()) / 2));
    p.setColor(QPalette::Highlight, QColor(s.markering));
    p.setColor(QPalette::HighlightedText, QColor(s.markeringTekst));
    p.setColor(QPalette::Link, QColor(s.link));
    p.setColor(QPalette::LinkVisited, QColor(s.link).darker(120));
    const QColor graa = QColor(s.tekst).lightness() < 128 ? tekst.lighter(260) : tekst.darker(170);
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, graa);
    return p;
}

} // namespace

namespace Stilarter {

QStringList navne() {
    QStringList n;
    for (const Stil &s : stile)
        n << QString::fromUtf8(s.navn);
    n << windowsNavn;
    return n;
}

bool anvend(const QString &navn) {
    const Platformen &egen = platformen();
    if (ensAZ(navn, windowsNavn)) {
        QStyle *stil = QStyleFactory::create(egen.stil);
        if (!stil) return false;
        QApplication::setStyle(stil);
        QApplication::setPalette(egen.palet);
        qApp->setStyleSheet(QString());
        aktivNavn = windowsNavn;
        return true;
    }
    for (const Stil &s : stile) {
        if (!ensAZ(navn, QString::fromUtf8(s.navn))) continue;
        QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!fusion) return false;
        QApplication::setStyle(fusion);
        QApplication::setPalette(palet(s));
        qApp->setStyleSheet(QString::fromUtf8(s.stilark));
        aktivNavn = QString::fromUtf8(s.navn);
        return true;
    }
    return false;
}

QString aktiv() {
    return aktivNavn;
}

} // namespace Stilarter
