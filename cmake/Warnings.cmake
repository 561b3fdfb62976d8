# The warnings our own code is built with: an interface target that each of our targets
# links privately, so the flags reach our sources and nothing else. Continuous integration
# turns them into errors.
option(FOLIDEX_WERROR "Treat warnings in our code as errors" OFF)

add_library(folidex_warnings INTERFACE)
target_compile_options(folidex_warnings INTERFACE -Wall -Wextra $<$<BOOL:${FOLIDEX_WERROR}>:-Werror>)
