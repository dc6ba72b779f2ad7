// Every design readable: each text, icon and field or menu edge that the
// windows draw is measured on the rendered pixels, in every design as the
// program starts in it, and after a switch to a design of the other kind and
// back. Web content is left out.
#include "app/vinduer.h"
#include "core/kontrast.h"
#include "editor/win.h"
#include "forms/find.h"
#include "forms/memoUnit.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/mapper.h"
#include "platform/stilarter.h"
#include "testhjaelp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QWebEngineView>
#include <QtTest>

#include <cstdio>

namespace {

const QStringList lyse{"Aqua Light Slate", "Iceberg Classico", "Sky", "Windows"};
const QStringList moerke{"Carbon", "Jet", "Smokey Quartz Kamri"};

// What one look at the windows found.
struct Maaling {
    int tekster = 0, ikoner = 0, kanter = 0;
    QStringList fejl;
};

// The colour most of a rectangle has: what the text or icon is drawn on.
QRgb baggrund(const QImage &billede, const QRect &r) {
    QHash<QRgb, int> antal;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++antal[billede.pixel(x, y) & 0xFFFFFF];
    QRgb bedst = 0;
    int flest = -1;
    for (auto i = antal.cbegin(); i != antal.cend(); ++i)
        if (i.value() > flest) {
            flest = i.value();
            bedst = i.key();
        }
    return bedst;
}

// The contrast of the pixel that stands out most from the background: the
// core of a glyph or the darkest line of an icon.
double staerkest(const QImage &billede, const QRect &r, QRgb bag) {
    double bedst = 1;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            bedst = std::max(bedst, Kontrast::forhold(billede.pixel(x, y) & 0xFFFFFF, bag));
    return bedst;
}

class Maaler {
public:
    Maaler(Maaling &m, const QImage &billede, QWidget *vindue, const QString &design)
        : m(m)
        , billede(billede)
        , vindue(vindue)
        , design(design) {}

    // r in the coordinates of w; kind 't' text, 'i' icon.
    void maal(const QWidget *w, QRect r, char slags, bool aktiv, const QString &hvad) {
        r = i(w, r);
        if (r.width() < 2 || r.height() < 2) return;
        const double krav = slags == 't' && aktiv ? 4.5 : 3.0;
        const double c = staerkest(billede, r, baggrund(billede, r));
        (slags == 't' ? m.tekster : m.ikoner)++;
        if (c < krav) fejl(w, hvad, c, krav);
    }

    // The edge of a field against what lies just outside it.
    void kant(const QWidget *w, const QRect &felt) {
        const QRect r = i(w, felt);
        const QRect ude = r.adjusted(-2, -2, 2, 2) & billede.rect();
        if (r.width() < 6 || r.height() < 6 || ude == r) return;
        QHash<QRgb, int> antal;
        for (int y = ude.top(); y <= ude.bottom(); ++y)
            for (int x = ude.left(); x <= ude.right(); ++x)
                if (!r.contains(x, y)) ++antal[billede.pixel(x, y) & 0xFFFFFF];
        const QRgb bag = std::max_element(antal.cbegin(), antal.cend()).key();
        double bedst = 1;
        for (const QRect &linje :
             {QRect(r.left(), r.top(), r.width(), 2), QRect(r.left(), r.bottom() - 1, r.width(), 2),
              QRect(r.left(), r.top(), 2, r.height()),
              QRect(r.right() - 1, r.top(), 2, r.height())})
            bedst = std::max(bedst, staerkest(billede, linje, bag));
        ++m.kanter;
        if (bedst < 3.0)
            fejl(w, QStringLiteral("kant mod #%1").arg(bag, 6, 16, QLatin1Char('0')), bedst, 3.0);
    }

private:
    QRect i(const QWidget *w, const QRect &r) const {
        const QRect synlig = w->visibleRegion().boundingRect() & r;
        return QRect(w->mapTo(vindue, synlig.topLeft()), synlig.size()) & billede.rect();
    }
    void fejl(const QWidget *w, const QString &hvad, double c, double krav) {
        m.fejl << QStringLiteral("%1: %2/%3 \"%4\" %5 < %6")
                      .arg(design, vindue->objectName(), w->objectName(), hvad)
                      .arg(c, 0, 'f', 2)
                      .arg(krav);
    }

