# Strict warnings for every target of the project. Warnings become errors only when asked
# (ORVELAN_WERROR, on in the Makefile and CI), so that a packager's build with another compiler
# or build type never stops on a new warning.
option(ORVELAN_WERROR "Treat compiler warnings as errors" OFF)
add_library(orvelan_warnings INTERFACE)
target_compile_options(orvelan_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wdouble-promotion -Wformat=2 $<$<BOOL:${ORVELAN_WERROR}>:-Werror>)
# GCC 12 at -O3 reports -Wrestrict on `"literal" + std::to_string(n)` where no overlap exists
# (GCC bug 105329). It stays a warning in Release builds instead of stopping them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(orvelan_warnings INTERFACE $<$<CONFIG:Release>:-Wno-error=restrict>)
endif()
