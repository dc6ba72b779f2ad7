#include "tekstfil.h"

#include "historik.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <memory>
#include <optional>
#include <vector>

namespace Tekstfil {

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to themselves.
constexpr char16_t kontrolOmraade[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString laesFejl(const QString &sti) {
    return QStringLiteral("Filen \"%1\" kan ikke åbnes.").arg(sti);
}

QString skrivFejl(const QString &sti) {
    return QStringLiteral("Filen \"%1\" kan ikke gemmes.").arg(sti);
}

} // namespace

FilFejl::FilFejl(const QString &fil, const QString &besked)
    : std::runtime_error(besked.toStdString())
    , m_fil(fil)
    , m_besked(besked) {}

char32_t fraAnsi(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kontrolOmraade[byte - 0x80];
    return byte;
}

bool tilAnsi(QChar tegn, char *byte) {
    const char16_t u = tegn.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        *byte = char(u);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kontrolOmraade[i] == u) {
            *byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

bool kanSkrivesAnsi(const QString &tekst) {
    char b;
    for (QChar c : tekst)
        if (c.unicode() >= 0x80 && !tilAnsi(c, &b)) return false;
    return true;
}

Kodning kodningAf(const QByteArray &data) {
    if (data.startsWith("\xEF\xBB\xBF")) return Kodning::Utf8;
    if (data.startsWith("\xFF\xFE")) return Kodning::Utf16LE;
    if (data.startsWith("\xFE\xFF")) return Kodning::Utf16BE;
    return Kodning::Ansi;
}

QString dekod(const QByteArray &data, Kodning *kodning) {
    const Kodning k = kodningAf(data);
    QString tekst;
    if (k == Kodning::Utf8) {
        // Only the first mark is the encoding's; a second one is text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        tekst = utf8(QByteArrayView(data).sliced(3));
    } else if (k != Kodning::Ansi) {
        const qsizetype n = (data.size() - 2) / 2;
        tekst.resize(n);
        const auto *b = reinterpret_cast<const unsigned char *>(data.constData()) + 2;
        for (qsizetype i = 0; i < n; ++i) {
            const unsigned lo = b[2 * i], hi = b[2 * i + 1];
            tekst[i] = QChar(char16_t(k == Kodning::Utf16LE ? lo | hi << 8 : hi | lo << 8));
        }
    } else {
        tekst.resize(data.size());
        QChar *ud = tekst.data();
        for (qsizetype i = 0; i < data.size(); ++i)
            ud[i] = QChar(char16_t(fraAnsi(static_cast<unsigned char>(data[i]))));
    }
    if (kodning) *kodning = k;
    return tekst;
}

QByteArray kod(const QString &tekst, Kodning kodning) {
    switch (kodning) {
    case Kodning::Utf8:
        return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
    case Kodning::Utf16LE:
    case Kodning::Utf16BE: {
        const bool le = kodning == Kodning::Utf16LE;
        QByteArray ud(le ? "\xFF\xFE" : "\xFE\xFF", 2);
        ud.reserve(2 + 2 * tekst.size());
        for (QChar c : tekst) {
            const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
            ud.append(le ? lo : hi);
            ud.append(le ? hi : lo);
        }
        return ud;
    }
    case Kodning::Ansi:
        break;
    }
    QByteArray ud(tekst.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < tekst.size(); ++i)
        if (!tilAnsi(tekst[i], &ud[i])) ud[i] = '?';
    return ud;
}

QStringList splitLinjer(const QString &tekst) {
    QStringList linjer;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst[i];
        if (c == u'\r' || c == u'\n') {
            linjer.append(tekst.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && tekst[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) linjer.append(tekst.mid(start));
    return linjer;
}

Indhold laes(const QString &sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) throw FilFejl(sti, laesFejl(sti));
    Indhold ind;
    ind.linjer = splitLinjer(dekod(f.readAll(), &ind.kodning));
    return ind;
}

QStringList laesLinjer(const QString &sti) {
    return laes(sti).linjer;
}

namespace {

QByteArray filBytes(const QStringList &linjer, Kodning &kodning) {
    QString tekst;
    qsizetype laengde = 0;
    for (const QString &l : linjer)
        laengde += l.size() + 2;
    tekst.reserve(laengde);
    for (const QString &l : linjer) {
        tekst += l;
        tekst += QLatin1String("\r\n");
    }
    if (kodning == Kodning::Ansi && !kanSkrivesAnsi(tekst)) kodning = Kodning::Utf8;
    return kod(tekst, kodning);
}

// The new content in full in a temporary file beside the real one. A short
// file stays in the write buffer until commit, and commit does not notice when
// writing it out fails (a full disk): it would put the truncated file in
// place. Flushing here catches that; the temporary file goes with f when the
// caller throws.
void skrivMidlertidig(QSaveFile &f, const QByteArray &data) {
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.flush())
        throw FilFejl(f.fileName(), skrivFejl(f.fileName()));
}

} // namespace

Kodning skriv(const QString &sti, const QStringList &linjer, Kodning kodning) {
    skrivBytes(sti, filBytes(linjer, kodning));
    return kodning;
}

void skrivBytes(const QString &sti, const QByteArray &bytes) {
    QSaveFile f(sti);
    skrivMidlertidig(f, bytes);
    if (!f.commit()) throw FilFejl(sti, skrivFejl(sti));
    Historik::skrevet(sti, bytes);
}

void skrivAlle(const QList<Fil> &filer) {
    std::vector<std::unique_ptr<QSaveFile>> nye;
    QList<QByteArray> indhold;
    // What each file held before: a later replacement that fails puts the
    // earlier ones back, so the files never disagree with each other.
    QList<std::optional<QByteArray>> foer;
    for (const Fil &fil : filer) {
        Kodning kodning = fil.kodning;
        indhold.append(filBytes(fil.linjer, kodning));
        nye.push_back(std::make_unique<QSaveFile>(fil.sti));
        skrivMidlertidig(*nye.back(), indhold.back());
        QFile gammel(fil.sti);
        if (!gammel.exists()) {
            foer.append(std::nullopt);
            continue;
        }
        if (!gammel.open(QIODevice::ReadOnly)) throw FilFejl(fil.sti, laesFejl(fil.sti));
        foer.append(gammel.readAll());
    }
    for (size_t i = 0; i < nye.size(); ++i) {
        if (nye[i]->commit()) continue;
        for (size_t j = 0; j < i; ++j) {
            const QString sti = filer[qsizetype(j)].sti;
            const std::optional<QByteArray> &gammel = foer[qsizetype(j)];
            if (!gammel) {
                QFile::remove(sti);
                continue;
            }
            QSaveFile tilbage(sti);
            if (!tilbage.open(QIODevice::WriteOnly) || tilbage.write(*gammel) != gammel->size() ||
                !tilbage.commit())
                throw FilFejl(sti, skrivFejl(sti));
        }
        throw FilFejl(nye[i]->fileName(), skrivFejl(nye[i]->fileName()));
    }
    for (qsizetype i = 0; i < filer.size(); ++i)
        Historik::skrevet(filer[i].sti, indhold[i]);
}

} // namespace Tekstfil
