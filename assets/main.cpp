// tlv-assets: writes every data file of the game into a folder.
//   tlv-assets DOSSIER                 all files
//   tlv-assets --seulement a,b DOSSIER only the named files
//   tlv-assets --liste                 the names of every file it makes
//   tlv-assets --planche F.png DOSSIER a contact sheet of the pictures already in DOSSIER
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/planche.h"
#include "assets/produits.h"

namespace {

const char* const Usage =
    "usage: tlv-assets [--seulement nom,nom...] DOSSIER | --planche F.png DOSSIER | --liste\n";

struct Ligne {
    std::string dossier, seulement, planche;
    bool liste = false;
};

// The command line; false when it is not one the generator understands.
bool litligne(int argc, char** argv, Ligne& l) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--liste")) {
            l.liste = true;
            return true;
        }
        if (!std::strcmp(argv[i], "--seulement") && i + 1 < argc)
            l.seulement = argv[++i];
        else if (!std::strcmp(argv[i], "--planche") && i + 1 < argc)
            l.planche = argv[++i];
        else if (argv[i][0] != '-' && l.dossier.empty())
            l.dossier = argv[i];
        else
            return false;
    }
    return !l.dossier.empty();
}

// The files to make: all of them, or those named after --seulement.
std::vector<tlv::Produit> choisis(const std::string& seulement) {
    std::vector<tlv::Produit> liste;
    for (auto& p : tlv::produits()) {
        if (!seulement.empty()) {
            bool garde = false;
            std::istringstream in(seulement);
            for (std::string n; std::getline(in, n, ',');) garde |= n == p.nom;
            if (!garde) continue;
        }
        liste.push_back(p);
    }
    return liste;
}

// Makes the files on two workers, the longest jobs (music, sheets) coming first in the list; the errors.
std::vector<std::string> fabrique(const std::vector<tlv::Produit>& liste, const std::string& dossier) {
    std::atomic<size_t> suivant{0};
    std::mutex verrou;
    std::vector<std::string> erreurs;
    auto travail = [&] {
        for (size_t i; (i = suivant++) < liste.size();) {
            try {
                liste[i].fabrique(dossier);
            } catch (const std::exception& e) {
                std::lock_guard g(verrou);
                erreurs.push_back(liste[i].nom + ": " + e.what());
            }
        }
    };
    std::thread t(travail);
    travail();
    t.join();
    return erreurs;
}

} // namespace

int main(int argc, char** argv) {
    Ligne l;
    const bool comprise = litligne(argc, argv, l);
    if (l.liste) {
        for (auto& p : tlv::produits()) {
            std::printf("%s\n", p.nom.c_str());
            for (auto& a : p.aussi) std::printf("%s\n", a.c_str());
        }
        return 0;
    }
    if (!comprise) {
        std::fputs(Usage, stderr);
        return 2;
    }
    if (!l.planche.empty()) {
        try {
            tlv::planchecontact(l.dossier, l.planche);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "tlv-assets: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    const std::vector<tlv::Produit> liste = choisis(l.seulement);
    std::error_code ec;
    std::filesystem::create_directories(l.dossier, ec);
    auto debut = std::chrono::steady_clock::now();
    const std::vector<std::string> erreurs = fabrique(liste, l.dossier);
    for (auto& e : erreurs) std::fprintf(stderr, "tlv-assets: %s\n", e.c_str());
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    std::printf("tlv-assets: %zu fichiers en %.1f s\n", liste.size() - erreurs.size(), ms / 1000);
    return erreurs.empty() ? 0 : 1;
}
