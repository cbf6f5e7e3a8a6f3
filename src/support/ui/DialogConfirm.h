#pragma once
// "Are You Sure?": stands between a destructive command and its execution.
// The caller sets the caption and the question; OK runs the command the
// question names (confirmActions) and closes, Cancel only closes. Shown
// modeless, above the other windows.

#include <QDialog>

class QLabel;
class QPushButton;

class DialogConfirm : public QDialog {
    Q_OBJECT
public:
    explicit DialogConfirm(QWidget* parent = nullptr);

    // Sets the caption and question and shows the dialog on top.
    void ask(const QString& caption, const QString& question);

    void OKButton_Click();
    void CancelButton_Click();

    QLabel* Dialoglabel = nullptr;
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;
};
