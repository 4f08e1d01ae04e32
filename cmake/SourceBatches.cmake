# Compiles a target's .cpp files in batches: each generated batch file
# includes up to `batch_size` sources by their path below the source folder,
# and the sources themselves are no longer compiled one by one. Parsing the
# Qt headers costs most of a source file's compile time, and a batch parses
# them once. The batch files name no absolute path, so the compiler cache
# serves the same batch to a clone in any folder.
#
# A source marked SKIP_UNITY_BUILD_INCLUSION compiles alone.
# File-local names (anonymous namespaces, static functions) must therefore
# be distinct across the target. -DVELMORA_UNITY_BUILD=OFF compiles file by
# file, which rebuilds one edited file faster.
option(VELMORA_UNITY_BUILD "Compile the library and the tests in batches of source files" ON)

function(velmora_compile_in_batches target batch_size)
    if(NOT VELMORA_UNITY_BUILD)
        return()
    endif()
    get_target_property(target_sources ${target} SOURCES)
    get_target_property(target_folder ${target} SOURCE_DIR)
    set(own_sources)
    foreach(source IN LISTS target_sources)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${target_folder}" NORMALIZE)
        cmake_path(IS_PREFIX PROJECT_BINARY_DIR "${source}" NORMALIZE generated)
        get_source_file_property(alone "${source}" TARGET_DIRECTORY ${target}
            SKIP_UNITY_BUILD_INCLUSION)
        if(source MATCHES "\\.cpp$" AND NOT generated AND NOT alone)
            list(APPEND own_sources "${source}")
        endif()
    endforeach()
    list(SORT own_sources)

    set(batch_files)
    set(content "")
    set(in_batch 0)
    list(LENGTH own_sources remaining)
    foreach(source IN LISTS own_sources)
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE relative)
        string(APPEND content "#include \"${relative}\"\n")
        math(EXPR in_batch "${in_batch} + 1")
        math(EXPR remaining "${remaining} - 1")
        if(in_batch EQUAL batch_size OR remaining EQUAL 0)
            list(LENGTH batch_files batch_number)
            set(batch_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_batches/batch_${batch_number}.cpp")
            file(CONFIGURE OUTPUT "${batch_file}" CONTENT "${content}" @ONLY)
            list(APPEND batch_files "${batch_file}")
            set(content "")
            set(in_batch 0)
        endif()
    endforeach()

    set_source_files_properties(${own_sources} TARGET_DIRECTORY ${target}
        PROPERTIES HEADER_FILE_ONLY ON)
    target_sources(${target} PRIVATE ${batch_files})
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
endfunction()
