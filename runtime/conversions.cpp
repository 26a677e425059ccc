#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace rt {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Skips the digits at `at`; tells whether there was one.
bool skipDigits(QStringView text, qsizetype& at) {
  const qsizetype start = at;
  while (at < text.size() && isDigit(text[at])) ++at;
  return at > start;
}

// Whether the text is a sign, digits with an optional fraction, and an
// optional exponent, nothing more. Polling timers convert on every tick, so
// this is scanned by hand.
bool isDecimal(QStringView text) {
  qsizetype at = 0;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
  const bool whole = skipDigits(text, at);
  bool fraction = false;
  if (at < text.size() && text[at] == u'.') {
    ++at;
    fraction = skipDigits(text, at);
  }
  if (!whole && !fraction) return false;
  if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
    ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
    if (!skipDigits(text, at)) return false;
  }
  return at == text.size();
}

}  // namespace

std::optional<double> textToDouble(const QString& text) {
  const QStringView number = QStringView(text).trimmed();
  if (!isDecimal(number)) return std::nullopt;
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::uint8_t> numberToByte(double value) {
  if (!(value >= 0 && value <= 255) || value != std::floor(value)) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> textToByte(const QString& text) {
  // Polling reads a block number of up to three digits on every tick.
  if (!text.isEmpty() && text.size() <= 3 && std::all_of(text.begin(), text.end(), isDigit)) {
    int value = 0;
    for (const QChar digit : text) value = value * 10 + (digit.unicode() - u'0');
    if (value <= 255) return static_cast<std::uint8_t>(value);
    return std::nullopt;
  }
  const auto value = textToDouble(text);
  if (!value) return std::nullopt;
  return numberToByte(*value);
}

QString numberText(double value) {
  // -0 is written as 0.
  if (value == 0) return QStringLiteral("0");
  std::array<char, 400> digits{};
  // A whole number as the exact decimal digits of the double, however large;
  // anything else in the shortest form that reads back as the same number.
  const std::to_chars_result written =
      value == std::floor(value)
          ? std::to_chars(digits.data(), digits.data() + digits.size(), value,
                          std::chars_format::fixed, 0)
          : std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return QString::fromLatin1(digits.data(), written.ptr - digits.data());
}

double roundHalfEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction < 0.5) return down;
  if (fraction > 0.5) return down + 1;
  return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

}  // namespace rt
