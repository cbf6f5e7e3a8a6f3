#pragma once
// The channel settings window: its caption is the channel number; it shows
// and edits that channel's fade, invert, sync, DMX-Pilot and limits.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class PROPTYPE : public QDialog {
    Q_OBJECT
public:
    explicit PROPTYPE(QWidget* parent = nullptr);
    ~PROPTYPE() override;

    void updatePropWindow(int32_t index);
    // Enter in a limit box stores both limits; in the interval box the interval.
    void limits_Enter(QLineEdit* box);
    void apsteptext_Enter();
    int32_t channel() const { return myChannel; }

    QCheckBox *fade = nullptr, *INVALL = nullptr, *chkIsFadeOutChannel = nullptr, *sync = nullptr, *autoBox = nullptr;
    QLineEdit *synccombo = nullptr, *apsteptext = nullptr, *Text6 = nullptr, *Text7 = nullptr, *Text5 = nullptr;
    QListWidget* syncList = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int32_t myChannel = 0;
};
