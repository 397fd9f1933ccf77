#include "robot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/image.h"

namespace tlv::essai {

namespace {
// Every frame is checked: the window must show the screen as composed whole. Not in the sanitizer build,
// where the checks would take most of the tests' time.
#if defined(__SANITIZE_ADDRESS__)
constexpr const char* Verification = "";
#else
constexpr const char* Verification = "TLV_VERIFIE_ENVOIS=1 ";
#endif

std::string xy(int x, int y) {
    return std::to_string(x) + " " + std::to_string(y);
}
} // namespace

Pas clic(int x, int y) {
    return {"clic " + xy(x, y) + "\nattends"};
}
Pas clic(const Rect& r) {
    return clic(r.x + r.w / 2, r.y + r.h / 2);
}
Pas clicdroit(int x, int y) {
    return {"clicdroit " + xy(x, y) + "\nattends"};
}
Pas survol(int x, int y) {
    return {"survol " + xy(x, y) + "\nattends"};
}
Pas touche(const std::string& nom) {
    return {"touche " + nom + "\nattends"};
}
Pas tape(const std::string& texte) {
    return {"texte " + texte + "\nattends"};
}
Pas attends(double s) {
    return {s < 0 ? "attends" : "attends " + std::to_string(s)};
}
Pas capture(const std::string& nom, double apres_s) {
    std::string l = "capture {d}/";
    l += nom;
    if (apres_s >= 0) (l += ' ') += std::to_string(apres_s);
    return {l};
}
Pas fenetre(bool active) {
    return {std::string("fenetre ") + (active ? "active" : "inactive")};
}

Scenario ouvre(Jeu j) {
    const int y = j == Jeu::Belote ? 30 : j == Jeu::Memo ? 100 : 170;
    return {attends(), clic(400, y)};
}

Scenario operator+(Scenario a, const Scenario& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Scenario repete(int fois, const Scenario& s) {
    Scenario r;
    for (int i = 0; i < fois; ++i) r = r + s;
    return r;
}

Scenario fleches(int dc, int dr) {
    return repete(std::abs(dc), {touche(dc > 0 ? "Droite" : "Gauche")}) +
           repete(std::abs(dr), {touche(dr > 0 ? "Bas" : "Haut")});
}

std::size_t Resultat::compte(const std::string& bout) const {
    std::size_t n = 0;
    for (auto p = sortie.find(bout); p != std::string::npos; p = sortie.find(bout, p + 1)) ++n;
    return n;
}

std::vector<std::string> Resultat::lignes(const std::string& prefixe) const {
    std::vector<std::string> v;
    std::istringstream in(sortie);
    for (std::string l; std::getline(in, l);)
        if (l.starts_with(prefixe)) v.push_back(l);
    return v;
}

std::string Programme::fichier(const std::string& nom) const {
    std::ifstream f(nom.front() == '/' ? nom : dossier_ + "/" + nom, std::ios::binary);
    return f ? std::string(std::istreambuf_iterator<char>(f), {}) : std::string();
}

std::string Programme::copie_du_jeu(const std::string& sauf) const {
    namespace fs = std::filesystem;
    const fs::path copie = fs::path(dossier_) / "jeu";
    fs::create_directories(copie);
    for (const auto& e : fs::directory_iterator(fs::current_path())) {
        const std::string nom = e.path().filename();
        if (!e.is_regular_file() || nom.starts_with("test_") || nom == sauf) continue;
        if (nom == "tolvanex")
            fs::copy_file(e.path(), copie / nom);
        else
            fs::create_symlink(e.path(), copie / nom);
    }
    return (copie / "tolvanex").string();
}

Rect dans_capture(const Surface& capture, Rect z) {
    const double k = capture.hauteur() / 480.0, x0 = (capture.largeur() - 640 * k) / 2;
    const int x = static_cast<int>(x0 + z.x * k), y = static_cast<int>(z.y * k);
    return {x, y, static_cast<int>(std::ceil(x0 + (z.x + z.w) * k)) - x,
            static_cast<int>(std::ceil((z.y + z.h) * k)) - y};
}

bool texte_sarcelle(const Surface& capture, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x) {
            const std::uint32_t c = capture.pixel(x, y);
            if ((c >> 16 & 255) < 80 && (c >> 8 & 255) > 120 && (c & 255) > 120) return true;
        }
    return false;
}

bool carte_en_vue(const Surface& capture, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x) {
            const std::uint32_t c = capture.pixel(x, y);
            const int r = c >> 16 & 255, v = c >> 8 & 255;
            if (r > 40 && r >= v) return true;
        }
    return false;
}

Surface Programme::capture(const std::string& nom) const {
    auto s = charge_image(dossier_ + "/" + nom, 1);
    EXPECT_TRUE(s.has_value()) << nom;
    return s ? *s : Surface(640, 480, 0, 1);
}

std::string Programme::script(const Scenario& scenario) const {
    std::string texte;
    for (const Pas& p : scenario) texte += p.ligne + "\n";
    const std::string s = dossier_ + "/script.txt";
    std::ofstream(s, std::ios::binary) << dans(texte);
    return s;
}

Resultat Programme::joue(const Scenario& s, const std::string& extra, const std::string& environnement,
                         const std::string& binaire) const {
    return execute("--robot " + script(s) + " --dossier-scores " + dossier_ + " " + extra, environnement,
                   binaire);
}

std::string Programme::dans(std::string s) const {
    for (std::size_t i; (i = s.find("{d}")) != std::string::npos;) s.replace(i, 3, dossier_);
    return s;
}

Resultat Programme::execute(const std::string& arguments, const std::string& environnement,
                            const std::string& binaire) const {
    const std::string out = dossier_ + "/sortie.txt", err = dossier_ + "/erreurs.txt";
    const std::string commande = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + std::string(Verification) +
                                 environnement + " " + binaire + " " + arguments + " >" + out + " 2>" + err;
    const int st = std::system(commande.c_str());
    Resultat r;
    r.code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.sortie = fichier(out);
    r.erreurs = fichier(err);
    return r;
}

} // namespace tlv::essai
