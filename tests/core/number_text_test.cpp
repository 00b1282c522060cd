#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/numbers/number_boxes.h"
#include "core/numbers/number_range.h"
#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"

namespace {

TEST(ShowNumber, WritesDecimalAndDollarHex) {
  struct Case {
    std::uint32_t value;
    const char* unsignedText;
    const char* signedText;
    const char* hexText;
  } cases[] = {
      {0, "0", "0", "$0"},
      {26, "26", "26", "$1A"},
      {255, "255", "255", "$FF"},
      {0x1234AB, "1193131", "1193131", "$1234AB"},
      {0xFFFFFFFF, "4294967295", "-1", "$FFFFFFFF"},
      {0x80000000, "2147483648", "-2147483648", "$80000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShowUnsigned(c.value), c.unsignedText) << c.value;
    EXPECT_EQ(ShowSigned(static_cast<std::int32_t>(c.value)), c.signedText) << c.value;
    EXPECT_EQ(ShowHex(c.value), c.hexText) << c.value;
  }
}

TEST(ReadNumberClamped, ReadsDecimalsCapsFromAboveAndDropsFractions) {
  struct Case {
    std::string text;
    std::uint32_t maximum;
    std::uint32_t expected;
  } cases[] = {
      {"300", 255, 255},
      {"12.9", 255, 12},
      {"abc", 255, 0},
      {"", 255, 0},
      {"-1", 255, 0xFFFFFFFF},
      {"-200", 127, static_cast<std::uint32_t>(-200)},
      {"-2.7", 255, static_cast<std::uint32_t>(-2)},
      {"70000", 65525, 65525},
      {"65525", 65525, 65525},
      {"65525.5", 65525, 65525},
      {"3.9", 255, 3},
      {"  42kg", 255, 42},
      {"+7", 255, 7},
      {"1e2", 255, 100},
      {"1e300", 65535, 65535},
      {"1e999", 255, 255},
      {"-1e99999", 255, 0},
      {"2.5e1x", 255, 25},
      {"7e", 255, 7},
      {"7e+", 255, 7},
      {".5", 255, 0},
      {".", 255, 0},
      // Decimal only: hexadecimal, infinity and nan are no numbers.
      {"0x1A", 255, 0},
      {"inf", 65535, 0},
      {"infinity", 65535, 0},
      {"-inf", 65535, 0},
      {"nan", 65535, 0},
      {"-4294967297", 65535, 0xFFFFFFFF},
      {"4294967295", 0xFFFFFFFF, 0xFFFFFFFF},
      // Only the first 24 characters are read: the 25th digit is cut off.
      {std::string(23, '0') + "12", 255, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadNumberClamped(c.text, c.maximum), c.expected) << '"' << c.text << "\" max " << c.maximum;
  }
}

TEST(ReadIntClamped, ReadsSignedIntegersCappedFromAboveOnly) {
  struct Case {
    std::string text;
    std::int32_t maximum;
    std::int32_t expected;
  } cases[] = {
      {"  +42xyz", 100, 42},
      {"150", 100, 100},
      {"-200", 127, -200},
      {"200", 255, 200},
      {"300", 255, 255},
      {"12.9", 255, 12},
      {"", 127, 0},
      {"-", 127, 0},
      {"x5", 127, 0},
      {"+-5", 127, 0},
      // Far past 32 bits: stays above every maximum instead of wrapping round.
      {"99999999999999999999", 127, 127},
      {"4294967296", 255, 255},
      {"-99999999999999999999", 127, INT32_MIN},
      {std::string(22, ' ') + "789", 1000, 78},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadIntClamped(c.text, c.maximum), c.expected) << '"' << c.text << "\" max " << c.maximum;
  }
}

TEST(ReadDecOrHex, ReadsDollarHexOrDecimal) {
  struct Case {
    std::string text;
    std::uint32_t expected;
  } cases[] = {
      {"$1f", 31},
      {"31", 31},
      {"$", 0},
      {"$1A2B3C", 0x1A2B3C},
      {"26", 26},
      {"100", 100},
      {"$c55a21", 0xC55A21},
      {" $10", 0x10},
      {"$ 10", 0x10},
      {"$-1", 0xFFFFFFFF},
      {"-1", 0xFFFFFFFF},
      {"$FFFFFFFF", 0xFFFFFFFF},
      {"$80000000", 0x80000000},
      {"$100000000", 0xFFFFFFFF},
      {"99999999999", 0xFFFFFFFF},
      {"-99999999999", 0xFFFFFFFF},
      // Positive decimal numbers have the unsigned range, negative ones the signed range.
      {"2147483647", 0x7FFFFFFF},
      {"2147483648", 0x80000000},
      {"3000000000", 3000000000u},
      {"4294967295", 0xFFFFFFFF},
      {"4294967296", 0xFFFFFFFF},
      {"-2147483648", 0x80000000},
      {"-2147483649", 0xFFFFFFFF},
      {"-4294967295", 0xFFFFFFFF},
      {"$0x1A", 0x1A},
      {"$0xg", 0},
      {"12ab", 12},
      {"", 0},
      {"$" + std::string(22, '0') + "1F", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadDecOrHex(c.text), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace

TEST(IsNumberText, TakesWhatEachBoxReadsAndNothingWithMore) {
  struct Case {
    std::string text;
    bool decimal;
    bool integer;
    bool decimalOrHex;
  } cases[] = {
      {"", true, true, true},
      {"   ", true, true, true},
      {" 42 ", true, true, true},
      {"\t-7", true, true, true},
      {"+3", true, true, true},
      {"12.9", true, false, false},
      {".5", true, false, false},
      {"1e3", true, false, false},
      {"1,000", false, false, false},
      {"12abc", false, false, false},
      {"1 000", false, false, false},
      {"1e", false, false, false},
      {"-", false, false, false},
      {"$1F", false, false, true},
      {" $c5a1b2 ", false, false, true},
      {"$", false, false, false},
      {"$-1", false, false, false},
      {"$1G", false, false, false},
      {"C5A1B2", false, false, false},
      {"0x1A", false, false, false},
      {"inf", false, false, false},
      // Only the first 24 characters reach the readers.
      {"123456789012345678901234xyz", true, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumberText(c.text, NumberForm::Decimal), c.decimal) << '"' << c.text << '"';
    EXPECT_EQ(IsNumberText(c.text, NumberForm::Integer), c.integer) << '"' << c.text << '"';
    EXPECT_EQ(IsNumberText(c.text, NumberForm::DecimalOrHex), c.decimalOrHex) << '"' << c.text << '"';
  }
}

TEST(NumberBoxesProblem, NamesTheFirstFieldWithoutANumberOrOutsideItsRange) {
  const std::string money = "1,000";
  const std::string hp = "12";
  const std::string tooMuch = "300";
  const std::string address = "C5A1B2";
  EXPECT_EQ(NumberBoxesProblem({{"HP", hp, NumberForm::Decimal, UnsignedRange(2)},
                                {"Money", money, NumberForm::Decimal, UnsignedRange(2)},
                                {"Start text", address, NumberForm::DecimalOrHex, UnsignedRange(4)}}),
            "Money: \"1,000\" is not a number.");
  EXPECT_EQ(NumberBoxesProblem({{"HP", hp, NumberForm::Decimal, UnsignedRange(2)},
                                {"Speed", tooMuch, NumberForm::Decimal, UnsignedRange(1)},
                                {"Money", money, NumberForm::Decimal, UnsignedRange(2)}}),
            "Speed: 300 is more than 255, the largest Speed.");
  EXPECT_EQ(NumberBoxesProblem({{"HP", hp, NumberForm::Decimal, UnsignedRange(2)},
                                {"Start text", hp, NumberForm::DecimalOrHex, UnsignedRange(4)}}),
            "");
}

TEST(OutOfRangeMessage, NamesTheFieldAndTheBoundPassed) {
  constexpr NumberRange kSignedByte{-128, 127};
  struct Case {
    std::string text;
    NumberForm form;
    NumberRange range;
    std::string expected;
  } cases[] = {
      {"23302400", NumberForm::Decimal, UnsignedRange(2), "F: 23302400 is more than 65535, the largest F."},
      {"65535", NumberForm::Decimal, UnsignedRange(2), ""},
      {"65535.9", NumberForm::Decimal, UnsignedRange(2), ""},
      {"65536", NumberForm::Decimal, UnsignedRange(2), "F: 65536 is more than 65535, the largest F."},
      {" 4450 ", NumberForm::Decimal, UnsignedRange(1), "F: 4450 is more than 255, the largest F."},
      {"1e3", NumberForm::Decimal, UnsignedRange(1), "F: 1e3 is more than 255, the largest F."},
      {"1e99999", NumberForm::Decimal, UnsignedRange(1), "F: 1e99999 is more than 255, the largest F."},
      {"-1", NumberForm::Decimal, UnsignedRange(1), "F: -1 is less than 0, the smallest F."},
      {"-0.5", NumberForm::Decimal, UnsignedRange(1), ""},
      {"", NumberForm::Decimal, UnsignedRange(1), ""},
      {"-128", NumberForm::Integer, kSignedByte, ""},
      {"-129", NumberForm::Integer, kSignedByte, "F: -129 is less than -128, the smallest F."},
      {"99999999999999999999", NumberForm::Integer, kSignedByte,
       "F: 99999999999999999999 is more than 127, the largest F."},
      {"$FFFFFFFF", NumberForm::DecimalOrHex, UnsignedRange(4), ""},
      {"4294967295", NumberForm::DecimalOrHex, UnsignedRange(4), ""},
      {"$100000000", NumberForm::DecimalOrHex, UnsignedRange(4), "F: $100000000 is more than $FFFFFFFF, the largest F."},
      {"4294967296", NumberForm::DecimalOrHex, UnsignedRange(4), "F: 4294967296 is more than 4294967295, the largest F."},
      {"-1", NumberForm::DecimalOrHex, UnsignedRange(4), "F: -1 is less than 0, the smallest F."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OutOfRangeMessage("F", c.text, c.form, c.range), c.expected) << '"' << c.text << '"';
  }
}
