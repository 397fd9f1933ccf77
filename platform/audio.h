#pragma once
// Effects on one channel (a new one cuts the old, asynchronous), voices on another (synchronous), looping
// music. A missing file or no audio device is silence. Each device runs only while something plays: after a
// short silence it is closed, so its thread stops waking, and the next sound opens it again.
// Effects and voices share a device with a short buffer, so they start at once. A tune plays on a device of
// its own with a long buffer, whose thread wakes less often. Where the system gives a program one stream
// only, one device carries both, with a buffer twice as long as the effects' own.
// A device closes aside, on a thread of its own: its last buffers drain meanwhile.
// SDL talks to PipeWire natively where it can: through its pulse service the server costs five times more.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ressources_sdl.h"

namespace tlv {

class Air;

// The audio drivers to ask SDL for, in order, among those built into it (`presents`): PipeWire's own, then
// PulseAudio's, then SDL's own choice (""). Only SDL's own choice when the player names a driver
// (`variable`, SDL_AUDIODRIVER's value), which SDL follows.
std::vector<std::string> pilotes_audio(const char* variable, const std::vector<std::string>& presents);

class Audio {
  public:
    // `instantane`: voices return at once (virtual clock). `trace`: every start is printed on stdout, or on
    // `sortie` when given (a test reading it in-process).
    // `temps`: real milliseconds for the silence before a device closes (a test gives its own).
    Audio(bool instantane, bool trace, std::ostream* sortie = nullptr,
          std::function<std::int64_t()> temps = {});
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    bool ouvert() const { return ouvert_; }
    // A device is open and its thread runs.
    bool actif() const { return effets_ouverts_ || flux_musique_ != 0; }
    // Something is heard: an effect, a voice or a tune.
    bool joue() const;
    // Closes each device once its silence has lasted `Repos_ms`. Returns the ms after which to ask again,
    // or -1 when only a new sound can change anything.
    int veille();
    static constexpr int Repos_ms = 1000;
    void effet(const std::string& chemin);
    void voix(const std::string& chemin);
    void musique(const std::string& chemin, bool boucle);
    void arrete_musique();
    // Waits (at most `max_ms`) for the effect playing to end; at once on the virtual clock.
    void attend_fin_effet(int max_ms);
    // The file of the tune playing, empty when none.
    const std::string& musique_courante() const { return musique_nom_; }
    // Length in ms of one buffer of the device the tune plays on; 0 when no tune is heard.
    int periode_musique_ms() const;
    // The tune and the effects have a device each (false: the system gives one stream only).
    bool deux_flux() const { return !un_flux_; }

  private:
    Mix_Chunk* chunk(const std::string& chemin);
    // Opens the effects' device if closed; false when there is none.
    bool reveille();
    bool ouvre_effets();
    // Frames in one buffer of the effects' device.
    int trames_effets() const;
    bool ouvre_flux_musique();
    // The tune the devices read from now on (none: silence). Swapped under the reading device's lock.
    void attache(Air* a);
    static void remplit(void* audio, std::uint8_t* flux, int n);
    // Each returns when to ask again, and adds the closing of its device to `fermer` once it is due.
    int veille_effets(std::int64_t t, std::vector<std::function<void()>>& fermer);
    int veille_musique(std::int64_t t, std::vector<std::function<void()>>& fermer);
    // Waits for the devices being closed aside.
    void attend_fermetures();
    void joue_sur(int canal, Mix_Chunk* c);
    std::int64_t duree_ms(const Mix_Chunk* c) const;
    bool air_joue() const;
    void trace(const std::string& quoi, const std::string& chemin) const;
    void ecrit_trace(const std::string& ligne) const;
    bool ouvert_ = false, effets_ouverts_ = false, instantane_, trace_;
    // One stream only (SDL's outputs without a sound card, or a second device refused): the tune goes
    // through the effects' device.
    bool un_flux_ = false;
    std::uint32_t flux_musique_ = 0; // the tune's own device
    std::ostream* sortie_;
    std::function<std::int64_t()> temps_;
    std::int64_t fin_prevue_ = 0, muet_depuis_ = -1, musique_muette_depuis_ = -1;
    std::map<std::string, SonMix> chunks_;
    // Tunes stay decoded: coming back to a screen costs nothing.
    std::map<std::string, std::unique_ptr<Air>> airs_;
    Air* air_ = nullptr; // the one heard; read by the thread of the device carrying it
    bool air_boucle_ = true;
    std::string musique_nom_;
    std::thread fermetures_;
};

} // namespace tlv
