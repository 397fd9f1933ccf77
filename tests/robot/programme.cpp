#include "programme.h"

#include <cmath>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

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
} // namespace

std::string Programme::fichier(const std::string& nom) const {
    std::ifstream f(nom.front() == '/' ? nom : dossier_ + "/" + nom, std::ios::binary);
    return f ? std::string(std::istreambuf_iterator<char>(f), {}) : std::string();
}

std::string Programme::dans(std::string s) const {
    for (std::size_t i; (i = s.find("{d}")) != std::string::npos;) s.replace(i, 3, dossier_);
    return s;
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

std::string Programme::script(const std::string& texte) const {
    const std::string s = dossier_ + "/script.txt";
    std::ofstream(s, std::ios::binary) << texte;
    return s;
}

Resultat Programme::lance(const std::string& script_robot, const std::string& extra,
                          const std::string& binaire) const {
    return execute("--robot " + script(script_robot) + " --dossier-scores " + dossier_ + " " + extra, "",
                   binaire);
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
