#include "bureau.h"

#include <SDL.h>

#include <cstdio>
#include <string>

#include "systeme.h"

namespace tlv {

bool BureauSysteme::ouvre_url(const std::string& url) {
    return tlv::ouvre_url(url);
}

bool BureauSysteme::lance(const std::string& programme) {
    return lance_programme(programme);
}

bool BureauSysteme::copie(const std::string& texte) {
    return SDL_SetClipboardText(texte.c_str()) == 0;
}

std::string BureauSysteme::colle() {
    char* t = SDL_GetClipboardText();
    std::string texte = t ? t : "";
    SDL_free(t);
    return texte;
}

namespace {

bool rapporte(const char* quoi, const std::string& nom) {
    std::printf("%s %s\n", quoi, nom.c_str());
    std::fflush(stdout);
    return true;
}

} // namespace

bool BureauRapporte::ouvre_url(const std::string& url) {
    return rapporte("url", url);
}

bool BureauRapporte::lance(const std::string& programme) {
    return rapporte("programme", programme);
}

bool BureauRapporte::copie(const std::string& texte) {
    pressepapiers_ = texte;
    return rapporte("presse-papiers", texte);
}

} // namespace tlv
