#pragma once
// The colours the screens name, 0x00RRGGBB, in one table so that a shade changes in one place.
#include <cstdint>

#include "surface.h"

namespace tlv {

// Raised text: cyan over a darker cyan, a pixel right and down (Polices::imprime_releve).
inline constexpr std::uint32_t Cyan = rgb(0, 255, 255);
inline constexpr std::uint32_t CyanSombre = rgb(0, 153, 153); // the launcher's, Belote's and the notices'
inline constexpr std::uint32_t CyanProfond =
    rgb(0, 144, 144); // Memo's, Quadrel's, the scores' and the labels
// A dialog's face and edges, as the controls draw them.
inline constexpr std::uint32_t Face = rgb(212, 208, 200);
inline constexpr std::uint32_t Ombre = rgb(128, 128, 128);
inline constexpr std::uint32_t Blanc = rgb(255, 255, 255);
inline constexpr std::uint32_t Noir = rgb(0, 0, 0);
// The help's and the notices' body text.
inline constexpr std::uint32_t Creme = rgb(238, 232, 210);

} // namespace tlv
