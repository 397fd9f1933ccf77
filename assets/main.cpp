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

int main(int argc, char** argv) {
    std::string dossier, seulement, planche;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--liste")) {
            for (auto& p : tlv::produits()) {
                std::printf("%s\n", p.nom.c_str());
                for (auto& a : p.aussi) std::printf("%s\n", a.c_str());
            }
            return 0;
        }
        if (!std::strcmp(argv[i], "--seulement") && i + 1 < argc)
            seulement = argv[++i];
        else if (!std::strcmp(argv[i], "--planche") && i + 1 < argc)
            planche = argv[++i];
        else if (argv[i][0] != '-' && dossier.empty())
            dossier = argv[i];
        else {
            std::fprintf(
                stderr,
                "usage: tlv-assets [--seulement nom,nom...] DOSSIER | --planche F.png DOSSIER | --liste\n");
            return 2;
        }
    }
    if (dossier.empty()) {
        std::fprintf(
            stderr,
            "usage: tlv-assets [--seulement nom,nom...] DOSSIER | --planche F.png DOSSIER | --liste\n");
        return 2;
    }
    if (!planche.empty()) {
        try {
            tlv::planchecontact(dossier, planche);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "tlv-assets: %s\n", e.what());
            return 1;
        }
        return 0;
    }
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
    std::error_code ec;
    std::filesystem::create_directories(dossier, ec);
    auto debut = std::chrono::steady_clock::now();
    // Two workers: the longest jobs (music, sheets) come first in the list.
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
    for (auto& e : erreurs) std::fprintf(stderr, "tlv-assets: %s\n", e.c_str());
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    std::printf("tlv-assets: %zu fichiers en %.1f s\n", liste.size() - erreurs.size(), ms / 1000);
    return erreurs.empty() ? 0 : 1;
}
