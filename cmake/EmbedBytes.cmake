# Turns a binary file into a C++ source that holds its bytes as a constant
# array, so the data ships inside the executable and lands in a read-only
# section. Run in script mode at build time:
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -DNAMESPACE=<ns> -P EmbedBytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
# Sixteen bytes per source line keeps the file readable in a diff viewer.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; do not edit.\n"
  "#include <cstddef>\n\n"
  "namespace ${NAMESPACE} {\n"
  "extern const unsigned char ${SYMBOL}[] = {\n${bytes}};\n"
  "extern const std::size_t ${SYMBOL}Size = ${byteCount};\n"
  "}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
