#pragma once

namespace kuitti {

class Form1;
class MessageBoxes;

// Ctrl+F and F3 over the window open the modal "Etsi kuitti" dialog; the receipt picked there
// goes into Text2 and is fetched.
void AddSearchShortcuts(Form1& form, MessageBoxes& messages);

}  // namespace kuitti
