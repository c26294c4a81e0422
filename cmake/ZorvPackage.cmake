# cpack -G DEB (in build/): an installable Debian package of the editor, the character tool, the
# command-line tool and the panel simulator, with the desktop files, its dependencies worked out
# by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "zorveditor")
set(CPACK_PACKAGE_VERSION "0.6.0")
set(CPACK_PACKAGE_VENDOR "Veltrane")
set(CPACK_PACKAGE_CONTACT "ZorvEditor developers <zorveditor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Screen editor and downloader for the 192 x 64 operator panel")
set(CPACK_PACKAGE_DESCRIPTION
    "ZorvEditor lays out pages of widgets for a small monochrome operator panel beside a PLC, \
keeps its system parameters, alarm list and two-language texts, compiles the project into a \
download image and sends it over a serial port or USB.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows need Qt's platform plugins, which no library of ours links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-wqy-zenhei")
include(CPack)
