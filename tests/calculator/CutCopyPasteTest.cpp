// The Edit commands on the focused text field and the clipboard.

#include "calculator/CutCopyPaste.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class EditPerform : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        combo = new QComboBox(&window);
        layout->addWidget(field);
        layout->addWidget(combo);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        field->setText("68.50");
        QApplication::clipboard()->setText("before");
    }

    void perform(const char* word) {
        QString w = QString::fromLatin1(word);
        basCutCopyPaste::EditPerform(w);
    }

    static QString clipboardText() { return QApplication::clipboard()->text(); }

    QWidget window;
    QLineEdit* field = nullptr;
    QComboBox* combo = nullptr;
};

TEST_F(EditPerform, CutMovesTheSelectionToTheClipboard) {
    field->setSelection(0, 2);
    perform("Cut");
    EXPECT_EQ(clipboardText(), "68");
    EXPECT_EQ(field->text(), ".50");
}

TEST_F(EditPerform, CopyWithoutSelectionPutsTheEmptyText) {
    field->deselect();
    perform("Copy");
    EXPECT_EQ(clipboardText(), "");
    EXPECT_EQ(field->text(), "68.50");
}

TEST_F(EditPerform, PasteReplacesTheSelectionUnfiltered) {
    QApplication::clipboard()->setText("abc,1");
    field->setSelection(3, 2);
    perform("paste");
    EXPECT_EQ(field->text(), "68.abc,1");
    field->deselect();
    field->setCursorPosition(0);
    perform("PASTE");
    EXPECT_EQ(field->text(), "abc,168.abc,1"); // at the caret
}

TEST_F(EditPerform, PasteOfNoTextDeletesTheSelection) {
    QApplication::clipboard()->clear();
    field->setSelection(2, 3);
    perform("Paste");
    EXPECT_EQ(field->text(), "68");
}

TEST_F(EditPerform, DeleteInAnyCaseLeavesTheClipboard) {
    field->setSelection(0, 3);
    perform("dElEtE");
    EXPECT_EQ(field->text(), "50");
    EXPECT_EQ(clipboardText(), "before");
}

TEST_F(EditPerform, WordIsUpperCasedForTheCallerAndUnknownWordsDoNothing) {
    QString word = "copy";
    basCutCopyPaste::EditPerform(word);
    EXPECT_EQ(word, "COPY");
    field->selectAll();
    perform("Undo");
    EXPECT_EQ(field->text(), "68.50");
}

TEST_F(EditPerform, NothingHappensWhenTheFocusIsNotOnATextField) {
    combo->setFocus();
    for (const char* word : {"Cut", "Copy", "Paste", "Delete"})
        perform(word);
    EXPECT_EQ(clipboardText(), "before");
    EXPECT_EQ(field->text(), "68.50");
}

TEST_F(EditPerform, ReadOnlyFieldsAreCopiedButNeverChanged) {
    field->setReadOnly(true);
    field->selectAll();
    perform("Cut");
    EXPECT_EQ(clipboardText(), "68.50");
    EXPECT_EQ(field->text(), "68.50");
    QApplication::clipboard()->setText("999");
    perform("Paste");
    perform("Delete");
    EXPECT_EQ(field->text(), "68.50");
}

} // namespace
