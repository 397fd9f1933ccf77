// The monkey run: `singe ENTREES GRAINE TOLVANEX DOSSIER [--exige-ecrans] [--progres]` feeds the program
// ENTREES random inputs from seed GRAINE, in scripts of a few hundred inputs each started from the launcher,
// in one score folder under DOSSIER. After each script: exit 0, nothing from a sanitizer on the error output,
// the script ran to its end (or the player quit), every file of the score folder still as its reader would
// write it. At the end, the screens reached (the program prints them in robot mode with TLV_ROBOT_ECRANS);
// with --exige-ecrans, a screen never reached is a failure too; --progres prints a line after each script.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "quadrel/regles/parties.h"
#include "scores/fichierscores.h"
#include "shell/niveaux.h"
#include "shell/parametres.h"

using namespace tlv;
using namespace tlv::quadrel;
namespace fs = std::filesystem;

namespace {

// Where the screens answer (x, y, weight): the launcher's lines and web button, the menus' entries and
// arrows, the tables' Menu labels, cards and bids, the dialogs' buttons and bars, the help's buttons.
constexpr int Zones[][3] = {
    {400, 30, 4},  {400, 100, 4}, {400, 170, 4}, {400, 370, 2}, {480, 275, 1}, // launcher
    {320, 60, 5},  {320, 130, 5}, {320, 205, 4}, {320, 275, 4}, {320, 345, 3}, // menu entries
    {320, 415, 3}, {110, 270, 3}, {530, 270, 3}, {110, 205, 2}, {530, 205, 2}, // last entry, arrows
    {320, 455, 4}, {260, 260, 4}, {200, 200, 3}, {440, 200, 3}, {320, 120, 3}, // Menu label, table
    {150, 430, 2}, {445, 420, 2}, {270, 275, 2}, {370, 275, 2}, {320, 283, 2}, // scores, boxes, dialog
    {250, 210, 2}, {400, 210, 2}, {560, 454, 1}, {440, 454, 1}, {320, 300, 3}, // bar, help buttons
};

constexpr const char* Touches[] = {
    "Entree", "Echap", "F5",    "F5",  "F7", "F8", "Gauche", "Droite", "Haut", "Bas", "Espace", "Effacement",
    "Tab",    "Suppr", "Debut", "Fin", "F6", "F1", "F12",    "a",      "Z",    "7",   "é",      "?"};

const char* const Ecrans[] = {"Base",    "Aide",          "Fmenu",    "Fniveaux", "Ecran",
                              "Special", "DialogueTempo", "Menumemo", "Memo",     "Finmemo",
                              "Innom",   "Menujong",      "Jong",     "Score",    "BoiteMessage"};

// The scripts: seeded random robot input (clicks, right clicks, hovers, keys, raw text, waits), weighted
// toward the hot areas of the screens and, every so often, a known path into a screen (a game, its menu,
// the deal editor, the timing dialogs, the help, the scores, the name entry, a confirmation).
class Generateur {
  public:
    explicit Generateur(std::uint64_t graine) : etat_(graine) {}
    int comptees = 0; // inputs of the last script, waits not counted

    // A script of about `entrees` inputs from the launcher, opening with known path number `premier` (modulo
    // their number), which from there surely leads where it says.
    std::string script(int entrees, int premier) {
        comptees = 0;
        s_ = "attends\n";
        chemin_connu(premier % 10);
        while (comptees < entrees) chance(12) ? chemin_connu(-1) : entree_aleatoire();
        return s_;
    }

  private:
    int entre(int a, int b) { // a..b, from SplitMix64
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return a + static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(b - a + 1));
    }

    bool chance(int pourmille) { return entre(0, 999) < pourmille; }

    // `n` inputs, then the wait that lets the program settle.
    void saisit(const std::string& lignes, int n = 1) {
        s_ += lignes + "\nattends\n";
        comptees += n;
    }

    void clic(int x, int y, const char* mods = "") {
        saisit("clic " + std::to_string(x) + " " + std::to_string(y) + mods);
    }

