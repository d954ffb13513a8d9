#include "app_profile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string UniqueKey() { return "Quillor Profile Test " + std::to_string(GetCurrentProcessId()); }

TEST(AppProfile, ValuesLiveUnderKeyApplicationAndSection) {
  const CAppProfile profile(UniqueKey(), "folium");
  EXPECT_EQ(profile.SectionKey("Folium"), "Software\\" + UniqueKey() + "\\folium\\Folium");
  ASSERT_TRUE(profile.WriteInt("Folium", "SaveAsImageFilter", 4));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, profile.SectionKey("Folium").c_str(), 0, KEY_READ,
                          &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "SaveAsImageFilter", nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 4u);
  EXPECT_EQ(profile.GetInt("Folium", "SaveAsImageFilter", 0), 4u);
}

TEST(AppProfile, MissingOrForeignValuesGiveTheDefault) {
  const CAppProfile profile(UniqueKey(), "other");
  EXPECT_EQ(profile.GetInt("Nowhere", "Value", 7), 7u);
  ASSERT_TRUE(profile.WriteInt("Section", "Number", 1));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, profile.SectionKey("Section").c_str(), 0,
                          KEY_WRITE, &key),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("12"), 3);
  RegCloseKey(key);
  EXPECT_EQ(profile.GetInt("Section", "Text", 3), 3u);
  EXPECT_EQ(profile.GetInt("Section", "Number", 3), 1u);
}

}  // namespace