    Maaling &m;
    const QImage &billede;
    QWidget *vindue;
    QString design;
};

QRect uden(const QRect &r, int kant) {
    return r.adjusted(kant, kant, -kant, -kant);
}

void maalKnap(Maaler &maaler, QAbstractButton *k) {
    const bool aktiv = k->isEnabled();
    const QString tekst = k->text();
    QStyleOptionButton o;
    o.initFrom(k);
    if (qobject_cast<QCheckBox *>(k) || qobject_cast<QRadioButton *>(k)) {
        const bool boks = qobject_cast<QCheckBox *>(k);
        const QRect indhold = k->style()->subElementRect(
            boks ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &o, k);
        if (!tekst.isEmpty()) maaler.maal(k, indhold, 't', aktiv, tekst);
        maaler.kant(k, k->style()->subElementRect(boks ? QStyle::SE_CheckBoxIndicator
                                                       : QStyle::SE_RadioButtonIndicator,
                                                  &o, k));
        return;
    }
    QRect r = uden(k->rect(), 4);
    const auto *tb = qobject_cast<QToolButton *>(k);
    const bool visTekst =
        !tekst.isEmpty() &&
        (!tb || tb->toolButtonStyle() != Qt::ToolButtonIconOnly || k->icon().isNull());
    const bool visIkon =
        !k->icon().isNull() && (!tb || tb->toolButtonStyle() != Qt::ToolButtonTextOnly);
    if (visIkon && !visTekst) {
        maaler.maal(k, r, 'i', aktiv, QStringLiteral("ikon"));
        return;
    }
    if (visIkon) {
        const int b = k->iconSize().width() + 4;
        const QRect ikon(r.left(), r.top(), b, r.height());
        maaler.maal(k, ikon, 'i', aktiv, QStringLiteral("ikon"));
        r.setLeft(r.left() + b);
    }
    if (visTekst) maaler.maal(k, r, 't', aktiv, tekst);
}

void maalFaner(Maaler &maaler, QTabBar *t) {
    for (int n = 0; n < t->count(); ++n) {
        if (!t->isTabVisible(n)) continue;
        QRect r = uden(t->tabRect(n), 4);
        const bool aktiv = t->isTabEnabled(n);
        if (!t->tabIcon(n).isNull()) {
            const int b = t->tabText(n).isEmpty() ? r.width() : t->iconSize().width() + 4;
            maaler.maal(t, QRect(r.left(), r.top(), b, r.height()), 'i', aktiv,
                        QStringLiteral("faneikon"));
            r.setLeft(r.left() + b);
        }
        if (!t->tabText(n).isEmpty()) maaler.maal(t, r, 't', aktiv, t->tabText(n));
    }
}

void maalElementer(Maaler &maaler, QAbstractItemView *v) {
    const QAbstractItemModel *model = v->model();
    if (!model) return;
    QWidget *port = v->viewport();
    const QColor graa = v->palette().color(QPalette::Disabled, QPalette::Text);
    const auto et = [&](const QModelIndex &x) {
        QRect r = v->visualRect(x) & port->rect();
        if (r.isEmpty()) return;
        r = uden(r, 1);
        const QVariant ikon = model->data(x, Qt::DecorationRole);
        if (ikon.isValid() && !ikon.isNull()) {
            const int b = v->iconSize().isValid() ? v->iconSize().width() + 4 : 20;
            maaler.maal(port, QRect(r.left(), r.top(), b, r.height()), 'i', true,
                        QStringLiteral("elementikon"));
            r.setLeft(r.left() + b);
        }
        const QString tekst = model->data(x, Qt::DisplayRole).toString();
        if (tekst.trimmed().isEmpty()) return;
        const QVariant forgrund = model->data(x, Qt::ForegroundRole);
        const bool aktiv =
            v->isEnabled() && (model->flags(x) & Qt::ItemIsEnabled) &&
            !(forgrund.canConvert<QBrush>() && forgrund.value<QBrush>().color() == graa);
        maaler.maal(port, r, 't', aktiv, tekst);
    };
    if (auto *trae = qobject_cast<QTreeView *>(v)) {
        for (QModelIndex x = trae->indexAt(QPoint(2, 2)); x.isValid(); x = trae->indexBelow(x)) {
            if (trae->visualRect(x).top() > port->height()) break;
            for (int k = 0; k < model->columnCount(x.parent()); ++k)
                if (!trae->isColumnHidden(k)) et(x.siblingAtColumn(k));
        }
    } else {
        for (int r = 0; r < model->rowCount(v->rootIndex()); ++r)
            for (int k = 0; k < model->columnCount(v->rootIndex()); ++k)
                et(model->index(r, k, v->rootIndex()));
    }
}

void maalOverskrifter(Maaler &maaler, QHeaderView *h) {
    for (int n = 0; n < h->count(); ++n) {
        if (h->isSectionHidden(n)) continue;
        const QString tekst =
            h->model()->headerData(n, h->orientation(), Qt::DisplayRole).toString();
        if (tekst.isEmpty()) continue;
        const int p = h->sectionViewportPosition(n), s = h->sectionSize(n);
        const QRect r = h->orientation() == Qt::Horizontal ? QRect(p, 0, s, h->height())
                                                           : QRect(0, p, h->width(), s);
        maaler.maal(h->viewport(), uden(r, 2), 't', h->isEnabled(), tekst);
    }
}

bool iWebvisning(const QWidget *w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QWebEngineView *>(w)) return true;
    return false;
}

