// The monkey run: `singe ENTREES GRAINE TOLVANEX DOSSIER [--exige-ecrans] [--progres]` feeds the program
// ENTREES random inputs from seed GRAINE, in scripts of a few hundred inputs each started from the launcher,
// in one score folder under DOSSIER. After each script: exit 0, nothing from a sanitizer on the error output,
// the script ran to its end (or the player quit), every file of the score folder still as its reader would
// write it. At the end, the screens reached (the program prints them in robot mode with TLV_ROBOT_ECRANS);
// with --exige-ecrans, a screen never reached is a failure too; --progres prints a line after each script.
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "quadrel/regles/parties.h"
#include "scores/fichierscores.h"
#include "shell/niveaux.h"
#include "shell/parametres.h"

using namespace tlv;
using namespace tlv::quadrel;
namespace fs = std::filesystem;

namespace {

struct Zone {
    int x, y, poids;
};

// Where the screens answer: the launcher's lines and web button, the menus' entries and arrows, the
// tables' Menu labels, cards and bids, the dialogs' buttons and bars, the help's buttons.
constexpr std::array<Zone, 30> Zones = {{
    {400, 30, 4},  {400, 100, 4}, {400, 170, 4}, {400, 370, 2}, {480, 275, 1}, // launcher
    {320, 60, 5},  {320, 130, 5}, {320, 205, 4}, {320, 275, 4}, {320, 345, 3}, // menu entries
    {320, 415, 3}, {110, 270, 3}, {530, 270, 3}, {110, 205, 2}, {530, 205, 2}, // last entry, arrows
    {320, 455, 4}, {260, 260, 4}, {200, 200, 3}, {440, 200, 3}, {320, 120, 3}, // Menu label, table
    {150, 430, 2}, {445, 420, 2}, {270, 275, 2}, {370, 275, 2}, {320, 283, 2}, // scores, boxes, dialog
    {250, 210, 2}, {400, 210, 2}, {560, 454, 1}, {440, 454, 1}, {320, 300, 3}, // bar, help buttons
}};

// The launcher's "Quitter" line: a random click there would end the run.
bool quitte(int x, int y) {
    return x > 328 && x < 628 && y > 410 && y < 470;
}

constexpr std::array<std::string_view, 24> Touches = {
    "Entree", "Echap", "F5",    "F5",  "F7", "F8", "Gauche", "Droite", "Haut", "Bas", "Espace", "Effacement",
    "Tab",    "Suppr", "Debut", "Fin", "F6", "F1", "F12",    "a",      "Z",    "7",   "é",      "?"};

// The scripts: seeded random robot input (clicks, right clicks, hovers, keys, raw text, waits), weighted
// toward the hot areas of the screens and, every so often, a known path into a screen (a game, its menu,
// the deal editor, the timing dialogs, the help, the scores, the name entry, a confirmation).
class Generateur {
  public:
    explicit Generateur(std::uint64_t graine) : etat_(graine) {}
    static constexpr int NombreChemins = 10; // known paths into the screens

