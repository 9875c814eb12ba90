#include "triggers/triggerformat.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string Block(std::string_view first10) {
    std::string block(first10);
    block.append(64 - block.size(), '0');
    return block;
}

// The rest of a line after its ID, with `block` as field 6 and `tail` from field 7 on.
std::string Rest(const std::string &block, const std::string &tail = ",0.000000,0.000000,0.000000,"
                                                                     "1,0,0,0,<none>,0,0,0") {
    return "=N,T,<all>,0,1,NoCheck," + block + tail;
}

} // namespace

TEST(TriggerForm, NewTriggerValueReadsBackAndWritesSame) {
    const TriggerReading reading = ReadTriggerForm(kNewTriggerValue);
    const TriggerForm expected{.name = u"NoName",
                               .team = u"NoTeam",
                               .house = u"<all>",
                               .techLevel = u"0",
                               .condition = u"我方拥有(前提)指定单位",
                               .conditionObject = u"NoCheck",
                               .comparison = u"等于",
                               .value = u"0",
                               .baseWeight = u"0",
                               .minWeight = u"0",
                               .maxWeight = u"0",
                               .side = u"0",
                               .skirmish = true,
                               .baseDefense = false,
                               .secondTeam = u"<none>"};
    EXPECT_TRUE(reading.form == expected);
    EXPECT_TRUE(reading.conditionKnown);
    EXPECT_FALSE(reading.blockCorrected);
    EXPECT_EQ(WriteTriggerLine(u"T1", reading.form), "T1" + std::string(kNewTriggerValue));

    const std::string rest = "=Rush,TeamA,Soviet,3,4,<none>," + Block("E803000003") +
                             ",12.750000,0.000000,50.000000,1,0,2,0,<none>,1,0,1";
    const TriggerForm read = ReadTriggerForm(rest).form;
    EXPECT_EQ(read.value, u"1000");
    EXPECT_EQ(read.comparison, u"大于等于");
    EXPECT_EQ(WriteTriggerLine(u"A", read), "A" + rest);
}

TEST(TriggerForm, FieldsCountedByCommas) {
    EXPECT_EQ(TriggerField("=n,a,b", 0), "n");
    EXPECT_EQ(TriggerField("=n,a,b", 1), "a");
    EXPECT_EQ(TriggerField("=n,a,b", 2), "None"); // field k needs comma k+1
    EXPECT_EQ(TriggerField("=n,a,b", 17), "b");
    EXPECT_EQ(TriggerField("=only", 0), "only");
    EXPECT_EQ(TriggerField("=only", 17), "=only");
    EXPECT_EQ(TriggerField("None", 0), "None");

    // Ten fields: no side, easy and medium off, hard follows the last field.
    const TriggerForm ten = ReadTriggerForm(Rest(Block(""), ",1.000000,2.000000,1")).form;
    EXPECT_EQ(ten.side, u"None");
    EXPECT_EQ(ten.maxWeight, u"None");
    EXPECT_FALSE(ten.easy || ten.medium);
    EXPECT_TRUE(ten.hard);
    EXPECT_FALSE(ReadTriggerForm(Rest(Block(""), ",1,2,3")).form.hard);

    TriggerForm form = ReadTriggerForm(kNewTriggerValue).form;
    form.name = u"Rush,Early";
    const TriggerReading shifted =
        ReadTriggerForm(std::string_view(WriteTriggerLine(u"A", form)).substr(1));
    EXPECT_EQ(shifted.form.name, u"Rush");
    EXPECT_EQ(shifted.form.team, u"Early");
    EXPECT_EQ(shifted.form.house, u"NoTeam");
    EXPECT_TRUE(shifted.blockCorrected); // field 6 now holds "NoCheck"
}

TEST(TriggerForm, ConditionCodes) {
    EXPECT_EQ(ConditionName(-1), u"无条件");
    EXPECT_EQ(ConditionName(7), u"中立方拥有(前提)指定单位");
    EXPECT_EQ(ConditionName(8), std::nullopt);
    EXPECT_EQ(ConditionCode(u"本方超时空传送就绪"), 6);

    const TriggerReading eight = ReadTriggerForm("=N,T,<all>,0,8,o," + Block("") + ",0,0,0");
    EXPECT_FALSE(eight.conditionKnown);
    EXPECT_TRUE(eight.form.condition.empty());

    TriggerForm form = ReadTriggerForm(kNewTriggerValue).form;
    form.condition = u"随便写的";
    EXPECT_EQ(TriggerField(WriteTriggerLine(u"A", form).substr(1), 4), "-1");
}

