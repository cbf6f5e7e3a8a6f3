#pragma once
// "Add Timer": the daily ON and OFF times of one page button, each for every
// day or for chosen weekdays. Opening it takes the button's timers out of the
// show's timer file; Done or the close box writes the dialog back and redraws
// the page (the buttons' timer marks).

#include "shortcuts/buttonTimers.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimeEdit;

class frmAddTimer : public QWidget {
    Q_OBJECT
public:
    explicit frmAddTimer(QWidget* parent = nullptr);
    // Settings taken out of the file are never lost: a dialog unloaded with the
    // console writes them back.
    ~frmAddTimer() override;
    using QWidget::update;

    // The page and button the dialog edits; their timers are loaded.
    void update(const QString& thePage, const QString& theButton);
    void cmdAddTimer_Click();

    std::array<QCheckBox*, 8> chkDailyOn{}, chkDailyOff{};
    QTimeEdit* DTPickerON = nullptr;
    QTimeEdit* DTPickeroff = nullptr;
    QPushButton* cmdAddTimer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void saveTimerSettings();
    buttonTimers::Settings shown() const;
    QString page, button;
    bool loaded = false; // holds a button's settings not yet written back
};
