# Build options shared by both configurations.
option(ORV_SANITIZE "Build the host configuration with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
option(ORV_BENCHMARKS "Build the benchmark programs" OFF)

if(WIN32)
  set(ORV_WINDOWS ON)
  # Programs and DLLs carry their runtime inside: no MinGW DLL has to travel with them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 NOMINMAX)
else()
  set(ORV_WINDOWS OFF)
  if(ORV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)
