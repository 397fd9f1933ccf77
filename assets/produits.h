// The list of data files the generator makes, each with the routine that writes it.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tlv {

struct Produit {
    std::string nom; // file name relative to the output folder
    std::function<void(const std::string& dossier)> fabrique;
    std::vector<std::string> aussi = {}; // other files written by the same routine
};

// Longest jobs first, so two workers finish together.
const std::vector<Produit>& produits();

} // namespace tlv
