#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/Form1Layout.h"

namespace kuitti {

// Form1 as the steps of a fetch and a print see it, whatever toolkit draws it. Texts are UTF-8;
// the copy box's text has CR LF between its lines, going in and coming out.
class Window {
 public:
  virtual ~Window() = default;
  virtual std::string Text(Control control) const = 0;
  virtual void SetText(Control control, std::string_view text) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  // Gives the control the keyboard focus with its whole text selected.
  virtual void FocusAndSelectAll(Control control) = 0;
  // A modal message with one OK button, titled with the caption, owned by the window; it
  // returns once the user has answered it.
  virtual void ShowMessage(std::string_view text) = 0;
  // The busy cursor over the program, or the normal one again.
  virtual void SetBusy(bool busy) = 0;
  // "Etsi kuitti", modal over the window; the receipt picked there is fetched.
  virtual void OpenSearch() = 0;
  // Ends the program, as closing the window does.
  virtual void Quit() = 0;
  // The platform's own save dialog for a PDF file, opening in the user's Documents folder with
  // `proposedName`: the path chosen (UTF-8), or nothing when the user cancelled.
  virtual std::optional<std::string> AskPdfPath(std::string_view proposedName) = 0;
  // Puts Text1's (the copy box's) selection, or its whole text when nothing is selected, on
  // the clipboard.
  virtual void CopyText() = 0;
};

}  // namespace kuitti