    std::uint64_t tire() {
        // SplitMix64.
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    int entre(int a, int b) { // a..b
        return a + static_cast<int>(tire() % static_cast<std::uint64_t>(b - a + 1));
    }

    bool chance(int pourmille) { return entre(0, 999) < pourmille; }

    void clic(std::string& s, int x, int y, const char* mods = "") {
        s += "clic " + std::to_string(x) + " " + std::to_string(y) + mods + "\nattends\n";
        ++comptees_;
    }

    void attente(std::string& s) {
        const int d = entre(0, 999);
        if (d < 880) {
            s += "attends\n";
        } else if (d < 990) {
            s += "attends " + std::to_string(entre(1, 80) / 10.0).substr(0, 4) + "\n";
        } else if (d < 998) {
            s += "attends 130\n"; // a Quadrel board's clock runs out
        } else {
            s += "attends 10050\n"; // a Memo time beyond the table
        }
    }

    void entree_aleatoire(std::string& s) {
        const int d = entre(0, 999);
        if (d < 560) {
            int x, y;
            do {
                if (chance(800)) {
                    int total = 0;
                    for (const Zone& z : Zones) total += z.poids;
                    int t = entre(0, total - 1);
                    std::size_t i = 0;
                    while (t >= Zones[i].poids) t -= Zones[i++].poids;
                    x = Zones[i].x + entre(-25, 25), y = Zones[i].y + entre(-15, 15);
                } else {
                    x = entre(-5, 645), y = entre(-5, 485);
                }
            } while (quitte(x, y));
            s += "clic " + std::to_string(x) + " " + std::to_string(y);
            if (chance(30)) s += chance(500) ? " maj+alt" : " ctrl";
            s += "\n";
        } else if (d < 620) {
            s += "clicdroit " + std::to_string(entre(0, 639)) + " " + std::to_string(entre(0, 479)) + "\n";
        } else if (d < 760) {
            s += "survol " + std::to_string(entre(0, 639)) + " " + std::to_string(entre(0, 479)) + "\n";
        } else if (d < 940) {
            s += "touche " + std::string(Touches[static_cast<std::size_t>(entre(0, Touches.size() - 1))]);
            if (chance(50)) s += " alt";
            s += "\n";
        } else {
            // Raw bytes, invalid UTF-8 included; only the line end cannot be typed.
            std::string t;
            for (int n = entre(1, 12); n > 0; --n) {
                char c = static_cast<char>(entre(1, 255));
                if (c == '\n' || c == '\r') c = 'x';
                t += c;
            }
            s += "texte " + t + "\n";
        }
        ++comptees_;
        attente(s);
    }

    // cas < 0: one at random.
    void chemin_connu(std::string& s, int cas) {
        // Memo's 4x4 places: columns 3 to 6 of the table.
        const auto carte = [](int k) {
            return std::pair{36 + (2 + k % 4) * 71 + 35, 48 + (k / 4) * 96 + 48};
        };
        switch (cas >= 0 ? cas : entre(0, NombreChemins - 1)) {
        case 0: // Belote: a new game, bids and cards, the timing dialog, back through the menu
            clic(s, 400, 30), clic(s, 320, 130);
            for (int i = 0; i < 12; ++i) clic(s, entre(60, 580), entre(150, 470));
            s += "touche F5\nattends\ntouche Droite\nattends\n", comptees_ += 2;
            clic(s, 320, 283), clic(s, 560, 460), clic(s, 320, 410);
            break;
        case 1: // the computer's levels, then the deal editor, from the Belote menu
            clic(s, 400, 30), clic(s, 320, 340), clic(s, 530, 200), clic(s, 320, 410);
            clic(s, 320, 340, " maj+alt");
            for (int i = 0; i < 8; ++i) clic(s, entre(20, 620), entre(20, 400));
            clic(s, entre(0, 1) ? 540 : 340, 438);
            clic(s, 320, 410);
            break;
        case 2: // Memo: a game played by trying every pair, then a name or, after a long wait, the end box
        case 7:
            clic(s, 400, 100), clic(s, 320, 135);
            for (int a = 0; a < 16; ++a)
                for (int b = a + 1; b < 16; ++b) {
                    const auto [xa, ya] = carte(a);
                    const auto [xb, yb] = carte(b);
                    clic(s, xa, ya), clic(s, xb, yb);
                    if (cas == 7 && a == 0 && b == 1) s += "attends 10050\n";
                }
            s += "texte singe\ntouche Entree\nattends\n", comptees_ += 2;
            clic(s, 320, 300);
            break;
        case 3: // Memo's timing dialog and scores
            clic(s, 400, 100), clic(s, 320, 135);
            s += "touche F5\nattends\ntouche Gauche\nattends\ntouche Entree\nattends\n", comptees_ += 3;
            clic(s, 320, 455), clic(s, 320, 205), clic(s, 150, 430);
            s += "touche " + std::string(chance(500) ? "Entree" : "Echap") + "\nattends\n", ++comptees_;
            clic(s, 445, 420), clic(s, 320, 415);
            break;
        case 4: // Quadrel: a named game, clicks on the board, the menu
            clic(s, 400, 170), clic(s, 320, 130);
            s += "texte J" + std::to_string(entre(0, 99)) + "\ntouche Entree\nattends\n", comptees_ += 2;
            for (int i = 0; i < 20; ++i) clic(s, entre(40, 600), entre(40, 420));
            clic(s, 320, 455);
            break;
        case 5: // Quadrel's erase box and scores
            clic(s, 400, 170), clic(s, 320, 275);
            s += "touche Entree\nattends\n", ++comptees_;
            clic(s, 320, 345), clic(s, 445, 420), clic(s, 320, 415);
            break;
        case 6: // the help, paged
            clic(s, 400, 370);
            for (int i = entre(1, 6); i > 0; --i) s += "touche Droite\nattends\n", ++comptees_;
            s += "touche Echap\nattends\n", ++comptees_;
            break;
        default: // back toward the launcher from a game's table or menu
            clic(s, 320, 455), clic(s, 320, 415);
            break;
        }
    }

    // A script of about `entrees` inputs (waits not counted) from the launcher, opening with known path
    // number `premier` (modulo their number); returns the inputs written.
    int script(int entrees, std::string& s, int premier) {
        comptees_ = 0;
        s += "attends\n";
        // From the launcher, where every script starts, the first path surely leads where it says.
        chemin_connu(s, premier % NombreChemins);
        while (comptees_ < entrees) {
            if (chance(12))
                chemin_connu(s, -1);
            else
                entree_aleatoire(s);
        }
        return comptees_;
    }

  private:
    int comptees_ = 0;
    std::uint64_t etat_;
};

constexpr int EntreesParScript = 400;
const char* const Ecrans[] = {"Base",    "Aide",          "Fmenu",    "Fniveaux", "Ecran",
                              "Special", "DialogueTempo", "Menumemo", "Memo",     "Finmemo",
                              "Innom",   "Menujong",      "Jong",     "Score",    "BoiteMessage"};

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
    StockageDisque disque(d);
    for (int n = 0; n < 3; ++n) {
        const std::string f = d + fichiermemo(n);
        if (fs::exists(f) && lit(f) != enlignes(litmemo(disque, fichiermemo(n))))
            pb.push_back(f + " n'est pas un tableau relu tel quel");
    }
    if (const std::string f = d + fichierjong;
        fs::exists(f) && lit(f) != enlignes(litjong(disque, fichierjong)))
        pb.push_back(f + " n'est pas un tableau relu tel quel");
    Parties p(disque);
    std::string attendu;
    for (const auto& l : p.lignes()) {
        if (lignepartie(nomdeligne(l), tableaudeligne(l), tempsdeligne(l)) != l)
            pb.push_back("ligne de partie illisible : " + l);
        attendu += l + "\r\n";
    }
    if (fs::exists(p.chemin()) && lit(p.chemin()) != attendu)
        pb.push_back(p.chemin() + " a des lignes vides ou abîmées");
    // A settings file that holds a valid value is not rewritten by its reader.
    for (const char* nom : {"tlvbelo.ini", "tlvmemo.ini", "tlvniveaux.ini"}) {
        const std::string avant = lit(d + nom);
        Reglages r;
        r.scores = std::make_unique<StockageDisque>(d);
        lisparambelote(r);
        lisparammemo(r);
        lisniveaux(r);
        if (lit(d + nom) != avant) pb.push_back(std::string(nom) + " n'était pas valide : " + avant);
    }
    for (const auto& e : fs::directory_iterator(d)) {
        const std::string nom = e.path().filename().string();
        if (nom.find(".tmp") != std::string::npos || nom == fichiertempo)
            pb.push_back("fichier temporaire laissé : " + nom);
    }
    return pb;
}

// The run's folder emptied, and the program's environment: headless, every frame checked.
void prepare(const fs::path& travail) {
    fs::remove_all(travail);
    fs::create_directories(travail);
    setenv("TLV_ROBOT_ECRANS", "1", 1);
    // Every frame checked against the screen composed whole: a part left unsent stops the run.
    setenv("TLV_VERIFIE_ENVOIS", "1", 0);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 0);
}

