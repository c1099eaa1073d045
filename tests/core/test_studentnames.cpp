#include "core/classfolder/studentnames.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

// The Add box as the pupil's teacher uses it: each key goes through the typing rule, and
// the text through the capital rule after every change.
Bytes typeInto(Bytes box, BytesView keys)
{
    for (const char key : keys) {
        box += typedNameCharacter(key);
        box = capitalisedSoleCharacter(box);
    }
    return box;
}

Bytes pasteInto(Bytes box, BytesView text)
{
    return capitalisedSoleCharacter(box + Bytes(text));
}

std::vector<Bytes> addInOrder(std::vector<Bytes> roster, const std::vector<Bytes>& names)
{
    for (const Bytes& name : names) {
        roster.push_back(name);
        placeNewName(roster);
    }
    return roster;
}

} // namespace

TEST(NameTyping, TypedBlanksBecomeUnderscoresAndTheFirstLetterACapital)
{
    EXPECT_EQ(typeInto("", "red team"), "Red_team");
    EXPECT_EQ(typeInto("", " ann"), "_ann");
    EXPECT_EQ(typeInto("", "3rd"), "3rd");
}

TEST(NameTyping, PastedBlanksStay)
{
    EXPECT_EQ(pasteInto("", "red team"), "red team");
    EXPECT_EQ(pasteInto("", "r"), "R");
}

TEST(NameTyping, OnlyASoleLetterAToZIsCapitalised)
{
    EXPECT_EQ(capitalisedSoleCharacter("a"), "A");
    EXPECT_EQ(capitalisedSoleCharacter("z"), "Z");
    EXPECT_EQ(capitalisedSoleCharacter("Q"), "Q");
    EXPECT_EQ(capitalisedSoleCharacter("_"), "_");
    EXPECT_EQ(capitalisedSoleCharacter("\xe9"), "\xe9");
    EXPECT_EQ(capitalisedSoleCharacter("ab"), "ab");
    EXPECT_EQ(capitalisedSoleCharacter(""), "");
}

struct NameCase {
    const char* name;
    Bytes studentName;
    NameProblem problem;
};

class CheckStudentName : public testing::TestWithParam<NameCase> { };

TEST_P(CheckStudentName, RefusesWhatCannotNameADayFile)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(checkStudentName(c.studentName), c.problem);
}

