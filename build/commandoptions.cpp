// The configuration file and free options of the compiler and linker steps.
#include "build/commandoptions.h"

#include "build/listformat.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"

namespace build {

ExtraOptions ReadExtraOptions(const BuildContext& context, int profileId, OptionSection section) {
  const bool compiler = section == OptionSection::kCompiler;
  const settings::KeySpec& flagKey = compiler ? settings::kCompilerConfiguration : settings::kLinkerConfiguration;
  const settings::KeySpec& fileKey =
      compiler ? settings::kCompilerConfigurationFile : settings::kLinkerConfigurationFile;
  const settings::KeySpec& parameterKey = compiler ? settings::kCompilerParameter : settings::kLinkerParameter;
  const std::string& projectSettings = context.files.projectSettings;

  ExtraOptions options;
  std::string flag = settings::ReadText(projectSettings, flagKey.section, flagKey.key, flagKey.defaultValue,
                                        settings::kSwitchCapacity);
  std::string file = settings::ReadKey(projectSettings, fileKey);
  if (!flag.empty() && flag[0] == '1' && !file.empty()) {
    options.configuration = profileId == settings::kProfileIdBorland ? " +" : " @";
    if (file.size() < 2 || file[1] != ':') options.configuration += context.files.projectDirectory + "\\";
    options.configuration += file + " ";
  }
  options.freeOptions = FreeOptionsText(settings::ReadKey(projectSettings, parameterKey));
  return options;
}

}  // namespace build
