#include "dialogs/Credit.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include <QCoreApplication>

namespace {

constexpr std::string_view kTriggerWord = "KESTRELS";
// The distinct letters of the trigger word, in the order of first occurrence.
constexpr std::string_view kAcceptedLetters = "KESTRL";

} // namespace

Credit::Credit(QWidget* owner, dialogs::ShowMessageFn showMessage)
    : owner_(owner), showMessage_(std::move(showMessage)) {
    static_assert(kTriggerWord.size() == kLength);
}

void Credit::Char(int intKey) {
    const auto accepted = std::find_if(kAcceptedLetters.begin(), kAcceptedLetters.end(),
                                       [intKey](char letter) { return intKey == letter; });
    if (accepted != kAcceptedLetters.end()) {
        // A window over the last eight accepted letters.
        strBuffer.erase(0, 1);
        strBuffer.push_back(*accepted);
    } else {
        // Any other key starts the word afresh.
        strBuffer.assign(kLength, ' ');
    }
    if (strBuffer == kTriggerWord) {
        ShowCredit();
    }
}

void Credit::ShowCredit() {
    const dialogs::Message message{
        QMessageBox::Information,
        QCoreApplication::translate("Credit", "Vaporwright Credit Screen"),
        QCoreApplication::translate(
            "Credit", "Vaporwright was written by Tobias R. Quenneville (Dunmore Tollis "
                      "Software).\n"
                      "Dedicated to Margit Elsholz, Anselm Okafor and Rosalind Thwaite.\n"
                      "\n"
                      "Thank you all for your patience during the development of this "
                      "software.")};
    if (showMessage_) {
        showMessage_(owner_, message);
    } else {
        dialogs::ShowMessageBox(owner_, message);
    }
}
