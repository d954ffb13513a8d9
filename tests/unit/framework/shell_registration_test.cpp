#include "shell_registration.h"

#include <gtest/gtest.h>

#include <map>

#include "program_directory.h"
#include "scoped_reg_key.h"
#include "test_app.h"

// Found by argument-dependent lookup, so they sit beside ShellRegistryEntry.
static bool operator==(const ShellRegistryEntry& a, const ShellRegistryEntry& b) {
  return a.key == b.key && a.value == b.value;
}
static void PrintTo(const ShellRegistryEntry& entry, std::ostream* out) {
  *out << entry.key << " = " << entry.value;
}

namespace {

using Entries = std::vector<ShellRegistryEntry>;

// A scripted HKEY_CLASSES_ROOT: default values by key, and the writes it was asked for.
struct FakeClassesRoot {
  std::map<std::string, std::string> values;
  Entries writes;
  bool refuse = false;
};

FakeClassesRoot* g_root = nullptr;

bool FakeRead(const char* key, std::string& value) {
  const auto found = g_root->values.find(key);
  if (found == g_root->values.end()) return false;
  value = found->second;
  return true;
}

bool FakeWrite(const char* key, const char* value) {
  g_root->writes.push_back({key, value});
  if (g_root->refuse) return false;
  g_root->values[key] = value;
  return true;
}

class ShellRegistration : public ::testing::Test {
 protected:
  void SetUp() override {
    g_root = &root;
    previous = SetClassesRootAccess({FakeRead, FakeWrite});
  }
  void TearDown() override {
    SetClassesRootAccess(previous);
    g_root = nullptr;
  }

  FakeClassesRoot root;
  ClassesRootAccess previous = {};
};

const Entries kTestTypeEntries = {
    {"QuillorTest.Document", "Quillor Test Document"},
    {"QuillorTest.Document\\DefaultIcon", "C:\\Apps\\test.exe,0"},
    {"QuillorTest.Document\\shell\\open\\command", "\"C:\\Apps\\test.exe\" \"%1\""},
    {".qtst", "QuillorTest.Document"}};

TEST(ShellFileTypeEntries, OnlyWhatTheTemplateNamesIsRegistered) {
  EXPECT_EQ(ShellFileTypeEntries("C:\\Apps\\test.exe", ".qtst", "QuillorTest.Document",
                                 "Quillor Test Document", true),
            kTestTypeEntries);
  const Entries withoutOpen = ShellFileTypeEntries("C:\\Apps\\test.exe", ".qtst",
                                                   "QuillorTest.Document", "Quillor Test Document",
                                                   false);
  EXPECT_EQ(withoutOpen, (Entries{kTestTypeEntries[0], kTestTypeEntries[1], kTestTypeEntries[3]}));
  EXPECT_TRUE(ShellFileTypeEntries("C:\\Apps\\test.exe", ".qtst", "", "", true).empty());
  EXPECT_EQ(ShellFileTypeEntries("C:\\Apps\\test.exe", "", "QuillorTest.Document",
                                 "Quillor Test Document", true),
            (Entries{kTestTypeEntries[0], kTestTypeEntries[1], kTestTypeEntries[2]}));
}

TEST_F(ShellRegistration, OnlyMissingOrDifferentValuesAreWritten) {
  root.values[".qtst"] = "Other.Document";
  root.values["QuillorTest.Document"] = "Quillor Test Document";
  WriteShellEntries(kTestTypeEntries);
  EXPECT_EQ(root.writes, (Entries{kTestTypeEntries[1], kTestTypeEntries[2], kTestTypeEntries[3]}));

  root.writes.clear();
  WriteShellEntries(kTestTypeEntries);
  EXPECT_TRUE(root.writes.empty());
}

TEST_F(ShellRegistration, ARefusingRegistryIsIgnoredEntryByEntry) {
  root.refuse = true;
  WriteShellEntries(kTestTypeEntries);
  EXPECT_EQ(root.writes, kTestTypeEntries);
}

std::string ReadDefaultValue(const char* key) {
  char value[MAX_PATH + 16] = "";
  LONG size = sizeof value;
  return RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) == ERROR_SUCCESS ? value : "<none>";
}

void DeleteTestType() {
  for (const char* key : {"QuillorTest.Document\\shell\\open\\command",
                          "QuillorTest.Document\\shell\\open", "QuillorTest.Document\\shell",
                          "QuillorTest.Document\\DefaultIcon", "QuillorTest.Document", ".qtst"})
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
}

int g_realWrites = 0;

bool CountWrite(const char*, const char*) {
  ++g_realWrites;
  return true;
}

TEST(ShellRegistrationInTheRegistry, WrittenValuesReadBackFromClassesRootAndAreNotRewritten) {
  DeleteTestType();
  TestApp app;
  app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(128, nullptr, nullptr, nullptr));
  app.EnableShellOpen();
  app.RegisterShellFileTypes();
  const std::string program = ProgramPath();
  EXPECT_EQ(ReadDefaultValue(".qtst"), "QuillorTest.Document");
  EXPECT_EQ(ReadDefaultValue("QuillorTest.Document"), "Quillor Test Document");
  EXPECT_EQ(ReadDefaultValue("QuillorTest.Document\\DefaultIcon"), program + ",0");
  EXPECT_EQ(ReadDefaultValue("QuillorTest.Document\\shell\\open\\command"),
            "\"" + program + "\" \"%1\"");

  // Restoring the registry's access hands back the real reader.
  const ClassesRootAccess real = SetClassesRootAccess({nullptr, nullptr});
  SetClassesRootAccess({real.read, CountWrite});
  app.RegisterShellFileTypes();
  SetClassesRootAccess({nullptr, nullptr});
  EXPECT_EQ(g_realWrites, 0);
  DeleteTestType();
}

}  // namespace
