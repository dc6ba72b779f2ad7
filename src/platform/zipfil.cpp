#include "zipfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <zip.h>
#include <zlib.h>

#include <cerrno>

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

// Why a write failed, in Danish where the reason is a common one.
QString fejltekst(const QString &fil, const zip_error_t *z) {
    QString grund;
    switch (zip_error_code_system(z)) {
    case ENOSPC:
        grund = QStringLiteral("disken er fuld");
        break;
    case EACCES:
    case EPERM:
        grund = QStringLiteral("der er ikke adgang");
        break;
    case EROFS:
        grund = QStringLiteral("disken er skrivebeskyttet");
        break;
    default:
        grund = QString::fromLocal8Bit(zip_error_strerror(const_cast<zip_error_t *>(z)));
    }
    return QDir::toNativeSeparators(fil) + QStringLiteral(": ") + grund;
}

// What the files' sources share while the archive is written: which entries
// to leave out because their file vanished or changed, and a read error that
// fails the whole archive.
struct Laesning {
    QHash<QString, zip_uint64_t> indeks; // file -> entry
    QList<zip_uint64_t> udeladte;
    QString fejl;
};

struct FilKilde {
    QString sti;
    Laesning *laesning;
    QFile fil;
    qint64 stoerrelse = 0;
    QDateTime tid;
    zip_error_t fejl;
};

bool aendret(const FilKilde &k) {
    const QFileInfo nu(k.sti);
    return !nu.exists() || nu.size() != k.stoerrelse || nu.lastModified() != k.tid;
}

// A file read only while the archive is written. When it is gone by then, or
// changes while it is read, its entry is marked to be left out.
zip_int64_t filKald(void *tilstand, void *data, zip_uint64_t laengde, zip_source_cmd_t cmd) {
    auto *k = static_cast<FilKilde *>(tilstand);
    auto udelad = [k] {
        k->laesning->udeladte.append(k->laesning->indeks.value(k->sti));
        zip_error_set(&k->fejl, ZIP_ER_CHANGED, 0);
        return zip_int64_t(-1);
    };
    switch (cmd) {
    case ZIP_SOURCE_OPEN: {
        k->fil.setFileName(k->sti);
        const QFileInfo info(k->sti);
        k->stoerrelse = info.size();
        k->tid = info.lastModified();
        if (k->fil.open(QIODevice::ReadOnly)) return 0;
        if (!info.exists()) return udelad();
        k->laesning->fejl =
            QDir::toNativeSeparators(k->sti) + QStringLiteral(": ") +
            (info.isReadable() ? k->fil.errorString() : QStringLiteral("der er ikke adgang"));
        zip_error_set(&k->fejl, ZIP_ER_OPEN, 0);
        return -1;
    }
    case ZIP_SOURCE_READ: {
        const qint64 n = k->fil.read(static_cast<char *>(data), qint64(laengde));
        if (n < 0) {
            k->laesning->fejl =
                QDir::toNativeSeparators(k->sti) + QStringLiteral(": ") + k->fil.errorString();
            zip_error_set(&k->fejl, ZIP_ER_READ, 0);
            return -1;
        }
        // At the end: the file must still be the one that was opened.
        if (n == 0 && aendret(*k)) return udelad();
        return n;
    }
    case ZIP_SOURCE_CLOSE:
        k->fil.close();
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *st = static_cast<zip_stat_t *>(data);
        zip_stat_init(st);
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&k->fejl, data, laengde);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&k->fejl);
        delete k;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
    default:
        zip_error_set(&k->fejl, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

zip_source_t *nyKilde(zip_t *za, const QString &sti, Laesning *laesning) {
    auto *k = new FilKilde{sti, laesning, {}, 0, {}, {}};
    zip_error_init(&k->fejl);
    zip_source_t *src = zip_source_function(za, filKald, k);
    if (!src) {
        zip_error_fini(&k->fejl);
        delete k;
    }
    return src;
}

} // namespace

