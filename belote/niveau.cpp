#include "belote/niveau.h"

#include <array>

namespace tlv::belote {

namespace {
constexpr std::array<std::pair<Niveau, std::string_view>, 3> Noms = {
    {{Niveau::classique, "classique"}, {Niveau::fort, "fort"}, {Niveau::debutant, "debutant"}}};
}

std::string_view nomniveau(Niveau n) {
    for (const auto& [niveau, nom] : Noms)
        if (niveau == n) return nom;
    return "classique";
}

std::optional<Niveau> litniveau(std::string_view mot) {
    for (const auto& [niveau, nom] : Noms)
        if (nom == mot) return niveau;
    return std::nullopt;
}

} // namespace tlv::belote
