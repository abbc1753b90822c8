// Fault names and the fault line.
#include "shell/faultnames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FaultNamesTest, EveryTabledCodeHasItsName) {
  struct Row {
    std::uint32_t code;
    const char* name;
  };
  const Row rows[] = {
      {0x80000002u, "DATATYPE_MISALIGNMENT"}, {0x80000003u, "BREAKPOINT"},
      {0x80000004u, "SINGLE_STEP"},           {0xC0000005u, "ACCESS_VIOLATION"},
      {0xC0000025u, "NONCONTINUABLE_EXCEPTION"}, {0xC000008Cu, "ARRAY_BOUNDS_EXCEEDED"},
      {0xC000008Du, "FLT_DENORMAL_OPERAND"},  {0xC000008Eu, "FLT_DIVIDE_BY_ZERO"},
      {0xC000008Fu, "FLT_INEXACT_RESULT"},    {0xC0000090u, "FLT_INVALID_OPERATION"},
      {0xC0000091u, "FLT_OVERFLOW"},          {0xC0000092u, "FLT_STACK_CHECK"},
      {0xC0000093u, "FLT_UNDERFLOW"},         {0xC0000094u, "INT_DIVIDE_BY_ZERO"},
      {0xC0000095u, "INT_OVERFLOW"},          {0xC0000096u, "PRIV_INSTRUCTION"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(diag::FaultName(row.code), row.name);
  }
}

TEST(FaultNamesTest, AnyOtherCodeIsUnknown) {
  EXPECT_STREQ(diag::FaultName(255), "UNKNOWN_EXCEPTION");
  EXPECT_STREQ(diag::FaultName(0xC00000FDu), "UNKNOWN_EXCEPTION");
  EXPECT_STREQ(diag::FaultName(0), "UNKNOWN_EXCEPTION");
}

TEST(FaultNamesTest, FaultLineNamesTheAddressInUpperCaseHex) {
  EXPECT_EQ(diag::FaultLine(0xC0000005u, 0x401a2c), "ACCESS_VIOLATION on address 401A2C\r\n");
  EXPECT_EQ(diag::FaultLine(255, 0x7B012866), "UNKNOWN_EXCEPTION on address 7B012866\r\n");
}

}  // namespace