Skrivning skriv(const QString &sti, const QList<Kilde> &kilder, const QString &kommentar,
                const std::atomic<bool> *afbryd) {
    Skrivning s;
    const QString midlertidig = sti + QStringLiteral(".tmp");
    QFile::remove(midlertidig);
    int kode = 0;
    zip_t *za = zip_open(filnavn(midlertidig).constData(), ZIP_CREATE | ZIP_TRUNCATE, &kode);
    if (!za) {
        zip_error_t z;
        zip_error_init_with_code(&z, kode);
        s.fejl = fejltekst(midlertidig, &z);
        zip_error_fini(&z);
        return s;
    }
    if (afbryd)
        zip_register_cancel_callback_with_state(
            za,
            [](zip_t *, void *a) { return int(static_cast<const std::atomic<bool> *>(a)->load()); },
            nullptr, const_cast<std::atomic<bool> *>(afbryd));
    Laesning laesning;
    QHash<zip_uint64_t, QString> navne;
    for (const Kilde &k : kilder) {
        const QByteArray utf8 = k.navn.toUtf8();
        if (k.sti.isEmpty()) {
            if (zip_dir_add(za, utf8.constData(), ZIP_FL_ENC_UTF_8) < 0) {
                s.fejl = fejltekst(midlertidig, zip_get_error(za));
                break;
            }
            continue;
        }
        const QFileInfo info(k.sti);
        if (!info.isFile()) { // gone since the list was made
            s.udeladt.append(k.navn);
            continue;
        }
        zip_source_t *src = nyKilde(za, k.sti, &laesning);
        const zip_int64_t i =
            src ? zip_file_add(za, utf8.constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) : -1;
        if (i < 0) {
            if (src) zip_source_free(src);
            s.fejl = fejltekst(midlertidig, zip_get_error(za));
            break;
        }
        laesning.indeks.insert(k.sti, zip_uint64_t(i));
        navne.insert(zip_uint64_t(i), k.navn);
        zip_file_set_mtime(za, zip_uint64_t(i), time_t(info.lastModified().toSecsSinceEpoch()), 0);
    }
    const QByteArray k = kommentar.toUtf8();
    if (s.fejl.isEmpty() && zip_set_archive_comment(za, k.constData(), zip_uint16_t(k.size())) != 0)
        s.fejl = fejltekst(midlertidig, zip_get_error(za));
    // The files are read and compressed here. A file that vanished or changed
    // meanwhile is left out, and the archive is written again without it.
    while (s.fejl.isEmpty()) {
        laesning.udeladte.clear();
        if (zip_close(za) == 0) {
            za = nullptr;
            break;
        }
        if (afbryd && afbryd->load()) {
            s.afbrudt = true;
            break;
        }
        if (!laesning.fejl.isEmpty()) {
            s.fejl = laesning.fejl;
            break;
        }
        if (laesning.udeladte.isEmpty()) {
            s.fejl = fejltekst(midlertidig, zip_get_error(za));
            break;
        }
        for (zip_uint64_t i : std::as_const(laesning.udeladte)) {
            zip_delete(za, i);
            s.udeladt.append(navne.value(i));
        }
    }
    if (za) zip_discard(za);
    if (s.fejl.isEmpty() && !s.afbrudt) {
        const QString kontrol = kontroller(midlertidig);
        if (!kontrol.isEmpty()) s.fejl = kontrol;
    }
    if (s.fejl.isEmpty() && !s.afbrudt) {
        QFile::remove(sti);
        if (!QFile::rename(midlertidig, sti))
            s.fejl = QStringLiteral("%1: kan ikke omdøbes til %2")
                         .arg(QDir::toNativeSeparators(midlertidig), QFileInfo(sti).fileName());
    }
    if (!s.fejl.isEmpty() || s.afbrudt) QFile::remove(midlertidig);
    s.udeladt.sort();
    return s;
}

QString kontroller(const QString &sti) {
    const QString navn = QDir::toNativeSeparators(sti);
    int kode = 0;
    zip_t *za = zip_open(filnavn(sti).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &kode);
    if (!za) return QStringLiteral("%1: arkivet kan ikke åbnes igen").arg(navn);
    QString fejl;
    const zip_int64_t antal = zip_get_num_entries(za, 0);
    char buf[65536];
    for (zip_int64_t i = 0; fejl.isEmpty() && i < antal; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        zip_file_t *zf = nullptr;
        if (zip_stat_index(za, zip_uint64_t(i), 0, &st) == 0)
            zf = zip_fopen_index(za, zip_uint64_t(i), 0);
        if (!zf) {
            fejl = QStringLiteral("%1: posten nr. %2 kan ikke læses").arg(navn).arg(i + 1);
            break;
        }
        zip_uint64_t laest = 0;
        uLong crc = crc32(0, nullptr, 0);
        zip_int64_t n = 0;
        while ((n = zip_fread(zf, buf, sizeof buf)) > 0) {
            laest += zip_uint64_t(n);
            crc = crc32(crc, reinterpret_cast<const Bytef *>(buf), uInt(n));
        }
        zip_fclose(zf);
        if (n < 0 || laest != st.size || crc != st.crc)
            fejl = QStringLiteral("%1: posten %2 er forkert i arkivet")
                       .arg(navn, QString::fromUtf8(st.name));
    }
    zip_discard(za);
    return fejl;
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
    return ok;
}

} // namespace Zipfil
