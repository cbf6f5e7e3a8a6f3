#pragma once
// "Auto Update": shown only while the installer downloads: the status, the
// progress and Cancel. The check itself is the UpdateChecker.

#include "support/updateChecker.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

class frmAutoUpdate : public QWidget, public UpdateView {
    Q_OBJECT
public:
    explicit frmAutoUpdate(QWidget* parent = nullptr);
    ~frmAutoUpdate() override;

    UpdateChecker checker;

    void showWindow() override;
    void setStatus(const QString& text) override;
    void setProgress(int64_t maximum, int64_t value) override;
    void closeWindow() override;

    QLabel* lblStatus = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* cmdCancel = nullptr;
};
