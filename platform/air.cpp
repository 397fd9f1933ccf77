#include "air.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tlv {

Air::Air(const std::string& chemin, int frequence, std::uint16_t format, int canaux) {
    silence_ = SDL_AUDIO_ISSIGNED(format) ? 0 : 0x80;
    fil_ = std::thread(&Air::decode_tout, this, chemin, frequence, format, canaux);
}

Air::~Air() {
    arret_.store(true);
    if (fil_.joinable()) fil_.join();
}

void Air::decode_tout(std::string chemin, int frequence, std::uint16_t format, int canaux) {
    // Behind the window: a tune may start while the first frame is drawn.
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_LOW);
    struct Fin {
        Air& a;
        ~Fin() { a.decode_.store(true); }
    } fin{*this};
    OggVorbis_File vf;
    // Close-on-exec, as every file the game opens: a program started meanwhile must not inherit it.
    FILE* f = std::fopen(chemin.c_str(), "rbe");
    if (!f) return;
    if (ov_open_callbacks(f, &vf, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        std::fclose(f);
        return;
    }
    struct Ferme {
        OggVorbis_File& f;
        ~Ferme() { ov_clear(&f); }
    } ferme{vf};
    const vorbis_info* vi = ov_info(&vf, -1);
    const ogg_int64_t echantillons = ov_pcm_total(&vf, -1);
    if (!vi || echantillons <= 0 || frequence <= 0) return;
    SDL_AudioStream* flot =
        SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(vi->channels), static_cast<int>(vi->rate), format,
                           static_cast<Uint8>(canaux), frequence);
    if (!flot) return;
    // Room for the whole tune at the device's rate, and a little for the resampler's rounding.
    const double taille = static_cast<double>(echantillons) * frequence / static_cast<double>(vi->rate) *
                          canaux * (SDL_AUDIO_BITSIZE(format) / 8);
    pcm_.assign(static_cast<std::size_t>(taille) + 4096, silence_);
    std::size_t pret = 0;
    auto recupere = [&] {
        const int n = SDL_AudioStreamGet(flot, pcm_.data() + pret, static_cast<int>(pcm_.size() - pret));
        if (n > 0) pret += static_cast<std::size_t>(n);
        pret_.store(pret);
    };
    // Large blocks: a quarter of a second or so each, published as soon as converted.
    std::vector<char> bloc(1 << 16);
    int section = 0;
    for (;;) {
        if (arret_.load()) break;
        const long n = ov_read(&vf, bloc.data(), static_cast<int>(bloc.size()),
                               SDL_BYTEORDER == SDL_BIG_ENDIAN, 2, 1, &section);
        if (n == OV_HOLE) continue;
        if (n <= 0) {
            SDL_AudioStreamFlush(flot);
            recupere();
            break;
        }
        SDL_AudioStreamPut(flot, bloc.data(), static_cast<int>(n));
        recupere();
    }
    SDL_FreeAudioStream(flot);
}

void Air::lit(std::uint8_t* flux, int n) {
    auto reste = static_cast<std::size_t>(std::max(0, n));
    while (reste > 0 && !fini_.load()) {
        const std::size_t pret = pret_.load();
        if (pos_ >= pret) {
            if (!decode_.load()) break; // not decoded yet: a moment of silence, never a wrong sound
            if (pret == 0 || !boucle_) {
                fini_.store(true);
                break;
            }
            pos_ = 0;
            continue;
        }
        const std::size_t k = std::min(reste, pret - pos_);
        std::memcpy(flux, pcm_.data() + pos_, k);
        flux += k, pos_ += k, reste -= k;
    }
    std::memset(flux, silence_, reste);
}

} // namespace tlv
