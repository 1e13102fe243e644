#include "text/TokenReplace.h"

namespace drvprop {

std::size_t ReplaceAll(Text& text, TextView oldText, TextView newText) {
  if (oldText.empty()) return 0;
  std::size_t count = 0;
  std::size_t at = text.find(oldText);
  while (at != Text::npos) {
    text.replace(at, oldText.size(), newText);
    ++count;
    at = text.find(oldText, at + newText.size());
  }
  return count;
}

}  // namespace drvprop
