#include "trace_ecran.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#include "calque.h"

namespace tlv {

void trace_ecran(const Calque& f) {
    const char* brut = typeid(f).name();
    int etat = 0;
    const std::unique_ptr<char, void (*)(void*)> lisible(abi::__cxa_demangle(brut, nullptr, nullptr, &etat),
                                                         std::free);
    std::string nom = etat == 0 && lisible ? lisible.get() : brut;
    // The class alone: "tlv::Memo" -> "Memo".
    if (const auto p = nom.rfind("::"); p != std::string::npos) nom.erase(0, p + 2);
    std::printf("ecran %s\n", nom.c_str());
    std::fflush(stdout);
}

} // namespace tlv
