#pragma once
// The DMX record window: the channel range and offset to record, and the
// button that switches the interfaces to DMX input and back.

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Dmxrecord : public QWidget {
    Q_OBJECT
public:
    explicit Dmxrecord(QWidget* parent = nullptr);

    void Form_Load();
    void Text1_Change(int index);
    void offsetlist_MouseUp();
    void Command1_MouseDown();
    bool recording() const;

    std::array<QLabel*, 5> Label1{};
    std::array<QLineEdit*, 2> Text1{};
    QListWidget* offsetlist = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
