# ASan + UBSan for the core library and its tests (ORVELAN_SANITIZE=ON).
option(ORVELAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
add_library(orvelan_sanitizers INTERFACE)
if(ORVELAN_SANITIZE)
    target_compile_options(orvelan_sanitizers INTERFACE
        -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(orvelan_sanitizers INTERFACE -fsanitize=address,undefined,float-cast-overflow)
endif()
