#pragma once
// The spin box of a slider pair. Typing is taken as it comes: a number out of
// range is clamped when it is read, and the clamped value replaces the text
// once editing ends. The gamma kind holds gamma x 100 and shows it as gamma
// with two decimals.
#include <QSpinBox>

class PairSpinBox : public QSpinBox {
 public:
  PairSpinBox(bool gamma, QWidget* parent);

 protected:
  QValidator::State validate(QString& text, int& position) const override;
  int valueFromText(const QString& text) const override;
  QString textFromValue(int value) const override;

 private:
  bool gamma_;
};
