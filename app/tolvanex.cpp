// The one place that knows every folder: it hands the launcher the games that are built.
#include "shell/demarrage.h"

int main(int argc, char** argv) {
    tlv::Jeux jeux;
    return tlv::Main(argc, argv, jeux);
}
