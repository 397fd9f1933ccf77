#pragma once
// How well a computer seat plays: the rule list ("Classique", the default), a player who samples the
// deals it cannot see ("Fort"), or the rule list with a few second choices ("Débutant").
#include <optional>
#include <string_view>

namespace tlv::belote {

enum class Niveau { classique, fort, debutant };

// "classique", "fort", "debutant": the simulator's words and the settings file's.
std::string_view nomniveau(Niveau n);
std::optional<Niveau> litniveau(std::string_view mot);

} // namespace tlv::belote
