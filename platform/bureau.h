#pragma once
// The desktop's services: a web page, another program, the clipboard. A robot run only reports them on
// stdout, and keeps what it copied for a later paste of the same run.
#include <string>

namespace tlv {

class Bureau {
  public:
    virtual ~Bureau() = default;
    virtual bool ouvre_url(const std::string& url) = 0;
    virtual bool lance(const std::string& programme) = 0;
    // The clipboard's text: put there, or read back ("" when it holds none).
    virtual bool copie(const std::string& texte) = 0;
    virtual std::string colle() = 0;
};

class BureauSysteme final : public Bureau {
  public:
    bool ouvre_url(const std::string& url) override;
    bool lance(const std::string& programme) override;
    bool copie(const std::string& texte) override;
    std::string colle() override;
};

class BureauRapporte final : public Bureau {
  public:
    bool ouvre_url(const std::string& url) override;
    bool lance(const std::string& programme) override;
    // Prints "presse-papiers <text>" and keeps the text for `colle`.
    bool copie(const std::string& texte) override;
    std::string colle() override { return pressepapiers_; }

  private:
    std::string pressepapiers_;
};

} // namespace tlv
