// The two dialog templates as compiled into the executable. The resource compiler adds
// style bits and rewrites class names on its own, so the compiled bytes are checked, not
// the script.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;

// A class or menu field of a template: none, an ordinal, or a name.
struct NameOrOrdinal {
  WORD ordinal = 0;
  std::wstring name;
};

struct Control {
  DWORD helpId, exStyle, style;
  short x, y, cx, cy;
  DWORD id;
  NameOrOrdinal windowClass;
  WORD extraBytes;
};

struct Template {
  WORD version, signature;
  DWORD helpId, exStyle, style;
  short x, y, cx, cy;
  NameOrOrdinal menu, windowClass;
  std::wstring caption;
  WORD pointSize, weight;
  BYTE italic, charset;
  std::wstring typeface;
  std::vector<Control> controls;
};

// Walks an extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items),
// whose fields are packed and whose items start on 4-byte boundaries.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, size_t size) : begin_(data), at_(data), end_(data + size) {}

  template <typename T>
  T Read() {
    T value{};
    if (at_ + sizeof(T) > end_) {
      overrun_ = true;
      return value;
    }
    std::memcpy(&value, at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  std::wstring ReadText() {
    std::wstring text;
    for (WCHAR c = Read<WCHAR>(); c != 0 && !overrun_; c = Read<WCHAR>()) text += c;
    return text;
  }
  NameOrOrdinal ReadNameOrOrdinal() {
    NameOrOrdinal field;
    const WORD first = Read<WORD>();
    if (first == 0xFFFF) {
      field.ordinal = Read<WORD>();
    } else if (first != 0) {
      field.name = std::wstring(1, first) + ReadText();
    }
    return field;
  }
  void AlignToDword() { at_ = begin_ + (at_ - begin_ + 3) / 4 * 4; }
  void Skip(size_t bytes) { at_ += bytes; }
  bool Overrun() const { return overrun_ || at_ > end_; }

 private:
  const BYTE* begin_;
  const BYTE* at_;
  const BYTE* end_;
  bool overrun_ = false;
};

Template LoadTemplate(WORD id) {
  Template dialog{};
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(id),
                               MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  if (info == nullptr) {
    ADD_FAILURE() << "no neutral template " << id;
    return dialog;
  }
  TemplateReader in(static_cast<const BYTE*>(LockResource(LoadResource(module, info))),
                    SizeofResource(module, info));
  dialog.version = in.Read<WORD>();
  dialog.signature = in.Read<WORD>();
  dialog.helpId = in.Read<DWORD>();
  dialog.exStyle = in.Read<DWORD>();
  dialog.style = in.Read<DWORD>();
  const WORD count = in.Read<WORD>();
  dialog.x = in.Read<short>();
  dialog.y = in.Read<short>();
  dialog.cx = in.Read<short>();
  dialog.cy = in.Read<short>();
  dialog.menu = in.ReadNameOrOrdinal();
  dialog.windowClass = in.ReadNameOrOrdinal();
  dialog.caption = in.ReadText();
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = in.Read<WORD>();
    dialog.weight = in.Read<WORD>();
    dialog.italic = in.Read<BYTE>();
    dialog.charset = in.Read<BYTE>();
    dialog.typeface = in.ReadText();
  }
  for (WORD i = 0; i < count && !in.Overrun(); ++i) {
    in.AlignToDword();
    Control control{};
    control.helpId = in.Read<DWORD>();
    control.exStyle = in.Read<DWORD>();
    control.style = in.Read<DWORD>();
    control.x = in.Read<short>();
    control.y = in.Read<short>();
    control.cx = in.Read<short>();
    control.cy = in.Read<short>();
    control.id = in.Read<DWORD>();
    control.windowClass = in.ReadNameOrOrdinal();
    in.ReadNameOrOrdinal();  // the text
    control.extraBytes = in.Read<WORD>();
    in.Skip(control.extraBytes);
    dialog.controls.push_back(control);
  }
  EXPECT_FALSE(in.Overrun()) << "template " << id << " is cut short";
  return dialog;
}

struct ExpectedHeader {
  WORD id;
  DWORD style, exStyle;
  short cx, cy;
  const wchar_t* caption;
  WORD weight;
  BYTE charset;
  size_t controls;
};

const ExpectedHeader kHeaders[] = {
    {IDD_DRVPROP_DIALOG, 0x90C000C8, WS_EX_APPWINDOW, 208, 262, L"", 0, DEFAULT_CHARSET, 33},
    {IDD_DRVPROP_NODEV, 0x80C000C8, 0, 196, 57, L"__MODEL__ Driver Settings", FW_NORMAL,
     SHIFTJIS_CHARSET, 3},
};

TEST(DialogTemplates, HeadersAreExactlyAsLaidOut) {
  for (const ExpectedHeader& expected : kHeaders) {
    SCOPED_TRACE(expected.id);
    const Template dialog = LoadTemplate(expected.id);
    EXPECT_EQ(dialog.version, 1);
    EXPECT_EQ(dialog.signature, 0xFFFF);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.style, expected.style);
    EXPECT_EQ(dialog.exStyle, expected.exStyle);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, expected.cx);
    EXPECT_EQ(dialog.cy, expected.cy);
    EXPECT_EQ(dialog.menu.ordinal, 0);
    EXPECT_EQ(dialog.menu.name, L"");
    EXPECT_EQ(dialog.windowClass.ordinal, 0);
    EXPECT_EQ(dialog.windowClass.name, L"");
    EXPECT_EQ(dialog.caption, expected.caption);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, expected.weight);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, expected.charset);
    EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog.controls.size(), expected.controls);
  }
}

// Every control is one of a few kinds, each a visible child with a fixed class and style;
// a bit that the resource compiler slipped in (WS_TABSTOP on a label, WS_GROUP on a
// button) would change the tab order or the keyboard navigation.
TEST(DialogTemplates, EveryControlIsOneOfTheKnownKinds) {
  struct Kind {
    DWORD style;
    WORD atom;
  };
  const Kind kKinds[] = {
      {0x50000007, kButtonAtom},  // group box
      {0x50000107, kButtonAtom},  // group box, left-aligned title
      {0x50010003, kButtonAtom},  // check box
      {0x50010000, kButtonAtom},  // push button
      {0x50010001, kButtonAtom},  // default push button
      {0x50020000, kStaticAtom},  // left text
      {0x50020001, kStaticAtom},  // centred text
      {0x50020002, kStaticAtom},  // right text
      {0x50030000, 0},            // trackbar, a class known by name only
  };
  for (const ExpectedHeader& header : kHeaders) {
    std::set<DWORD> ids;
    for (const Control& control : LoadTemplate(header.id).controls) {
      SCOPED_TRACE(testing::Message() << "template " << header.id << " control " << control.id);
      EXPECT_TRUE(ids.insert(control.id).second) << "duplicate id";
      EXPECT_EQ(control.helpId, 0u);
      EXPECT_EQ(control.exStyle, 0u);
      EXPECT_EQ(control.extraBytes, 0);
      const Kind* kind = nullptr;
      for (const Kind& candidate : kKinds) {
        if (candidate.style == control.style) kind = &candidate;
      }
      ASSERT_NE(kind, nullptr) << std::hex << "unexpected style 0x" << control.style;
      EXPECT_EQ(control.windowClass.ordinal, kind->atom);
      if (kind->atom == 0) {
        EXPECT_EQ(_wcsicmp(control.windowClass.name.c_str(), TRACKBAR_CLASSW), 0);
      }
    }
  }
}

}  // namespace
