#include "audio.h"

#include "air.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <vector>

namespace tlv {

namespace {
constexpr int CanalEffets = 0, CanalVoix = 1;
// One format everywhere, converted by SDL where the hardware differs: sounds and tunes are kept decoded in
// it and never go stale when a device opens again.
constexpr int Frequence = 44100, Canaux = 2;
constexpr Uint16 Format = AUDIO_S16SYS;
// An effect waits at most one buffer for the next mix, then the system's queue of about as much: 23 ms
// buffers keep the whole within the 50 ms it may take.
constexpr int TramesEffets = 1024;
// A tune has no such haste: 93 ms buffers. On PipeWire's own driver its thread then wakes 11 times a second
// instead of 43; through a pulse server it wakes as the server asks, whatever the buffer: 87-98 times a
// second through PipeWire's pulse service, 66-69 on PulseAudio.
constexpr int TramesMusique = 4096;
// One device for all, on a system with one stream (no sound card: SDL's null output): 46 ms buffers, the
// longest an effect may wait for its mix; such outputs keep no queue of their own.
constexpr int TramesPartagees = 2048;

// Starts SDL's audio on the first of `pilotes_audio` that works. A driver asked for by name must see an
// output: PipeWire may run beside another sound server, for screen sharing, with none.
bool demarre_sdl_audio() {
    std::vector<std::string> presents;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) presents.emplace_back(SDL_GetAudioDriver(i));
    for (const auto& pilote : pilotes_audio(SDL_getenv(SDL_HINT_AUDIODRIVER), presents)) {
        if (pilote.empty()) return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        // The hint lasts for this one start only.
        SDL_SetHint(SDL_HINT_AUDIODRIVER, pilote.c_str());
        const bool demarre = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (demarre && SDL_GetNumAudioDevices(0) > 0) return true;
        if (demarre) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    return false;
}

std::string nom_court(const std::string& chemin) {
    const auto p = std::filesystem::path(chemin);
    const auto parent = p.parent_path().filename().string();
    return parent == "voix.fr" ? parent + "/" + p.filename().string() : p.filename().string();
}
} // namespace

std::vector<std::string> pilotes_audio(const char* variable, const std::vector<std::string>& presents) {
    std::vector<std::string> r;
    if (!variable || !*variable)
        for (const char* p : {"pipewire", "pulseaudio"})
            if (std::find(presents.begin(), presents.end(), p) != presents.end()) r.emplace_back(p);
    r.emplace_back();
    return r;
}

Audio::Audio(bool instantane, bool trace, std::ostream* sortie, std::function<std::int64_t()> temps)
    : instantane_(instantane), trace_(trace), sortie_(sortie), temps_(std::move(temps)) {
    if (!temps_)
        temps_ = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        };
    if (!demarre_sdl_audio()) return;
    Mix_Init(MIX_INIT_OGG);
    ouvert_ = true;
    // SDL's outputs for machines without a sound card keep one device open at a time.
    const std::string pilote = SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "";
    un_flux_ = pilote == "dummy" || pilote == "disk";
    // Opened now to know whether there is a device; a device that fails later is silence, as none is.
    ouvert_ = reveille();
}

Audio::~Audio() {
    attend_fermetures();
    if (flux_musique_) SDL_CloseAudioDevice(flux_musique_);
    if (effets_ouverts_) {
        Mix_HaltChannel(-1);
        Mix_HookMusic(nullptr, nullptr);
    }
    // Sounds go before the device closes.
    airs_.clear();
    chunks_.clear();
    if (effets_ouverts_) Mix_CloseAudio();
    if (ouvert_) Mix_Quit();
}

void Audio::attend_fermetures() {
    if (fermetures_.joinable()) fermetures_.join();
}

bool Audio::ouvre_effets() {
    // A device still closing may hold the only place the system has.
    attend_fermetures();
    return Mix_OpenAudioDevice(Frequence, Format, Canaux, trames_effets(), nullptr, 0) == 0;
}

bool Audio::reveille() {
    if (effets_ouverts_) return true;
    if (!ouvert_) return false;
    if (!ouvre_effets()) {
        if (!flux_musique_) return false;
        // One stream only on this system: the tune moves over to the effects' device, for good.
        SDL_CloseAudioDevice(flux_musique_);
        flux_musique_ = 0;
        un_flux_ = true;
        if (!ouvre_effets()) {
            air_ = nullptr;
            return false;
        }
    }
    Mix_AllocateChannels(2);
    effets_ouverts_ = true;
    muet_depuis_ = -1;
    if (un_flux_ && air_) Mix_HookMusic(&Audio::remplit, this);
    return true;
}

bool Audio::ouvre_flux_musique() {
    if (flux_musique_) return true;
    attend_fermetures();
    SDL_AudioSpec voulu{};
    voulu.freq = Frequence;
    voulu.format = Format;
    voulu.channels = Canaux;
    voulu.samples = TramesMusique;
    voulu.callback = &Audio::remplit;
    voulu.userdata = this;
    flux_musique_ = SDL_OpenAudioDevice(nullptr, 0, &voulu, nullptr, 0);
    if (!flux_musique_) return false;
    musique_muette_depuis_ = -1;
    SDL_PauseAudioDevice(flux_musique_, 0);
    return true;
}

