// Names of the exception codes the fault report shows.
#pragma once

#include <cstdint>
#include <string>

namespace diag {

// The name of an exception code ("ACCESS_VIOLATION" for 0xC0000005); "UNKNOWN_EXCEPTION" for any
// code not in the table (the software fault 255 of Ctrl+F12 among them).
const char* FaultName(std::uint32_t code);

// The fault line: "%s on address %X\r\n" with the fault's name and address.
std::string FaultLine(std::uint32_t code, std::uintptr_t address);

// Appended to the fault text before it is shown.
inline constexpr char kFaultAdvice[] =
    "It is recomented to save the project and restart the application!";
inline constexpr char kFaultCaption[] = "Fatal Error";
inline constexpr unsigned kFaultBoxStyle = 0x10;

}  // namespace diag
