#include "assets/plateaux.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>

namespace tlv {

namespace {

bool libre(const Plateau& p, int x, int y) {
    return p[static_cast<size_t>(x)][static_cast<size_t>(y)] == -1;
}

struct Hasard {
    uint64_t etat;
    uint64_t suivant() {
        uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int entier(int n) { return static_cast<int>(suivant() % static_cast<uint64_t>(n)); }
};

} // namespace

bool relies(const Plateau& p, int x1, int y1, int x2, int y2) {
    // Breadth-first search over (cell, direction) counting segments: at most three, through empty cells.
    const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
    int segments[10][6][4];
    for (auto& a : segments)
        for (auto& b : a)
            for (int& c : b) c = 99;
    std::deque<std::array<int, 4>> file;
    for (int d = 0; d < 4; ++d) file.push_back({x1, y1, d, 1});
    while (!file.empty()) {
        auto [x, y, d, s] = file.front();
        file.pop_front();
        int nx = x + dx[d], ny = y + dy[d];
        if (nx < 0 || ny < 0 || nx > 9 || ny > 5) continue;
        if (nx == x2 && ny == y2) return true;
        if (!libre(p, nx, ny) || segments[nx][ny][d] <= s) continue;
        segments[nx][ny][d] = s;
        for (int e = 0; e < 4; ++e) {
            int ns = e == d ? s : s + 1;
            if (ns <= 3 && (dx[e] != -dx[d] || dy[e] != -dy[d])) {
                if (e == d)
                    file.push_front({nx, ny, e, ns});
                else
                    file.push_back({nx, ny, e, ns});
            }
        }
    }
    return false;
}

namespace {

// Places of each face on the board.
std::array<std::vector<std::pair<int, int>>, 16> paires(const Plateau& p) {
    std::array<std::vector<std::pair<int, int>>, 16> r;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 4; ++y) {
            int v = p[static_cast<size_t>(x)][static_cast<size_t>(y)];
            if (v >= 0 && v < 32) r[static_cast<size_t>(v % 16)].push_back({x, y});
        }
    return r;
}

} // namespace

int coupslibres(const Plateau& p) {
    int n = 0;
    for (auto& pl : paires(p))
        if (pl.size() == 2 && relies(p, pl[0].first, pl[0].second, pl[1].first, pl[1].second)) ++n;
    return n;
}

bool resoluble(Plateau p) {
    for (bool avance = true; avance;) {
        avance = false;
        for (auto& pl : paires(p))
            if (pl.size() == 2 && relies(p, pl[0].first, pl[0].second, pl[1].first, pl[1].second)) {
                for (auto [x, y] : pl) p[static_cast<size_t>(x)][static_cast<size_t>(y)] = -1;
                avance = true;
            }
    }
    for (auto& pl : paires(p))
        if (!pl.empty()) return false;
    return true;
}

std::vector<Plateau> plateaux() {
    std::vector<Plateau> r;
    Hasard h{20261206};
    for (int i = 0; i < nombreplateaux; ++i) {
        double t = static_cast<double>(i) / (nombreplateaux - 1);
        // Fuller boards, then obstacles, then fewer free moves along the file.
        int obstacles = t < 0.25 ? 0 : static_cast<int>(std::lround(1 + 3 * (t - 0.25) / 0.75));
        int npaires = std::min(static_cast<int>(std::lround(6 + 10 * t)), (32 - obstacles) / 2);
        double cible = 7 - 6 * t;
        Plateau meilleur{};
        double ecart = 1e9;
        for (int essai = 0; essai < 300; ++essai) {
            Plateau p;
            for (auto& c : p) c.fill(-1);
            std::vector<int> places(32);
            for (int k = 0; k < 32; ++k) places[static_cast<size_t>(k)] = k;
            for (int k = 31; k > 0; --k)
                std::swap(places[static_cast<size_t>(k)], places[static_cast<size_t>(h.entier(k + 1))]);
            std::vector<int> faces(16);
            for (int k = 0; k < 16; ++k) faces[static_cast<size_t>(k)] = k;
            for (int k = 15; k > 0; --k)
                std::swap(faces[static_cast<size_t>(k)], faces[static_cast<size_t>(h.entier(k + 1))]);
            size_t n = 0;
            auto pose = [&](int v) {
                int c = places[n++];
                p[static_cast<size_t>(c % 8 + 1)][static_cast<size_t>(c / 8 + 1)] = v;
            };
            for (int k = 0; k < npaires; ++k)
                pose(faces[static_cast<size_t>(k)]), pose(faces[static_cast<size_t>(k)] + 16);
            for (int k = 0; k < obstacles; ++k) pose(obstacle);
            if (!resoluble(p)) continue;
            double e = std::abs(coupslibres(p) - cible);
            if (e < ecart) ecart = e, meilleur = p;
            if (e < 0.5) break;
        }
        r.push_back(meilleur);
    }
    return r;
}

std::string fichierplateaux(const std::vector<Plateau>& liste) {
    std::string s;
    char champ[16];
    for (const Plateau& p : liste) {
        for (int y = 1; y <= 4; ++y) {
            for (int x = 1; x <= 8; ++x) {
                std::snprintf(champ, sizeof champ, "%3d",
                              p[static_cast<size_t>(x)][static_cast<size_t>(y)] + 1);
                s += champ;
            }
            s += "\r\n";
        }
        s += "\r\n";
    }
    return s;
}

} // namespace tlv