void Audio::remplit(void* audio, std::uint8_t* flux, int n) {
    if (Air* a = static_cast<Audio*>(audio)->air_)
        a->lit(flux, n);
    else
        std::memset(flux, 0, static_cast<std::size_t>(std::max(0, n)));
}

void Audio::attache(Air* a) {
    if (flux_musique_) {
        SDL_LockAudioDevice(flux_musique_);
        air_ = a;
        SDL_UnlockAudioDevice(flux_musique_);
    } else if (effets_ouverts_) {
        // Unhooked under the mixer's lock, the old tune is no longer read; hooking again publishes the new.
        Mix_HookMusic(nullptr, nullptr);
        air_ = a;
        if (a) Mix_HookMusic(&Audio::remplit, this);
    } else {
        air_ = a;
    }
}

bool Audio::air_joue() const {
    return air_ && !air_->fini();
}

bool Audio::joue() const {
    return (effets_ouverts_ && Mix_Playing(-1) > 0) || air_joue();
}

int Audio::periode_musique_ms() const {
    if (!air_joue()) return 0;
    return (flux_musique_ ? TramesMusique : trames_effets()) * 1000 / Frequence;
}

int Audio::trames_effets() const {
    return un_flux_ ? TramesPartagees : TramesEffets;
}

int Audio::veille() {
    const std::int64_t t = temps_();
    std::vector<std::function<void()>> fermer;
    const int m = veille_musique(t, fermer), e = veille_effets(t, fermer);
    if (!fermer.empty()) {
        // A device's thread plays out its last buffers before it ends, up to a fifth of a second: the
        // closing goes on aside, and the game never waits for it unless it opens a device meanwhile.
        attend_fermetures();
        fermetures_ = std::thread([f = std::move(fermer)] {
            for (const auto& ferme : f) ferme();
        });
    }
    return m < 0 ? e : e < 0 ? m : std::min(m, e);
}

int Audio::veille_musique(std::int64_t t, std::vector<std::function<void()>>& fermer) {
    if (!flux_musique_) return -1;
    if (air_joue()) {
        musique_muette_depuis_ = -1;
        // A looping tune: only stopping it can bring silence, and that asks again.
        return air_boucle_ ? -1 : Repos_ms;
    }
    if (musique_muette_depuis_ < 0) musique_muette_depuis_ = t;
    if (t - musique_muette_depuis_ < Repos_ms) return static_cast<int>(musique_muette_depuis_ + Repos_ms - t);
    // Its thread reads the tune until it ends: unhooked first, under its lock.
    attache(nullptr);
    fermer.push_back([d = flux_musique_] { SDL_CloseAudioDevice(d); });
    flux_musique_ = 0;
    return -1;
}

int Audio::veille_effets(std::int64_t t, std::vector<std::function<void()>>& fermer) {
    if (!effets_ouverts_) return -1;
    if (un_flux_ && air_joue()) {
        muet_depuis_ = -1;
        return air_boucle_ ? -1 : Repos_ms;
    }
    if (Mix_Playing(-1) > 0) {
        muet_depuis_ = -1;
        return static_cast<int>(std::clamp<std::int64_t>(fin_prevue_ - t, 50, Repos_ms));
    }
    // The end of a sound still sits in the device's buffers: closing at once would cut it.
    if (muet_depuis_ < 0) muet_depuis_ = t;
    if (t - muet_depuis_ < Repos_ms) return static_cast<int>(muet_depuis_ + Repos_ms - t);
    if (!flux_musique_) attache(nullptr);
    // Once marked closed, nothing here calls the mixer until it opens again, after this has ended.
    fermer.push_back([] { Mix_CloseAudio(); });
    effets_ouverts_ = false;
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
    constexpr int octets = SDL_AUDIO_BITSIZE(Format) / 8 * Canaux;
    return static_cast<std::int64_t>(1000.0 * c->alen / octets / Frequence);
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
    if (!ouvert_) return;
    auto& a = airs_[chemin];
    if (!a) a = std::make_unique<Air>(chemin, Frequence, Format, Canaux);
    // The old tune stops being read before the new one is rewound.
    attache(nullptr);
    a->demarre(boucle);
    air_boucle_ = boucle;
    if (un_flux_ || !ouvre_flux_musique()) {
        // No second stream: the tune goes through the effects' device, from now on.
        if (!reveille()) return;
        un_flux_ = true;
    }
    attache(a.get());
}

void Audio::arrete_musique() {
    if (trace_) ecrit_trace("musique arret\n");
    musique_nom_.clear();
    attache(nullptr);
}

void Audio::attend_fin_effet(int max_ms) {
    if (!effets_ouverts_ || instantane_) return;
    for (int t = 0; t < max_ms && Mix_Playing(CanalEffets); t += 10) SDL_Delay(10);
}

} // namespace tlv
