# Where `cmake --install` puts things. GNU layout by default (bin/, share/tolvanex/); the Debian games
# layout (games/, share/games/tolvanex/) for the package.
option(TLV_DEBIAN_GAMES "Install as Debian games do: /usr/games and /usr/share/games/tolvanex" OFF)
if(TLV_DEBIAN_GAMES)
  set(TLV_INSTALL_PROGRAMMES games)
  set(TLV_INSTALL_DONNEES ${CMAKE_INSTALL_DATADIR}/games/tolvanex)
else()
  set(TLV_INSTALL_PROGRAMMES ${CMAKE_INSTALL_BINDIR})
  set(TLV_INSTALL_DONNEES ${CMAKE_INSTALL_DATADIR}/tolvanex)
endif()
cmake_path(ABSOLUTE_PATH TLV_INSTALL_PROGRAMMES BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE tlv_prog)
cmake_path(ABSOLUTE_PATH TLV_INSTALL_DONNEES BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE
           TLV_DONNEES_COMPLET)
# The program first looks for its data relative to itself, so a tree installed or unpacked at another
# prefix than the configured one still runs.
file(RELATIVE_PATH TLV_DONNEES_RELATIF ${tlv_prog} ${TLV_DONNEES_COMPLET})
