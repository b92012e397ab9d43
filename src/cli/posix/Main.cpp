#include "cli/TextProgram.h"

// The arguments come as the bytes the shell passed; the program treats them as UTF-8.
int main(int argc, char** argv) {
  return kuitti::RunTextProgram(argc, argv);
}
