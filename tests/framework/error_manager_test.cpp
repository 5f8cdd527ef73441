#include "framework/error_manager.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/error_table.h"
#include "runtime/core/error_state.h"
#include "runtime/dialogs.h"
#include "runtime/halt.h"
#include "tests/support/scripted_dialogs.h"

namespace {

using testsupport::MessageFields;

struct ExitRequested {
    int code;
};

class ErrorManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::ClearError();
        previousHook_ = rt::SetExitHook([](int code) { throw ExitRequested{code}; });
        errors.Setup();
    }
    void TearDown() override {
        errors.Teardown();
        rt::SetExitHook(std::move(previousHook_));
        rt::ClearError();
    }

    void Add(std::uint16_t id, std::uint8_t fatality, std::string_view title,
             std::string_view message) {
        const framework::ErrorDefinition definition[] = {{id, fatality, title, message}};
        errors.AddErrors(framework::PackErrorTable(definition));
    }
    // The substituted message of the last definition of `id`.
    std::string Fill(std::uint16_t id) {
        EXPECT_EQ(errors.FindError(id, errors.ERRORS->Records()), 0) << id;
        return errors.Substitute();
    }
    std::vector<rt::MessageRequest> Boxes() const { return dialogs->Messages(); }

    testsupport::ScopedDialogs dialogs;
    framework::ErrorManager errors;

  private:
    rt::ExitHook previousHook_;
};

// --- The queue ---------------------------------------------------------

TEST_F(ErrorManagerTest, SetupLoadsTheDefaultsAndTeardownFreesThem) {
    ASSERT_NE(errors.ERRORS, nullptr);
    EXPECT_EQ(errors.ERRORS->Records(), 36u);
    EXPECT_EQ(errors.ERRORS->Get(1).ID, 18);
    EXPECT_EQ(errors.ERRORS->Get(1).TITLE, "Invalid Key");
    EXPECT_EQ(errors.ERRORS->Get(36).ID, 44);
    EXPECT_EQ(errors.ERRORS->Pointer(), 0u);

    errors.Teardown();
    EXPECT_EQ(errors.ERRORS, nullptr);
    EXPECT_EQ(errors.FindError(9, 36), framework::ErrorManager::kNotFound);
    EXPECT_EQ(errors.RaiseError(9), framework::ErrorManager::kNotFound);
    EXPECT_EQ(errors.Substitute(), "");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ErrorManagerTest, AddErrorsAppendsEveryEntryOfATable) {
    const framework::ErrorDefinition definitions[] = {
        {100, 5, "First", "One"}, {101, 1, "Second", "Two"}, {9, 0, "Third", "Three"}};
    errors.AddErrors(framework::PackErrorTable(definitions));
    ASSERT_EQ(errors.ERRORS->Records(), 39u);
    EXPECT_EQ(errors.ERRORS->Get(37).ID, 100);
    EXPECT_EQ(errors.ERRORS->Get(37).FATALITY, 5);
    EXPECT_EQ(errors.ERRORS->Get(38).TITLE, "Second");
    EXPECT_EQ(errors.ERRORS->Get(39).MESSAGE, "Three");
}

TEST_F(ErrorManagerTest, AddedTextsDoNotDependOnTheTable) {
    {
        const std::string title = "Temporary";
        const std::string message = "Built at run time";
        const framework::ErrorDefinition definition[] = {{120, 5, title, message}};
        auto table = framework::PackErrorTable(definition);
        errors.AddErrors(table);
        std::fill(table.begin(), table.end(), 0);
    }
    EXPECT_EQ(errors.ERRORS->Get(37).TITLE, "Temporary");
    EXPECT_EQ(errors.ERRORS->Get(37).MESSAGE, "Built at run time");
}

TEST_F(ErrorManagerTest, AddErrorsWithoutAQueueCreatesOne) {
    framework::ErrorManager fresh;
    EXPECT_EQ(fresh.ERRORS, nullptr);
    fresh.AddErrors(framework::DefaultErrorTable());
    ASSERT_NE(fresh.ERRORS, nullptr);
    EXPECT_EQ(fresh.ERRORS->Records(), 36u);
}

