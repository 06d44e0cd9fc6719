#include "app/settings.h"

#include <charconv>
#include <cstdlib>

#include "app/product.h"
#include "app/setting_table.h"
#include "platform/clock.h"

Settings g_settings;

namespace {

void NoDesktop(int& width, int& height) { width = height = 0; }
void (*g_desktopSize)(int&, int&) = NoDesktop;

void ApplyTableDefault(const SettingDef& def) {
  const std::string value = def.defaultValue;
  if (def.type == SettingType::Real) {
    float real = 0;
    std::from_chars(value.data(), value.data() + value.size(), real);
    SettingReal(def, g_settings) = real;
  } else if (IsNumberSetting(def)) {
    SetSettingNumber(def, g_settings, std::strtoll(value.c_str(), nullptr, 10));
  } else {
    SettingString(def, g_settings) = value;
  }
}

// Centred when the window fits on the desktop, else 100.
int32_t CentredPosition(int desktop, int window) { return window < desktop ? (desktop - window) / 2 : 100; }

}  // namespace

void SetDesktopSizeProvider(void (*provider)(int& width, int& height)) {
  g_desktopSize = provider ? provider : NoDesktop;
}

void ApplyDefaults(DefaultsVariant variant) {
  for (const SettingDef& def : SettingTable()) ApplyTableDefault(def);

  int desktopWidth = 0, desktopHeight = 0;
  g_desktopSize(desktopWidth, desktopHeight);
  g_settings.Window.X = CentredPosition(desktopWidth, 510);
  g_settings.Window.Y = CentredPosition(desktopHeight, 260);
  const int64_t now = LocalDateNow();
  g_settings.General.UpdateDate = now;
  g_settings.Advanced.CustomTimestamp = now;
  g_settings.Input.Format = ProductFormats().input.front();
  g_settings.Output.Format = ProductFormats().output.front();
  g_settings.Transform.KeepAspectRatio = variant == DefaultsVariant::Console ? 0 : 1;
  g_settings.Watermark.Text = MakerNotice();
}
