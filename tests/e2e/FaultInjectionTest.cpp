// A seeded random run: between user actions the substitute driver plugs and unplugs units,
// changes its answers, fails requests and shortens replies. After every step the panel must
// still run and answer within 2 s, or have ended for a reason it was given; every Apply
// and OK must reach exactly the units that answer, store there the record the dialog
// showed, and show the message (or the no-device dialog) those answers call for; Cancel
// must send nothing.
//
// FAULT_SEED repeats a run (the seed is printed), FAULT_STEPS sets its length (40).
#include <cstring>
#include <deque>
#include <map>
#include <random>

#include "FaultModel.h"
#include "RecordFields.h"
#include "dialogs/BufferLevel.h"
#include "harness/DriverControl.h"
#include "harness/HarnessText.h"
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

constexpr int kDefaultSteps = 40;
constexpr UINT kAnswerWithinMs = 2000;
constexpr size_t kHistoryShown = 12;
// Exception codes are NTSTATUS errors; a panel that ends by itself returns a small code.
constexpr DWORD kFirstCrashCode = 0xC0000000;

uint32_t SeedFromEnvironment() {
  const std::wstring text = EnvironmentValue(L"FAULT_SEED");
  if (!text.empty()) return static_cast<uint32_t>(std::stoul(Narrow(text), nullptr, 0));
  return static_cast<uint32_t>(GetTickCount64());
}

int StepsFromEnvironment() {
  const std::wstring text = EnvironmentValue(L"FAULT_STEPS");
  return text.empty() ? kDefaultSteps : std::stoi(Narrow(text));
}

std::string RecordDifferences(const DRVPROP_SETTINGS& stored, const DRVPROP_SETTINGS& expected) {
  int32_t a[sizeof(DRVPROP_SETTINGS) / 4];
  int32_t b[sizeof(DRVPROP_SETTINGS) / 4];
  std::memcpy(a, &stored, sizeof a);
  std::memcpy(b, &expected, sizeof b);
  std::string text;
  for (uint32_t word = 0; word < std::size(a); ++word) {
    if (a[word] == b[word]) continue;
    std::string name = "rateTable[" + std::to_string(word) + "]";
    for (const qxdv::RecordField& field : qxdv::kRecordFields) {
      if (field.word == word) name = field.name;
    }
    text += " " + name + "=" + std::to_string(a[word]) + " (want " + std::to_string(b[word]) + ")";
  }
  return text;
}