TEST_F(ErrorManagerTest, FindErrorScansBackwardsFromAPosition) {
    Add(9, 5, "Override", "Overridden");
    // The default 9 is the 25th definition; the override is the 37th.
    EXPECT_EQ(errors.FindError(9, 37), 0);
    EXPECT_EQ(errors.ERRORS->Pointer(), 37u);
    EXPECT_EQ(errors.FindError(9, 36), 0);
    EXPECT_EQ(errors.ERRORS->Pointer(), 25u);
    EXPECT_EQ(errors.FindError(9, 25), 0);
    EXPECT_EQ(errors.ERRORS->Pointer(), 25u);
    // Positions past the end are clamped to the last entry.
    EXPECT_EQ(errors.FindError(9, 1000), 0);
    EXPECT_EQ(errors.ERRORS->Pointer(), 37u);

    // Not found: result 5 and the current entry is left alone.
    EXPECT_EQ(errors.FindError(9, 24), framework::ErrorManager::kNotFound);
    EXPECT_EQ(errors.FindError(18, 0), framework::ErrorManager::kNotFound);
    EXPECT_EQ(errors.FindError(999, 37), framework::ErrorManager::kNotFound);
    EXPECT_EQ(errors.ERRORS->Pointer(), 37u);
    EXPECT_EQ(errors.FindError(18, 1), 0);
    EXPECT_EQ(errors.ERRORS->Pointer(), 1u);
}

// --- Fields -------------------------------------------------------------

TEST_F(ErrorManagerTest, StringFieldsAreCutAtTheirSize) {
    errors.FIELDNAME = std::string(300, 'f');
    errors.MESSAGETEXT = std::string(255, 'm');
    EXPECT_EQ(errors.FIELDNAME.str(), std::string(254, 'f'));
    EXPECT_EQ(errors.MESSAGETEXT.str(), std::string(254, 'm'));
    errors.MESSAGETEXT = std::string("before\0after", 12);
    EXPECT_EQ(errors.MESSAGETEXT.str(), "before");
}

TEST_F(ErrorManagerTest, SetFileNameRemovesTrailingSpaces) {
    errors.SetFileName("  CUSTOMER.DAT   ");
    EXPECT_EQ(errors.FILENAME.str(), "  CUSTOMER.DAT");
    errors.SetFileName("    ");
    EXPECT_EQ(errors.FILENAME.str(), "");
    errors.SetFileName(std::string(260, 'n') + "   ");
    EXPECT_EQ(errors.FILENAME.str(), std::string(254, 'n'));
}

TEST_F(ErrorManagerTest, CaptureErrorsTakesTheRuntimesErrorWithoutTrailingSpaces) {
    rt::SetError(78);
    errors.CaptureErrors();
    EXPECT_EQ(errors.SAVEERRORCODE, 78);
    EXPECT_EQ(errors.SAVEERROR.str(), "Invalid Number Of Parameters");
    EXPECT_EQ(errors.SAVEFILEERRORCODE.str(), "");
    EXPECT_EQ(errors.SAVEFILEERROR.str(), "");

    rt::SetFileError(90, "28  ", "No space left on device  ");
    errors.CaptureErrors();
    EXPECT_EQ(errors.SAVEERRORCODE, 90);
    EXPECT_EQ(errors.SAVEERROR.str(), "File System Error");
    EXPECT_EQ(errors.SAVEFILEERRORCODE.str(), "28");
    EXPECT_EQ(errors.SAVEFILEERROR.str(), "No space left on device");
}

// --- Substitution ----------------------------------------------------------

TEST_F(ErrorManagerTest, FileErrorIsNotTheFileNameFollowedByError) {
    Add(200, 5, "T", "[%FileErrorCode] [%FileError] [%File] [%Error]");
    errors.SetFileName("ORDERS.DAT");
    rt::SetFileError(90, "13", "Permission denied");
    errors.CaptureErrors();
    EXPECT_EQ(Fill(200), "[13] [Permission denied] [ORDERS.DAT] [File System Error]");
}

