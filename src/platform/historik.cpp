#include "historik.h"

#include "core/historiktekst.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaObject>
#include <QMutex>
#include <QSet>
#include <QSysInfo>
#include <QTimeZone>

#include <condition_variable>
#include <deque>
#include <git2.h>
#include <git2/odb_backend.h>
#include <git2/sys/mempack.h>
#include <map>
#include <mutex>
#include <thread>

namespace {

// libgit2's objects freed at the end of their scope.
template <typename T, void (*Fri)(T *)> struct Git {
    T *p = nullptr;
    Git() = default;
    Git(const Git &) = delete;
    Git &operator=(const Git &) = delete;
    ~Git() {
        if (p) Fri(p);
    }
    T **ud() { return &p; }
    void nulstil() {
        if (p) Fri(p);
        p = nullptr;
    }
    operator T *() const { return p; }
};
using Repo = Git<git_repository, git_repository_free>;
using Commit = Git<git_commit, git_commit_free>;
using Tree = Git<git_tree, git_tree_free>;
using Entry = Git<git_tree_entry, git_tree_entry_free>;
using Walk = Git<git_revwalk, git_revwalk_free>;
using Blob = Git<git_blob, git_blob_free>;
using Builder = Git<git_treebuilder, git_treebuilder_free>;
using Signatur = Git<git_signature, git_signature_free>;
using Diff = Git<git_diff, git_diff_free>;

void initGit() {
    static std::once_flag gjort;
    std::call_once(gjort, [] { git_libgit2_init(); });
}

// A failed libgit2 call ends the operation with its reason.
struct GitFejl {
    int kode;
    QString besked;
};
void tjek(int kode) {
    if (kode >= 0) return;
    const git_error *e = git_error_last();
    throw GitFejl{kode, e ? QString::fromUtf8(e->message) : QString()};
}

QString hex(const git_oid *id) {
    char buf[GIT_OID_HEXSZ + 1];
    git_oid_tostr(buf, sizeof buf, id);
    return QString::fromLatin1(buf);
}

git_oid oidAf(const QString &hexId) {
    git_oid id;
    tjek(git_oid_fromstr(&id, hexId.toLatin1().constData()));
    return id;
}

QDateTime tidAf(const git_commit *c) {
    return QDateTime::fromSecsSinceEpoch(git_commit_time(c),
                                         QTimeZone(git_commit_time_offset(c) * 60));
}

QByteArray filnavn(const QString &s) {
    return s.toUtf8();
}

// The blob at path in a tree, or none.
bool blobVed(git_tree *trae, const QByteArray &sti, git_oid *ud) {
    Entry e;
    if (git_tree_entry_bypath(e.ud(), trae, sti.constData()) != 0) return false;
    if (git_tree_entry_type(e) != GIT_OBJECT_BLOB) return false;
    git_oid_cpy(ud, git_tree_entry_id(e));
    return true;
}

bool aabn(Repo &r, const QString &repo) {
    initGit();
    return git_repository_open_bare(r.ud(), QFile::encodeName(repo).constData()) == 0;
}

// The commit HEAD names, when HEAD, the commit and its tree can be read.
bool hovedCommit(git_repository *r, Commit &c) {
    git_oid id;
    if (git_reference_name_to_id(&id, r, "HEAD") != 0) return false;
    if (git_commit_lookup(c.ud(), r, &id) != 0) return false;
    Tree t;
    return git_commit_tree(t.ud(), c) == 0;
}

int antalFiler(const QString &mappe) {
    int n = 0;
    QDirIterator it(mappe, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    for (; it.hasNext(); it.next())
        ++n;
    return n;
}

qint64 mappestoerrelse(const QString &mappe) {
    qint64 sum = 0;
    QDirIterator it(mappe, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        sum += it.fileInfo().size();
    }
    return sum;
}

} // namespace

// ---- the worker: one repository handle, one queue, commits in order ----

struct Aendring {
    QString sti; // relative to the user's folder
    bool medBytes = false;
    QByteArray bytes;
};

struct Opgave {
    QList<Aendring> aendringer;
    QString besked;
    QDateTime tid;
    bool helDagbog = false; // the whole of Struktur/ against the newest commit
};

class HistorikArbejder {
public:
    HistorikArbejder(THistorik *ejer, QString bruger, QString forfatter)
        : m_ejer(ejer)
        , m_bruger(std::move(bruger))
        , m_forfatter(std::move(forfatter))
        , m_traad([this] { koer(); }) {}

