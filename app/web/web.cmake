# The program as a web page's WebAssembly (scripts/web builds it with Qt for WebAssembly).

# A browser gives the program no system fonts: the stand-ins for the layouts' fonts, in the
# two weights the layouts use, are packed beside it (quillmark.data) and loaded with it into
# its file system under /fonts. They are Debian's (fonts-dejavu-extra, fonts-liberation2).
set(web_fonts DejaVuSansCondensed.ttf DejaVuSansCondensed-Bold.ttf
    LiberationSans-Regular.ttf LiberationSans-Bold.ttf)
foreach(font IN LISTS web_fonts)
  find_file(font_file_${font} ${font} NO_CACHE REQUIRED NO_CMAKE_FIND_ROOT_PATH
            PATHS /usr/share/fonts/truetype PATH_SUFFIXES dejavu liberation liberation2)
  target_link_options(quillmark PRIVATE "SHELL:--preload-file ${font_file_${font}}@/fonts/${font}")
endforeach()

# The program ends with its last window, as on a desktop: the runtime exits then, and the
# page's loader tells the page so.
target_link_options(quillmark PRIVATE "SHELL:-s EXIT_RUNTIME=1")