INSTANTIATE_TEST_SUITE_P(Names, CheckStudentName,
    testing::Values(NameCase { "plain", "Ann", NameProblem::None },
        NameCase { "underscoresAndBlanks", "Red_team two", NameProblem::None },
        NameCase { "eightBit", "\xc9mile", NameProblem::None }, NameCase { "digitInside", "Ann2b", NameProblem::None },
        NameCase { "dotsInside", "A.J.", NameProblem::None }, NameCase { "threeDots", "...", NameProblem::None },
        NameCase { "longest", Bytes(237, 'a'), NameProblem::None }, NameCase { "empty", "", NameProblem::Empty },
        NameCase { "slash", "Ann/Bob", NameProblem::PathSeparator },
        NameCase { "upward", "../Ann", NameProblem::PathSeparator },
        NameCase { "backslash", "Ann\\Bob", NameProblem::PathSeparator },
        NameCase { "colon", "Ann:B", NameProblem::ForbiddenCharacter },
        NameCase { "star", "Ann*", NameProblem::ForbiddenCharacter },
        NameCase { "question", "Ann?", NameProblem::ForbiddenCharacter },
        NameCase { "quote", "\"Ann\"", NameProblem::ForbiddenCharacter },
        NameCase { "angle", "<Ann>", NameProblem::ForbiddenCharacter },
        NameCase { "bar", "Ann|Bob", NameProblem::ForbiddenCharacter },
        NameCase { "tab", "Ann\tB", NameProblem::ControlCharacter },
        NameCase { "nul", Bytes("A\0n", 3), NameProblem::ControlCharacter },
        NameCase { "lineFeed", "Ann\nBob", NameProblem::ControlCharacter },
        NameCase { "carriageReturn", "Ann\r", NameProblem::ControlCharacter },
        NameCase { "byte26", "Ann\x1a", NameProblem::ControlCharacter },
        NameCase { "delete", "Ann\x7f", NameProblem::ControlCharacter },
        NameCase { "undefined8Bit", "Ann\x81", NameProblem::ControlCharacter },
        NameCase { "dot", ".", NameProblem::DotName }, NameCase { "ownPrefix", ".~Zoe.x", NameProblem::OwnFilePrefix },
        NameCase { "ownPrefixEndingInDot", ".~Zo.", NameProblem::OwnFilePrefix },
        NameCase { "ownPrefixAlone", ".~", NameProblem::OwnFilePrefix },
        NameCase { "ownPrefixThenDigit", ".~1", NameProblem::OwnFilePrefix },
        NameCase { "tildeFirst", "~Zoe", NameProblem::None },
        NameCase { "dotThenLetterThenTilde", ".Z~oe", NameProblem::None },
        NameCase { "ownPrefixInside", "Zoe.~x", NameProblem::None }, NameCase { "dotDot", "..", NameProblem::DotName },
        NameCase { "endsInDigit", "X1", NameProblem::EndsInDigit },
        NameCase { "onlyDigits", "2024", NameProblem::EndsInDigit },
        NameCase { "tooLong", Bytes(238, 'a'), NameProblem::TooLong },
        NameCase { "con", "con", NameProblem::ReservedDeviceName },
        NameCase { "nulUpper", "NUL", NameProblem::ReservedDeviceName },
        NameCase { "auxMixedCase", "aUx", NameProblem::ReservedDeviceName },
        NameCase { "prnWithExtension", "prn.txt", NameProblem::ReservedDeviceName },
        NameCase { "conDotAnything", "con.x", NameProblem::ReservedDeviceName },
        NameCase { "conBlanksBeforeDot", "CON  .J", NameProblem::ReservedDeviceName },
        NameCase { "comAloneMakesCom1", "COM", NameProblem::ReservedDeviceName },
        NameCase { "lptAloneMakesLpt1", "lpt", NameProblem::ReservedDeviceName },
        NameCase { "comSuperscriptOne", "COM\xb9", NameProblem::ReservedDeviceName },
        NameCase { "lptSuperscriptThree", "LPT\xb3", NameProblem::ReservedDeviceName },
        NameCase { "com7DotName", "com7.Ann", NameProblem::ReservedDeviceName },
        NameCase { "conoutDollar", "CONOUT$", NameProblem::ReservedDeviceName },
        NameCase { "deviceInside", "Connor", NameProblem::None },
        NameCase { "deviceThenLetters", "Comet", NameProblem::None },
        NameCase { "lptThenLetter", "LPTa", NameProblem::None },
        NameCase { "comSuperscriptTwoInside",
            "COM\xb2"
            "b",
            NameProblem::None },
        NameCase { "deviceAfterDot", "Ann.con", NameProblem::None },
        NameCase { "conWithBlankInside", "CON ann", NameProblem::None }),
    [](const auto& info) { return info.param.name; });

struct SharingCase {
    const char* name;
    std::vector<Bytes> roster;
    Bytes added;
    std::optional<Bytes> sharing;
};

class RosterNameSharingDayFiles : public testing::TestWithParam<SharingCase> { };

TEST_P(RosterNameSharingDayFiles, FindsTheEntryWhoseDaysWouldMix)
{
    const SharingCase& c = GetParam();
    EXPECT_EQ(rosterNameSharingDayFiles(c.roster, c.added), c.sharing);
}

