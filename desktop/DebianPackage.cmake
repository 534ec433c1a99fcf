# The Debian package: `cpack -G DEB` in the build folder writes
# voltarix_<version>_amd64.deb with the files that `cmake --install --prefix /usr
# --strip` lays down, nothing more. Its dependencies are those of the program's
# shared libraries, found by dpkg-shlibdeps, and the fonts the texts are laid out in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voltarix)
# All four numbers, as the version stamp of the program carries them.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Het Voltarix Project")
set(CPACK_PACKAGE_CONTACT "Het Voltarix Project <voltarix@voltarix.org>")
set(CPACK_STRIP_FILES ON)
# Installed under /usr itself (and DESTDIR pointing into the package), so the menu
# entry names /usr/bin/voltarix and not the folder the package was put together in.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Arial" on the sheets, in the tools and on the printed page is Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Qt's own buttons in Dutch ("Ja", "Nee") on a Dutch desktop. Qt's Wayland plugin: on
# a Wayland desktop the program then runs natively, sharp at the desktop's scale and
# known to the dock by its menu entry; without it the program goes through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[draw simple electronic circuits and breadboards
Voltarix is a program for hobbyists and students to draw simple electronic
circuits: a block diagram of symbols from a library, placed on a raster, and a
breadboard with coloured wires, text and pictures of parts. It comes with a
symbol designer, a component list, projects that are saved and printed, help
pages and four small tools: a resistor colour code table, an LED calculator,
bits and bytes, and a 7-segment display. The program speaks Dutch.

Voltarix is een programma voor hobbyisten en leerlingen om eenvoudige
elektronische schakelingen te tekenen: een blokschema van symbolen uit een
bibliotheek in een raster, en een breadboard met gekleurde draden, tekst en
afbeeldingen van onderdelen. Met een ontwerper voor eigen symbolen, een
componentenlijst, projecten opslaan en afdrukken, helppagina's en vier kleine
gereedschappen: de kleurcode van weerstanden, een LED-calculator, bits en bytes
en een 7-segmentdisplay.]=])

include(CPack)
