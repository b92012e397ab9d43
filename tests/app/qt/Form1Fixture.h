#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "app/qt/CopyTextBox.h"
#include "app/qt/Form1.h"
#include "app/qt/RecordingMessages.h"

namespace kuitti::test {

// A shown Form1 with recorded messages and the given printer (none needed for fetching).
class Form1Fixture : public testing::Test {
 protected:
  explicit Form1Fixture(std::unique_ptr<Printer> printer = nullptr)
      : form(messages, std::move(printer)) {
    form.show();
  }

  template <typename Control = QWidget>
  Control* Child(const char* name) {
    auto* control = form.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  QLineEdit* Text2() { return Child<QLineEdit>("Text2"); }
  CopyTextBox* Text1() { return Child<CopyTextBox>("Text1"); }
  QPushButton* Command(int number) {
    return Child<QPushButton>(QStringLiteral("Command%1").arg(number).toLatin1().constData());
  }

  RecordingMessages messages;
  Form1 form;
};

}  // namespace kuitti::test
