#include "generateur.h"

#include <array>
#include <string_view>

namespace tlv::singe {

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

} // namespace

std::uint64_t Generateur::tire() {
    // SplitMix64.
    std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Generateur::entre(int a, int b) {
    return a + static_cast<int>(tire() % static_cast<std::uint64_t>(b - a + 1));
}

bool Generateur::chance(int pourmille) {
    return entre(0, 999) < pourmille;
}

void Generateur::clic(std::string& s, int x, int y, const char* mods) {
    s += "clic " + std::to_string(x) + " " + std::to_string(y) + mods + "\nattends\n";
    ++comptees_;
}

void Generateur::attente(std::string& s) {
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

void Generateur::entree_aleatoire(std::string& s) {
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

void Generateur::chemin_connu(std::string& s, int cas) {
    // Memo's 4x4 places: columns 3 to 6 of the table.
    const auto carte = [](int k) { return std::pair{36 + (2 + k % 4) * 71 + 35, 48 + (k / 4) * 96 + 48}; };
    switch (cas >= 0 ? cas : entre(0, NombreChemins - 1)) {
    case 0: // Belote: a new game, bids and cards, the timing dialog, back through the menu
        clic(s, 400, 30), clic(s, 320, 130);
        for (int i = 0; i < 12; ++i) clic(s, entre(60, 580), entre(150, 470));
        s += "touche F5\nattends\ntouche Droite\nattends\n", comptees_ += 2;
        clic(s, 320, 283);
        clic(s, 560, 460), clic(s, 320, 410);
        break;
    case 1: // the deal editor, from the Belote menu
        clic(s, 400, 30), clic(s, 320, 340, " maj+alt");
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

int Generateur::script(int entrees, std::string& s, int premier) {
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

} // namespace tlv::singe
