# Writes the translation unit that carries the compiler's date and time.
# Its content changes on every build, so every build compiles it anew and
# gets a new stamp.
string(TIMESTAMP now "%Y-%m-%d %H:%M:%S")
file(WRITE "${OUT}.tmp"
  "// Generated for the build of ${now}.\n"
  "extern const char *const kCompileDate;\n"
  "extern const char *const kCompileTime;\n"
  "const char *const kCompileDate = __DATE__;\n"
  "const char *const kCompileTime = __TIME__;\n")
file(RENAME "${OUT}.tmp" "${OUT}")
