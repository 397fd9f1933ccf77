#include "robot.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "horloge.h"
#include "minuteries.h"
#include "presentation.h"
#include "quitter.h"
#include "routage.h"
#include "socle/chaines.h"
#include "trace_ecran.h"

namespace tlv {

namespace {

[[noreturn]] void mauvaise(int ligne, const std::string& texte, const std::string& pourquoi) {
    throw ErreurScript("ligne " + std::to_string(ligne) + " : " + pourquoi + " : " + texte);
}

bool entier(const std::string& s, int& v) {
    if (s.empty()) return false;
    std::size_t fin = 0;
    try {
        v = std::stoi(s, &fin);
    } catch (...) {
        return false;
    }
    return fin == s.size();
}

// None when the name is no key.
std::optional<Touche> code_touche(const std::string& nom, std::string& car) {
    car.clear();
    if (nom == "Entree") return Touche::Entree;
    if (nom == "Echap") return Touche::Echap;
    if (nom == "Tab") return Touche::Tab;
    if (nom == "Effacement") return Touche::Effacement;
    if (nom == "Espace") return Touche::Espace;
    if (nom == "Gauche") return Touche::Gauche;
    if (nom == "Droite") return Touche::Droite;
    if (nom == "Haut") return Touche::Haut;
    if (nom == "Bas") return Touche::Bas;
    if (nom == "Suppr") return Touche::Suppr;
    if (nom == "Debut") return Touche::Debut;
    if (nom == "Fin") return Touche::Fin;
    if (nom.size() >= 2 && nom[0] == 'F') {
        int n = 0;
        if (entier(nom.substr(1), n) && n >= 1 && n <= 12) return touche_fonction(n);
    }
    // One character, possibly several bytes of UTF-8.
    std::size_t fin = 0;
    if (nom.empty() || !lis_utf8(nom, fin) || fin != nom.size()) return std::nullopt;
    const unsigned char c0 = static_cast<unsigned char>(nom[0]);
    car = nom;
    if ((c0 >= 'a' && c0 <= 'z') || (c0 >= 'A' && c0 <= 'Z') || (c0 >= '0' && c0 <= '9'))
        return touche_caractere(static_cast<char>(c0));
    if (c0 == ' ') return Touche::Espace;
    return Touche::Aucune; // a character with no key code of its own: only its text is delivered
}

// Modifiers after the arguments: maj, ctrl, alt, or several joined by '+'.
void modificateurs(int numero, const std::string& brute, const std::vector<std::string>& args,
                   std::size_t debut, int& m) {
    for (std::size_t i = debut; i < args.size(); ++i) {
        std::istringstream mots(args[i]);
        for (std::string t; std::getline(mots, t, '+');) {
            if (t == "maj")
                m |= maj::Shift;
            else if (t == "ctrl")
                m |= maj::Ctrl;
            else if (t == "alt")
                m |= maj::Alt;
            else
                mauvaise(numero, brute, "modificateur inconnu « " + t + " »");
        }
    }
}

// Seconds of virtual time, written as a decimal number.
std::int64_t duree(int numero, const std::string& brute, const std::string& mot) {
    char* fin = nullptr;
    const double s = std::strtod(mot.c_str(), &fin);
    if (fin == mot.c_str() || *fin || !(s >= 0) || s > 1e7) mauvaise(numero, brute, "durée invalide");
    return static_cast<std::int64_t>(s * 1000 + 0.5);
}

} // namespace

Robot::Commande Robot::lit_commande(const std::string& verbe, const std::vector<std::string>& args,
                                    const std::string& brute, int numero) {
    Commande c{};
    c.ligne = numero;
    if (verbe == "clic" || verbe == "clicdroit" || verbe == "survol") {
        c.type = verbe == "clic"        ? Commande::Type::Clic
                 : verbe == "clicdroit" ? Commande::Type::ClicDroit
                                        : Commande::Type::Survol;
        if (args.size() < 2 || !entier(args[0], c.x) || !entier(args[1], c.y))
            mauvaise(numero, brute, "coordonnées attendues");
        modificateurs(numero, brute, args, 2, c.maj);
        if (c.type == Commande::Type::Survol && c.maj) mauvaise(numero, brute, "survol sans modificateur");
    } else if (verbe == "touche") {
        c.type = Commande::Type::Touche;
        if (args.empty()) mauvaise(numero, brute, "une touche attendue");
        const std::optional<Touche> t = code_touche(args[0], c.texte);
        if (!t) mauvaise(numero, brute, "touche inconnue");
        c.code = *t;
        modificateurs(numero, brute, args, 1, c.maj);
    } else if (verbe == "texte") {
        c.type = Commande::Type::Texte;
        const auto p = brute.find("texte") + 5;
        c.texte = p < brute.size() ? brute.substr(p + 1) : std::string();
    } else if (verbe == "attends") {
        c.type = Commande::Type::Attends;
        if (args.size() > 1) mauvaise(numero, brute, "une durée au plus");
        if (args.size() == 1) c.duree_ms = duree(numero, brute, args[0]);
    } else if (verbe == "fenetre") {
        c.type = Commande::Type::Fenetre;
        if (args.size() != 1 || (args[0] != "active" && args[0] != "inactive"))
            mauvaise(numero, brute, "« active » ou « inactive » attendu");
        c.active = args[0] == "active";
    } else if (verbe == "capture") {
        c.type = Commande::Type::Capture;
        if (args.empty() || args.size() > 2) mauvaise(numero, brute, "un nom de fichier attendu");
        c.texte = args[0];
        if (args.size() == 2) {
            c.duree_ms = duree(numero, brute, args[1]);
            c.differee = true;
        }
    } else {
        mauvaise(numero, brute, "commande inconnue");
    }
    return c;
}

std::vector<Robot::Commande> Robot::analyse(const std::string& contenu) {
    std::vector<Commande> r;
    std::istringstream in(contenu);
    std::string brute;
    int numero = 0;
    while (std::getline(in, brute)) {
        ++numero;
        if (!brute.empty() && brute.back() == '\r') brute.pop_back();
        std::string ligne = brute;
        const auto diese = ligne.find('#');
        // `texte` keeps everything after its blank, '#' included.
        std::istringstream mots(ligne);
        std::string verbe;
        mots >> verbe;
        if (verbe != "texte" && diese != std::string::npos) {
            ligne = ligne.substr(0, diese);
            mots = std::istringstream(ligne);
            verbe.clear();
            mots >> verbe;
        }
        if (verbe.empty()) continue;
        std::vector<std::string> args;
        for (std::string a; mots >> a;) args.push_back(a);
        r.push_back(lit_commande(verbe, args, brute, numero));
    }
    return r;
}

void Robot::charge(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) throw ErreurScript("script illisible : " + chemin);
    std::stringstream tout;
    tout << f.rdbuf();
    commandes(analyse(tout.str()));
}

