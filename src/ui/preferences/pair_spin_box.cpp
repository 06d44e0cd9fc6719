#include "ui/preferences/pair_spin_box.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/text_util.h"

namespace {

// The decimal number at the start of the text, "." as the decimal point
// whatever the locale; 0 when there is none.
double LeadingDecimal(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  double value = 0;
  std::from_chars(text.data() + start, text.data() + text.size(), value, std::chars_format::fixed);
  return value;
}

}  // namespace

PairSpinBox::PairSpinBox(bool gamma, QWidget* parent) : QSpinBox(parent), gamma_(gamma) {
  // Short enough that a typed number never wraps when it is read.
  lineEdit()->setMaxLength(12);
}

QValidator::State PairSpinBox::validate(QString& text, int& position) const {
  static const QRegularExpression whole(R"(^\s*[-+]?\d*\s*$)");
  static const QRegularExpression decimal(R"(^\s*\d*(\.\d*)?\s*$)");
  return (gamma_ ? decimal : whole).match(text).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

int PairSpinBox::valueFromText(const QString& text) const {
  const std::string typed = text.toStdString();
  // Bounded before rounding, so a long run of digits cannot overflow.
  const int64_t value = gamma_ ? std::llround(std::clamp(LeadingDecimal(typed) * 100, -1e9, 1e9))
                               : ReadLeadingInteger(typed, false);
  return int(std::clamp<int64_t>(value, minimum(), maximum()));
}

QString PairSpinBox::textFromValue(int value) const {
  return gamma_ ? QString::number(value / 100.0, 'f', 2) : QString::number(value);
}