bool SameRecord(const DRVPROP_SETTINGS& a, const DRVPROP_SETTINGS& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class FaultInjectionTest : public PanelTest {
 protected:
  void Run(uint32_t seed, int steps);
  // How often each kind of step ran, by the first word of its description.
  std::string Tally() const;

 private:
  using Action = void (FaultInjectionTest::*)();
  struct WeightedAction {
    int weight;
    Action action;
  };

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  template <typename T, size_t N>
  T PickOf(const T (&values)[N]) {
    return values[static_cast<size_t>(Pick(0, static_cast<int>(N) - 1))];
  }
  void Say(std::string what) { history_.push_back(std::move(what)); }
  void Driver(qxdv::CommandOp op, int unit, std::initializer_list<int32_t> values = {},
              uint32_t arg = 0) {
    ASSERT_TRUE(DriverCommand(op, unit, values, arg)) << "the driver refused a command";
  }
  UnitStates ReadUnits();

  // The driver's side.
  void PlugOrUnplug();
  void ScriptSetStatuses();
  void ChangeGetStatus();
  void FailRequest();
  void ShortenReply();
  void ClearFaults();
  void ChangeStreamAnswers();
  void ChangeStoredField();

  // The user's side.
  void Start();
  void SecondStart();
  void MoveTheSlider();
  void ClickCheckbox();
  void Apply() { PressApplyOrOk(true); }
  void Ok() { PressApplyOrOk(false); }
  void Cancel();

  void PressApplyOrOk(bool applyButton);
  void AwaitSequence(const ApplyOutcome& expected, bool applyButton);
  void CheckSets(const ApplyOutcome& expected, const UnitStates& before,
                 const DRVPROP_SETTINGS& sent);
  void ExpectPanelEnds(const char* why);
  void CheckPanelAlive();

  std::mt19937 rng_;
  std::optional<Panel> panel_;
  HWND dialog_ = nullptr;
  DRVPROP_SETTINGS shown_{};  // what the dialog holds, as the panel must have computed it
  std::deque<std::string> history_;
};

UnitStates FaultInjectionTest::ReadUnits() {
  UnitStates units{};
  for (int unit = 1; unit <= static_cast<int>(units.size()); ++unit) {
    const auto state = ReadUnitState(unit);
    EXPECT_TRUE(state.has_value()) << "cannot read unit " << unit;
    if (state) units[static_cast<size_t>(unit - 1)] = *state;
  }
  return units;
}

void FaultInjectionTest::PlugOrUnplug() {
  const int unit = Pick(1, 4);
  const bool plug = Pick(0, 1) == 1;
  Say((plug ? "plug " : "unplug ") + std::to_string(unit));
  Driver(plug ? qxdv::kOpPlug : qxdv::kOpUnplug, unit);
}

void FaultInjectionTest::ScriptSetStatuses() {
  static constexpr int32_t kStatuses[] = {0, 0, 0, 0, 0, 1, 1, 2, 3, 7, -1};
  const int unit = Pick(1, 4);
  const int32_t a = PickOf(kStatuses), b = PickOf(kStatuses), c = PickOf(kStatuses);
  const int count = Pick(1, 3);
  Say("set-status " + std::to_string(unit) + " " + std::to_string(a) + "," + std::to_string(b) +
      "," + std::to_string(c) + " (first " + std::to_string(count) + ")");
  if (count == 1) Driver(qxdv::kOpStatusScript, unit, {a});
  if (count == 2) Driver(qxdv::kOpStatusScript, unit, {a, b});
  if (count == 3) Driver(qxdv::kOpStatusScript, unit, {a, b, c});
}

void FaultInjectionTest::ChangeGetStatus() {
  static constexpr int32_t kStatuses[] = {1, 1, 1, 0, 5, -1};
  const int unit = Pick(1, 4);
  const int32_t status = PickOf(kStatuses);
  Say("get-status " + std::to_string(unit) + " " + std::to_string(status));
  Driver(qxdv::kOpGetStatus, unit, {status});
}

void FaultInjectionTest::FailRequest() {
  const int unit = Pick(1, 4);
  const auto request = static_cast<uint32_t>(Pick(0, qxdv::kRequestCount - 1));
  Say("fail " + std::to_string(unit) + " " + qxdv::kRequests[request].name);
  Driver(qxdv::kOpFault, unit, {qxdv::kFaultFail, 0}, request);
}

void FaultInjectionTest::ShortenReply() {
  const int unit = Pick(1, 4);
  const auto request = static_cast<uint32_t>(Pick(0, qxdv::kRequestCount - 1));
  const auto size = static_cast<int32_t>(qxdv::kRequests[request].size);
  // Around the words the panel reads: the status word of the settings replies, the unit
  // count and rate of the stream state, the length of the information block.
  const int32_t choices[] = {0, 4, 6, 8, 12, size / 2, size - 4, size - 2, size - 1};
  const int32_t bytes = std::clamp(PickOf(choices), 0, size);
  Say("reply-bytes " + std::to_string(unit) + " " + qxdv::kRequests[request].name + " " +
      std::to_string(bytes));
  Driver(qxdv::kOpFault, unit, {qxdv::kFaultShortReply, bytes}, request);
}

void FaultInjectionTest::ClearFaults() {
  const int unit = Pick(1, 4);
  Say("fail " + std::to_string(unit) + " none");
  Driver(qxdv::kOpClearFaults, unit);
}

void FaultInjectionTest::ChangeStreamAnswers() {
  static constexpr int32_t kCounts[] = {0, 0, 1, 2, 4, -1, 9};
  static constexpr int32_t kRates[] = {44100, 48000, 96000, 192001, 0, -44100, 2147483647};
  static constexpr int32_t kInfoLengths[] = {0, 3, 13, 2048, 5000};
  const int unit = Pick(1, 4);
  switch (Pick(0, 3)) {
    case 0: {
      const int32_t count = PickOf(kCounts), rate = PickOf(kRates);
      Say("stream " + std::to_string(unit) + " " + std::to_string(count) + " " +
          std::to_string(rate));
      Driver(qxdv::kOpStream, unit, {count, rate});
      break;
    }
    case 1: {
      const int32_t mode = Pick(0, 2);
      Say("mode " + std::to_string(unit) + " " + std::to_string(mode));
      Driver(qxdv::kOpMode, unit, {mode});
      break;
    }
    case 2: {
      const int32_t rate = PickOf(kRates);
      Say("clock " + std::to_string(unit) + " " + std::to_string(rate));
      Driver(qxdv::kOpClock, unit, {rate});
      break;
    }
    default: {
      const auto length = static_cast<uint32_t>(PickOf(kInfoLengths));
      Say("info-len " + std::to_string(unit) + " " + std::to_string(length));
      Driver(qxdv::kOpInfoLength, unit, {}, length);
      break;
    }
  }
}

void FaultInjectionTest::ChangeStoredField() {
  static constexpr int32_t kValues[] = {0,  1,   2,   3,         5,         7,    9,
                                        10, -1,  -3,  30,        -30,       100,  1000,
                                        42, -42, -43, INT32_MIN, INT32_MAX, 48000};
  // The fields the panel clamps and edits come up most: they are where it can go wrong.
  static constexpr uint32_t kWords[] = {offsetof(DRVPROP_SETTINGS, adjustA) / 4,
                                        offsetof(DRVPROP_SETTINGS, adjustB) / 4,
                                        offsetof(DRVPROP_SETTINGS, adjustA) / 4,
                                        offsetof(DRVPROP_SETTINGS, adjustB) / 4,
                                        offsetof(DRVPROP_SETTINGS, adjustAEnabled) / 4,
                                        offsetof(DRVPROP_SETTINGS, adjustBEnabled) / 4,
                                        offsetof(DRVPROP_SETTINGS, bufferLevel) / 4,
                                        offsetof(DRVPROP_SETTINGS, useSmallerAsioBuffer) / 4,
                                        offsetof(DRVPROP_SETTINGS, midiInLightLoad) / 4,
                                        offsetof(DRVPROP_SETTINGS, value280) / 4,
                                        offsetof(DRVPROP_SETTINGS, value320) / 4,
                                        0,
                                        kRateTableEntries - 1};
  const int unit = Pick(1, 4);
  const uint32_t word = PickOf(kWords);
  const int32_t value = PickOf(kValues);
  Say("field " + std::to_string(unit) + " word " + std::to_string(word) + " " +
      std::to_string(value));
  Driver(qxdv::kOpField, unit, {value}, word);
}

void FaultInjectionTest::Start() {
  const UnitStates units = ReadUnits();
  const StartOutcome expected = PredictStart(units);
  Say(expected.showsSettings ? "start-settings" : "start-nodevice");
  panel_.emplace(StartPanel());
  if (!expected.showsSettings) {
    HWND noDevice = WaitForNoDeviceDialog(*panel_);
    ASSERT_NE(noDevice, nullptr);
    Click(noDevice, IDOK);
    ExpectPanelEnds("after the no-device dialog at start");
    return;
  }
  dialog_ = WaitForMainDialog(*panel_);
  ASSERT_NE(dialog_, nullptr);
  shown_ = expected.settings;
  EXPECT_EQ(SliderPosition(dialog_, IDC_SLIDER_BUF_SIZE), ClampLevel(shown_.bufferLevel));
  EXPECT_EQ(ControlChecked(dialog_, IDC_BN_ASIO_SMALLER), shown_.useSmallerAsioBuffer != 0);
  EXPECT_FALSE(ControlEnabled(dialog_, IDC_BN_APPLY));
}

void FaultInjectionTest::SecondStart() {
  Say("second start");
  Panel second = StartPanel();
  EXPECT_TRUE(second.WaitForEnd()) << "a second copy kept running";
  EXPECT_EQ(FindDialogs(Titled(kEnglishTitle)), std::vector<HWND>{dialog_});
}

void FaultInjectionTest::MoveTheSlider() {
  static constexpr WORD kCodes[] = {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL, SB_LINEDOWN,
                                    SB_PAGEUP};
  const int position = Pick(0, kMaxBufferLevel);
  const WORD code = PickOf(kCodes);
  Say("slider " + std::to_string(position) + " code " + std::to_string(code));
  MoveSlider(dialog_, IDC_SLIDER_BUF_SIZE, position, code);
  EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY));
}