    ~HistorikArbejder() {
        {
            std::lock_guard l(m_laas);
            m_stop = true;
        }
        m_vaek.notify_all();
        m_traad.join();
    }

    void tilfoej(Opgave o) {
        {
            std::lock_guard l(m_laas);
            m_koe.push_back(std::move(o));
        }
        m_vaek.notify_all();
    }

    void vent() {
        std::unique_lock l(m_laas);
        m_tom.wait(l, [this] { return m_koe.empty() && !m_igang; });
    }

    // What the file layer notes until the event loop hands it over.
    QMutex noteLaas;
    std::map<QString, Aendring> noteret;
    QString noteretBesked;
    QDateTime noteretTid;

private:
    void koer() {
        for (;;) {
            Opgave o;
            {
                std::unique_lock l(m_laas);
                m_vaek.wait(l, [this] { return m_stop || !m_koe.empty(); });
                if (m_koe.empty()) return;
                o = std::move(m_koe.front());
                m_koe.pop_front();
                m_igang = true;
            }
            udfoer(o);
            {
                std::lock_guard l(m_laas);
                m_igang = false;
            }
            m_tom.notify_all();
        }
    }

    void udfoer(const Opgave &o) {
        try {
            if (!m_repo) aabnOgRet();
            commit(o);
            if (loseObjekter() >= m_rest + pakkeGraense) pak();
            QMetaObject::invokeMethod(m_ejer, &THistorik::skrevet, Qt::QueuedConnection);
        } catch (const GitFejl &f) {
            // The next commit opens the repository afresh: it may have been repaired meanwhile.
            m_repo.nulstil();
            const QString hvorfor =
                f.kode == GIT_ELOCKED
                    ? QStringLiteral("Historik.git er låst af et andet program")
                    : QStringLiteral("Historik.git kan ikke skrives (%1)").arg(f.besked);
            QMetaObject::invokeMethod(
                m_ejer, [e = m_ejer, hvorfor] { emit e->fejl(hvorfor); }, Qt::QueuedConnection);
        }
    }

    QString repoSti() const { return m_bruger + QStringLiteral("/Historik.git"); }

    // Loose objects are packed now and then: a pack holds the versions of a
    // page as small deltas, and a diary does not leave tens of thousands of files.
    static constexpr int pakkeGraense = 2000;

    int loseObjekter() {
        if (m_loese < 0) {
            m_loese = 0;
            for (const QString &d : QDir(repoSti() + QStringLiteral("/objects"))
                                        .entryList({QStringLiteral("??")}, QDir::Dirs))
                m_loese += int(QDir(repoSti() + QStringLiteral("/objects/") + d)
                                   .entryList(QDir::Files)
                                   .size());
        }
        return m_loese;
    }

    bool erLoest(const git_oid *id) const {
        const QString h = hex(id);
        return QFileInfo::exists(repoSti() + QStringLiteral("/objects/") + h.left(2) + u'/' +
                                 h.mid(2));
    }

