#include "source_sdl.h"

#include <SDL.h>

#include "entrees.h"
#include "presentation.h"

namespace tlv {

namespace {

int modificateurs() {
    const SDL_Keymod km = SDL_GetModState();
    return ((km & KMOD_SHIFT) ? maj::Shift : 0) | ((km & KMOD_CTRL) ? maj::Ctrl : 0) |
           ((km & KMOD_ALT) ? maj::Alt : 0);
}

int bouton_de(Uint8 b) {
    return b == SDL_BUTTON_LEFT ? bouton::Gauche : b == SDL_BUTTON_RIGHT ? bouton::Droit : bouton::Milieu;
}

// The keys the program knows; none for the others.
Touche code_de(SDL_Keycode k) {
    if (k >= SDLK_F1 && k <= SDLK_F12) return touche_fonction(1 + k - SDLK_F1);
    if (k >= SDLK_a && k <= SDLK_z) return touche_caractere(static_cast<char>('a' + (k - SDLK_a)));
    if (k >= SDLK_0 && k <= SDLK_9) return touche_caractere(static_cast<char>(k));
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return Touche::Entree;
    case SDLK_ESCAPE:
        return Touche::Echap;
    case SDLK_BACKSPACE:
        return Touche::Effacement;
    case SDLK_TAB:
        return Touche::Tab;
    case SDLK_SPACE:
        return Touche::Espace;
    case SDLK_LEFT:
        return Touche::Gauche;
    case SDLK_RIGHT:
        return Touche::Droite;
    case SDLK_UP:
        return Touche::Haut;
    case SDLK_DOWN:
        return Touche::Bas;
    case SDLK_DELETE:
        return Touche::Suppr;
    case SDLK_HOME:
        return Touche::Debut;
    case SDLK_END:
        return Touche::Fin;
    default:
        return Touche::Aucune;
    }
}

bool traduit_touche(const SDL_KeyboardEvent& ev, Entree& e) {
    e.type = Entree::Type::Touche;
    const SDL_Keycode k = ev.keysym.sym;
    // A held F11 or Alt+Entrée switches once.
    if (ev.repeat && (k == SDLK_F11 || ((k == SDLK_RETURN || k == SDLK_KP_ENTER) && (e.maj & maj::Alt))))
        return false;
    e.code = code_de(k);
    return e.code != Touche::Aucune;
}

// The window losing the player's attention, or getting it back; false for its other events.
bool traduit_fenetre(const SDL_WindowEvent& ev, Entree& e) {
    e.type = Entree::Type::Fenetre;
    switch (ev.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        e.active = false;
        return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        e.active = true;
        return true;
    default:
        return false;
    }
}

// SDL's event in our own vocabulary; false for what the program does not listen to.
bool traduit(const SDL_Event& ev, const Presentation& p, Entree& e) {
    e.maj = modificateurs();
    switch (ev.type) {
    case SDL_QUIT:
        e.type = Entree::Type::Quitter;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        e.type = ev.type == SDL_MOUSEBUTTONDOWN ? Entree::Type::SourisBas : Entree::Type::SourisHaut;
        e.x = ev.button.x, e.y = ev.button.y, e.bouton = bouton_de(ev.button.button);
        p.vers_logique(e.x, e.y);
        return true;
    case SDL_MOUSEMOTION:
        e.type = Entree::Type::SourisBouge;
        e.x = ev.motion.x, e.y = ev.motion.y;
        p.vers_logique(e.x, e.y);
        return true;
    case SDL_TEXTINPUT:
        e.type = Entree::Type::Caractere;
        e.texte = ev.text.text;
        return true;
    case SDL_KEYDOWN:
        return traduit_touche(ev.key, e);
    case SDL_WINDOWEVENT:
        return traduit_fenetre(ev.window, e);
    default:
        return false;
    }
}

// One event: the window's go to the presentation, the player's to `d`. True when `d` got one.
bool traite(const SDL_Event& ev, Presentation& p, Destinataire& d) {
    if (ev.type == SDL_WINDOWEVENT) p.evenement_fenetre(ev.window);
    Entree e;
    if (!traduit(ev, p, e)) return false;
    d.recoit(e);
    return true;
}

} // namespace

bool SourceSdl::releve(Destinataire& d) {
    bool une = false;
    SDL_Event ev;
    while (SDL_PollEvent(&ev))
        if (traite(ev, presentation_, d)) une = true;
    return une;
}

bool SourceSdl::attend(int delai_ms, Destinataire& d) {
    SDL_Event ev;
    const int recu = delai_ms < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, delai_ms);
    return recu && traite(ev, presentation_, d);
}

} // namespace tlv
