#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using rt::numberText;
using rt::roundHalfEven;
using rt::textToByte;
using rt::textToDouble;

TEST(Conversions, TextToNumberTakesWholeAndFractionalTextWithBlanks) {
  EXPECT_EQ(textToDouble("99496"), 99496.0);
  EXPECT_EQ(textToDouble("99496.5"), 99496.5);
  EXPECT_EQ(textToDouble("  -56 "), -56.0);
  EXPECT_EQ(textToDouble("+1"), 1.0);
  EXPECT_EQ(textToDouble(".5"), 0.5);
  EXPECT_EQ(textToDouble("1e3"), 1000.0);
}

TEST(Conversions, TextThatIsNoNumberFails) {
  for (const char* text : {"", "   ", "abc", "12abc", "1.2.3", "0x1F", "inf", "nan", "-", "1e999"}) {
    EXPECT_FALSE(textToDouble(text)) << text;
  }
}

TEST(Conversions, ByteRangeIsZeroTo255AndWholeOnly) {
  EXPECT_EQ(textToByte("0"), 0);
  EXPECT_EQ(textToByte("67"), 67);
  EXPECT_EQ(textToByte("255"), 255);
  EXPECT_FALSE(textToByte("256"));
  EXPECT_FALSE(textToByte("-1"));
  EXPECT_FALSE(textToByte("2.5"));
  EXPECT_FALSE(textToByte(""));
  EXPECT_FALSE(textToByte("abc"));
}

TEST(Conversions, HalvesRoundToEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(33960.5), 33960);
  EXPECT_EQ(roundHalfEven(33961.5), 33962);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
  EXPECT_EQ(roundHalfEven(2.5001), 3);
}

TEST(Conversions, NumberTextWritesWholeNumbersAsDigitsAlone) {
  EXPECT_EQ(numberText(99440), "99440");
  EXPECT_EQ(numberText(-56), "-56");
  EXPECT_EQ(numberText(0), "0");
  EXPECT_EQ(numberText(-0.0), "0");
  EXPECT_EQ(numberText(99496.5), "99496.5");
  // At most 15 significant digits: the binary error of a sum disappears.
  EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(numberText(99496.5 - 56), "99440.5");
  EXPECT_EQ(textToDouble(numberText(1.0 / 3)), 0.333333333333333);
}

TEST(Conversions, NumberTextOfTheLargestNumbersReadsBackAsThatNumber) {
  // 15 digits would round these up to a text past the largest number.
  constexpr double kLargest = std::numeric_limits<double>::max();
  for (const double value : {kLargest, -kLargest, std::nextafter(kLargest, 0.0)}) {
    EXPECT_EQ(textToDouble(numberText(value)), value) << value;
  }
  EXPECT_EQ(numberText(1e300), "1e+300");
}
