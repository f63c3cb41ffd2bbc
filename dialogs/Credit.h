#pragma once

// The hidden credit screen: typing the word KESTRELS while the disclaimer
// prompt is active shows the program's credits. The prompt feeds every key
// code it sees to Char; letters are Qt key codes, which equal the codes of the
// capital letters whatever Shift or Caps Lock say.

#include "dialogs/DialogHooks.h"

#include <string>

class QWidget;

class Credit {
public:
    // The credits are shown modally over owner through showMessage (the real
    // message box when empty).
    explicit Credit(QWidget* owner = nullptr, dialogs::ShowMessageFn showMessage = {});

    // Takes the code of one pressed key (write-only).
    void Char(int intKey);

private:
    void ShowCredit();

    static constexpr std::size_t kLength = 8;

    QWidget* owner_;
    dialogs::ShowMessageFn showMessage_;
    // The last eight accepted letters; eight zero characters at first.
    std::string strBuffer = std::string(kLength, '\0');
};
