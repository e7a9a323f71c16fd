# The Debian package: "cpack -G DEB" in the build folder writes
# corvex-utility_<version>_<arch>.deb there.

set(CORVEX_PACKAGE_NAME corvex-utility)
set(CORVEX_PACKAGE_MAINTAINER "Corvex Utility developers <corvex-utility@example.org>"
    CACHE STRING "Name and e-mail address of the package's maintainer")
set(CORVEX_APP_ID org.example.corvex_utility
    CACHE STRING "AppStream component id (reverse domain name) of the utility")
set(CORVEX_SCREENSHOT_URL https://corvex-utility.example.org/docs
    CACHE STRING "Web address of the folder holding the screenshots of docs/")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${CORVEX_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvex Utility developers")
set(CPACK_PACKAGE_CONTACT ${CORVEX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manage the programs and reagents of a Corvex tissue processor")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME ${CORVEX_PACKAGE_NAME})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVEX_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printing to a printer goes through the print service's client libraries,
# which the shared libraries pull in; a local queue needs the service itself.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Corvex Utility reads and sends the programs (99 slots of 24 vials) and
the 200 reagent names of a Varnel Corvex tissue processor over an RS-232
line, edits them, keeps the last transferred copy in a per-user store,
imports and exports single programs, and prints program sheets and the
reagent list.
.
The package holds the desktop utility corvex, the command-line tool
corvexctl and the instrument simulator corvex-sim.")

include(CPack)
