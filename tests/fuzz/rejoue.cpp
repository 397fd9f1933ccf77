// Replays corpus files through a fuzz target without libFuzzer: each argument is a file or a folder of
// files, fed once each to LLVMFuzzerTestOneInput in name order. A broken invariant aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> fichiers;
    for (int i = 1; i < argc; ++i) {
        const fs::path p = argv[i];
        if (fs::is_directory(p)) {
            for (const auto& e : fs::recursive_directory_iterator(p))
                if (e.is_regular_file()) fichiers.push_back(e.path());
        } else if (fs::is_regular_file(p)) {
            fichiers.push_back(p);
        } else {
            std::fprintf(stderr, "introuvable : %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    if (fichiers.empty()) {
        std::fprintf(stderr, "aucune entrée à rejouer\n");
        return 2;
    }
    for (const auto& f : fichiers) {
        std::ifstream in(f, std::ios::binary);
        const std::string octets(std::istreambuf_iterator<char>(in), {});
        std::fprintf(stderr, "%s\n", f.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    }
    std::printf("%zu entrées rejouées\n", fichiers.size());
    return 0;
}
