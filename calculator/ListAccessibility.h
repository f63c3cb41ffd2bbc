#pragma once

// Drop-down lists as a screen reader meets them. Qt on Linux names a list by
// its current entry and expects a label (a QLabel whose buddy it is) to say
// what the list is for. The unit lists of the calculator stand beside their
// fields without a label of their own, so a list that carries an accessible
// name is spoken by that name, with its current entry as its value. A list
// without one keeps Qt's naming.

namespace calculator {

// Makes every QComboBox created from now on follow that rule. Once per
// process; later calls do nothing.
void InstallListAccessibility();

} // namespace calculator
