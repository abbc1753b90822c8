// The fixture of the gallery tests: dravon.dll initialised in the dark theme, a fresh folder with two
// sub-folders and two files, and a fresh gallery window showing that folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gallery_win.h"
#include "support/temp_folder.h"
#include "uilib/dravon.h"
#include "wintest_support.h"

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    instance_ = GetModuleHandleA(nullptr);
    ASSERT_TRUE(InitDravon(instance_));
    SetDravonTheme("Dark");
    folder_ = std::make_unique<testsupport::TempFolder>();
    CreateDirectoryA(folder_->File("Alpha").c_str(), nullptr);
    CreateDirectoryA(folder_->File("Beta").c_str(), nullptr);
    WriteFile(folder_->File("notes.txt"));
    WriteFile(folder_->File("Alpha\\deep.txt"));
    window_ = gallery::CreateGallery(instance_, 40, 40, folder_->Path(), false);
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    wintest::PumpPending();
    gallery::ClearLog();
  }

  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    wintest::PumpPending();
    gallery::ClearLog();
    folder_.reset();
    ExitDravon(instance_);
  }

  static void WriteFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  std::string Folder(const std::string& name = "") const { return name.empty() ? folder_->Path() : folder_->File(name); }

  static std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  std::unique_ptr<testsupport::TempFolder> folder_;
};
