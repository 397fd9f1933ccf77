# Checks of what is installed. The package test runs cpack and lintian (one to two minutes): it is
# registered only in a build laid out for the package (-DTLV_DEBIAN_GAMES=ON, as test.sh's Release pass
# is), with the label "paquet".
add_test(NAME paquet.validation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/valide.sh ${CMAKE_CURRENT_SOURCE_DIR}/tolvanex.desktop
                 ${gen}/tolvanex.metainfo.xml ${gen}/man/en/tolvanex.6 ${gen}/man/fr/tolvanex.6)
add_test(NAME paquet.installation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh installe ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                 ${TLV_INSTALL_PROGRAMMES})
if(TLV_DEBIAN_GAMES)
  add_test(NAME paquet.deb
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh paquet ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                   ${TLV_INSTALL_PROGRAMMES})
  set_tests_properties(paquet.deb PROPERTIES LABELS paquet TIMEOUT 900)
endif()
