# The dictation's voice file (made by scripts/crea-voce, committed under assets/) goes into
# the program directory's "Wav" folder; a newer copy in assets/ is copied again on the next build.
configure_file(${PROJECT_SOURCE_DIR}/assets/vocal.Wav ${MORELLA_PROGRAM_DIR}/Wav/vocal.Wav COPYONLY)
install(FILES ${MORELLA_PROGRAM_DIR}/Wav/vocal.Wav DESTINATION ${MORELLA_INSTALL_MODELLO}/Wav)
