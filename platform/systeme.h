#pragma once
// What the program asks of the desktop: a web page, another program, a single running copy.
#include <string>
#include <vector>

namespace tlv {

bool ouvre_url(const std::string& url);
// Starts a program found on PATH, without a shell, and does not wait for it.
bool lance_programme(const std::string& nom, const std::vector<std::string>& arguments = {});

// Holds an exclusive lock on a file while alive. `occupe()`: another copy holds it; neither `tenu()` nor
// `occupe()`: the file could not be opened or locked at all (no folder, no access).
class VerrouInstance {
  public:
    explicit VerrouInstance(const std::string& fichier);
    ~VerrouInstance();
    VerrouInstance(const VerrouInstance&) = delete;
    VerrouInstance& operator=(const VerrouInstance&) = delete;
    bool tenu() const { return fd_ >= 0; }
    bool occupe() const { return occupe_; }

  private:
    int fd_ = -1;
    bool occupe_ = false;
};

} // namespace tlv
