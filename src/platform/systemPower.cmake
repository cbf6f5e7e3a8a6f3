# System power asks logind over D-Bus.
find_package(Qt6 REQUIRED COMPONENTS DBus)
target_link_libraries(platform PUBLIC Qt6::DBus)
