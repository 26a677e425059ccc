#include "runtime/conversions.h"

#include <QRegularExpression>

#include <cmath>

namespace rt {

std::optional<double> textToDouble(const QString& text) {
  static const QRegularExpression number(
      QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
  if (!number.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::uint8_t> numberToByte(double value) {
  if (!(value >= 0 && value <= 255) || value != std::floor(value)) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> textToByte(const QString& text) {
  const auto value = textToDouble(text);
  if (!value) return std::nullopt;
  return numberToByte(*value);
}

QString numberText(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    // -0 is written as 0.
    return QString::number(static_cast<long long>(value));
  }
  return QString::number(value, 'g', 15);
}

double roundHalfEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction < 0.5) return down;
  if (fraction > 0.5) return down + 1;
  return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

}  // namespace rt
