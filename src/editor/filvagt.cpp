#include "filvagt.h"

#include "platform/tekstfil.h"
#include "platform/trichedit.h"

#include <QFileInfo>

Filvagt::Filvagt(TRichEdit *editor)
    : QObject(editor)
    , m_editor(editor) {
    setObjectName(QStringLiteral("filvagt"));
    connect(editor, &TRichEdit::filIndlaest, this, &Filvagt::husk);
    connect(editor, &TRichEdit::filGemt, this, &Filvagt::husk);
    connect(&m_vagt, &QFileSystemWatcher::fileChanged, this, &Filvagt::filAendret);
}

void Filvagt::husk(const QString &sti) {
    const QFileInfo f(sti);
    m_stoerrelse = f.size();
    m_tid = f.lastModified();
    if (m_sti != sti && !m_sti.isEmpty()) m_vagt.removePath(m_sti);
    m_sti = sti;
    // A save replaces the file, and the watcher loses a replaced file.
    if (!m_vagt.files().contains(sti)) m_vagt.addPath(sti);
}

bool Filvagt::aendretPaaDisk() const {
    if (m_sti.isEmpty()) return false;
    const QFileInfo f(m_sti);
    // A file gone, or something else in its place, is the save's own error to report.
    return f.isFile() && (f.size() != m_stoerrelse || f.lastModified() != m_tid);
}

void Filvagt::filAendret() {
    if (QFileInfo(m_sti).isFile() && !m_vagt.files().contains(m_sti)) m_vagt.addPath(m_sti);
    if (!aendretPaaDisk() || m_editor->Modified()) return;
    try {
        m_editor->LoadFromFile(m_sti);
    } catch (const Tekstfil::FilFejl &) {
        return; // the text stays; a save will ask before it writes over the file
    }
    emit genindlaest();
}
