# The FTDI port layer links libftdi1.
pkg_check_modules(FTDI REQUIRED IMPORTED_TARGET libftdi1)
target_link_libraries(platform PUBLIC PkgConfig::FTDI)