    // A pack of what the newest commits brought since the last pack; then the
    // loose copies go. A kill on the way leaves them loose, which git reads as well.
    void pak() {
        Walk w;
        tjek(git_revwalk_new(w.ud(), m_repo));
        tjek(git_revwalk_push_head(w));
        {
            Walk find;
            tjek(git_revwalk_new(find.ud(), m_repo));
            tjek(git_revwalk_push_head(find));
            git_oid id;
            while (git_revwalk_next(&id, find) == 0) {
                if (erLoest(&id)) continue;
                tjek(git_revwalk_hide(w, &id));
                break;
            }
        }
        Git<git_packbuilder, git_packbuilder_free> pb;
        tjek(git_packbuilder_new(pb.ud(), m_repo));
        git_packbuilder_set_threads(pb, 1);
        tjek(git_packbuilder_insert_walk(pb, w));
        tjek(git_packbuilder_write(pb, nullptr, 0, nullptr, nullptr));
        // A loose object goes only when a pack on disk is seen to hold it.
        const QString objekter = repoSti() + QStringLiteral("/objects/");
        Git<git_odb, git_odb_free> pakker;
        tjek(git_odb_new(pakker.ud()));
        git_odb_backend *pakkelaeser = nullptr;
        tjek(git_odb_backend_pack(&pakkelaeser, QFile::encodeName(objekter).constData()));
        tjek(git_odb_add_backend(pakker, pakkelaeser, 1));
        int tilbage = 0;
        for (const QString &d : QDir(objekter).entryList({QStringLiteral("??")}, QDir::Dirs)) {
            QDir mappe(objekter + d);
            for (const QString &f : mappe.entryList(QDir::Files)) {
                git_oid id;
                if (git_oid_fromstr(&id, (d + f).toLatin1().constData()) == 0 &&
                    git_odb_exists(pakker, &id))
                    mappe.remove(f);
                else
                    ++tilbage;
            }
            QDir(objekter).rmdir(d);
        }
        m_loese = m_rest = tilbage;
    }

