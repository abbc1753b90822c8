// A fresh, empty folder for one test, named in Windows form; removed afterwards.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#include <unistd.h>
#endif
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace testsupport {

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    ++counter;
#ifdef _WIN32
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof name, "%sorv%lu_%d", base, GetCurrentProcessId(), counter);
    path_ = name;
    platform::CreateFolder(path_);
#else
    char templ[] = "/tmp/orvtestXXXXXX";
    char* made = mkdtemp(templ);
    hostRoot_ = made ? made : "/tmp/orvtest-fallback";
    platform::SetHostRoot(hostRoot_);
    char name[64];
    std::snprintf(name, sizeof name, "C:\\t%d", counter);
    path_ = name;
    platform::CreateFolder(path_);
#endif
    platform::ChangeCurrentDirectory(path_);
  }
  ~TempFolder() {
    platform::ResetFailures();
#ifdef _WIN32
    std::string cmd = "rmdir /s /q \"" + path_ + "\" >nul 2>nul";
    platform::ChangeCurrentDirectory("C:\\");
    std::system(cmd.c_str());
#else
    std::string cmd = "rm -rf '" + hostRoot_ + "'";
    if (std::system(cmd.c_str()) != 0) {
    }
#endif
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, "C:\t1" on the host, a folder under the system's temporary folder on Windows.
  const std::string& Path() const { return path_; }
  // A file name inside the folder.
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
  std::string hostRoot_;
};

}  // namespace testsupport