TEST_F(ErrorManagerTest, ErrorTextForCode90ShowsTheDriversTextAndCode) {
    errors.SetFileName("ORDERS.DAT");
    rt::SetFileError(90, "13", "Permission denied");
    errors.CaptureErrors();
    EXPECT_EQ(Fill(9), "File (ORDERS.DAT) could not be opened.  Error: Permission denied (13).");
}

TEST_F(ErrorManagerTest, ErrorTextForOtherCodesShowsTheRuntimesTextAndCode) {
    errors.SetFileName("ORDERS.DAT");
    rt::SetError(2);
    errors.CaptureErrors();
    EXPECT_EQ(Fill(9), "File (ORDERS.DAT) could not be opened.  Error: File Not Found (2).");
    rt::SetError(314);  // a code without text
    errors.CaptureErrors();
    EXPECT_EQ(Fill(9), "File (ORDERS.DAT) could not be opened.  Error:  (314).");
}

TEST_F(ErrorManagerTest, EveryPlaceholderIsFilledWhereverItStands) {
    Add(201, 5, "T",
        "%ErrorCode|%Message|%Field|%File%File|%Errors|%Filename|%file|%MESSAGE|%|%Previou");
    errors.FIELDNAME = "CUS:Name";
    errors.MESSAGETEXT = "1 and 10";
    errors.SetFileName("C.DAT");
    rt::SetError(5);
    errors.CaptureErrors();
    EXPECT_EQ(Fill(201),
              "5|1 and 10|CUS:Name|C.DATC.DAT|Access Denieds|C.DATname|%file|%MESSAGE|%|%Previou");
    EXPECT_EQ(Fill(23), "The value of CUS:Name must be between 1 and 10.");
}

TEST_F(ErrorManagerTest, CapturedValuesStayUntilTheNextCapture) {
    rt::SetError(5);
    errors.CaptureErrors();
    rt::SetError(2);
    errors.SetFileName("A.DAT");
    EXPECT_EQ(Fill(27),
              "An error (Access Denied (5)) was experienced when deleting a record from the A.DAT "
              "file.");
}

TEST_F(ErrorManagerTest, PreviousQuotesTheOverriddenDefinition) {
    Add(9, 5, "Cannot open", "Please check the disk. %Previous");
    errors.SetFileName("ORDERS.DAT");
    rt::SetError(3);
    errors.CaptureErrors();
    EXPECT_EQ(Fill(9),
              "Please check the disk. File (ORDERS.DAT) could not be opened.  Error: Path Not "
              "Found (3).");
    EXPECT_EQ(errors.ERRORS->Pointer(), 37u);

    // The override also decides how the error is raised.
    EXPECT_EQ(errors.RaiseError(9), framework::ErrorManager::kInformed);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Cannot open");
    EXPECT_EQ(boxes[0].icon, rt::Icon::Information);
}

TEST_F(ErrorManagerTest, PreviousChainsThroughSeveralOverrides) {
    Add(300, 5, "T", "one");
    Add(300, 5, "T", "two<%Previous>");
    Add(301, 5, "T", "other");
    Add(300, 5, "T", "three<%Previous>");
    EXPECT_EQ(Fill(300), "three<two<one>>");
    EXPECT_EQ(errors.ERRORS->Pointer(), 40u);
}

TEST_F(ErrorManagerTest, PreviousWithoutAnEarlierDefinitionIsEmpty) {
    Add(302, 5, "T", "[%Previous] and [%Previous]");
    EXPECT_EQ(Fill(302), "[] and []");
    EXPECT_EQ(errors.ERRORS->Pointer(), 37u);
}

