#include "ui/preferences/preference_rules.h"

#include <QWidget>

#include <span>
#include <string_view>

#include "ui/preferences/preferences_dialog.h"

namespace {

enum class RuleEffect { EnableRows, ShowRows, ShowPanel };

// The effect holds while the trigger's choice (check box state or selected
// index) is one of whenChoices; otherwise it is undone.
struct RuleDef {
  const char* section;  // every key of a rule lies in this section
  const char* trigger;
  uint32_t whenChoices;  // one bit per choice
  RuleEffect effect;
  std::span<const char* const> targets;  // keys of the rows, or the panel's name
  const char* appliedAfter;              // key of the row after whose loading the rule is applied
};

constexpr uint32_t Choice(int choice) { return 1u << choice; }
constexpr uint32_t kTicked = Choice(1);

constexpr const char* kRawHeaderRows[] = {"RAW Header Size", "RAW Image Width", "RAW Image Height"};
constexpr const char* kRawToneRows[] = {"RAW Tone Mapping"};
constexpr const char* kRotationRows[] = {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"};
constexpr const char* kResizeRows[] = {"Image Width", "Image Height", "Keep Aspect Ratio", "Image Resize Type",
                                       "Image Resize Algorithm"};
constexpr const char* kThresholdRows[] = {"Image Threshold"};
constexpr const char* kDitherRows[] = {"Image Dither Algorithm"};
constexpr const char* kSolidPanel[] = {"solid"};
constexpr const char* kTextPanel[] = {"text"};
constexpr const char* kImagePanel[] = {"image"};
constexpr const char* kTextScaleRows[] = {"Text Scale"};
constexpr const char* kImageScaleRows[] = {"Image Scale"};
constexpr const char* kTimestampRows[] = {"Custom Timestamp"};

// In the order of their first application where two follow the same row.
constexpr RuleDef kRules[] = {
    {"Input", "RAW Load As", Choice(1) | Choice(2), RuleEffect::EnableRows, kRawHeaderRows, "RAW Tone Mapping"},
    {"Input", "RAW Load As", Choice(4) | Choice(5), RuleEffect::EnableRows, kRawToneRows, "RAW Tone Mapping"},
    {"Transform", "Do Image Rotation", kTicked, RuleEffect::EnableRows, kRotationRows, "Image Rotation Back Color"},
    {"Transform", "Do Image Resize", kTicked, RuleEffect::EnableRows, kResizeRows, "Image Resize Algorithm"},
    {"Adjustment", "Do Image Threshold", kTicked, RuleEffect::EnableRows, kThresholdRows, "Image Threshold"},
    {"Adjustment", "Do Image Dither", kTicked, RuleEffect::EnableRows, kDitherRows, "Image Dither Algorithm"},
    {"Frame", "Do Frame", Choice(1), RuleEffect::ShowPanel, kSolidPanel, "Solid Opacity"},
    {"Watermark", "Text Size", Choice(1), RuleEffect::ShowRows, kTextScaleRows, "Text Scale"},
    {"Watermark", "Image Size", Choice(1), RuleEffect::ShowRows, kImageScaleRows, "Image Scale"},
    {"Watermark", "Do Watermark", Choice(1), RuleEffect::ShowPanel, kTextPanel, "Image Scale"},
    {"Watermark", "Do Watermark", Choice(2), RuleEffect::ShowPanel, kImagePanel, "Image Scale"},
    {"Advanced", "File Timestamp", Choice(2), RuleEffect::EnableRows, kTimestampRows, "Custom Timestamp"},
};

void ApplyRule(const RuleDef& rule) {
  const BuiltRow* trigger = FindPreferencesRow(rule.section, rule.trigger);
  if (!trigger) return;
  const int choice = RowChoice(*trigger);
  const bool on = choice >= 0 && choice < 32 && (rule.whenChoices & Choice(choice)) != 0;
  for (const char* target : rule.targets) {
    if (rule.effect == RuleEffect::ShowPanel) {
      if (QWidget* panel = FindPreferencesPanel(trigger->page, target)) panel->setVisible(on);
    } else if (const BuiltRow* row = FindPreferencesRow(rule.section, target)) {
      if (rule.effect == RuleEffect::EnableRows) SetRowEnabled(*row, on);
      else SetRowVisible(*row, on);
    }
  }
}

}  // namespace

void ConnectPreferenceRules() {
  for (const RuleDef& rule : kRules)
    if (const BuiltRow* trigger = FindPreferencesRow(rule.section, rule.trigger))
      OnRowChoiceChanged(*trigger, [&rule] { ApplyRule(rule); });
}

void ApplyRulesAfterLoading(const BuiltRow& row) {
  if (!row.def->section) return;
  for (const RuleDef& rule : kRules)
    if (std::string_view(row.def->section) == rule.section && std::string_view(row.def->key) == rule.appliedAfter)
      ApplyRule(rule);
}