    void entree_aleatoire() {
        const int d = entre(0, 999);
        if (d < 560) {
            int x, y;
            do {
                if (chance(800)) {
                    int total = 0;
                    for (const auto& z : Zones) total += z[2];
                    int t = entre(0, total - 1);
                    std::size_t i = 0;
                    while (t >= Zones[i][2]) t -= Zones[i++][2];
                    x = Zones[i][0] + entre(-25, 25), y = Zones[i][1] + entre(-15, 15);
                } else {
                    x = entre(-5, 645), y = entre(-5, 485);
                }
            } while (x > 328 && x < 628 && y > 410 && y < 470); // the launcher's Quitter would end the run
            s_ += "clic " + std::to_string(x) + " " + std::to_string(y);
            if (chance(30)) s_ += chance(500) ? " maj+alt" : " ctrl";
        } else if (d < 620) {
            s_ += "clicdroit " + std::to_string(entre(0, 639)) + " " + std::to_string(entre(0, 479));
        } else if (d < 760) {
            s_ += "survol " + std::to_string(entre(0, 639)) + " " + std::to_string(entre(0, 479));
        } else if (d < 940) {
            s_ += "touche " + std::string(Touches[entre(0, std::size(Touches) - 1)]);
            if (chance(50)) s_ += " alt";
        } else {
            // Raw bytes, invalid UTF-8 included; only the line end cannot be typed.
            s_ += "texte ";
            for (int n = entre(1, 12); n > 0; --n) {
                const char c = static_cast<char>(entre(1, 255));
                s_ += c == '\n' || c == '\r' ? 'x' : c;
            }
        }
        ++comptees;
        const int a = entre(0, 999);
        // Mostly until the program waits; now and then a Quadrel board's clock or a Memo time runs out.
        s_ += a < 880   ? "\nattends\n"
              : a < 990 ? "\nattends " + std::to_string(entre(1, 80) / 10.0).substr(0, 4) + "\n"
              : a < 998 ? "\nattends 130\n"
                        : "\nattends 10050\n";
    }

    // cas < 0: one at random.
    void chemin_connu(int cas) {
        switch (cas >= 0 ? cas : entre(0, 9)) {
        case 0: // Belote: a new game, bids and cards, the timing dialog, back through the menu
            clic(400, 30), clic(320, 130);
            for (int i = 0; i < 12; ++i) clic(entre(60, 580), entre(150, 470));
            saisit("touche F5"), saisit("touche Droite");
            clic(320, 283), clic(560, 460), clic(320, 410);
            break;
        case 1: // the computer's levels, then the deal editor, from the Belote menu
            clic(400, 30), clic(320, 340), clic(530, 200), clic(320, 410);
            clic(320, 340, " maj+alt");
            for (int i = 0; i < 8; ++i) clic(entre(20, 620), entre(20, 400));
            clic(entre(0, 1) ? 540 : 340, 438);
            clic(320, 410);
            break;
        case 2: // Memo: a game played by trying every pair (its 4x4 places: columns 3 to 6 of the table),
        case 7: // then a name or, after a long wait, the end box
            clic(400, 100), clic(320, 135);
            for (int a = 0; a < 16; ++a)
                for (int b = a + 1; b < 16; ++b) {
                    clic(71 * (3 + a % 4), 96 * (1 + a / 4)), clic(71 * (3 + b % 4), 96 * (1 + b / 4));
                    if (cas == 7 && a == 0 && b == 1) s_ += "attends 10050\n";
                }
            saisit("texte singe\ntouche Entree", 2);
            clic(320, 300);
            break;
        case 3: // Memo's timing dialog and scores
            clic(400, 100), clic(320, 135);
            saisit("touche F5"), saisit("touche Gauche"), saisit("touche Entree");
            clic(320, 455), clic(320, 205), clic(150, 430);
            saisit(std::string("touche ") + (chance(500) ? "Entree" : "Echap"));
            clic(445, 420), clic(320, 415);
            break;
        case 4: // Quadrel: a named game, clicks on the board, the menu
            clic(400, 170), clic(320, 130);
            saisit("texte J" + std::to_string(entre(0, 99)) + "\ntouche Entree", 2);
            for (int i = 0; i < 20; ++i) clic(entre(40, 600), entre(40, 420));
            clic(320, 455);
            break;
        case 5: // Quadrel's erase box and scores
            clic(400, 170), clic(320, 275);
            saisit("touche Entree");
            clic(320, 345), clic(445, 420), clic(320, 415);
            break;
        case 6: // the help, paged
            clic(400, 370);
            for (int i = entre(1, 6); i > 0; --i) saisit("touche Droite");
            saisit("touche Echap");
            break;
        default: // back toward the launcher from a game's table or menu
            clic(320, 455), clic(320, 415);
            break;
        }
    }

    std::string s_;
    std::uint64_t etat_;
};

