// The refresh cycle through the window-free boxes: fresh values, the active field, the fixed
// order of the twelve writes and the guard against nested refreshes.
#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "core/app_state.h"
#include "core/field_boxes.h"
#include "core/field_table.h"
#include "core/memory_boxes.h"
#include "core/refresh_cycle.h"

namespace {

class RefreshCycle : public ::testing::Test {
  protected:
    void SetUp() override {
        StartBoxesFromZero();
        ClearWriteLog();
    }
    void TearDown() override {
        ResetMemoryBoxes();
        ResetAppState();
    }
    static void Type(FieldId id, const char *text) {
        ClearWriteLog();
        PasteIntoBox(id, text);
    }
    static std::string Box(FieldId id) { return BoxText(id); }
};

TEST_F(RefreshCycle, StartShowsZeroEverywhereWithUint8Active) {
    EXPECT_EQ(g_app.activeField, kFieldUint8);
    EXPECT_FALSE(g_app.refreshInProgress);
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec &row = kFieldTable[i];
        char zeroText[kMaxDisplayCapacity];
        RawValue zero = ZeroRawValue();
        FormatField(&row, &zero, zeroText);
        EXPECT_STREQ(BoxText(row.id), zeroText) << row.label;
    }
    EXPECT_EQ(Box(kFieldHex), "0000000000000000");
}

TEST_F(RefreshCycle, OneEditWritesTheTwelveOthersInTableOrderOnce) {
    Type(kFieldInt16, "-2");
    ASSERT_EQ(g_memoryBoxes.writeCount, kFieldCount - 1);
    int logged = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldTable[i].id != kFieldInt16) {
            EXPECT_EQ(g_memoryBoxes.writeLog[logged++], kFieldTable[i].id) << i;
        }
    }
    // The paste and each write report one change; no nested refresh writes anything more.
    EXPECT_EQ(g_memoryBoxes.handlingCount, kFieldCount);
    EXPECT_EQ(g_app.activeField, kFieldInt16);
    EXPECT_FALSE(g_app.refreshInProgress);
}

TEST_F(RefreshCycle, EachEditStartsFromZeroBytes) {
    Type(kFieldHex, "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Box(kFieldUint64), "18446744073709551615");
    Type(kFieldUint16, "1");
    EXPECT_EQ(Box(kFieldHex), "0100000000000000");
    EXPECT_EQ(Box(kFieldUint64), "1");
    EXPECT_EQ(Box(kFieldInt64), "1");
}

TEST_F(RefreshCycle, ActiveBoxKeepsTextAsTyped) {
    struct {
        FieldId field;
        const char *typed;
        FieldId other;
        const char *otherText;
    } cases[] = {
        {kFieldUint32, "007", kFieldUint8, "7"},
        {kFieldUint8, "999", kFieldUint16, "231"},
        {kFieldUint8, "-1", kFieldInt8, "-1"},
        {kFieldInt8, "200", kFieldUint8, "200"},
        {kFieldInt16, "99999", kFieldInt32, "34463"},
        {kFieldHex, "1A2b", kFieldUint16, "11034"},
        {kFieldInt32, " +12 apples", kFieldUint64, "12"},
    };
    for (const auto &c : cases) {
        Type(c.field, c.typed);
        EXPECT_EQ(Box(c.field), c.typed);
        EXPECT_EQ(Box(c.other), c.otherText) << c.typed;
    }
}

// A pasted text is cut to the box's limit, as the edit box would cut it.
TEST_F(RefreshCycle, PasteIsCutToTheTextLimit) {
    Type(kFieldUint8, "12345");
    EXPECT_EQ(Box(kFieldUint8), "123");
    EXPECT_EQ(Box(kFieldUint16), "123");
}

TEST_F(RefreshCycle, ChangeWithoutFocusKeepsActiveFieldAndIsNormalised) {
    Type(kFieldInt16, "5");
    g_memoryBoxes.focus = kFieldInt16;
    // Another program sets the uint32 box's text: uint32 has no focus.
    ClearWriteLog();
    WriteText(kFieldUint32, "0042");
    EXPECT_EQ(g_app.activeField, kFieldInt16);
    EXPECT_EQ(Box(kFieldUint32), "42");
    EXPECT_EQ(Box(kFieldInt16), "5"); // the active box is skipped
    EXPECT_EQ(Box(kFieldHex), "2A00000000000000");
    // The write itself, then the refresh's twelve.
    EXPECT_EQ(g_memoryBoxes.writeCount, 1 + kFieldCount - 1);
}

TEST_F(RefreshCycle, WithNoActiveFieldEveryBoxIsWritten) {
    g_app.activeField = kNoField;
    ClearWriteLog();
    RawValue value = ZeroRawValue();
    value.bytes[0] = 9;
    RefreshFields(&value);
    EXPECT_EQ(g_memoryBoxes.writeCount, kFieldCount);
    EXPECT_EQ(Box(kFieldUint8), "9");
}

TEST_F(RefreshCycle, NestedRefreshWritesNothing) {
    g_app.refreshInProgress = true;
    ClearWriteLog();
    RawValue value = ZeroRawValue();
    RefreshFields(&value);
    EXPECT_EQ(g_memoryBoxes.writeCount, 0);
    g_app.refreshInProgress = false;
}

TEST_F(RefreshCycle, OnlyTheFirst98CharactersAreParsed) {
    std::string text(97, ' ');
    text += "5"; // character 98: read
    Type(kFieldUint64, (text + "6").c_str());
    EXPECT_EQ(Box(kFieldUint8), "5");
    std::string blanks(98, ' ');
    Type(kFieldUint64, (blanks + "7").c_str()); // character 99 is never read
    EXPECT_EQ(Box(kFieldUint8), "0");
}

TEST_F(RefreshCycle, EmptyBoxGivesZero) {
    Type(kFieldHex, "FF");
    Type(kFieldHex, "");
    EXPECT_EQ(Box(kFieldUint64), "0");
}

} // namespace
