#pragma once

#include <QStringList>
#include <QtMessageHandler>

namespace kuitti {

// Watches the making of the application object. Without a display Qt ends the program there
// with an English report and an abort; an ordinary day for a program started over ssh or from
// a script. While this lives, such an end becomes one Finnish line on standard error and exit
// status 1. Qt's other messages of that time wait, and go to standard error as this ends.
class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

 private:
  QtMessageHandler previous_;
};

// "kuittikopio: näyttöä ei löytynyt (DISPLAY=:0), joten ikkunaa ei voi avata."
QString NoDisplayLine();

}  // namespace kuitti
