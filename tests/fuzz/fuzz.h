#pragma once
// What every fuzz target shares: a scratch folder for the readers that take a path, and the stop on a
// broken invariant (a plain abort, which libFuzzer and the replay both report with the input).
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tlv::fuzz {

[[noreturn]] inline void viole(const char* quoi) {
    std::fprintf(stderr, "invariant violé : %s\n", quoi);
    std::abort();
}

#define TLV_VERIFIE(condition)                                                                               \
    do {                                                                                                     \
        if (!(condition)) ::tlv::fuzz::viole(#condition);                                                    \
    } while (0)

// One folder for the whole run, in memory when the system has one (the writers sync every file), removed
// at exit. Ends with '/'.
inline const std::string& dossier() {
    static const std::string d = [] {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                                  ? fs::path("/dev/shm")
                                  : fs::temp_directory_path();
        std::string modele = (base / "tlvfuzz-XXXXXX").string();
        if (!::mkdtemp(modele.data())) viole("dossier temporaire");
        static const std::string garde = modele;
        std::atexit([] {
            std::error_code e;
            fs::remove_all(garde, e);
        });
        return modele + "/";
    }();
    return d;
}

// The input as it lands on disk, byte for byte.
inline void pose(const std::string& chemin, std::string_view octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!f) viole("écriture de l'entrée");
}

inline std::string relit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// A score table read from any bytes: the records come before the default lines that fill the places
// left, in the order `avant` says; written, the file is the table byte for byte; read again, the same
// lines (a record below the default ones moves under them once they are stored lines), and from then on
// the file no longer changes.
template <class Table, class Lit, class Ecrit, class Avant>
void verifie_table(const std::string& chemin, const Table& t, std::string_view defaut, Lit lit, Ecrit ecrit,
                   Avant avant) {
    std::size_t lus = t.size();
    while (lus > 0 && t[lus - 1].ligne == defaut) --lus;
    for (std::size_t i = 1; i < lus; ++i) TLV_VERIFIE(!avant(t[i], t[i - 1]));
    TLV_VERIFIE(ecrit(chemin, t));
    std::string attendu;
    for (const auto& s : t) attendu += s.ligne + "\r\n";
    TLV_VERIFIE(relit(chemin) == attendu);
    const Table u = lit(chemin);
    TLV_VERIFIE(std::is_permutation(u.begin(), u.end(), t.begin(), t.end(),
                                    [](const auto& a, const auto& b) { return a.ligne == b.ligne; }));
    TLV_VERIFIE(ecrit(chemin, u));
    const Table w = lit(chemin);
    for (std::size_t i = 0; i < u.size(); ++i) TLV_VERIFIE(w[i].ligne == u[i].ligne);
}

} // namespace tlv::fuzz
