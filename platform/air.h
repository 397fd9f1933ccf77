#pragma once
// A tune decoded ahead, whole and once, by a thread of its own into the device's format; the mixer then
// only copies it. Decoding a few blocks at every buffer the device asks for would cost as long as it plays.
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace tlv {

class Air {
  public:
    // The device's format: rate, SDL sample format, channels. Decoding starts at once.
    Air(const std::string& chemin, int frequence, std::uint16_t format, int canaux);
    ~Air();
    Air(const Air&) = delete;
    Air& operator=(const Air&) = delete;

    // From the start; `boucle`: over and over.
    void demarre(bool boucle) {
        pos_ = 0, boucle_ = boucle;
        fini_.store(false);
    }
    // The mixer's call: the next `n` bytes into `flux` (silence where nothing is decoded yet or left).
    void lit(std::uint8_t* flux, int n);
    // Played to its end (never when looping), or nothing could be decoded.
    bool fini() const { return fini_.load(); }
    // Decoded in full (a test waits for it).
    bool decode() const { return decode_.load(); }
    // Bytes of one pass, once decoded.
    std::size_t taille() const { return decode() ? pret_.load() : 0; }

  private:
    void decode_tout(std::string chemin, int frequence, std::uint16_t format, int canaux);
    std::vector<std::uint8_t> pcm_;    // sized before decoding starts: never moves while read
    std::atomic<std::size_t> pret_{0}; // bytes decoded so far
    std::atomic<bool> decode_{false}, fini_{false}, arret_{false};
    std::size_t pos_ = 0;
    bool boucle_ = true;
    std::uint8_t silence_ = 0;
    std::thread fil_;
};

} // namespace tlv