TEST(ComparisonBlock, Values) {
    EXPECT_EQ(DecodeComparisonBlock(Block("6400000002")).value, "100");
    EXPECT_EQ(DecodeComparisonBlock(Block("6400000002")).operatorCode, "2");
    EXPECT_EQ(EncodeComparisonBlock(u"100", u"等于"), Block("6400000002"));
    EXPECT_EQ(DecodeComparisonBlock(Block("ff000000")).value, "255");

    const std::string minusFive = EncodeComparisonBlock(u"-5", u"不等于");
    EXPECT_EQ(minusFive, Block("FBFFFFFF05"));
    EXPECT_EQ(DecodeComparisonBlock(minusFive).value, "-5");
    EXPECT_EQ(DecodeComparisonBlock(Block("00000080")).value, "-2147483648");
    // Beyond the 32-bit range the value saturates instead of wrapping round.
    EXPECT_EQ(EncodeComparisonBlock(u"99999999999", u"等于"), Block("FFFFFF7F02"));
    EXPECT_EQ(EncodeComparisonBlock(u"-99999999999", u"等于"), Block("0000008002"));
}

TEST(ComparisonBlock, MalformedBlocksAndOperators) {
    for (size_t size : {63u, 65u}) {
        const TriggerReading reading = ReadTriggerForm(Rest(std::string(size, '1')));
        EXPECT_TRUE(reading.blockCorrected) << size;
        EXPECT_EQ(reading.form.value, u"0") << size;
        EXPECT_EQ(reading.form.comparison, u"小于") << size;
    }
    std::string nonHex = Block("6400000002");
    nonHex[40] = 'g';
    EXPECT_EQ(DecodeComparisonBlock(nonHex).operatorCode, "None");
    const TriggerReading reading = ReadTriggerForm(Rest(nonHex));
    EXPECT_FALSE(reading.blockCorrected);
    EXPECT_EQ(reading.form.value, u"None");
    EXPECT_EQ(reading.form.comparison, u"小于");

    EXPECT_EQ(ReadTriggerForm(Rest(Block("000000000a"))).form.comparison, u"Drumo");
    EXPECT_EQ(EncodeComparisonBlock(u"7", u"Drumo"), Block("0700000005"));
    EXPECT_EQ(EncodeComparisonBlock(u"7", u""), Block("0700000005"));
}

TEST(Weights, DisplayAndLine) {
    const std::vector<std::pair<std::string, std::string>> shown = {
        {"12.750000", "12.75"}, {"50.000000", "50"},        {"-0.500000", "-0.5"},
        {"12.", "12"},          {"1.0000001", "1.0000001"}, {"", ""},
        {"abc", "abc"},         {"1.5.0", "1.5.0"},         {"1.10000000", "1.10000000"}};
    for (const auto &[stored, display] : shown)
        EXPECT_EQ(WeightForDisplay(stored), display) << stored;

    const std::vector<std::pair<std::string, std::string>> stored = {{"50", "50.000000"},
                                                                     {"12.5", "12.500000"},
                                                                     {"12.", "12.000000"},
                                                                     {"1.0000001", "1.0000001"},
                                                                     {"12.5.000000", "12.5.000000"},
                                                                     {"", ""},
                                                                     {"abc", "abc"},
                                                                     {"+", "+"}};
    for (const auto &[display, line] : stored)
        EXPECT_EQ(WeightForLine(display), line) << display;
}

TEST(TriggerLine, WritesEveryFieldInOrder) {
    const TriggerForm form{.name = u"测试",
                           .team = u"T",
                           .house = u"H",
                           .techLevel = u"5",
                           .condition = u"无条件",
                           .conditionObject = u"<none>",
                           .comparison = u"小于",
                           .value = u"0",
                           .baseWeight = u"1",
                           .minWeight = u"2.5",
                           .maxWeight = u"x",
                           .side = u"S",
                           .medium = true};
    // The name in code page 936; fields 10, 13 and 14 as a new trigger has them, field 11 is 0.
    EXPECT_EQ(WriteTriggerLine(u"ID", form), "ID=\xB2\xE2\xCA\xD4,T,H,5,-1,<none>," +
                                                 Block("0000000000") +
                                                 ",1.000000,2.500000,x,1,0,S,0,<none>,0,1,0");
}

