# Checks of what is installed. The package test runs cpack and lintian (a minute or so): label "paquet".
add_test(NAME paquet.validation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/valide.sh ${CMAKE_CURRENT_SOURCE_DIR}/tolvanex.desktop
                 ${gen}/tolvanex.metainfo.xml ${gen}/man/en/tolvanex.6 ${gen}/man/fr/tolvanex.6)
add_test(NAME paquet.installation
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh installe ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                 ${TLV_INSTALL_PROGRAMMES})
add_test(NAME paquet.deb
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/essai.sh paquet ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                 ${TLV_INSTALL_PROGRAMMES})
set_tests_properties(paquet.installation paquet.deb PROPERTIES RUN_SERIAL ON)
set_tests_properties(paquet.deb PROPERTIES LABELS paquet TIMEOUT 600)
