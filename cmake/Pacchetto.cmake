# The Debian package: `cpack -G DEB` in the build folder, after a full build, writes
# morella_<version>_<arch>.deb with the install above under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morella")
set(CPACK_PACKAGE_CONTACT "Morella <morella@morella.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sistemi per Totip, Totocalcio ed Enalotto")
set(CPACK_PACKAGE_DESCRIPTION "Sviluppo, condizionamento, riduzione, controllo e stampa di sistemi
 per i concorsi a pronostici, con l'archivio dei concorsi e le statistiche. Contiene il
 programma per il desktop (morella) e quello per la riga di comando (morella-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The shared libraries the executables link (Qt, libcurl, the C++ runtime) as dpkg-shlibdeps
# finds them; by hand where it is missing. Qt's platform plugins are loaded, not linked: the
# desktop program shows no window without them.
find_program(MORELLA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(MORELLA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(MORELLA_DIPENDENZE "")
else()
  set(MORELLA_DIPENDENZE "libc6, libstdc++6, libgcc-s1, libcurl4")
  if(MORELLA_GUI)
    string(APPEND MORELLA_DIPENDENZE ", libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6,"
           " libqt6charts6, libqt6multimedia6")
  endif()
endif()
if(MORELLA_GUI)
  if(MORELLA_DIPENDENZE)
    string(APPEND MORELLA_DIPENDENZE ", ")
  endif()
  string(APPEND MORELLA_DIPENDENZE "qt6-qpa-plugins")
  # Qt's own dialogs (files, printing) in Italian: the program loads them when present.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${MORELLA_DIPENDENZE}")

include(CPack)
