# The Debian package: cpack -G DEB in the build folder makes kalder_<version>_<arch>.deb.
# Its library dependencies come from dpkg-shlibdeps; the Qt platform plugins
# (loaded at run time, so invisible to it) and the French Qt texts are named.
set(CPACK_PACKAGE_NAME kalder)
set(CPACK_PACKAGE_VENDOR "Kalder")
set(CPACK_PACKAGE_CONTACT "Kalder <kalder@kalder.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numérologie : calcul et interprétation d'un thème")
# Lines under 80 characters, as Debian wants the long description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kalder calcule le thème numérologique d'une personne à partir de ses prénoms,\n"
    "de son nom et de sa date de naissance, l'interprète en français, prévoit une\n"
    "année et compare deux personnes. Le paquet contient la fenêtre (kalder) et\n"
    "l'outil en ligne de commande kalder-theme.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kalder)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SQLite is loaded when the client file is first opened: dpkg-shlibdeps does
# not see it either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsqlite3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KALDER_SITE}")

# What Debian wants in every package's documentation folder: the copyright
# and, compressed as the manual pages are, the changelog of this version.
set(doc_paquet ${CMAKE_BINARY_DIR}/dist/unix/paquet)
configure_file(${PROJECT_SOURCE_DIR}/dist/unix/changelog.Debian.in ${doc_paquet}/changelog.Debian
               @ONLY)
execute_process(COMMAND ${KALDER_GZIP} -9nf ${doc_paquet}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${doc_paquet}/changelog.Debian.gz ${PROJECT_SOURCE_DIR}/dist/unix/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalder)

set(CPACK_GENERATOR DEB)
include(CPack)
