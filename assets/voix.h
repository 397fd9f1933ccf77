// The seat voices "voix.fr/<word><seat digit>.wav", spoken by espeak-ng's French voice.
#pragma once
#include <string>
#include <vector>

namespace tlv {

struct Mot {
    std::string fichier; // file name without the seat digit
    std::string dit;     // what is spoken (spelled so that espeak-ng says it right)
};

// The 19 words the Belote table says.
const std::vector<Mot>& motsdutable();

// Writes the words of one seat (0 Sud, 1 Est, 2 Nord, 3 Ouest) into dossier/voix.fr/.
// Throws when espeak-ng is missing or fails.
void voixduneplace(const std::string& dossier, int place);

} // namespace tlv
