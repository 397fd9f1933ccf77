#include "fichiers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "pannes.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

// Characters of bytes 0x80..0x9F; the five unassigned bytes keep their own number.
constexpr std::array<char32_t, 32> table80 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void ajouteutf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char octetcp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < table80.size(); ++i)
        if (table80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

#ifdef TLV_PANNES
Panne panneprevue;
std::array<int, 5> passages{};
#endif

// A failure when a test build was told to make this step fail.
Resultat passe(Etape e) {
#ifdef TLV_PANNES
    if (++passages[static_cast<std::size_t>(e)] != panneprevue.rang || e != panneprevue.etape) return {};
    if (panneprevue.interrompt && e != Etape::Ecriture) ::_exit(0);
    return Resultat::echec(panneprevue.erreur);
#else
    (void)e;
    return {};
#endif
}

Resultat ecristout(int fd, std::string_view contenu) {
    // A failed write (a full disk) usually stops half way.
    const Resultat prevu = passe(Etape::Ecriture);
    if (!prevu) contenu = contenu.substr(0, contenu.size() / 2);
    std::size_t fait = 0;
    while (fait < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + fait, contenu.size() - fait);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Resultat::echec(n < 0 ? errno : EIO);
        fait += static_cast<std::size_t>(n);
    }
#ifdef TLV_PANNES
    if (!prevu && panneprevue.interrompt) ::_exit(0);
#endif
    return prevu;
}

// Writes, flushes and closes `fd`: the first failure, if any.
Resultat termine(int fd, std::string_view contenu) {
    Resultat r = ecristout(fd, contenu);
    if (r) r = passe(Etape::Synchro);
    if (r && ::fsync(fd) != 0) r = Resultat::echec(errno);
    if (::close(fd) != 0 && r) r = Resultat::echec(errno);
    return r;
}

std::string dossierde(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    return barre == std::string::npos ? "." : chemin.substr(0, barre + 1);
}

// Makes a rename durable. The rename has happened whatever the answer: a folder that refuses to sync is
// no reason to call the write failed.
void synchronisedossier(const std::string& dossier) {
    if (!passe(Etape::SynchroDossier).ok()) return;
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool chiffres(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What was read of a file: up to a limit, and whether that was all of it.
struct Octets {
    bool lu = false;     // a regular file was opened and read without error
    bool absent = false; // no file at all by that name
    bool entier = false; // `octets` are the whole file
    int erreur = 0;      // why it was not read
    std::string octets;
};

Octets litoctets(const std::string& chemin, std::size_t limite) {
    Octets o;
    // Non-blocking open so that a pipe or device in place of the file cannot hang us.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        o.erreur = errno;
        o.absent = o.erreur == ENOENT;
        return o;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // Opening a folder succeeds: without this, the reason told would be whatever failed before.
        o.erreur = !S_ISREG(st.st_mode) ? (S_ISDIR(st.st_mode) ? EISDIR : EINVAL) : errno;
        ::close(fd);
        return o;
    }
    std::array<char, 8192> tampon{};
    bool fin = false;
    // One byte past the limit tells a file of exactly `limite` bytes from a longer one.
    while (!fin && o.octets.size() <= limite) {
        const std::size_t voulu = std::min(tampon.size(), limite + 1 - o.octets.size());
        const ssize_t n = ::read(fd, tampon.data(), voulu);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) o.erreur = errno;
        if (n <= 0)
            fin = true;
        else
            o.octets.append(tampon.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (o.erreur != 0) return o;
    o.lu = true;
    o.entier = o.octets.size() <= limite;
    if (!o.entier) o.octets.resize(limite);
    return o;
}

} // namespace

std::vector<std::string> decoupelignes(std::string_view octets, std::size_t maxligne) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (octets.substr(0, bom.size()) == bom) octets.remove_prefix(bom.size());
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        auto fin = octets.find_first_of("\r\n", debut);
        if (fin == std::string_view::npos) fin = octets.size();
        lignes.emplace_back(octets.substr(debut, std::min(fin - debut, maxligne)));
        debut = fin + 1;
        if (fin < octets.size() && octets[fin] == '\r' && debut < octets.size() && octets[debut] == '\n')
            ++debut;
    }
    return lignes;
}

std::string cp1252_vers_utf8(std::string_view octets) {
    std::string s;
    s.reserve(octets.size());
    for (const char ch : octets) {
        const auto b = static_cast<unsigned char>(ch);
        ajouteutf8(s, b >= 0x80 && b < 0xA0 ? table80[b - 0x80] : char32_t{b});
    }
    return s;
}

std::string utf8_vers_cp1252(std::string_view texte) {
    std::string s;
    s.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const auto c = lis_utf8(texte, i);
        s += c ? octetcp1252(*c) : '?';
    }
    return s;
}

