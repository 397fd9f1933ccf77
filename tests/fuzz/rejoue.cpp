// Runs one fuzz target. With libFuzzer, the target named by TLV_FUZZ_CIBLE is the program's entry. Without
// it, `fuzz_rejoue TARGET FOLDER...` feeds the target every file of the folders, in name order.
#include <algorithm>

#include "fuzz.h"

using namespace tlv::fuzz;

#ifdef TLV_FUZZ_CIBLE
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const Cible cible = cibles().at(TLV_FUZZ_CIBLE);
    cible(std::string(reinterpret_cast<const char*>(donnees), taille));
    return 0;
}
#else
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> fichiers;
    for (int i = 2; i < argc; ++i)
        for (const auto& e : fs::recursive_directory_iterator(argv[i]))
            if (e.is_regular_file()) fichiers.push_back(e.path());
    const auto cible = argc > 1 ? cibles().find(argv[1]) : cibles().end();
    if (cible == cibles().end() || fichiers.empty()) {
        std::fprintf(stderr, "usage : fuzz_rejoue CIBLE DOSSIER...\n");
        return 2;
    }
    std::sort(fichiers.begin(), fichiers.end());
    for (const auto& f : fichiers) {
        std::fprintf(stderr, "%s\n", f.c_str());
        cible->second(relit(f.string()));
    }
    std::printf("%zu entrées rejouées\n", fichiers.size());
    return 0;
}
#endif
