# Third-party libraries, all from Debian's packages (see scripts/setup).
find_package(Threads REQUIRED)
find_package(ZLIB REQUIRED)
find_package(CURL REQUIRED)
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(X11 REQUIRED)
find_package(OpenGL REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBUSB REQUIRED IMPORTED_TARGET libusb-1.0)
pkg_check_modules(RTLSDR REQUIRED IMPORTED_TARGET librtlsdr)
# chartc reads GSHHG's binned coastline, river and border files (netCDF-4).
pkg_check_modules(NETCDF REQUIRED IMPORTED_TARGET netcdf)

# Debian's Irrlicht ships neither a CMake package nor a pkg-config file.
# Wrapping it in an imported target makes its headers system includes, which
# keeps its own warnings out of our build.
find_path(IRRLICHT_INCLUDE_DIR irrlicht.h PATH_SUFFIXES irrlicht REQUIRED)
find_library(IRRLICHT_LIBRARY Irrlicht REQUIRED)
add_library(Irrlicht::Irrlicht UNKNOWN IMPORTED)
set_target_properties(Irrlicht::Irrlicht PROPERTIES
  IMPORTED_LOCATION ${IRRLICHT_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${IRRLICHT_INCLUDE_DIR}
  INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${IRRLICHT_INCLUDE_DIR})
target_link_libraries(Irrlicht::Irrlicht INTERFACE X11::X11 OpenGL::GL)

if(CIRRONA_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
if(CIRRONA_BENCH)
  find_package(benchmark REQUIRED)
endif()
