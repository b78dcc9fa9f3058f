# Stages a one-line text file without its line break: readers show the file's text exactly as
# it stands, so a trailing newline would appear on screen.
file(READ "${INPUT}" text)
string(STRIP "${text}" text)
file(WRITE "${OUTPUT}" "${text}")
