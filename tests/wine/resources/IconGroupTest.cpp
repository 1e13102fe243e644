// The icon group of the executable: the shell and the dialogs pick an image by size and
// colour depth, so every expected image must be there and be a plain bitmap that the
// loader of every Windows version can read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "res/resource.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD iconId;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14, "GRPICONDIRENTRY is 14 bytes on disk");

const void* LoadNeutral(LPCWSTR type, LPCWSTR name, DWORD* size) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceExW(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  if (info == nullptr) return nullptr;
  *size = SizeofResource(module, info);
  return LockResource(LoadResource(module, info));
}

TEST(IconGroup, HoldsThePalettedAndTheTrueColourImages) {
  struct Image {
    int size;
    WORD bitCount;
  };
  const Image kImages[] = {{48, 8}, {32, 8}, {16, 8}, {256, 32}, {48, 32}, {32, 32}, {16, 32}};

  DWORD groupSize = 0;
  auto* group = static_cast<const BYTE*>(
      LoadNeutral(RT_GROUP_ICON, MAKEINTRESOURCEW(IDR_MAINFRAME), &groupSize));
  ASSERT_NE(group, nullptr);
  WORD header[3];
  ASSERT_GE(groupSize, sizeof header);
  std::memcpy(header, group, sizeof header);
  EXPECT_EQ(header[1], 1) << "an icon group, not a cursor group";
  ASSERT_EQ(header[2], std::size(kImages));
  ASSERT_GE(groupSize, sizeof header + std::size(kImages) * sizeof(GroupIconEntry));

  for (size_t i = 0; i < std::size(kImages); ++i) {
    SCOPED_TRACE(i);
    GroupIconEntry entry;
    std::memcpy(&entry, group + sizeof header + i * sizeof entry, sizeof entry);
    EXPECT_EQ(entry.width == 0 ? 256 : entry.width, kImages[i].size);
    EXPECT_EQ(entry.bitCount, kImages[i].bitCount);

    DWORD imageSize = 0;
    const void* image = LoadNeutral(RT_ICON, MAKEINTRESOURCEW(entry.iconId), &imageSize);
    ASSERT_NE(image, nullptr);
    ASSERT_GE(imageSize, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER bitmap;
    std::memcpy(&bitmap, image, sizeof bitmap);
    EXPECT_EQ(bitmap.biSize, sizeof bitmap);
    EXPECT_EQ(bitmap.biWidth, kImages[i].size);
    EXPECT_EQ(bitmap.biHeight, 2 * kImages[i].size) << "colour bitmap and mask";
    EXPECT_EQ(bitmap.biBitCount, kImages[i].bitCount);
    EXPECT_EQ(bitmap.biCompression, static_cast<DWORD>(BI_RGB));
  }
}

}  // namespace
