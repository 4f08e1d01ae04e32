# Compiles through ccache when it is installed and its cache can be written.
#
# The cache lives outside the clone (CCACHE_DIR when set, else ccache's own
# folder in the user's cache), so a fresh clone on the same machine, in any
# folder, reuses what an earlier build compiled: paths are hashed relative to
# the source folder and the build folder's name is left out of the hash.
# Without ccache, or with a cache folder that can't be written, the build goes
# on without it.
find_program(CCACHE_PROGRAM ccache)
if(NOT CCACHE_PROGRAM)
    return()
endif()

if(DEFINED ENV{CCACHE_DIR} AND NOT "$ENV{CCACHE_DIR}" STREQUAL "")
    set(velmora_ccache_dir "$ENV{CCACHE_DIR}")
else()
    execute_process(COMMAND "${CCACHE_PROGRAM}" --get-config cache_dir
        OUTPUT_VARIABLE velmora_ccache_dir
        OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE velmora_ccache_result)
    if(NOT velmora_ccache_result EQUAL 0 OR velmora_ccache_dir STREQUAL "")
        message(WARNING "ccache does not name its cache folder; building without it")
        return()
    endif()
endif()

execute_process(
    COMMAND sh -c "mkdir -p \"$1\" && touch \"$1/.velmora-write-check\" && rm -f \"$1/.velmora-write-check\""
            sh "${velmora_ccache_dir}"
    RESULT_VARIABLE velmora_ccache_writable
    OUTPUT_QUIET ERROR_QUIET)
if(NOT velmora_ccache_writable EQUAL 0)
    message(WARNING "The compiler cache ${velmora_ccache_dir} can't be written; building without it")
    return()
endif()

find_program(ENV_PROGRAM env REQUIRED)
set(CMAKE_CXX_COMPILER_LAUNCHER
    "${ENV_PROGRAM}"
    "CCACHE_DIR=${velmora_ccache_dir}"
    "CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}"
    "CCACHE_NOHASHDIR=1"
    "${CCACHE_PROGRAM}")