std::string lignecp1252(std::string_view octets) {
    bool lettre = false;
    for (std::size_t i = 0; i < octets.size();) {
        const auto c = lis_utf8(octets, i);
        if (!c) return std::string(octets);
        if (*c < 0x80) continue;
        const auto b = static_cast<unsigned char>(octetcp1252(*c));
        // Latin letters of the code page, but for × and ÷.
        const bool l = (b >= 0xC0 && b != 0xD7 && b != 0xF7) || b == 0x8A || b == 0x8C || b == 0x8E ||
                       b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F;
        if (!l) return std::string(octets);
        lettre = true;
    }
    return lettre ? utf8_vers_cp1252(octets) : std::string(octets);
}

#ifdef TLV_PANNES
void metpanne(const Panne& p) {
    panneprevue = p;
    passages.fill(0);
}
#endif

std::string nomtemporaire(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    const std::size_t debut = barre == std::string::npos ? 0 : barre + 1;
    return chemin.substr(0, debut) + "." + chemin.substr(debut) + ".tmp";
}

bool restetemporaire(const std::string& fichier, const std::string& nom) {
    const std::string debut = "." + nom + ".tmp";
    if (fichier == debut) return true;
    // Earlier versions numbered them: ".<nom>.tmp<process>-<count>".
    if (!fichier.starts_with(debut)) return false;
    const std::string_view suite = std::string_view(fichier).substr(debut.size());
    const auto tiret = suite.find('-');
    return tiret != std::string_view::npos && chiffres(suite.substr(0, tiret)) &&
           chiffres(suite.substr(tiret + 1));
}

Resultat ecritfichier(const std::string& chemin, std::string_view contenu) {
    if (chemin.empty() || chemin.back() == '/') return Resultat::echec(EISDIR);
    // One temporary name per file: what an interrupted write left is replaced by the next one. Only one
    // copy of the program writes in a folder (its lock), so the name is never in use by another.
    const std::string temporaire = nomtemporaire(chemin);
    ::unlink(temporaire.c_str());
    if (Resultat r = passe(Etape::Ouverture); !r) return r;
    const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return Resultat::echec(errno);

    // A rewritten file keeps the access rights it had.
    struct stat avant {};
    if (::stat(chemin.c_str(), &avant) == 0 && S_ISREG(avant.st_mode)) ::fchmod(fd, avant.st_mode & 07777);

    Resultat r = termine(fd, contenu);
    if (r) r = remplacefichier(temporaire, chemin);
    if (!r) ::unlink(temporaire.c_str());
    return r;
}

Resultat remplacefichier(const std::string& de, const std::string& vers) {
    if (Resultat r = passe(Etape::Renommage); !r) return r;
    if (::rename(de.c_str(), vers.c_str()) != 0) return Resultat::echec(errno);
    synchronisedossier(dossierde(vers));
    return {};
}

void nettoietemporaires(const std::string& dossier, const std::vector<std::string>& noms) {
    const std::string d = dossier.ends_with('/') ? dossier : dossier + '/';
    std::error_code ec;
    std::vector<std::string> restes;
    // Increments that report errors rather than throw: a folder read badly is simply left as it is.
    for (std::filesystem::directory_iterator i(d, ec), fin; !ec && i != fin; i.increment(ec)) {
        const std::string f = i->path().filename().string();
        for (const auto& nom : noms)
            if (restetemporaire(f, nom)) restes.push_back(d + f);
    }
    for (const auto& r : restes) ::unlink(r.c_str());
}

std::optional<std::string> litfichier(const std::string& chemin, std::size_t taillemax) {
    Octets o = litoctets(chemin, taillemax);
    if (!o.lu) return std::nullopt;
    return std::move(o.octets);
}

std::optional<std::vector<std::string>> litlignes(const std::string& chemin) {
    const Octets o = litoctets(chemin, taillemaxlecture);
    if (!o.lu) return std::nullopt;
    return decoupelignes(o.octets, longueurmaxligne);
}

LectureEntiere litlignesentieres(const std::string& chemin, std::size_t taillemax) {
    const Octets o = litoctets(chemin, taillemax);
    LectureEntiere l;
    if (!o.lu) {
        if (!o.absent) l.entiere = Resultat::echec(o.erreur);
        return l;
    }
    l.lignes = decoupelignes(o.octets, std::string::npos);
    if (!o.entier) l.entiere = Resultat::echec(EFBIG);
    return l;
}

bool creedossiers(const std::string& chemin) {
    if (chemin.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(chemin, ec);
    return std::filesystem::is_directory(chemin, ec);
}

bool dossierecrivable(const std::string& dossier) {
    if (dossier.empty()) return false;
    const std::string essai = (dossier.back() == '/' ? dossier : dossier + '/') + ".tlvessai";
    // Called once the folder's lock is held: a file of that name can only be a leftover of ours.
    ::unlink(essai.c_str());
    const int fd = ::open(essai.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return ::unlink(essai.c_str()) == 0;
}

} // namespace tlv
