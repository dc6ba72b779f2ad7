// The text decoder: any bytes decode, and text in the encoding that was
// detected comes back the same through the encoder.
#include "fuzzhjaelp.h"
#include "platform/tekstfil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = somBytes(data, size);
    Tekstfil::Kodning kodning;
    const QString tekst = Tekstfil::dekod(bytes, &kodning);
    const QStringList linjer = Tekstfil::splitLinjer(tekst);
    // Lines hold no line breaks of their own.
    for (const QString &l : linjer)
        if (l.contains(u'\n')) std::abort();
    // UTF-8 with its mark decodes to what was encoded whenever the text is
    // well-formed UTF-16 (the decoder replaces broken input).
    if (!tekst.isValidUtf16()) return 0;
    if (Tekstfil::dekod(Tekstfil::kod(tekst, Tekstfil::Kodning::Utf8)) != tekst) std::abort();
    return 0;
}
