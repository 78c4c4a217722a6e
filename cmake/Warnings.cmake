# Every target of ours builds warning-free.
add_compile_options(-Wall -Wextra -Wshadow -Wformat=2 -Wundef)
if(CONVERTER_WERROR)
    add_compile_options(-Werror)
endif()
