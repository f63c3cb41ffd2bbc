#pragma once

// The line of the calculator window that says why the results are empty.
//
// To a screen reader it is a status, the role whose changes are read out as
// they happen (a polite live region), named by the text it shows: every new
// text is announced, and an empty line says nothing. On screen it is one line
// of plain text whose room the layout keeps whether it shows a text or not,
// so nothing in the window moves when a reason appears; a text longer than
// the window is cut rather than widening it.

#include <QLabel>

namespace calculator {

class StatusLine : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);
};

} // namespace calculator
