#include "support/ui/DialogConfirm.h"

#include "platform/prompts.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "support/confirmActions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DialogConfirm::DialogConfirm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DialogConfirm"));
    setWindowTitle(QStringLiteral("Are You Sure?"));
    setStyleSheet(QStringLiteral("DialogConfirm#DialogConfirm { background-color: rgb(64, 64, 64); }"
                                 "QLabel#Dialoglabel { color: white; }"));
    Dialoglabel = new QLabel(QStringLiteral("Label1"), this);
    Dialoglabel->setObjectName(QStringLiteral("Dialoglabel"));
    Dialoglabel->setWordWrap(true);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Dialoglabel);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &DialogConfirm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DialogConfirm::CancelButton_Click);
}

void DialogConfirm::ask(const QString& caption, const QString& question) {
    setWindowTitle(caption);
    Dialoglabel->setText(question);
    Formontop::setFormOnTop(this, -1);
    show();
    raise();
    activateWindow();
}

void DialogConfirm::OKButton_Click() {
    const confirmActions::Result r = confirmActions::OKButton_Click(Dialoglabel->text());
    if (!r.problem.isEmpty()) shell().prompts().messageBox(r.problem);
    if (r.close) hide();
}

// The window stays loaded, hidden, for the next question.
void DialogConfirm::CancelButton_Click() { hide(); }
