# Writes OUTPUT, a C++ file holding the web page's files from WEB_DIR, so that the program serves
# them itself. Run at build time: an edited page is rebuilt into the program.
# file|path|content type; every one is UTF-8 text.
set(assets
  "index.html|/|text/html"
  "app.css|/app.css|text/css"
  "app.js|/app.js|text/javascript")

set(arrays "")
set(entries "")
set(index 0)
foreach(asset IN LISTS assets)
  string(REPLACE "|" ";" fields "${asset}")
  list(GET fields 0 file)
  list(GET fields 1 path)
  list(GET fields 2 type)
  file(READ "${WEB_DIR}/${file}" bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(APPEND arrays "constexpr unsigned char kAsset${index}[] = {${bytes}};\n")
  string(APPEND entries "    WebAsset{\"${path}\", \"${type}; charset=utf-8\", {reinterpret_cast<const char*>(kAsset${index}), sizeof kAsset${index}}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE "${OUTPUT}.new" "// Generated from sim/serve/web by embed_web_assets.cmake.
#include \"sim/serve/web_assets.h\"

#include <array>

namespace sim::serve {

namespace {

${arrays}
const std::array kAssets{
${entries}};

}  // namespace

std::span<const WebAsset> webAssets()
{
    return kAssets;
}

}  // namespace sim::serve
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
