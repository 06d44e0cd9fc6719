// What the Preferences pages do while they are open: the slider pairs, the
// enable and visibility rules, the choosers, OK's derived values, the
// rebuild of the main window and the Defaults button.
#include <QPointer>
#include <QPushButton>
#include <QToolBar>

#include <functional>

#include "config/config_file.h"
#include "i18n/text_table.h"
#include "platform/files.h"
#include "themes/theme_packages.h"
#include "ui/main/main_window.h"
#include "preferences_test_support.h"

namespace {

const BuiltRow& Row(const char* section, const char* key) {
  const BuiltRow* row = FindPreferencesRow(section, key);
  if (!row) qFatal("no row %s/%s", section, key);
  return *row;
}

void PressOk() {
  ThePreferencesWindow()->OkButton->click();
  FinishClosing();
}

// Which parts of the main window a rebuild renewed.
struct MainWindowParts {
  QPointer<QToolBar> toolbar = TheMainWindow()->MainToolbar;
  QPointer<QToolBar> fieldButton = TheMainWindow()->FieldButtons[0];
  bool ToolbarRenewed() const { return !toolbar; }
  bool FieldButtonsRenewed() const { return !fieldButton; }
};

constexpr ColorValue Rgb(int red, int green, int blue) {
  return ColorValue(red) | ColorValue(green) << 8 | ColorValue(blue) << 16;
}

}  // namespace

class PreferencesBehaviourTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { ResetPreferencesWindow(); }

  void pairsCoupleAndClamp() {
    const struct {
      const char* section;
      const char* key;
      const char* typed;  // nullptr: the track bar is moved instead
      int sliderTo;
      QString spinText;
      int slider;
      const char* stored;
    } cases[] = {
        {"Adjustment", "Image Brightness", "150", 0, "100", 200, "100"},
        {"Adjustment", "Image Brightness", nullptr, 0, "-100", 0, "-100"},
        {"Adjustment", "Image Contrast", "-250", 0, "-100", 0, "-100"},
        {"Adjustment", "Image Contrast", "abc", 0, "0", 100, "0"},  // letters cannot be typed
        {"Adjustment", "Image Gamma", "2.2", 0, "2.20", 220, "2.200000"},
        {"Adjustment", "Image Gamma", "0", 0, "0.01", 1, "0.010000"},
        {"Adjustment", "Image Gamma", "15", 0, "9.99", 999, "9.990000"},
        {"Adjustment", "Image Gamma", "0.456", 0, "0.46", 46, "0.460000"},
        {"Adjustment", "Image Gamma", nullptr, 45, "0.45", 45, "0.450000"},
        {"Output", "JPG Quality", "0", 0, "1", 1, "1"},
        {"Output", "JPG Quality", nullptr, 73, "73", 73, "73"},
        {"Watermark", "Text Rotation", "400", 0, "360", 360, "360"},
        {"Frame", "Solid Opacity", "0", 0, "1", 1, "1"},
        {"Watermark", "Text Scale", "999", 0, "200", 200, "200"},
        {"Advanced", "Out Folders Number", "77", 0, "50", 50, "50"},
    };
    for (const auto& c : cases) {
      PreferencesSession session;
      QVERIFY(OpenPreferencesOn(kGeneralPage));
      const BuiltRow& row = Row(c.section, c.key);
      if (c.typed) TypeInto(row.spin, c.typed);
      else row.slider->setValue(c.sliderTo);
      const QByteArray what = QByteArray(c.key) + " " + (c.typed ? c.typed : "slider");
      QVERIFY2(row.spin->text() == c.spinText, what + " shows " + row.spin->text().toUtf8());
      QVERIFY2(row.slider->value() == c.slider, what);
      PressOk();
      QCOMPARE(Stored(c.section, c.key), std::string(c.stored));
    }
  }

  void pairsShowNeutralAndExtremeValues() {
    const struct {
      const char* key;
      const char* value;
      QString shown;
    } cases[] = {
        {"Image Gamma", "1.0", "1.00 at 100"},
        {"Image Gamma", "2.2", "2.20 at 220"},
        {"Image Brightness", "-100", "-100 at 0"},
        {"Image Contrast", "100", "100 at 200"},
    };
    for (const auto& c : cases) {
      PreferencesSession session;
      SetStored("Adjustment", c.key, c.value);
      QVERIFY(OpenPreferencesOn(kAdjustmentPage));
      QCOMPARE(ShownText(Row("Adjustment", c.key)), c.shown);
    }
  }

  void okDerivesColorCorrection() {
    const struct {
      const char* name;
      std::function<void()> edit;
      const char* stored;
    } cases[] = {
        {"neutral", [] {}, "0"},
        {"brightness", [] { TypeInto(Row("Adjustment", "Image Brightness").spin, "5"); }, "1"},
        {"contrast", [] { TypeInto(Row("Adjustment", "Image Contrast").spin, "-1"); }, "1"},
        {"gamma", [] { TypeInto(Row("Adjustment", "Image Gamma").spin, "1.5"); }, "1"},
        {"invert", [] { Row("Adjustment", "Image Invert").check->setChecked(true); }, "1"},
    };
    for (const auto& c : cases) {
      PreferencesSession session;
      // A flag left on from an earlier run must not survive neutral values.
      g_settings.Adjustment.DoImageColorCorrection = 1;
      QVERIFY(OpenPreferencesOn(kAdjustmentPage));
      c.edit();
      PressOk();
      QVERIFY2(Stored("Adjustment", "Do Image Color Correction") == c.stored, c.name);
    }
  }

  void textsLoseSpacesTabsAndLineBreaksOnOk() {
    PreferencesSession session;
    QVERIFY(OpenPreferencesOn(kWatermarkPage));
    Row("Watermark", "Text").field->setText("  Hello\tWorld ");
    Row("Watermark", "Image").field->setText(" /srv/logo.png\r\n");
    Row("Advanced", "Filename Mask").field->setText("%filename%.%ext% \n");
    PressOk();
    QCOMPARE(g_settings.Watermark.Text, std::string("HelloWorld"));
    QCOMPARE(g_settings.Watermark.Image, std::string("/srv/logo.png"));
    QCOMPARE(g_settings.Advanced.FilenameMask, std::string("%filename%.%ext%"));
  }

  void numberFieldsTakeDigitsAndStoreWholeNumbers() {
    PreferencesSession session;
    QVERIFY(OpenPreferencesOn(kFramePage));
    QLineEdit* left = Row("Frame", "Solid Left").field;
    left->clear();
    QTest::keyClicks(left, "1a2-3");
    QCOMPARE(left->text(), QString("123"));
    Row("Frame", "Solid Right").field->clear();
    Row("Frame", "Solid Top").field->setText("99999999999999999999");
    PressOk();
    QCOMPARE(g_settings.Frame.SolidLeft, 123);
    QCOMPARE(g_settings.Frame.SolidRight, 0);
    QCOMPARE(g_settings.Frame.SolidTop, 2147483647);
  }

  void aColourOfAnotherLengthIsBlack() {
    PreferencesSession session;
    g_settings.Transform.ImageRotationBackColor = "FFF";
    g_settings.Frame.SolidTopColor = "ffcc00";
    QVERIFY(OpenPreferencesOn(kTransformPage));
    const BuiltRow& back = Row("Transform", "Image Rotation Back Color");
    QCOMPARE(back.field->text(), QString("000000"));
    QCOMPARE(SwatchColor(back.button), QColor(Qt::black));
    QCOMPARE(Row("Frame", "Solid Top Color").field->text(), QString("FFCC00"));
    PressOk();
    QCOMPARE(g_settings.Transform.ImageRotationBackColor, std::string("000000"));
    QCOMPARE(g_settings.Frame.SolidTopColor, std::string("FFCC00"));
  }

  void chooseColorShowsOnlyANewColour() {
    PreferencesSession session;
    g_settings.Frame.SolidLeftColor = "102030";
    QVERIFY(OpenPreferencesOn(kFramePage));
    const BuiltRow& row = Row("Frame", "Solid Left Color");
    std::optional<ColorValue> answer;
    ColorValue offered = 0;
    AnswerColors([&](ColorValue initial) {
      offered = initial;
      return answer;
    });
    row.button->click();  // cancelled
    QCOMPARE(offered, Rgb(0x10, 0x20, 0x30));
    QCOMPARE(row.field->text(), QString("102030"));
    answer = Rgb(0xFF, 0x80, 0x00);
    row.button->click();
    QCOMPARE(row.field->text(), QString("FF8000"));
    QCOMPARE(SwatchColor(row.button), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(Row("Frame", "Solid Right Color").field->text(), QString("000000"));
    PressOk();
    QCOMPARE(g_settings.Frame.SolidLeftColor, std::string("FF8000"));
  }

  void addCustomColorExtendsItsListAtOnce() {
    const struct {
      const char* key;
      const char* listKey;
    } combos[] = {{"Font Color", "Font Colors"}, {"Back Color", "Back Colors"}};
    for (const auto& c : combos) {
      PreferencesSession session;
      const std::string fontColors = g_settings.Watermark.FontColors;
      const std::string backColors = g_settings.Watermark.BackColors;
      const std::string chosenBefore = Stored("Watermark", c.key);
      QVERIFY(OpenPreferencesOn(kWatermarkPage));
      const BuiltRow& row = Row("Watermark", c.key);
      std::optional<ColorValue> answer = Rgb(0xFF, 0x00, 0x00);
      AnswerColors([&](ColorValue) { return answer; });

      row.button->click();  // a listed colour is only selected
      QCOMPARE(row.combo->count(), 9);
      QCOMPARE(row.combo->currentText(), QString("Red"));
      QCOMPARE(Stored("Watermark", c.listKey), c.listKey == std::string("Font Colors") ? fontColors : backColors);

      answer = Rgb(0x12, 0x34, 0x56);
      row.button->click();
      QCOMPARE(row.combo->count(), 10);
      QCOMPARE(row.combo->currentIndex(), 9);
      QCOMPARE(row.combo->currentText(), QString("Color #123456"));
      ThePreferencesWindow()->CancelButton->click();
      FinishClosing();
      // Cancel keeps the longer list, but not the choice.
      const std::string extended = std::string("000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF,123456");
      QCOMPARE(Stored("Watermark", c.listKey), extended);
      QCOMPARE(Stored("Watermark", c.key), chosenBefore);
      QCOMPARE(g_settings.Watermark.FontColors.size() + g_settings.Watermark.BackColors.size(),
               fontColors.size() + backColors.size() + 7);  // the other list is untouched
    }
  }

  void colourCombosFollowTheirLists() {
    PreferencesSession session;
    g_settings.Watermark.FontColor = "123456";  // not in the list
    g_settings.Watermark.BackColors = "";
    QVERIFY(OpenPreferencesOn(kWatermarkPage));
    QCOMPARE(Row("Watermark", "Font Color").combo->currentIndex(), 0);
    QCOMPARE(Row("Watermark", "Font Color").combo->currentText(), QString("Black"));
    // An empty list offers nothing; a chosen colour becomes its only entry.
    const BuiltRow& back = Row("Watermark", "Back Color");
    QCOMPARE(back.combo->count(), 0);
    AnswerColors([](ColorValue) { return std::optional<ColorValue>(Rgb(0, 0x80, 0)); });
    back.button->click();
    QCOMPARE(g_settings.Watermark.BackColors, std::string("008000"));
    QCOMPARE(back.combo->currentText(), QString("Green"));
    PressOk();
    QCOMPARE(g_settings.Watermark.FontColor, std::string("000000"));
    QCOMPARE(g_settings.Watermark.BackColor, std::string("008000"));
  }

  void anEmptyFontListTakesTheFont() {
    PreferencesSession session;
    g_settings.Watermark.Fonts = "";
    g_settings.Watermark.Font = "Courier New";
    QVERIFY(OpenPreferencesOn(kWatermarkPage));
    const BuiltRow& font = Row("Watermark", "Font");
    QCOMPARE(font.combo->count(), 1);
    QCOMPARE(font.combo->currentText(), QString("Courier New"));
    QCOMPARE(g_settings.Watermark.Fonts, std::string("Courier New"));
  }

  void chooseFontAddsTheFaceWithoutCommas() {
    PreferencesSession session;
    g_settings.Watermark.Font = "Tahoma";
    g_settings.Watermark.FontSize = 14;
    QVERIFY(OpenPreferencesOn(kWatermarkPage));
    std::string offeredFace;
    int offeredPoints = 0;
    std::optional<ChosenFont> answer = ChosenFont{"Fira, Sans,", 22, true, true};
    AnswerFonts([&](const std::string& face, int points) {
      offeredFace = face;
      offeredPoints = points;
      return answer;
    });
    const BuiltRow& font = Row("Watermark", "Font");
    font.button->click();
    QCOMPARE(offeredFace, std::string("Tahoma"));
    QCOMPARE(offeredPoints, 14);
    QCOMPARE(font.combo->currentText(), QString("Fira Sans"));
    QCOMPARE(g_settings.Watermark.Fonts, std::string("Arial,Tahoma,Verdana,Fira Sans"));
    QCOMPARE(Row("Watermark", "Font Size").field->text(), QString("22"));
    QCOMPARE(Row("Watermark", "Font Style").combo->currentText(), QString("Bold Italic"));

    answer = ChosenFont{"Verdana", 9, false, true};  // listed: only selected
    font.button->click();
    QCOMPARE(font.combo->count(), 4);
    QCOMPARE(font.combo->currentText(), QString("Verdana"));
    QCOMPARE(Row("Watermark", "Font Style").combo->currentText(), QString("Italic"));

    answer.reset();  // cancelled
    font.button->click();
    QCOMPARE(font.combo->currentText(), QString("Verdana"));
    QCOMPARE(Row("Watermark", "Font Size").field->text(), QString("9"));

    font.combo->setCurrentIndex(3);
    PressOk();
    QCOMPARE(g_settings.Watermark.Font, std::string("Fira Sans"));
    QCOMPARE(g_settings.Watermark.FontSize, 9);
    QCOMPARE(int(g_settings.Watermark.FontStyle), 2);
  }

  void chooseWatermarkImageOffersTheImageTypes() {
    PreferencesSession session;
    g_settings.Watermark.Image = " /srv/old.png ";
    QVERIFY(OpenPreferencesOn(kWatermarkPage));
    QString title, start, answer;
    std::string filter;
    AnswerImageFiles([&](const QString& t, const QString& s, const std::string& f) {
      title = t;
      start = s;
      filter = f;
      return answer;
    });
    const BuiltRow& image = Row("Watermark", "Image");
    image.button->click();  // cancelled
    QCOMPARE(title, QString("Select Watermark Image"));
    QCOMPARE(start, QString("/srv/old.png"));
    QCOMPARE(filter, std::string("All Supported Files|*.png;*.bmp;*.rle;*.dib;*.jpg;*.jpeg;*.jpe;*.jif|"
                                 "Portable Network Graphics|*.png|Windows or OS/2 Bitmap|*.bmp;*.rle;*.dib|"
                                 "JPEG File|*.jpg;*.jpeg;*.jpe;*.jif|All Files (*.*)|*.*"));
    QCOMPARE(image.field->text(), QString(" /srv/old.png "));
    answer = "/srv/new logo.png";
    image.button->click();
    QCOMPARE(image.field->text(), answer);
    PressOk();
    QCOMPARE(g_settings.Watermark.Image, std::string("/srv/new logo.png"));
  }

  void bitDepthsOutsideTheListStoreAuto() {
    const struct {
      const char* key;
      const char* value;
      int index;
      const char* stored;
    } cases[] = {
        {"JPG BPP", "0", 0, "0"},
        {"JPG BPP", "24", 2, "24"},
        {"JPG BPP", "17", -1, "0"},
        {"BMP BPP", "32", 6, "32"},
        {"BMP BPP", "12", -1, "0"},
    };
    for (const auto& c : cases) {
      PreferencesSession session;
      SetStored("Output", c.key, c.value);
      QVERIFY(OpenPreferencesOn(kOutputPage));
      QCOMPARE(Row("Output", c.key).combo->currentIndex(), c.index);
      PressOk();
      QCOMPARE(Stored("Output", c.key), std::string(c.stored));
    }
  }

  void rulesEnableRowsWhenTicked() {
    const struct {
      const char* section;
      const char* trigger;
      std::vector<const char*> governed;
    } rules[] = {
        {"Transform", "Do Image Rotation", {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"}},
        {"Transform",
         "Do Image Resize",
         {"Image Width", "Image Height", "Keep Aspect Ratio", "Image Resize Type", "Image Resize Algorithm"}},
        {"Adjustment", "Do Image Threshold", {"Image Threshold"}},
        {"Adjustment", "Do Image Dither", {"Image Dither Algorithm"}},
    };
    for (bool storedOn : {false, true}) {
      PreferencesSession session;
      for (const auto& rule : rules) SetStored(rule.section, rule.trigger, storedOn ? "1" : "0");
      QVERIFY(OpenPreferencesOn(kTransformPage));
      for (const auto& rule : rules) {
        for (bool on : {storedOn, !storedOn}) {
          Row(rule.section, rule.trigger).check->setChecked(on);
          for (const char* key : rule.governed) {
            const BuiltRow& row = Row(rule.section, key);
            QVERIFY2(row.label->isEnabled() == on, key);
            for (QWidget* control : std::initializer_list<QWidget*>{row.combo, row.slider, row.spin, row.field,
                                                                    row.button, row.check})
              if (control) QVERIFY2(control->isEnabled() == on, key);
          }
        }
      }
    }
  }

  void theRawRuleFollowsTheLoadAsChoice() {
    // Per choice: header, width and height rows enabled; tone mapping enabled.
    const struct {
      int choice;
      bool sizes, tone;
    } cases[] = {{0, false, false}, {1, true, false}, {2, true, false},
                 {3, false, false}, {4, false, true}, {5, false, true}};
    const auto check = [](bool sizes, bool tone) {
      for (const char* key : {"RAW Header Size", "RAW Image Width", "RAW Image Height"}) {
        QVERIFY2(Row("Input", key).field->isEnabled() == sizes, key);
        QVERIFY2(Row("Input", key).combo->isEnabled() == sizes, key);
      }
      QCOMPARE(Row("Input", "RAW Tone Mapping").combo->isEnabled(), tone);
    };
    for (const auto& c : cases) {
      PreferencesSession session;
      g_settings.Input.RawLoadAs = c.choice;
      QVERIFY(OpenPreferencesOn(kInputPage));
      check(c.sizes, c.tone);
      for (const auto& other : cases) {
        Row("Input", "RAW Load As").combo->setCurrentIndex(other.choice);
        check(other.sizes, other.tone);
      }
    }
  }

  void panelsAndRowsFollowTheirCombos() {
    PreferencesSession session;
    g_settings.Frame.DoFrame = 0;
    g_settings.Watermark.DoWatermark = 0;
    g_settings.Advanced.FileTimestamp = 1;
    QVERIFY(OpenPreferencesOn(kFramePage));
    QWidget* solid = FindPreferencesPanel(kFramePage, "solid");
    QWidget* text = FindPreferencesPanel(kWatermarkPage, "text");
    QWidget* image = FindPreferencesPanel(kWatermarkPage, "image");
    QVERIFY(solid->isHidden() && text->isHidden() && image->isHidden());
    Row("Frame", "Do Frame").combo->setCurrentIndex(1);
    QVERIFY(!solid->isHidden());
    Row("Frame", "Do Frame").combo->setCurrentIndex(0);
    QVERIFY(solid->isHidden());

    const struct {
      int choice;
      bool text, image;
    } watermark[] = {{1, true, false}, {2, false, true}, {0, false, false}};
    for (const auto& w : watermark) {
      Row("Watermark", "Do Watermark").combo->setCurrentIndex(w.choice);
      QCOMPARE(!text->isHidden(), w.text);
      QCOMPARE(!image->isHidden(), w.image);
    }

    // The only size is "Fixed", so the scale rows stay hidden.
    for (const char* key : {"Text Scale", "Image Scale"}) {
      QVERIFY2(Row("Watermark", key).label->isHidden(), key);
      QVERIFY2(Row("Watermark", key).slider->isHidden(), key);
    }

    const BuiltRow& custom = Row("Advanced", "Custom Timestamp");
    QVERIFY(!custom.date->isEnabled());
    Row("Advanced", "File Timestamp").combo->setCurrentIndex(2);
    QVERIFY(custom.date->isEnabled() && custom.label->isEnabled());
    Row("Advanced", "File Timestamp").combo->setCurrentIndex(0);
    QVERIFY(!custom.date->isEnabled());
  }

  void theDateFieldStoresTheChosenTime() {
    PreferencesSession session;
    QVERIFY(OpenPreferencesOn(kAdvancedPage));
    // Date values count local wall-clock seconds, whatever the time zone.
    Row("Advanced", "Custom Timestamp").date->setDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC));
    PressOk();
    QCOMPARE(g_settings.Advanced.CustomTimestamp, int64_t(981173106));
  }

  void themeComboListsThemesInIdOrder() {
    PreferencesSession session;
    const auto installed = ThemeList;
    const struct {
      std::map<std::string, std::string> themes;
      const char* current;
      QStringList items;
      int selected;
    } cases[] = {
        {{{"beta", "Beta"}, {"Alpha", "Alpha Theme"}, {"gamma", ""}}, "gone", {"Alpha Theme", "Beta", "gamma"}, 0},
        {{{"beta", "Beta"}, {"Alpha", "Alpha Theme"}, {"gamma", ""}}, "gamma", {"Alpha Theme", "Beta", "gamma"}, 2},
        {{}, "handdrawn", {"None"}, 0},
    };
    for (const auto& c : cases) {
      ThemeList = c.themes;
      g_settings.Interface.UiTheme = c.current;
      QVERIFY(OpenPreferencesOn(kInterfacePage));
      const BuiltRow& theme = Row("Interface", "UI Theme");
      QStringList items;
      for (int i = 0; i < theme.combo->count(); ++i) items << theme.combo->itemText(i);
      QCOMPARE(items, c.items);
      QCOMPARE(theme.combo->currentIndex(), c.selected);
      ThePreferencesWindow()->CancelButton->click();
      FinishClosing();
    }
    // Without installed themes OK keeps the theme it cannot offer.
    QVERIFY(OpenPreferencesOn(kInterfacePage));
    MainWindowParts parts;
    PressOk();
    QCOMPARE(g_settings.Interface.UiTheme, std::string("handdrawn"));
    QVERIFY(!parts.FieldButtonsRenewed());
    ThemeList = installed;
  }

  void okRebuildsOnlyWhatChanged() {
    const struct {
      const char* name;
      int themeIndex;  // 0 alpine, 1 handdrawn (the current one)
      int size;        // 2 is the current size
      bool toolbar, fieldButtons;
    } cases[] = {
        {"nothing", 1, 2, false, false},
        {"size", 1, 0, true, false},
        {"theme", 0, 2, true, true},
        {"both", 0, 1, true, true},
    };
    for (const auto& c : cases) {
      PreferencesSession session({"alpine", "handdrawn"});
      QCOMPARE(g_settings.Interface.UiTheme, std::string("handdrawn"));
      QVERIFY(OpenPreferencesOn(kInterfacePage));
      Row("Interface", "UI Theme").combo->setCurrentIndex(c.themeIndex);
      Row("Interface", "UI Size").combo->setCurrentIndex(c.size);
      MainWindowParts parts;
      PressOk();
      QVERIFY2(parts.ToolbarRenewed() == c.toolbar, c.name);
      QVERIFY2(parts.FieldButtonsRenewed() == c.fieldButtons, c.name);
      QCOMPARE(g_job.RebuildKind, 0);
      QCOMPARE(g_settings.Interface.UiTheme, std::string(c.themeIndex == 0 ? "alpine" : "handdrawn"));
      QCOMPARE(g_settings.Interface.UiSize, c.size);
      QCOMPARE(TheMainWindow()->MainToolbar->iconSize(), QSize(ToolbarIconSize(c.size), ToolbarIconSize(c.size)));
    }
  }

  void defaultsAnsweredNoChangesNothing() {
    PreferencesSession session;
    g_settings.Output.JpgQuality = 42;
    QVERIFY(OpenPreferencesOn(kOutputPage));
    TypeInto(Row("Output", "JPG Quality").spin, "60");
    session.questionAnswer = false;
    ThePreferencesWindow()->DefaultsButton->click();
    QCOMPARE(session.messages.size(), size_t(1));
    QCOMPARE(session.messages[0].kind, MessageKind::Question);
    QCOMPARE(session.messages[0].title, std::string("Reset to Defaults"));
    QCOMPARE(session.messages[0].text,
             std::string("Are you sure you want to reset all your settings to the default values?"));
    QVERIFY(ThePreferencesWindow());
    QVERIFY(!TheMainWindow()->isEnabled());
    QCOMPARE(Row("Output", "JPG Quality").spin->value(), 60);
    QCOMPARE(g_settings.Output.JpgQuality, 42);
    QVERIFY(!PathExists(session.ConfigPath()));
  }

  void defaultsAnsweredYesRestoresAndSaves() {
    PreferencesSession session;
    g_settings.Output.JpgQuality = 42;
    g_settings.Watermark.Font = "Verdana";
    QVERIFY(OpenPreferencesOn(kOutputPage));
    TypeInto(Row("Output", "JPG Quality").spin, "60");  // the controls are not read
    session.questionAnswer = true;
    ThePreferencesWindow()->DefaultsButton->click();
    FinishClosing();
    QVERIFY(!ThePreferencesWindow());
    QVERIFY(TheMainWindow()->isEnabled());
    QCOMPARE(g_settings.Output.JpgQuality, 95);
    QCOMPARE(g_settings.Watermark.Font, std::string("Arial"));
    IniFile saved;
    QVERIFY(saved.Load(session.ConfigPath()));
    QCOMPARE(saved.Value("Output", "JPG Quality").value_or(""), std::string("95"));
  }

  void defaultsRebuildWhatTheDefaultsChange() {
    const struct {
      const char* name;
      const char* theme;  // in force when the window opens
      int size;
      int comboTheme;  // chosen in the combo before Defaults, -1 for none
      bool toolbar, fieldButtons;
    } cases[] = {
        {"defaults already", "handdrawn", 2, -1, false, false},
        {"other size", "handdrawn", 0, -1, true, false},
        {"other theme", "alpine", 2, -1, true, true},
        // The main window still shows alpine, whatever the combo says.
        {"combo on the default", "alpine", 2, 1, true, true},
    };
    for (const auto& c : cases) {
      PreferencesSession session({"alpine", "handdrawn"});
      g_settings.Interface.UiTheme = c.theme;
      g_settings.Interface.UiSize = c.size;
      RebuildMainWindow();  // no kind: nothing renewed
      g_job.RebuildKind = 1;
      RebuildMainWindow();  // the main window shows the theme in force
      QVERIFY(OpenPreferencesOn(kInterfacePage));
      if (c.comboTheme >= 0) Row("Interface", "UI Theme").combo->setCurrentIndex(c.comboTheme);
      session.questionAnswer = true;
      MainWindowParts parts;
      ThePreferencesWindow()->DefaultsButton->click();
      FinishClosing();
      QVERIFY2(parts.ToolbarRenewed() == c.toolbar, c.name);
      QVERIFY2(parts.FieldButtonsRenewed() == c.fieldButtons, c.name);
      QCOMPARE(g_settings.Interface.UiTheme, std::string("handdrawn"));
      QCOMPARE(g_settings.Interface.UiSize, 2);
    }
  }
};

QTEST_MAIN(PreferencesBehaviourTest)
#include "preferences_behaviour_qtest.moc"
