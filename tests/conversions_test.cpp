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
  EXPECT_EQ(numberText(1e15), "1000000000000000");
  EXPECT_EQ(numberText(1000000000000056), "1000000000000056");
  EXPECT_EQ(numberText(-0x1p63), "-9223372036854775808");
  EXPECT_EQ(numberText(0x1p64), "18446744073709551616");
  // Past every integer type: still the double's exact digits.
  const QString huge = numberText(1e300);
  EXPECT_EQ(huge.size(), 301);
  EXPECT_TRUE(huge.startsWith("1000000000000000052504760255204420248704468581108159154915854"));
  EXPECT_EQ(numberText(std::numeric_limits<double>::max()).size(), 309);
}

TEST(Conversions, EveryNumberTextReadsBackAsTheSameNumber) {
  EXPECT_EQ(numberText(99496.5), "99496.5");
  EXPECT_EQ(numberText(0.1 + 0.2), "0.30000000000000004");
  constexpr double kLargest = std::numeric_limits<double>::max();
  for (const double value : {kLargest, -kLargest, std::nextafter(kLargest, 0.0), 1e300, 1.0 / 3,
                             0.1 + 0.2, 99496.5 - 56, 99496.1 + 1, 4503599627370495.5, -2.5e-7,
                             std::numeric_limits<double>::denorm_min(), 0x1p53 + 2}) {
    EXPECT_EQ(textToDouble(numberText(value)), value) << numberText(value).toStdString();
  }
}
