// The match in progress kept in the score folder, so that closing the window, or a crash, loses nothing.
#include <array>
#include <filesystem>
#include <string>

#include "belote/flux.h"
#include "belote_table/ecran.h"
#include "shell/reglages.h"
#include "shell/stockage.h"

namespace tlv::belote {

namespace {

// Sud's seat plays as ever; Nord is the partner, Est and Ouest the opponents.
std::array<Niveau, 5> niveauxdessieges(Niveau partenaire, Niveau adversaires) {
    return {Niveau::classique, Niveau::classique, adversaires, partenaire, adversaires};
}

} // namespace

void Ecran::chargepartie() {
    sauvee_.reset();
    Stockage& st = *ctx_.r.scores;
    if (st.presence(FichierPartie) == Stockage::Presence::absent) return;
    const auto lignes = st.litlignes(FichierPartie);
    if (lignes) sauvee_ = litsauvegarde(*lignes);
    // Neither removed nor read again: the player or a bug report may want it.
    if (!sauvee_) (void)st.metdecote(FichierPartie, FichierPartieAbimee);
}

void Ecran::sauvepartie(Sauvegarde s) {
    if (fichierjournal_) {
        fichierjournal_->flush();
        std::error_code ec;
        const auto taille = std::filesystem::file_size(ctx_.journal, ec);
        s.journal = ec ? 0 : taille;
    }
    // A match that cannot be saved still plays: the folder's trouble is told where scores are written.
    (void)ctx_.r.scores->ecrit(FichierPartie, ecritsauvegarde(s));
}

void Ecran::oubliepartie() {
    sauvee_.reset();
    (void)ctx_.r.scores->retire(FichierPartie);
}

void Ecran::recoupejournal(std::uint64_t taille) {
    if (!fichierjournal_) return;
    fichierjournal_->close();
    std::error_code ec;
    if (std::filesystem::file_size(ctx_.journal, ec) > taille && !ec)
        std::filesystem::resize_file(ctx_.journal, taille, ec);
    fichierjournal_->open(ctx_.journal, std::ios::app | std::ios::binary);
}

void Ecran::reprendpartie() {
    const Sauvegarde s = *sauvee_;
    sauvee_.reset();
    ctx_.r.partieen = s.partieen;
    ctx_.r.avecannonces = s.avecannonces;
    b_.paquet.fauxjeu = s.fauxjeu;
    b_.paquet.donneurfauxjeu = static_cast<std::int16_t>(s.donneurfauxjeu);
    b_.paquet.avecfauxjeu = !s.fauxjeu.empty();
    b_.rnd.graine(s.graine);
    b_.niveaux = niveauxdessieges(s.partenaire, s.adversaires);
    b_.numeropartie = s.numeropartie - 1;
    recoupejournal(s.journal);
    // The journal hears nothing until the match is back at its point (the relay's hand-over).
    recit_.suite(nullptr);
    relais_.reprend(s);
}

void Ecran::joue() {
    if (reprendre_) {
        reprendre_ = false;
        reprendpartie();
    } else {
        // A new match takes the saved one's place at its first save.
        sauvee_.reset();
        conseils_ = 0;
        // The levels chosen now hold for the whole match, whatever the menu changes meanwhile.
        const auto niveau = [](const std::string& mot) { return litniveau(mot).value_or(Niveau::classique); };
        b_.niveaux = niveauxdessieges(niveau(ctx_.r.niveaupartenaire), niveau(ctx_.r.niveauadversaires));
        relais_.nouvellepartie();
    }
    lancelapartie(b_, relais_);
    if (!relais_.enavance()) return;
    // The saved answers did not lead back to the saved point: not this program's match after all.
    recit_.suite(journal_.get());
    (void)ctx_.r.scores->metdecote(FichierPartie, FichierPartieAbimee);
    tapis_.remetletapis();
    b_.table.partieencours = false;
    b_.ecran.arret = 0;
    affichelemenu();
}

} // namespace tlv::belote
