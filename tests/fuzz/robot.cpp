// Robot scripts: any bytes give commands or the one documented error, ErreurScript; the commands hold
// values in their ranges, and written back as a script they read as the very same commands.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz.h"
#include "platform/robot.h"

using namespace tlv;
using Commande = Robot::Commande;
using Type = Commande::Type;

namespace {

std::string nom_touche(Touche t) {
    static const std::pair<Touche, const char*> noms[] = {
        {Touche::Entree, "Entree"},         {Touche::Echap, "Echap"},   {Touche::Tab, "Tab"},
        {Touche::Effacement, "Effacement"}, {Touche::Espace, "Espace"}, {Touche::Gauche, "Gauche"},
        {Touche::Droite, "Droite"},         {Touche::Haut, "Haut"},     {Touche::Bas, "Bas"},
        {Touche::Suppr, "Suppr"},           {Touche::Debut, "Debut"},   {Touche::Fin, "Fin"}};
    for (const auto& [touche, nom] : noms)
        if (touche == t) return nom;
    const int n = static_cast<int>(t) - static_cast<int>(Touche::F1) + 1;
    TLV_VERIFIE(n >= 1 && n <= 12);
    return std::string("F").append(std::to_string(n));
}

std::string modificateurs(int m) {
    std::string s;
    for (const auto& [bit, nom] : {std::pair{maj::Shift, "maj"}, {maj::Ctrl, "ctrl"}, {maj::Alt, "alt"}})
        if (m & bit) s.append(s.empty() ? " " : "+").append(nom);
    return s;
}

std::string secondes(std::int64_t ms) {
    std::string f = std::to_string(ms % 1000);
    f.insert(0, 3 - f.size(), '0');
    return std::to_string(ms / 1000).append(".").append(f);
}

// The command as a script line.
std::string ecrit(const Commande& c) {
    switch (c.type) {
    case Type::Clic:
    case Type::ClicDroit:
    case Type::Survol:
        return std::string(c.type == Type::Clic        ? "clic "
                           : c.type == Type::ClicDroit ? "clicdroit "
                                                       : "survol ") +
               std::to_string(c.x) + " " + std::to_string(c.y) + modificateurs(c.maj);
    case Type::Touche:
        return std::string("touche ").append(c.texte.empty() ? nom_touche(c.code) : c.texte) +
               modificateurs(c.maj);
    case Type::Texte:
        return "texte " + c.texte;
    case Type::Fenetre:
        return c.active ? "fenetre active" : "fenetre inactive";
    case Type::Attends:
        return c.duree_ms > 0 ? "attends " + secondes(c.duree_ms) : "attends";
    case Type::Capture:
        return std::string("capture ")
            .append(c.texte)
            .append(c.differee ? std::string(" ").append(secondes(c.duree_ms)) : "");
    }
    fuzz::viole("type de commande");
}

bool pareilles(const Commande& a, const Commande& b) {
    return a.type == b.type && a.x == b.x && a.y == b.y && a.maj == b.maj && a.code == b.code &&
           a.texte == b.texte && a.duree_ms == b.duree_ms && a.differee == b.differee && a.active == b.active;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string script(reinterpret_cast<const char*>(donnees), taille);
    std::vector<Commande> cs;
    try {
        cs = Robot::analyse(script);
    } catch (const ErreurScript& e) {
        TLV_VERIFIE(std::string(e.what()).rfind("ligne ", 0) == 0);
        return 0;
    }
    std::size_t lignes = 1;
    for (const char c : script) lignes += c == '\n';
    std::string reecrit;
    for (std::size_t i = 0; i < cs.size(); ++i) {
        const Commande& c = cs[i];
        TLV_VERIFIE(c.ligne >= 1 && static_cast<std::size_t>(c.ligne) <= lignes);
        TLV_VERIFIE(i == 0 || cs[i - 1].ligne < c.ligne);
        TLV_VERIFIE(c.duree_ms >= 0 && c.duree_ms <= 10'000'000'000LL);
        TLV_VERIFIE((c.maj & ~(maj::Shift | maj::Ctrl | maj::Alt)) == 0);
        if (c.type == Type::Survol) TLV_VERIFIE(c.maj == 0);
        if (c.type == Type::Touche) TLV_VERIFIE(c.code != Touche::Aucune || !c.texte.empty());
        if (c.type == Type::Capture) TLV_VERIFIE(!c.texte.empty());
        // CR LF: a text ending with a CR keeps it when read again.
        reecrit += ecrit(c) + "\r\n";
    }
    std::vector<Commande> relues;
    try {
        relues = Robot::analyse(reecrit);
    } catch (const ErreurScript&) {
        fuzz::viole("script réécrit refusé");
    }
    TLV_VERIFIE(relues.size() == cs.size());
    for (std::size_t i = 0; i < cs.size(); ++i) {
        TLV_VERIFIE(pareilles(relues[i], cs[i]));
        TLV_VERIFIE(relues[i].ligne == static_cast<int>(i) + 1);
    }
    return 0;
}
