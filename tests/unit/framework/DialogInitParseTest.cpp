// Dialog init data as the resource compiler lays it out, and as a damaged
// resource might: records are read up to the terminator, and a record that is
// cut short, or that asks for something other than a string addition, ends the
// list without reading past the data. Platform-neutral: also built natively.
#include "framework/DialogInit.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void AppendWord(Bytes& data, unsigned value)
{
    data.push_back(static_cast<unsigned char>(value & 0xFF));
    data.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void AppendRecord(Bytes& data, unsigned id, unsigned message, const std::string& payload)
{
    AppendWord(data, id);
    AppendWord(data, message);
    AppendWord(data, static_cast<unsigned>(payload.size()));
    AppendWord(data, 0);
    data.insert(data.end(), payload.begin(), payload.end());
}

std::vector<DialogInitItem> Parse(const Bytes& data)
{
    return ParseDialogInit(data.data(), data.size());
}

std::string Describe(const std::vector<DialogInitItem>& items)
{
    std::string text;
    for (const DialogInitItem& item : items)
        text += std::to_string(item.controlId) + ":" + item.text + ";";
    return text;
}

const std::string kMinutes("Minutes\0", 8);
const std::string kHours("Hours\0", 6);

TEST(ParseDialogInit, ReadsEveryRecordUpToTheTerminator)
{
    Bytes data;
    AppendRecord(data, 1006, 0x0403, kMinutes);
    AppendRecord(data, 1006, 0x0143, kHours);
    AppendWord(data, 0);
    AppendRecord(data, 1006, 0x0403, kMinutes); // after the terminator: not read
    EXPECT_EQ(Describe(Parse(data)), "1006:Minutes;1006:Hours;");
}

TEST(ParseDialogInit, TextEndsAtItsTerminatorOrAtTheRecordLength)
{
    Bytes data;
    AppendRecord(data, 7, 0x0403, std::string("cut\0hidden", 10));
    AppendRecord(data, 8, 0x0403, "bare"); // counted without a terminator
    AppendRecord(data, 9, 0x0403, "");
    AppendWord(data, 0);
    EXPECT_EQ(Describe(Parse(data)), "7:cut;8:bare;9:;");
}

TEST(ParseDialogInit, WithoutTerminatorTheRecordsEndWithTheData)
{
    Bytes data;
    AppendRecord(data, 1006, 0x0403, kMinutes);
    AppendRecord(data, 1006, 0x0403, kHours);
    EXPECT_EQ(Describe(Parse(data)), "1006:Minutes;1006:Hours;");
    data.push_back(0x01); // a lone byte cannot start a record
    EXPECT_EQ(Describe(Parse(data)), "1006:Minutes;1006:Hours;");
}

TEST(ParseDialogInit, TruncatedRecordEndsTheListAndKeepsTheEarlierOnes)
{
    Bytes whole;
    AppendRecord(whole, 1006, 0x0403, kMinutes);
    AppendRecord(whole, 1006, 0x0403, kHours);
    const std::size_t second = 8 + kMinutes.size();
    // Cut inside the second record's header and inside its text.
    for (std::size_t size : { second + 1, second + 4, second + 7, second + 8, second + 13 })
        EXPECT_EQ(Describe(ParseDialogInit(whole.data(), size)), "1006:Minutes;") << "size " << size;
}

TEST(ParseDialogInit, LengthBeyondTheDataIsNotRead)
{
    Bytes data;
    AppendWord(data, 5);
    AppendWord(data, 0x0403);
    AppendWord(data, 0xFFFF);
    AppendWord(data, 0xFFFF);
    data.push_back('x');
    EXPECT_TRUE(Parse(data).empty());
}

TEST(ParseDialogInit, OtherMessageEndsTheList)
{
    Bytes data;
    AppendRecord(data, 1006, 0x0403, kMinutes);
    AppendRecord(data, 1006, 0x0401, kHours); // the 16-bit list box's addition
    AppendRecord(data, 1006, 0x0403, kHours);
    AppendWord(data, 0);
    EXPECT_EQ(Describe(Parse(data)), "1006:Minutes;");
}

TEST(ParseDialogInit, EmptyOrTerminatorOnlyDataGivesNothing)
{
    EXPECT_TRUE(ParseDialogInit(nullptr, 0).empty());
    const unsigned char terminator[] = { 0, 0 };
    EXPECT_TRUE(ParseDialogInit(terminator, sizeof terminator).empty());
    const unsigned char lone[] = { 0x10 };
    EXPECT_TRUE(ParseDialogInit(lone, sizeof lone).empty());
}

} // namespace
