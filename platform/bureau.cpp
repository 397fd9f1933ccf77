#include "bureau.h"

#include <cstdio>
#include <string>

#include "systeme.h"

namespace tlv {

bool BureauSysteme::ouvre_url(const std::string& url) {
    return tlv::ouvre_url(url);
}

bool BureauSysteme::lance(const std::string& programme) {
    return lance_programme(programme);
}

namespace {

bool rapporte(const char* quoi, const std::string& nom) {
    std::printf("%s %s\n", quoi, nom.c_str());
    std::fflush(stdout);
    return true;
}

} // namespace

bool BureauRapporte::ouvre_url(const std::string& url) {
    return rapporte("url", url);
}

bool BureauRapporte::lance(const std::string& programme) {
    return rapporte("programme", programme);
}

} // namespace tlv
