#include "belote/sauvegarde.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "belote/donne.h"
#include "belote/recit.h"

namespace tlv::belote {

namespace {

constexpr const char* Version = "tolvanex partie de belote 1";
constexpr std::size_t ParLigne = 40; // answers per line, far below the line length files allow

// FNV-1a over the lines and their ends: a cut or a changed byte does not leave it whole.
std::uint64_t empreinte(const std::vector<std::string>& lignes, std::size_t n) {
    std::uint64_t h = 14695981039346656037ULL;
    for (std::size_t i = 0; i < n; ++i)
        for (const char c : lignes[i] + '\n') {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ULL;
        }
    return h;
}

std::string hex(std::uint64_t v) {
    char t[17];
    std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(v));
    return t;
}

template <typename T> bool nombre(std::string_view s, T& v, T min, T max) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size() && v >= min && v <= max;
}

// "cle valeur": the value of the line when its key is `cle`.
bool champ(const std::string& ligne, std::string_view cle, std::string_view& valeur) {
    if (ligne.size() < cle.size() + 1 || ligne.compare(0, cle.size(), cle) != 0 || ligne[cle.size()] != ' ')
        return false;
    valeur = std::string_view(ligne).substr(cle.size() + 1);
    return true;
}

bool litreponses(std::string_view v, std::vector<int>& r) {
    while (!v.empty()) {
        const std::size_t fin = std::min(v.find(' '), v.size());
        int n = 0;
        if (!nombre(v.substr(0, fin), n, 0, 8)) return false;
        r.push_back(n);
        v.remove_prefix(std::min(fin + 1, v.size()));
    }
    return true;
}

// "partenaire adversaires", two levels' words.
bool litniveaux(std::string_view v, Sauvegarde& s) {
    const std::size_t a = v.find(' ');
    if (a == std::string_view::npos) return false;
    const auto p = litniveau(v.substr(0, a)), o = litniveau(v.substr(a + 1));
    if (!p || !o) return false;
    s.partenaire = *p, s.adversaires = *o;
    return true;
}

// "appel annonces objectif", the calls in increasing order.
bool litoption(std::string_view v, std::vector<Option>& o) {
    const std::size_t a = v.find(' '), b = v.rfind(' ');
    if (a == std::string_view::npos || a == b) return false;
    Option x;
    int annonces = 0;
    if (!nombre(v.substr(0, a), x.appel, 1L, 1L << 40) ||
        !nombre(v.substr(a + 1, b - a - 1), annonces, 0, 1) || !nombre(v.substr(b + 1), x.partieen, 1, 20000))
        return false;
    if (!o.empty() && o.back().appel >= x.appel) return false;
    x.avecannonces = annonces == 1;
    o.push_back(x);
    return true;
}

// The fields in their order, each on its line; false at the first one missing or wrong.
bool litchamps(const std::vector<std::string>& l, std::size_t n, Sauvegarde& s) {
    std::string_view v;
    std::size_t i = 1;
    const auto suivant = [&](std::string_view cle) { return i < n && champ(l[i++], cle, v); };
    int annonces = 0, point = 0;
    if (!suivant("graine") || !nombre(v, s.graine, std::uint64_t{0}, UINT64_MAX)) return false;
    if (!suivant("objectif") || !nombre(v, s.partieen, 1, 20000)) return false;
    if (!suivant("annonces") || !nombre(v, annonces, 0, 1)) return false;
    s.avecannonces = annonces == 1;
    if (!suivant("niveaux") || !litniveaux(v, s)) return false;
    if (!suivant("fauxjeu")) return false;
    if (v != "-") {
        if (v.size() != 66 || v[64] != '/' || !nombre(v.substr(65), s.donneurfauxjeu, 1, 4)) return false;
        s.fauxjeu = std::string(v.substr(0, 64));
        if (!fauxjeuvalide(s.fauxjeu)) return false;
    }
    if (!suivant("partie") || !nombre(v, s.numeropartie, 1, 1000000)) return false;
    if (!suivant("point") || !nombre(v, point, 0, 1)) return false;
    s.point = point == 0 ? Point::sud : Point::donne;
    if (!suivant("donne") || !nombre(v, s.numerodonne, 1, 1000000)) return false;
    if (!suivant("journal") || !nombre(v, s.journal, std::uint64_t{0}, UINT64_MAX)) return false;
    for (; i < n && champ(l[i], "option", v); ++i)
        if (!litoption(v, s.options)) return false;
    for (; i < n; ++i)
        if (!champ(l[i], "reponses", v) || !litreponses(v, s.reponses)) return false;
    return true;
}

} // namespace

std::string ecritsauvegarde(const Sauvegarde& s) {
    std::vector<std::string> l = {
        Version,
        "graine " + std::to_string(s.graine),
        "objectif " + std::to_string(s.partieen),
        std::string("annonces ") + (s.avecannonces ? "1" : "0"),
        "niveaux " + std::string(nomniveau(s.partenaire)) + ' ' + std::string(nomniveau(s.adversaires)),
        "fauxjeu " + (s.fauxjeu.empty() ? std::string("-") : partage(s.fauxjeu, s.donneurfauxjeu)),
        "partie " + std::to_string(s.numeropartie),
        std::string("point ") + (s.point == Point::sud ? "0" : "1"),
        "donne " + std::to_string(s.numerodonne),
        "journal " + std::to_string(s.journal)};
    for (const Option& o : s.options)
        l.push_back("option " + std::to_string(o.appel) + (o.avecannonces ? " 1 " : " 0 ") +
                    std::to_string(o.partieen));
    for (std::size_t i = 0; i < s.reponses.size(); i += ParLigne) {
        std::string r = "reponses";
        for (std::size_t k = i; k < std::min(i + ParLigne, s.reponses.size()); ++k)
            r += ' ' + std::to_string(s.reponses[k]);
        l.push_back(r);
    }
    std::string texte;
    for (const auto& x : l) texte += x + '\n';
    return texte + "controle " + hex(empreinte(l, l.size())) + '\n';
}

std::optional<Sauvegarde> litsauvegarde(const std::vector<std::string>& lignes) {
    const std::size_t n = lignes.size();
    std::string_view v;
    if (n < 2 || lignes[0] != Version || !champ(lignes[n - 1], "controle", v)) return std::nullopt;
    if (v != hex(empreinte(lignes, n - 1))) return std::nullopt;
    Sauvegarde s;
    if (!litchamps(lignes, n - 1, s)) return std::nullopt;
    return s;
}

} // namespace tlv::belote
