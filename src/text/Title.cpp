#include "text/Title.h"

#include "text/ModelName.h"
#include "text/StringIds.h"
#include "text/TokenReplace.h"

namespace drvprop {

Text LoadTitle(const StringSource& strings) {
  Text title = strings.Load(IDS_STR_TITLE).value_or(Text{});
  ReplaceAll(title, kModelToken, kModelName);
  return title;
}

}  // namespace drvprop
