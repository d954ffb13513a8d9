#include <gtest/gtest.h>

#include <string>

#include "wininit_deletion.h"

namespace {

const std::string kPath = "C:\\WINDOWS\\SYSTEM\\UNQUILL.EXE";

TEST(WininitDeletion, TheNewEntryComesFirstInItsSectionAndEverythingElseStays) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"no file", "", "[Rename]\r\nNUL=" + kPath + "\r\n"},
      {"other sections only", "[Other]\r\nA=B\r\n", "[Other]\r\nA=B\r\n[Rename]\r\nNUL=" + kPath + "\r\n"},
      {"a last line without its end", "[Other]\nA=B", "[Other]\nA=B\r\n[Rename]\r\nNUL=" + kPath + "\r\n"},
      {"other entries, any case", "[rename]\nNUL=C:\\OTHER.EXE\nC:\\NEW.DLL=C:\\OLD.DLL\n[After]\nX=1\n",
       "[rename]\nNUL=" + kPath + "\r\nNUL=C:\\OTHER.EXE\nC:\\NEW.DLL=C:\\OLD.DLL\n[After]\nX=1\n"},
      {"a header without its end", "[Rename]", "[Rename]\r\nNUL=" + kPath + "\r\n"},
      {"the same entry further down", "[Rename]\r\nNUL=C:\\A.DLL\r\nnul = " + kPath + "\r\n",
       "[Rename]\r\nNUL=" + kPath + "\r\nNUL=C:\\A.DLL\r\n"},
      {"the same path as a source elsewhere", "[Other]\r\nNUL=" + kPath + "\r\n",
       "[Other]\r\nNUL=" + kPath + "\r\n[Rename]\r\nNUL=" + kPath + "\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithWininitDeletion(c.before, kPath), c.after);
  }
}

TEST(WininitDeletion, TheEntryMadeLastIsTheFirst) {
  const std::string once = WithWininitDeletion("", "C:\\WINDOWS\\SYSTEM\\PLINTH98.DLL");
  EXPECT_EQ(WithWininitDeletion(once, kPath),
            "[Rename]\r\nNUL=" + kPath + "\r\nNUL=C:\\WINDOWS\\SYSTEM\\PLINTH98.DLL\r\n");
  EXPECT_EQ(WithWininitDeletion(WithWininitDeletion(once, kPath), kPath), WithWininitDeletion(once, kPath));
}

}  // namespace
