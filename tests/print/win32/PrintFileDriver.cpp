// Prints a UTF-8 text file on the default printer as "Tulosta" does, for the end-to-end test
// through wine's spooler and a real print server. Exit status 0 when the document was sent,
// 2 with the print report on standard error when not.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "data/RuntimeError.h"
#include "print/ReceiptPrinting.h"
#include "print/win32/GdiPrinter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: print_file_driver FILE\n";
    return 64;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  kuitti::GdiPrinter printer;
  try {
    kuitti::PrintReceiptCopy(printer, text.str());
  } catch (const kuitti::RuntimeError& error) {
    std::cerr << kuitti::PrintErrorMessage(error) << '\n';
    return 2;
  }
  return 0;
}
