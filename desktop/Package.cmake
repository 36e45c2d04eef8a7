# The Debian package, from CMake's own packager: cpack -G DEB in the build
# folder (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallowmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brindlecote)
set(CPACK_PACKAGE_CONTACT "Brindlecote <tallowmere@brindlecote.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "copy whole tables between Oracle and SQL Anywhere")
set(CPACK_PACKAGE_DESCRIPTION
  "Tallowmere is a desktop program that shows the user tables of an Oracle\n"
  "database and of a SQL Anywhere database side by side, both reached over\n"
  "ODBC. It copies the selected tables either way, each created anew with a\n"
  "simple column mapping and then filled row by row, drops selected tables and\n"
  "renames a table on either side. It sets up, tests and remembers the two\n"
  "connections.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends from the libraries the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SQLite's driver for the demo databases, and unixODBC's tools (isql) to check
# a data source or driver alone.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsqliteodbc, unixodbc")
include(CPack)