std::string lit(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

template <class Table> std::string enlignes(const Table& t) {
    std::string s;
    for (const auto& l : t) s += l.ligne + "\r\n";
    return s;
}

// What is wrong with the score folder: every file must be exactly what its reader would write back, a
// settings file that holds a valid value is not rewritten by its reader, no temporary file is left.
std::vector<std::string> verifie_dossier(const std::string& d) {
    std::vector<std::string> pb;
    StockageDisque disque(d);
    const auto relu = [&](const std::string& f, const std::string& attendu) {
        if (fs::exists(f) && lit(f) != attendu) pb.push_back(f + " n'est pas relu tel quel");
    };
    for (int n = 0; n < 3; ++n) relu(d + fichiermemo(n), enlignes(litmemo(disque, fichiermemo(n))));
    relu(d + fichierjong, enlignes(litjong(disque, fichierjong)));
    Parties p(disque);
    std::string parties;
    for (const auto& l : p.lignes()) parties += l + "\r\n";
    relu(p.chemin(), parties);
    for (const char* nom : {"tlvbelo.ini", "tlvmemo.ini", "tlvniveaux.ini"}) {
        const std::string avant = lit(d + nom);
        Reglages r;
        r.scores = std::make_unique<StockageDisque>(d);
        lisparambelote(r), lisparammemo(r), lisniveaux(r);
        if (lit(d + nom) != avant) pb.push_back(std::string(nom) + " n'était pas valide : " + avant);
    }
    for (const auto& e : fs::directory_iterator(d)) {
        const std::string nom = e.path().filename().string();
        if (nom.find(".tmp") != std::string::npos || nom == fichiertempo)
            pb.push_back("fichier temporaire laissé : " + nom);
    }
    return pb;
}

// Runs the program on one script in the run's folder, its output and errors there; what went wrong: its
// exit code (128 plus the signal when it was killed), a sanitizer's or the program's message, the score
// folder.
std::vector<std::string> lance(const std::string& binaire, const fs::path& script, std::uint64_t graine,
                               const fs::path& travail) {
    const auto guillemets = [](const fs::path& p) { return std::string("'").append(p.string()) + "'"; };
    const std::string commande = guillemets(binaire) + " --robot " + guillemets(script) + " --graine " +
                                 std::to_string(graine) + " --dossier-scores " + guillemets(travail) + " >" +
                                 guillemets(travail / "sortie.txt") + " 2>" +
                                 guillemets(travail / "erreurs.txt");
    const int etat = std::system(commande.c_str());
    const int code = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    std::vector<std::string> pb;
    if (code != 0) pb.push_back("code de sortie " + std::to_string(code));
    for (const char* motif : {"Sanitizer", "runtime error", "tolvanex :"})
        if (lit(travail / "erreurs.txt").find(motif) != std::string::npos)
            pb.push_back(std::string("erreur : ") + motif);
    for (auto& p : verifie_dossier((travail / "tolvanex").string() + "/")) pb.push_back(std::move(p));
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
    const fs::path travail = argv[4];
    const std::vector<std::string> options(argv + 5, argv + argc);
    const auto option = [&](const char* o) { return std::count(options.begin(), options.end(), o) > 0; };
    fs::remove_all(travail);
    fs::create_directories(travail);
    // Headless, the screens shown printed, every frame checked against the screen composed whole.
    setenv("TLV_ROBOT_ECRANS", "1", 1);
    setenv("TLV_VERIFIE_ENVOIS", "1", 0);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 0);

    const std::time_t debut = std::time(nullptr);
    Generateur gen(graine);
    std::map<std::string, long> vus;
    long faites = 0;
    int scripts = 0, quittes = 0;
    std::vector<std::string> trouvailles;
    while (faites < total && trouvailles.empty()) {
        const fs::path fin = travail / "fin.png",
                       chemin = travail / ("script" + std::to_string(scripts) + ".txt");
        fs::remove(fin);
        std::ofstream(chemin, std::ios::binary)
            << gen.script(static_cast<int>(std::min<long>(400, total - faites)), scripts) +
                   "attends\ncapture " + fin.string() + "\n";
        const auto pb = lance(argv[3], chemin, graine + static_cast<std::uint64_t>(scripts++), travail);
        faites += gen.comptees;
        std::istringstream lignes(lit(travail / "sortie.txt"));
        for (std::string l; std::getline(lignes, l);)
            if (l.rfind("ecran ", 0) == 0) ++vus[l.substr(6)];
        quittes += !fs::exists(fin); // the launcher's Quitter was clicked before the script's end
        if (option("--progres"))
            std::printf("script %d : %ld entrées, %ld s\n", scripts, faites, std::time(nullptr) - debut),
                std::fflush(stdout);
        for (const auto& p : pb) trouvailles.push_back(chemin.string() + " : " + p);
        if (pb.empty())
            fs::remove(chemin);
        else
            std::fprintf(stderr, "%s\n", lit(travail / "erreurs.txt").substr(0, 4000).c_str());
    }
    std::printf("singe : %ld entrées, graine %llu, %d scripts (%d quittés avant la fin), %ld s\n", faites,
                static_cast<unsigned long long>(graine), scripts, quittes, std::time(nullptr) - debut);
    const bool manque = resume(vus, trouvailles);
    return !trouvailles.empty() || (option("--exige-ecrans") && manque) ? 1 : 0;
}
