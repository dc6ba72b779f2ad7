// The tree and data file reader. The input is struktur.txt, then a zero byte
// and data.txt; without the zero byte there is no data.txt, which the reader
// then creates.
#include "controls/struktur.h"
#include "fuzzhjaelp.h"

namespace {
TStruktur *trae = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startApp();
    trae = new TStruktur;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray alt = somBytes(data, size);
    const qsizetype nul = alt.indexOf('\0');
    const QString struktur = skrivKladde(QStringLiteral("struktur.txt"), alt.left(nul));
    const QString datafil = kladdemappe() + QStringLiteral("/data.txt");
    if (nul >= 0)
        skrivKladde(QStringLiteral("data.txt"), alt.mid(nul + 1));
    else
        QFile::remove(datafil);
    trae->setStrukturfile(struktur);
    trae->setDatafile(datafil);
    trae->setDataOn(true);
    try {
        trae->HentStruktur();
    } catch (const Tekstfil::FilFejl &) {
    }
    // Whatever was taken up can be walked.
    for (QTreeWidgetItem *e : trae->elementer())
        TStruktur::sideNavn(e);
    return 0;
}
