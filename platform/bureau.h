#pragma once
// The desktop's services: a web page, another program. A robot run only reports them on stdout.
#include <iosfwd>

namespace tlv {

class Bureau {
  public:
    virtual ~Bureau() = default;
    virtual bool ouvre_url(const std::string& url) = 0;
    virtual bool lance(const std::string& programme) = 0;
};

class BureauSysteme final : public Bureau {
  public:
    bool ouvre_url(const std::string& url) override;
    bool lance(const std::string& programme) override;
};

class BureauRapporte final : public Bureau {
  public:
    bool ouvre_url(const std::string& url) override;
    bool lance(const std::string& programme) override;
};

} // namespace tlv
