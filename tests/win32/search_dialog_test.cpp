#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win32/modal_driver.h"
#include "tests/win32/text_fit.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/search_dialog.h"
#include "win32/resources/resource.h"

namespace {

void Click(HWND dialog, int button) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

class SearchDialogTest : public ShellTest {
 protected:
  // Opens the dialog, lets finish type and end it, and returns AskSearchText's answer.
  bool Ask(int templateId, const std::function<void(HWND)>& finish) {
    bool confirmed = false;
    EXPECT_TRUE(DriveModalDialog([&] { confirmed = AskSearchText(templateId); }, [&](HWND dialog) {
      EXPECT_EQ(GetParent(dialog), mainWindow);
      EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SEARCH_TEXT)), "");
      finish(dialog);
    }));
    return confirmed;
  }
};

TEST_F(SearchDialogTest, OkStoresAtMost24CharactersAndCancelOrCloseKeepTheText) {
  struct Case {
    const char* what;
    std::function<void(HWND)> finish;
    bool confirmed;
    std::string searchText;
  };
  const auto typeAndClick = [](const std::string& text, int button) {
    return [text, button](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text.c_str());
      Click(dialog, button);
    };
  };
  const Case cases[] = {
      {"OK", typeAndClick("Crow", IDC_SEARCH_OK), true, "Crow"},
      {"Cancel", typeAndClick("Dog", IDC_SEARCH_CANCEL), false, "Crow"},
      {"close box", [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); }, false, "Crow"},
      {"30 characters", typeAndClick("abcdefghijklmnopqrstuvwxyz0123", IDC_SEARCH_OK), true,
       "abcdefghijklmnopqrstuvwx"},
      {"OK with nothing typed", typeAndClick("", IDC_SEARCH_OK), false, ""},
  };
  SearchText = "";
  for (const Case& c : cases) {
    EXPECT_EQ(Ask(IDD_ENEMY_SEARCH, c.finish), c.confirmed) << c.what;
    EXPECT_EQ(SearchText, c.searchText) << c.what;
  }
}

TEST_F(SearchDialogTest, EachTemplateNamesWhatItSearches) {
  const std::pair<int, const char*> templates[] = {{IDD_ENEMY_SEARCH, "Search in Enemy Names:"},
                                                   {IDD_ITEM_SEARCH, "Search in Item Names:"}};
  for (const auto& [templateId, label] : templates) {
    Ask(templateId, [label = label](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), "Search");
      EXPECT_TRUE(FindWindowExA(dialog, nullptr, "Static", label)) << label;
      EXPECT_EQ(TextsThatDoNotFit(dialog), std::vector<std::string>{}) << label;
      Click(dialog, IDC_SEARCH_CANCEL);
    });
  }
}

TEST_F(SearchDialogTest, WalkShowsMatchesUntilNoOrTheEnd) {
      struct Case {
    const char* what;
    std::vector<std::size_t> matches;
    std::deque<MessageAnswer> answers;
    std::vector<std::size_t> shown;
    bool notFound;
  };
  const Case cases[] = {
      {"Yes to all three", {3, 8, 20}, {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes}, {3, 8, 20}, true},
      {"No at the second", {3, 8, 20}, {MessageAnswer::Yes, MessageAnswer::No}, {3, 8}, false},
      {"no match", {}, {}, {}, true},
  };
  for (const Case& c : cases) {
    recorder.messages.clear();
    recorder.messageAnswers = c.answers;
    std::vector<std::size_t> shown;
    WalkSearchMatches(c.matches, "Find Next?", [&](std::size_t match) { shown.push_back(match); });
    EXPECT_EQ(shown, c.shown) << c.what;
    ASSERT_EQ(recorder.messages.size(), c.shown.size() + (c.notFound ? 1 : 0)) << c.what;
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      EXPECT_EQ(recorder.messages[i].text, "Find Next?") << c.what;
      EXPECT_EQ(recorder.messages[i].title, "Search found") << c.what;
      EXPECT_EQ(recorder.messages[i].kind, MessageKind::YesNoQuestion) << c.what;
    }
    if (c.notFound) {
      EXPECT_EQ(recorder.messages.back().text, "String not found") << c.what;
      EXPECT_EQ(recorder.messages.back().title, "Done") << c.what;
      EXPECT_EQ(recorder.messages.back().kind, MessageKind::SearchDone) << c.what;
    }
  }
}

}  // namespace
