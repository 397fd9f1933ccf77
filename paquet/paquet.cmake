# The Debian package: cpack -G DEB makes tolvanex_<version>_amd64.deb. Configured with -DTLV_DEBIAN_GAMES=ON
# -DCMAKE_INSTALL_PREFIX=/usr it is laid out as Debian's games are, in section games; otherwise the game
# goes to /usr/bin, and section games would be refused for a package without /usr/games.
set(CPACK_PACKAGE_NAME tolvanex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TLV_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three French card games: Belote, Memo and Quadrel")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(TLV_DEBIAN_GAMES)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
else()
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
endif()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TLV_MAINTENEUR}")
# The libraries come from the binaries; the fonts are opened at run time, so no tool can see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# The web button goes through xdg-open; F6 starts pavucontrol when there is one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pavucontrol")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is the summary above; this is the long description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tolva'nexes gathers three card games for one player, played with the
mouse, every text in French:
 - Belote: you sit South, the computer North is your partner against
   East and West, with both bidding rounds, announcements,
   belote-rebelote and capot;
 - Memo: find the pairs of cards turned face down, against the clock;
 - Quadrel: remove the pairs joined by a path of at most three straight
   lines, board after board, against a two-minute clock.
Best scores and times are kept, and Quadrel games can be saved.")
include(CPack)
