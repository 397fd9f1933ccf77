#include "audio.h"

#include "air.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
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

Audio::Audio(bool instantane, bool trace, std::ostream* sortie, std::function<std::int64_t()> temps)
    : instantane_(instantane), trace_(trace), sortie_(sortie), temps_(std::move(temps)) {
    if (!temps_)
        temps_ = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        };
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_OGG);
    ouvert_ = true;
    // Opened now to know whether there is a device; a device that fails later is silence, as none is.
    ouvert_ = reveille();
}

Audio::~Audio() {
    if (actif_) {
        Mix_HaltChannel(-1);
        coupe_air();
    }
    // Sounds go before the device closes.
    airs_.clear();
    chunks_.clear();
    if (actif_) Mix_CloseAudio();
    if (ouvert_) Mix_Quit();
}

bool Audio::reveille() {
    if (actif_) return true;
    if (!ouvert_ || Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    Mix_AllocateChannels(2);
    int f = 0, c = 0;
    Uint16 fmt = 0;
    Mix_QuerySpec(&f, &fmt, &c);
    // Sounds are kept converted to the device's format: another format makes them stale.
    if (f != frequence_ || c != canaux_ || fmt != format_) chunks_.clear(), airs_.clear();
    frequence_ = f, canaux_ = c, format_ = fmt;
    actif_ = true;
    muet_depuis_ = -1;
    return true;
}

bool Audio::air_joue() const {
    return air_ && !air_->fini();
}

bool Audio::joue() const {
    return actif_ && (Mix_Playing(-1) > 0 || air_joue());
}

void Audio::coupe_air() {
    // Once unhooked (under the device's lock), the mixer no longer reads the tune.
    if (air_) Mix_HookMusic(nullptr, nullptr);
    air_ = nullptr;
}

int Audio::veille() {
    if (!actif_) return -1;
    const std::int64_t t = temps_();
    if (air_joue()) {
        // A looping tune: only stopping it can bring silence, and that asks again.
        muet_depuis_ = -1;
        return -1;
    }
    if (Mix_Playing(-1) > 0) {
        muet_depuis_ = -1;
        return static_cast<int>(std::clamp<std::int64_t>(fin_prevue_ - t, 50, Repos_ms));
    }
    // The end of a sound still sits in the device's buffers: closing at once would cut it.
    if (muet_depuis_ < 0) muet_depuis_ = t;
    if (t - muet_depuis_ < Repos_ms) return static_cast<int>(muet_depuis_ + Repos_ms - t);
    coupe_air();
    Mix_CloseAudio();
    actif_ = false;
    return -1;
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

std::int64_t Audio::duree_ms(const Mix_Chunk* c) const {
    const int octets = SDL_AUDIO_BITSIZE(format_) / 8 * canaux_;
    return octets > 0 ? static_cast<std::int64_t>(1000.0 * c->alen / octets / frequence_) : 0;
}

void Audio::joue_sur(int canal, Mix_Chunk* c) {
    Mix_PlayChannel(canal, c, 0);
    fin_prevue_ = std::max(fin_prevue_, temps_() + duree_ms(c));
    muet_depuis_ = -1;
}

void Audio::effet(const std::string& chemin) {
    trace("effet", chemin);
    if (!reveille()) return;
    if (Mix_Chunk* c = chunk(chemin)) joue_sur(CanalEffets, c);
}

void Audio::voix(const std::string& chemin) {
    trace("voix", chemin);
    if (!reveille()) return;
    Mix_Chunk* c = chunk(chemin);
    if (!c) return;
    joue_sur(CanalVoix, c);
    if (instantane_) return;
    // The game waits for the word: sleep for its length, the window's events wait meanwhile.
    SDL_Delay(static_cast<Uint32>(duree_ms(c)));
}

void Audio::musique(const std::string& chemin, bool boucle) {
    trace("musique", chemin);
    musique_nom_ = chemin;
    if (!reveille()) return;
    coupe_air();
    auto& a = airs_[chemin];
    if (!a) a = std::make_unique<Air>(chemin, frequence_, format_, canaux_);
    a->demarre(boucle);
    air_ = a.get();
    muet_depuis_ = -1;
    Mix_HookMusic([](void* u, Uint8* flux, int n) { static_cast<Air*>(u)->lit(flux, n); }, air_);
}

void Audio::arrete_musique() {
    if (trace_) ecrit_trace("musique arret\n");
    musique_nom_.clear();
    if (!actif_) return;
    coupe_air();
}

} // namespace tlv

namespace tlv {

void Audio::attend_fin_effet(int max_ms) {
    if (!actif_ || instantane_) return;
    for (int t = 0; t < max_ms && Mix_Playing(CanalEffets); t += 10) SDL_Delay(10);
}

} // namespace tlv
