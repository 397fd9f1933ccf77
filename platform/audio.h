#pragma once
// Effects on one channel (a new one cuts the old, asynchronous), voices on another (synchronous), looping
// music. A missing file or no audio device is silence. The device runs only while something plays: after a
// short silence it is closed, so its thread stops waking, and the next sound opens it again.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include "ressources_sdl.h"

namespace tlv {

class Air;

class Audio {
  public:
    // `instantane`: voices return at once (virtual clock). `trace`: every start is printed on stdout, or on
    // `sortie` when given (a test reading it in-process).
    // `temps`: real milliseconds for the silence before the device closes (a test gives its own).
    Audio(bool instantane, bool trace, std::ostream* sortie = nullptr,
          std::function<std::int64_t()> temps = {});
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    bool ouvert() const { return ouvert_; }
    // The device is open and its thread runs.
    bool actif() const { return actif_; }
    // Something is heard: an effect, a voice or a tune.
    bool joue() const;
    // Closes the device once silence has lasted `Repos_ms`. Returns the ms after which to ask again, or -1
    // when only a new sound can change anything.
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

  private:
    Mix_Chunk* chunk(const std::string& chemin);
    // Opens the device if closed; false when there is none.
    bool reveille();
    void joue_sur(int canal, Mix_Chunk* c);
    std::int64_t duree_ms(const Mix_Chunk* c) const;
    void coupe_air();
    bool air_joue() const;
    void trace(const std::string& quoi, const std::string& chemin) const;
    void ecrit_trace(const std::string& ligne) const;
    bool ouvert_ = false, actif_ = false, instantane_, trace_;
    std::ostream* sortie_;
    std::function<std::int64_t()> temps_;
    std::int64_t fin_prevue_ = 0, muet_depuis_ = -1;
    int frequence_ = 44100, canaux_ = 2;
    std::uint16_t format_ = 0;
    std::map<std::string, SonMix> chunks_;
    // Tunes stay decoded: coming back to a screen costs nothing.
    std::map<std::string, std::unique_ptr<Air>> airs_;
    Air* air_ = nullptr; // the one playing
    std::string musique_nom_;
};

} // namespace tlv
