// Names of the exception codes the fault report shows.
#include "shell/faultnames.h"

#include <cstdio>

namespace diag {

namespace {

struct FaultNameEntry {
  std::uint32_t code;
  const char* name;
};

constexpr FaultNameEntry kFaultNames[] = {
    {0x80000002u, "DATATYPE_MISALIGNMENT"},
    {0x80000003u, "BREAKPOINT"},
    {0x80000004u, "SINGLE_STEP"},
    {0xC0000005u, "ACCESS_VIOLATION"},
    {0xC0000025u, "NONCONTINUABLE_EXCEPTION"},
    {0xC000008Cu, "ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008Du, "FLT_DENORMAL_OPERAND"},
    {0xC000008Eu, "FLT_DIVIDE_BY_ZERO"},
    {0xC000008Fu, "FLT_INEXACT_RESULT"},
    {0xC0000090u, "FLT_INVALID_OPERATION"},
    {0xC0000091u, "FLT_OVERFLOW"},
    {0xC0000092u, "FLT_STACK_CHECK"},
    {0xC0000093u, "FLT_UNDERFLOW"},
    {0xC0000094u, "INT_DIVIDE_BY_ZERO"},
    {0xC0000095u, "INT_OVERFLOW"},
    {0xC0000096u, "PRIV_INSTRUCTION"},
};

}  // namespace

const char* FaultName(std::uint32_t code) {
  for (const FaultNameEntry& entry : kFaultNames) {
    if (entry.code == code) return entry.name;
  }
  return "UNKNOWN_EXCEPTION";
}

std::string FaultLine(std::uint32_t code, std::uintptr_t address) {
  char line[96];
  std::snprintf(line, sizeof line, "%s on address %llX\r\n", FaultName(code),
                static_cast<unsigned long long>(address));
  return line;
}

}  // namespace diag