// Runs the program on one script, its output and errors into the run's folder; its exit code (128 plus
// the signal when it was killed).
int lance(const std::string& binaire, const fs::path& script, std::uint64_t graine, const fs::path& travail) {
    const fs::path sortie = travail / "sortie.txt", erreurs = travail / "erreurs.txt";
    const std::string commande = guillemets(binaire) + " --robot " + guillemets(script.string()) +
                                 " --graine " + std::to_string(graine) + " --dossier-scores " +
                                 guillemets(travail.string()) + " >" + guillemets(sortie.string()) + " 2>" +
                                 guillemets(erreurs.string());
    const int etat = std::system(commande.c_str());
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
}

// What went wrong in a run: its exit code, a sanitizer's or the program's message, the score folder.
std::vector<std::string> problemes(int code, const std::string& err, const std::string& scores) {
    std::vector<std::string> pb;
    if (code != 0) pb.push_back("code de sortie " + std::to_string(code));
    for (const char* motif : {"Sanitizer", "runtime error", "tolvanex :"})
        if (err.find(motif) != std::string::npos) pb.push_back(std::string("erreur : ") + motif);
    for (auto& p : verifie_dossier(scores)) pb.push_back(std::move(p));
    return pb;
}

// The screens reached, the findings and the screens never reached; whether one was never reached.
bool resume(const std::map<std::string, long>& vus, const std::vector<std::string>& trouvailles) {
    std::printf("écrans atteints :");
    for (const auto& [e, n] : vus) std::printf(" %s=%ld", e.c_str(), n);
    std::printf("\n");
    for (const auto& t : trouvailles) std::printf("TROUVAILLE %s\n", t.c_str());
    bool manque = false;
    for (const char* e : Ecrans)
        if (!vus.count(e)) std::printf("%s %s", manque ? "" : "jamais atteints :", e), manque = true;
    if (manque) std::printf("\n");
    return manque;
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
    prepare(travail);
    const std::string scores = (travail / "tolvanex").string() + "/";

    const auto debut = std::chrono::steady_clock::now();
    Generateur gen(graine);
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
        const int code = lance(binaire, chemin, graine + static_cast<std::uint64_t>(scripts), travail);
        faites += n;
        ++scripts;
        std::istringstream lignes(lit(travail / "sortie.txt"));
        for (std::string l; std::getline(lignes, l);)
            if (l.rfind("ecran ", 0) == 0) ++vus[l.substr(6)];
        const std::string err = lit(travail / "erreurs.txt");
        const std::vector<std::string> pb = problemes(code, err, scores);
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
    const bool manque = resume(vus, trouvailles);
    return !trouvailles.empty() || (exige && manque) ? 1 : 0;
}
