#pragma once
// What every fuzz target shares: a scratch folder for the readers that take a path, and the stop on a
// broken invariant (a plain abort, which libFuzzer and the replay both report with the input).
#include <unistd.h>

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

} // namespace tlv::fuzz
