// The caret analysis: any page text, the caret anywhere in it. The first two
// bytes pick the caret.
#include "fuzzhjaelp.h"
#include "platform/tekstfil.h"
#include "tags/taginfo.h"

namespace {
TRichEdit *editor = nullptr;
Tinfotag *tag = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startApp();
    editor = new TRichEdit;
    tag = new Tinfotag;
    const QString mappe = QStringLiteral(DAGBOG_DATA_DIR "/Dir/Html/");
    tag->LoadNosluttagliste(mappe + QStringLiteral("UdenSlutkode.txt"));
    tag->LoadTagliste(mappe + QStringLiteral("MedSlutkode.txt"));
    tag->SetEditor(editor);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const unsigned valg = data[0] | unsigned(data[1]) << 8;
    editor->setText(Tekstfil::dekod(somBytes(data + 2, size - 2)));
    const int laengde = int(editor->Text().size());
    const int caret = int(valg % unsigned(laengde + 1));
    editor->setSelStart(caret);
    const QString fundet = tag->GetTag();
    // A tag name found is a piece of the text.
    if (!fundet.isEmpty() && !editor->Text().contains(fundet, Qt::CaseInsensitive)) std::abort();
    return 0;
}