void Robot::branche(const BrancheRobot& b) {
    sdl_ = &b.sdl;
    routage_ = &b.routage;
    presentation_ = &b.presentation;
    minuteries_ = &b.minuteries;
    horloge_ = &b.horloge;
    nomme_ecrans_ = std::getenv("TLV_ROBOT_ECRANS") != nullptr;
}

namespace {
// The window's events (closing it, a resize) still count in a robot run, but the script alone says when the
// player leaves the window: where the test's window has the focus says nothing of the player.
struct SansFenetre final : Destinataire {
    Destinataire& d;
    explicit SansFenetre(Destinataire& dest) : d(dest) {}
    void recoit(const Entree& e) override {
        if (e.type != Entree::Type::Fenetre) d.recoit(e);
    }
};
} // namespace

bool Robot::releve(Destinataire& d) {
    SansFenetre s(d);
    return sdl_->releve(s);
}

bool Robot::attend(int delai_ms, Destinataire& d) {
    SansFenetre s(d);
    return sdl_->attend(delai_ms, s);
}

bool Robot::tour_du_joueur(const Delai& delai, Destinataire& d) {
    (void)delai, (void)d; // the script's input waits in the queue for the next giving way
    derniere_attente_ = horloge_->ms();
    point_attente();
    return true;
}

void Robot::avant_saut(std::int64_t ms) {
    if (ms - derniere_attente_ > 6LL * 3600 * 1000)
        throw std::runtime_error("le programme ne rend plus la main au joueur");
}

void Robot::ecran_montre(const Calque& c) {
    if (nomme_ecrans_) trace_ecran(c);
}

