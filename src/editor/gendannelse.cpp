#include "gendannelse.h"

#include "app/vinduer.h"
#include "core/gendanvalg.h"
#include "editor/win.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QThreadPool>

namespace {

// One thread for every recovery write, so the writes and removals of one file
// never overtake each other.
QThreadPool &skriver() {
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(1);
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *pool;
}

const QByteArray bom("\xEF\xBB\xBF");

void skrivFil(const QString &sti, const QByteArray &hoved, QString raa) {
    // The document's paragraph separators become the line breaks of the page.
    raa.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QSaveFile f(sti);
    const QByteArray data = bom + hoved + raa.toUtf8();
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
    // One line in the status bar per file until a write of it succeeds again;
    // only the one writer thread touches the set.
    static QSet<QString> fejlede;
    if (ok) {
        fejlede.remove(sti);
        return;
    }
    if (fejlede.contains(sti)) return;
    fejlede.insert(sti);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [mappe = QFileInfo(sti).absolutePath()] {
            if (mainform)
                mainform->statusBar()->showMessage(
                    QStringLiteral("Den ugemte tekst kan ikke lægges til side i %1. Gem selv "
                                   "siden snart.")
                        .arg(QDir::toNativeSeparators(mappe)));
        },
        Qt::QueuedConnection);
}

QByteArray stempelAf(const QString &sti) {
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? Gendanvalg::stempel(f.readAll()) : QByteArray();
}

QString sidenavn(const QString &sti) {
    const QFileInfo f(sti);
    return f.suffix().compare(QStringLiteral("html"), Qt::CaseInsensitive) == 0
               ? f.completeBaseName()
               : f.fileName();
}

} // namespace

Gendannelse::Gendannelse(TRichEdit *editor, const QString &maal, const QString &vindue,
                         const QString &mappeSti)
    : QObject(editor)
    , m_editor(editor)
    , m_maal(maal)
    , m_vindue(vindue)
    , m_filsti(mappeSti + filnavn(maal, vindue)) {
    setObjectName(QStringLiteral("gendannelse"));
    m_ur.setSingleShot(true);
    m_ur.setInterval(ventetid);
    connect(&m_ur, &QTimer::timeout, this, &Gendannelse::skrivNu);
    // A key stroke costs only the restart of a timer.
    connect(editor->document(), &QTextDocument::contentsChanged, this, &Gendannelse::aendret);
    connect(editor->document(), &QTextDocument::modificationChanged, this,
            &Gendannelse::modifikation);
}

QString Gendannelse::mappe(const QString &optDir) {
    return optDir + QStringLiteral("Gendan/");
}

QString Gendannelse::filnavn(const QString &maal, const QString &vindue) {
    const QByteArray noegle =
        QCryptographicHash::hash((maal + u'\n' + vindue).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(10);
    return QFileInfo(maal).fileName() + u'-' + QString::fromLatin1(noegle) + QStringLiteral(".txt");
}

void Gendannelse::aendret() {
    if (!m_stille) m_ur.start();
}

void Gendannelse::skrivNu() {
    m_ur.stop();
    if (!m_editor->document()->isModified()) return;
    // The raw text is one copy of the shared buffer; its line breaks are
    // turned into CR LF in the worker.
    const QString raa = m_editor->document()->toRawText();
    QString hoved = m_maal + QStringLiteral("\r\n") + m_vindue + QStringLiteral("\r\n");
    if (!m_stempel.isEmpty()) hoved += QString::fromLatin1(m_stempel) + QStringLiteral("\r\n");
    const QString sti = m_filsti;
    skriver().start(
        [sti, h = (hoved + QStringLiteral("\r\n")).toUtf8(), raa] { skrivFil(sti, h, raa); });
}

void Gendannelse::modifikation(bool aendret) {
    // What the file is as the editing begins decides at the next start whether
    // the kept text is news.
    if (aendret)
        m_stempel = stempelAf(m_maal);
    else if (!m_stille)
        fjern();
}

void Gendannelse::fjern() {
    m_ur.stop();
    ventPaaSkrivning();
    QFile::remove(m_filsti);
}

void Gendannelse::ventPaaSkrivning() {
    skriver().waitForDone();
}

void Gendannelse::saetTekst(const QString &tekst) {
    m_stille = true;
    m_editor->setText(tekst);
    m_editor->setModified(true);
    m_stille = false;
    // Loading the window's files may have removed the file; the text is kept again at once.
    skrivNu();
}

bool Gendannelse::laes(const QString &sti, Fil *ud) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray data = f.readAll();
    if (!data.startsWith(bom)) return false;
    // The file, the window, the stamp line (not in older files), an empty line, the text.
    QStringList hoved;
    const QString alt = QString::fromUtf8(data.mid(bom.size()));
    qsizetype fra = 0;
    for (;;) {
        const qsizetype slut = alt.indexOf(QStringLiteral("\r\n"), fra);
        if (slut < 0 || hoved.size() > 3) return false;
        const QString linje = alt.mid(fra, slut - fra);
        fra = slut + 2;
        if (linje.isEmpty() && hoved.size() >= 2) break;
        hoved << linje;
    }
    ud->sti = sti;
    ud->maal = hoved.value(0);
    ud->vindue = hoved.value(1);
    ud->stempel = hoved.value(2).toLatin1();
    ud->tekst = alt.mid(fra);
    ud->tid = QFileInfo(sti).lastModified();
    return !ud->maal.isEmpty() && !ud->vindue.isEmpty();
}

