#include "support/ui/Dialog.h"

#include "platform/prompts.h"
#include "shell/shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Dialog::Dialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Change Fixture Name"));
    Label1 = new QLabel(QStringLiteral("Please enter new name for fixture"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("QLabel#lblProblem { color: red; }"));
    lblProblem->hide();
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Dialog::CancelButton_Click);
    // Enter in the box does what OK does.
    connect(Text1, &QLineEdit::returnPressed, this, &Dialog::OKButton_Click);
}

void Dialog::setUp(const textEntry::Request& r, const QString& caption, const QString& label, const QString& text) {
    request = r;
    setWindowTitle(caption);
    Label1->setText(label);
    Text1->setText(text);
    Text1->selectAll();
    Text1->setFocus();
    lblProblem->clear();
    lblProblem->hide();
}

void Dialog::OKButton_Click() {
    const textEntry::Result r = textEntry::OKButton_Click(request, Text1->text());
    if (r.close) {
        accept();
        return;
    }
    lblProblem->setText(r.problem);
    lblProblem->setVisible(!r.problem.isEmpty());
    if (!r.problem.isEmpty()) shell().prompts().messageBox(r.problem);
}

void Dialog::CancelButton_Click() { reject(); }