TEST_F(ErrorManagerTest, AValueHoldingItsOwnPlaceholderIsInsertedOnce) {
    Add(303, 5, "T", "%File and %File");
    errors.SetFileName("x%Filey");
    EXPECT_EQ(Fill(303), "x%Filey and x%Filey");

    Add(304, 5, "T", "<%Field>");
    errors.FIELDNAME = "%Field%Field";
    EXPECT_EQ(Fill(304), "<%Field%Field>");

    Add(305, 5, "T", "%Message.");
    errors.MESSAGETEXT = "%Message";
    EXPECT_EQ(Fill(305), "%Message.");
}

TEST_F(ErrorManagerTest, ValuesAreFilledInTheFixedOrder) {
    // A value inserted early is subject to the placeholders that follow it.
    Add(306, 5, "T", "%File");
    errors.SetFileName("%Message");
    errors.MESSAGETEXT = "%File";
    EXPECT_EQ(Fill(306), "%File");
}

TEST_F(ErrorManagerTest, SubstitutedMessageIsCutAt2000) {
    Add(307, 5, "T", "%Field%Field%Field%Field%Field%Field%Field%Field%Field%Field");
    errors.FIELDNAME = std::string(254, 'x');
    const std::string text = Fill(307);
    EXPECT_EQ(text, std::string(2000, 'x'));

    Add(308, 5, "T", "%Field%Field%Field%Field%Field%Field%Field%Field%Message tail");
    errors.MESSAGETEXT = "m";
    EXPECT_EQ(Fill(308), std::string(2000, 'x'));
    EXPECT_EQ(errors.RaiseError(308), framework::ErrorManager::kInformed);
    EXPECT_EQ(Boxes().at(0).text.size(), 2000u);
}

// --- Raising and the boxes ----------------------------------------------------------

TEST_F(ErrorManagerTest, SeverityZeroShowsNothing) {
    Add(310, 0, "Quiet", "Nothing to see");
    EXPECT_EQ(errors.RaiseError(310), framework::ErrorManager::kCarryOn);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ErrorManagerTest, SeverityOneAsksAQuestion) {
    dialogs->QueueMessageAnswer(rt::ButtonYes);
    dialogs->QueueMessageAnswer(rt::ButtonNo);
    EXPECT_EQ(errors.RaiseError(36), framework::ErrorManager::kCarryOn);
    EXPECT_EQ(errors.RaiseError(36), framework::ErrorManager::kDeclined);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    const rt::MessageRequest question{"Do you want to save the changes to this record?",
                                      "Save Record", rt::Icon::Warning,
                                      rt::ButtonYes | rt::ButtonNo, rt::ButtonYes};
    EXPECT_EQ(MessageFields(boxes[0]), MessageFields(question));
    EXPECT_EQ(MessageFields(boxes[1]), MessageFields(question));
}

TEST_F(ErrorManagerTest, SeverityFourBehavesLikeSeverityOne) {
    Add(311, 1, "Same", "Continue with %File?");
    Add(312, 4, "Same", "Continue with %File?");
    errors.SetFileName("A.DAT");
    for (unsigned answer : {rt::ButtonYes, rt::ButtonNo}) {
        dialogs->QueueMessageAnswer(answer);
        dialogs->QueueMessageAnswer(answer);
        EXPECT_EQ(errors.RaiseError(311), errors.RaiseError(312));
    }
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    for (std::size_t i = 0; i < boxes.size(); i += 2) {
        EXPECT_EQ(boxes[i].text, "Continue with A.DAT?");
        EXPECT_EQ(MessageFields(boxes[i]), MessageFields(boxes[i + 1]));
    }
}

TEST_F(ErrorManagerTest, RaiseCapturedErrorInformsWithTheCapturedError) {
    errors.SetFileName("ORDERS.DAT");
    rt::SetError(36);
    EXPECT_EQ(errors.RaiseCapturedError(12), framework::ErrorManager::kInformed);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        MessageFields(boxes[0]),
        MessageFields({"ORDERS.DAT File Load Error.  Error: Invalid Data File (36).",
                       "File Load Error", rt::Icon::Information, rt::ButtonOk, rt::ButtonOk}));
}

