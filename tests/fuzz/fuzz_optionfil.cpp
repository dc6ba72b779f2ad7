// The option-file reader: any file, read as a window reads it, text, numbers
// and flags in turn until the reader stops.
#include "fuzzhjaelp.h"
#include "platform/optionfil.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    kladdemappe();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString sti = skrivKladde(QStringLiteral("optioner.txt"), somBytes(data, size));
    OptionLaeser laeser(sti);
    bool flag = false;
    int tal = 0;
    QString tekst;
    for (int i = 0;; ++i) {
        const bool ok = i % 3 == 0   ? laeser.tal(tal)
                        : i % 3 == 1 ? laeser.flag(flag)
                                     : laeser.tekst(tekst);
        if (!ok) break;
    }
    // Once stopped, the reader stays stopped.
    if (laeser.tekst(tekst)) std::abort();
    return 0;
}
