#pragma once
// The small windows that show the program's identity or that something is
// under way: the splash during start-up and show loads, the About box, a
// progress window and a one-line please-wait window. Their callers drive
// them; they keep no state beyond their controls.

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace programIdentity {
inline constexpr int major = 0, minor = 1, revision = 0;
QString title();
QString legalNotice();
// "Version 0.1.0"
QString versionText();
} // namespace programIdentity

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    // Shows a loading stage at once.
    void setStage(const QString& text);
    QLabel* loadlable = nullptr;
    QLabel* lblVersion = nullptr;

protected:
    // Any key removes the splash.
    void keyPressEvent(QKeyEvent* event) override;
};

class About : public QDialog {
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);
    QLabel* lblVersion = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* cmdOK = nullptr;
};

class Progress : public QDialog {
    Q_OBJECT
public:
    explicit Progress(QWidget* parent = nullptr);
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
};

class frmWorkingDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmWorkingDialog(QWidget* parent = nullptr);
    // Shows the text at once, while the caller keeps the window thread busy.
    void setCaption(const QString& theCaption);
    QLabel* Label1 = nullptr;
};
