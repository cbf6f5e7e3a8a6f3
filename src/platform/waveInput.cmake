# Sound input goes through Qt Multimedia (QAudioSource; PulseAudio on Linux).
find_package(Qt6 REQUIRED COMPONENTS Multimedia)
target_link_libraries(platform PUBLIC Qt6::Multimedia)
