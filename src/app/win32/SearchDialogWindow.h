#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/SearchSteps.h"
#include "app/SearchWindow.h"
#include "app/win32/WindowProcedure.h"

namespace kuitti {

// "Etsi kuitti" on the Win32 API: comctl32 date pickers, the fields and a report list view,
// modal over Form1 and wired to the shared search steps.
class SearchDialogWindow final : public SearchWindow {
 public:
  SearchDialogWindow(HWND owner, const std::string& dataPath, SearchSteps::Picked picked);
  ~SearchDialogWindow() override;
  SearchDialogWindow(const SearchDialogWindow&) = delete;
  SearchDialogWindow& operator=(const SearchDialogWindow&) = delete;

  // Shows the dialog and returns once it is closed, picked or not.
  void Run();

  bool DaysTicked() const override;
  CalendarDay Day(DayField field) const override;
  void SetDay(DayField field, CalendarDay day) override;
  std::string Text(SearchField field) const override;
  void Focus(SearchField field) override;
  void ShowRows(const std::vector<SearchRow>& rows) override;
  void SelectRow(std::size_t row) override;
  void SetSummary(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void SetBusy(bool busy) override;
  void Close() override;

 private:
  template <typename Owner>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void MakeControls();
  HWND Make(const wchar_t* windowClass, std::string_view text, DWORD style, int id,
            const RECT& place, DWORD extended = 0);
  void CommandMessage(int id, int notification);
  // Enter as the dialog manager hands it over: a key of the dialog's table on a selected row of
  // the list runs its command (picks the row); anywhere else Enter presses "Etsi".
  void Enter();
  // Keeps a field's text to its rule: a change that the rule refuses is undone.
  void KeepToRule(SearchField field);

  HWND owner_;
  HWND dialog_ = nullptr;
  HWND days_ = nullptr;
  std::array<HWND, 2> dayPickers_{};
  std::array<HWND, 3> fields_{};
  std::array<std::string, 3> acceptedTexts_{};
  HWND list_ = nullptr;
  HWND summary_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  bool done_ = false;
  SearchSteps steps_;
};

}  // namespace kuitti
