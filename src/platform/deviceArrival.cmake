# Device arrival listens to udev.
pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET libudev)
target_link_libraries(platform PUBLIC PkgConfig::UDEV)
