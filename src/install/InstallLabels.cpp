#include "install/InstallLabels.h"

#include "install/DriverKey.h"
#include "install/ReadDriverValue.h"
#include "text/ModelName.h"
#include "text/StringIds.h"
#include "text/TokenReplace.h"

namespace drvprop {

Text VersionLabelText(const std::optional<Text>& version, const StringSource& strings) {
  if (!version) return {};
  std::optional<Text> label = strings.Load(IDS_PROP_VER);
  if (!label) return {};
  // The model first: a version text brought in afterwards is never searched for tokens.
  ReplaceAll(*label, kModelToken, kModelName);
  ReplaceAll(*label, kVersionToken, *version);
  return *label;
}

std::optional<Text> CopyrightLabelText(const std::optional<Text>& copyright,
                                       const StringSource& strings) {
  if (copyright) return copyright;
  return strings.Load(IDS_PROP_COPYR);
}

Text ReadVersionLabel(Registry& registry, const StringSource& strings) {
  return VersionLabelText(ReadDriverValue(registry, kVersionValueName), strings);
}

std::optional<Text> ReadCopyrightLabel(Registry& registry, const StringSource& strings) {
  return CopyrightLabelText(ReadDriverValue(registry, kCopyrightValueName), strings);
}

}  // namespace drvprop
