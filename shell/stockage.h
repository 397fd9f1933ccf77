#pragma once
// The score folder as the session uses it: its files are named as they lie directly inside it
// ("tlvmemo0.sco"). Start-up chooses once where they live (demarrage.cpp): on disk, or in memory for the
// session when the folder cannot be used, and hands the choice to every reader and writer (Reglages).
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fichiers.h"
#include "resultat.h"

namespace tlv {

class Stockage {
  public:
    // `dossier` gets its final '/'; empty is the current folder.
    explicit Stockage(std::string dossier);
    virtual ~Stockage() = default;
    Stockage(const Stockage&) = delete;
    Stockage& operator=(const Stockage&) = delete;

    // The folder's path, ending with '/' (unless empty), as the player is told it.
    const std::string& dossier() const { return dossier_; }
    std::string chemin(const std::string& nom) const { return dossier_ + nom; }
    virtual bool enmemoire() const = 0;

    // As `litlignes` and `litlignesentieres` (fichiers.h) read the file `nom`.
    virtual std::optional<std::vector<std::string>> litlignes(const std::string& nom) const = 0;
    virtual LectureEntiere litlignesentieres(const std::string& nom, std::size_t taillemax) const = 0;
    // As `ecritfichier` writes it.
    virtual Resultat ecrit(const std::string& nom, std::string_view contenu) = 0;
    // The same, the new contents first complete in the file `relais`, which then takes the place of `nom`
    // in one rename: a cut between the two leaves the whole list there for the next start (creefichiers).
    virtual Resultat ecritparrelais(const std::string& nom, const std::string& relais,
                                    std::string_view contenu) = 0;

    // The file `nom` removed; done when it is gone, or was not there.
    virtual Resultat retire(const std::string& nom) = 0;
    // The file `nom` set aside under the name `vers`, replacing it; never removed.
    virtual Resultat metdecote(const std::string& nom, const std::string& vers) = 0;

    // Whether the file `nom` is there to be read, before the defaults are made.
    enum class Presence { present, absent, illisible };
    virtual Presence presence(const std::string& nom) const = 0;

  private:
    std::string dossier_;
};

class StockageDisque final : public Stockage {
  public:
    using Stockage::Stockage;
    bool enmemoire() const override { return false; }
    std::optional<std::vector<std::string>> litlignes(const std::string& nom) const override;
    LectureEntiere litlignesentieres(const std::string& nom, std::size_t taillemax) const override;
    Resultat ecrit(const std::string& nom, std::string_view contenu) override;
    Resultat ecritparrelais(const std::string& nom, const std::string& relais,
                            std::string_view contenu) override;
    Resultat retire(const std::string& nom) override;
    Resultat metdecote(const std::string& nom, const std::string& vers) override;
    Presence presence(const std::string& nom) const override;
};

// The disk left as it is: a write lands in memory, a read finds the session's last write, or the disk's
// copy when the session has not written that file yet.
class StockageMemoire final : public Stockage {
  public:
    explicit StockageMemoire(const std::string& dossier) : Stockage(dossier), disque_(dossier) {}
    bool enmemoire() const override { return true; }
    std::optional<std::vector<std::string>> litlignes(const std::string& nom) const override;
    LectureEntiere litlignesentieres(const std::string& nom, std::size_t taillemax) const override;
    Resultat ecrit(const std::string& nom, std::string_view contenu) override;
    // No disk file to rename over: written at once.
    Resultat ecritparrelais(const std::string& nom, const std::string& relais,
                            std::string_view contenu) override;
    // A file the disk cannot give starts the session with its default: absent.
    Presence presence(const std::string& nom) const override;
    // The session's copy goes; the disk's is hidden for the rest of the session.
    Resultat retire(const std::string& nom) override;
    Resultat metdecote(const std::string& nom, const std::string& vers) override;

  private:
    StockageDisque disque_;
    std::map<std::string, std::string, std::less<>> fichiers_;
    std::set<std::string, std::less<>> retires_;
};

} // namespace tlv
