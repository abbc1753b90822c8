// A fixture for list store tests: every test starts and ends with no lists and no name indexes.
//
// The global column table is process-wide and never shrinks, so tests never assume which names
// it already holds; tests that need a known order of names live in liststore_text_test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "liststore/liststore.h"

class ListStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteAll(); }
  void TearDown() override { DeleteAll(); }

  // A new list with `title`; fails the test when none can be made.
  int MakeList(const char* title = "test") {
    int list = NewList(title);
    EXPECT_GT(list, 0) << "NewList(" << title << ")";
    return list;
  }

  // A list with one declared column per name in `columns` and one line per row of `rows`, each row
  // giving the values under those columns in order.
  int MakeTable(const std::vector<std::string>& columns,
                const std::vector<std::vector<std::string>>& rows) {
    int list = MakeList();
    for (const std::string& column : columns) AddColumn(list, column.c_str());
    for (const auto& row : rows) {
      int line = AddLine(list) - 1;
      for (std::size_t i = 0; i < row.size() && i < columns.size(); ++i)
        SetField(list, line, columns[i].c_str(), row[i].c_str());
    }
    return list;
  }

  // The values of `column` in line order.
  static std::vector<std::string> Column(int list, const char* column) {
    std::vector<std::string> values;
    for (int line = 0; line < GetLines(list); ++line)
      values.push_back(liststore::FieldText(list, line, column));
    return values;
  }

  int MakeIndex() {
    int index = NewIndex();
    EXPECT_GT(index, 0);
    indexes_.push_back(index);
    return index;
  }

 private:
  void DeleteAll() {
    for (int list = 1; list <= 127; ++list) DelList(list);
    for (int index : indexes_) DelIndex(index);
    indexes_.clear();
  }
  std::vector<int> indexes_;
};
