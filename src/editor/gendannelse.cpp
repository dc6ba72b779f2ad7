#include "gendannelse.h"

#include "app/vinduer.h"
#include "editor/win.h"
#include "forms/spm.h"
#include "main/mainform.h"
#include "platform/dialoger.h"
#include "platform/trichedit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
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

void skrivFil(const QString &sti, const QString &maal, const QString &vindue, QString raa) {
    // The document's paragraph separators become the line breaks of the page.
    raa.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QSaveFile f(sti);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(bom);
    f.write((maal + QStringLiteral("\r\n") + vindue + QStringLiteral("\r\n\r\n")).toUtf8());
    f.write(raa.toUtf8());
    f.commit();
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
    const QString sti = m_filsti, maal = m_maal, vindue = m_vindue;
    skriver().start([sti, maal, vindue, raa] { skrivFil(sti, maal, vindue, raa); });
}

void Gendannelse::modifikation(bool aendret) {
    if (!aendret && !m_stille) fjern();
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
    const QString alt = QString::fromUtf8(data.mid(bom.size()));
    const qsizetype a = alt.indexOf(QStringLiteral("\r\n"));
    const qsizetype b = a < 0 ? -1 : alt.indexOf(QStringLiteral("\r\n"), a + 2);
    if (b < 0 || alt.mid(b + 2, 2) != QStringLiteral("\r\n")) return false;
    ud->sti = sti;
    ud->maal = alt.left(a);
    ud->vindue = alt.mid(a + 2, b - a - 2);
    ud->tekst = alt.mid(b + 4);
    ud->tid = QFileInfo(sti).lastModified();
    return !ud->maal.isEmpty() && !ud->vindue.isEmpty();
}

void Gendannelse::tilbydVedStart(Tmainform *hoved) {
    const QString mappeSti = mappe(hoved->optDir);
    const QFileInfoList filer =
        QDir(mappeSti).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (const QFileInfo &info : filer) {
        Fil fil;
        if (!laes(info.filePath(), &fil)) continue;
        const QFileInfo maal(fil.maal);
        // A file that is gone, or a window page that is gone, keeps its text
        // in the folder for the user to fetch.
        if (!maal.exists() || !QFileInfo::exists(fil.vindue)) continue;
        if (fil.tid <= maal.lastModified()) {
            QFile::remove(fil.sti); // the file was saved after the text was kept
            continue;
        }
        const QString naar = dansk.toString(fil.tid, QStringLiteral("d. MMMM yyyy 'kl.' HH.mm"));
        const bool ja =
            spmform->spoerg({QStringLiteral("Der er fundet en ikke-gemt udgave af siden ") +
                                 sidenavn(fil.maal) + QStringLiteral(" fra ") + naar + u'.',
                             QStringLiteral("Skal den gendannes?")});
        if (!ja) {
            QFile::remove(fil.sti);
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
    TRichEdit *editor = maal == Filnavn               ? Editor
                        : maal == hoved->designName   ? EditorDesign
                        : maal == hoved->funktionName ? EditorFunktioner
                                                      : nullptr;
    if (!editor) return;
    if (auto *g = editor->findChild<Gendannelse *>()) g->saetTekst(tekst);
    const int side = editor == Editor ? 1 : editor == EditorDesign ? 2 : 3;
    EditorBog->setTabVisible(side, true);
    EditorBog->setCurrentIndex(side);
}