void FaultInjectionTest::ClickCheckbox() {
  const int control = Pick(0, 1) == 0 ? IDC_BN_ASIO_SMALLER : IDC_BN_MIDI_IN_TYPE;
  Say("click " + std::to_string(control));
  Click(dialog_, control);
  EXPECT_TRUE(ControlEnabled(dialog_, IDC_BN_APPLY));
}

void FaultInjectionTest::Cancel() {
  Say("cancel");
  const UnitStates before = ReadUnits();
  Driver(qxdv::kOpLogClear, 1);
  PostClick(dialog_, IDCANCEL);
  ExpectPanelEnds("after Cancel");
  const auto log = ReadDriverLog();
  ASSERT_TRUE(log.has_value());
  for (const qxdv::QXDV_LOG_ENTRY& entry : log->entries) {
    EXPECT_NE(entry.code, IOCTL_DRV_SET_SETTINGS) << "Cancel sent a Set to unit " << entry.unit;
  }
  const UnitStates after = ReadUnits();
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_TRUE(SameRecord(after[i].record, before[i].record)) << "unit " << i + 1;
  }
}

void FaultInjectionTest::PressApplyOrOk(bool applyButton) {
  const UnitStates before = ReadUnits();
  const ApplyOutcome expected = PredictApply(before, applyButton);
  // The record the dialog must send, from what its controls show now.
  DRVPROP_SETTINGS sent = shown_;
  sent.useSmallerAsioBuffer = CheckState(dialog_, IDC_BN_ASIO_SMALLER);
  sent.bufferLevel = ClampLevel(SliderPosition(dialog_, IDC_SLIDER_BUF_SIZE));
  ClampBoundedValues(sent);
  sent.midiInLightLoad = CheckState(dialog_, IDC_BN_MIDI_IN_TYPE);
  static constexpr const char* kExpecting[] = {"none", "inuse", "powercycle", "nodevice"};
  Say(std::string(applyButton ? "apply-" : "ok-") +
      kExpecting[static_cast<size_t>(expected.message)]);

  Driver(qxdv::kOpLogClear, 1);
  AwaitSequence(expected, applyButton);
  if (HasFatalFailure()) return;
  CheckSets(expected, before, sent);
  if (expected.message == ApplyMessage::kNoDevice) return;
  if (!applyButton) {
    ExpectPanelEnds("after OK");
    return;
  }
  shown_ = sent;
  EXPECT_FALSE(ControlEnabled(dialog_, IDC_BN_APPLY));
}

