#include <gtest/gtest.h>

#include "page_playback.h"

namespace {

ENHMETARECORD Record(DWORD type, DWORD index) {
  ENHMETARECORD record = {};
  record.iType = type;
  record.nSize = sizeof(EMR) + sizeof(DWORD);
  record.dParm[0] = index;
  return record;
}

TEST(IsPlayableRecord, ObjectRecordsMustNameASlotOfTheTable) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_CREATEPEN, 1), 4));
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 3), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 4), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_EXTCREATEFONTINDIRECTW, 0), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_CREATEBRUSHINDIRECT, 70000), 4));
}

TEST(IsPlayableRecord, OnlySelectionsMayNameStockObjects) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_SELECTOBJECT, 0x80000007), 1));
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_SELECTPALETTE, 0x8000000F), 1));
  // The stock colour space that real spool pages set.
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_SETCOLORSPACE, 0x80000014), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 0x80000000), 4));
}

TEST(IsPlayableRecord, LeavesOtherRecordsAloneAndRefusesTruncatedObjectRecords) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_LINETO, 0x80000014), 0));
  ENHMETARECORD truncated = Record(EMR_SELECTOBJECT, 1);
  truncated.nSize = sizeof(EMR);
  EXPECT_FALSE(IsPlayableRecord(truncated, 4));
}

}  // namespace
