#include "belote/motif.h"

#include <array>
#include <cstddef>

namespace tlv::belote {

std::string_view identifiant(Motif m) {
    static constexpr std::array<std::string_view, 42> Noms = {"joueur",
                                                              "prend_quatre",
                                                              "prend_valet_neuf",
                                                              "prend_valet_as",
                                                              "prend_neuf_as",
                                                              "passe_seule",
                                                              "passe_deux",
                                                              "passe_trois",
                                                              "passe_second",
                                                              "entame_atout_valet",
                                                              "entame_atout_neuf",
                                                              "entame_atout_as",
                                                              "entame_atout_dix",
                                                              "entame_petit_atout",
                                                              "entame_appel",
                                                              "entame_as",
                                                              "entame_dix",
                                                              "entame_petite",
                                                              "entame_valet",
                                                              "entame_dame",
                                                              "entame_roi",
                                                              "entame_couleur",
                                                              "entame_atout",
                                                              "fournit_sous_coupe",
                                                              "fournit_as",
                                                              "fournit_dix",
                                                              "fournit_second",
                                                              "fournit_monte",
                                                              "fournit_petite",
                                                              "atout_maitre",
                                                              "surcoupe_econome",
                                                              "surcoupe",
                                                              "atout_petit",
                                                              "atout_gros",
                                                              "defausse_dix",
                                                              "defausse_appel",
                                                              "defausse_moins_chere",
                                                              "defausse_atout",
                                                              "fort_carte",
                                                              "fort_prend",
                                                              "fort_passe",
                                                              "debutant"};
    static_assert(Noms.size() == static_cast<std::size_t>(Motif::debutant) + 1);
    const auto i = static_cast<std::size_t>(m);
    return i < Noms.size() ? Noms[i] : "";
}

} // namespace tlv::belote
