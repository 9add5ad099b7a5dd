# Strict warnings for every target of the project; warnings are errors.
add_library(orvelan_warnings INTERFACE)
target_compile_options(orvelan_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wdouble-promotion -Wformat=2 -Werror)
