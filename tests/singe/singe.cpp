// The monkey run: `singe ENTREES GRAINE TOLVANEX DOSSIER [--exige-ecrans] [--progres]` feeds the program
// ENTREES random inputs from seed GRAINE, in scripts of a few hundred inputs each started from the launcher,
// in one score folder under DOSSIER. After each script: exit 0, nothing from a sanitizer on the error output,
// the script ran to its end (or the player quit), every file of the score folder still as its reader would
// write it. At the end, the screens reached (the program prints them in robot mode with TLV_ROBOT_ECRANS);
// with --exige-ecrans, a screen never reached is a failure too; --progres prints a line after each script.
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "generateur.h"
#include "path_game/parties.h"
#include "scores/fichierscores.h"
#include "shell/parametres.h"

using namespace tlv;
namespace fs = std::filesystem;

namespace {

constexpr int EntreesParScript = 400;
const char* const Ecrans[] = {"Base",          "Aide",     "Fmenu", "Ecran",       "Special",
                              "DialogueTempo", "Menumemo", "Memo",  "Finmemo",     "Innom",
                              "Menujong",      "Jong",     "Score", "BoiteMessage"};

std::string lit(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string guillemets(const std::string& s) {
    std::string r = "'";
    for (const char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

template <class Table> std::string enlignes(const Table& t) {
    std::string s;
    for (const auto& l : t) s += l.ligne + "\r\n";
    return s;
}

// What is wrong with the score folder: every file must be exactly what its reader would write back.
std::vector<std::string> verifie_dossier(const std::string& d) {
    std::vector<std::string> pb;
    for (int n = 0; n < 3; ++n) {
        const std::string f = d + fichiermemo(n);
        if (fs::exists(f) && lit(f) != enlignes(litmemo(f)))
            pb.push_back(f + " n'est pas un tableau relu tel quel");
    }
    if (const std::string f = d + fichierjong; fs::exists(f) && lit(f) != enlignes(litjong(f)))
        pb.push_back(f + " n'est pas un tableau relu tel quel");
    Parties p(d);
    std::string attendu;
    for (const auto& l : p.lignes()) {
        if (lignepartie(nomdeligne(l), tableaudeligne(l), tempsdeligne(l)) != l)
            pb.push_back("ligne de partie illisible : " + l);
        attendu += l + "\r\n";
    }
    if (fs::exists(p.chemin()) && lit(p.chemin()) != attendu)
        pb.push_back(p.chemin() + " a des lignes vides ou abîmées");
    // A settings file that holds a valid value is not rewritten by its reader.
    for (const char* nom : {"tlvbelo.ini", "tlvmemo.ini"}) {
        const std::string avant = lit(d + nom);
        Reglages r;
        r.dossier_scores = d;
        lisparambelote(r);
        lisparammemo(r);
        if (lit(d + nom) != avant) pb.push_back(std::string(nom) + " n'était pas valide : " + avant);
    }
    for (const auto& e : fs::directory_iterator(d)) {
        const std::string nom = e.path().filename().string();
        if (nom.find(".tmp") != std::string::npos || nom == fichiertempo)
            pb.push_back("fichier temporaire laissé : " + nom);
    }
    return pb;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage : singe ENTREES GRAINE TOLVANEX DOSSIER [--exige-ecrans] [--progres]\n");
        return 2;
    }
    const long total = std::atol(argv[1]);
    const std::uint64_t graine = std::strtoull(argv[2], nullptr, 10);
    const std::string binaire = argv[3];
    const fs::path travail = argv[4];
    bool exige = false, progres = false;
    for (int i = 5; i < argc; ++i) {
        exige = exige || std::string(argv[i]) == "--exige-ecrans";
        progres = progres || std::string(argv[i]) == "--progres";
    }
    fs::remove_all(travail);
    fs::create_directories(travail);
    const std::string scores = (travail / "tolvanex").string() + "/";
    setenv("TLV_ROBOT_ECRANS", "1", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 0);

    const auto debut = std::chrono::steady_clock::now();
    singe::Generateur gen(graine);
    std::map<std::string, long> vus;
    long faites = 0;
    int scripts = 0, quittes = 0;
    std::vector<std::string> trouvailles;
    while (faites < total && trouvailles.empty()) {
        std::string script;
        const int n =
            gen.script(static_cast<int>(std::min<long>(EntreesParScript, total - faites)), script, scripts);
        const fs::path fin = travail / "fin.png",
                       chemin = travail / ("script" + std::to_string(scripts) + ".txt");
        fs::remove(fin);
        script += "attends\ncapture " + fin.string() + "\n";
        std::ofstream(chemin, std::ios::binary) << script;
        const fs::path sortie = travail / "sortie.txt", erreurs = travail / "erreurs.txt";
        const std::string commande = guillemets(binaire) + " --robot " + guillemets(chemin.string()) +
                                     " --graine " +
                                     std::to_string(graine + static_cast<std::uint64_t>(scripts)) +
                                     " --dossier-scores " + guillemets(travail.string()) + " >" +
                                     guillemets(sortie.string()) + " 2>" + guillemets(erreurs.string());
        const int etat = std::system(commande.c_str());
        const int code = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
        faites += n;
        ++scripts;
        std::istringstream lignes(lit(sortie));
        for (std::string l; std::getline(lignes, l);)
            if (l.rfind("ecran ", 0) == 0) ++vus[l.substr(6)];
        const std::string err = lit(erreurs);
        std::vector<std::string> pb;
        if (code != 0) pb.push_back("code de sortie " + std::to_string(code));
        for (const char* motif : {"Sanitizer", "runtime error", "tolvanex :"})
            if (err.find(motif) != std::string::npos) pb.push_back(std::string("erreur : ") + motif);
        for (auto& p : verifie_dossier(scores)) pb.push_back(std::move(p));
        if (!fs::exists(fin)) ++quittes; // the launcher's Quitter was clicked before the script's end
        if (progres)
            std::printf("script %d : %ld entrées, %.0f s\n", scripts, faites,
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count()),
                std::fflush(stdout);
        if (!pb.empty()) {
            for (const auto& p : pb) trouvailles.push_back(chemin.string() + " : " + p);
            std::fprintf(stderr, "%s\n", err.substr(0, 4000).c_str());
        } else {
            fs::remove(chemin);
        }
    }
    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("singe : %ld entrées, graine %llu, %d scripts (%d quittés avant la fin), %.0f s\n", faites,
                static_cast<unsigned long long>(graine), scripts, quittes, secondes);
    std::printf("écrans atteints :");
    std::vector<std::string> manquants;
    for (const char* e : Ecrans) {
        std::printf(" %s=%ld", e, vus.count(e) ? vus[e] : 0L);
        if (!vus.count(e)) manquants.push_back(e);
    }
    std::printf("\n");
    for (const auto& [e, n] : vus) {
        bool connu = false;
        for (const char* x : Ecrans) connu = connu || e == x;
        if (!connu) std::printf("autre écran : %s=%ld\n", e.c_str(), n);
    }
    for (const auto& t : trouvailles) std::printf("TROUVAILLE %s\n", t.c_str());
    if (!manquants.empty()) {
        std::printf("jamais atteints :");
        for (const auto& e : manquants) std::printf(" %s", e.c_str());
        std::printf("\n");
    }
    return !trouvailles.empty() || (exige && !manquants.empty()) ? 1 : 0;
}