// Everything drawn by the widgets of `dele` that are shown in `vindue` now.
void maalSynlige(Maaling &m, QWidget *vindue, const QList<QWidget *> &dele, const QString &design) {
    const QImage billede = vindue->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Maaler maaler(m, billede, vindue, design);
    for (QWidget *w : dele) {
        if (!w->isVisible() || w->window() != vindue || iWebvisning(w) ||
            w->visibleRegion().isEmpty())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!l->pixmap().isNull())
                maaler.maal(l, l->contentsRect(), 'i', l->isEnabled(), QStringLiteral("billede"));
            else if (!l->text().isEmpty())
                maaler.maal(l, l->contentsRect(), 't', l->isEnabled(), l->text());
        } else if (auto *k = qobject_cast<QAbstractButton *>(w)) {
            maalKnap(maaler, k);
        } else if (auto *t = qobject_cast<QTabBar *>(w)) {
            maalFaner(maaler, t);
        } else if (auto *h = qobject_cast<QHeaderView *>(w)) {
            maalOverskrifter(maaler, h);
        } else if (auto *v = qobject_cast<QAbstractItemView *>(w)) {
            maalElementer(maaler, v);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            const bool indlejret = qobject_cast<QComboBox *>(e->parentWidget()) ||
                                   qobject_cast<QAbstractSpinBox *>(e->parentWidget());
            if (!e->text().isEmpty())
                maaler.maal(e, uden(e->rect(), 3), 't', e->isEnabled(), e->text());
            if (!indlejret) maaler.kant(e, e->rect());
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const QRect felt = c->style()->subControlRect(QStyle::CC_ComboBox, &o,
                                                          QStyle::SC_ComboBoxEditField, c);
            if (!c->isEditable() && !c->currentText().isEmpty())
                maaler.maal(c, felt, 't', c->isEnabled(), c->currentText());
            maaler.kant(c, c->rect());
        } else if (qobject_cast<QAbstractSpinBox *>(w)) {
            maaler.kant(w, w->rect());
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (g->title().isEmpty()) continue;
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            o.textAlignment = g->alignment();
            maaler.maal(
                g, g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g),
                't', g->isEnabled(), g->title());
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            if (!p->toPlainText().trimmed().isEmpty())
                maaler.maal(p->viewport(), uden(p->viewport()->rect(), 2), 't', p->isEnabled(),
                            QStringLiteral("tekstfelt"));
            if (p->frameShape() != QFrame::NoFrame) maaler.kant(p, p->rect());
        } else if (auto *te = qobject_cast<QTextEdit *>(w)) {
            if (!te->toPlainText().trimmed().isEmpty())
                maaler.maal(te->viewport(), uden(te->viewport()->rect(), 2), 't', te->isEnabled(),
                            QStringLiteral("tekstfelt"));
            if (te->frameShape() != QFrame::NoFrame) maaler.kant(te, te->rect());
        }
    }
}

// A window, and each further page of its tab widgets.
void maalVindue(Maaling &m, QWidget *vindue, const QString &design) {
    maalSynlige(m, vindue, vindue->findChildren<QWidget *>(), design);
    for (QTabWidget *faner : vindue->findChildren<QTabWidget *>()) {
        if (!faner->isVisible() || iWebvisning(faner)) continue;
        const int foer = faner->currentIndex();
        for (int n = 0; n < faner->count(); ++n) {
            if (n == foer || !faner->isTabVisible(n)) continue;
            faner->setCurrentIndex(n);
            QWidget *side = faner->widget(n);
            maalSynlige(m, vindue, side->findChildren<QWidget *>() << side, design);
        }
        faner->setCurrentIndex(foer);
    }
}

// A menu as it pops up: its items and its edge, which must stand out against
// the window and the text fields it may open over.
void maalMenu(Maaling &m, QMenu *menu, const QString &design) {
    if (menu->actions().isEmpty()) return;
    menu->popup(QPoint(20, 20));
    if (!QTest::qWaitForWindowExposed(menu)) return;
    const QImage billede = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Maaler maaler(m, billede, menu, design);
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible() || a->text().isEmpty()) continue;
        QRect r = uden(menu->actionGeometry(a), 2);
        // Text only: the icon or check column on the left, the shortcut on the right.
        const int venstre = menu->style()->pixelMetric(QStyle::PM_SmallIconSize) + 8;
        r.setLeft(r.left() + venstre);
        r.setWidth(
            std::min(r.width(), menu->fontMetrics().horizontalAdvance(a->text().remove(u'&')) + 4));
        maaler.maal(menu, r, 't', a->isEnabled(), a->text());
    }
    const QRgb kant = billede.pixel(0, billede.height() / 2) & 0xFFFFFF;
    const QPalette p = menu->palette();
    const double c = std::min(Kontrast::forhold(kant, p.color(QPalette::Window).rgb() & 0xFFFFFF),
                              Kontrast::forhold(kant, p.color(QPalette::Base).rgb() & 0xFFFFFF));
    ++m.kanter;
    if (c < 3.0)
        m.fejl << QStringLiteral("%1: menu %2 kant %3 < 3").arg(design, menu->objectName()).arg(c);
    menu->hide();
}

} // namespace

