# MIDI in and out go through RtMidi (ALSA sequencer).
pkg_check_modules(RTMIDI REQUIRED IMPORTED_TARGET rtmidi)
target_link_libraries(platform PUBLIC PkgConfig::RTMIDI)
