#pragma once
// Makes sure the score folder and the five score files exist before anything reads them.
#include <string>

#include "stockage.h"

namespace tlv {

// Creates the score folder (and its parents) and each missing score file with its default
// contents, in the order tlvmemo0..2.sco, tlvjong0.sco, tlvjong1.sco. Existing files are left
// as they are. First, on disk (the folder's lock held), what interrupted writes left is cleared: the
// program's own temporary files go, and saved games left complete in "tlvtempo" by a save cut before
// its last rename replace an older or missing "tlvjong1.sco". Any failure other than a missing file stops the
// work; the caller goes on regardless, the result only tells whether everything is in place. For a folder
// kept in memory the defaults are made there, in place of the files the disk does not give.
bool creefichiers(Stockage& scores);

// The bytes of a score file as first created ("tlvmemo0.sco" ...); empty for an unknown name.
std::string contenuinitial(const std::string& nom);

} // namespace tlv
