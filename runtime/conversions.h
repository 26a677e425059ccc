#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Text and number conversions of the window runtime. Texts hold decimal
// numbers as a user or a handler wrote them; nothing here depends on the
// locale.
namespace rt {

// The number a text holds: optional blanks around an optional sign, digits
// with an optional fraction and exponent. Empty or other text holds none.
std::optional<double> textToDouble(const QString& text);

// A whole number 0..255 held by a text; fractions and other numbers fail.
std::optional<std::uint8_t> textToByte(const QString& text);

// A whole number 0..255 as a byte; anything else fails.
std::optional<std::uint8_t> numberToByte(double value);

// Decimal text that reads back as the same number: a whole number as its
// digits alone, any other in its shortest exact form.
QString numberText(double value);

// The nearest whole number; a value halfway between two goes to the even one.
double roundHalfEven(double value);

}  // namespace rt
