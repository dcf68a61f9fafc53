#include "opacity/number_text.h"

#include <gtest/gtest.h>

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
  };
  for (const auto& c : cases) {
    const Outcome outcome = Read(c.text);
    EXPECT_FALSE(outcome.value.has_value())
        << c.text.substr(0, 40) << " read as " << *outcome.value;
    EXPECT_EQ(outcome.error, c.error) << c.text.substr(0, 40);
  }
}

// Random text from the characters that matter: every result is a 16-bit
// value or one of the two errors, and whole numbers read as themselves.
TEST(TextToInteger16, RandomTextNeverYieldsAnythingElse) {
  std::mt19937 random(20261208);
  const std::string alphabet = std::string("0123456789+-.eE ,\tx\0\x01\x7f\xff", 23) + "a";
  std::uniform_int_distribution<std::size_t> length(0, 24), pick(0, alphabet.size() - 1);
  for (int round = 0; round < 20000; ++round) {
    std::string text(length(random), ' ');
    for (char& c : text) c = alphabet[pick(random)];
    const Outcome outcome = Read(text);
    if (outcome.value) {
      EXPECT_GE(*outcome.value, -32768);
      EXPECT_LE(*outcome.value, 32767);
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

}  // namespace
}  // namespace kelbo
