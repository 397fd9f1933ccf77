# Checks of what is installed. The package test runs cpack and lintian (one to two minutes), in the
# layout the build was configured with (test.sh's Release pass has Debian's games layout), with the label
# "paquet".
add_test(NAME paquet.validation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/valide.sh ${CMAKE_CURRENT_SOURCE_DIR}/tolvanex.desktop
                 ${gen}/tolvanex.metainfo.xml ${gen}/man/en/tolvanex.6 ${gen}/man/fr/tolvanex.6)
add_test(NAME paquet.installation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh installe ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                 ${TLV_INSTALL_PROGRAMMES})
add_test(NAME paquet.deb COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh paquet ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                                 ${TLV_INSTALL_PROGRAMMES})
set_tests_properties(paquet.deb PROPERTIES LABELS paquet TIMEOUT 900)
