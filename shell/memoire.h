#pragma once
// The score folder kept in memory for the session, when the real one cannot be used (it cannot be
// created or written, or its lock cannot be taken). The file routines of fichiers.h route every file
// of that folder here: a write lands in memory, a read finds the last write, or the disk's copy when
// the session has not written that file yet.
#include <optional>
#include <string>
#include <string_view>

namespace tlv {

// From now on the files directly inside `dossier` live in memory. An empty name gives the disk back
// and forgets every file kept.
void gardeenmemoire(const std::string& dossier);

// Whether `chemin` names a file of the folder kept in memory.
bool enmemoire(const std::string& chemin);

// The bytes the session last wrote to `chemin`, if any.
std::optional<std::string> litenmemoire(const std::string& chemin);
void ecritenmemoire(const std::string& chemin, std::string_view contenu);

} // namespace tlv
