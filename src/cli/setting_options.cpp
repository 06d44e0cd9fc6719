#include "cli/setting_options.h"

#include "app/keywords.h"
#include "app/text_util.h"
#include "cli/option_values.h"

void ApplySettingOption(const SettingDef& def, const std::string& value) {
  switch (def.optionKind) {
    case OptionKind::Number:
      SetSettingNumber(def, g_settings, ReadNumber(value));
      break;
    case OptionKind::Decimal:
      SettingReal(def, g_settings) = ReadDecimal(value);
      break;
    case OptionKind::Keyword:
      SetSettingNumber(def, g_settings, ParseKeyword(def.keywordSet, Trim(value)));
      break;
    case OptionKind::Text:
      SettingString(def, g_settings) = value;
      break;
    case OptionKind::SetsOne:
      SetSettingNumber(def, g_settings, 1);
      break;
    case OptionKind::SetsZero:
      SetSettingNumber(def, g_settings, 0);
      break;
    case OptionKind::None:
      return;
  }
  if (def.switchesOn) def.switchesOn(g_settings) = def.switchValue;
}
