# The Debian package lumina-graph_VERSION_ARCH.deb, made by cpack (tools/package): everything
# the install rules put under /usr, with the package's copyright and changelog, the libraries
# dpkg-shlibdeps finds and what the program loads at run time besides them.

set(LUMINA_MAINTAINER "Morvaneth <lumina-graph@morvaneth.org>")
set(debian ${PROJECT_SOURCE_DIR}/resources/debian)
set(doc ${PROJECT_BINARY_DIR}/docs/debian)

# The package's own documents, kept in /usr/share/doc/lumina-graph as Debian keeps them: the
# changelog compressed, without a name or time stamp in it.
add_custom_command(
    OUTPUT ${doc}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${debian}/changelog ${doc}/changelog
    COMMAND gzip -9nf ${doc}/changelog
    DEPENDS ${debian}/changelog
    COMMENT "Compressing the package changelog"
    VERBATIM)
add_custom_target(lumina_package_docs ALL DEPENDS ${doc}/changelog.gz)
install(FILES ${debian}/copyright ${doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumina-graph)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumina-graph)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Morvaneth)
set(CPACK_PACKAGE_CONTACT ${LUMINA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "study how a font draws one character")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumina Graph (ルミナ・グラフ) shows one character of an installed font
as its outline with numbered vertices, as the pixels the rasteriser
inks, and as actually drawn with its metrics marked. It lists the glyph
and text metrics, states the ink ratio, writes the outline points and
the glyph's bits as text files and prints the view at its real size.
A second window turns pictures into character art made of Japanese
characters. The program speaks Japanese; lumina-cli does the same work
from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the faces the windows and the manual
# show Japanese in, the TIFF writer of the image export, and the Japanese of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-image-formats-plugins, qt6-translations-l10n")
include(CPack)
