# Unity builds: most of a file's compile time goes on what every file of its target pays again
# (starting the compiler, the outside headers, the CLI11 and JSON templates), so the larger
# targets compile a batch of files as one translation unit: a fresh build of them takes a third
# of the time. Touching one file rebuilds its batch. File-local names must therefore differ
# between the files of a target. ORVELAN_UNITY=OFF compiles every file alone, which shows that
# none leans on another's includes.
option(ORVELAN_UNITY "Compile the larger targets a batch of files per translation unit" ON)

# A unity file includes its sources by absolute path, so __FILE__ (in the messages of test and
# assert macros) would name the clone, and no two clones could share a compiled object through
# the compiler cache. Paths in macros are taken relative to the tree instead.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)
endif()

# orvelan_unity(TARGET BATCH): TARGET's files are compiled BATCH at a time.
function(orvelan_unity target batch)
    if(ORVELAN_UNITY)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
    endif()
endfunction()
