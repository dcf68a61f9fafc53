// Reads one text a line from standard input and prints what the opacity
// prompt's conversion makes of it: the number, or "overflow" or "mismatch".
// The fuzz beside it (number_text_fuzz.py) compares that with Python's
// exact decimals.
#include <iostream>
#include <string>

#include "app/run_error.h"
#include "opacity/number_text.h"

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    try {
      std::cout << kelbo::TextToInteger16(line) << '\n';
    } catch (const kelbo::RunError& error) {
      std::cout << (error.number() == kelbo::OverflowError().number() ? "overflow" : "mismatch")
                << '\n';
    }
  }
  return 0;
}
