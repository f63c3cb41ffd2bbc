#pragma once

// The splash window the start-up shows, modeless and without owner, while the
// calculator window loads. It has no caption and no buttons and does not react
// to the user; the start-up closes (destroys) it.

#include <QWidget>

class QFrame;
class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

private:
    // The names and descriptions a screen reader speaks (Accessibility.cpp).
    void applyAccessibleTexts();
    void Form_Load();

    QFrame* fraMainFrame;
    QLabel* picLogo;
    QLabel* lblCompanyProduct;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblCopyright;
    QLabel* lblWarning;
};
