#pragma once
// What every fuzz target shares: its entry, a scratch folder for the readers that take a path, and the stop
// on a broken invariant (a plain abort, which libFuzzer and the replay both report with the input).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tlv::fuzz {

[[noreturn]] inline void viole(const char* quoi) {
    std::fprintf(stderr, "invariant violé : %s\n", quoi);
    std::abort();
}

#define TLV_VERIFIE(condition) ((condition) ? void() : ::tlv::fuzz::viole(#condition))

// The targets by name: rejoue.cpp runs one, as the replay's first argument or libFuzzer's TLV_FUZZ_CIBLE.
using Cible = void (*)(const std::string& octets);
inline std::map<std::string, Cible>& cibles() {
    static std::map<std::string, Cible> c;
    return c;
}

#define TLV_CIBLE(nom)                                                                                       \
    void cible_##nom(const std::string& octets);                                                             \
    [[maybe_unused]] const bool inscrite_##nom = (::tlv::fuzz::cibles()[#nom] = cible_##nom, true);          \
    void cible_##nom(const std::string& octets)

// Byte i of the input, or `sinon` past its end.
inline int octet(const std::string& octets, std::size_t i, int sinon = 0) {
    return i < octets.size() ? static_cast<unsigned char>(octets[i]) : sinon;
}

// One folder for the whole run, in memory when the system has one (the writers sync every file), removed
// at exit. Ends with '/'.
inline const std::string& dossier() {
    static const std::string d = [] {
        namespace fs = std::filesystem;
        const fs::path base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path();
        static std::string modele = (base / "tlvfuzz-XXXXXX").string();
        if (!::mkdtemp(modele.data())) viole("dossier temporaire");
        std::atexit([] {
            std::error_code e;
            std::filesystem::remove_all(modele, e);
        });
        return modele + "/";
    }();
    return d;
}

// The input as it lands on disk, byte for byte.
inline void pose(const std::string& chemin, std::string_view octets) {
    if (!(std::ofstream(chemin, std::ios::binary) << octets)) viole("écriture de l'entrée");
}

inline std::string relit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

} // namespace tlv::fuzz
