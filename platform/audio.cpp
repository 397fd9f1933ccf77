#include "audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace tlv {

namespace {
constexpr int CanalEffets = 0, CanalVoix = 1;

std::string nom_court(const std::string& chemin) {
    const auto p = std::filesystem::path(chemin);
    const auto parent = p.parent_path().filename().string();
    return parent == "voix.fr" ? parent + "/" + p.filename().string() : p.filename().string();
}
} // namespace

Audio::Audio(bool instantane, bool trace, std::ostream* sortie)
    : instantane_(instantane), trace_(trace), sortie_(sortie) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return;
    Mix_AllocateChannels(2);
    int f = 0, c = 0;
    Uint16 fmt = 0;
    Mix_QuerySpec(&f, &fmt, &c);
    frequence_ = f, canaux_ = c, format_ = fmt;
    ouvert_ = true;
}

Audio::~Audio() {
    if (!ouvert_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    // Sounds go before the device closes.
    musique_.reset();
    chunks_.clear();
    Mix_CloseAudio();
    Mix_Quit();
}

void Audio::trace(const std::string& quoi, const std::string& chemin) const {
    if (trace_) ecrit_trace(quoi + " " + (chemin.empty() ? "" : nom_court(chemin)) + "\n");
}

void Audio::ecrit_trace(const std::string& ligne) const {
    if (sortie_) {
        *sortie_ << ligne;
        return;
    }
    std::fputs(ligne.c_str(), stdout);
    std::fflush(stdout);
}

Mix_Chunk* Audio::chunk(const std::string& chemin) {
    auto it = chunks_.find(chemin);
    if (it != chunks_.end()) return it->second.get();
    SDL_RWops* rw = ouvre_lecture(chemin);
    return (chunks_[chemin] = SonMix(rw ? Mix_LoadWAV_RW(rw, 1) : nullptr)).get();
}

void Audio::effet(const std::string& chemin) {
    trace("effet", chemin);
    if (!ouvert_) return;
    if (Mix_Chunk* c = chunk(chemin)) Mix_PlayChannel(CanalEffets, c, 0);
}

void Audio::voix(const std::string& chemin) {
    trace("voix", chemin);
    if (!ouvert_) return;
    Mix_Chunk* c = chunk(chemin);
    if (!c) return;
    Mix_PlayChannel(CanalVoix, c, 0);
    if (instantane_) return;
    // The game waits for the word: sleep for its length, the window's events wait meanwhile.
    const int octets = SDL_AUDIO_BITSIZE(format_) / 8 * canaux_;
    const Uint32 duree = octets > 0 ? static_cast<Uint32>(1000.0 * c->alen / octets / frequence_) : 0;
    SDL_Delay(duree);
}

void Audio::musique(const std::string& chemin, bool boucle) {
    trace("musique", chemin);
    musique_nom_ = chemin;
    if (!ouvert_) return;
    Mix_HaltMusic();
    SDL_RWops* rw = ouvre_lecture(chemin);
    musique_.reset(rw ? Mix_LoadMUS_RW(rw, 1) : nullptr);
    if (musique_) Mix_PlayMusic(musique_.get(), boucle ? -1 : 1);
}

void Audio::arrete_musique() {
    if (trace_) ecrit_trace("musique arret\n");
    musique_nom_.clear();
    if (!ouvert_) return;
    Mix_HaltMusic();
}

} // namespace tlv

namespace tlv {

void Audio::attend_fin_effet(int max_ms) {
    if (!ouvert_ || instantane_) return;
    for (int t = 0; t < max_ms && Mix_Playing(CanalEffets); t += 10) SDL_Delay(10);
}

} // namespace tlv