TEST_F(ErrorManagerTest, FatalShowsTwoBoxesAndEndsWithExitCodeZero) {
    errors.SetFileName("ORDERS.DAT");
    rt::SetError(2);
    int exitCode = -1;
    try {
        errors.RaiseCapturedError(9);
        ADD_FAILURE() << "a fatal error returned";
    } catch (const ExitRequested& exit) {
        exitCode = exit.code;
    }
    EXPECT_EQ(exitCode, 0);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(
        MessageFields(boxes[0]),
        MessageFields({"File (ORDERS.DAT) could not be opened.  Error: File Not Found (2).  "
                       "Press OK to end this application",
                       "File Access Error", rt::Icon::Information, rt::ButtonOk, rt::ButtonOk}));
    EXPECT_EQ(MessageFields(boxes[1]), MessageFields({"File Access Error", "Halt", rt::Icon::None,
                                                      rt::ButtonOk, rt::ButtonOk}));
}

TEST_F(ErrorManagerTest, SeverityTwoAndUnknownSeveritiesAreFatal) {
    for (std::uint8_t severity : {2, 6, 255}) {
        const std::uint16_t id = 400 + severity;
        Add(id, severity, "Severe", "Severity %Message");
        errors.MESSAGETEXT = std::to_string(severity);
        EXPECT_THROW(errors.RaiseError(id), ExitRequested) << int{severity};
    }
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0].text, "Severity 2  Press OK to end this application");
    EXPECT_EQ(boxes[2].text, "Severity 6  Press OK to end this application");
    EXPECT_EQ(boxes[4].text, "Severity 255  Press OK to end this application");
    for (std::size_t i = 1; i < boxes.size(); i += 2) EXPECT_EQ(boxes[i].caption, "Halt");
}

// Records which slots a raise goes through, without ending the process.
class RecordingManager : public framework::ErrorManager {
  public:
    std::vector<std::string> calls;
    std::uint8_t HandleFatal() override {
        calls.push_back("Fatal");
        return 77;
    }
    std::uint8_t HandleInternal() override {
        calls.push_back("Internal");
        return framework::ErrorManager::HandleInternal();
    }
    std::uint8_t HandleOther() override {
        calls.push_back("Other");
        return framework::ErrorManager::HandleOther();
    }
};

TEST_F(ErrorManagerTest, SeveritiesReachTheirSlots) {
    RecordingManager manager;
    manager.Setup();
    const framework::ErrorDefinition definitions[] = {
        {500, 2, "T", "M"}, {501, 3, "T", "M"}, {502, 9, "T", "M"}};
    manager.AddErrors(framework::PackErrorTable(definitions));
    EXPECT_EQ(manager.RaiseError(500), 77);
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"Internal", "Fatal"}));
    manager.calls.clear();
    EXPECT_EQ(manager.RaiseError(501), 77);
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"Fatal"}));
    manager.calls.clear();
    EXPECT_EQ(manager.RaiseError(502), 77);
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"Other", "Internal", "Fatal"}));
}

TEST_F(ErrorManagerTest, RaisingANumberWithoutDefinitionShowsNothing) {
    EXPECT_EQ(errors.RaiseError(999), framework::ErrorManager::kNotFound);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ErrorManagerTest, AskUserShowsTheGivenButtons) {
    dialogs->QueueMessageAnswer(rt::ButtonCancel);
    const unsigned buttons = rt::ButtonYes | rt::ButtonNo | rt::ButtonCancel;
    EXPECT_EQ(errors.AskUser(37, buttons, rt::ButtonNo), rt::ButtonCancel);
    EXPECT_EQ(errors.AskUser(999, buttons, rt::ButtonNo), 0u);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(MessageFields(boxes[0]),
              MessageFields({"Are you sure you want to delete the highlighted record?",
                             "Confirm Delete", rt::Icon::Warning, buttons, rt::ButtonNo}));
}

using ErrorManagerDeathTest = ErrorManagerTest;

TEST_F(ErrorManagerDeathTest, FatalEndsTheProcessWithExitCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            rt::SetExitHook({});
            errors.RaiseError(29);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
