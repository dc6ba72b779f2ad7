// The tag reader: any page text read into the tag tree, then the checks that
// walk that tree.
#include "fuzzhjaelp.h"
#include "platform/tekstfil.h"
#include "tags/taginfo.h"

namespace {
TRichEdit *editor = nullptr;
QTreeWidget *trae = nullptr;
Tinfotag *tag = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startApp();
    editor = new TRichEdit;
    trae = new QTreeWidget;
    tag = new Tinfotag;
    const QString mappe = QStringLiteral(DAGBOG_DATA_DIR "/Dir/Html/");
    tag->LoadNosluttagliste(mappe + QStringLiteral("UdenSlutkode.txt"));
    tag->LoadTagliste(mappe + QStringLiteral("MedSlutkode.txt"));
    tag->LoadAlletagliste(mappe + QStringLiteral("AlleKoder.txt"));
    tag->LoadExcludeliste(mappe + QStringLiteral("Ekskluderet.txt"));
    tag->SetEditor(editor);
    tag->SetTreeView(trae);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    editor->setText(Tekstfil::dekod(somBytes(data, size)));
    tag->ReadStructure();
    if (trae->topLevelItemCount() != 1) std::abort(); // the root is always there
    tag->EndtagsKontrol();
    tag->ForMangeEndtag();
    return 0;
}
