#pragma once
// The monkey's scripts: seeded random robot input (clicks, right clicks, hovers, keys, raw text, waits),
// weighted toward the hot areas of the screens and, every so often, a known path into a screen (a game,
// its menu, the deal editor, the timing dialogs, the help, the scores, the name entry, a confirmation).
#include <cstdint>
#include <string>

namespace tlv::singe {

class Generateur {
  public:
    explicit Generateur(std::uint64_t graine) : etat_(graine) {}
    // Number of known paths into the screens.
    static constexpr int NombreChemins = 10;
    // A script of about `entrees` inputs (waits not counted) from the launcher, opening with known path
    // number `premier` (modulo their number); returns the inputs written.
    int script(int entrees, std::string& sortie, int premier);

  private:
    std::uint64_t tire();
    int entre(int a, int b); // a..b
    bool chance(int pourmille);
    void clic(std::string& s, int x, int y, const char* mods = "");
    void entree_aleatoire(std::string& s);
    void chemin_connu(std::string& s, int cas); // cas < 0: one at random
    void attente(std::string& s);
    int comptees_ = 0;
    std::uint64_t etat_;
};

} // namespace tlv::singe
