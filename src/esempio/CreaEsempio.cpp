// Writes the example system of a program directory: at build time for the build's own
// directory, at install time for the installed one. The paths inside it are those of the
// directory given, so each directory develops into itself.
#include <cstdio>

#include "FileBinario.h"
#include "SistemaEsempio.h"

int main(int argc, char** argv)
{
    using namespace morella;
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s DIRECTORY_PROGRAMMA FILE.Mrl\n", argv[0]);
        return 2;
    }
    if (!SalvaSicuro(argv[2], ImmagineEsempio(argv[1]))) {
        std::fprintf(stderr, "Impossibile scrivere %s\n", argv[2]);
        return 1;
    }
    return 0;
}
