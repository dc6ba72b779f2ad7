#include "stilarter.h"

#include "core/kontrast.h"
#include "core/sammenlign.h"
#include "ikoner.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

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
    {"Smokey Quartz Kamri", 0x4A4340, 0x3A3431, 0xEDE6E0, 0x4E4541, 0x9A6A40, 0xFFFFFF, 0xE2B48A,
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

QRgb rgb(const QColor &c) {
    return c.rgb() & 0xFFFFFF;
}

// The raised surfaces of the base style (button faces, tab pages) are the
// button colour lightened, the more so the darker it is.
QRgb flade(const QColor &knap) {
    return rgb(knap.lighter(100 + std::max(1, (180 - qGray(knap.rgb())) / 6)).lighter(104));
}

QRgb midt(const QColor &a, const QColor &b) {
    return rgb(
        QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2));
}

// The base style draws the edges of fields, boxes and menus a shade darker
// than the window, which a dark design cannot see; each such edge is drawn
// again in a colour that stands out from both the window and the fields.
class SynligeKanter : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p,
                       const QWidget *w) const override {
        QProxyStyle::drawPrimitive(e, o, p, w);
        switch (e) {
        case PE_FrameLineEdit:
        case PE_PanelMenu:
        case PE_IndicatorCheckBox:
            kant(o, p, e == PE_PanelMenu ? 0 : 2);
            break;
        case PE_IndicatorRadioButton: {
            p->save();
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(kantfarve(o->palette), 1.5));
            p->setBrush(Qt::NoBrush);
            p->drawEllipse(QRectF(o->rect).adjusted(0.75, 0.75, -0.75, -0.75));
            p->restore();
            break;
        }
        default:
            break;
        }
    }

    void drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *p,
                            const QWidget *w) const override {
        QProxyStyle::drawComplexControl(c, o, p, w);
        if (c == CC_ComboBox || c == CC_SpinBox) kant(o, p, 2);
    }

    // Frames of text areas (the editor) are edges of fields too.
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p,
                     const QWidget *w) const override {
        QProxyStyle::drawControl(e, o, p, w);
        if (e != CE_ShapedFrame) return;
        if (const auto *f = qstyleoption_cast<const QStyleOptionFrame *>(o))
            if (f->frameShape == QFrame::StyledPanel && f->lineWidth > 0) kant(o, p, 0);
    }

    // The base style's one-colour pictures are dark; these follow the design.
    QIcon standardIcon(StandardPixmap sp, const QStyleOption *o, const QWidget *w) const override {
        using T = Ikoner::Tegning;
        // The calendar draws its month arrows on the selection colour.
        const QPalette::ColorRole rolle = qobject_cast<const QCalendarWidget *>(w)
                                              ? QPalette::HighlightedText
                                              : QPalette::ButtonText;
        switch (sp) {
        case SP_ArrowLeft:
        case SP_ArrowBack:
            return Ikoner::tegnet(T::Venstre, rolle);
        case SP_ArrowRight:
        case SP_ArrowForward:
            return Ikoner::tegnet(T::Hoejre, rolle);
        case SP_ArrowUp:
        case SP_TitleBarShadeButton:
            return Ikoner::tegnet(T::Op, rolle);
        case SP_ArrowDown:
        case SP_TitleBarUnshadeButton:
            return Ikoner::tegnet(T::Ned, rolle);
        case SP_MediaSkipBackward:
            return Ikoner::tegnet(T::Foerste, rolle);
        case SP_MediaSkipForward:
            return Ikoner::tegnet(T::Sidste, rolle);
        case SP_BrowserReload:
            return Ikoner::tegnet(T::Genindlaes, rolle);
        case SP_ToolBarHorizontalExtensionButton:
        case SP_ToolBarVerticalExtensionButton:
            return Ikoner::tegnet(T::Mere, rolle);
        case SP_FileDialogListView:
            return Ikoner::tegnet(T::Liste, rolle);
        case SP_FileDialogDetailedView:
            return Ikoner::tegnet(T::Detaljer, rolle);
        case SP_FileDialogContentsView:
            return Ikoner::tegnet(T::Soeg, rolle);
        case SP_FileDialogInfoView:
            return Ikoner::tegnet(T::Info, rolle);
        case SP_DialogOpenButton:
            return Ikoner::tegnet(T::Aabn, rolle);
        case SP_TrashIcon:
            return Ikoner::tegnet(T::Slet, rolle);
        case SP_DialogCloseButton:
        case SP_DialogCancelButton:
        case SP_TitleBarCloseButton:
            return Ikoner::tegnet(T::Luk, rolle);
        default: {
            // The base style reads its pictures from files anew on every call, and
            // the windows ask for the same few again and again.
            const bool hoejreTilVenstre =
                o ? o->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
            const int noegle = int(sp) * 2 + (hoejreTilVenstre ? 1 : 0);
            const auto fundet = m_billeder.constFind(noegle);
            if (fundet != m_billeder.cend()) return *fundet;
            return *m_billeder.insert(noegle, QProxyStyle::standardIcon(sp, o, w));
        }
        }
    }

    // On the selection colour a picture keeps its look inside a thin outline
    // in the selected text's colour, so that it stands out whatever its colours.
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap &pm,
                                const QStyleOption *o) const override {
        if (mode != QIcon::Selected) return QProxyStyle::generatedIconPixmap(mode, pm, o);
        const QImage billede = pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage omrids = billede;
        {
            QPainter maler(&omrids);
            maler.setCompositionMode(QPainter::CompositionMode_SourceIn);
            maler.fillRect(
                omrids.rect(),
                (o ? o->palette : QApplication::palette()).color(QPalette::HighlightedText));
        }
        QImage ud(billede.size(), QImage::Format_ARGB32_Premultiplied);
        ud.setDevicePixelRatio(billede.devicePixelRatio());
        ud.fill(Qt::transparent);
        QPainter maler(&ud);
        for (const QPoint &d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            maler.drawImage(d, omrids);
        maler.drawImage(QPoint(), billede);
        maler.end();
        return QPixmap::fromImage(ud);
    }

    // Against the window, the fields and the raised panels alike.
    static QColor kantfarve(const QPalette &pal) {
        const QColor vindue = pal.color(QPalette::Window), base = pal.color(QPalette::Base),
                     knap = pal.color(QPalette::Button);
        return QColor(Kontrast::mindst(midt(pal.color(QPalette::WindowText), vindue),
                                       {rgb(vindue), rgb(base), rgb(knap), flade(knap)}, 3.2));
    }

private:
    mutable QHash<int, QIcon> m_billeder; // the base style's pictures asked for so far

    static void kant(const QStyleOption *o, QPainter *p, qreal runding) {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, runding > 0);
        p->setPen(QPen(kantfarve(o->palette), 1));
        p->setBrush(Qt::NoBrush);
        const QRectF r = QRectF(o->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (runding > 0)
            p->drawRoundedRect(r, runding, runding);
        else
            p->drawRect(r);
        p->restore();
    }
};

