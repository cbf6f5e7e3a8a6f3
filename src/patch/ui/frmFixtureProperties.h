#pragma once
// The fixture properties window "Fixture Properties": one fixture's label,
// profile, start channel as universe and channel with its nine DIP
// switches, fixture number and channel count; from it the start channel is
// moved in the patch window and the fixture given another number.

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QSpinBox;

class frmFixtureProperties : public QWidget {
    Q_OBJECT
public:
    explicit frmFixtureProperties(QWidget* parent = nullptr);
    ~frmFixtureProperties() override;

    // Set by the caller before showDetails.
    int32_t myStartChannel = 0, myFixtureNumber = 0;
    QString myFixtureName, myFixtureProfileClass, myChannelUsed;

    void showDetails();
    // Hands the fixture's channels to the patch window in view mode.
    void lblStartChannel_Click();
    // Renames the fixture shown; the alias line follows the new name.
    void lblFixturealias_Click();
    // Opens the fixture's profile in the profile editor.
    void lblFixtureName_Click();
    // The close question: renumbers when the spinner was turned and the
    // operator agrees.
    void queryUnload();
    // Whether switch j (1..9) shows on.
    bool switchOn(int j) const { return switches[size_t(j - 1)]; }

    QLabel *lblFixturealias = nullptr, *lblFixtureName = nullptr, *lblStartChannel = nullptr,
           *lblFixtureNumber = nullptr, *lblFixtureChannelsUsed = nullptr;
    QPushButton* cmdStartChannel = nullptr;
    QSpinBox* udChangeFixtureNumber = nullptr;
    QWidget* frmDipSwitch = nullptr;
    bool fixtureNumberChanged = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int32_t myUniverse = 0;
    std::array<bool, 9> switches{};
};