TEST(TriggerLine, SaveChangesOnlyWhatTheUserChanged) {
    // Lines as files have them: weights in any form, houses and sides in any case, flags no box
    // shows, a field 11 of its own, condition codes with a sign, a leading zero or outside the
    // table, blocks in lower case or with an operator no name has.
    const std::string lowerTail = "0000ab00cd0000000000000000000000000000000000000000";
    const std::string lines[] = {
        "=Rush,TM_A,soviet,3,0,E1," + Block("6400000003") +
            ",50,50.0,50.000000,1,0,ALLIES,0,<none>,1,1,1",
        "=Cash,TM_B,<ALL>,03,+4,<none>,e803000003000000" + lowerTail.substr(2) +
            ",12.5,0.000000,0,Yes,7,Reds,2,TM_C,Yes,2,true",
        "=Odd,TM_C,Reds,10,08,NoCheck," + Block("000000000a") + ",1.,-0,+5,2,0,x,yes,<None>,0,0,0",
    };
    for (const std::string &rest : lines) {
        const TriggerForm shown = ReadTriggerForm(rest).form;
        EXPECT_EQ(WriteTriggerLine(u"A", shown, rest, &shown), "A" + rest) << rest;
        TriggerForm named = shown;
        named.name = u"New";
        EXPECT_EQ(WriteTriggerLine(u"A", named, rest, &shown),
                  "A=New" + rest.substr(rest.find(',')))
            << rest;
    }

    const struct {
        const char *what;
        std::string rest;
        void (*edit)(TriggerForm &);
        std::string saved;
    } cases[] = {
        {"changed boxes write their form", lines[0],
         [](TriggerForm &form) {
             form.minWeight = u"12.5";
             form.skirmish = false;
             form.secondTeam = u"TM_C";
             form.easy = false;
         },
         "=Rush,TM_A,soviet,3,0,E1," + Block("6400000003") +
             ",50,12.500000,50.000000,0,0,ALLIES,0,TM_C,0,1,1"},
        {"a new value keeps the block's operator and the digits after it", lines[1],
         [](TriggerForm &form) { form.value = u"50"; },
         "=Cash,TM_B,<ALL>,03,+4,<none>,3200000003000000" + lowerTail.substr(2) +
             ",12.5,0.000000,0,Yes,7,Reds,2,TM_C,Yes,2,true"},
        {"a new operator keeps the value's digits", lines[2],
         [](TriggerForm &form) { form.comparison = u"等于"; },
         "=Odd,TM_C,Reds,10,08,NoCheck," + Block("0000000002") +
             ",1.,-0,+5,2,0,x,yes,<None>,0,0,0"},
        {"a short line gets the usual values", "=N,T,<all>,0,1,NoCheck," + Block("") + ",1,2,3",
         [](TriggerForm &form) { form.name = u"New"; },
         "=New,T,<all>,0,1,NoCheck," + Block("") + ",1,2,3,1,0,None,0,<none>,0,0,0"},
        {"a block of 63 digits is written anew", Rest(std::string(63, '1')),
         [](TriggerForm &form) { form.name = u"New"; },
         "=New,T,<all>,0,1,NoCheck," + Block("0000000000") +
             ",0.000000,0.000000,0.000000,1,0,0,0,<none>,0,0,0"},
        {"a block that is no hexadecimal number is written anew", Rest(std::string(64, 'g')),
         [](TriggerForm &form) { form.name = u"New"; },
         "=New,T,<all>,0,1,NoCheck," + Block("0000000000") +
             ",0.000000,0.000000,0.000000,1,0,0,0,<none>,0,0,0"},
    };
    for (const auto &c : cases) {
        const TriggerForm shown = ReadTriggerForm(c.rest).form;
        EXPECT_EQ(WriteTriggerLine(u"A", shown, c.rest, &shown), "A" + c.rest)
            << c.what << ": unchanged";
        TriggerForm edited = shown;
        c.edit(edited);
        EXPECT_EQ(WriteTriggerLine(u"A", edited, c.rest, &shown), "A" + c.saved) << c.what;
    }
}