INSTANTIATE_TEST_SUITE_P(Rosters, RosterNameSharingDayFiles,
    testing::Values(SharingCase { "longerOnRoster", { "Guest", "Ann1" }, "Ann", "Ann1" },
        SharingCase { "shorterOnRoster", { "Guest", "Ann", "Bob" }, "Ann1", "Ann" },
        SharingCase { "severalDigits", { "Guest", "Ann123" }, "Ann", "Ann123" },
        SharingCase { "theFirstOfSeveral", { "Guest", "Ann2", "Ann1" }, "Ann", "Ann2" },
        SharingCase { "caseIgnored", { "Guest", "ann1" }, "ANN", "ann1" },
        SharingCase { "eightBitCaseIgnored", { "Guest", "\xe9lo\xefse7" }, "\xc9LO\xcfSE", "\xe9lo\xefse7" },
        SharingCase { "guestToo", { "Guest" }, "guest4", "Guest" },
        SharingCase { "largestDayStillShared", { "Guest", "Ann214748364" }, "Ann", "Ann214748364" },
        SharingCase { "digitsBeyondAnyDay", { "Guest", "Ann214748365" }, "Ann", std::nullopt },
        SharingCase { "leadingZeroIsNoDay", { "Guest", "Ann07" }, "Ann", std::nullopt },
        SharingCase { "lettersAfterTheDigits", { "Guest", "Ann1b" }, "Ann", std::nullopt },
        SharingCase { "longerByLetters", { "Guest", "Anna" }, "Ann", std::nullopt },
        SharingCase { "theSamePupil", { "Guest", "Ann" }, "ann", std::nullopt },
        SharingCase { "digitsInside", { "Guest", "A1nn" }, "A", std::nullopt },
        SharingCase { "emptyRoster", {}, "Ann", std::nullopt }),
    [](const auto& info) { return info.param.name; });

TEST(RosterEntriesSharingDayFiles, NamesEachOtherPupilOnce)
{
    const std::vector<Bytes> roster { "Guest", "Ann", "Ann1", "ann12", "ANN1", "Bob", "Ann", "Ann1x" };
    EXPECT_EQ(rosterEntriesSharingDayFiles(roster, "Ann1"), (std::vector<Bytes> { "Ann", "ann12" }));
    EXPECT_EQ(rosterEntriesSharingDayFiles(roster, "Ann"), (std::vector<Bytes> { "Ann1", "ann12" }));
    EXPECT_EQ(rosterEntriesSharingDayFiles(roster, "Bob"), std::vector<Bytes> {});
}

struct DayFileCase {
    const char* name;
    std::vector<Bytes> roster;
    Bytes student;
    int32_t day;
    bool another;
};

class DayFileCouldBelongToAnother : public testing::TestWithParam<DayFileCase> { };

TEST_P(DayFileCouldBelongToAnother, TellsTheFilesAnotherEntryCouldOwn)
{
    const DayFileCase& c = GetParam();
    EXPECT_EQ(dayFileCouldBelongToAnother(c.roster, c.student, c.day), c.another);
}

const std::vector<Bytes> annAndAnn1 { "Guest", "Ann", "Ann1", "Bob" };

INSTANTIATE_TEST_SUITE_P(Days, DayFileCouldBelongToAnother,
    testing::Values(DayFileCase { "shortersDay11IsTheLongersDay1", annAndAnn1, "Ann", 11, true },
        DayFileCase { "shortersDay123IsTheLongersDay23", annAndAnn1, "Ann", 123, true },
        DayFileCase { "shortersDay1IsItsOwn", annAndAnn1, "Ann", 1, false },
        DayFileCase { "shortersDay10WouldBeDay0", annAndAnn1, "Ann", 10, false },
        DayFileCase { "shortersDay101WouldBeDay01", annAndAnn1, "Ann", 101, false },
        DayFileCase { "shortersDay2IsItsOwn", annAndAnn1, "Ann", 2, false },
        DayFileCase { "longersDay1IsTheShortersDay11", annAndAnn1, "Ann1", 1, true },
        DayFileCase { "longersDay30IsTheShortersDay130", annAndAnn1, "Ann1", 30, true },
        DayFileCase { "unrelatedPupil", annAndAnn1, "Bob", 11, false },
        DayFileCase { "notOnTheRoster", annAndAnn1, "Cy", 11, false },
        DayFileCase { "caseIgnored", { "Guest", "ann1" }, "ANN", 12, true },
        DayFileCase { "sameNameOtherCaseIsTheSamePupil", { "Guest", "ann", "Ann" }, "Ann", 11, false },
        DayFileCase { "beyondTheLargestDay", { "Guest", "Ann" }, "Ann1", 2147483647, false },
        DayFileCase { "largestDayOfALongName", { "Guest", "Ann", "Ann214748364" }, "Ann", 2147483647, true },
        DayFileCase { "shorterWithLettersAfter", { "Guest", "Ann", "Ann1b" }, "Ann", 11, false }),
    [](const auto& info) { return info.param.name; });