class TstDesignkontrast : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    int iAlt[3] = {0, 0, 0};

    // The program's windows as a user gets to them, with one page open.
    QList<QWidget *> vinduerne() {
        QList<QWidget *> v{mainform, spmform};
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!qobject_cast<QMenu *>(w) && !v.contains(w) && w != memoForm && w != editform &&
                !w->objectName().isEmpty() && !w->inherits("QTipLabel"))
                v << w;
        return v;
    }

    Maaling maalAlt(const QString &design) {
        Maaling m;
        spmform->tekst->setPlainText(QStringLiteral("Filen er redigeret.\nSkal den gemmes?"));
        for (QWidget *w : vinduerne()) {
            w->show();
            if (!QTest::qWaitForWindowExposed(w)) continue;
            QCoreApplication::processEvents();
            maalVindue(m, w, design);
        }
        QList<QMenu *> menuer;
        for (QWidget *w : vinduerne())
            for (QMenu *menu : w->findChildren<QMenu *>())
                if (!menuer.contains(menu)) menuer << menu;
        for (QMenu *menu : menuer)
            maalMenu(m, menu, design);
        iAlt[0] += m.tekster;
        iAlt[1] += m.ikoner;
        iAlt[2] += m.kanter;
        qInfo("%s: %d texts, %d icons, %d edges measured", qPrintable(design), m.tekster, m.ikoner,
              m.kanter);
        return m;
    }

    void gemBillede(const QString &design) {
        const QString mappe = qEnvironmentVariable("DAGBOG_BILLEDMAPPE");
        if (mappe.isEmpty()) return;
        spmform->show();
        spmform->raise(); // over the other windows, also without a window manager
        QTest::qWait(300);
        QGuiApplication::primaryScreen()
            ->grabWindow(0, spmform->frameGeometry().x(), spmform->frameGeometry().y(),
                         spmform->frameGeometry().width(), spmform->frameGeometry().height())
            .save(mappe + u'/' + design + QStringLiteral(".png"));
    }

private slots:
    void cleanup() {
        nedlaegVinduer();
        rod.reset();
    }
    void cleanupTestCase() {
        qInfo("In all: %d texts, %d icons, %d edges measured", iAlt[0], iAlt[1], iAlt[2]);
    }

    void hverDesignOgSkift_data() {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("anden");
        for (int n = 0; n < lyse.size(); ++n)
            QTest::newRow(qPrintable(lyse[n])) << lyse[n] << moerke[n % moerke.size()];
        for (int n = 0; n < moerke.size(); ++n)
            QTest::newRow(qPrintable(moerke[n])) << moerke[n] << lyse[(n + 1) % lyse.size()];
    }

    void hverDesignOgSkift() {
        QFETCH(QString, design);
        QFETCH(QString, anden);
        rod.reset(new TestRod);
        skrivBytes(rod->sti(Mapper::brugernavn() + QStringLiteral("/Egenskaber/mainform.txt")),
                   design.toUtf8() +
                       "\r\n64\r\n200\r\n1100\r\n930\r\n0\r\n\r\nCourier New\r\n10\r\n1\r\n0\r\n");
        opretVinduer();
        QCOMPARE(Stilarter::aktiv(), design);
        mainform->FormActivate();
        mainform->aabnDato(QDate(2024, 3, 5));
        mainform->findChild<QPushButton *>(QStringLiteral("sikkerhedKnap"))->click();
        QStringList fejl;
        for (const QString &d : {design, anden, design}) {
            mainform->SetNewDesign(d);
            QCOMPARE(Stilarter::aktiv(), d);
            const Maaling m = maalAlt(d);
            QVERIFY(m.tekster > 100 && m.ikoner > 10 && m.kanter > 5);
            fejl << m.fejl;
        }
        gemBillede(anden + QStringLiteral(" til ") + design);
        for (const QString &f : fejl)
            std::fprintf(stderr, "%s\n", qPrintable(f));
        QVERIFY2(fejl.isEmpty(), qPrintable(QStringLiteral("%1 too faint").arg(fejl.size())));
    }
};

DAGBOG_GUI_TEST_MAIN(TstDesignkontrast)
#include "tst_designkontrast.moc"
