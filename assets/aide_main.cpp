// tlv-aide: the help file and the offline web page, from the help text.
//   tlv-aide SOURCE DOSSIER   writes DOSSIER/tolvanex.hlp and DOSSIER/tolvanex.html
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "assets/fichier.h"
#include "assets/pageweb.h"
#include "assets/typographie.h"

namespace {

void ecrit(const std::string& chemin, const std::string& s) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(tlv::provisoire(chemin).c_str(), "wb"), std::fclose);
    if (!f || std::fwrite(s.data(), 1, s.size(), f.get()) != s.size() || std::fclose(f.release()) != 0)
        throw std::runtime_error("impossible d'écrire " + chemin);
    tlv::valide(chemin);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tlv-aide SOURCE DOSSIER\n");
        return 2;
    }
    try {
        std::ifstream f(argv[1], std::ios::binary);
        if (!f) throw std::runtime_error(std::string("texte d'aide illisible : ") + argv[1]);
        const std::string texte = tlv::typographie(std::string(std::istreambuf_iterator<char>(f), {}));
        const std::string dossier = argv[2];
        ecrit(dossier + "/tolvanex.hlp", texte);
        ecrit(dossier + "/tolvanex.html", tlv::pageweb(texte));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tlv-aide: %s\n", e.what());
        return 1;
    }
    return 0;
}
