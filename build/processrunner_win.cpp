// The IDE's ProcessRunner: the Windows runner behind the interface the build steps use.
#include "build/runtools_win.h"

namespace build {
namespace {

class SystemRunner final : public ProcessRunner {
 public:
  int RunTools(const ToolRun& run, const RunnerIo& io) override { return build::RunTools(run, io); }
  bool StartDetached(const std::string& commandLine, const std::string& workingDirectory) override {
    return StartDetachedProcess(commandLine, workingDirectory);
  }
};

}  // namespace

ProcessRunner& SystemProcessRunner() {
  static SystemRunner runner;
  return runner;
}

}  // namespace build
