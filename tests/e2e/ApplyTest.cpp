// Apply and OK send the record to every unit and turn the driver's answers into silence,
// one retry or one message; Cancel sends nothing; a vanished device ends the panel.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

constexpr char kSet[] = "IOCTL_DRV_SET_SETTINGS";
constexpr wchar_t kInUseText[] =
    L"Device currently used by another application.\nTo have settings take effect, quit all "
    L"such applications, then restart the application.";
constexpr wchar_t kPowerCycleText[] =
    L"To have settings changes take effect, switch the power off, then on again.";

std::vector<DriverRequest> OfUnit(const std::vector<DriverRequest>& requests, int unit) {
  std::vector<DriverRequest> matching;
  for (const DriverRequest& r : requests) {
    if (r.unit == unit) matching.push_back(r);
  }
  return matching;
}

struct StatusCase {
  const char* name;
  const char* unit1Statuses;  // the Set replies of unit 1, in order
  const char* unit2Statuses;  // nullptr: unit 2 stays unplugged
  size_t setsPerUnit;
  const wchar_t* message;  // nullptr: no message box
};

const StatusCase kStatusCases[] = {
    {"AllZero", "0", nullptr, 1, nullptr},
    {"InUseTwice", "1,1", nullptr, 2, kInUseText},
    {"InUseThenZero", "1,0", nullptr, 2, nullptr},
    {"InUseThenPowerCycle", "1,2", nullptr, 2, nullptr},
    {"PowerCycle", "2", nullptr, 1, kPowerCycleText},
    {"PowerCycleOnOneUnitInUseOnAnother", "3", "1", 1, kPowerCycleText},
    {"InUseOnOneUnitPowerCycleOnAnother", "1", "3", 1, kPowerCycleText},
    {"InUseTwiceOnTwoUnits", "1,1", "0,1", 2, kInUseText},
};

class ApplyStatusTest : public PanelTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(ApplyStatusTest, DriverAnswersGiveSilenceOneRetryOrOneMessage) {
  const StatusCase& c = GetParam();
  qxdv().Run("set-status 1", c.unit1Statuses);
  const int units = c.unit2Statuses != nullptr ? 2 : 1;
  if (units == 2) {
    qxdv().Run("plug 2");
    qxdv().Run("set-status 2", c.unit2Statuses);
  }
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, 3);

  if (c.message != nullptr) {
    PostClick(dialog, IDC_BN_APPLY);
    HWND box = WaitForMessageBox(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), c.message);
    EXPECT_EQ(WindowText(box), L" ") << "the application title, a single space";
    Click(box, IDOK);
    EXPECT_TRUE(WaitForNoDialog(OwnedBy(dialog)));
  } else {
    Click(dialog, IDC_BN_APPLY);  // returns once the whole sequence has run
    EXPECT_TRUE(FindDialogs(OwnedBy(dialog)).empty());
    EXPECT_EQ(FocusedWindow(dialog), GetDlgItem(dialog, IDOK)) << "the focus leaves Apply for OK";
  }
  EXPECT_FALSE(ControlEnabled(dialog, IDC_BN_APPLY));
  EXPECT_TRUE(IsWindowVisible(dialog)) << "Apply keeps the dialog open";

  const std::vector<DriverRequest> sets = qxdv().Answered(kSet);
  for (int unit = 1; unit <= units; ++unit) {
    const std::vector<DriverRequest> unitSets = OfUnit(sets, unit);
    EXPECT_EQ(unitSets.size(), c.setsPerUnit) << "unit " << unit;
    if (unitSets.size() == 2) {
      const int64_t pause = unitSets[1].ms - unitSets[0].ms;
      EXPECT_GE(pause, 95) << "the retry waits 100 ms";
      EXPECT_LT(pause, 1000);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(, ApplyStatusTest, ::testing::ValuesIn(kStatusCases), CaseName());

using ApplyTest = PanelTest;

// The fields the panel owns follow the controls, clamped to the level's bound; the
// driver's own fields go back exactly as they came.
TEST_F(ApplyTest, StoredRecordReflectsTheControlsAndCarriesTheRest) {
  const struct {
    const char* field;
    int value;
  } driverRecord[] = {
      {"bufferLevel", 9}, {"adjustAEnabled", 1},  {"adjustA", 100},       {"adjustBEnabled", 7},
      {"adjustB", -30},   {"value280", 11},       {"value292", 12},       {"value316", 13},
      {"value320", 14},   {"rateTable[0]", 4410}, {"rateTable[69]", -69},
  };
  for (const auto& f : driverRecord) qxdv().Run("field 1", f.field, f.value);
  StoredRecord expected = qxdv().Record(1);

  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SliderPosition(dialog, IDC_SLIDER_BUF_SIZE), 9);
  MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, 2);
  Click(dialog, IDC_BN_ASIO_SMALLER);
  Click(dialog, IDC_BN_MIDI_IN_TYPE);
  Click(dialog, IDC_BN_APPLY);

  // Level 2 bounds both values to 4 either way.
  expected["bufferLevel"] = "2";
  expected["adjustA"] = "4";
  expected["adjustB"] = "-4";
  expected["useSmallerAsioBuffer"] = "1";
  expected["midiInLightLoad"] = "1";
  EXPECT_EQ(qxdv().Record(1), expected);
}

