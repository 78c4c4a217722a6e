// The field table's lookups: every id finds its own row, and no other number finds one.
#include <gtest/gtest.h>

#include <stdint.h>

#include "core/field_table.h"

namespace {

int RowBySearch(FieldId id) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldTable[i].id == id) {
            return i;
        }
    }
    return -1;
}

TEST(FieldTable, EveryNumberFindsTheRowThatHoldsIt) {
    for (FieldId id = 0; id < 5000; ++id) {
        ASSERT_EQ(FieldIndex(id), RowBySearch(id)) << id;
        ASSERT_EQ(FindField(id), RowBySearch(id) < 0 ? nullptr : &kFieldTable[RowBySearch(id)])
            << id;
    }
    const FieldId kFarIds[] = {UINT32_MAX, UINT32_MAX - 4000, 0x80000000u + 4001, 4001u + 65536};
    for (FieldId id : kFarIds) {
        EXPECT_EQ(FieldIndex(id), -1) << id;
    }
}

} // namespace