// The fainter texts of a palette made readable: a hint in an empty field is
// text too; disabled controls read fainter than the rest, yet at 3:1.
void laesbar(QPalette &p) {
    const QColor tekst = p.color(QPalette::Active, QPalette::Text), base = p.color(QPalette::Base),
                 knap = p.color(QPalette::Button), vindue = p.color(QPalette::Window);
    p.setColor(QPalette::PlaceholderText,
               QColor(Kontrast::mindst(midt(tekst, base), {rgb(base)}, 4.5)));
    // The top of a raised face is lighter still than the face.
    const QColor graa(Kontrast::mindst(
        midt(tekst, knap),
        {rgb(knap), flade(knap), rgb(QColor(flade(knap)).lighter(112)), rgb(vindue), rgb(base)},
        3.2));
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, graa);
    // Selected text must read on the selection colour.
    p.setColor(QPalette::Highlight,
               QColor(Kontrast::mindst(rgb(p.color(QPalette::Highlight)),
                                       {rgb(p.color(QPalette::HighlightedText))}, 4.6)));
}

QPalette palet(const Stil &s) {
    const QColor vindue(s.vindue), base(s.base), tekst(s.tekst), knap(s.knap);
    QPalette p(knap, vindue);
    p.setColor(QPalette::Window, vindue);
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Base, base);
    // Alternate rows lean a little towards the window colour.
    p.setColor(QPalette::AlternateBase, QColor(midt(vindue, base)));
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::Button, knap);
    p.setColor(QPalette::ButtonText, tekst);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, tekst);
    p.setColor(QPalette::Highlight, QColor(s.markering));
    p.setColor(QPalette::HighlightedText, QColor(s.markeringTekst));
    p.setColor(QPalette::Link, QColor(s.link));
    p.setColor(QPalette::LinkVisited, QColor(s.link).darker(120));
    laesbar(p);
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
        QApplication::setStyle(new SynligeKanter(stil));
        QPalette p = egen.palet;
        laesbar(p);
        QApplication::setPalette(p);
        qApp->setStyleSheet(QString());
        aktivNavn = windowsNavn;
        return true;
    }
    for (const Stil &s : stile) {
        if (!ensAZ(navn, QString::fromUtf8(s.navn))) continue;
        QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!fusion) return false;
        QApplication::setStyle(new SynligeKanter(fusion));
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
