#pragma once
// Effects on one channel (a new one cuts the old, asynchronous), voices on another (synchronous), looping
// music. A missing file or no audio device is silence.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>

#include "ressources_sdl.h"

namespace tlv {

class Audio {
  public:
    // `instantane`: voices return at once (virtual clock). `trace`: every start is printed on stdout, or on
    // `sortie` when given (a test reading it in-process).
    Audio(bool instantane, bool trace, std::ostream* sortie = nullptr);
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    bool ouvert() const { return ouvert_; }
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
    void trace(const std::string& quoi, const std::string& chemin) const;
    void ecrit_trace(const std::string& ligne) const;
    bool ouvert_ = false, instantane_, trace_;
    std::ostream* sortie_;
    int frequence_ = 44100, canaux_ = 2;
    std::uint16_t format_ = 0;
    std::map<std::string, SonMix> chunks_;
    MusiqueMix musique_;
    std::string musique_nom_;
};

} // namespace tlv
