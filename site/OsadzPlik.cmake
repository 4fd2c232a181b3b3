# Writes WEJSCIE's bytes into WYJSCIE as the body of a function FUNKCJA returning a
# std::string_view, so that the site serves them from memory.
file(READ ${WEJSCIE} bajty HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bajty "${bajty}")
file(WRITE ${WYJSCIE}
  "#include \"site/Zasoby.h\"\n\n"
  "namespace {\nconstexpr char Bajty[] = {${bajty}};\n}  // namespace\n\n"
  "std::string_view ${FUNKCJA}() { return {Bajty, sizeof Bajty}; }\n")
