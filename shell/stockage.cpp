#include "stockage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tlv {

Stockage::Stockage(std::string dossier) : dossier_(std::move(dossier)) {
    if (!dossier_.empty() && dossier_.back() != '/') dossier_ += '/';
}

std::optional<std::vector<std::string>> StockageDisque::litlignes(const std::string& nom) const {
    return tlv::litlignes(chemin(nom));
}

LectureEntiere StockageDisque::litlignesentieres(const std::string& nom, std::size_t taillemax) const {
    return tlv::litlignesentieres(chemin(nom), taillemax);
}

Resultat StockageDisque::ecrit(const std::string& nom, std::string_view contenu) {
    return ecritfichier(chemin(nom), contenu);
}

Resultat StockageDisque::ecritparrelais(const std::string& nom, const std::string& relais,
                                        std::string_view contenu) {
    const std::string r = chemin(relais);
    if (ecritfichier(r, contenu) && remplacefichier(r, chemin(nom))) return {};
    ::unlink(r.c_str());
    // The reason the fallback gives, if it fails too, is the one the player is told.
    return ecritfichier(chemin(nom), contenu);
}

Resultat StockageDisque::retire(const std::string& nom) {
    if (::unlink(chemin(nom).c_str()) == 0 || errno == ENOENT) return {};
    return Resultat::echec(errno);
}

Resultat StockageDisque::metdecote(const std::string& nom, const std::string& vers) {
    return remplacefichier(chemin(nom), chemin(vers));
}

Stockage::Presence StockageDisque::presence(const std::string& nom) const {
    const int fd = ::open(chemin(nom).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return Presence::present;
    }
    return errno == ENOENT ? Presence::absent : Presence::illisible;
}

std::optional<std::vector<std::string>> StockageMemoire::litlignes(const std::string& nom) const {
    if (retires_.contains(nom)) return std::nullopt;
    const auto f = fichiers_.find(nom);
    if (f == fichiers_.end()) return disque_.litlignes(nom);
    return decoupelignes(f->second, longueurmaxligne);
}

LectureEntiere StockageMemoire::litlignesentieres(const std::string& nom, std::size_t taillemax) const {
    if (retires_.contains(nom)) return {};
    const auto f = fichiers_.find(nom);
    if (f == fichiers_.end()) return disque_.litlignesentieres(nom, taillemax);
    return {decoupelignes(f->second, std::string::npos), {}};
}

Resultat StockageMemoire::ecrit(const std::string& nom, std::string_view contenu) {
    retires_.erase(nom);
    fichiers_[nom] = std::string(contenu);
    return {};
}

Resultat StockageMemoire::ecritparrelais(const std::string& nom, const std::string&,
                                         std::string_view contenu) {
    return ecrit(nom, contenu);
}

Stockage::Presence StockageMemoire::presence(const std::string& nom) const {
    if (retires_.contains(nom)) return Presence::absent;
    if (fichiers_.contains(nom)) return Presence::present;
    return disque_.presence(nom) == Presence::present ? Presence::present : Presence::absent;
}

Resultat StockageMemoire::retire(const std::string& nom) {
    fichiers_.erase(nom);
    retires_.insert(nom);
    return {};
}

Resultat StockageMemoire::metdecote(const std::string& nom, const std::string& vers) {
    const LectureEntiere l = litlignesentieres(nom, taillemaxlecture);
    std::string contenu;
    for (const auto& ligne : l.lignes) contenu += ligne + '\n';
    if (Resultat r = ecrit(vers, contenu); !r) return r;
    return retire(nom);
}

} // namespace tlv
