# Readers of Debian's bitmap fonts and writers of the program's font files.
