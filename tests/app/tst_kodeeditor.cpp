#include "app/vinduer.h"
#include "editor/fuldfoerer.h"
#include "editor/kodemarkering.h"
#include "editor/stavemarkering.h"
#include "editor/tagpartner.h"
#include "editor/win.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/kodefarver.h"
#include "platform/trichedit.h"
#include "platform/twebbrowser.h"
#include "testhjaelp.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCompleter>
#include <QFile>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

// The code editors as a writer meets them: colours, the list of names while
// typing, the matching tag, and the preview beside the source.
class TstKodeeditor : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestRod> rod;
    Twinform *w = nullptr;

    static QColor farveVed(const QTextBlock &b, int kol) {
        for (const QTextLayout::FormatRange &f : b.layout()->formats())
            if (kol >= f.start && kol < f.start + f.length &&
                f.format.hasProperty(QTextFormat::ForegroundBrush))
                return f.format.foreground().color();
        return {};
    }
    static void vent(Kodemarkering *k) { QTRY_VERIFY(k->faerdig()); }
    static QCompleter *completer(TRichEdit *e) { return e->findChild<Fuldfoerer *>()->completer(); }

private slots:
    void init() {
        rod.reset(new TestRod);
        opretVinduer();
        mainform->FormActivate();
        mainform->kalender->setSelectedDate(QDate(2024, 3, 5));
        QTest::mouseClick(mainform->findChild<QPushButton *>("ButtonOpret"), Qt::LeftButton);
        w = mainform->aktivtVindue();
        w->Editor->setFocus();
        Dialoger::Test::vist().clear();
    }
    void cleanup() {
        for (Twinform *v : mainform->editorVinduer())
            v->Editor->setModified(false);
        mainform->close();
        nedlaegVinduer();
        rod.reset();
    }
    void farverIDeTreEditorer();
    void fuldfoerelseMensManSkriver();
    void partnerMarkeres();
    void previewVedSidenAf();
};

void TstKodeeditor::farverIDeTreEditorer() {
    const Kodefarver::Saet s = Kodefarver::aktivt();
    w->Editor->setText(QStringLiteral("<p class=\"a\">Hej</p>"));
    vent(w->stavemarkering);
    const QTextBlock b = w->Editor->document()->begin();
    QCOMPARE(farveVed(b, 1), s[Kodefarver::Tag]);
    QCOMPARE(farveVed(b, 3), s[Kodefarver::Attribut]);
    QCOMPARE(farveVed(b, 10), s[Kodefarver::Vaerdi]);
    QCOMPARE(farveVed(b, 13), QColor()); // the text between tags keeps the editor's colour

    w->EditorDesign->setPlainText(QStringLiteral("p { color: red }"));
    w->EditorFunktioner->setPlainText(QStringLiteral("return 1;"));
    vent(w->kodeDesign);
    vent(w->kodeFunktioner);
    QCOMPARE(farveVed(w->EditorDesign->document()->begin(), 5), s[Kodefarver::Attribut]);
    QCOMPARE(farveVed(w->EditorFunktioner->document()->begin(), 0), s[Kodefarver::Noegleord]);

    // The switch on the settings page takes the colours away in every editor.
    mainform->findChild<QCheckBox *>("FarverCheck")->click();
    QVERIFY(!mainform->farver);
    QCOMPARE(farveVed(w->Editor->document()->begin(), 1), QColor());
    QCOMPARE(farveVed(w->EditorDesign->document()->begin(), 5), QColor());
}

void TstKodeeditor::fuldfoerelseMensManSkriver() {
    w->Editor->setText(QString());
    QCompleter *c = completer(w->Editor);
    QTest::keyClicks(w->Editor, QStringLiteral("<ta"));
    QTRY_VERIFY(c->popup()->isVisible());
    QVERIFY(c->model()->match(c->model()->index(0, 0), Qt::DisplayRole, "table").size() == 1);
    QTest::keyClicks(w->Editor, QStringLiteral("bl"));
    QTRY_COMPARE(c->model()->rowCount(), 1); // only "table" starts with "tabl"
    QTest::keyClick(c->popup(), Qt::Key_Return);
    QCOMPARE(w->Editor->toPlainText(), QStringLiteral("<table"));
    QVERIFY(!c->popup()->isVisible());

    // A character that cannot be in a name closes the list and is typed.
    QTest::keyClicks(w->Editor, QStringLiteral("><tr"));
    QTRY_VERIFY(c->popup()->isVisible());
    QTest::keyClick(w->Editor, Qt::Key_Greater);
    QTRY_VERIFY(!c->popup()->isVisible());
    QCOMPARE(w->Editor->toPlainText(), QStringLiteral("<table><tr>"));

    // Esc closes; Enter with no list shown is a new line.
    QTest::keyClicks(w->Editor, QStringLiteral("</"));
    QTRY_VERIFY(c->popup()->isVisible());
    QCOMPARE(c->popup()->currentIndex().data().toString(), QStringLiteral("</tr>"));
    QTest::keyClick(c->popup(), Qt::Key_Escape);
    QVERIFY(!c->popup()->isVisible());
    QTest::keyClick(w->Editor, Qt::Key_Return);
    QCOMPARE(w->Editor->toPlainText(), QStringLiteral("<table><tr></\n"));
}

void TstKodeeditor::partnerMarkeres() {
    w->Editor->setText(QStringLiteral("<div>\n<p>xy</p>\n</div>"));
    vent(w->stavemarkering);
    auto *partner = w->Editor->findChild<Tagpartner *>();
    w->Editor->setSelStart(2);
    QCOMPARE(partner->markeret(), (QList<QPair<int, int>>{{0, 5}, {16, 6}}));
    w->Editor->setSelStart(20);
    QCOMPARE(partner->markeret(), (QList<QPair<int, int>>{{16, 6}, {0, 5}}));
    QCOMPARE(w->Editor->extraSelections().size(), 2);
    w->Editor->setSelStart(10); // in the text: nothing
    QVERIFY(partner->markeret().isEmpty());
    QVERIFY(w->Editor->extraSelections().isEmpty());
}

void TstKodeeditor::previewVedSidenAf() {
    const QByteArray gemt = laesBytes(w->Filnavn);
    mainform->findChild<QCheckBox *>("PreviewSidenCheck")->click();
    QVERIFY(mainform->previewSiden);
    QVERIFY(w->PreviewSiden && w->PreviewSiden->isVisible());
    // Beside the editor on the page where one writes.
    QVERIFY(w->PreviewSiden->width() > w->Editor->width() / 2);
    QVERIFY(w->PreviewSiden->mapTo(w, QPoint()).x() >
            w->Editor->mapTo(w, QPoint()).x() + w->Editor->width() - 1);
    w->Editor->setSelStart(0);
    QTest::keyClicks(w->Editor, QStringLiteral("Usikret "));
    const QString fil = w->previewSidenFil();
    QTRY_VERIFY(QFile::exists(fil) && laesBytes(fil).contains("Usikret "));
    QCOMPARE(QFileInfo(fil).path(), QFileInfo(w->Filnavn).path());
    QTRY_COMPARE(QUrl(w->PreviewSiden->LocationURL()).fileName(), QFileInfo(fil).fileName());
    QCOMPARE(laesBytes(w->Filnavn), gemt); // the page itself waits for a save
    mainform->findChild<QCheckBox *>("PreviewSidenCheck")->click();
    QVERIFY(!w->PreviewSiden->isVisible());
    QVERIFY(!QFile::exists(fil));
}

DAGBOG_GUI_TEST_MAIN(TstKodeeditor)
#include "tst_kodeeditor.moc"