TEST(RosterDayFileOverlaps, NamesEachPairOnceShorterFirst)
{
    const std::vector<Bytes> roster { "Guest", "Ann1", "Ann", "Bob", "ann", "Ann12", "Cy", "Ann1" };
    EXPECT_EQ(rosterDayFileOverlaps(roster),
        (std::vector<DayFileOverlap> { { "Ann", "Ann1" }, { "Ann1", "Ann12" }, { "Ann", "Ann12" } }));
    EXPECT_EQ(rosterDayFileOverlaps({ "Guest", "Ann", "Ann07", "Anna1" }), std::vector<DayFileOverlap> {});
}

// Windows and the shares schools use ignore letter case, accented letters and š, œ, ž, ÿ included.
TEST(RosterEntryNamed, TheSameNameInAnyCapitals)
{
    const std::vector<Bytes> roster { "Guest", "Ann", "\xc9lodie", "\x8aimon", "Ann1" };
    EXPECT_EQ(rosterEntryNamed(roster, "Ann"), "Ann");
    EXPECT_EQ(rosterEntryNamed(roster, "aNN"), "Ann");
    EXPECT_EQ(rosterEntryNamed(roster, "\xe9LODIE"), "\xc9lodie");
    EXPECT_EQ(rosterEntryNamed(roster, "\x9aimon"), "\x8aimon");
    EXPECT_EQ(rosterEntryNamed(roster, "Anna"), std::nullopt);
    EXPECT_EQ(rosterEntryNamed(roster, "An"), std::nullopt);
    EXPECT_EQ(rosterNamesDifferingInCase({ "Guest", "Ann", "bo", "ANN", "Bo", "ann" }),
        (std::vector<std::pair<Bytes, Bytes>> { { "Ann", "ANN" }, { "bo", "Bo" }, { "Ann", "ann" } }));
}

TEST(RosterDayFileOverlaps, TheFirstSharedDayIsTheOthersDayOne)
{
    EXPECT_EQ(firstSharedDay({ "Ann", "Ann1" }), 11);
    EXPECT_EQ(firstSharedDay({ "ann", "Ann20" }), 201);
}

TEST(PlaceNewName, BubblesIntoByteOrderAfterGuest)
{
    EXPECT_EQ(addInOrder({ "Guest" }, { "Zebra", "Ant", "Bee", "ANT" }),
        (std::vector<Bytes> { "Guest", "ANT", "Ant", "Bee", "Zebra" }));
}

TEST(PlaceNewName, OrdersDigitsCapitalsUnderscoreSmallLettersThenEightBit)
{
    EXPECT_EQ(addInOrder({ "Guest" }, { "\xc9mile", "ann", "_x", "Ann", "1a" }),
        (std::vector<Bytes> { "Guest", "1a", "Ann", "_x", "ann", "\xc9mile" }));
}

