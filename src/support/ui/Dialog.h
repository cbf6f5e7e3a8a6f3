#pragma once
// The text-entry dialog: the operator types a new name. Its caller chooses
// what OK does (textEntry::Request) and sets the captions; a refused name
// keeps the dialog open with the reason. Enter in the box is OK.

#include "support/textEntry.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    // Sets up the dialog for one use: what OK does, the captions and the
    // text box's first text (all of it selected).
    void setUp(const textEntry::Request& request, const QString& caption, const QString& label,
               const QString& text);

    void OKButton_Click();
    void CancelButton_Click();

    textEntry::Request request;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;
    // The reason the last name was refused, shown under the box.
    QLabel* lblProblem = nullptr;
};
