#include "ikoner.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <initializer_list>

// The resource lives in a static library: nothing would pull it into the
// program without this explicit start, which must sit outside any namespace.
static void startRessourcer() {
    static const bool startet = [] {
        Q_INIT_RESOURCE(ikoner);
        return true;
    }();
    Q_UNUSED(startet);
}

namespace {

class Tegner : public QIconEngine {
public:
    Tegner(Ikoner::Tegning t, QPalette::ColorRole rolle)
        : m_t(t)
        , m_rolle(rolle) {}
    QIconEngine *clone() const override { return new Tegner(m_t, m_rolle); }
    QPixmap pixmap(const QSize &s, QIcon::Mode mode, QIcon::State state) override {
        QPixmap p(s);
        p.fill(Qt::transparent);
        QPainter maler(&p);
        paint(&maler, QRect(QPoint(), s), mode, state);
        return p;
    }
    void paint(QPainter *p, const QRect &r, QIcon::Mode mode, QIcon::State) override {
        const QPalette::ColorGroup gruppe =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const QColor farve = QApplication::palette().color(gruppe, m_rolle);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const qreal s = std::min(r.width(), r.height());
        // Drawn on a 16 by 16 grid, scaled to the size asked for.
        p->translate(r.x() + (r.width() - s) / 2, r.y() + (r.height() - s) / 2);
        p->scale(s / 16, s / 16);
        p->setPen(QPen(farve, 2, Qt::SolidLine, Qt::RoundCap));
        const auto kryds = [p](qreal x, qreal y, qreal d) {
            p->drawLine(QPointF(x, y), QPointF(x + d, y + d));
            p->drawLine(QPointF(x + d, y), QPointF(x, y + d));
        };
        const auto streger = [p](std::initializer_list<QPointF> punkter) {
            p->drawPolyline(punkter.begin(), int(punkter.size()));
        };
        // An arrow from (x1, y1) to (x2, y2) with a head of two strokes.
        const auto pil = [p, &streger](QPointF fra, QPointF til) {
            p->drawLine(fra, til);
            const QPointF r = (til - fra) / std::hypot(til.x() - fra.x(), til.y() - fra.y());
            const QPointF n(-r.y(), r.x());
            streger({til - 4 * r + 4 * n, til, til - 4 * r - 4 * n});
        };
        switch (m_t) {
        case Ikoner::Tegning::Luk:
            kryds(4, 4, 8);
            break;
        case Ikoner::Tegning::LukAlle:
            p->drawRect(QRectF(1.5, 1.5, 13, 13));
            kryds(5, 5, 6);
            break;
        case Ikoner::Tegning::LukProgram:
            p->drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
            p->drawLine(QPointF(8, 1.5), QPointF(8, 8));
            break;
        case Ikoner::Tegning::Aendret:
            p->setPen(Qt::NoPen);
            p->setBrush(farve);
            p->drawEllipse(QPointF(8, 8), 4, 4);
            break;
        case Ikoner::Tegning::Venstre:
            pil({13, 8}, {3, 8});
            break;
        case Ikoner::Tegning::Hoejre:
            pil({3, 8}, {13, 8});
            break;
        case Ikoner::Tegning::Op:
            pil({8, 13}, {8, 3});
            break;
        case Ikoner::Tegning::Ned:
            pil({8, 3}, {8, 13});
            break;
        case Ikoner::Tegning::Foerste:
            streger({{10, 3}, {5, 8}, {10, 13}});
            p->drawLine(QPointF(3, 3), QPointF(3, 13));
            break;
        case Ikoner::Tegning::Sidste:
            streger({{6, 3}, {11, 8}, {6, 13}});
            p->drawLine(QPointF(13, 3), QPointF(13, 13));
            break;
        case Ikoner::Tegning::Genindlaes:
            p->drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
            streger({{8, 0.5}, {10.5, 3}, {8, 5.5}});
            break;
        case Ikoner::Tegning::Mere:
            streger({{3, 4}, {7, 8}, {3, 12}});
            streger({{9, 4}, {13, 8}, {9, 12}});
            break;
        case Ikoner::Tegning::Liste:
            for (qreal y : {4, 8, 12})
                p->drawLine(QPointF(3, y), QPointF(13, y));
            break;
        case Ikoner::Tegning::Detaljer:
            for (qreal y : {4, 8, 12}) {
                p->drawPoint(QPointF(3, y));
                p->drawLine(QPointF(6, y), QPointF(13, y));
            }
            break;
        case Ikoner::Tegning::Soeg:
            p->drawEllipse(QPointF(6.5, 6.5), 4, 4);
            p->drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
            break;
        case Ikoner::Tegning::Slet:
            p->drawLine(QPointF(2, 4), QPointF(14, 4));
            p->drawLine(QPointF(6, 2), QPointF(10, 2));
            streger({{4, 4}, {5, 14}, {11, 14}, {12, 4}});
            break;
        case Ikoner::Tegning::Aabn:
            streger({{1.5, 13}, {1.5, 3}, {6, 3}, {7.5, 5}, {13, 5}, {13, 7}});
            streger({{1.5, 13}, {4, 7}, {15, 7}, {12.5, 13}, {1.5, 13}});
            break;
        case Ikoner::Tegning::Info:
            p->drawEllipse(QPointF(8, 8), 6.5, 6.5);
            p->drawLine(QPointF(8, 7), QPointF(8, 11.5));
            p->drawPoint(QPointF(8, 4.5));
            break;
        }
        p->restore();
    }

private:
    Ikoner::Tegning m_t;
    QPalette::ColorRole m_rolle;
};

} // namespace

namespace Ikoner {

QIcon tegnet(Tegning t, QPalette::ColorRole rolle) {
    return QIcon(new Tegner(t, rolle));
}

QString sti(const QString &navn) {
    startRessourcer();
    return QStringLiteral(":/ikoner/") + navn;
}

QList<QIcon> trae(int liste) {
    // The alternative list shares the pictures whose meaning is the same.
    static const char *const alternativ[10] = {"ikon-4", "ikon-8", "ikon-5", "ikon-9", "vbs-4",
                                               "vbs-5",  "vbs-6",  "vbs-7",  "vbs-8",  "ikon-9"};
    // Each picture is read when it is added; every tree shares the two lists.
    static QList<QIcon> lister[2];
    QList<QIcon> &ud = lister[liste == 1 ? 1 : 0];
    if (!ud.isEmpty()) return ud;
    for (int k = 0; k < 10; ++k) {
        const QString navn =
            liste == 1 ? QString::fromLatin1(alternativ[k]) : QStringLiteral("ikon-%1").arg(k);
        ud.append(QIcon(sti(QStringLiteral("trae/") + navn + QStringLiteral(".svg"))));
    }
    return ud;
}

QIcon program() {
    // Read once: the eight pictures are decoded when they are added.
    static const QIcon ikon = [] {
        QIcon i;
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256})
            i.addFile(sti(QStringLiteral("dagbog-%1.png").arg(n)), QSize(n, n));
        return i;
    }();
    return ikon;
}

} // namespace Ikoner
