// Prints what Val and Format give for a large generated set of inputs, one line each, so that
// two builds of the runtime (native and WebAssembly) can be compared line by line. The inputs
// come from a fixed seed and the engine's raw output only, the same on every platform.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "runtime/format.h"
#include "runtime/val.h"

namespace {

using quillmark::runtime::Format;
using quillmark::runtime::Val;

std::mt19937_64 engine(20261206);

std::uint64_t Below(std::uint64_t limit) {
  return engine() % limit;
}

std::string Printed(const char* pattern, int precision, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, precision, value);
  return text;
}

double RandomFiniteDouble() {
  for (;;) {
    const std::uint64_t bits = engine();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (value == value && value - value == 0.0)
      return value;
  }
}

// A number in the single range, as a person might type it or a calculation might leave it.
double RandomSingleRangeDouble() {
  for (;;) {
    const auto bits = static_cast<std::uint32_t>(engine());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (value == value && value - value == 0.0F)
      return value;
  }
}

// Digits, signs, points, exponent letters, blanks and prefixes in any order.
std::string RandomText() {
  static const char kAlphabet[] = "0123456789012345678901234567890123456789..eEdD+-  \t&HhOoFf,x";
  std::string text(Below(24), ' ');
  for (char& c : text)
    c = kAlphabet[Below(sizeof kAlphabet - 1)];
  return text;
}

// A long decimal with an exponent: the nearest double of many digits, near the range ends too.
std::string RandomLongDecimal() {
  const std::size_t digits = 1 + Below(60);
  const std::size_t point = Below(digits + 1);
  std::string text;
  for (std::size_t i = 0; i <= digits; ++i)
    text += i == point ? '.' : static_cast<char>('0' + Below(10));
  const long long exponent = static_cast<long long>(Below(700)) - 350;
  return text + 'e' + std::to_string(exponent);
}

std::vector<std::string> Inputs() {
  std::vector<std::string> inputs = {
      "",
      "0",
      "-0",
      "1",
      "0.1",
      "0.005",
      "2.5",
      "1E36",
      "3.4028234663852886e38",
      "3.4028235677973366e38",
      "1.7976931348623157e308",
      "1.7976931348623158e308",
      "1.7976931348623159e308",
      "2.2250738585072011e-308",
      "2.2250738585072014e-308",
      "4.9406564584124654e-324",
      "2.4703282292062327e-324",
      "2.4703282292062328e-324",
      "1e-400",
      "1e400",
      "-1e400",
      "&HFFFF",
      "&H7FFFFFFF",
      "&O177777",
      std::string(400, '9'),
      "0." + std::string(330, '0') + "1",
      "1 e 2",
      "\t1\n2",
  };
  for (int i = 0; i < 60000; ++i) {
    const double value = RandomFiniteDouble();
    const int precision = static_cast<int>(Below(26));
    inputs.push_back(Printed("%.*g", 17, value));
    inputs.push_back(Printed("%.*e", precision, value));
    inputs.push_back(Printed("%.*e", precision, value * 1e-300 * 1e-10));
    inputs.push_back(Printed("%.*g", 1 + precision % 12, RandomSingleRangeDouble()));
    inputs.push_back(Printed("%.*f", precision % 8, RandomSingleRangeDouble() * 1e-30));
    inputs.push_back(RandomText());
    inputs.push_back(RandomLongDecimal());
  }
  return inputs;
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);  // half a million lines: write in blocks
  const char* patterns[] = {"#####0.0", "0.00", "####0"};
  for (const std::string& text : Inputs()) {
    const double value = Val(text);
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const float single = static_cast<float>(value);
    std::printf("V %016llx", static_cast<unsigned long long>(bits));
    for (const char* pattern : patterns)
      std::printf(" %s", Format(single, pattern).c_str());
    std::printf("\n");
  }
  // Every kind of single: random bit patterns, infinities included.
  for (int i = 0; i < 100000; ++i) {
    const auto bits = static_cast<std::uint32_t>(engine());
    float single;
    std::memcpy(&single, &bits, sizeof single);
    if (single != single)
      continue;
    std::printf("F");
    for (const char* pattern : patterns)
      std::printf(" %s", Format(single, pattern).c_str());
    std::printf("\n");
  }
  // Under Node.js the runtime is not torn down at the end of main, so nothing else flushes.
  std::fflush(stdout);
}
