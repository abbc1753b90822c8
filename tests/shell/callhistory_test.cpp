// The call-history ring: Enter/Leave order and wrap, and the dump's text form.
#include "shell/callhistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/trace.h"

namespace {

diag::CallHistory Filled(unsigned index) {
  diag::CallHistory history{};
  for (unsigned i = 0; i < diag::kHistorySlots; ++i) history.slots[i] = 0x1000 + i;
  history.index = index;
  return history;
}

TEST(CallHistoryTest, EnterAndLeaveWriteInOrderAndWrapAfter32) {
  diag::CallHistory saved = diag::gCallHistory;
  diag::gCallHistory = {};
  diag::gCallHistory.index = 30;
  diag::Enter(0xABC);
  diag::Leave();
  diag::Enter(0xDEF);
  EXPECT_EQ(diag::gCallHistory.slots[30], 0xABCu);
  EXPECT_EQ(diag::gCallHistory.slots[31], 0u);
  EXPECT_EQ(diag::gCallHistory.slots[0], 0xDEFu);
  EXPECT_EQ(diag::gCallHistory.index, 1u);
  diag::gCallHistory = saved;
}

TEST(CallHistoryTest, TextStartsAfterTheWriteIndexAndStopsBeforeIt) {
  // Write index 5: slots 6 ... 31, then 0 ... 4; slot 5 (the oldest, next to be overwritten) is
  // not shown.
  std::string expected = "C:\\Ide\\Orvantel.map;";
  for (unsigned k = 1; k < diag::kHistorySlots; ++k) {
    char entry[16];
    std::snprintf(entry, sizeof entry, "%X,", 0x1000 + (5 + k) % 32);
    expected += entry;
  }
  EXPECT_EQ(diag::HistoryText(Filled(5), "C:\\Ide\\Orvantel.map"), expected);
  EXPECT_EQ(expected.find("1005,"), std::string::npos);
}

TEST(CallHistoryTest, IndexThirtyOneStartsWithSlotZero) {
  std::string text = diag::HistoryText(Filled(31), "m");
  EXPECT_EQ(text.substr(0, 12), "m;1000,1001,");
  EXPECT_EQ(text.substr(text.size() - 5), "101E,");
  EXPECT_EQ(std::count(text.begin(), text.end(), ','), 31);
}

TEST(CallHistoryTest, ValuesAreUpperCaseHexWithoutLeadingZerosAndExitsAreZero) {
  diag::CallHistory history{};
  history.index = 0;
  history.slots[1] = 0x4010AB;
  history.slots[2] = 0;
  history.slots[3] = 0xFF;
  std::string text = diag::HistoryText(history, "x.map");
  EXPECT_EQ(text.substr(0, 19), "x.map;4010AB,0,FF,0");
}

TEST(CallHistoryTest, TextNeverPassesFiveHundredElevenCharactersAndEndsOnAWholeEntry) {
  diag::CallHistory history{};
  for (unsigned i = 0; i < diag::kHistorySlots; ++i) history.slots[i] = 0x7FFFFFF0 + i;
  std::string longPath(450, 'p');
  std::string text = diag::HistoryText(history, longPath);
  EXPECT_LE(text.size(), diag::kHistoryTextMax);
  EXPECT_EQ(text.back(), ',');
  EXPECT_EQ(text.substr(0, 451), longPath + ";");
  // Each entry is 9 characters: (511 - 451) / 9 = 6 whole entries fit.
  EXPECT_EQ(text.size(), 451u + 6 * 9);

  std::string tooLong(600, 'q');
  EXPECT_EQ(diag::HistoryText(history, tooLong), std::string(511, 'q'));
}

struct Captured {
  std::vector<std::pair<std::string, unsigned>> texts;
};

void Capture(void* context, const char* text, unsigned wParam) {
  static_cast<Captured*>(context)->texts.emplace_back(text, wParam);
}

TEST(CallHistoryTest, DumpSendsTheHeadingAndTheTextWithWParamOne) {
  Captured captured;
  diag::TraceSink sink;
  sink.context = &captured;
  sink.sendText = &Capture;
  diag::SetTraceSink(sink);
  diag::DumpHistory("C:\\P\\Orvantel.map");
  diag::SetTraceSink(diag::TraceSink{});
  ASSERT_EQ(captured.texts.size(), 2u);
  EXPECT_EQ(captured.texts[0].first, "CALLING HISTORY\r\n");
  EXPECT_EQ(captured.texts[0].second, 1u);
  EXPECT_EQ(captured.texts[1].first.rfind("C:\\P\\Orvantel.map;", 0), 0u);
  EXPECT_EQ(captured.texts[1].second, 1u);
}

TEST(CallHistoryTest, DumpWithoutMonitorSendsNothing) {
  diag::SetTraceSink(diag::TraceSink{});
  EXPECT_FALSE(diag::TraceEnabled());
  diag::DumpHistory("C:\\P\\Orvantel.map");  // nothing to check but that it is harmless
}

TEST(CallHistoryTest, MapFileLiesBesideTheProgram) {
  diag::FormMapFilePath("C:\\Program Files\\Orvantel\\Orvantel.exe");
  EXPECT_EQ(diag::MapFilePath(), "C:\\Program Files\\Orvantel\\Orvantel.map");
  diag::FormMapFilePath("C:\\" + std::string(600, 'd') + "\\Orvantel.exe");
  EXPECT_EQ(diag::MapFilePath(), "");
}

}  // namespace
