# The Art-Net sender uses Qt's UDP socket.
target_link_libraries(platform PUBLIC Qt6::Network)