void Robot::pousse_souris(const Commande& c, Entree::Type t, int b) {
    Entree e;
    e.type = t, e.x = c.x + presentation_->decalagex(), e.y = c.y + presentation_->decalagey();
    e.bouton = b, e.maj = c.maj;
    routage_->pousse(e);
}

void Robot::pousse_touche(const Commande& c) {
    if (c.code != Touche::Aucune) {
        Entree e;
        e.type = Entree::Type::Touche, e.code = c.code, e.maj = c.maj;
        routage_->pousse(e);
    }
    if (!c.texte.empty()) {
        Entree e;
        e.type = Entree::Type::Caractere, e.texte = c.texte;
        routage_->pousse(e);
    }
}

void Robot::pousse_texte(const std::string& texte) {
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t n = longueur_utf8(texte, i);
        Entree e;
        e.type = Entree::Type::Caractere, e.texte = texte.substr(i, n);
        routage_->pousse(e);
        i += n;
    }
}

void Robot::execute(const Commande& c) {
    switch (c.type) {
    case Commande::Type::Clic:
    case Commande::Type::ClicDroit: {
        const int b = c.type == Commande::Type::Clic ? bouton::Gauche : bouton::Droit;
        pousse_souris(c, Entree::Type::SourisBouge, 0);
        pousse_souris(c, Entree::Type::SourisBas, b);
        pousse_souris(c, Entree::Type::SourisHaut, b);
        break;
    }
    case Commande::Type::Survol:
        pousse_souris(c, Entree::Type::SourisBouge, 0);
        break;
    case Commande::Type::Touche:
        pousse_touche(c);
        break;
    case Commande::Type::Texte:
        pousse_texte(c.texte);
        break;
    case Commande::Type::Capture:
        if (c.differee) {
            differees_.push_back({horloge_->ms() + c.duree_ms, c.texte});
            break;
        }
        if (!presentation_->capture(c.texte)) *journal_ << "capture impossible : " << c.texte << '\n';
        break;
    case Commande::Type::Fenetre: {
        // As SDL's window events come: through the routing, to every screen shown.
        Entree e;
        e.type = Entree::Type::Fenetre, e.active = c.active;
        routage_->pousse(e);
        break;
    }
    case Commande::Type::Attends:
        break;
    }
}

std::int64_t Robot::prochaine_capture() const {
    std::int64_t t = -1;
    for (const Differee& d : differees_)
        if (t < 0 || d.echeance < t) t = d.echeance;
    return t;
}

void Robot::prend_captures() {
    // In the order they fall due; a capture taken is forgotten before the next, so none is taken twice.
    for (std::int64_t t; (t = prochaine_capture()) >= 0 && t <= horloge_->ms();) {
        const auto d = std::find_if(differees_.begin(), differees_.end(),
                                    [t](const Differee& x) { return x.echeance == t; });
        const std::string fichier = d->fichier;
        differees_.erase(d);
        if (!presentation_->capture(fichier)) *journal_ << "capture impossible : " << fichier << '\n';
    }
}

void Robot::point_attente() {
    prend_captures();
    if (fin_attente_ >= 0) {
        const std::int64_t maintenant = horloge_->ms();
        if (maintenant < fin_attente_) {
            // Timers tick while the robot waits: move to the next one, a capture's time, or the wait's end.
            std::int64_t cible = fin_attente_;
            for (const std::int64_t t : {minuteries_->prochaine(), prochaine_capture()})
                if (t >= 0 && t < cible) cible = std::max(t, maintenant);
            // A capture due now is taken at the next call, once the timers of this time have fired.
            horloge_->avance_a(cible);
            return;
        }
        fin_attente_ = -1;
    }
    while (pos_ < commandes_.size()) {
        const Commande& c = commandes_[pos_++];
        if (c.type == Commande::Type::Attends) {
            if (c.duree_ms > 0) fin_attente_ = horloge_->ms() + c.duree_ms;
            return;
        }
        execute(c);
    }
    // A picture asked for a time never reached would be missed silently.
    for (const Differee& d : differees_)
        *journal_ << "capture jamais prise (le temps ne l'a pas atteinte) : " << d.fichier << '\n';
    differees_.clear();
    throw Quitter{};
}

} // namespace tlv