    // A killed commit can leave lock files; with one program writing, they are stale.
    void fjernLaase() {
        const QString r = repoSti();
        for (const char *navn : {"HEAD.lock", "packed-refs.lock", "config.lock"})
            QFile::remove(r + u'/' + QLatin1String(navn));
        QDirIterator it(r + QStringLiteral("/refs"), {QStringLiteral("*.lock")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::remove(it.next());
    }

    void aabnOgRet() {
        initGit();
        const QByteArray sti = QFile::encodeName(repoSti());
        // Only the first opening repairs: a lock met later is another program's.
        const bool ret = !std::exchange(m_aabnet, true);
        if (!QFileInfo::exists(repoSti() + QStringLiteral("/HEAD"))) {
            git_repository_init_options opt = GIT_REPOSITORY_INIT_OPTIONS_INIT;
            opt.flags = GIT_REPOSITORY_INIT_BARE | GIT_REPOSITORY_INIT_MKPATH;
            opt.initial_head = "main";
            tjek(git_repository_init_ext(m_repo.ud(), sti.constData(), &opt));
            return;
        }
        if (ret) fjernLaase();
        tjek(git_repository_open_bare(m_repo.ud(), sti.constData()));
        Commit c;
        if (!ret || hovedCommit(m_repo, c) || git_repository_head_unborn(m_repo) == 1) return;
        tilbageTilNyesteHele();
    }

    // A damaged reference: the branch goes back to the newest commit that can
    // be read whole and that no other such commit builds on.
    void tilbageTilNyesteHele() {
        git_odb *odb = nullptr;
        tjek(git_repository_odb(&odb, m_repo));
        struct Fund {
            git_repository *r;
            git_odb *odb;
            QHash<QByteArray, git_time_t> hele;
            QSet<QByteArray> foraeldre;
        } fund{m_repo, odb, {}, {}};
        git_odb_foreach(
            odb,
            [](const git_oid *id, void *data) {
                auto *f = static_cast<Fund *>(data);
                size_t laengde;
                git_object_t type;
                if (git_odb_read_header(&laengde, &type, f->odb, id) != 0 ||
                    type != GIT_OBJECT_COMMIT)
                    return 0;
                Commit c;
                Tree t;
                if (git_commit_lookup(c.ud(), f->r, id) != 0 || git_commit_tree(t.ud(), c) != 0)
                    return 0;
                auto intet = [](const char *, const git_tree_entry *, void *) { return 0; };
                if (git_tree_walk(t, GIT_TREEWALK_PRE, intet, nullptr) != 0) return 0;
                f->hele.insert(QByteArray(reinterpret_cast<const char *>(id->id), GIT_OID_RAWSZ),
                               git_commit_time(c));
                for (unsigned i = 0; i < git_commit_parentcount(c); ++i) {
                    const git_oid *p = git_commit_parent_id(c, i);
                    f->foraeldre.insert(
                        QByteArray(reinterpret_cast<const char *>(p->id), GIT_OID_RAWSZ));
                }
                return 0;
            },
            &fund);
        git_odb_free(odb);
        QByteArray bedst;
        git_time_t tid = -1;
        for (auto it = fund.hele.cbegin(); it != fund.hele.cend(); ++it) {
            if (fund.foraeldre.contains(it.key()) || it.value() < tid) continue;
            bedst = it.key();
            tid = it.value();
        }
        Git<git_reference, git_reference_free> ref;
        tjek(
            git_reference_symbolic_create(ref.ud(), m_repo, "HEAD", "refs/heads/main", 1, nullptr));
        QFile::remove(repoSti() + QStringLiteral("/refs/heads/main"));
        if (bedst.isEmpty()) return; // nothing readable: the history starts anew
        git_oid id;
        git_oid_fromraw(&id, reinterpret_cast<const unsigned char *>(bedst.constData()));
        Git<git_reference, git_reference_free> gren;
        tjek(git_reference_create(gren.ud(), m_repo, "refs/heads/main", &id, 1,
                                  "tilbage til nyeste hele commit"));
    }

    git_oid blobAfFil(const QString &sti) {
        QFile f(sti);
        if (!f.open(QIODevice::ReadOnly)) throw GitFejl{-1, f.errorString()};
        const QByteArray b = f.readAll();
        git_oid id;
        tjek(git_blob_create_from_buffer(&id, m_repo, b.constData(), size_t(b.size())));
        return id;
    }

    // The tree of a folder on disk; false for a folder holding no file.
    bool traeAfMappe(const QString &mappe, git_oid *ud, int &faerdige, int ialt) {
        Builder b;
        tjek(git_treebuilder_new(b.ud(), m_repo, nullptr));
        const QFileInfoList indhold = QDir(mappe).entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QFileInfo &f : indhold) {
            git_oid id;
            if (f.isSymLink()) continue;
            if (f.isDir()) {
                if (!traeAfMappe(f.filePath(), &id, faerdige, ialt)) continue;
                tjek(git_treebuilder_insert(nullptr, b, filnavn(f.fileName()).constData(), &id,
                                            GIT_FILEMODE_TREE));
            } else {
                id = blobAfFil(f.filePath());
                tjek(git_treebuilder_insert(nullptr, b, filnavn(f.fileName()).constData(), &id,
                                            GIT_FILEMODE_BLOB));
                if (ialt > 0 && ++faerdige % 100 == 0) meldFremskridt(faerdige, ialt);
            }
        }
        if (git_treebuilder_entrycount(b) == 0) return false;
        tjek(git_treebuilder_write(ud, b));
        return true;
    }

    // The first import as one pack instead of a loose file per object: making
    // thousands of files is most of the first start's time. The objects are
    // gathered in memory through a second handle and are on disk, pack and
    // index, before the commit that names them is written.
    bool traeSomPakke(const QString &mappe, git_oid *ud, int &faerdige, int ialt) {
        Repo hukommelse;
        tjek(git_repository_open_bare(hukommelse.ud(), QFile::encodeName(repoSti()).constData()));
        Git<git_odb, git_odb_free> odb;
        tjek(git_repository_odb(odb.ud(), hukommelse));
        git_odb_backend *mem = nullptr;
        tjek(git_mempack_new(&mem));
        tjek(git_odb_add_backend(odb, mem, 1000)); // first in line: every write goes to memory
        std::swap(m_repo.p, hukommelse.p);
        bool fundet = false;
        try {
            fundet = traeAfMappe(mappe, ud, faerdige, ialt);
        } catch (...) {
            std::swap(m_repo.p, hukommelse.p);
            throw;
        }
        std::swap(m_repo.p, hukommelse.p);
        if (!fundet) return false;
        Git<git_packbuilder, git_packbuilder_free> pb;
        tjek(git_packbuilder_new(pb.ud(), hukommelse));
        git_packbuilder_set_threads(pb, 1);
        tjek(git_packbuilder_insert_tree(pb, ud));
        tjek(git_packbuilder_write(pb, nullptr, 0, nullptr, nullptr));
        Git<git_odb, git_odb_free> disk;
        tjek(git_repository_odb(disk.ud(), m_repo));
        tjek(git_odb_refresh(disk));
        return true;
    }

    void meldFremskridt(int faerdige, int ialt) {
        QMetaObject::invokeMethod(
            m_ejer, [e = m_ejer, faerdige, ialt] { emit e->fremskridt(faerdige, ialt); },
            Qt::QueuedConnection);
    }

    void commit(const Opgave &o) {
        Commit forrige;
        const bool harForrige = hovedCommit(m_repo, forrige);
        Tree basis;
        if (harForrige) tjek(git_commit_tree(basis.ud(), forrige));

        QStringList gemte, fjernede;
        git_oid nytTrae;
        if (o.helDagbog) {
            const QString struktur = m_bruger + QStringLiteral("/Struktur");
            int faerdige = 0;
            const int ialt = harForrige ? 0 : antalFiler(struktur);
            Builder rod;
            tjek(git_treebuilder_new(rod.ud(), m_repo, nullptr));
            git_oid id;
            if (harForrige ? traeAfMappe(struktur, &id, faerdige, ialt)
                           : traeSomPakke(struktur, &id, faerdige, ialt))
                tjek(git_treebuilder_insert(nullptr, rod, "Struktur", &id, GIT_FILEMODE_TREE));
            tjek(git_treebuilder_write(&nytTrae, rod));
            // A small diary is taken in before a progress line would be worth reading.
            if (ialt >= 100) meldFremskridt(ialt, ialt);
        } else {
            nytTrae = opdateretTrae(o, basis, gemte, fjernede);
        }
        if (harForrige && git_oid_equal(&nytTrae, git_tree_id(basis))) return;
        if (!harForrige && git_oid_equal(&nytTrae, &tomtTrae())) return;

        QString besked = o.besked;
        if (besked.isEmpty() && o.helDagbog)
            besked = harForrige ? QStringLiteral("Ændret uden for programmet")
                                : QStringLiteral("Dagbogen som den var, da historikken begyndte");
        if (besked.isEmpty()) besked = Historiktekst::besked(gemte, fjernede);
        Signatur sig;
        tjek(git_signature_new(sig.ud(), m_forfatter.toUtf8().constData(),
                               m_adresse.toUtf8().constData(), o.tid.toSecsSinceEpoch(),
                               o.tid.offsetFromUtc() / 60));
        Tree trae;
        tjek(git_tree_lookup(trae.ud(), m_repo, &nytTrae));
        const git_commit *foraeldre[] = {forrige};
        git_oid id;
        tjek(git_commit_create(&id, m_repo, "HEAD", sig, sig, nullptr, besked.toUtf8().constData(),
                               trae, harForrige ? 1 : 0, foraeldre));
        // A commit, a blob and about four trees per file: near enough to know when to pack.
        if (o.helDagbog)
            m_loese = -1;
        else if (m_loese >= 0)
            m_loese += 1 + 5 * int(o.aendringer.size());
    }

    const git_oid &tomtTrae() {
        static git_oid tom;
        static std::once_flag gjort;
        std::call_once(gjort,
                       [] { git_oid_fromstr(&tom, "4b825dc642cb6eb9a060e54bf8d69288fbee4904"); });
        return tom;
    }

    git_oid opdateretTrae(const Opgave &o, git_tree *basis, QStringList &gemte,
                          QStringList &fjernede) {
        Tree tom;
        if (!basis) {
            Builder b;
            git_oid id;
            tjek(git_treebuilder_new(b.ud(), m_repo, nullptr));
            tjek(git_treebuilder_write(&id, b));
            tjek(git_tree_lookup(tom.ud(), m_repo, &id));
            basis = tom;
        }
        // A folder read again covers every file below it.
        QStringList mapper;
        for (const Aendring &a : o.aendringer)
            if (QFileInfo(m_bruger + u'/' + a.sti).isDir()) mapper << a.sti + u'/';
        std::vector<QByteArray> stier;
        std::vector<git_tree_update> opd;
        stier.reserve(size_t(o.aendringer.size()));
        for (const Aendring &a : o.aendringer) {
            if (std::any_of(mapper.cbegin(), mapper.cend(),
                            [&](const QString &m) { return a.sti.startsWith(m); }))
                continue;
            const QFileInfo fil(m_bruger + u'/' + a.sti);
            git_tree_update u{};
            stier.push_back(filnavn(a.sti));
            u.path = stier.back().constData();
            Entry findes;
            const bool iTrae = git_tree_entry_bypath(findes.ud(), basis, u.path) == 0;
            if (fil.isDir()) {
                int faerdige = 0;
                if (traeAfMappe(fil.filePath(), &u.id, faerdige, 0)) {
                    u.action = GIT_TREE_UPDATE_UPSERT;
                    u.filemode = GIT_FILEMODE_TREE;
                    gemte << a.sti + u'/';
                } else if (iTrae) {
                    u.action = GIT_TREE_UPDATE_REMOVE;
                    fjernede << a.sti + u'/';
                } else {
                    continue;
                }
            } else if (fil.isFile()) {
                if (a.medBytes)
                    tjek(git_blob_create_from_buffer(&u.id, m_repo, a.bytes.constData(),
                                                     size_t(a.bytes.size())));
                else
                    u.id = blobAfFil(fil.filePath());
                u.action = GIT_TREE_UPDATE_UPSERT;
                u.filemode = GIT_FILEMODE_BLOB;
                gemte << a.sti;
            } else if (iTrae) {
                u.action = GIT_TREE_UPDATE_REMOVE;
                fjernede << a.sti;
            } else {
                continue;
            }
            opd.push_back(u);
        }
        git_oid ud;
        if (opd.empty()) {
            git_oid_cpy(&ud, git_tree_id(basis));
            return ud;
        }
        tjek(git_tree_create_updated(&ud, m_repo, basis, opd.size(), opd.data()));
        return ud;
    }

    THistorik *m_ejer;
    const QString m_bruger;
    const QString m_forfatter;
    // git wants an address; the user and the machine, as git itself would make it.
    const QString m_adresse = m_forfatter + u'@' +
                              (QSysInfo::machineHostName().isEmpty() ? QStringLiteral("localhost")
                                                                     : QSysInfo::machineHostName());
    Repo m_repo;
    std::mutex m_laas;
    std::condition_variable m_vaek, m_tom;
    std::deque<Opgave> m_koe;
    bool m_igang = false;
    bool m_stop = false;
    int m_loese = -1; // loose objects, counted at the first need
    int m_rest = 0;   // loose objects no pack took (left by failed commits)
    bool m_aabnet = false;
    std::thread m_traad;
};

// ---- the notes of the file layer ----

namespace {
QMutex aktivLaas;
THistorik *aktiv = nullptr;
} // namespace

namespace Historik {

void skrevet(const QString &sti, const QByteArray &bytes) {
    QMutexLocker l(&aktivLaas);
    if (aktiv) aktiv->noter(sti, &bytes);
}

void aendret(const QString &sti) {
    QMutexLocker l(&aktivLaas);
    if (aktiv) aktiv->noter(sti, nullptr);
}

void beskriv(const QString &besked) {
    QMutexLocker l(&aktivLaas);
    if (!aktiv || !aktiv->m_til || !aktiv->m_startet) return;
    QMutexLocker n(&aktiv->m_arbejder->noteLaas);
    if (aktiv->m_arbejder->noteretBesked.isEmpty()) aktiv->m_arbejder->noteretBesked = besked;
    // A message without files is dropped when the event loop comes back.
    if (aktiv->m_arbejder->noteret.empty())
        QMetaObject::invokeMethod(aktiv, &THistorik::overdrag, Qt::QueuedConnection);
}

QList<Udgave> udgaver(const QString &repo, const QString &sti) {
    QList<Udgave> ud;
    Repo r;
    if (!aabn(r, repo)) return ud;
    Walk w;
    if (git_revwalk_new(w.ud(), r) != 0 || git_revwalk_push_head(w) != 0) return ud;
    git_revwalk_sorting(w, GIT_SORT_TOPOLOGICAL | GIT_SORT_REVERSE);
    const QByteArray s = filnavn(sti);
    git_oid id, forrige;
    bool harForrige = false;
    while (git_revwalk_next(&id, w) == 0) {
        Commit c;
        Tree t;
        if (git_commit_lookup(c.ud(), r, &id) != 0 || git_commit_tree(t.ud(), c) != 0) continue;
        git_oid blob;
        const bool har = blobVed(t, s, &blob);
        if (har && !(harForrige && git_oid_equal(&blob, &forrige)))
            ud.append({hex(&id), tidAf(c), hex(&blob)});
        harForrige = har;
        if (har) git_oid_cpy(&forrige, &blob);
    }
    std::reverse(ud.begin(), ud.end());
    return ud;
}

QByteArray indhold(const QString &repo, const QString &blob) {
    Repo r;
    Blob b;
    if (!aabn(r, repo)) return {};
    try {
        const git_oid id = oidAf(blob);
        if (git_blob_lookup(b.ud(), r, &id) != 0) return {};
    } catch (const GitFejl &) {
        return {};
    }
    return QByteArray(static_cast<const char *>(git_blob_rawcontent(b)),
                      qsizetype(git_blob_rawsize(b)));
}

QByteArray indholdVed(const QString &repo, const QString &commit, const QString &sti) {
    Repo r;
    Commit c;
    Tree t;
    if (!aabn(r, repo)) return {};
    try {
        const git_oid id = oidAf(commit);
        git_oid blob;
        if (git_commit_lookup(c.ud(), r, &id) != 0 || git_commit_tree(t.ud(), c) != 0 ||
            !blobVed(t, filnavn(sti), &blob))
            return {};
        return indhold(repo, hex(&blob));
    } catch (const GitFejl &) {
        return {};
    }
}

QList<Slettet> slettede(const QString &repo) {
    QList<Slettet> ud;
    Repo r;
    Commit hoved;
    if (!aabn(r, repo) || !hovedCommit(r, hoved)) return ud;
    Tree nu;
    git_commit_tree(nu.ud(), hoved);
    Walk w;
    if (git_revwalk_new(w.ud(), r) != 0 || git_revwalk_push_head(w) != 0) return ud;
    git_revwalk_sorting(w, GIT_SORT_TOPOLOGICAL);
    QSet<QString> set;
    git_oid id;
    while (git_revwalk_next(&id, w) == 0) {
        Commit c, far;
        Tree t, ft;
        if (git_commit_lookup(c.ud(), r, &id) != 0 || git_commit_parentcount(c) == 0 ||
            git_commit_parent(far.ud(), c, 0) != 0 || git_commit_tree(t.ud(), c) != 0 ||
            git_commit_tree(ft.ud(), far) != 0)
            continue;
        Diff d;
        if (git_diff_tree_to_tree(d.ud(), r, ft, t, nullptr) != 0) continue;
        for (size_t i = 0; i < git_diff_num_deltas(d); ++i) {
            const git_diff_delta *delta = git_diff_get_delta(d, i);
            if (delta->status != GIT_DELTA_DELETED) continue;
            const QString sti = QString::fromUtf8(delta->old_file.path);
            git_oid tilstede;
            if (set.contains(sti) || blobVed(nu, delta->old_file.path, &tilstede)) continue;
            set.insert(sti);
            ud.append({sti, tidAf(c), hex(git_commit_id(far)), hex(&delta->old_file.id)});
        }
    }
    return ud;
}

qint64 stoerrelse(const QString &repo) {
    return mappestoerrelse(repo);
}

QString nyeste(const QString &repo) {
    Repo r;
    Commit c;
    if (!aabn(r, repo) || !hovedCommit(r, c)) return {};
    return hex(git_commit_id(c));
}

} // namespace Historik

// ---- the object the program holds ----

THistorik::THistorik(const QString &brugerDir, const QString &forfatter, QObject *parent)
    : QObject(parent)
    , m_bruger(QDir::cleanPath(QFileInfo(brugerDir).absoluteFilePath()))
    , m_arbejder(std::make_unique<HistorikArbejder>(this, m_bruger, forfatter)) {
    QMutexLocker l(&aktivLaas);
    aktiv = this;
}

THistorik::~THistorik() {
    {
        QMutexLocker l(&aktivLaas);
        if (aktiv == this) aktiv = nullptr;
    }
    overdrag();
    m_arbejder.reset();
}

QString THistorik::repo() const {
    return m_bruger + QStringLiteral("/Historik.git");
}

void THistorik::saetSlaaetTil(bool til) {
    if (til == m_til) return;
    m_til = til;
    if (til && m_startet) start();
}

void THistorik::start() {
    if (!m_til) return;
    m_startet = true;
    overdrag();
    Opgave o;
    o.helDagbog = true;
    o.tid = QDateTime::currentDateTime();
    m_arbejder->tilfoej(std::move(o));
}

void THistorik::vent() {
    overdrag();
    m_arbejder->vent();
}

void THistorik::noter(const QString &sti, const QByteArray *bytes) {
    if (!m_til || !m_startet) return;
    const QString fuld = QDir::cleanPath(QFileInfo(sti).absoluteFilePath());
    const QString rel = fuld.mid(m_bruger.size() + 1);
    if (!fuld.startsWith(m_bruger + u'/') ||
        !(rel.startsWith(QLatin1String("Struktur/")) || rel == QLatin1String("Struktur")))
        return;
    QMutexLocker l(&m_arbejder->noteLaas);
    if (m_arbejder->noteret.empty()) {
        m_arbejder->noteretTid = QDateTime::currentDateTime();
        // Everything one action writes is noted before the event loop comes back here.
        QMetaObject::invokeMethod(this, &THistorik::overdrag, Qt::QueuedConnection);
    }
    m_arbejder->noteret[rel] = bytes ? Aendring{rel, true, *bytes} : Aendring{rel, false, {}};
}

void THistorik::overdrag() {
    Opgave o;
    {
        QMutexLocker l(&m_arbejder->noteLaas);
        if (m_arbejder->noteret.empty()) {
            m_arbejder->noteretBesked.clear();
            return;
        }
        for (auto &[sti, a] : m_arbejder->noteret)
            o.aendringer.append(std::move(a));
        m_arbejder->noteret.clear();
        o.besked = std::exchange(m_arbejder->noteretBesked, QString());
        o.tid = m_arbejder->noteretTid;
    }
    m_arbejder->tilfoej(std::move(o));
}