TEST_F(ApplyTest, OkWithoutChangeStillSendsTheRecordShown) {
  const struct {
    const char* field;
    int value;
  } driverRecord[] = {{"bufferLevel", 3},     {"useSmallerAsioBuffer", 1},
                      {"midiInLightLoad", 1}, {"adjustA", -2},
                      {"value280", 77},       {"rateTable[5]", 96000}};
  for (const auto& f : driverRecord) qxdv().Run("field 1", f.field, f.value);
  qxdv().Run("plug 2");
  const StoredRecord shown = qxdv().Record(1);

  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SliderPosition(dialog, IDC_SLIDER_BUF_SIZE), 3);
  EXPECT_TRUE(ControlChecked(dialog, IDC_BN_ASIO_SMALLER));
  EXPECT_TRUE(ControlChecked(dialog, IDC_BN_MIDI_IN_TYPE));
  PostClick(dialog, IDOK);
  ASSERT_TRUE(panel.WaitForEnd());

  const std::vector<DriverRequest> sets = qxdv().Answered(kSet);
  EXPECT_EQ(OfUnit(sets, 1).size(), 1u);
  EXPECT_EQ(OfUnit(sets, 2).size(), 1u);
  EXPECT_EQ(qxdv().Record(1), shown);
  EXPECT_EQ(qxdv().Record(2), shown) << "every unit gets the record read from the first";
}

TEST_F(ApplyTest, CancelSendsNothing) {
  const StoredRecord before = qxdv().Record(1);
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  MoveSlider(dialog, IDC_SLIDER_BUF_SIZE, 8);
  Click(dialog, IDC_BN_MIDI_IN_TYPE);
  PostClick(dialog, IDCANCEL);
  ASSERT_TRUE(panel.WaitForEnd());
  EXPECT_TRUE(qxdv().Answered(kSet).empty());
  EXPECT_EQ(qxdv().Record(1), before);
}

// Unplugging after the dialog opened: Apply and OK both end in the no-device dialog,
// whose OK ends the panel, and no Set reaches a driver.
class UnpluggedApplyTest : public PanelTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnpluggedApplyTest, ShowsTheNoDeviceDialogThenEnds) {
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  qxdv().Run("unplug 1");
  PostClick(dialog, GetParam());
  HWND noDevice = WaitForNoDeviceDialog(panel);
  ASSERT_NE(noDevice, nullptr);
  Click(noDevice, IDOK);
  EXPECT_TRUE(panel.WaitForEnd());
  EXPECT_TRUE(qxdv().Answered(kSet).empty());
}

INSTANTIATE_TEST_SUITE_P(, UnpluggedApplyTest, ::testing::Values(IDC_BN_APPLY, IDOK),
                         [](const auto& c) {
                           return std::string(c.param == IDOK ? "Ok" : "Apply");
                         });

}  // namespace
}  // namespace drvprop::e2e
