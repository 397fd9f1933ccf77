#pragma once
// The program's own files: Windows-1252 text on disk, UTF-8 in memory, whole-file atomic writes,
// and reading that never trusts what it finds. The score folder's files go through its `Stockage`.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resultat.h"

namespace tlv {

// One byte per character, as the files store text. Bytes with no character in Windows-1252
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number.
std::string cp1252_vers_utf8(std::string_view octets);
// Back to one byte per character; a character with no Windows-1252 byte, or a byte that is not
// valid UTF-8, becomes '?'.
std::string utf8_vers_cp1252(std::string_view texte);
// A line of one of our files as read. One that is valid UTF-8 with non-ASCII letters, all of them in
// Windows-1252, was saved by a UTF-8 editor: it comes back in Windows-1252. Any other is kept as it is
// (our own accented bytes are never valid UTF-8 between letters).
std::string lignecp1252(std::string_view octets);

// Replaces `chemin` with exactly `contenu`: written to its temporary file (`nomtemporaire`), flushed to
// disk, then renamed over the target and the rename made durable, so a reader sees the old file or the
// new one, never a part. On failure, with its reason, the target is untouched and no temporary file is
// left.
Resultat ecritfichier(const std::string& chemin, std::string_view contenu);

// The one temporary name `ecritfichier` uses for `chemin`: ".<name>.tmp" in the same folder.
std::string nomtemporaire(const std::string& chemin);

// Renames `de` over `vers` (same folder) and syncs the folder so that the rename survives a power cut.
// Fails with the rename's reason.
Resultat remplacefichier(const std::string& de, const std::string& vers);

// Whether `fichier` (a name in a folder) is what an interrupted write of the file `nom` leaves behind:
// its temporary file, or a numbered one of earlier versions (".<nom>.tmp<process>-<count>").
bool restetemporaire(const std::string& fichier, const std::string& nom);
// Removes, in `dossier`, those leftovers of the files `noms`, and nothing else.
void nettoietemporaires(const std::string& dossier, const std::vector<std::string>& noms);

// The bytes of a regular file, at most `taillemax` of them; nothing when there is no regular file by
// that name or it cannot be read (a device, a pipe, a folder...). Never waits for a writer.
std::optional<std::string> litfichier(const std::string& chemin, std::size_t taillemax);

// Lines longer than this are cut; reading stops after `taillemaxlecture` bytes.
inline constexpr std::size_t longueurmaxligne = 4096;
inline constexpr std::size_t taillemaxlecture = 1 << 20;

// The lines of a text file, bytes as stored, without their ends: CR LF, LF or a lone CR (files edited
// elsewhere use all three); a UTF-8 byte-order mark at the start is left out; a last line without an end
// counts. Nothing when the file cannot be opened (missing, a folder, no access).
std::optional<std::vector<std::string>> litlignes(const std::string& chemin);
// Those lines of bytes already read, each cut at `longueurmax`.
std::vector<std::string> decoupelignes(std::string_view octets, std::size_t longueurmax);

// For a file that is rewritten from what was read: nothing may be cut.
struct LectureEntiere {
    std::vector<std::string> lignes; // as `litlignes` gives them, but never cut
    // Done when the file was read to its end: it is missing (no line), or a readable file of at most
    // `taillemax` bytes. Otherwise `lignes` hold what could be read and the file must not be rewritten
    // from them; the failure tells why (EISDIR for a folder, EINVAL for a pipe or device, EFBIG past
    // `taillemax`, else the system's reason).
    Resultat entiere;
};
LectureEntiere litlignesentieres(const std::string& chemin, std::size_t taillemax);

// Creates the folder and every missing parent, like `mkdir -p`. True when it exists afterwards.
bool creedossiers(const std::string& chemin);

// Whether a new file can be made in the folder (tried for real under the name ".tlvessai", then removed).
// Only for a folder whose lock is held.
bool dossierecrivable(const std::string& dossier);

} // namespace tlv
