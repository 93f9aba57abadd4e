# Every library the build looks for, in one place; the folders below use
# the imported targets this defines. All are Debian packages
# (scripts/install-deps.sh names them).

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

# The document engine and its reader modules.
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
pkg_check_modules(LIBARCHIVE REQUIRED IMPORTED_TARGET libarchive)
# A ZIP archive's members are inflated with libdeflate (faster than zlib).
pkg_check_modules(LIBDEFLATE REQUIRED IMPORTED_TARGET libdeflate)
# A tar.gz is inflated with ISA-L's igzip (faster than zlib) for libarchive.
pkg_check_modules(LIBISAL REQUIRED IMPORTED_TARGET libisal)
# zlib inflates the first bytes of a ZIP member (it stops where asked; it is
# libzip's own inflater) and, in the tests, deflates hostile containers.
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(GMIME REQUIRED IMPORTED_TARGET gmime-3.0)
# winmail.dat (TNEF), read from memory.
pkg_check_modules(YTNEF REQUIRED IMPORTED_TARGET libytnef)
# Outlook mail stores (.pst, .ost).
pkg_check_modules(LIBPST REQUIRED IMPORTED_TARGET libpst)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(POPPLER_CPP REQUIRED IMPORTED_TARGET poppler-cpp)
pkg_check_modules(TESSERACT REQUIRED IMPORTED_TARGET tesseract lept)
pkg_check_modules(LEGACY_LIBS REQUIRED IMPORTED_TARGET
  libwpd-0.10 libwps-0.4 libmwaw-0.3 librevenge-0.0 librevenge-stream-0.0)

# International addresses: libidn2 checks their domains (IDNA 2008, UTS #46);
# libunistring lower-cases and normalises them. libunistring has no
# pkg-config file, so it is found as a plain library.
pkg_check_modules(LIBIDN2 REQUIRED IMPORTED_TARGET libidn2)
find_path(LIBUNISTRING_INCLUDE_DIR uninorm.h REQUIRED)
find_library(LIBUNISTRING_LIBRARY unistring REQUIRED)
add_library(harvelux_libunistring INTERFACE IMPORTED)
target_include_directories(harvelux_libunistring INTERFACE ${LIBUNISTRING_INCLUDE_DIR})
target_link_libraries(harvelux_libunistring INTERFACE ${LIBUNISTRING_LIBRARY})

# The libraries the About box names, with the versions found. A library
# added above gets a line here.
set(HARVELUX_LIBRARY_VERSIONS
  "libzip ${LIBZIP_VERSION}"
  "pugixml ${PUGIXML_VERSION}"
  "libxml2 ${LIBXML2_VERSION}"
  "Poppler ${POPPLER_CPP_VERSION}"
  "libwpd ${LEGACY_LIBS_libwpd-0.10_VERSION}"
  "libwps ${LEGACY_LIBS_libwps-0.4_VERSION}"
  "libmwaw ${LEGACY_LIBS_libmwaw-0.3_VERSION}"
  "librevenge ${LEGACY_LIBS_librevenge-0.0_VERSION}"
  "libarchive ${LIBARCHIVE_VERSION}"
  "libdeflate ${LIBDEFLATE_VERSION}"
  "ISA-L ${LIBISAL_VERSION}"
  "GMime ${GMIME_VERSION}"
  "libytnef ${YTNEF_VERSION}"
  "libpst ${LIBPST_VERSION}"
  "libidn2 ${LIBIDN2_VERSION}"
)

# The desktop program (and the tests of its windows). The engine, the
# extractor and harvelux-extract need no Qt; only the desktop program's
# targets do, and they turn on AUTOMOC themselves.
if(HARVELUX_GUI)
  set(harvelux_qt_components Core Gui Widgets Svg)
  if(BUILD_TESTING)
    list(APPEND harvelux_qt_components Test)
  endif()
  find_package(Qt6 REQUIRED COMPONENTS ${harvelux_qt_components})
endif()

if(BUILD_TESTING)
  find_package(GTest REQUIRED)
endif()

# Google Benchmark is optional: without it the benchmarks that use it are
# left out, and the configure step says so.
set(HARVELUX_HAVE_BENCHMARK OFF)
if(HARVELUX_BENCH AND NOT HARVELUX_SANITIZE)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    set(HARVELUX_HAVE_BENCHMARK ON)
  else()
    message(STATUS "Google Benchmark not found (Debian package libbenchmark-dev): bench_extractor is skipped")
  endif()
endif()