namespace {

constexpr int kasseretDage = 30;

// "Nej" sets the text aside instead of deleting it.
void kasser(const QString &sti) {
    const QString mappe = QFileInfo(sti).absolutePath() + QStringLiteral("/Kasseret/");
    QDir().mkpath(mappe);
    const QString ny = mappe + QFileInfo(sti).fileName();
    QFile::remove(ny);
    if (!QFile::rename(sti, ny)) return;
    // The days it is kept count from now.
    QFile f(ny);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}

void ryddKasseret(const QString &mappe) {
    const QDateTime graense = QDateTime::currentDateTime().addDays(-kasseretDage);
    for (const QFileInfo &f : QDir(mappe + QStringLiteral("Kasseret/")).entryInfoList(QDir::Files))
        if (f.lastModified() < graense) QFile::remove(f.filePath());
}

} // namespace

void Gendannelse::tilbydVedStart(Tmainform *hoved) {
    const QString mappeSti = mappe(hoved->optDir);
    ryddKasseret(mappeSti);
    const QFileInfoList filer =
        QDir(mappeSti).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (const QFileInfo &info : filer) {
        Fil fil;
        if (!laes(info.filePath(), &fil)) continue;
        // A file that is gone, or a window page that is gone, keeps its text
        // in the folder for the user to fetch.
        if (!QFileInfo::exists(fil.maal) || !QFileInfo::exists(fil.vindue)) continue;
        QFile side(fil.maal);
        if (!side.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = side.readAll();
        QString sideTekst;
        try {
            sideTekst = Tekstfil::laes(fil.maal).linjer.join(QStringLiteral("\r\n"));
        } catch (const Tekstfil::FilFejl &) {
            continue;
        }
        const Gendanvalg::Valg valg = Gendanvalg::vaelg(fil.tekst, fil.stempel, bytes, sideTekst);
        if (valg == Gendanvalg::Valg::Fjern) {
            QFile::remove(fil.sti); // the file on disk holds the text already
            continue;
        }
        const QString naar = dansk.toString(fil.tid, QStringLiteral("d. MMMM yyyy 'kl.' HH.mm"));
        QStringList spm{QStringLiteral("Der er fundet en ikke-gemt udgave af siden ") +
                        sidenavn(fil.maal) + QStringLiteral(" fra ") + naar + u'.'};
        if (valg == Gendanvalg::Valg::TilbydSideAendret)
            spm << QStringLiteral("Siden er ændret på disken siden da.");
        spm << QStringLiteral("Skal den gendannes?");
        const Tspmform::Svar svar = spmform->spoergEllerLuk(spm);
        if (svar == Tspmform::Svar::Lukket) continue; // asked again at the next start
        if (svar == Tspmform::Svar::Nej) {
            kasser(fil.sti);
            continue;
        }
        Dialoger::kommando(
            [&] {
                hoved->htmlFilnavn = fil.vindue;
                Twinform *w = hoved->openwin(fil.vindue);
                w->gendanTekst(fil.maal, fil.tekst);
            },
            hoved);
    }
}

void Twinform::byggGendannelse() {
    const QString mappeSti = Gendannelse::mappe(hoved->optDir);
    new Gendannelse(Editor, Filnavn, Filnavn, mappeSti);
    new Gendannelse(EditorDesign, hoved->designName, Filnavn, mappeSti);
    new Gendannelse(EditorFunktioner, hoved->funktionName, Filnavn, mappeSti);
}

void Twinform::gendanTekst(const QString &maal, const QString &tekst) {
    bringFrem();
    // The first activation loads design.css and funktioner.js; it must come
    // before the recovered text, not over it.
    if (opstart) FormActivate();
    TRichEdit *editor = editorTil(maal);
    if (!editor) return;
    if (auto *g = editor->findChild<Gendannelse *>()) g->saetTekst(tekst);
    const int side = editor == Editor ? 1 : editor == EditorDesign ? 2 : 3;
    EditorBog->setTabVisible(side, true);
    EditorBog->setCurrentIndex(side);
}