// Presses the button and handles what the sequence shows; returns with the Sets done.
void FaultInjectionTest::AwaitSequence(const ApplyOutcome& expected, bool applyButton) {
  const int button = applyButton ? IDC_BN_APPLY : IDOK;
  switch (expected.message) {
    case ApplyMessage::kNone:
      // A sent click returns once the whole sequence has run.
      if (applyButton) {
        Click(dialog_, button);
        EXPECT_TRUE(FindDialogs(OwnedBy(dialog_)).empty()) << "a message nobody asked for";
      } else {
        PostClick(dialog_, button);
        EXPECT_TRUE(panel_->WaitForEnd()) << "OK did not end the panel";
      }
      break;
    case ApplyMessage::kNoDevice: {
      PostClick(dialog_, button);
      HWND noDevice = WaitForNoDeviceDialog(*panel_);
      ASSERT_NE(noDevice, nullptr);
      break;
    }
    case ApplyMessage::kInUse:
    case ApplyMessage::kPowerCycle: {
      PostClick(dialog_, button);
      HWND box = WaitForMessageBox(dialog_);
      ASSERT_NE(box, nullptr);
      const bool inUse = MessageBoxText(box).find(L"another application") != std::wstring::npos;
      EXPECT_EQ(inUse, expected.message == ApplyMessage::kInUse) << Narrow(MessageBoxText(box));
      break;
    }
  }
}

// Every Set is complete before any window opens, so the log and the records can be read
// while the message or the no-device dialog is still up; they are closed afterwards.
void FaultInjectionTest::CheckSets(const ApplyOutcome& expected, const UnitStates& before,
                                   const DRVPROP_SETTINGS& sent) {
  const auto log = ReadDriverLog();
  ASSERT_TRUE(log.has_value());
  EXPECT_EQ(log->dropped, 0u) << "the driver's log overflowed; the Sets may be lost";
  std::array<int, qxdv::kUnitCount> answered{};
  for (const qxdv::QXDV_LOG_ENTRY& entry : log->entries) {
    if (entry.code == IOCTL_DRV_SET_SETTINGS && entry.result >= 0) ++answered[entry.unit - 1];
  }
  EXPECT_EQ(answered, expected.answeredSets) << "answered Sets per unit";
  const UnitStates after = ReadUnits();
  for (size_t i = 0; i < after.size(); ++i) {
    const DRVPROP_SETTINGS& want = expected.answeredSets[i] > 0 ? sent : before[i].record;
    EXPECT_TRUE(SameRecord(after[i].record, want))
        << "unit " << i + 1 << " stores" << RecordDifferences(after[i].record, want);
  }

  if (expected.message == ApplyMessage::kNoDevice) {
    HWND noDevice = WaitForNoDeviceDialog(*panel_);
    if (noDevice != nullptr) Click(noDevice, IDOK);
    ExpectPanelEnds("after the no-device dialog");
  } else if (expected.message != ApplyMessage::kNone) {
    HWND box = WaitForMessageBox(dialog_);
    if (box != nullptr) Click(box, IDOK);
    EXPECT_TRUE(WaitForNoDialog(OwnedBy(dialog_)));
  }
}

