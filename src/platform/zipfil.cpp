#include "zipfil.h"

#include "historik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <zip.h>

namespace Zipfil {

namespace {

QByteArray filnavn(const QString &sti) {
    return QFile::encodeName(sti);
}

// A name from the archive may come from any program: no absolute paths, no
// backslashes, no step up out of the target folder.
bool sikkertNavn(const QString &navn) {
    if (navn.isEmpty() || navn.startsWith(u'/') || navn.contains(u'\\') || navn.contains(u':'))
        return false;
    for (const QString &del : navn.split(u'/'))
        if (del == QStringLiteral("..")) return false;
    return true;
}

} // namespace

bool skriv(const QString &sti, const QString &rod, const QStringList &poster,
           const QString &kommentar) {
    const QString midlertidig = sti + QStringLiteral(".tmp");
    QFile::remove(midlertidig);
    int fejl = 0;
    zip_t *za = zip_open(filnavn(midlertidig).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fejl);
    if (!za) return false;
    bool ok = true;
    for (const QString &navn : poster) {
        const QByteArray utf8 = navn.toUtf8();
        if (navn.endsWith(u'/')) {
            ok = zip_dir_add(za, utf8.constData(), ZIP_FL_ENC_UTF_8) >= 0;
        } else {
            const QString kilde = rod + u'/' + navn;
            zip_source_t *src = zip_source_file(za, filnavn(kilde).constData(), 0, -1);
            zip_int64_t i =
                src ? zip_file_add(za, utf8.constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
                    : -1;
            if (i < 0) {
                if (src) zip_source_free(src);
                ok = false;
            } else {
                const QDateTime tid = QFileInfo(kilde).lastModified();
                zip_file_set_mtime(za, zip_uint64_t(i), time_t(tid.toSecsSinceEpoch()), 0);
            }
        }
        if (!ok) break;
    }
    const QByteArray k = kommentar.toUtf8();
    if (ok) ok = zip_set_archive_comment(za, k.constData(), zip_uint16_t(k.size())) == 0;
    if (!ok) {
        zip_discard(za);
        QFile::remove(midlertidig);
        return false;
    }
    // The files are read and compressed here; a full disk shows up now.
    if (zip_close(za) != 0) {
        zip_discard(za);
        QFile::remove(midlertidig);
        return false;
    }
    QFile::remove(sti);
    if (!QFile::rename(midlertidig, sti)) {
        QFile::remove(midlertidig);
        return false;
    }
    return true;
}

QString kommentar(const QString &sti) {
    int fejl = 0;
    zip_t *za = zip_open(filnavn(sti).constData(), ZIP_RDONLY, &fejl);
    if (!za) return {};
    int laengde = 0;
    const char *k = zip_get_archive_comment(za, &laengde, ZIP_FL_ENC_RAW);
    const QString ud = k ? QString::fromUtf8(k, laengde) : QString();
    zip_discard(za);
    return ud;
}

bool poster(const QString &sti, QList<Post> *ud) {
    ud->clear();
    int fejl = 0;
    zip_t *za = zip_open(filnavn(sti).constData(), ZIP_RDONLY, &fejl);
    if (!za) return false;
    const zip_int64_t antal = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < antal; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za, zip_uint64_t(i), ZIP_FL_ENC_GUESS, &st) != 0) continue;
        ud->append({QString::fromUtf8(st.name), qint64(st.size)});
    }
    zip_discard(za);
    return true;
}

bool udpak(const QString &sti, const QString &praefiks, const QString &maal) {
    if (QFileInfo::exists(maal)) return false;
    int fejl = 0;
    zip_t *za = zip_open(filnavn(sti).constData(), ZIP_RDONLY, &fejl);
    if (!za) return false;
    bool ok = QDir().mkpath(maal);
    const zip_int64_t antal = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; ok && i < antal; ++i) {
        const QString navn = QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), ZIP_FL_ENC_GUESS));
        if (!navn.startsWith(praefiks)) continue;
        const QString rel = navn.mid(praefiks.size());
        if (rel.isEmpty()) continue;
        if (!sikkertNavn(rel)) {
            ok = false;
            break;
        }
        const QString ny = maal + u'/' + rel;
        if (rel.endsWith(u'/')) {
            ok = QDir().mkpath(ny);
            continue;
        }
        ok = QDir().mkpath(QFileInfo(ny).absolutePath());
        zip_file_t *zf = ok ? zip_fopen_index(za, zip_uint64_t(i), 0) : nullptr;
        if (!zf) {
            ok = false;
            break;
        }
        QSaveFile f(ny);
        ok = f.open(QIODevice::WriteOnly);
        char buf[65536];
        zip_int64_t n = 0;
        while (ok && (n = zip_fread(zf, buf, sizeof buf)) > 0)
            ok = f.write(buf, n) == n;
        ok = ok && n == 0 && f.commit();
        zip_fclose(zf);
    }
    zip_discard(za);
    if (!ok) QDir(maal).removeRecursively();
    if (ok) Historik::aendret(maal);
    return ok;
}

} // namespace Zipfil
