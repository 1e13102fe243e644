// A second, deliberately plain way to replace a token, to hold ReplaceAll against: it walks
// the original text once and copies it into a new one, so by construction nothing it has
// inserted is ever searched again.
#pragma once

#include <cstddef>

#include "text/TextChar.h"

namespace drvprop::fuzz {

struct Replaced {
  Text text;
  std::size_t count = 0;
};

inline Replaced ReferenceReplace(TextView text, TextView oldText, TextView newText) {
  if (oldText.empty()) return {Text(text), 0};
  Replaced out;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.substr(at, oldText.size()) == oldText) {
      out.text += newText;
      at += oldText.size();
      ++out.count;
    } else {
      out.text += text[at++];
    }
  }
  return out;
}

}  // namespace drvprop::fuzz