void FaultInjectionTest::ExpectPanelEnds(const char* why) {
  EXPECT_TRUE(panel_->WaitForEnd()) << "the panel did not end " << why;
  const std::optional<DWORD> code = panel_->ExitCode();
  EXPECT_TRUE(code && *code < kFirstCrashCode)
      << "the panel crashed " << why << ": exit code 0x" << std::hex << code.value_or(0);
  panel_.reset();
  dialog_ = nullptr;
}

void FaultInjectionTest::CheckPanelAlive() {
  if (!panel_) return;
  const std::optional<DWORD> code = panel_->ExitCode();
  ASSERT_FALSE(code.has_value()) << "the panel ended by itself, exit code 0x" << std::hex
                                 << code.value_or(0);
  // A message box or the 100 ms retry still answers: their loops handle sent messages.
  EXPECT_TRUE(Answers(dialog_, kAnswerWithinMs)) << "the panel did not answer within 2 s";
}

std::string FaultInjectionTest::Tally() const {
  std::map<std::string, int> counts;
  for (const std::string& what : history_) ++counts[what.substr(0, what.find_first_of(" ,"))];
  std::string text;
  for (const auto& [kind, count] : counts) text += kind + " " + std::to_string(count) + "  ";
  return text;
}

void FaultInjectionTest::Run(uint32_t seed, int steps) {
  rng_.seed(seed);
  static constexpr WeightedAction kDriverActions[] = {
      {6, &FaultInjectionTest::PlugOrUnplug},        {3, &FaultInjectionTest::ScriptSetStatuses},
      {1, &FaultInjectionTest::ChangeGetStatus},     {2, &FaultInjectionTest::FailRequest},
      {2, &FaultInjectionTest::ShortenReply},        {4, &FaultInjectionTest::ClearFaults},
      {2, &FaultInjectionTest::ChangeStreamAnswers}, {5, &FaultInjectionTest::ChangeStoredField},
  };
  static constexpr WeightedAction kUserActions[] = {
      {5, &FaultInjectionTest::MoveTheSlider}, {4, &FaultInjectionTest::ClickCheckbox},
      {5, &FaultInjectionTest::Apply},         {2, &FaultInjectionTest::Ok},
      {1, &FaultInjectionTest::Cancel},        {1, &FaultInjectionTest::SecondStart},
  };
  const auto choose = [this](const auto& table) {
    int total = 0;
    for (const WeightedAction& a : table) total += a.weight;
    int ticket = Pick(1, total);
    for (const WeightedAction& a : table) {
      if ((ticket -= a.weight) <= 0) return a.action;
    }
    return table[0].action;
  };

  for (int step = 1; step <= steps; ++step) {
    Action action = nullptr;
    if (Pick(0, 1) == 0) {
      action = choose(kDriverActions);
    } else {
      action = panel_ ? choose(kUserActions) : &FaultInjectionTest::Start;
    }
    (this->*action)();
    if (!HasFailure()) CheckPanelAlive();
    if (HasFailure()) {
      std::string recent;
      const size_t first = history_.size() > kHistoryShown ? history_.size() - kHistoryShown : 0;
      for (size_t i = first; i < history_.size(); ++i) recent += "\n  " + history_[i];
      ADD_FAILURE() << "repeat with FAULT_SEED=" << seed << " FAULT_STEPS=" << step
                    << "; the last actions:" << recent;
      return;
    }
  }
}

TEST_F(FaultInjectionTest, PanelKeepsItsPromisesWhileTheDriverMisbehaves) {
  const uint32_t seed = SeedFromEnvironment();
  const int steps = StepsFromEnvironment();
  std::printf("fault run: FAULT_SEED=%u FAULT_STEPS=%d\n", seed, steps);
  std::fflush(stdout);
  Run(seed, steps);
  std::printf("fault run: %s\n", Tally().c_str());
}

}  // namespace
}  // namespace drvprop::e2e
