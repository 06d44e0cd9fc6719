// The values the Preferences window converts: colour texts and names, list
// entries, cleaned one-line texts and the date field's display format.
#include <QTest>

#include "i18n/text_table.h"
#include "ui/preferences/color_text.h"
#include "ui/preferences/list_text.h"
#include "ui/preferences/preference_rows.h"

class PreferenceValuesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { LoadLanguage(); }

  void hexFromColorIsUpperCaseRrggbb() {
    const struct {
      ColorValue color;
      const char* hex;
    } cases[] = {{0x000000, "000000"}, {0x0080FF, "FF8000"}, {0x030201, "010203"}, {0xFFFFFF, "FFFFFF"},
                 {0xAB0000, "0000AB"}};
    for (const auto& c : cases) {
      QCOMPARE(HexFromColor(c.color), std::string(c.hex));
      QCOMPARE(HexFromColor(ParseColor(c.hex)), std::string(c.hex));
    }
    QCOMPARE(HexFromColor(ParseColor("fff")), std::string("000000"));
  }

  void colorNamesComeFromTheTextTable() {
    const struct {
      const char* hex;
      const char* name;
    } cases[] = {{"ff8000", "Orange"},       {"FF8000", "Orange"},       {"000000", "Black"}, {"8000ff", "Violet"},
                 {"c0c0c0", "Silver"},       {"123abc", "Color #123ABC"}, {"804001", "Color #804001"}};
    for (const auto& c : cases) QCOMPARE(ColorName(c.hex), std::string(c.name));
  }

  void listEntriesAreTrimmedAndNeverEmpty() {
    QCOMPARE(ListEntries(" Arial , Tahoma,Verdana "), (std::vector<std::string>{"Arial", "Tahoma", "Verdana"}));
    QCOMPARE(ListEntries("000000,,FFFFFF,"), (std::vector<std::string>{"000000", "FFFFFF"}));
    QCOMPARE(ListEntries(""), std::vector<std::string>{});
    QCOMPARE(AppendedToList("Arial", "Fira Sans"), std::string("Arial,Fira Sans"));
    QCOMPARE(AppendedToList("", "123456"), std::string("123456"));
  }

  void cleanTextKeepsOneTrimmedLine() {
    const struct {
      const char* text;
      const char* cleaned;
    } cases[] = {{"", ""},
                 {"  %filename%.%ext%  ", "%filename%.%ext%"},
                 {"Hello\tWorld", "HelloWorld"},
                 {"line one\r\nline two", "line oneline two"},
                 {"mask \n", "mask"},
                 {"\t inner  spaces stay \t", "inner  spaces stay"}};
    for (const auto& c : cases) QCOMPARE(CleanText(c.text), std::string(c.cleaned));
  }

  void dateFormatsTranslateToQt() {
    const QDateTime moment(QDate(2024, 3, 7), QTime(16, 5, 9));
    const struct {
      const char* format;
      QString shown;
    } cases[] = {{"%yyyy/%mm/%dd %hh:%ii", "2024/03/07 16:05"},
                 {"%dd.%mm.%yy %hh:%ii:%ss", "07.03.24 16:05:09"},
                 {"at %hh o'clock", "at 16 o'clock"}};
    for (const auto& c : cases) QCOMPARE(moment.toString(QtDateTimeFormat(c.format)), c.shown);
  }
};

QTEST_MAIN(PreferenceValuesTest)
#include "preference_values_qtest.moc"
