// Texts held in blocks of exactly their own size, so that under the address sanitizer a read one
// byte before or after the text is caught.
#pragma once

#include <cstring>
#include <memory>
#include <string>

namespace testsupport {

class ExactText {
 public:
  explicit ExactText(const std::string& text) : size_(static_cast<int>(text.size())) {
    // new char[0] still gives a distinct block; reading any byte of it is an error.
    bytes_.reset(new char[text.size() ? text.size() : 1]);
    std::memcpy(bytes_.get(), text.data(), text.size());
  }
  const char* data() const { return bytes_.get(); }
  int size() const { return size_; }

 private:
  std::unique_ptr<char[]> bytes_;
  int size_;
};

}  // namespace testsupport