TEST(PlaceNewName, AShorterBeginningComesFirstAndEqualNamesStayInArrivalOrder)
{
    auto roster = addInOrder({ "Guest" }, { "Annabel", "Ann" });
    EXPECT_EQ(roster, (std::vector<Bytes> { "Guest", "Ann", "Annabel" }));
    roster = addInOrder({ "Guest", "Ann", "Bob" }, { "Ann" });
    EXPECT_EQ(roster, (std::vector<Bytes> { "Guest", "Ann", "Ann", "Bob" }));
}

TEST(PlaceNewName, NeverMovesTheFirstEntry)
{
    EXPECT_EQ(addInOrder({ "Zed" }, { "Bob", "Al" }), (std::vector<Bytes> { "Zed", "Al", "Bob" }));
    EXPECT_EQ(addInOrder({ "" }, { "Al" }), (std::vector<Bytes> { "", "Al" }));
}

TEST(PlaceNewName, TellsWhereTheFollowedEntryWent)
{
    std::vector<Bytes> roster { "Guest", "Ann", "Bee", "Zebra", "Ant" };
    EXPECT_EQ(placeNewName(roster, 2), 3u); // "Bee" moved down one
    EXPECT_EQ(roster[3], "Bee");
    roster.push_back("Cat");
    EXPECT_EQ(placeNewName(roster, 1), 1u); // "Ann" stays
    roster.push_back("Aa");
    EXPECT_EQ(placeNewName(roster, 6), 1u); // the new name itself
    EXPECT_EQ(placeNewName(roster, 0), 0u);
}

TEST(PlaceNewName, MakesOnePassOnly)
{
    // An unsorted roster from a hand-edited file is not sorted by an Add: the pass only
    // carries the new name up past larger neighbours.
    std::vector<Bytes> roster { "Guest", "Cy", "Bo", "Al" };
    roster.push_back("Ab");
    placeNewName(roster);
    EXPECT_EQ(roster, (std::vector<Bytes> { "Guest", "Ab", "Cy", "Bo", "Al" }));
}

TEST(WithoutDeletedStudents, TakesOutOneEntryPerDeletionAndKeepsNamesAddedMeanwhile)
{
    const std::vector<Bytes> now { "Guest", "Ann", "Ann", "Bob", "Cy", "Dan" };
    EXPECT_EQ(withoutDeletedStudents(now, { "Ann", "Cy" }), (std::vector<Bytes> { "Guest", "Ann", "Bob", "Dan" }));
    EXPECT_EQ(withoutDeletedStudents(now, { "Eve" }), now);
}

TEST(WithoutDeletedStudents, NeverTakesOutTheFirstEntry)
{
    EXPECT_EQ(withoutDeletedStudents({ "Guest" }, { "Guest" }), (std::vector<Bytes> { "Guest" }));
    EXPECT_EQ(withoutDeletedStudents({ "Guest", "Guest" }, { "Guest", "Guest" }), (std::vector<Bytes> { "Guest" }));
}

TEST(NamesNoLongerOnRoster, KeepsTheDaysOfANameStillOnTheRoster)
{
    const std::vector<Bytes> after { "Guest", "Ann", "Dan" };
    EXPECT_EQ(namesNoLongerOnRoster(after, { "Ann", "Cy", "Bob", "Cy" }), (std::vector<Bytes> { "Cy", "Bob" }));
    EXPECT_EQ(namesNoLongerOnRoster(after, { "Guest" }), std::vector<Bytes> {});
}

TEST(NamesNoLongerOnRoster, KeepsTheDaysOfANameThatDiffersOnlyInCase)
{
    // Where the file system ignores case, deleting "ann" would delete Ann's days.
    const std::vector<Bytes> after { "Guest", "Ann", "\xC9lo\xEFse",
        "\x8A"
        "arka" };
    EXPECT_EQ(namesNoLongerOnRoster(after,
                  { "ann", "ANN", "\xE9LO\xCFSE",
                      "\x9A"
                      "arka",
                      "Anne", "\xC9lo\xEFs" }),
        (std::vector<Bytes> { "Anne", "\xC9lo\xEFs" }));
}
