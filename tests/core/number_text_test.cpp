#include "opacity/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "app/run_error.h"

namespace kelbo {
namespace {

constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;

// The value, or the number of the error it throws.
struct Outcome {
  std::optional<int> value;
  int error = 0;
};

Outcome Read(std::string_view text) {
  try {
    return {TextToInteger16(text), 0};
  } catch (const RunError& e) {
    return {std::nullopt, e.number()};
  }
}

TEST(TextToInteger16, ReadsNumbers) {
  const struct {
    std::string text;
    int value;
  } cases[] = {
      {"128", 128},
      {"300", 300},
      {"-5", -5},
      {"12.5", 12},
      {"13.5", 14},
      {"-12.5", -12},
      {"0.5", 0},
      {"1.5", 2},
      {"12.4999", 12},
      {"12.5001", 13},
      {" 42 ", 42},
      {"\t7\t", 7},
      {"+7", 7},
      {"-0", 0},
      {"-0.4", 0},
      {"12.", 12},
      {".5", 0},
      {".51", 1},
      {"007", 7},
      {"1e3", 1000},
      {"2.5E-1", 0},
      {"1E+2", 100},
      {"32767", 32767},
      {"-32768", -32768},
      {"32767.4", 32767},
      {"-32768.5", -32768},  // half to even stays inside
      {"1e-400", 0},
      {"0e999999999999", 0},
      {std::string(5000, '0') + "255", 255},
      {"0." + std::string(5000, '0') + "1", 0},
      // Longer than any exponent cap a fixed number could set: the digits
      // and the exponent cancel exactly.
      {"1" + std::string(1'000'005, '0') + "e-1000003", 100},
      {"0." + std::string(1'000'005, '0') + "128e1000008", 128},
      {std::string(39'997, '0') + "128", 128},  // a long paste into the prompt
      // Decided on the digits as typed, past what a double holds.
      {"12.50000000000000000001", 13},
      {"0.50000000000000001", 1},
      {"13.49999999999999999", 13},
      {"32767.4999999999999", 32767},
      {"2.50000", 2},
      {"0.00125e3", 1},
      {"125e-2", 1},
      {"3.5e0", 4},
      {"-32768.49999999999999999", -32768},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Read(c.text);
    ASSERT_TRUE(outcome.value.has_value()) << c.text.substr(0, 40) << " error " << outcome.error;
    EXPECT_EQ(*outcome.value, c.value) << c.text.substr(0, 40);
  }
}

TEST(TextToInteger16, RejectsWhatIsNotANumber) {
  const struct {
    std::string text;
    int error;
  } cases[] = {
      {"", kTypeMismatch},
      {"   ", kTypeMismatch},
      {"abc", kTypeMismatch},
      {"12abc", kTypeMismatch},
      {"1 2", kTypeMismatch},
      {"1,000", kTypeMismatch},
      {"12,5", kTypeMismatch},
      {"&H10", kTypeMismatch},
      {"0x10", kTypeMismatch},
      {"inf", kTypeMismatch},
      {"nan", kTypeMismatch},
      {"+", kTypeMismatch},
      {"-", kTypeMismatch},
      {".", kTypeMismatch},
      {"+-1", kTypeMismatch},
      {"--1", kTypeMismatch},
      {"1e", kTypeMismatch},
      {"1e+", kTypeMismatch},
      {"e3", kTypeMismatch},
      {"1.2.3", kTypeMismatch},
      {"١٢", kTypeMismatch},
      {std::string("12\0", 3), kTypeMismatch},
      {"1\n", kTypeMismatch},
      {"\x01"
       "5",
       kTypeMismatch},
      {"5\x7f", kTypeMismatch},
      {"40000", kOverflow},
      {"32767.5", kOverflow},
      {"-32769", kOverflow},
      {"-32768.6", kOverflow},
      {"1e5", kOverflow},
      {"1e999999999999", kOverflow},
      {std::string(5000, '9'), kOverflow},
      {"-32768.50000000000000007", kOverflow},
      {"32767.50000000000000000", kOverflow},
      {"1" + std::string(300, '0') + "e-295", kOverflow},  // 100 000
      {"1" + std::string(1'000'005, '0') + "e-1000000", kOverflow},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Read(c.text);
    EXPECT_FALSE(outcome.value.has_value())
        << c.text.substr(0, 40) << " read as " << *outcome.value;
    EXPECT_EQ(outcome.error, c.error) << c.text.substr(0, 40);
  }
}

// Random text from the characters that matter: every result is a value read
// from digits, or one of the two errors, and whole numbers read as
// themselves.
TEST(TextToInteger16, RandomTextNeverYieldsAnythingElse) {
  std::mt19937 random(20261208);
  const std::string alphabet = std::string("0123456789+-.eE ,\tx\0\x01\x7f\xff", 23) + "a";
  std::uniform_int_distribution<std::size_t> length(0, 24), pick(0, alphabet.size() - 1);
  for (int round = 0; round < 20000; ++round) {
    std::string text(length(random), ' ');
    for (char& c : text) c = alphabet[pick(random)];
    const Outcome outcome = Read(text);
    if (outcome.value) {
      EXPECT_NE(text.find_first_of("0123456789"), std::string::npos) << "a value from no digit";
    } else {
      EXPECT_TRUE(outcome.error == kOverflow || outcome.error == kTypeMismatch) << text;
    }
  }
  std::uniform_int_distribution<int> whole(-70000, 70000);
  for (int round = 0; round < 5000; ++round) {
    const int n = whole(random);
    std::string text = " ";
    text.append(std::to_string(n)).append("\t");
    const Outcome outcome = Read(text);
    if (n >= -32768 && n <= 32767) {
      EXPECT_EQ(outcome.value, n);
    } else {
      EXPECT_EQ(outcome.error, kOverflow) << n;
    }
  }
}

// The exact value of sign, digits, a fraction and an exponent, rounded half
// to even, worked out on the digit string: the oracle for the fuzz below.
// What stands after the point is compared with "5" as text: "49..." is less,
// "5" alone (trailing zeros dropped) is a half, "5...1" and "6..." are more.
Outcome Exactly(bool negative, long long whole, const std::string& fraction, int exponent) {
  const std::string wholeDigits = std::to_string(whole);
  std::string digits = wholeDigits + fraction;
  long long point = static_cast<long long>(wholeDigits.size()) + exponent;
  if (point < 0) {
    digits.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  if (point > static_cast<long long>(digits.size()))
    digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
  const std::string before = digits.substr(0, static_cast<std::size_t>(point));
  std::string after = digits.substr(static_cast<std::size_t>(point));
  after.erase(std::min(after.size(), after.find_last_not_of('0') + 1));
  long long quotient = before.empty() ? 0 : std::stoll(before);
  if ((!after.empty() && after > "5") || (after == "5" && quotient % 2 == 1)) ++quotient;
  const long long value = negative ? -quotient : quotient;
  if (value < -32768 || value > 32767) return {std::nullopt, kOverflow};
  return {static_cast<int>(value), 0};
}

TEST(TextToInteger16, AgreesWithExactArithmetic) {
  std::mt19937 random(8122026);
  std::uniform_int_distribution<long long> whole(0, 70000);
  std::uniform_int_distribution<int> digits(0, 24), digit(0, 9), exponent(-3, 3), coin(0, 1);
  for (int round = 0; round < 25000; ++round) {
    const bool negative = coin(random);
    std::string fraction(static_cast<std::size_t>(digits(random)), '0');
    for (char& c : fraction) c = static_cast<char>('0' + digit(random));
    // Most near-halves come from a 5 with zeros after it, and one last digit.
    if (!fraction.empty() && coin(random)) {
      fraction[0] = '5';
      for (std::size_t i = 1; i + 1 < fraction.size(); ++i) fraction[i] = '0';
    }
    const int e = coin(random) ? exponent(random) : 0;
    const long long w = whole(random) / (e > 0 ? 1000 : 1);
    std::string text = negative ? "-" : "";
    text.append(std::to_string(w));
    if (!fraction.empty()) text.append(".").append(fraction);
    if (e != 0) text.append("e").append(std::to_string(e));
    const Outcome expected = Exactly(negative, w, fraction, e);
    const Outcome got = Read(text);
    EXPECT_EQ(got.value, expected.value) << text;
    EXPECT_EQ(got.error, expected.error) << text;
  }
}

}  // namespace
}  // namespace kelbo
