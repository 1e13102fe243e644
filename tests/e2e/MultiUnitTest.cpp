// Several units: the unit count and sample rate come from whichever unit reports a stream
// state, else from counting the units that match the first one.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

struct MultiUnitCase {
  const char* name;
  std::vector<const char*> commands;  // qxdvctl command lines, run in order
  const wchar_t* asioLine;            // level 5, normal buffers
};

// Units 2 to 4 join unit 1 with the same information block apart from letter case, the
// mode set and the clock of unit 1, and nobody reports a stream state.
const std::vector<const char*> kFourMatchingUnits = {"plug 2",
                                                     "plug 3",
                                                     "plug 4",
                                                     "stream 1 0 44100",
                                                     "stream 2 0 0",
                                                     "stream 3 0 0",
                                                     "stream 4 0 0",
                                                     "info 1 TalvexUnit",
                                                     "info 2 TALVEXunit",
                                                     "info 3 talvexunit",
                                                     "info 4 TalvexUNIT",
                                                     "mode 2 1",
                                                     "mode 3 1",
                                                     "mode 4 1",
                                                     "clock 1 44100",
                                                     "clock 2 44100",
                                                     "clock 3 44100",
                                                     "clock 4 44100"};

std::vector<const char*> FourMatchingUnitsAnd(std::initializer_list<const char*> more) {
  std::vector<const char*> commands = kFourMatchingUnits;
  commands.insert(commands.end(), more);
  return commands;
}

const MultiUnitCase kCases[] = {
    {"StreamStateFromTheSecondSlot",
     {"plug 2", "stream 1 0 48000", "stream 2 2 48000"},
     L"ASIO Buffer Size:  480 samples"},
    {"FourMatchingUnits", kFourMatchingUnits, L"ASIO Buffer Size:  720 samples"},
    {"ModeNotSetIsNotCounted", FourMatchingUnitsAnd({"unplug 3", "unplug 4", "mode 2 0"}),
     L"ASIO Buffer Size:  288 samples"},
    {"DifferentBlockWithFailedModeIsCounted",
     FourMatchingUnitsAnd({"unplug 3", "unplug 4", "info-len 2 3", "mode 2 fail"}),
     L"ASIO Buffer Size:  432 samples"},
    {"DifferentBlockWithModeSetIsNotCounted",
     FourMatchingUnitsAnd({"unplug 3", "unplug 4", "info 2 OtherUnit"}),
     L"ASIO Buffer Size:  288 samples"},
    {"OtherClockIsNotCounted", FourMatchingUnitsAnd({"clock 3 48000"}),
     L"ASIO Buffer Size:  576 samples"},
    {"OnlyTheLastSlotAnswers",
     {"plug 4", "unplug 1", "stream 4 0 0", "clock 4 96000"},
     L"ASIO Buffer Size:  640 samples"},
};

class MultiUnitTest : public PanelTest, public ::testing::WithParamInterface<MultiUnitCase> {};

TEST_P(MultiUnitTest, AsioLineCountsTheUnitsStreamingTogether) {
  for (const char* command : GetParam().commands) qxdv().Run(command);
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_ASIO_BUF), GetParam().asioLine);
}

INSTANTIATE_TEST_SUITE_P(, MultiUnitTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace drvprop::e2e
