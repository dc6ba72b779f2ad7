#include "dialoger.h"

#include "tekstfil.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>
#include <QUrl>

#include <exception>
#include <memory>

namespace Dialoger {

namespace {

bool testTilstand = false;
QQueue<int> &svarKoe() {
    static QQueue<int> koe;
    return koe;
}

void besked(QMessageBox::Icon ikon, const QString &titel, const QString &tekst, QWidget *forael) {
    if (testTilstand) {
        Test::vist().append(tekst);
        return;
    }
    QMessageBox boks(ikon, titel, tekst, QMessageBox::NoButton, forael);
    boks.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boks.exec();
}

QQueue<QString> &filKoe() {
    static QQueue<QString> koe;
    return koe;
}

} // namespace

QString vaelgFil(QWidget *forael, const QString &titel, const QString &filtre,
                 const QString &standardEndelse) {
    if (testTilstand) {
        if (filKoe().isEmpty()) return {};
        // What the dialog makes of a typed name.
        const QString sti = filKoe().dequeue();
        return QFileInfo(sti).suffix().isEmpty() && !standardEndelse.isEmpty()
                   ? sti + u'.' + standardEndelse
                   : sti;
    }
    QFileDialog dialog(forael, titel, QString(), filtre);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(standardEndelse);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QFileDialog *billedDialog(QWidget *forael, const QString &startmappe) {
    auto *dialog = new QFileDialog(forael, QStringLiteral("Vælg billede"), startmappe,
                                   QStringLiteral("Billeder (*.jpg *.jpeg *.png *.gif *.webp "
                                                  "*.svg *.ico)"));
    dialog->setObjectName(QStringLiteral("billedDialog"));
    // Qt's own dialog, which has room for the picture beside the list.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(QStringLiteral("jpg"));
    auto *billede = new QLabel(dialog);
    billede->setObjectName(QStringLiteral("forhaandsvisning"));
    billede->setFixedSize(200, 200);
    billede->setAlignment(Qt::AlignCenter);
    if (auto *gitter = qobject_cast<QGridLayout *>(dialog->layout()))
        gitter->addWidget(billede, 1, gitter->columnCount(), gitter->rowCount() - 1, 1);
    QObject::connect(dialog, &QFileDialog::currentChanged, billede, [billede](const QString &sti) {
        QImageReader laeser(sti);
        laeser.setAutoTransform(true);
        const QSize s = laeser.size();
        if (s.isValid())
            laeser.setScaledSize(s.scaled(billede->size(), Qt::KeepAspectRatio)
                                     .boundedTo(s.expandedTo(QSize(1, 1))));
        billede->setPixmap(QPixmap::fromImage(laeser.read()));
    });
    return dialog;
}

QString vaelgBillede(QWidget *forael, const QString &startmappe) {
    // A name typed without extension means a JPEG.
    if (testTilstand) {
        Test::billedStartmappe() = startmappe;
        return vaelgFil(forael, QString(), QString(), QStringLiteral("jpg"));
    }
    std::unique_ptr<QFileDialog> dialog(billedDialog(forael, startmappe));
    if (dialog->exec() != QDialog::Accepted) return {};
    return dialog->selectedFiles().value(0);
}

QString vaelgGemFil(QWidget *forael, const QString &titel, const QString &forslag,
                    const QString &filtre) {
    if (testTilstand) {
        Test::vist().append(forslag);
        return filKoe().isEmpty() ? QString() : filKoe().dequeue();
    }
    return QFileDialog::getSaveFileName(forael, titel, forslag, filtre, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void aabnAdresse(const QString &adresse) {
    if (testTilstand) {
        Test::vist().append(adresse);
        return;
    }
    QDesktopServices::openUrl(QUrl(adresse));
}

void info(const QString &tekst, QWidget *forael) {
    besked(QMessageBox::Information, QStringLiteral("Information"), tekst, forael);
}

void fejl(const QString &tekst, QWidget *forael) {
    besked(QMessageBox::Critical, QStringLiteral("Fejl"), tekst, forael);
}

QString fejltekst(const Tekstfil::FilFejl &fejl) {
    // A reader's own detail (the level and text of a bad line) keeps its words;
    // the box adds the file it came from.
    if (fejl.fil().isEmpty() || fejl.besked().contains(fejl.fil())) return fejl.besked();
    return QStringLiteral("Fejl i filen \"%1\": %2").arg(fejl.fil(), fejl.besked());
}

bool kommando(const std::function<void()> &udfoer, QWidget *forael) {
    try {
        udfoer();
        return true;
    } catch (const Tekstfil::FilFejl &f) {
        fejl(fejltekst(f), forael);
        return false;
    } catch (const std::exception &e) {
        fejl(QString::fromUtf8(e.what()), forael);
        return false;
    }
}

int visModal(QDialog *dialog) {
    if (!testTilstand) return dialog->exec();
    Test::vist().append(dialog->windowTitle());
    const int svar = svarKoe().isEmpty() ? 2 : svarKoe().dequeue();
    dialog->setResult(svar);
    return svar;
}

namespace Test {
void slaaTil(bool til) {
    testTilstand = til;
    svarKoe().clear();
    filKoe().clear();
    vist().clear();
}
bool erSlaaetTil() {
    return testTilstand;
}
void koeSvar(int svar) {
    svarKoe().enqueue(svar);
}
void koeFil(const QString &sti) {
    filKoe().enqueue(sti);
}
QString &billedStartmappe() {
    static QString m;
    return m;
}

QStringList &vist() {
    static QStringList liste;
    return liste;
}
} // namespace Test

} // namespace Dialoger
